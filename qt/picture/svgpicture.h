// SPDX-License-Identifier: GPL-3.0-or-later
// The picture as an SVG document (drawing/svg.h), from the window's stroke record: the record
// handed over as the toolkit-free one that the document is written from, names with the fonts and
// primes that the window measured.
#pragma once

#include "drawing/record.h"
#include "drawing/svg.h"
#include "qt/picture/strokes.h"

#include <QByteArray>
#include <QSize>
#include <QString>

namespace esferica {

// The strokes of `strokes`, whose coordinates span `frame`, as a toolkit-free record.
PictureRecord pictureRecord(const StrokeRecord& strokes, QSizeF frame);

// The document of a picture of `size` logical pixels (a pixel of a 96-dpi screen), whose record's
// coordinates span `frame`, with a title and a description for the reader.
QByteArray svgPicture(const StrokeRecord& strokes, QSizeF frame, QSize size, const QString& title,
                      const QString& description, const SvgLayerNames& layers);

} // namespace esferica
