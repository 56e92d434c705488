// SPDX-License-Identifier: GPL-3.0-or-later
// The picture as an SVG document, written from its stroke record: each line of the drawing (a run
// of segments that join end to start) is one path, each name a text element, and the parts of the
// picture are groups that an SVG editor shows as layers, in the order they were painted:
//   "cara-oculta"        the grid and outline on the far side of the sphere (light grey)
//   "red"                the outline and the grid on the near side (black)
//   "fondo-nombres"      the white halos that clear the grid under the names
//   "solucion-adicional" the additional triangle (blue), its far parts dashed
//   "solucion"           the solution (red), on top of it
//   "nombres"            the names of the vertices.
// The classic picture draws both triangles in red, so there they share the group "solucion".
#pragma once

#include "qt/strokes.h"

#include <QByteArray>
#include <QSize>
#include <QString>

namespace esferica {

// The document of a picture of `size` logical pixels (a pixel of a 96-dpi screen), whose record's
// coordinates span `frame`, with a title and a description for the reader.
QByteArray svgPicture(const StrokeRecord& strokes, QSizeF frame, QSize size, const QString& title,
                      const QString& description);

} // namespace esferica
