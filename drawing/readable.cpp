// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/readable.h"

#include "drawing/side.h"
#include "numeric/angles.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace esferica {

namespace {

// Two vertices of the two triangles this close on the sphere are one point of the picture: the
// solvers give the side or angle that the triangles share the same bits, so a shared vertex is
// within rounding of the other, far below a pixel, and distinct ones are a visible distance apart.
constexpr double kSameVertex = 1e-9;
// A name goes away from its triangle along the bisector of the vertex's angle as seen. Where that
// bisector points mostly into the depth (its picture part under this fraction of it), the vertex
// lies near the outline, and the name goes outwards from the sphere's centre instead.
constexpr double kFlatBisector = 0.3;

// The far side of the grid, light and behind, is drawn through every other point of its lines:
// half the segments to paint, and a line of the grid still lies within a tenth of a pixel of its
// arc at the designed size (the sagitta of 3.6 degrees of the outline).
constexpr int kFarStride = 2;

constexpr std::array<std::string_view, 3> kNames{"A", "B", "C"};
constexpr std::array<std::string_view, 3> kPrimedNames{"A′", "B′", "C′"};
constexpr std::array<std::string_view, 3> kSideNames{"a", "b", "c"};
constexpr std::array<std::string_view, 3> kPrimedSideNames{"a′", "b′", "c′"};

std::size_t slot(Vertex v) {
    return static_cast<std::size_t>(v);
}

// A side of a triangle: its arc as drawn, from the vertex at its start to the vertex at its end.
// Its parameter grows by the arc travelled from the start: the latitude along a meridian, the
// fit's t along side c.
struct Side {
    Arc arc;
    Seen from, to;
};

// A triangle of the scene on the sphere, placed as the classic picture places it: C at the north
// pole, A on the reference meridian and B at angle C from it.
struct Triangle {
    const TriangleSolution* solution = nullptr;
    std::int32_t colour = kSolutionColor;
    bool additional = false;
    bool placed = false;
    std::array<Seen, 3> vertex{}; // A, B, C
    std::vector<Side> sides;      // b and a, then c once fitted
    bool sideFitted = false;
    // What it draws of its sides on its own: all of them, but for the stretches that it shares
    // with the other triangle.
    std::vector<Arc> own;
};

// Places `t` and finds its sides b and a, along their meridians from A and B up to C.
void place(Triangle& t, Real reference, const Tilt& tilt) {
    const Real northPole = kPi / 2, southPole = -northPole;
    const TriangleSolution& s = *t.solution;
    const Real longA = reference, longB = longA + s.C;
    const Real latA = northPole - s.b, latB = northPole - s.a;
    const std::array<Seen, 3> vertex{seenPoint(latA, longA, tilt), seenPoint(latB, longB, tilt),
                                     seenPoint(northPole, longA, tilt)};
    const auto along = [&](Vertex from, Real lat, Real lon) {
        const Seen& v = vertex[slot(from)];
        const Seen& c = vertex[slot(Vertex::C)];
        return Side{
            Arc{meridianCircle(lon, tilt), southPole, lat, northPole, {v.x, v.y}, {c.x, c.y}}, v,
            c};
    };
    std::vector<Side> sides{along(Vertex::A, latA, longA), along(Vertex::B, latB, longB)};
    t.vertex = vertex;
    t.sides = std::move(sides);
    t.placed = true;
}

// Fits side c between A and B, within a pixel of the surface.
void fitSideC(Triangle& t, FittingState& fitting, Real pixel) {
    const Seen& A = t.vertex[slot(Vertex::A)];
    const Seen& B = t.vertex[slot(Vertex::B)];
    fitting.x1 = A.x;
    fitting.y1 = A.y;
    fitting.x2 = B.x;
    fitting.y2 = B.y;
    if (const std::optional<FittedSide> side = fitSide(t.solution->c, fitting, A, B, pixel)) {
        t.sides.push_back({fittedArc(*side, A, B), side->fromA ? A : B, side->fromA ? B : A});
        t.sideFitted = true;
    }
}

// The two triangles of an ambiguous case share a side, or part of one, where sides of both lie on
// one great circle: the solvers give the elements they share the same bits, so their planes agree
// within rounding, far below a pixel, and sides on different circles are visibly apart. Stretches
// shorter than kSameVertex are the ends of sides that meet at a shared vertex.
constexpr double kSameCircle = 1e-9;

// How far along `side` its great circle's point p lies: the arc from the side's start, in
// (-pi, pi], positive towards its end.
Real along(const Side& side, const Seen& p) {
    return atan2(dot(p, towards(side.from, side.to)), dot(p, side.from));
}

// A stretch of a side, `lo` to `hi` radians from its start, between the vertices `first` and `last`
// (of either triangle).
struct Stretch {
    Real lo, hi;
    Seen first, last;
};

// The arc of `side` over `stretch`, its ends exactly at the stretch's vertices.
Arc arcOver(const Side& side, const Stretch& stretch, Real length) {
    Arc arc = side.arc;
    if (stretch.lo > 0)
        arc.from = side.arc.from + stretch.lo;
    if (stretch.hi < length)
        arc.to = side.arc.from + stretch.hi;
    arc.start = {stretch.first.x, stretch.first.y};
    arc.end = {stretch.last.x, stretch.last.y};
    return arc;
}

// The stretch of `x` that `y` lies along, in x's measure, when they share one.
std::optional<Stretch> sharedStretch(const Side& x, const Side& y) {
    const Seen nx = cross(x.from, x.to), ny = cross(y.from, y.to);
    if (!(length(cross(nx, ny)) <= kSameCircle * length(nx) * length(ny)))
        return std::nullopt;
    const Real lengthX = along(x, x.to), lengthY = along(y, y.to);
    // y runs from its start the short way round, with x or against it.
    const Real p = along(x, y.from), q = dot(nx, ny) > 0 ? p + lengthY : p - lengthY;
    const bool forwards = p <= q;
    const Real lo = forwards ? p : q, hi = forwards ? q : p;
    const Seen& loEnd = forwards ? y.from : y.to;
    const Seen& hiEnd = forwards ? y.to : y.from;
    const Real turn = 2 * Real(kPi);
    for (const Real shift : {-turn, Real(0), turn}) {
        const Real a = lo + shift, b = hi + shift;
        Stretch s{a > kSameVertex ? a : Real(0), b < lengthX - kSameVertex ? b : lengthX,
                  a > kSameVertex ? loEnd : x.from, b < lengthX - kSameVertex ? hiEnd : x.to};
        if (s.hi - s.lo > kSameVertex)
            return s;
    }
    return std::nullopt;
}

// The stretches of `side`, `length` long, that lie outside `shared` (sorted, apart).
std::vector<Stretch> outside(const Side& side, Real length, std::vector<Stretch> shared) {
    std::sort(shared.begin(), shared.end(),
              [](const Stretch& p, const Stretch& q) { return p.lo < q.lo; });
    std::vector<Stretch> rest;
    Stretch next{0, 0, side.from, side.from};
    for (const Stretch& s : shared) {
        if (s.lo > next.lo)
            rest.push_back({next.lo, s.lo, next.first, s.first});
        next = {s.hi, s.hi, s.last, s.last};
    }
    if (length > next.lo)
        rest.push_back({next.lo, length, next.first, side.to});
    return rest;
}

// Finds where the two triangles run together: each triangle's own arcs, and the shared stretches,
// as arcs of the solution's sides. Without a second triangle, every side is its own.
std::vector<Arc> shareSides(std::vector<Triangle>& triangles) {
    for (Triangle& t : triangles) {
        t.own.clear();
        for (const Side& side : t.sides)
            t.own.push_back(side.arc);
    }
    if (triangles.size() < 2 || !triangles[0].placed || !triangles[1].placed)
        return {};
    Triangle& first = triangles[0];
    Triangle& second = triangles[1];
    std::vector<std::vector<Stretch>> firstShared(first.sides.size()),
        secondShared(second.sides.size());
    std::vector<Arc> shared;
    for (std::size_t i = 0; i < first.sides.size(); ++i)
        for (std::size_t j = 0; j < second.sides.size(); ++j) {
            const Side& x = first.sides[i];
            const Side& y = second.sides[j];
            const std::optional<Stretch> s = sharedStretch(x, y);
            if (!s)
                continue;
            shared.push_back(arcOver(x, *s, along(x, x.to)));
            firstShared[i].push_back(*s);
            // The same stretch along y.
            const Real p = along(y, s->first), q = along(y, s->last);
            secondShared[j].push_back(p <= q ? Stretch{p, q, s->first, s->last}
                                             : Stretch{q, p, s->last, s->first});
        }
    const auto ownArcs = [](const Triangle& t, const std::vector<std::vector<Stretch>>& taken) {
        std::vector<Arc> own;
        for (std::size_t i = 0; i < t.sides.size(); ++i) {
            const Side& side = t.sides[i];
            if (taken[i].empty()) {
                own.push_back(side.arc);
                continue;
            }
            const Real length = along(side, side.to);
            for (const Stretch& s : outside(side, length, taken[i]))
                own.push_back(arcOver(side, s, length));
        }
        return own;
    };
    std::vector<Arc> firstOwn = ownArcs(first, firstShared);
    std::vector<Arc> secondOwn = ownArcs(second, secondShared);
    first.own = std::move(firstOwn);
    second.own = std::move(secondOwn);
    return shared;
}

// A polyline of the picture measured along its length, to be cut into dashes.
class Measured {
public:
    explicit Measured(std::vector<FlatPoint> points) : points_(std::move(points)) {
        Real sum = 0;
        lengths_.reserve(points_.size());
        for (std::size_t i = 0; i < points_.size(); ++i) {
            if (i > 0) {
                const Real dx = Real(points_[i].x) - points_[i - 1].x;
                const Real dy = Real(points_[i].y) - points_[i - 1].y;
                sum = sum + sqrt(dx * dx + dy * dy);
            }
            lengths_.push_back(sum);
        }
    }
    Real length() const { return lengths_.empty() ? Real(0) : lengths_.back(); }

