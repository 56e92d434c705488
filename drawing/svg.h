// SPDX-License-Identifier: GPL-3.0-or-later
// The picture as an SVG document, written from its record (drawing/record.h): each line of the
// drawing (a run of segments that join end to start) is one path, each name a text element, and
// the parts of the picture are groups that an SVG editor shows as layers, in the order they were
// painted:
//   "cara-oculta"        the grid and outline on the far side of the sphere (light grey)
//   "red"                the outline and the grid on the near side (black)
//   "fondo-nombres"      the white halos that clear the grid under the names
//   "solucion-adicional" the additional triangle (blue), its far parts dashed
//   "solucion"           the solution (red), on top of it
//   "nombres"            the names of the vertices.
// The classic picture draws both triangles in red, so there they share the group "solucion". The
// ids stay the same in every language; the names an SVG editor shows for the layers are the
// caller's, in its language. The window's "Guardar imagen…" and the browser edition write their
// pictures through here.
#pragma once

#include "drawing/record.h"

#include <array>
#include <string>
#include <string_view>

namespace esferica {

// The document of a picture `width` by `height` logical pixels (a pixel of a 96-dpi screen) large,
// whose record's coordinates span record.width by record.height, with a title and a description
// for the reader (UTF-8).
// The layers' names as an SVG editor shows them, in this order.
enum class SvgLayer { FarSide, Grid, Solution, Additional, Names, Halos };
inline constexpr std::size_t kSvgLayers = 6;
using SvgLayerNames = std::array<std::string_view, kSvgLayers>;

std::string svgDocument(const PictureRecord& record, int width, int height, std::string_view title,
                        std::string_view description, const SvgLayerNames& layers);

} // namespace esferica
