// SPDX-License-Identifier: GPL-3.0-or-later
// The position triangle (PZX: polo, cenit, astro) of a sight: from the latitude of the estimated
// position, the body's declination and its local hour angle, the computed altitude and the
// azimuth; with an observed altitude, the intercept.
//
// It is the great-circle arc from the observer to the point under the body (latitude the
// declination, longitude the observer's minus the hour angle), solved as great-circle sailing is
// (navigation/sailing.h): the zenith distance is the arc, 90° - the altitude, and the azimuth is
// the initial course. Degrees throughout; the azimuth in [0, 360), clockwise from north.
#pragma once

#include "navigation/sailing.h"

#include <optional>

namespace esferica {

// The local hour angle from the Greenwich hour angle and the longitude (east positive): in
// [0, 360).
double localHourAngle(double greenwichHourAngle, double longitude);

// The altitude of the zenith: a body's altitude is this less its zenith distance.
inline constexpr double kZenithAltitude = 90;

// Whether the line of position lies towards the body or away from it.
enum class InterceptSense { Towards, Away, None };

struct Sight {
    double latitude = 0, declination = 0; // [-90, 90], north positive
    double hourAngle = 0;                 // local, westwards, [0, 360)
    GreatCircleLeg leg;                   // from the observer to the point under the body
    std::optional<double> observed;       // the observed altitude, when given

    double altitude() const { return kZenithAltitude - leg.distance; }
    // None with the body at the zenith or at the nadir. At a pole, the meridian's course (180
    // from the north pole, 0 from the south one).
    std::optional<double> azimuth() const { return leg.initialCourse; }
    // The observed altitude less the computed one, in nautical miles (minutes of arc): positive
    // towards the body.
    std::optional<double> interceptMiles() const;
    InterceptSense sense() const;
};

// The sight of a body of `declination` at the local hour angle `hourAngle` (any value: taken in
// [0, 360)) from `latitude`, with the observed altitude if there is one.
Sight reduceSight(double latitude, double declination, double hourAngle,
                  std::optional<double> observed = std::nullopt);

} // namespace esferica