    // Draws the polyline from `a` to `b` along it (0 <= a < b <= length()), through its own
    // points between; from its very first point when a is 0 and to its very last when b is
    // length().
    void plot(Surface& dib, Real a, Real b) const {
        std::size_t i = 1;
        while (i + 1 < points_.size() && !(lengths_[i] > a))
            ++i;
        const FlatPoint start = a > 0 ? at(i, a) : points_.front();
        dib.setCurrentX(start.x);
        dib.setCurrentY(start.y);
        for (; i + 1 < points_.size() && lengths_[i] < b; ++i)
            dib.Line(points_[i].x, points_[i].y);
        const FlatPoint end = b < length() ? at(i, b) : points_.back();
        dib.Line(end.x, end.y);
    }

private:
    // The point at `s` along the segment that ends at point i.
    FlatPoint at(std::size_t i, Real s) const {
        const Real span = lengths_[i] - lengths_[i - 1];
        const Real f = span > 0 ? (s - lengths_[i - 1]) / span : Real(0);
        const FlatPoint& p = points_[i - 1];
        const FlatPoint& q = points_[i];
        return {toSingle(Real(p.x) + (Real(q.x) - p.x) * f),
                toSingle(Real(p.y) + (Real(q.y) - p.y) * f)};
    }

    std::vector<FlatPoint> points_;
    std::vector<Real> lengths_;
};

// Along a stretch that both triangles share, both colours show. In front, the additional
// triangle's line runs whole under dashes of the solution's, kSharedDash pixels each, so that the
// two alternate; behind, the dashes of the two triangles alternate, red and blue, with the gaps of
// a dashed line between. Either way an odd number of dashes, the solution's at both ends, fills the
// stretch exactly.
constexpr double kSharedDash = 6;

// The odd count n of dashes `dash` long with `gap` between them that fills `length` when the
// dashes and gaps are stretched or shrunk alike: the nearest, or with `shrink` the least that
// needs no stretching; at least three, so that both colours show, once the stretch is longer than
// a dash.
int oddDashes(Real length, Real dash, Real gap, bool shrink) {
    if (!(length > dash))
        return 1;
    const double fits = ((length + gap) / (dash + gap)).value();
    const double n =
        shrink ? 2 * std::ceil((fits - 1) / 2) + 1 : 2 * std::floor((fits + 1) / 2) - 1;
    return static_cast<int>(std::clamp(n, 3.0, static_cast<double>(kMaxArcSteps)));
}

// Draws this triangle's share of a stretch, `far` or not, that both triangles share: dashes of its
// colour, or in front the additional triangle's whole line.
void plotShared(Surface& dib, const Arc& part, bool far, bool additional) {
    const Measured line(arcPoints(part));
    const Real length = line.length();
    if (!(length > 0))
        return;
    const Real pixel = dib.onePixel();
    const Real width = Real(kTriangleWidth) * pixel;
    if (!far && additional) {
        line.plot(dib, 0, length);
        return;
    }
    const Real dash = far ? Real(kDashLength) * width : Real(kSharedDash) * pixel;
    const Real gap = far ? Real(kDashGap) * width : dash;
    const int n = oddDashes(length, dash, gap, far);
    const Real scale = length / (dash * n + gap * (n - 1));
    // A solid dash's round ends reach half the line's width beyond it, where the other colour
    // shows: it is drawn that much shorter, but at the stretch's ends.
    const Real cap = far ? Real(0) : width / 2;
    for (int k = additional ? 1 : 0; k < n; k += 2) {
        const Real a = (dash + gap) * k * scale, b = a + dash * scale;
        const Real from = k == 0 ? Real(0) : a + cap;
        const Real to = k == n - 1 ? length : b - cap;
        if (to > from)
            line.plot(dib, from, to);
    }
}

// The parts of `arc` on the far side of the sphere, or those on the near side.
void plotParts(Surface& dib, const Arc& arc, bool far) {
    const DepthParts parts = splitByDepth(arc);
    for (int i = 0; i < parts.count; ++i)
        if (parts.far[static_cast<std::size_t>(i)] == far)
            plotArc(dib, parts.arc[static_cast<std::size_t>(i)]);
}

// A triangle's far parts dashed, then its near parts solid, in its colour and width: its own arcs,
// and its share of those it shares with the other triangle.
void drawSides(ResumeNext& run, Surface& dib, const Triangle& t, const std::vector<Arc>& shared) {
    run([&] {
        dib.setForeColor(t.colour);
        dib.setDrawWidth(kTriangleWidth);
    });
    for (const bool far : {true, false}) {
        run([&] { dib.setDrawStyle(far ? DrawStyle::Dashed : DrawStyle::Solid); });
        for (const Arc& side : t.own)
            run([&] { plotParts(dib, side, far); });
        for (const Arc& stretch : shared)
            run([&] {
                const DepthParts parts = splitByDepth(stretch);
                for (int i = 0; i < parts.count; ++i)
                    if (parts.far[static_cast<std::size_t>(i)] == far)
                        plotShared(dib, parts.arc[static_cast<std::size_t>(i)], far, t.additional);
            });
    }
}

// Where the name of the vertex at `v` goes, seen from `v`: away from the sides that meet there,
// which run towards `ends`.
Flat outwards(const Seen& v, const std::vector<Seen>& ends) {
    Seen inwards{0, 0, 0};
    for (const Seen& end : ends)
        inwards = inwards + towards(v, end);
    const Real flat = inwards.x * inwards.x + inwards.y * inwards.y;
    if (flat > 0 && flat >= kFlatBisector * kFlatBisector * dot(inwards, inwards))
        return {-inwards.x, -inwards.y};
    return {v.x, v.y}; // from the centre; at the centre itself, straight up
}

// A name of the picture, written beside the point `at` towards `away` in `colour`.
struct PlacedName {
    FlatPoint at, away;
    std::int32_t colour;
    std::string_view text;
};

// The turns of a name's direction tried, in degrees from the one it would rather take, and then
// the same farther out, in pixels, those within a right angle before the others: the first place
// where it overlaps no name placed before it and covers no line of a triangle, or else the one
// that covers the fewest lines without overlapping.
constexpr std::array<double, 13> kNameTurns{0,   25,   -25, 50,   -50, 75,  -75,
                                            100, -100, 130, -130, 155, -155};
constexpr std::array<double, 4> kNameFartherOut{0, 5, 10, 16};
constexpr double kRightAngle = 90;
// Names keep this many pixels apart.
constexpr double kNameSpacing = 1;

bool overlaps(const Surface::Box& p, const Surface::Box& q, float margin) {
    return p.left < q.right + margin && q.left < p.right + margin && p.bottom < q.top + margin &&
           q.bottom < p.top + margin;
}

// Places the name `text` of the point `at`, which would rather go towards `away`, clear of the
// names in `taken` and of the triangles' `lines` where it can.
PlacedName placeName(const Surface& dib, const Seen& at, const Flat& away, std::int32_t colour,
                     std::string_view text, std::vector<Surface::Box>& taken,
                     const std::vector<FlatPoint>& lines) {
    const float pixel = dib.onePixel();
    const Real norm = sqrt(away.x * away.x + away.y * away.y);
    const Real ux = norm > 0 ? away.x / norm : Real(0), uy = norm > 0 ? away.y / norm : Real(1);
    std::optional<PlacedName> best;
    std::optional<Surface::Box> bestBox;
    std::size_t fewest = lines.size() + 1;
    const auto tryPlace = [&](double out, double turn) {
        const Real angle = Real(turn) * kPi / 180, c = cos(angle), s = sin(angle);
        const Real dx = ux * c - uy * s, dy = ux * s + uy * c;
        const Real extra = Real(out) * pixel;
        const PlacedName name{{toSingle(at.x + dx * extra), toSingle(at.y + dy * extra)},
                              {toSingle(dx), toSingle(dy)},
                              colour,
                              text};
        const Surface::Box box = dib.nameBox(name.at.x, name.at.y, name.away.x, name.away.y, text);
        if (std::any_of(taken.begin(), taken.end(), [&](const Surface::Box& other) {
                return overlaps(box, other, static_cast<float>(kNameSpacing) * pixel);
            }))
            return false;
        const auto covered =
            static_cast<std::size_t>(std::count_if(lines.begin(), lines.end(), [&](FlatPoint p) {
                return p.x > box.left - pixel && p.x < box.right + pixel &&
                       p.y > box.bottom - pixel && p.y < box.top + pixel;
            }));
        if (covered < fewest) {
            fewest = covered;
            best = name;
            bestBox = box;
        }
        return covered == 0;
    };
    // Towards its own side first, within a right angle of where it would rather go.
    [&] {
        for (const bool sideways : {false, true})
            for (const double out : kNameFartherOut)
                for (const double turn : kNameTurns)
                    if ((std::abs(turn) > kRightAngle) == sideways && tryPlace(out, turn))
                        return;
    }();
    if (!best) { // crowded all round: where it would rather go
        best = PlacedName{
            {toSingle(at.x), toSingle(at.y)}, {toSingle(ux), toSingle(uy)}, colour, text};
        bestBox = dib.nameBox(best->at.x, best->at.y, best->away.x, best->away.y, text);
    }
    taken.push_back(*bestBox);
    return *best;
}

// The names of the vertices, the solution's first, and with `sides` those of the sides, each at
// its side's middle, away from the opposite vertex: a vertex or a side that the two triangles share
// is named once, as the solution's.
std::vector<PlacedName> placeNames(ResumeNext& run, const Surface& dib,
                                   const std::vector<Triangle>& triangles,
                                   const std::array<bool, 3>& shared, bool sides,
                                   const std::vector<FlatPoint>& lines) {
    std::vector<PlacedName> names;
    std::vector<Surface::Box> taken;
    for (const Triangle& t : triangles) {
        if (!t.placed)
            continue;
        for (const Vertex v : kVertices) {
            const bool one = shared[slot(v)];
            if (t.additional && one)
                continue; // named with the solution's
            run([&] {
                // The sides that meet at the vertex: those of its triangle, and at a shared vertex
                // those of the other triangle too, so that the name clears both.
                std::vector<Seen> ends;
                for (const Triangle& u : triangles)
                    if (u.placed && (&u == &t || one))
                        for (const Vertex w : kVertices)
                            if (w != v)
                                ends.push_back(u.vertex[slot(w)]);
                const Seen& at = t.vertex[slot(v)];
                names.push_back(placeName(dib, at, outwards(at, ends), t.colour,
                                          vertexName(v, t.additional, one), taken, lines));
            });
        }
    }
    if (!sides)
        return names;
    // Sides a, b and c: the sides opposite A, B and C.
    struct Named {
        Vertex opposite, from, to;
    };
    constexpr std::array<Named, 3> kSides{{{Vertex::A, Vertex::B, Vertex::C},
                                           {Vertex::B, Vertex::A, Vertex::C},
                                           {Vertex::C, Vertex::A, Vertex::B}}};
    for (const Triangle& t : triangles) {
        if (!t.placed)
            continue;
        for (const Named& side : kSides) {
            const bool one = shared[slot(side.from)] && shared[slot(side.to)];
            if (t.additional && one)
                continue;
            run([&] {
                const Seen& from = t.vertex[slot(side.from)];
                const Seen& to = t.vertex[slot(side.to)];
                const Seen sum = from + to;
                const Seen middle = sum * (1 / length(sum));
                // Across the side as seen, away from the opposite vertex as seen; a side seen
                // end on, outwards from the sphere's centre.
                const Seen& opposite = t.vertex[slot(side.opposite)];
                const Real ax = to.x - from.x, ay = to.y - from.y;
                Flat direction{-ay, ax};
                const Real across =
                    direction.x * (opposite.x - middle.x) + direction.y * (opposite.y - middle.y);
                if (across > 0)
                    direction = {ay, -ax};
                if (!(ax * ax + ay * ay > Real(dib.onePixel()) * dib.onePixel()))
                    direction = {middle.x, middle.y};
                names.push_back(placeName(dib, middle, direction, t.colour,
                                          sideName(side.opposite, t.additional, one), taken,
                                          lines));
            });
        }
    }
    return names;
}

} // namespace

