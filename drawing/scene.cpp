// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/scene.h"

#include "drawing/plot.h"
#include "drawing/projection.h"
#include "drawing/readable.h"
#include "drawing/side.h"
#include "numeric/angles.h"

#include <algorithm>
#include <cmath>

namespace esferica {

namespace {

// User coordinates: the unit sphere with a margin of 0.2 on every side, y up.
constexpr float kExtent = 1.2f;

// Calls line(x) for x = from, from + step, ... up to `to`, accumulating x by addition, as a
// counted loop does: a negative step runs while x >= to, so from below `to` it makes no call. Also
// ends where adding the step no longer changes x, or cannot be done: no loop of the drawing may run
// forever. With `every` above 1 only the first x and every `every`-th after it are drawn, at the
// very places where the full sweep draws them.
template <class Line> void sweep(Real from, Real to, Real step, long every, Line line) {
    const bool up = step >= 0;
    long skipped = 0;
    for (Real x = from; up ? x <= to : x >= to;) {
        if (skipped == 0)
            line(x);
        skipped = (skipped + 1) % every;
        Real next = x;
        try {
            next = x + step;
        } catch (const ArithmeticFailure&) {
            return;
        }
        if (next == x)
            return;
        x = next;
    }
}

// Where a triangle with vertex C at the north pole has its vertices A and B on the sphere
// (radians): A on the reference meridian, B at angle C from it.
struct Placement {
    Real latA, longA, latB, longB;
};

// Places the triangle's vertices A and B, each coordinate a step of its own, then draws sides b
// and a along their meridians and fits and draws side c between the projected A and B. Each call
// is a step of its own, as are the four targets. Returns whether side c was fitted; a failure
// inside the drawing of a fitted arc is a failed step, not a missing fit.
bool drawTriangle(ResumeNext& run, Surface& dib, const TriangleSolution& t, Real reference,
                  Real inclination, FittingState& fitting) {
    const Real northPole = kPi / 2;
    Placement at;
    run([&] { at.longA = reference; });
    run([&] { at.longB = at.longA + t.C; });
    run([&] { at.latA = northPole - t.b; });
    run([&] { at.latB = northPole - t.a; });
    run([&] { arco(dib, northPole, at.longA, at.latA, at.longA, inclination); });
    run([&] { arco(dib, at.latB, at.longB, northPole, at.longB, inclination); });
    run([&] { fitting.x1 = Posx(at.latA, at.longA, inclination); });
    run([&] { fitting.y1 = Posy(at.latA, at.longA, inclination); });
    run([&] { fitting.x2 = Posx(at.latB, at.longB, inclination); });
    run([&] { fitting.y2 = Posy(at.latB, at.longB, inclination); });
    bool fitted = true;
    run([&] { fitted = calcularydibujarelipse(t.c, fitting, dib); });
    return fitted;
}

// Of a family of lines `step` radians apart, every how many a drawing draws (GridThinning): the
// lines of a unit sphere `step` apart are the sphere's radius in pixels times `step` apart across
// its middle.
long drawnEvery(Real step, const GridThinning& thinning) {
    if (!(thinning.pixelsAcross > 0 && step > 0))
        return 1;
    const double apart = thinning.pixelsAcross / (2 * kExtent) * step.value();
    if (!(apart < kMovingLinesApart))
        return 1;
    // No family has more lines than kMaxGridLines: at most that leaves its first line.
    return static_cast<long>(std::min(std::ceil(kMovingLinesApart / apart), kMaxGridLines));
}

} // namespace

void clearScene(ResumeNext& run, Surface& dib) {
    run([&] { dib.Scale(-kExtent, kExtent, kExtent, -kExtent); });
    run([&] { dib.Cls(); });
    run([&] { dib.setForeColor(kBlack); });
}

SceneDrawing drawScene(ResumeNext& run, Surface& dib, const Scene& scene, FittingState& fitting,
                       const GridThinning& thinning) {
    const DrawingOptions& view = scene.options;
    const Real halfPi = kPi / 2, twoPi = 2 * kPi;
    const Real inclination = view.inclination;
    const long everyParallel = drawnEvery(view.latstep, thinning);
    const long everyMeridian = drawnEvery(view.longstep, thinning);
    // The readable picture takes the same lines, and draws them once it has them all.
    const bool classic = scene.style == PictureStyle::Classic;
    ReadableGrid readable(inclination);

    if (classic)
        run([&] {
            dib.setForeColor(kBlack);
            dib.Circle(0, 0, 1);
        });

    // Parallels, each drawn as its whole projected ellipse; the poles come out as single points.
    sweep(-halfPi, halfPi, view.latstep, everyParallel, [&](Real phi) {
        if (!classic)
            return readable.addParallel(phi);
        run([&] {
            elipse(dib, 0, sin(phi) * cos(inclination), cos(phi), sin(inclination) * cos(phi), 0, 0,
                   twoPi);
        });
    });
    // Meridians from the south pole to the north pole, starting at the reference meridian.
    const Real reference = -halfPi - view.rotation;
    sweep(0, twoPi, view.longstep, everyMeridian, [&](Real u) {
        run([&] {
            const Real lambda = reference + u;
            if (!classic)
                return readable.addMeridian(lambda);
            arco(dib, -halfPi, lambda, halfPi, lambda, inclination);
        });
    });

    // Recorded for both pictures: a thinned one is drawn whole again once the sphere stops.
    const bool gridThinned = everyParallel > 1 || everyMeridian > 1;
    if (!classic) {
        readable.draw(run, dib);
        SceneDrawing drawn = drawReadableTriangles(run, dib, scene, reference, fitting);
        drawn.gridThinned = gridThinned;
        return drawn;
    }

    run([&] { dib.setForeColor(kRed); });

    SceneDrawing drawn;
    drawn.gridThinned = gridThinned;
    drawn.triangles = scene.additional ? 2 : 1;
    drawn.primarySideMissing =
        !drawTriangle(run, dib, scene.primary, reference, inclination, fitting);
    // Side c2 is drawn whatever its length, so the additional triangle is always whole.
    if (scene.additional)
        drawn.additionalSideMissing =
            !drawTriangle(run, dib, *scene.additional, reference, inclination, fitting);
    return drawn;
}

} // namespace esferica
