// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/readable.h"

#include "drawing/side.h"
#include "numeric/angles.h"

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

std::size_t slot(Vertex v) {
    return static_cast<std::size_t>(v);
}

// A triangle of the scene on the sphere, placed as the classic picture places it: C at the north
// pole, A on the reference meridian and B at angle C from it.
struct Triangle {
    const TriangleSolution* solution = nullptr;
    std::int32_t colour = kSolutionColor;
    bool additional = false;
    bool placed = false;
    std::array<Seen, 3> vertex{}; // A, B, C
    std::vector<Arc> sides;       // b and a, then c once fitted
    bool sideFitted = false;
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
        return Arc{meridianCircle(lon, tilt), southPole, lat, northPole, {v.x, v.y}, {c.x, c.y}};
    };
    std::vector<Arc> sides{along(Vertex::A, latA, longA), along(Vertex::B, latB, longB)};
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
        t.sides.push_back(fittedArc(*side, A, B));
        t.sideFitted = true;
    }
}

// A triangle's far parts dashed, then its near parts solid, in its colour and width.
void drawSides(ResumeNext& run, Surface& dib, const Triangle& t) {
    drawArcs(run, dib, t.sides, t.colour);
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

void nameVertices(ResumeNext& run, Surface& dib, const std::vector<Triangle>& triangles,
                  const std::array<bool, 3>& shared) {
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
                const Flat away = outwards(at, ends);
                dib.setForeColor(t.colour);
                dib.Name(toSingle(at.x), toSingle(at.y), toSingle(away.x), toSingle(away.y),
                         vertexName(v, t.additional, one));
            });
        }
    }
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
            run([&] {
                const DepthParts parts = splitByDepth(arc);
                for (int i = 0; i < parts.count; ++i)
                    if (parts.far[static_cast<std::size_t>(i)] == far)
                        plotArc(dib, parts.arc[static_cast<std::size_t>(i)]);
            });
    }
}

Flat nameDirection(const Seen& at, const std::vector<Seen>& ends) {
    return outwards(at, ends);
}

std::string_view vertexName(Vertex v, bool additional, bool shared) {
    return (additional && !shared ? kPrimedNames : kNames)[slot(v)];
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

    // The solution last, on top: where the two triangles share a side (an ambiguous case shares
    // one, and parts of another), that side shows as the solution's.
    for (auto t = triangles.rbegin(); t != triangles.rend(); ++t)
        drawSides(run, dib, *t);
    nameVertices(run, dib, triangles, drawn.sharedVertices);
    return drawn;
}

} // namespace esferica
