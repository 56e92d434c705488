// SPDX-License-Identifier: GPL-3.0-or-later
// The globe is the main picture's sphere (drawing/depth.h) turned to face the problem: the point
// that the picture faces lies at the inclination's latitude on the sphere's meridian -90 degrees,
// where east is to the right, so each longitude is drawn on the meridian 90 degrees west of its
// difference from the middle's.
#include "navigation/picture.h"

#include "drawing/readable.h"
#include "drawing/scene.h"
#include "numeric/angles.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace esferica {

namespace {

constexpr double kQuarterTurn = 90;
constexpr double kGridSpacing = 15; // degrees between the grid's parallels, and its meridians
constexpr int kGridParallels = 5;   // on each side of the equator, the poles left out
constexpr int kGridMeridians = 24;
// The rhumb line is drawn through points this many degrees of its arc apart: a chord of a degree
// strays from the sphere by 4e-5 of its radius, far under a pixel.
constexpr double kRhumbStep = 1;
constexpr std::int32_t kRouteColor = kSolutionColor;
constexpr std::int32_t kRhumbColor = kAdditionalColor;
// A depth within this of zero (radii of the sphere) is on the outline, which counts as near, and
// points this close in direction are one for the names; as in drawing/depth.cpp.
constexpr double kOnOutline = 1e-9;

// The globe turned to face a point of the Earth.
struct Globe {
    double latitude = 0, longitude = 0; // of the point that faces the viewer
    Tilt tilt;
};

Globe facing(double latitude, double longitude) {
    return {latitude, longitude, tiltOf(GradtoRad(latitude))};
}

// The middle of two points as a chart has it: their mean latitude, and the mean longitude the
// short way. Faced from there, the rhumb line runs across the picture and the great circle bows
// away from it towards the pole, as on a chart.
Globe facingMiddle(const Position& p, const Position& q) {
    return facing((p.latitude + q.latitude) / 2,
                  shortWay(p.longitude + shortWay(q.longitude - p.longitude) / 2));
}

// The longitude of the sphere's meridian that shows `longitude`, in radians.
Real meridianOf(const Globe& g, double longitude) {
    return GradtoRad(shortWay(longitude - g.longitude) - kQuarterTurn);
}

Seen seenAt(const Globe& g, double latitude, double longitude) {
    return seenPoint(GradtoRad(latitude), meridianOf(g, longitude), g.tilt);
}

Flat flat(const Seen& p) {
    return {p.x, p.y};
}

void drawGrid(ResumeNext& run, Surface& dib, const Globe& g) {
    ReadableGrid grid(GradtoRad(g.latitude));
    for (int k = -kGridParallels; k <= kGridParallels; ++k)
        grid.addParallel(GradtoRad(k * kGridSpacing));
    for (int k = 0; k < kGridMeridians; ++k)
        grid.addMeridian(meridianOf(g, k * kGridSpacing));
    grid.draw(run, dib);
}

// The arc of the great circle from p to q, the shorter way. Raises ArithmeticFailure for the same
// or opposite points.
Arc greatArc(const Seen& p, const Seen& q) {
    const Real angle = atan2(length(cross(p, q)), dot(p, q));
    return {SphereCircle{{0, 0, 0}, p, towards(p, q)}, 0, 0, angle, flat(p), flat(q)};
}

// The meridian from a point up to the north pole.
Arc fromPole(const Globe& g, double latitude, double longitude) {
    const Real northPole = kPi / 2;
    const Real lat = GradtoRad(latitude);
    const SphereCircle meridian = meridianCircle(meridianOf(g, longitude), g.tilt);
    return {
        meridian, -northPole, lat, northPole, flat(meridian.at(lat)), flat(meridian.at(northPole))};
}

// Points of the rhumb line of `s`, kRhumbStep degrees of its arc apart: evenly in latitude, as
// its arc is, with the longitude in proportion to the Mercator latitude; along the parallel on an
// east-west course, along the meridian to or from a pole.
std::vector<Seen> rhumbPoints(const Globe& g, const Sailing& s) {
    const double r = std::numbers::pi / 180;
    const auto mercator = [&](double latitude) {
        return std::asinh(std::tan(latitude * r));
    };
    const double dlat = s.to.latitude - s.from.latitude;
    const bool pole = std::fabs(s.from.latitude) == kQuarterTurn;
    const bool meridian = pole || std::fabs(s.to.latitude) == kQuarterTurn;
    const double psi1 = meridian ? 0 : mercator(s.from.latitude);
    const double dpsi = meridian ? 0 : mercator(s.to.latitude) - psi1;
    const int steps = std::max(1, static_cast<int>(std::ceil(s.rhumb.distance / kRhumbStep)));
    std::vector<Seen> points;
    for (int k = 0; k <= steps; ++k) {
        const double t = static_cast<double>(k) / steps;
        const double latitude = s.from.latitude + t * dlat;
        double longitude = s.from.longitude + t * s.dlon;
        if (meridian)
            longitude = pole ? s.to.longitude : s.from.longitude;
        else if (dpsi != 0)
            longitude = s.from.longitude + s.dlon * ((mercator(latitude) - psi1) / dpsi);
        points.push_back(seenAt(g, latitude, longitude));
    }
    points.back() = seenAt(g, s.to.latitude, s.to.longitude);
    return points;
}

bool isFar(const Seen& p) {
    return p.d < -kOnOutline;
}

// A line through `points`: its far parts dashed, then its near parts solid, each cut where it
// passes behind the outline.
void drawPolyline(ResumeNext& run, Surface& dib, const std::vector<Seen>& points,
                  std::int32_t colour) {
    run([&] {
        dib.setForeColor(colour);
        dib.setDrawWidth(kTriangleWidth);
    });
    for (const bool far : {true, false})
        run([&] {
            dib.setDrawStyle(far ? DrawStyle::Dashed : DrawStyle::Solid);
            bool joined = false; // the pen stands at the start of the next piece
            const auto piece = [&](Flat from, Flat to) {
                if (!joined) {
                    dib.setCurrentX(toSingle(from.x));
                    dib.setCurrentY(toSingle(from.y));
                }
                dib.Line(toSingle(to.x), toSingle(to.y));
                joined = true;
            };
            for (std::size_t k = 0; k + 1 < points.size(); ++k) {
                const Seen &p = points[k], &q = points[k + 1];
                if (isFar(p) == isFar(q)) {
                    if (isFar(p) == far)
                        piece(flat(p), flat(q));
                    else
                        joined = false;
                    continue;
                }
                // The crossing of the outline, within a step.
                const Real share = p.d / (p.d - q.d);
                const Flat cut{p.x + (q.x - p.x) * share, p.y + (q.y - p.y) * share};
                if (isFar(p) == far) {
                    piece(flat(p), cut);
                    joined = false;
                } else {
                    joined = false;
                    piece(cut, flat(q));
                }
            }
        });
}

// A point of the picture, and the points its lines run to.
struct Named {
    NavigationPoint point;
    Seen at;
    std::vector<Seen> ends;
};

std::vector<ChartMark> nameAll(ResumeNext& run, Surface& dib, const std::vector<Named>& names) {
    std::vector<ChartMark> marks;
    for (const Named& n : names) {
        marks.push_back({n.point, toSingle(n.at.x), toSingle(n.at.y), isFar(n.at)});
        run([&] {
            // Lines to the point itself or to its opposite leave it in no direction.
            std::vector<Seen> ends;
            for (const Seen& end : n.ends)
                if (length(cross(n.at, end)) > kOnOutline)
                    ends.push_back(end);
            const Flat away = nameDirection(n.at, ends);
            dib.setForeColor(kRouteColor);
            dib.Name(toSingle(n.at.x), toSingle(n.at.y), toSingle(away.x), toSingle(away.y),
                     pointName(n.point));
        });
    }
    return marks;
}

bool hasRoute(Track track) {
    return track == Track::Oblique || track == Track::Meridian;
}

} // namespace

