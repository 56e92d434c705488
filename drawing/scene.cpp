#include "drawing/scene.h"

#include "command/numbers.h"
#include "drawing/plot.h"
#include "drawing/projection.h"
#include "drawing/side.h"
#include "numeric/angles.h"

namespace esferica {

namespace {

constexpr std::int32_t kBlack = 0;
constexpr std::int32_t kRed = 255;
// User coordinates: the unit sphere with a margin of 0.2 on every side, y up.
constexpr float kExtent = 1.2f;

enum Option { kLatSpacing = 0, kLongSpacing = 1, kInclination = 2, kRotation = 3 };

// Where a triangle with vertex C at the north pole has its vertices A and B.
struct Placement {
    Real latA, longA, latB, longB;
};

// Calls line(x) for x = from, from + step, ... up to `to`, accumulating x by addition, as a
// counted loop does: a negative step runs while x >= to, so from below `to` it makes no call. Also
// ends where adding the step no longer changes x, or cannot be done: no loop of the drawing may run
// forever.
template <class Line> void sweep(Real from, Real to, Real step, Line line) {
    const bool up = step >= 0;
    for (Real x = from; up ? x <= to : x >= to;) {
        line(x);
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

// Draws sides b and a along their meridians, then fits and draws side c between the projected A
// and B. Each call is a step of its own, as are the four targets.
void drawTriangle(ResumeNext& run, FormView& view, const Placement& at, Real c, Real inclination,
                  FittingState& fitting) {
    Surface& dib = view.picture();
    const Real northPole = kPi / 2;
    run([&] { arco(dib, northPole, at.longA, at.latA, at.longA, inclination); });
    run([&] { arco(dib, at.latB, at.longB, northPole, at.longB, inclination); });
    run([&] { fitting.x1 = Posx(at.latA, at.longA, inclination); });
    run([&] { fitting.y1 = Posy(at.latA, at.longA, inclination); });
    run([&] { fitting.x2 = Posx(at.latB, at.longB, inclination); });
    run([&] { fitting.y2 = Posy(at.latB, at.longB, inclination); });
    run([&] { calcularydibujarelipse(c, fitting, dib, view); });
}

} // namespace

bool drawScene(ResumeNext& run, FormView& view, const TriangleSolution& primary,
               const TriangleSolution* additional, DrawingState& drawing, FittingState& fitting) {
    Surface& dib = view.picture();
    run([&] { dib.Scale(-kExtent, kExtent, kExtent, -kExtent); });
    run([&] { dib.Cls(); });
    run([&] { dib.setForeColor(kBlack); });

    const Real halfPi = kPi / 2, twoPi = 2 * kPi;

    // The spacings are pi / (180 / v) and 2 pi / (360 / v), so a value of 0 (an empty field, a
    // text without a number) fails as a division by zero; a negative spacing draws no line of its
    // family.
    const auto spacing = [&](int field, Real degrees, Real radians, Real& step) {
        run([&] {
            const Real lines = degrees / Val(view.optionText(field));
            if (lines > kMaxGridLines)
                run.markPending();
            else
                step = radians / lines;
        });
    };
    Real latstep, longstep, inclination, rotation;
    spacing(kLatSpacing, 180, kPi, latstep);
    spacing(kLongSpacing, 360, twoPi, longstep);
    run([&] { inclination = GradtoRad(Val(view.optionText(kInclination))); });
    run([&] { rotation = GradtoRad(Val(view.optionText(kRotation))); });

    if (run.pending()) {
        view.showMessage(Message::BadDrawingData);
        return false;
    }

    run([&] {
        dib.setForeColor(kBlack);
        dib.Circle(0, 0, 1);
    });

    // Parallels, each drawn as its whole projected ellipse; the poles come out as single points.
    sweep(-halfPi, halfPi, latstep, [&](Real phi) {
        run([&] {
            elipse(dib, 0, sin(phi) * cos(inclination), cos(phi), sin(inclination) * cos(phi), 0, 0,
                   twoPi);
        });
    });
    // Meridians from the south pole to the north pole, starting at the reference meridian.
    const Real reference = -halfPi - rotation;
    sweep(0, twoPi, longstep, [&](Real u) {
        run([&] {
            const Real lambda = reference + u;
            arco(dib, -halfPi, lambda, halfPi, lambda, inclination);
        });
    });

    run([&] { dib.setForeColor(kRed); });

    run([&] { drawing.longA = reference; });
    run([&] { drawing.longB = drawing.longA + primary.C; });
    run([&] { drawing.latA = halfPi - primary.b; });
    run([&] { drawing.latB = halfPi - primary.a; });
    drawTriangle(run, view, {drawing.latA, drawing.longA, drawing.latB, drawing.longB}, primary.c,
                 inclination, fitting);

    if (additional) {
        Placement second;
        run([&] { second.longA = reference; });
        run([&] { second.longB = second.longA + additional->C; });
        run([&] { second.latA = halfPi - additional->b; });
        run([&] { second.latB = halfPi - additional->a; });
        // Side c2 is drawn whatever its length, so the additional triangle is always whole.
        drawTriangle(run, view, second, additional->c, inclination, fitting);
    }
    return true;
}

} // namespace esferica
