// SPDX-License-Identifier: GPL-3.0-or-later
// The working of a click ("Procedimiento"): what a student writes on the way to the answer, taken
// from the program's own computation. For three elements read it holds, in order, the case and
// the given elements; the conditions of existence with their numbers; for each triangle the
// formulas used, by their course names, written out with the numbers put in and the solver's
// intermediate values, down to each element and measure exactly as the results show them; for a
// right or quadrantal triangle Napier's rules with the quadrant laws as well; and a check of each
// side by the cosine theorem with its residual.
//
// The value is free of language: words are sentence ids (working/text.h) and numbers are kept as
// numbers, which renderWorking writes in Spanish or English under a number style. Formulas are
// written with the English function names (sin, cos, tan, cot, atan), which the Spanish text turns
// into its own.
#pragma once

#include "command/calculate.h"

#include <optional>
#include <string>
#include <vector>

namespace esferica {

// How a number in the working is written (workingNumber, working/text.h).
enum class Quantity {
    Angle,        // degrees, as the results show them
    Intermediate, // degrees on the way: as Angle, with significant digits where Angle shows 0
    Ratio,        // a sine, a tangent, a quotient: a pure number
    Area,         // steradians, as the results show the area
    Residual,     // a small difference, in scientific notation
};
struct Value {
    double number = 0;
    Quantity kind = Quantity::Angle;
};

// Every sentence of the working; their texts are in working/text.cpp, one table per language.
enum class Sentence {
    None,
    // Headings and cases.
    Heading,
    CaseSSS,
    CaseAAA,
    CaseSAS,
    CaseASA,
    CaseSSA,
    CaseAAS,
    Given,
    Existence,
    Solution,
    Additional,
    Measures,
    Check,
    Results,
    NoWorking,
    NoSolution,
    Underdetermined,
    Overdetermined,
    NotReadWhole,
    BadDrawingData,
    Holds,
    Fails,
    // Conditions of existence.
    InRange,
    SideLessThanSum,
    SidesUnder360,
    AnglesOver180,
    AnglesUnder540,
    PolarInequality,
    AlwaysOne,
    DoubleRoot,
    Candidates,
    SameSignDifference,
    SameSignSum,
    CandidateFits,
    CandidateFails,
    CandidateOnLimit,
    DegenerateTriangle,
    NotDetermined,
    OneTriangle,
    TwoTriangles,
    // Formulas.
    HalfPerimeter,
    Briggs,
    BriggsValues,
    PolarTriangle,
    BackFromPolar,
    GaussDelambre,
    HalfSums,
    SineRuleSmaller,
    SineRule,
    NapierAnalogySide,
    NapierAnalogyAngle,
    CosineLosesDigits,
    NapierRules,
    NapierQuadrantal,
    NapierRule,
    QuadrantSame,
    QuadrantHypotenuse,
    Excess,
    Area,
    Perimeter,
    Inradius,
    Circumradius,
    CosineTheorem,
    NotComputed,
};

// A line of mathematics: `text` with {0}, {1}, ... standing for `values`.
struct Math {
    std::string text;
    std::vector<Value> values;
};

// A condition of existence: what it says, its numbers and whether the data meet it.
struct Check {
    Sentence rule = Sentence::None;
    std::vector<std::string> words; // the blanks of the rule's sentence
    Math numbers;
    bool holds = true;
};

// One formula: its name in the course (with the blanks filled in), the formula written out, and
// the numbers put in down to its result. Any part may be empty.
struct Step {
    Sentence name = Sentence::None;
    std::vector<std::string> words;
    std::string formula;
    std::vector<Math> substituted;
};

// The working of one triangle, the solution or the additional one.
struct TriangleWorking {
    bool additional = false;
    std::vector<Step> steps;                  // to the three elements found
    std::vector<Step> napier;                 // a right or quadrantal triangle: Napier's rules
    std::vector<Check> quadrants;             // and the quadrant laws
    std::array<double, kElements> elements{}; // degrees, as the results show them
    std::vector<Step> measures;
    std::vector<Step> check; // the cosine theorem for each side
};

struct Working {
    // None when the click read no three elements to solve (a field not read whole, a count
    // message).
    std::optional<Case> kind;
    Outcome outcome = Outcome::Underdetermined;
    std::vector<std::pair<Element, double>> given; // in degrees, as read
    std::vector<Check> checks;
    std::vector<TriangleWorking> triangles; // none when no triangle fits
};

// The working of a click's value.
Working workingOf(const Calculation& calc);

} // namespace esferica
