// SPDX-License-Identifier: GPL-3.0-or-later
#include "navigation/triangle.h"

#include <charconv>
#include <cmath>

namespace esferica {

namespace {

constexpr double kQuarterTurn = 90;

constexpr std::array<std::string_view, 6> kPointNames{"Salida", "Llegada", "Polo", "P", "Z", "X"};

// The shortest decimal text that reads back as `value`: readNumber rounds it to the same double.
std::string exactText(double value) {
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    (void)ec; // a double's shortest text is far shorter than the buffer
    return {buf, end};
}

// The triangle with the sides b and a and the angle C between them.
TriangleBehind twoSidesAndPole(double b, double a, double C,
                               std::array<NavigationPoint, 3> vertices) {
    TriangleBehind t{.fields = {}, .degrees = {}, .vertices = vertices};
    for (const auto& [element, value] :
         {std::pair{Element::a, a}, std::pair{Element::b, b}, std::pair{Element::C, C}}) {
        t.degrees[index(element)] = value;
        t.fields[element] = exactText(value);
    }
    return t;
}

} // namespace

std::string_view pointName(NavigationPoint point) {
    return kPointNames[static_cast<std::size_t>(point)];
}

std::optional<TriangleBehind> triangleBehind(const Sailing& s) {
    if (s.greatCircle.track != Track::Oblique)
        return std::nullopt;
    return twoSidesAndPole(
        kQuarterTurn - s.from.latitude, kQuarterTurn - s.to.latitude, std::fabs(s.dlon),
        {NavigationPoint::Departure, NavigationPoint::Arrival, NavigationPoint::Pole});
}

std::optional<TriangleBehind> triangleBehind(const Sight& s) {
    if (s.leg.track != Track::Oblique)
        return std::nullopt;
    return twoSidesAndPole(
        kQuarterTurn - s.latitude, kQuarterTurn - s.declination, std::fabs(shortWay(s.hourAngle)),
        {NavigationPoint::Zenith, NavigationPoint::Body, NavigationPoint::CelestialPole});
}

} // namespace esferica
