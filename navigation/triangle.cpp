// SPDX-License-Identifier: GPL-3.0-or-later
#include "navigation/triangle.h"

#include "numeric/portable.h"

#include <cmath>
#include <string>
#include <system_error>

namespace esferica {

namespace {

constexpr double kQuarterTurn = 90;

constexpr std::array<std::string_view, 6> kPointNames{"Salida", "Llegada", "Polo", "P", "Z", "X"};

// A decimal text that reads back as `value`: readNumber rounds it to the same double. The fewest
// decimals that do, and an exponent only for a value too small for thirty decimals.
std::string exactText(double value) {
    char buf[64];
    for (int decimals = 0; decimals <= 30; ++decimals) {
        const auto [end, ec] =
            toChars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
        double back = 0;
        if (ec == std::errc{} && fromChars(buf, end, back).ec == std::errc{} && back == value)
            return {buf, end};
    }
    const auto [end, ec] = toChars(buf, buf + sizeof buf, value, std::chars_format::scientific, 16);
    (void)ec; // seventeen significant digits fit the buffer and always read back
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
