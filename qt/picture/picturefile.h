// SPDX-License-Identifier: GPL-3.0-or-later
// The picture as a file: PNG at any size, drawn anew from the stroke record at that size rather
// than scaled from the screen's pixels; SVG (qt/picture/svgpicture.h); and PDF, the strokes as
// vectors on a page of the picture's size. The window's "Guardar imagen…" and the command line's
// --imagen write through here; the command line draws its scene on a picture that is never shown,
// on Qt's offscreen platform, so that it needs no display.
#pragma once

#include "cli/resolver.h"
#include "present/catalogue.h"
#include "qt/picture/strokes.h"

#include <QByteArray>
#include <QFileDevice>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <string>

namespace esferica {

enum class PictureFormat { Png, Svg, Pdf };
// By the name's ending, in any case: ".svg", ".pdf", anything else PNG.
PictureFormat pictureFormatOf(const QString& path);

// The picture recorded in `strokes`, whose coordinates are pixels of a picture of `frame`, painted
// on white at `ratio` device pixels per pixel: a ratio of 2 gives an image twice as wide and high,
// its lines and names drawn at that resolution.
QImage pictureImage(const StrokeRecord& strokes, QSizeF frame, qreal ratio);

// A one-page PDF of the picture, `side` pixels (of 96 to the inch) square, its lines, circle and
// names as vectors.
QByteArray picturePdf(const StrokeRecord& strokes, QSizeF frame, qreal side, const QString& title);

// What a picture file holds besides its strokes.
struct PictureFileInfo {
    QString title, description;
};

// Writes the picture of `strokes` to `path` in the format of its name: PNG at `ratio` device
// pixels per pixel of `frame`, or SVG or PDF of `frame` times `ratio` pixels on a side. The file is
// written whole or not at all, an existing one staying as it was. Returns why it could not be
// written, in the language of `words`, or an empty text when it was.
QString writePicture(const QString& path, const StrokeRecord& strokes, QSizeF frame, qreal ratio,
                     const PictureFileInfo& info, const Catalogue& words = Catalogue::spanish());

// Why `path` could not be written, as writePicture says it, for a file that failed with `error`.
QString pictureWriteFailure(const QString& path, QFileDevice::FileError error,
                            const Catalogue& words = Catalogue::spanish());

// The command line's PictureWriter: draws the request's scene on a picture of the window's designed
// size that is never shown, and writes it at the size asked for, its texts in the request's
// language. Starts Qt on its offscreen platform when no application runs yet.
std::string writeScenePicture(const PictureRequest& request);

} // namespace esferica
