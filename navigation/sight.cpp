// SPDX-License-Identifier: GPL-3.0-or-later
#include "navigation/sight.h"

#include <cmath>

namespace esferica {

namespace {

constexpr double kFullTurn = 360;

double withinTurn(double degrees) {
    const double d = shortWay(degrees);
    const double turned = d < 0 ? d + kFullTurn : d;
    return turned == kFullTurn ? 0 : turned; // a tiny negative angle rounds up to a whole turn
}

} // namespace

double localHourAngle(double greenwichHourAngle, double longitude) {
    return withinTurn(greenwichHourAngle + longitude);
}

std::optional<double> Sight::interceptMiles() const {
    if (!observed)
        return std::nullopt;
    return (*observed - altitude()) * kMilesPerDegree;
}

InterceptSense Sight::sense() const {
    const std::optional<double> miles = interceptMiles();
    if (!miles || *miles == 0)
        return InterceptSense::None;
    return *miles > 0 ? InterceptSense::Towards : InterceptSense::Away;
}

Sight reduceSight(double latitude, double declination, double hourAngle,
                  std::optional<double> observed) {
    Sight s;
    s.latitude = latitude;
    s.declination = declination;
    s.hourAngle = withinTurn(hourAngle);
    // The hour angle is counted westwards, so the body's meridian lies that far west.
    s.leg = greatCircleLeg(latitude, declination, -s.hourAngle);
    s.observed = observed;
    return s;
}

} // namespace esferica
