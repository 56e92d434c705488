// SPDX-License-Identifier: GPL-3.0-or-later
#include "command/calculate.h"

#include "command/numbers.h"
#include "numeric/angles.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace esferica {

namespace {

// Element indices.
constexpr int a = 0, b = 1, c = 2, A = 3, B = 4, C = 5;

// Option fields.
enum Option { kLatSpacing = 0, kLongSpacing = 1, kInclination = 2, kRotation = 3 };

enum class Solver { SSA, SAS, AAS, ASA };

// One combination of two sides and an angle, or of a side and two angles: the solver, the given
// elements bound to its input parameters and the elements bound to its outputs, both in parameter
// order. The ambiguous solvers write the same three elements of the additional triangle.
struct MixedCase {
    Solver solver;
    std::array<int, 3> given;
    std::array<int, 3> found;
};

constexpr std::array<MixedCase, 18> kMixedCases{{
    // Two sides and an angle opposite one of them: angulo, opuesto, adyacente.
    {Solver::SSA, {A, a, b}, {C, B, c}},
    {Solver::SSA, {B, b, a}, {C, A, c}},
    {Solver::SSA, {B, b, c}, {A, C, a}},
    {Solver::SSA, {C, c, b}, {A, B, a}},
    {Solver::SSA, {C, c, a}, {B, A, b}},
    {Solver::SSA, {A, a, c}, {B, C, b}},
    // Two sides and the angle between them: angulo, primerlad, segundolad.
    {Solver::SAS, {A, b, c}, {B, C, a}},
    {Solver::SAS, {B, a, c}, {A, C, b}},
    {Solver::SAS, {C, a, b}, {A, B, c}},
    // Two angles and a side opposite one of them: primerang, segundoang, primerlad.
    {Solver::AAS, {A, B, a}, {b, c, C}},
    {Solver::AAS, {B, A, b}, {a, c, C}},
    {Solver::AAS, {A, C, a}, {c, b, B}},
    {Solver::AAS, {C, A, c}, {a, b, B}},
    {Solver::AAS, {B, C, b}, {c, a, A}},
    {Solver::AAS, {C, B, c}, {b, a, A}},
    // Two angles and the side between them: primerang, segundoang, ladorestante.
    {Solver::ASA, {A, B, c}, {a, b, C}},
    {Solver::ASA, {A, C, b}, {a, c, B}},
    {Solver::ASA, {B, C, a}, {b, c, A}},
}};

const MixedCase& mixedCaseFor(std::span<const int, 3> known) {
    const auto sorted = [](std::array<int, 3> v) {
        std::sort(v.begin(), v.end());
        return v;
    };
    const std::array<int, 3> key = sorted({known[0], known[1], known[2]});
    return *std::find_if(kMixedCases.begin(), kMixedCases.end(),
                         [&](const MixedCase& row) { return sorted(row.given) == key; });
}

// The drawing options from the option fields, each read in a step of its own. The spacings are
// pi / (180 / v) and 2 pi / (360 / v), so a value of 0 (an empty field, a text without a number)
// fails as a division by zero, and one that needs more than kMaxGridLines lines of its family is
// refused as a failure too; a negative spacing draws no line of its family. `angles` receives the
// view in degrees.
DrawingOptions readOptions(ResumeNext& run, const FormView& view, ViewAngles& angles) {
    const auto spacing = [&](int field, Real degrees, Real radians, Real& step) {
        run([&] {
            const Real lines = degrees / Val(view.optionText(field));
            if (lines > kMaxGridLines)
                run.markPending();
            else
                step = radians / lines;
        });
    };
    DrawingOptions options;
    spacing(kLatSpacing, 180, kPi, options.latstep);
    spacing(kLongSpacing, 360, 2 * kPi, options.longstep);
    run([&] {
        angles.inclination = Val(view.optionText(kInclination)).value();
        options.inclination = GradtoRad(angles.inclination);
    });
    run([&] {
        angles.rotation = Val(view.optionText(kRotation)).value();
        options.rotation = GradtoRad(angles.rotation);
    });
    return options;
}

// Tenths of a degree: the steps of a turned view, which the option fields show exactly.
constexpr double kTenthsPerDegree = 10;
constexpr double kTenthsPerTurn = 3600;
constexpr double kTenthsPerHalfTurn = 1800;

// Runs the solver of a mixed case on `p` (the primary triangle) and `q` (the additional one).
void solveMixed(const MixedCase& row, TriangleSolution& p, TriangleSolution& q,
                bool& twoSolutions) {
    const auto& [g0, g1, g2] = row.given;
    const auto& [f0, f1, f2] = row.found;
    switch (row.solver) {
    case Solver::SSA:
        SSA(p.element(g0), p.element(g1), p.element(g2), p.element(f0), p.element(f1),
            p.element(f2), q.element(f0), q.element(f1), q.element(f2), twoSolutions);
        break;
    case Solver::AAS:
        AAS(p.element(g0), p.element(g1), p.element(g2), p.element(f0), p.element(f1),
            p.element(f2), q.element(f0), q.element(f1), q.element(f2), twoSolutions);
        break;
    case Solver::SAS:
        SAS(p.element(g0), p.element(g1), p.element(g2), p.element(f0), p.element(f1),
            p.element(f2));
        break;
    case Solver::ASA:
        ASA(p.element(g0), p.element(g1), p.element(g2), p.element(f0), p.element(f1),
            p.element(f2));
        break;
    }
}

} // namespace

