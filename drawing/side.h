// SPDX-License-Identifier: GPL-3.0-or-later
// Side c of a triangle does not lie on a meridian: its great circle projects to an ellipse
// centred on the origin with semi-axis 1, found by fitting through the side's two projected end
// points.
#pragma once

#include "drawing/surface.h"
#include "fitting/state.h"
#include "numeric/checked.h"

namespace esferica {

// Fits and draws side c between the projected vertices held in fitting.x1, y1 (A) and x2, y2 (B).
// Runs the Newton iteration from t1 = 10, 15, ..., 360 degrees (t2 = 80 degrees, theta = 13
// degrees, k = 5 degrees in radians + 0.1), orders each result so that t1 <= t2, and accepts the
// first whose arc t2 - t1 has the length |sideLength| (radians) to within pi/180 of a degree and
// whose parameters are small enough for elipse to step through; that arc is drawn in red and the
// result is true. When no start is accepted, or an arithmetic failure ends the search, nothing is
// drawn for the side and the result is false: the caller says so in the status label. After a
// run, fitting.xsol holds the last attempt.
bool calcularydibujarelipse(Real sideLength, FittingState& fitting, Surface& dib);

} // namespace esferica