void drawArcs(ResumeNext& run, Surface& dib, const std::vector<Arc>& arcs, std::int32_t colour,
              int width) {
    run([&] {
        dib.setForeColor(colour);
        dib.setDrawWidth(width);
    });
    for (const bool far : {true, false}) {
        run([&] { dib.setDrawStyle(far ? DrawStyle::Dashed : DrawStyle::Solid); });
        for (const Arc& arc : arcs)
            run([&] { plotParts(dib, arc, far); });
    }
}

Flat nameDirection(const Seen& at, const std::vector<Seen>& ends) {
    return outwards(at, ends);
}

std::string_view vertexName(Vertex v, bool additional, bool shared) {
    return (additional && !shared ? kPrimedNames : kNames)[slot(v)];
}

std::string_view sideName(Vertex opposite, bool additional, bool shared) {
    return (additional && !shared ? kPrimedSideNames : kSideNames)[slot(opposite)];
}

ReadableGrid::ReadableGrid(Real inclination) : tilt_(tiltOf(inclination)) {}

void ReadableGrid::draw(ResumeNext& run, Surface& dib) const {
    const Real halfPi = kPi / 2, twoPi = 2 * kPi;
    // Every line split once, for both passes; a line whose split fails is left out of both.
    std::vector<DepthParts> lines;
    lines.reserve(parallels_.size() + meridians_.size());
    for (const Real phi : parallels_)
        run([&] { lines.push_back(splitByDepth(arcOf(parallelCircle(phi, tilt_), 0, 0, twoPi))); });
    for (const Real lambda : meridians_)
        run([&] {
            lines.push_back(
                splitByDepth(arcOf(meridianCircle(lambda, tilt_), -halfPi, -halfPi, halfPi)));
        });
    const auto draw = [&](bool far) {
        for (const DepthParts& line : lines)
            run([&] {
                for (int i = 0; i < line.count; ++i)
                    if (line.far[static_cast<std::size_t>(i)] == far)
                        plotArc(dib, line.arc[static_cast<std::size_t>(i)], far ? kFarStride : 1);
            });
    };
    run([&] {
        dib.setDrawWidth(kThinLine);
        dib.setDrawStyle(DrawStyle::Solid);
        dib.setForeColor(kFarGrey);
    });
    draw(true);
    run([&] { dib.setForeColor(kBlack); });
    draw(false);
    // The outline last: after it, the picture paints the lines of both sides in one go, and it
    // covers the ends of the far lines that meet it.
    run([&] { dib.Circle(0, 0, 1); });
}

