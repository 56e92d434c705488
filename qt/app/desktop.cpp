// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/app/desktop.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <map>

namespace esferica {

namespace {

bool setAndNotEmpty(const char* value) {
    return value != nullptr && *value != '\0';
}

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

namespace {

// The icon's images, read from the resources only when a size is asked for. A QIcon built with
// addFile decodes every file at once, which took a fifth of the work done before the window was
// first shown; most sizes are never needed (the X11 window icon takes those up to 128 pixels, an
// offscreen window none).
class ResourceIconEngine : public QIconEngine {
public:
    QIconEngine* clone() const override { return new ResourceIconEngine(*this); }
    QString key() const override { return QStringLiteral("esferica-resources"); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int size : kIconSizes)
            sizes << QSize(size, size);
        return sizes;
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side =
            std::min({size.width(), size.height(), kIconSizes[std::size(kIconSizes) - 1]});
        return {side, side};
    }
    // The image of the size asked for, or the nearest larger one scaled down to it (the largest
    // scaled up, beyond 256 pixels); window icons are never drawn disabled or selected, so the
    // mode and state are not told apart.
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int wanted = std::max(size.width(), size.height());
        int side = kIconSizes[std::size(kIconSizes) - 1];
        for (int candidate : kIconSizes)
            if (candidate >= wanted) {
                side = candidate;
                break;
            }
        QPixmap& image = loaded_[side];
        if (image.isNull())
            image.load(QStringLiteral(":/icons/esferica/%1.png").arg(side));
        return image.size() == size
                   ? image
                   : image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

private:
    std::map<int, QPixmap> loaded_;
};

} // namespace

QIcon windowIcon() {
    return QIcon(new ResourceIconEngine);
}

void presentToDesktop() {
    QGuiApplication::setWindowIcon(windowIcon());
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
    QCoreApplication::setOrganizationName(QString::fromLatin1(kSettingsName));
    QCoreApplication::setApplicationName(QString::fromLatin1(kSettingsName));
}

} // namespace esferica
