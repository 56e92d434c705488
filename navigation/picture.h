// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of a navigation problem: the Earth seen from outside, as a globe on the desk shows
// it, so that it matches a chart. North is up and east to the right at the middle of the picture,
// which faces the middle of the problem; each point stands at its own latitude and longitude
// under the grid of parallels and meridians every 15 degrees, named as the problem names it.
// The readable picture's cues hold (drawing/readable.h): the grid's far side in light grey, the
// far parts of every line dashed.
//   - Great-circle sailing: Salida and Llegada, the great circle between them in red, the rhumb
//     line beside it in blue, and the meridians from Polo, the north pole, down to both in thin
//     red: the triangle of the problem. Coincident and antipodal points have no great circle to
//     draw.
//   - The position triangle: Z, the observer; X, the point under the body; P, the north pole;
//     its three sides in red.
#pragma once

#include "drawing/surface.h"
#include "navigation/sailing.h"
#include "navigation/sight.h"
#include "navigation/triangle.h"

#include <vector>

namespace esferica {

// Where a point of the problem landed in the picture, in its user coordinates (the sphere is the
// unit circle, y up), and whether it lies on the far side of the Earth.
struct ChartMark {
    NavigationPoint point;
    float x = 0, y = 0;
    bool far = false;
};

// Clears `dib` and draws the problem on it; returns where its points landed. Every line and name
// is a step of its own, as in the main picture: one that fails is left out, and the rest drawn.
std::vector<ChartMark> drawSailing(Surface& dib, const Sailing& sailing);
// The position triangle with the observer at `longitude` (east positive), for the grid.
std::vector<ChartMark> drawSight(Surface& dib, const Sight& sight, double longitude = 0);

} // namespace esferica
