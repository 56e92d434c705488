// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for checking triangles in degrees, computed independently of the solvers.
#pragma once

#include "numeric/angles.h"
#include "solver/triangle.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>

namespace esferica::testing {

inline Real rad(double degrees) {
    return GradtoRad(degrees);
}
inline double deg(Real radians) {
    return RadtoGrad(radians).value();
}

// A number as a user would type it with every digit that matters.
inline std::string fullText(double x) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.17g", x);
    return buf;
}

inline TriangleSolution triangleOfDegrees(std::array<double, 6> e) {
    TriangleSolution t;
    for (const Element el : kAllElements)
        t[el] = rad(e[index(el)]);
    return t;
}

// The largest violation of the six laws of cosines (three for sides, three for angles) by a
// triangle, in plain double: zero for a consistent triangle.
inline double lawOfCosinesError(const TriangleSolution& t) {
    const double s[3] = {t.a.value(), t.b.value(), t.c.value()};
    const double g[3] = {t.A.value(), t.B.value(), t.C.value()};
    double worst = 0;
    for (int i = 0; i < 3; ++i) {
        const int j = (i + 1) % 3, k = (i + 2) % 3;
        const double sides = std::cos(s[i]) - (std::cos(s[j]) * std::cos(s[k]) +
                                               std::sin(s[j]) * std::sin(s[k]) * std::cos(g[i]));
        const double angles = std::cos(g[i]) - (-std::cos(g[j]) * std::cos(g[k]) +
                                                std::sin(g[j]) * std::sin(g[k]) * std::cos(s[i]));
        worst = std::max({worst, std::fabs(sides), std::fabs(angles)});
    }
    return worst;
}

} // namespace esferica::testing
