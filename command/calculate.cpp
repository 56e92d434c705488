// SPDX-License-Identifier: GPL-3.0-or-later
#include "command/calculate.h"

#include "command/numbers.h"
#include "numeric/angles.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace esferica {

namespace {

// The option fields show a turned view in tenths of a degree.
constexpr double kTenthsPerDegree = 10;
constexpr double kTurn = 360, kHalfTurn = 180;

// How a field's text reads, keeping its number as a Real for the arithmetic.
Reading readField(std::string_view text, std::optional<Real>& value) {
    const NumberReading number = readNumber(text);
    value = number.value;
    Reading r;
    if (number.value)
        r.degrees = number.value->value();
    else
        r.degrees.reset();
    r.read = text.substr(0, number.read);
    r.typed = text;
    const std::string_view rest = text.substr(number.read);
    const std::size_t first = rest.find_first_not_of(" \t\n");
    if (first != std::string_view::npos)
        r.left = rest.substr(first, rest.find_last_not_of(" \t\n") + 1 - first);
    return r;
}

// The drawing options from the option fields. The spacings are pi / (180 / v) and
// 2 pi / (360 / v), so a value of 0 (an empty field, blanks, a zero) cannot be drawn with,
// nor one that needs more than kMaxGridLines lines of its family; a negative spacing draws no line
// of its family. The angles convert to radians unless they overflow. Returns none when a field
// cannot be drawn with, and records the first such field in `calc`.
using OptionValues = std::array<std::optional<Real>, kOptionFields>;
std::optional<DrawingOptions> drawingOptions(const OptionValues& values, Calculation& calc) {
    const auto refuse = [&](OptionField field, OptionProblem problem) {
        if (!calc.badOption)
            calc.badOption = BadOption{field, problem};
    };
    const auto spacing = [&](OptionField field, Real degrees, Real radians, Real& step) {
        const std::optional<Real>& v = values[index(field)];
        if (!v)
            return refuse(field, OptionProblem::TooLarge);
        if (*v == 0)
            return refuse(field, OptionProblem::NoSpacing);
        try {
            const Real lines = degrees / *v;
            if (lines > kMaxGridLines)
                return refuse(field, OptionProblem::TooFine);
            step = radians / lines;
        } catch (const Failure&) {
            refuse(field, OptionProblem::TooFine); // so fine that the count overflows
        }
    };
    const auto angle = [&](OptionField field, double& degrees, Real& radians) {
        const std::optional<Real>& v = values[index(field)];
        try {
            if (!v)
                fail(FailureKind::Overflow);
            degrees = v->value();
            radians = GradtoRad(*v);
        } catch (const Failure&) {
            refuse(field, OptionProblem::TooLarge);
        }
    };
    // A text not read whole is not used, whatever its number.
    for (std::size_t i = 0; i < calc.options.size(); ++i)
        if (calc.options[i].partly())
            refuse(static_cast<OptionField>(i), OptionProblem::NotReadWhole);
    DrawingOptions options;
    spacing(OptionField::LatSpacing, 180, kPi, options.latstep);
    spacing(OptionField::LongSpacing, 360, 2 * kPi, options.longstep);
    angle(OptionField::Inclination, calc.view.inclination, options.inclination);
    angle(OptionField::Rotation, calc.view.rotation, options.rotation);
    if (calc.badOption)
        return std::nullopt;
    return options;
}

} // namespace

Calculation compute(const FieldTexts& fields, const TriangleSolution& carried) {
    Calculation calc;
    OptionValues optionValues;
    for (std::size_t i = 0; i < optionValues.size(); ++i)
        calc.options[i] = readField(fields.options[i], optionValues[i]);
    calc.primary = carried;
    std::optional<Element> unreadable;
    bool notWhole = false;
    for (const Element e : kAllElements) {
        std::optional<Real> degrees;
        calc.inputs[index(e)] = readField(fields[e], degrees);
        if (calc.inputs[index(e)].partly()) {
            notWhole = true; // not used: the element keeps its carried value
            continue;
        }
        try {
            if (!degrees)
                fail(FailureKind::Overflow);
            calc.primary[e] = GradtoRad(*degrees);
        } catch (const Failure&) {
            // Beyond the double range, or beyond what converts to radians: the element keeps its
            // carried value, and no triangle is solved from the click's data.
            if (!unreadable)
                unreadable = e;
        }
    }

    // A number read from part of a text is not what the user meant.
    if (notWhole) {
        calc.outcome = Outcome::NotReadWhole;
        return calc;
    }

    // Zero and an empty field mean "not given".
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
    // Decided on the degrees read: one just below 180 may convert to kPi itself.
    DegreesRead degrees{};
    for (const Element e : known)
        degrees[index(e)] = calc.reading(e).degrees.value_or(0);
    const auto outside = std::find_if(known.begin(), known.end(), [&](Element e) {
        return !(degrees[index(e)] > 0 && degrees[index(e)] < 180);
    });
    if (unreadable || outside != known.end()) {
        calc.outcome = Outcome::NoSolution;
        calc.outOfRange = unreadable ? *unreadable : *outside;
        return calc;
    }
    try {
        const Solutions solved = solve(degrees, known);
        calc.primary = solved.first;
        calc.additional = solved.second;
        // A solved triangle has its measures; one that cannot be computed is none in them.
        calc.primaryMeasures = measure(solved.heldFirst);
        if (solved.heldSecond)
            calc.additionalMeasures = measure(*solved.heldSecond);
    } catch (const Failure& failure) {
        calc.outcome = Outcome::NoSolution;
        calc.noTriangle = whyNoTriangle(calc.primary, known, failure);
        return calc;
    }

    const std::optional<DrawingOptions> options = drawingOptions(optionValues, calc);
    if (!options) {
        calc.outcome = Outcome::BadDrawingData;
        return calc;
    }
    calc.outcome = Outcome::Solved;
    calc.scene = Scene{*options, calc.primary, calc.additional};
    return calc;
}