std::vector<ChartMark> drawSailing(Surface& dib, const Sailing& s) {
    ResumeNext run;
    clearScene(run, dib);
    const Globe g = facingMiddle(s.from, s.to);
    drawGrid(run, dib, g);
    const Seen from = seenAt(g, s.from.latitude, s.from.longitude);
    const Seen to = seenAt(g, s.to.latitude, s.to.longitude);
    const Seen pole = seenAt(g, kQuarterTurn, 0);

    std::vector<Arc> meridians;
    for (const Position& p : {s.from, s.to})
        if (p.latitude != kQuarterTurn)
            run([&] { meridians.push_back(fromPole(g, p.latitude, p.longitude)); });
    drawArcs(run, dib, meridians, kRouteColor, kThinLine);
    if (s.rhumb.course)
        drawPolyline(run, dib, rhumbPoints(g, s), kRhumbColor);
    if (hasRoute(s.greatCircle.track)) {
        std::vector<Arc> route;
        run([&] { route.push_back(greatArc(from, to)); });
        drawArcs(run, dib, route, kRouteColor);
    }
    return nameAll(run, dib,
                   {{NavigationPoint::Departure, from, {to, pole}},
                    {NavigationPoint::Arrival, to, {from, pole}},
                    {NavigationPoint::Pole, pole, {from, to}}});
}

std::vector<ChartMark> drawSight(Surface& dib, const Sight& s, double longitude) {
    ResumeNext run;
    clearScene(run, dib);
    const Position observer{s.latitude, longitude};
    const Position body{s.declination, shortWay(longitude - s.hourAngle)};
    const Globe g = facingMiddle(observer, body);
    drawGrid(run, dib, g);
    const Seen zenith = seenAt(g, observer.latitude, observer.longitude);
    const Seen under = seenAt(g, body.latitude, body.longitude);
    const Seen pole = seenAt(g, kQuarterTurn, 0);

    std::vector<Arc> sides;
    for (const Position& p : {observer, body})
        if (p.latitude != kQuarterTurn)
            run([&] { sides.push_back(fromPole(g, p.latitude, p.longitude)); });
    if (hasRoute(s.leg.track))
        run([&] { sides.push_back(greatArc(zenith, under)); });
    drawArcs(run, dib, sides, kRouteColor);
    return nameAll(run, dib,
                   {{NavigationPoint::CelestialPole, pole, {zenith, under}},
                    {NavigationPoint::Zenith, zenith, {pole, under}},
                    {NavigationPoint::Body, under, {pole, zenith}}});
}

} // namespace esferica
