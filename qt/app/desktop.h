// SPDX-License-Identifier: GPL-3.0-or-later
// What the program is to the desktop around its window: whether there is a display to open it on,
// the sentence that says so when there is none, the menu entry it belongs to and its icon.
#pragma once

#include <QIcon>

namespace esferica {

// The reverse-DNS name of the program: the file name of its menu entry (<id>.desktop), its
// AppStream id and, on Wayland, the application id that the compositor matches with the entry.
inline constexpr const char* kDesktopId = "org.esferica.Esferica";

// The one line printed, by scripts/run as well, when there is no graphical session to open the
// window in.
inline constexpr const char* kNoDisplayMessage =
    "esferica necesita una sesión gráfica: no están definidas ni DISPLAY ni WAYLAND_DISPLAY.";

// Reads one variable of the environment; null when it is not set.
using EnvironmentReader = const char* (*)(const char* name);

// True when Qt would find no display to open the window on and would abort: neither DISPLAY nor
// WAYLAND_DISPLAY is set to a non-empty value, and no platform is chosen through QT_QPA_PLATFORM or
// a -platform argument (offscreen, vnc, ... need no display).
bool lacksDisplay(int argc, const char* const* argv, EnvironmentReader environment);

// Around the construction of the QApplication: a display that is named but cannot be opened (an X
// server that is gone, a platform that does not exist) ends Qt with a fatal message and an abort.
// From a StartGuard's construction until its release, such a message prints instead one line in
// Spanish naming the display variables that are set, after Qt's own warnings, and exits with
// status 1.
class StartGuard {
public:
    StartGuard();
    ~StartGuard() { release(); }
    StartGuard(const StartGuard&) = delete;
    StartGuard& operator=(const StartGuard&) = delete;

    // Gives Qt's messages back to the handler that was in place before.
    void release();

private:
    QtMessageHandler previous_;
    bool released_ = false;
};

// The sizes, in pixels, that packaging/esferica.svg is rendered at when the program is built
// (packaging/CMakeLists.txt), smallest first.
inline constexpr int kIconSizes[] = {ESFERICA_ICON_SIZES};

// The program's icon: packaging/esferica.svg rendered at each of kIconSizes, from the program's
// resources.
QIcon windowIcon();

// The organisation and application name under which the user's settings are kept:
// ~/.config/esferica/esferica.conf on Linux.
inline constexpr const char* kSettingsName = "esferica";

// Before the window is shown: the icon of every window, the desktop entry that names the program
// (the desktop's menu and task bar take its name and icon from it) and where its settings are.
void presentToDesktop();

} // namespace esferica