std::vector<Field> Calculation::fieldsNotReadWhole() const {
    std::vector<Field> fields;
    for (const Element e : kAllElements)
        if (reading(e).partly())
            fields.emplace_back(e);
    for (std::size_t i = 0; i < options.size(); ++i)
        if (options[i].partly())
            fields.emplace_back(static_cast<OptionField>(i));
    return fields;
}

ViewAngles turned(ViewAngles from, double inclinationDeg, double rotationDeg) {
    const double inclination = from.inclination + inclinationDeg;
    // Into one turn before the step, so that a rotation of many turns keeps its fraction.
    const double rotation =
        std::remainder(std::remainder(from.rotation, kTurn) + rotationDeg, kTurn);
    return {std::clamp(inclination, std::min(-kMaxTurnedInclination, from.inclination),
                       std::max(kMaxTurnedInclination, from.inclination)),
            rotation};
}

ViewAngles inTenths(ViewAngles view) {
    const auto shown = [](double degrees) {
        const double rounded = std::round(degrees * kTenthsPerDegree) / kTenthsPerDegree;
        // A typed inclination within a tenth of the double range's end is shown as it is.
        return (std::isfinite(rounded) ? rounded : degrees) + 0.0;
    };
    const double rotation = shown(view.rotation);
    return {shown(view.inclination), rotation == -kHalfTurn ? kHalfTurn : rotation};
}

const Calculation& Calculator::calculate(const FieldTexts& fields) {
    last_ = compute(fields, last_.primary);
    scene_ = last_.scene;
    if (scene_) {
        scene_->style = style_;
        scene_->sideNames = sideNames_;
    }
    view_ = last_.view;
    travelled_.reset();
    return last_;
}

void Calculator::setPictureStyle(PictureStyle style) {
    style_ = style;
    if (scene_)
        scene_->style = style;
}

void Calculator::setSideNames(bool named) {
    sideNames_ = named;
    if (scene_)
        scene_->sideNames = named;
}

ViewAngles facingView(const TriangleSolution& t) {
    // The vertices with A on the meridian of longitude 0 and C at the north pole, and the middle
    // of the three, which the view brings to the picture's centre: its longitude from A's meridian
    // becomes the rotation, its latitude the inclination.
    const double a = t.a.value(), b = t.b.value(), C = t.C.value();
    const double x = std::sin(b) + std::sin(a) * std::cos(C), y = std::sin(a) * std::sin(C);
    const double z = std::cos(b) + std::cos(a) + 1;
    const double toDegrees = 180 / std::numbers::pi;
    return {std::atan2(z, std::hypot(x, y)) * toDegrees, std::atan2(y, x) * toDegrees};
}

ViewAngles Calculator::turnToFace() {
    if (!scene_)
        return sceneView();
    travelled_ = facingView(scene_->primary);
    return inTenths(*travelled_);
}

bool Calculator::turnTo(std::string_view inclination, std::string_view rotation) {
    if (!scene_)
        return false;
    // Read as a click reads them: what is drawn is exactly what the next Calcular draws.
    std::optional<Real> values[2];
    if (readField(inclination, values[0]).partly() || readField(rotation, values[1]).partly())
        return false;
    ViewAngles read;
    DrawingOptions options = scene_->options;
    try {
        if (!values[0] || !values[1])
            fail(FailureKind::Overflow);
        read.inclination = values[0]->value();
        read.rotation = values[1]->value();
        options.inclination = GradtoRad(read.inclination);
        options.rotation = GradtoRad(read.rotation);
    } catch (const Failure&) {
        return false;
    }
    scene_->options = options;
    view_ = read;
    return true;
}

ViewAngles Calculator::turnBy(double inclinationDeg, double rotationDeg) {
    if (!scene_)
        return sceneView();
    travelled_ = turned(travelled_.value_or(view_), inclinationDeg, rotationDeg);
    return inTenths(*travelled_);
}

SceneDrawing Calculator::drawPicture(Surface& picture, const GridThinning& thinning) {
    ResumeNext run;
    if (scene_) {
        clearScene(run, picture);
        return drawScene(run, picture, *scene_, fitting_, thinning);
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
