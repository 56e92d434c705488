// SPDX-License-Identifier: GPL-3.0-or-later
#include "command/calculate.h"

#include "command/numbers.h"
#include "numeric/angles.h"

#include <algorithm>
#include <cmath>

namespace esferica {

namespace {

// Tenths of a degree: the steps of a turned view, which the option fields show exactly.
constexpr double kTenthsPerDegree = 10;
constexpr double kTenthsPerTurn = 3600;
constexpr double kTenthsPerHalfTurn = 1800;

// The drawing options from the option fields, each read in a step of its own. The spacings are
// pi / (180 / v) and 2 pi / (360 / v), so a value of 0 (an empty field, a text without a number)
// fails as a division by zero, and one that needs more than kMaxGridLines lines of its family is
// refused as a failure too; a negative spacing draws no line of its family. Returns none when a
// field cannot be drawn with.
std::optional<DrawingOptions> readOptions(const FieldTexts& fields, Calculation& calc) {
    ResumeNext run;
    const auto read = [&](OptionField field) {
        const Real degrees = Val(fields[field]);
        calc.options[index(field)].degrees = degrees.value();
        return degrees;
    };
    const auto spacing = [&](OptionField field, Real degrees, Real radians, Real& step) {
        run([&] {
            const Real lines = degrees / read(field);
            if (lines > kMaxGridLines)
                run.markPending();
            else
                step = radians / lines;
        });
    };
    DrawingOptions options;
    spacing(OptionField::LatSpacing, 180, kPi, options.latstep);
    spacing(OptionField::LongSpacing, 360, 2 * kPi, options.longstep);
    run([&] {
        calc.view.inclination = read(OptionField::Inclination).value();
        options.inclination = GradtoRad(calc.view.inclination);
    });
    run([&] {
        calc.view.rotation = read(OptionField::Rotation).value();
        options.rotation = GradtoRad(calc.view.rotation);
    });
    if (run.pending())
        return std::nullopt;
    return options;
}

} // namespace

Calculation compute(const FieldTexts& fields, const TriangleSolution& carried) {
    Calculation calc;
    calc.primary = carried;
    bool unreadable = false;
    for (const Element e : kAllElements) {
        try {
            const Real degrees = Val(fields[e]);
            calc.inputs[index(e)].degrees = degrees.value();
            calc.primary[e] = GradtoRad(degrees);
        } catch (const Failure&) {
            // Beyond the double range, or beyond what converts to radians: the element keeps its
            // carried value, and no triangle is solved from the click's data.
            unreadable = true;
        }
    }

    // Zero, an empty field and a text without a leading number all mean "not given".
    GivenElements known{};
    int count = 0;
    for (const Element e : kAllElements) {
        if (calc.primary[e] == 0)
            continue;
        calc.given[index(e)] = true;
        if (count < 3)
            known[static_cast<std::size_t>(count)] = e;
        ++count;
    }
    if (count != 3) {
        calc.outcome = count < 3 ? Outcome::Underdetermined : Outcome::Overdetermined;
        return calc;
    }
    calc.kind = caseOf(known);

    // Every side and angle of a spherical triangle lies strictly between 0 and 180 degrees: a
    // given element outside that range fits no triangle, whatever a solver would make of it.
    const bool inRange = std::all_of(known.begin(), known.end(), [&](Element e) {
        return calc.primary[e] > 0 && calc.primary[e] < kPi;
    });
    if (unreadable || !inRange) {
        calc.outcome = Outcome::NoSolution;
        return calc;
    }
    try {
        Solutions solved = solve(calc.primary, known);
        calc.primary = solved.first;
        calc.additional = solved.second;
    } catch (const Failure&) {
        calc.outcome = Outcome::NoSolution;
        return calc;
    }

    const std::optional<DrawingOptions> options = readOptions(fields, calc);
    if (!options) {
        calc.outcome = Outcome::BadDrawingData;
        return calc;
    }
    calc.outcome = Outcome::Solved;
    calc.scene = Scene{*options, calc.primary, calc.additional};
    return calc;
}

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

const Calculation& Calculator::calculate(const FieldTexts& fields) {
    last_ = compute(fields, last_.primary);
    scene_ = last_.scene;
    if (scene_)
        scene_->style = style_;
    view_ = last_.view;
    return last_;
}

void Calculator::setPictureStyle(PictureStyle style) {
    style_ = style;
    if (scene_)
        scene_->style = style;
}

bool Calculator::turnTo(std::string_view inclination, std::string_view rotation) {
    if (!scene_)
        return false;
    // Read as a click reads them: what is drawn is exactly what the next Calcular draws.
    ViewAngles read;
    DrawingOptions options = scene_->options;
    try {
        read.inclination = Val(inclination).value();
        read.rotation = Val(rotation).value();
        options.inclination = GradtoRad(read.inclination);
        options.rotation = GradtoRad(read.rotation);
    } catch (const Failure&) {
        return false;
    }
    scene_->options = options;
    view_ = read;
    return true;
}

SceneDrawing Calculator::drawPicture(Surface& picture) {
    ResumeNext run;
    if (scene_) {
        clearScene(run, picture);
        return drawScene(run, picture, *scene_, fitting_);
    }
    // Unusable options leave the picture set up and cleared, as the drawing stage left it before
    // it found them unusable; a message about the data leaves it cleared.
    if (last_.outcome == Outcome::BadDrawingData)
        clearScene(run, picture);
    else
        run([&] { picture.Cls(); });
    return {};
}

} // namespace esferica
