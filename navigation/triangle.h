// SPDX-License-Identifier: GPL-3.0-or-later
// The spherical triangle behind each navigation problem, as the main window's six fields take it,
// so that the student can see the problem solved as a triangle: the vertex C at the north pole,
// where the main picture draws it, and the sides b and a its distances from the other two
// vertices.
//   - Great-circle sailing: A the departure, B the arrival, C the pole; b and a the colatitudes of
//     the departure and the arrival, C the difference of longitude (under 180 degrees). The
//     triangle's c is the distance, and A is the initial course counted from north towards the
//     arrival's side.
//   - The position triangle: A the zenith, B the body, C the pole; b the colatitude, a the polar
//     distance, C the hour angle (or 360 degrees less it, east of the meridian). The triangle's c
//     is the zenith distance, and A the azimuth angle.
#pragma once

#include "command/calculate.h"
#include "navigation/sailing.h"
#include "navigation/sight.h"

#include <array>
#include <optional>
#include <string_view>

namespace esferica {

// The points a navigation problem names.
enum class NavigationPoint { Departure, Arrival, Pole, CelestialPole, Zenith, Body };

// The name of a point as the problems and the picture write it: "Salida", "Llegada", "Polo"; "P",
// "Z", "X".
std::string_view pointName(NavigationPoint point);

struct TriangleBehind {
    // The input fields a, b and C, with a period and every digit of the value, so that they read
    // back as the very numbers (the other inputs empty; the options as the window opens).
    FieldTexts fields;
    std::array<double, kElements> degrees{}; // a, b and C; the others 0, "not given"
    std::array<NavigationPoint, 3> vertices; // the points at A, B and C
};

// The triangle of a problem, or none where it has a side or an angle of 0 or 180 degrees, which no
// triangle has: points on one meridian or on opposite ones, at a pole, the same or antipodal
// points; a body on the meridian, at the pole, or at the zenith or the nadir.
std::optional<TriangleBehind> triangleBehind(const Sailing& sailing);
std::optional<TriangleBehind> triangleBehind(const Sight& sight);

} // namespace esferica
