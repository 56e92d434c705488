// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/desktop.h"

#include <QGuiApplication>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace esferica {

namespace {

bool setAndNotEmpty(const char* value) {
    return value != nullptr && *value != '\0';
}

// The sizes packaging/esferica.svg is rendered at (packaging/CMakeLists.txt): the usual sizes of
// menus, title bars, task bars and task switchers.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

} // namespace

bool lacksDisplay(int argc, const char* const* argv, EnvironmentReader environment) {
    if (setAndNotEmpty(environment("DISPLAY")) || setAndNotEmpty(environment("WAYLAND_DISPLAY")) ||
        setAndNotEmpty(environment("QT_QPA_PLATFORM")))
        return false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return false;
    }
    return true;
}

namespace {

QtMessageHandler handlerBeforeStart = nullptr;

void handleStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        handlerBeforeStart(type, context, text);
        return;
    }
    QStringList named;
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (setAndNotEmpty(value))
            named << QStringLiteral("%1=%2").arg(QLatin1String(name),
                                                 QString::fromLocal8Bit(value));
    }
    const QString which =
        named.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(named.join(", "));
    std::fprintf(stderr, "esferica no pudo abrir su ventana en la sesión gráfica indicada%s.\n",
                 qPrintable(which));
    std::fflush(stderr);
    std::_Exit(1); // the window never opened: nothing to save or close
}

} // namespace

StartGuard::StartGuard() : previous_(qInstallMessageHandler(&handleStartMessage)) {
    handlerBeforeStart = previous_;
}

void StartGuard::release() {
    if (!released_)
        qInstallMessageHandler(previous_);
    released_ = true;
}

QIcon windowIcon() {
    QIcon icon;
    for (int size : kIconSizes) {
        const QString file = QStringLiteral(":/icons/esferica/%1.png").arg(size);
        icon.addFile(file, QSize(size, size));
    }
    return icon;
}

void presentToDesktop() {
    QGuiApplication::setWindowIcon(windowIcon());
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
}

} // namespace esferica