SceneDrawing drawReadableTriangles(ResumeNext& run, Surface& dib, const Scene& scene,
                                   Real reference, FittingState& fitting) {
    const Tilt tilt = tiltOf(scene.options.inclination);
    std::vector<Triangle> triangles(scene.additional ? 2 : 1);
    triangles[0].solution = &scene.primary;
    if (scene.additional) {
        triangles[1].solution = &*scene.additional;
        triangles[1].colour = kAdditionalColor;
        triangles[1].additional = true;
    }
    for (Triangle& t : triangles) {
        run([&] { place(t, reference, tilt); });
        if (t.placed)
            run([&] { fitSideC(t, fitting, dib.onePixel()); });
    }

    SceneDrawing drawn;
    drawn.style = PictureStyle::Readable;
    drawn.triangles = static_cast<int>(triangles.size());
    drawn.primarySideMissing = !triangles[0].sideFitted;
    if (scene.additional) {
        drawn.additionalSideMissing = !triangles[1].sideFitted;
        if (triangles[0].placed && triangles[1].placed)
            for (const Vertex v : kVertices)
                run([&] {
                    drawn.sharedVertices[slot(v)] =
                        length(triangles[0].vertex[slot(v)] - triangles[1].vertex[slot(v)]) <
                        kSameVertex;
                });
    }

    // Where the two triangles share a side (an ambiguous case shares one, and part of another),
    // both colours show along it; elsewhere the solution lies on top.
    std::vector<Arc> shared;
    run([&] { shared = shareSides(triangles); });

    // The names go where they clear one another and, where they can, the triangles' lines; their
    // halos clear the grid under them, but no triangle's line, which is drawn over them.
    std::vector<FlatPoint> lines;
    for (const Triangle& t : triangles)
        for (const Arc& arc : t.own)
            run([&] {
                const std::vector<FlatPoint> points = arcPoints(arc);
                lines.insert(lines.end(), points.begin(), points.end());
            });
    for (const Arc& arc : shared)
        run([&] {
            const std::vector<FlatPoint> points = arcPoints(arc);
            lines.insert(lines.end(), points.begin(), points.end());
        });
    const std::vector<PlacedName> names =
        placeNames(run, dib, triangles, drawn.sharedVertices, scene.sideNames, lines);
    for (const PlacedName& name : names)
        run([&] { dib.NameHalo(name.at.x, name.at.y, name.away.x, name.away.y, name.text); });

    for (auto t = triangles.rbegin(); t != triangles.rend(); ++t)
        drawSides(run, dib, *t, shared);
    for (const PlacedName& name : names)
        run([&] {
            dib.setForeColor(name.colour);
            dib.Name(name.at.x, name.at.y, name.away.x, name.away.y, name.text);
        });
    return drawn;
}

} // namespace esferica