ViewAngles turned(ViewAngles from, double inclinationDeg, double rotationDeg) {
    const double maxTenths = kMaxTurnedInclination * kTenthsPerDegree;
    const auto tenths = [](double degrees) {
        return std::round(degrees * kTenthsPerDegree);
    };
    // Into range before the step, so that the sums stay small and exact in tenths.
    const double startInclination =
        tenths(std::clamp(from.inclination, -kMaxTurnedInclination, kMaxTurnedInclination));
    const double startRotation = tenths(std::remainder(from.rotation, 360));
    const double inclination =
        std::clamp(startInclination + tenths(inclinationDeg), -maxTenths, maxTenths);
    double rotation = std::remainder(startRotation + tenths(rotationDeg), kTenthsPerTurn);
    if (rotation == -kTenthsPerHalfTurn)
        rotation = kTenthsPerHalfTurn;
    // +0 rather than -0, which the fields would show as "-0".
    return {inclination / kTenthsPerDegree + 0.0, rotation / kTenthsPerDegree + 0.0};
}

ViewAngles Calculator::sceneView() const {
    return scene_ ? scene_->angles : ViewAngles{};
}

bool Calculator::redraw(FormView& view) {
    if (!scene_)
        return false;
    ResumeNext run;
    clearScene(run, view.picture());
    drawSceneOf(run, view, *scene_);
    return true;
}

bool Calculator::turnTo(FormView& view, ViewAngles angles) {
    if (!scene_)
        return false;
    const std::string separator = view.decimalSeparator();
    view.setOptionText(kInclination, degreesText(angles.inclination, separator));
    view.setOptionText(kRotation, degreesText(angles.rotation, separator));
    // The view is read back from the fields as a click reads it: what is drawn is exactly what
    // the next Calcular draws. Texts of tenths of a degree always read.
    ResumeNext run;
    ViewAngles read;
    DrawingOptions options = scene_->options;
    run([&] {
        read.inclination = Val(view.optionText(kInclination)).value();
        read.rotation = Val(view.optionText(kRotation)).value();
        options.inclination = GradtoRad(read.inclination);
        options.rotation = GradtoRad(read.rotation);
    });
    if (run.pending())
        return false;
    scene_->options = options;
    scene_->angles = read;
    clearScene(run, view.picture());
    drawSceneOf(run, view, *scene_);
    return true;
}

void Calculator::drawSceneOf(ResumeNext& run, FormView& view, Scene& scene) {
    const int notFitted =
        drawScene(run, view.picture(), scene.options, scene.primary,
                  scene.twoSolutions ? &scene.additional : nullptr, placement_, fitting_);
    view.setGraphStatus(GraphStatus::Clear);
    for (int i = 0; i < notFitted; ++i)
        view.setGraphStatus(GraphStatus::SideNotFitted);
}

