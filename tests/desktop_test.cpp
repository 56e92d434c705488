// SPDX-License-Identifier: GPL-3.0-or-later
// The program's place on the desktop: when it refuses to start for want of a display, and the
// window icon built into it.

#include "qt/app/desktop.h"
#include "tests/support/qt_test.h"

#include <QGuiApplication>
#include <QPixmap>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace {

using esferica::testing::QtTest;

// The environment of one row; lacksDisplay reads it through a plain function pointer.
const std::map<std::string, std::string>* currentEnvironment = nullptr;

const char* readVariable(const char* name) {
    const auto found = currentEnvironment->find(name);
    return found == currentEnvironment->end() ? nullptr : found->second.c_str();
}

struct DisplayRow {
    const char* name;
    std::map<std::string, std::string> environment;
    std::vector<const char*> arguments; // after the program's name
    bool lacksDisplay;
};

TEST(DesktopTest, RefusesToStartOnlyWhenQtWouldFindNoDisplay) {
    const DisplayRow rows[] = {
        {"nothing set", {}, {}, true},
        {"empty variables count as unset",
         {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}},
         {},
         true},
        {"an X display", {{"DISPLAY", ":0"}}, {}, false},
        {"a Wayland display", {{"WAYLAND_DISPLAY", "wayland-0"}}, {}, false},
        {"a platform without display", {{"QT_QPA_PLATFORM", "offscreen"}}, {}, false},
        {"the -platform argument", {}, {"-platform", "offscreen"}, false},
        {"the --platform argument", {}, {"--platform", "offscreen"}, false},
        {"other arguments only", {{"XDG_SESSION_TYPE", "wayland"}}, {"-style", "fusion"}, true},
    };
    for (const DisplayRow& row : rows) {
        currentEnvironment = &row.environment;
        std::vector<const char*> argv{"esferica"};
        argv.insert(argv.end(), row.arguments.begin(), row.arguments.end());
        argv.push_back(nullptr);
        EXPECT_EQ(
            esferica::lacksDisplay(static_cast<int>(argv.size()) - 1, argv.data(), &readVariable),
            row.lacksDisplay)
            << row.name;
    }
    currentEnvironment = nullptr;
}

class DesktopIconTest : public QtTest {};

TEST_F(DesktopIconTest, EveryWindowGetsTheIconAtEachUsualSize) {
    esferica::presentToDesktop();
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral(INSTALLED_DESKTOP_ID));
    const QIcon icon = QGuiApplication::windowIcon();
    for (int size : esferica::kIconSizes) {
        const QPixmap pixmap = icon.pixmap(QSize(size, size));
        ASSERT_EQ(pixmap.size(), QSize(size, size)) << size;
        // Drawn, not blank: the red of the triangle at the north pole vertex, (64, 16.9) of 128.
        const QColor vertex = pixmap.toImage().pixelColor(size / 2, size * 17 / 128);
        EXPECT_GT(vertex.alpha(), 200) << size;
        EXPECT_GT(vertex.red(), vertex.green() + 40) << size;
        // The corners lie outside the sphere and stay transparent.
        EXPECT_EQ(pixmap.toImage().pixelColor(0, 0).alpha(), 0) << size;
    }
}

} // namespace
