// SPDX-License-Identifier: GPL-3.0-or-later
// Notation: phi a latitude, lambda a longitude, psi a Mercator latitude; s and c prefixes mean
// sine and cosine. Angles are in degrees, turned into true radians (kRadian) where a formula
// takes a sine, a cosine or a tangent.
#include "navigation/sailing.h"

#include "numeric/angles.h"
#include "solver/triangle.h"

#include <cmath>
#include <numbers>

namespace esferica {

namespace {

constexpr double kQuarterTurn = 90, kHalfTurn = 180, kFullTurn = 360;
constexpr double kRadian = std::numbers::pi / kHalfTurn; // one degree in true radians
// Below this the difference of Mercator latitudes is taken from its hyperbolic tangent, which
// keeps the relative accuracy of close latitudes; above it, psi2 - psi1 loses none.
constexpr double kCloseLatitudes = 0.5;

// A course in [0, 360) from one in (-360, 360]; a tiny negative one comes out as 0.
double course(double degrees) {
    const double turned = degrees < 0 ? degrees + kFullTurn : degrees;
    return turned >= kFullTurn ? turned - kFullTurn : turned;
}

bool atPole(double latitude) {
    return std::fabs(latitude) == kQuarterTurn;
}

// Along a meridian (dlon 0), or over a pole between opposite meridians (dlon 180). The points are
// neither the same nor opposite.
GreatCircleLeg alongMeridian(double latitude1, double latitude2, double dlon) {
    GreatCircleLeg leg;
    leg.track = Track::Meridian;
    if (dlon == 0) {
        leg.distance = std::fabs(latitude2 - latitude1);
        leg.initialCourse = leg.finalCourse = latitude2 > latitude1 ? 0 : kHalfTurn;
        return leg;
    }
    // Over the pole nearer the two: north when their latitudes add up to more than 0.
    const double sum = latitude1 + latitude2;
    leg.distance = kHalfTurn - std::fabs(sum);
    leg.initialCourse = sum > 0 ? 0 : kHalfTurn;
    leg.finalCourse = sum > 0 ? kHalfTurn : 0;
    return leg;
}

// The triangle pole-departure-arrival, every element strictly between 0 and 180 degrees. Throws
// Failure where the data lie within rounding of a degenerate triangle.
GreatCircleLeg oblique(double latitude1, double latitude2, double dlon) {
    // At the departure lies the angle opposite the arrival's colatitude; at the arrival, the one
    // opposite the departure's.
    const SASResult t = SAS(GradtoRad(std::fabs(dlon)), GradtoRad(kQuarterTurn - latitude2),
                            GradtoRad(kQuarterTurn - latitude1));
    const double atDeparture = RadtoGrad(t.primerang).value();
    const double atArrival = RadtoGrad(t.segundoang).value();
    GreatCircleLeg leg;
    leg.track = Track::Oblique;
    leg.distance = RadtoGrad(t.ladorestante).value();
    // Eastwards the route leaves at the angle from north, and arrives heading away from the
    // departure, which lies west of it; westwards, the mirror image.
    const bool east = dlon > 0;
    leg.initialCourse = course(east ? atDeparture : kFullTurn - atDeparture);
    leg.finalCourse = course(east ? kHalfTurn - atArrival : kHalfTurn + atArrival);
    return leg;
}

// psi = atanh(sin phi) of a latitude in degrees, taken near a pole from the colatitude, which
// holds there the digits that the latitude has lost: psi = -ln tan(colatitude / 2).
double mercator(double latitude) {
    if (std::fabs(latitude) <= kQuarterTurn / 2)
        return std::asinh(std::tan(latitude * kRadian));
    const double colatitude = kQuarterTurn - std::fabs(latitude); // exact
    return std::copysign(-std::log(std::tan(colatitude / 2 * kRadian)), latitude);
}

// psi2 - psi1 of two latitudes in degrees. With s = sin phi, tanh(psi2 - psi1) is
// (s2 - s1) / (1 - s1 s2); the difference of the sines is taken as a product, and 1 - s1 s2 from
// the halves of the colatitudes (1 - s = 2 sin^2(colatitude / 2)) where both sines are near 1, so
// that the quotient keeps its relative accuracy however close the latitudes, and near a pole.
double meridionalDifference(double latitude1, double latitude2) {
    const double s1 = std::sin(latitude1 * kRadian), s2 = std::sin(latitude2 * kRadian);
    const double c1 = kQuarterTurn - latitude1, c2 = kQuarterTurn - latitude2;
    // cos of the mean latitude is sin of the mean colatitude.
    const double difference =
        2 * std::sin((c1 + c2) / 2 * kRadian) * std::sin((latitude2 - latitude1) / 2 * kRadian);
    const auto twiceSquaredSine = [](double halfAngle) {
        const double h = std::sin(halfAngle * kRadian);
        return 2 * h * h;
    };
    double denominator = 1 - s1 * s2;
    if (s1 > 0 && s2 > 0) // 1 - s1 s2 = (1 - s1) + s1 (1 - s2)
        denominator = twiceSquaredSine(c1 / 2) + s1 * twiceSquaredSine(c2 / 2);
    else if (s1 < 0 && s2 < 0) // (1 + s1) - s1 (1 + s2), 1 + s = 2 sin^2((180 - colatitude) / 2)
        denominator =
            twiceSquaredSine((kHalfTurn - c1) / 2) - s1 * twiceSquaredSine((kHalfTurn - c2) / 2);
    const double x = difference / denominator;
    if (std::fabs(x) < kCloseLatitudes)
        return std::atanh(x);
    return mercator(latitude2) - mercator(latitude1);
}

RhumbLine rhumbLine(const Position& from, const Position& to, double dlon) {
    RhumbLine rhumb;
    const double dlat = to.latitude - from.latitude;
    if (dlat == 0 && (dlon == 0 || atPole(from.latitude)))
        return rhumb; // the same point: no course
    if (atPole(from.latitude) || atPole(to.latitude)) {
        rhumb.course = dlat > 0 ? 0 : kHalfTurn;
        rhumb.distance = std::fabs(dlat);
        return rhumb;
    }
    const double dphi = dlat * kRadian, dlambda = dlon * kRadian;
    const double dpsi = meridionalDifference(from.latitude, to.latitude);
    // dphi / dpsi, the departure's share of the difference of longitude: cos phi on a parallel.
    const double q =
        dlat == 0 ? std::sin((kQuarterTurn - std::fabs(from.latitude)) * kRadian) : dphi / dpsi;
    rhumb.course = course(std::atan2(dlambda, dpsi) / kRadian);
    rhumb.distance = std::hypot(dphi, q * dlambda) / kRadian;
    return rhumb;
}

RouteVertex vertexOf(const Sailing& s) {
    RouteVertex vertex;
    switch (s.greatCircle.track) {
    case Track::Coincident:
    case Track::Antipodal:
        return vertex;
    case Track::Meridian:
        vertex.kind = VertexCase::AlongMeridian;
        return vertex;
    case Track::Oblique:
        break;
    }
    if (s.from.latitude == 0 && s.to.latitude == 0) {
        vertex.kind = VertexCase::AlongEquator;
        return vertex;
    }
    // The angle at the departure between the meridian towards the north pole and the route, in
    // (0, 180), and the right triangle pole-departure-vertex (Napier's rules):
    //   cos phiV = sin alpha cos phi1,   tan dlambdaV = cos alpha / (sin alpha sin phi1),
    // taken through atan2 so that neither loses digits near 0 or 90 degrees. The vertex ahead is
    // the northern one when the route heads north; the southern one is its mirror image.
    const double initial = *s.greatCircle.initialCourse;
    const double alpha = initial <= kHalfTurn ? initial : kFullTurn - initial;
    const double sp = std::sin(s.from.latitude * kRadian), cp = std::cos(s.from.latitude * kRadian);
    const double sa = std::sin(alpha * kRadian), ca = std::cos(alpha * kRadian);
    const double latitude = std::atan2(std::hypot(sp, ca * cp), sa * cp) / kRadian;
    double ahead = 0; // the vertex's difference of longitude from the departure, along the route
    if (alpha == kQuarterTurn) {
        vertex.latitude = s.from.latitude; // due east or west: the departure is the vertex
    } else {
        const double north = ca > 0 ? 1 : -1;
        vertex.latitude = north * latitude;
        ahead = std::atan2(std::fabs(ca), north * sa * sp) / kRadian;
    }
    vertex.kind = ahead <= std::fabs(s.dlon) ? VertexCase::OnRoute : VertexCase::BeyondRoute;
    vertex.longitude = shortWay(s.from.longitude + (s.dlon > 0 ? ahead : -ahead));
    return vertex;
}

} // namespace

double shortWay(double degrees) {
    double d = std::fmod(degrees, kFullTurn); // exact, in (-360, 360)
    if (d > kHalfTurn)
        d -= kFullTurn;
    else if (d <= -kHalfTurn)
        d += kFullTurn;
    return d;
}

GreatCircleLeg greatCircleLeg(double latitude1, double latitude2, double dlon) {
    const double d = shortWay(dlon);
    const bool pole = atPole(latitude1) || atPole(latitude2);
    if (latitude1 == latitude2 && (d == 0 || pole))
        return {Track::Coincident, 0, std::nullopt, std::nullopt};
    if (latitude1 == -latitude2 && (d == kHalfTurn || pole))
        return {Track::Antipodal, kHalfTurn, std::nullopt, std::nullopt};
    if (pole)
        return alongMeridian(latitude1, latitude2, 0); // the meridian of the other point
    if (d == 0 || d == kHalfTurn)
        return alongMeridian(latitude1, latitude2, d);
    try {
        return oblique(latitude1, latitude2, d);
    } catch (const Failure&) {
        // The solver takes the data for a triangle with an element at 0 or 180 degrees: a
        // difference of longitude within rounding of 0 or 180, or under 2^-500 radians. The
        // route is then the meridian's, to within that rounding.
        return greatCircleLeg(latitude1, latitude2, std::fabs(d) < kQuarterTurn ? 0 : kHalfTurn);
    }
}

double Sailing::kilometres() const {
    return greatCircle.distance * kRadian * radiusKm;
}

Sailing sail(Position from, Position to, double radiusKm) {
    Sailing s;
    s.from = from;
    s.to = to;
    s.radiusKm = radiusKm;
    s.dlon = shortWay(to.longitude - from.longitude);
    s.greatCircle = greatCircleLeg(from.latitude, to.latitude, s.dlon);
    s.vertex = vertexOf(s);
    s.rhumb = rhumbLine(from, to, s.dlon);
    return s;
}

} // namespace esferica