RunReport Calculator::calculate(FormView& view) {
    ResumeNext run;
    TriangleSolution additional;
    bool twoSolutions = false;
    const auto report = [&](RunEnd end) {
        return RunReport{end, primary_, additional, twoSolutions};
    };
    // A run that ends with a message shows no results, and so no picture of them either.
    const auto refuse = [&](Message message, RunEnd end) {
        scene_.reset();
        view.picture().Cls();
        view.showMessage(message);
        return report(end);
    };

    view.setGraphStatus(GraphStatus::Clear);
    for (int i = 0; i < FormView::kResultLabels; ++i)
        view.setResult(i, "");

    // A field that cannot be read leaves its element as the previous run left it.
    for (int i = 0; i < TriangleSolution::kElements; ++i)
        run([&] { primary_.element(i) = GradtoRad(Val(view.inputText(i))); });

    // Zero, an empty field and a text without a leading number all mean "not given".
    std::array<int, 3> known{};
    int sideCount = 0, angleCount = 0;
    for (int i = 0; i < TriangleSolution::kElements; ++i) {
        if (primary_.element(i) == 0)
            continue;
        int& count = i < 3 ? sideCount : angleCount;
        if (sideCount + angleCount < 3)
            known[static_cast<std::size_t>(sideCount + angleCount)] = i;
        ++count;
    }
    if (sideCount + angleCount < 3)
        return refuse(Message::Underdetermined, RunEnd::Underdetermined);
    if (sideCount + angleCount > 3)
        return refuse(Message::Overdetermined, RunEnd::Overdetermined);

    // Every side and angle of a spherical triangle lies strictly between 0 and 180 degrees: a
    // given element outside that range fits no triangle, whatever a solver would make of it.
    const bool inRange = std::all_of(known.begin(), known.end(), [&](int i) {
        return primary_.element(i) > 0 && primary_.element(i) < kPi;
    });

    if (!inRange) {
        run.markPending();
    } else if (sideCount == 3) {
        SSS(run, primary_);
    } else if (angleCount == 3) {
        AAA(run, primary_);
    } else {
        const MixedCase& row = mixedCaseFor(known);
        run([&] { solveMixed(row, primary_, additional, twoSolutions); });
        if (twoSolutions)
            for (int i : row.given)
                additional.element(i) = primary_.element(i);
    }

    if (run.pending()) {
        // The ambiguous solvers raise the flag on entry; a failed case shows no second triangle.
        twoSolutions = false;
        for (int i = 0; i < FormView::kResultLabels; ++i)
            view.setResult(i, "");
        return refuse(Message::NoSolution, RunEnd::NoSolution);
    }

    const std::string separator = view.decimalSeparator();
    for (int i = 0; i < TriangleSolution::kElements; ++i)
        run([&] { view.setResult(i, resultText(primary_.element(i), separator)); });
    if (twoSolutions)
        for (int i = 0; i < TriangleSolution::kElements; ++i)
            run([&] {
                view.setResult(FormView::kFirstAdditionalLabel + i,
                               resultText(additional.element(i), separator));
            });

    // The drawing stage: the picture is cleared before the options are read, so that unusable
    // options leave it empty.
    Surface& picture = view.picture();
    clearScene(run, picture);
    ViewAngles angles;
    const DrawingOptions options = readOptions(run, view, angles);
    if (run.pending()) {
        scene_.reset();
        view.showMessage(Message::BadDrawingData);
        return report(RunEnd::BadDrawingData);
    }
    scene_ = Scene{options, angles, primary_, additional, twoSolutions};
    const int notFitted = drawScene(run, picture, options, primary_,
                                    twoSolutions ? &additional : nullptr, placement_, fitting_);
    for (int i = 0; i < notFitted; ++i)
        view.setGraphStatus(GraphStatus::SideNotFitted);
    return report(RunEnd::Drawn);
}

} // namespace esferica
