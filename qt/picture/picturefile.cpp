// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/picture/picturefile.h"

#include "drawing/scene.h"
#include "drawing/svg.h"
#include "fitting/state.h"
#include "numeric/checked.h"
#include "present/catalogue.h"
#include "present/view.h"
#include "qt/picture/drawingsurface.h"
#include "qt/picture/svgpicture.h"
#include "qt/window/accessibility.h"
#include "qt/window/controls.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <memory>

namespace esferica {

namespace {

// A PDF's pixels, as a screen's: 96 to the inch, 72 points.
constexpr qreal kPdfPixelsPerInch = 96;
constexpr qreal kPointsPerInch = 72;

} // namespace

PictureFormat pictureFormatOf(const QString& path) {
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        return PictureFormat::Svg;
    if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return PictureFormat::Pdf;
    return PictureFormat::Png;
}

QImage pictureImage(const StrokeRecord& strokes, QSizeF frame, qreal ratio) {
    QImage image((frame * ratio).toSize().expandedTo(QSize(1, 1)),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    if (ratio >= 1) {
        image.setDevicePixelRatio(ratio);
        strokes.paint(image, 0);
        return image;
    }
    // Qt's device pixel ratios do not go below 1: a smaller picture is painted scaled down, its
    // thin lines still a device pixel wide.
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(ratio, ratio);
    strokes.replay(painter);
    return image;
}

QByteArray picturePdf(const StrokeRecord& strokes, QSizeF frame, qreal side, const QString& title) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("esferica"));
    pdf.setResolution(static_cast<int>(kPdfPixelsPerInch));
    const qreal points = side * kPointsPerInch / kPdfPixelsPerInch;
    pdf.setPageSize(
        QPageSize(QSizeF(points, points), QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&pdf);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(0, 0, side, side), Qt::white);
    painter.scale(side / frame.width(), side / frame.height());
    strokes.replay(painter);
    painter.end();
    return out;
}

QString pictureWriteFailure(const QString& path, QFileDevice::FileError error,
                            const Catalogue& words) {
    Text reason = Text::WriteError;
    switch (error) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        reason = Text::WriteCannotCreate;
        break;
    case QFileDevice::WriteError:
    case QFileDevice::ResourceError:
        reason = Text::WriteFailed;
        break;
    case QFileDevice::RenameError:
        reason = Text::WriteNotReplaced;
        break;
    default:
        break;
    }
    return fromStd(words.fill(Text::WriteFailure,
                              {{"path", words.quoted(QDir::toNativeSeparators(path).toStdString())},
                               {"why", std::string(words.text(reason))}}));
}

QString writePicture(const QString& path, const StrokeRecord& strokes, QSizeF frame, qreal ratio,
                     const PictureFileInfo& info, const Catalogue& words) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return pictureWriteFailure(path, file.error(), words);
    bool written = false;
    const QSizeF size = frame * ratio;
    switch (pictureFormatOf(path)) {
    case PictureFormat::Svg: {
        const QByteArray svg = svgPicture(strokes, frame, size.toSize(), info.title,
                                          info.description, svgLayerNames(words));
        written = file.write(svg) == svg.size();
        break;
    }
    case PictureFormat::Pdf: {
        const QByteArray pdf = picturePdf(strokes, frame, size.width(), info.title);
        written = file.write(pdf) == pdf.size();
        break;
    }
    case PictureFormat::Png: {
        QImageWriter writer(&file, "png");
        written = writer.write(pictureImage(strokes, frame, ratio));
        break;
    }
    }
    if (!written) {
        QString failure = pictureWriteFailure(path, file.error(), words);
        file.cancelWriting(); // the temporary file goes, and any file at `path` stays as it was
        return failure;
    }
    return file.commit() ? QString() : pictureWriteFailure(path, file.error(), words);
}

namespace {

// Qt's notes on how it started (an unset runtime folder, a missing plugin it does without) are
// not the command line's to print: its own message says whether the picture was written.
void keepQuiet(QtMsgType type, const QMessageLogContext& context, const QString& text);
QtMessageHandler previousHandler = nullptr;
void keepQuiet(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if ((type == QtCriticalMsg || type == QtFatalMsg) && previousHandler)
        previousHandler(type, context, text);
}

} // namespace

std::string writeScenePicture(const PictureRequest& request) {
    std::unique_ptr<QApplication> app;
    if (!QCoreApplication::instance()) {
        previousHandler = qInstallMessageHandler(keepQuiet);
        // Drawn in memory: no display is needed, nor opened when there is one.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "esferica";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QApplication>(argc, argv);
    }
    const QSizeF frame(kDefaultPicturePixels, kDefaultPicturePixels);
    DrawingSurface picture;
    picture.resize(frame.toSize());
    ResumeNext run;
    FittingState fitting;
    clearScene(run, picture);
    const SceneDrawing drawing = drawScene(run, picture, request.scene, fitting);
    picture.flush();
    const Catalogue& words = Catalogue::of(request.language);
    describePicture(picture, drawing, request.view, ".", words);
    const QString title = fromStd(words.text(Text::AccessibleSphere));
    return writePicture(QString::fromStdString(request.path), picture.strokes(), frame,
                        request.pixels / frame.width(), {title, picture.accessibleDescription()},
                        words)
        .toStdString();
}

} // namespace esferica
