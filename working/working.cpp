// SPDX-License-Identifier: GPL-3.0-or-later
// The working of a click from its value and from the solver's intermediate values: the click's
// case is solved again from the same degrees by the same solver, which records what its formulas
// compute on the way (SolverTrace). Every element and measure shown as a result is the click's
// own value; the numbers in between are the solver's; only the course formulas shown beside them
// (the sums of a check, a radius's tangent, Napier's rules) are evaluated here, from the results.
#include "working/working.h"

#include "numeric/angles.h"
#include "numeric/extended.h"
#include "present/view.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <string_view>

namespace esferica {

namespace {

using enum Element;

// A side below this is small: the cosine theorem that a course teaches first loses digits there.
constexpr double kSmallSide = 1;
// Below what ten decimals of a degree show.
constexpr double kUnseen = 1e-11;
// An element this close to 90 degrees is taken as a right one, for Napier's rules.
constexpr double kRightTolerance = 1e-9;

// x / y, a division by zero giving the infinity it stands for (tan 90° = ∞), or for 0/0 a value
// that is not computed: the working shows them in words, never as a trap.
double quotient(double x, double y) {
    if (y != 0)
        return x / y;
    if (x == 0 || std::isnan(x))
        return std::numeric_limits<double>::quiet_NaN();
    return std::signbit(x) == std::signbit(y) ? std::numeric_limits<double>::infinity()
                                              : -std::numeric_limits<double>::infinity();
}

// An angle on the way, and an element or measure found, as the results show it.
Value angle(double degrees) {
    return {degrees, Quantity::Intermediate};
}
Value result(double degrees) {
    return {degrees, Quantity::Angle};
}
Value ratio(double x) {
    return {x, Quantity::Ratio};
}
Math math(std::string text, std::vector<Value> values = {}) {
    return {std::move(text), std::move(values)};
}

std::string letterOf(Element e) {
    return std::string(elementLetter(e));
}

// `pattern` with $1, $2, ... replaced by the names given.
std::string fill(std::string_view pattern, std::initializer_list<std::string> names) {
    const std::vector<std::string> list(names);
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '$' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
            pattern[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
            text += n < list.size() ? list[n] : std::string();
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

// The sine and cosine of an angle of 0 to 180 degrees in two doubles, the same on every platform:
// the whole quarter turns taken off exactly, the series on the rest.
TwoFoldSinCos sincosDegrees(double degrees) {
    const auto quarters = static_cast<int>(std::lround(degrees / 90));
    const double rest = degrees - quarters * 90.0; // exact (Sterbenz)
    const TwoFoldSinCos r = sincos(kRadiansPerDegree * rest);
    switch (quarters) {
    case 0:
        return r;
    case 1:
        return {r.c, -r.s};
    default:
        return {-r.s, -r.c};
    }
}

double degreesOf(Real radians) {
    return RadtoGrad(radians).value();
}

// The six elements as the results show them, in degrees.
std::array<double, kElements> shown(const TriangleSolution& t) {
    std::array<double, kElements> d{};
    for (const Element e : kAllElements)
        d[index(e)] = degreesOf(t[e]);
    return d;
}

// The triangle being written out: its elements in degrees and their names (primed on the polar
// triangle).
struct Named {
    std::array<double, kElements> value{};
    std::array<std::string, kElements> name;

    double operator[](Element e) const { return value[index(e)]; }
    const std::string& operator()(Element e) const { return name[index(e)]; }
};

Named named(const std::array<double, kElements>& values) {
    Named n;
    n.value = values;
    for (const Element e : kAllElements)
        n.name[index(e)] = letterOf(e);
    return n;
}

// The element of the other kind with the same letter: a for A, A for a.
Element dual(Element e) {
    return kAllElements[(index(e) + 3) % kElements];
}

// The polar triangle: each element the supplement of the dual one.
Named polarOf(const Named& t) {
    Named p;
    for (const Element e : kAllElements) {
        p.value[index(e)] = 180 - t[dual(e)];
        p.name[index(e)] = letterOf(e) + "′";
    }
    return p;
}

Step step(Sentence name, std::vector<std::string> words, std::string formula,
          std::vector<Math> substituted) {
    return {name, std::move(words), std::move(formula), std::move(substituted)};
}

// The polar triangle's elements, from those of `t`.
Step polarStep(const Named& t, const Named& polar, const std::vector<Element>& elements) {
    Step s = step(Sentence::PolarTriangle, {},
                  "a′ = 180° − A, b′ = 180° − B, c′ = 180° − C, "
                  "A′ = 180° − a, B′ = 180° − b, C′ = 180° − c",
                  {});
    for (const Element e : elements)
        s.substituted.push_back(
            math(polar(e) + " = 180° − {0} = {1}", {angle(t[dual(e)]), angle(polar[e])}));
    return s;
}

// ---- Three sides: the half-angle (Briggs) formulas, as the solver takes them. ---------------

// `t` holds the sides (given) and the angles (found, as shown).
void briggs(std::vector<Step>& steps, const SolverTrace& trace, const Named& t) {
    const std::string &a = t(Element::a), &b = t(Element::b), &c = t(Element::c);
    const double s = 180 - trace.defects[0];
    steps.push_back(
        step(Sentence::HalfPerimeter, {}, fill("s = ($1 + $2 + $3)/2", {a, b, c}),
             {math("s = ({0} + {1} + {2})/2 = {3}",
                   {angle(t[Element::a]), angle(t[Element::b]), angle(t[Element::c]), angle(s)}),
              math(fill("s − $1 = {0}, s − $2 = {1}, s − $3 = {2}", {a, b, c}),
                   {angle(trace.defects[1]), angle(trace.defects[2]), angle(trace.defects[3])})}));
    const std::array<double, 3> q{trace.tp, trace.tq, trace.tr};
    Step formula =
        step(Sentence::Briggs, {},
             fill("tan($4/2) = √(sin(s − $2)·sin(s − $3) / (sin s·sin(s − $1)))",
                  {a, b, c, t(Element::A)}),
             {math(fill("sin s = {0}, sin(s − $1) = {1}, sin(s − $2) = {2}, sin(s − $3) = {3}",
                        {a, b, c}),
                   {ratio(trace.defectSines[0]), ratio(trace.defectSines[1]),
                    ratio(trace.defectSines[2]), ratio(trace.defectSines[3])}),
              math(fill("q($1) = sin(s − $1)/sin s = {0}, q($2) = {1}, q($3) = {2}", {a, b, c}),
                   {ratio(q[0]), ratio(q[1]), ratio(q[2])}),
              math(fill("k = √(q($1)·q($2)·q($3)) = {0}", {a, b, c}), {ratio(trace.k)})});
    steps.push_back(formula);
    Step angles = step(Sentence::BriggsValues, {}, "", {});
    for (std::size_t i = 0; i < 3; ++i) {
        const Element side = kAllElements[i], found = dual(side);
        angles.substituted.push_back(
            math(fill("tan($1/2) = k/q($2) = {0}/{1} = {2} → $1 = {3}", {t(found), t(side)}),
                 {ratio(trace.k), ratio(q[i]), ratio(quotient(trace.k, q[i])), result(t[found])}));
    }
    steps.push_back(angles);
}

// ---- Two sides and the included angle: the Gauss–Delambre analogies. --------------------------

// `roles` are the given angle G and sides p, q, and the angles P, Q and side g found, in `t`.
void delambre(std::vector<Step>& steps, const SolverTrace& trace, const Named& t,
              const std::array<Element, 3>& given, const std::array<Element, 3>& found) {
    const std::string &G = t(given[0]), &p = t(given[1]), &q = t(given[2]);
    const std::string &P = t(found[0]), &Q = t(found[1]), &g = t(found[2]);
    const auto f = [&](std::string_view pattern) {
        return fill(pattern, {p, q, G, P, Q, g});
    };
    steps.push_back(
        step(Sentence::HalfSums, {}, "",
             {math(f("($1 + $2)/2 = {0}, ($1 − $2)/2 = {1}, $3/2 = {2}"),
                   {angle(trace.halfSum), angle(trace.halfDifference), angle(trace.halfAngle)})}));
    steps.push_back(
        step(Sentence::GaussDelambre, {},
             f("sin($6/2)·cos(($4 − $5)/2) = sin(($1 + $2)/2)·sin($3/2); "
               "sin($6/2)·sin(($4 − $5)/2) = sin(($1 − $2)/2)·cos($3/2); "
               "cos($6/2)·cos(($4 + $5)/2) = cos(($1 + $2)/2)·sin($3/2); "
               "cos($6/2)·sin(($4 + $5)/2) = cos(($1 − $2)/2)·cos($3/2)"),
             {math(f("sin($6/2)·cos(($4 − $5)/2) = {0}"), {ratio(trace.x1)}),
              math(f("sin($6/2)·sin(($4 − $5)/2) = {0}"), {ratio(trace.y1)}),
              math(f("cos($6/2)·cos(($4 + $5)/2) = {0}"), {ratio(trace.x2)}),
              math(f("cos($6/2)·sin(($4 + $5)/2) = {0}"), {ratio(trace.y2)}),
              math(f(trace.x2 < 0 ? "($4 + $5)/2 = 180° + arctan({0}/{1}) = {2}"
                                  : "($4 + $5)/2 = arctan({0}/{1}) = {2}"),
                   {ratio(trace.y2), ratio(trace.x2), angle(trace.halfAngleSum)}),
              math(f("($4 − $5)/2 = arctan({0}/{1}) = {2}"),
                   {ratio(trace.y1), ratio(trace.x1), angle(trace.halfAngleDifference)}),
              math(f("tan($6/2) = √({0}² + {1}²)/√({2}² + {3}²) → $6/2 = {4}, $6 = {5}"),
                   {ratio(trace.x1), ratio(trace.y1), ratio(trace.x2), ratio(trace.y2),
                    angle(trace.halfThird), result(t[found[2]])})}));
    Step sums = step(Sentence::None, {}, "", {});
    if (trace.bySineRule != 0)
        sums.substituted.push_back(math(
            f("$4 = ($4 + $5)/2 + ($4 − $5)/2 = {0} + {1} = {2}"),
            {angle(trace.halfAngleSum), angle(trace.halfAngleDifference), result(t[found[0]])}));
    if (trace.bySineRule != 1)
        sums.substituted.push_back(math(
            f("$5 = ($4 + $5)/2 − ($4 − $5)/2 = {0} − {1} = {2}"),
            {angle(trace.halfAngleSum), angle(trace.halfAngleDifference), result(t[found[1]])}));
    steps.push_back(sums);
    if (trace.bySineRule) {
        // The smaller angle, where the sum or difference of the half angles would cancel.
        const bool first = *trace.bySineRule == 0;
        const std::string X = first ? P : Q, x = first ? p : q;
        const Element e = first ? found[0] : found[1];
        steps.push_back(step(Sentence::SineRuleSmaller, {X},
                             fill("sin $1 = sin $2·sin $3 / sin $4", {X, x, G, g}),
                             {math(fill("sin $1 = {0} → $1 = {1}", {X}),
                                   {ratio(trace.sineRuleSine), result(t[e])})}));
    }
}

// ---- The ambiguous cases: the sine rule and Napier's analogies. -------------------------------

// The roles of an ambiguous case: the given element `single` of one kind, the given `opposite`
// of the other kind opposite it, the other given one `other`; the candidate `x` opposite `other`,
// and the third side and angle. For Napier's analogies, the two sides and the angles opposite
// them.
struct AmbiguousRoles {
    Element single, opposite, other, x, thirdSide, thirdAngle;
    Element side1, side2, angle1, angle2;
};

AmbiguousRoles ambiguousRoles(const CaseRoles& r) {
    if (r.kind == Case::SSA) {
        const auto [single, opposite, other] = r.given;
        return {single,     opposite, other, r.found[1], r.found[2],
                r.found[0], opposite, other, single,     r.found[1]};
    }
    const auto [opposite, other, single] = r.given;
    return {single,     opposite, other,      r.found[0], r.found[1],
            r.found[2], single,   r.found[0], opposite,   other};
}

int signOf(double x) {
    return (x > 0) - (x < 0);
}

// The existence of an ambiguous case: the sine rule, its candidates, and which of them give a
// triangle.
void ambiguousChecks(Working& w, const SolverTrace& trace, const AmbiguousRoles& r,
                     const DegreesRead& d, bool failed) {
    const std::string X = letterOf(r.x);
    const auto deg = [&](Element e) {
        return d[index(e)];
    };
    const double sine = trace.sineOfOpposite != 0 ? trace.sineProduct / trace.sineOfOpposite : 0;
    const bool fits = trace.cosine2 >= 0;
    w.checks.push_back(
        {Sentence::SineRule,
         {},
         math(fill("sin $1 = sin $2·sin $3 / sin $4 = sin {0}·sin {1} / sin {2} = "
                   "{3} ≤ 1",
                   {X, letterOf(r.other), letterOf(r.single), letterOf(r.opposite)}),
              {angle(deg(r.other)), angle(deg(r.single)), angle(deg(r.opposite)), ratio(sine)}),
         fits});
    if (!fits || !trace.candidate)
        return;
    const double x = *trace.candidate;
    if (trace.doubleRoot)
        w.checks.push_back({Sentence::DoubleRoot, {X}, math(X + " = {0}", {angle(90)}), true});
    else
        w.checks.push_back(
            {Sentence::Candidates,
             {X},
             math(fill("$1₁ = {0}, $1₂ = 180° − $1₁ = {1}", {X}), {angle(x), angle(180 - x)}),
             true});
    const int candidates = trace.doubleRoot ? 1 : 2;
    int triangles = 0;
    for (int i = 0; i < candidates; ++i) {
        const SolverTrace::Closure& c = trace.closures[static_cast<std::size_t>(i)];
        const std::string name = trace.doubleRoot ? X : X + (i == 0 ? "₁" : "₂");
        const double value = i == 0 ? x : 180 - x;
        const auto v = [&](Element e) {
            return e == r.x ? value : deg(e);
        };
        const auto n = [&](Element e) {
            return e == r.x ? name : letterOf(e);
        };
        // A difference below what ten decimals show is the candidate's rounding: 0.
        const auto snapped = [](double x) {
            return std::fabs(x) < kUnseen ? 0.0 : x;
        };
        const double sides = snapped(v(r.side1) - v(r.side2)),
                     angles = snapped(v(r.angle1) - v(r.angle2));
        const double sideSum = snapped(v(r.side1) + v(r.side2) - 180),
                     angleSum = snapped(v(r.angle1) + v(r.angle2) - 180);
        const bool differenceHolds = signOf(sides) == signOf(angles);
        const bool sumHolds = signOf(sideSum) == signOf(angleSum);
        w.checks.push_back({Sentence::SameSignDifference,
                            {name},
                            math(fill("$1 − $2 = {0}, $3 − $4 = {1}",
                                      {n(r.side1), n(r.side2), n(r.angle1), n(r.angle2)}),
                                 {angle(sides), angle(angles)}),
                            differenceHolds});
        w.checks.push_back({Sentence::SameSignSum,
                            {name},
                            math(fill("$1 + $2 − 180° = {0}, $3 + $4 − 180° = {1}",
                                      {n(r.side1), n(r.side2), n(r.angle1), n(r.angle2)}),
                                 {angle(sideSum), angle(angleSum)}),
                            sumHolds});
        const bool fitsTriangle = c.tried && c.fits;
        triangles += fitsTriangle ? 1 : 0;
        const Sentence verdict = fitsTriangle                    ? Sentence::CandidateFits
                                 : (differenceHolds && sumHolds) ? Sentence::CandidateOnLimit
                                                                 : Sentence::CandidateFails;
        w.checks.push_back({verdict, {name}, {}, fitsTriangle});
    }
    if (!failed)
        w.checks.push_back(
            {triangles == 2 ? Sentence::TwoTriangles : Sentence::OneTriangle, {}, {}, true});
}

// The third side and angle of one triangle of an ambiguous case, by Napier's analogies in the
// forms the solver took.
void napierAnalogies(std::vector<Step>& steps, const SolverTrace::Closure& c,
                     const AmbiguousRoles& r, const Named& t) {
    const auto f = [&](std::string_view pattern) {
        return fill(pattern, {t(r.side1), t(r.side2), t(r.angle1), t(r.angle2), t(r.thirdSide),
                              t(r.thirdAngle)});
    };
    steps.push_back(step(
        Sentence::HalfSums, {}, "",
        {math(f("($1 + $2)/2 = {0}, ($1 − $2)/2 = {1}, ($3 + $4)/2 = {2}, ($3 − $4)/2 = {3}"),
              {angle((t[r.side1] + t[r.side2]) / 2), angle((t[r.side1] - t[r.side2]) / 2),
               angle((t[r.angle1] + t[r.angle2]) / 2), angle((t[r.angle1] - t[r.angle2]) / 2)})}));
    steps.push_back(
        step(Sentence::NapierAnalogySide, {t(r.thirdSide)},
             f(c.sideByFirst ? "tan($5/2) = sin(($1 + $2)/2)·cos(($3 + $4)/2) / "
                               "(cos(($1 + $2)/2)·cos(($3 − $4)/2))"
                             : "tan($5/2) = sin(($1 − $2)/2)·sin(($3 + $4)/2) / "
                               "(cos(($1 − $2)/2)·sin(($3 − $4)/2))"),
             {math(f("tan($5/2) = {0} / {1} = {2} → $5 = {3}"),
                   {ratio(c.n), ratio(c.d), ratio(quotient(c.n, c.d)), result(t[r.thirdSide])})}));
    steps.push_back(
        step(Sentence::NapierAnalogyAngle, {t(r.thirdAngle)},
             f(c.angleByFirst ? "tan($6/2) = cos(($1 − $2)/2)·cos(($3 + $4)/2) / "
                                "(cos(($1 + $2)/2)·sin(($3 + $4)/2))"
                              : "tan($6/2) = sin(($1 − $2)/2)·cos(($3 − $4)/2) / "
                                "(sin(($1 + $2)/2)·sin(($3 − $4)/2))"),
             {math(f("tan($6/2) = {0} / {1} = {2} → $6 = {3}"),
                   {ratio(c.y), ratio(c.x), ratio(quotient(c.y, c.x)), result(t[r.thirdAngle])})}));
}

// ---- Right and quadrantal triangles: Napier's rules with the quadrant laws. -------------------

// A circular part: an element, or its complement.
struct Part {
    Element e;
    bool complement;
};

// The function of a part as a function of its element: sin of a complement is cos, and so on.
std::string_view function(std::string_view f, bool complement) {
    if (!complement)
        return f;
    if (f == "sin")
        return "cos";
    if (f == "cos")
        return "sin";
    return "cot";
}

double evaluate(std::string_view f, double degrees) {
    const TwoFoldSinCos x = sincosDegrees(degrees);
    if (f == "sin")
        return x.s.hi;
    if (f == "cos")
        return x.c.hi;
    if (f == "tan")
        return quotient(x.s.hi, x.c.hi);
    return quotient(x.c.hi, x.s.hi);
}

// The sides other than the one opposite `right`, and the angles opposite them.
std::array<Element, 2> legsOf(Element right) {
    const Element hypotenuse = dual(right);
    std::array<Element, 2> legs{};
    std::size_t n = 0;
    for (const Element e : {a, b, c})
        if (e != hypotenuse)
            legs[n++] = e;
    return legs;
}

// Napier's rules on triangle `t` with a right angle `right`, finding each element other than
// `known` and `right`; and the quadrant laws.
void napierRules(TriangleWorking& w, const Named& t, Element right,
                 const std::array<Element, 2>& known) {
    const auto [l1, l2] = legsOf(right);
    const Element h = dual(right);
    // The circle of parts: the legs, the complement of the angle opposite the second... in order.
    const std::array<Part, 5> circle{
        {{l1, false}, {l2, false}, {dual(l1), true}, {h, true}, {dual(l2), true}}};
    const auto position = [&](Element e) {
        for (std::size_t i = 0; i < circle.size(); ++i)
            if (circle[i].e == e)
                return i;
        return std::size_t{0};
    };
    w.napier.push_back(step(Sentence::NapierRules, {t(right)},
                            fill("$1, $2, 90° − $3, 90° − $4, 90° − $5",
                                 {t(l1), t(l2), t(dual(l1)), t(h), t(dual(l2))}),
                            {}));
    for (const Element u : kAllElements) {
        if (u == right || u == known[0] || u == known[1])
            continue;
        // Three of five parts in a circle: the middle one is next to both others, or apart from
        // both of them.
        const std::array<std::size_t, 3> parts{position(u), position(known[0]), position(known[1])};
        const auto next = [](std::size_t x, std::size_t y) {
            return (x + 1) % 5 == y || (y + 1) % 5 == x;
        };
        // The middle part and whether the others are next to it.
        const auto [middle, adjacent] = [&]() -> std::pair<std::size_t, bool> {
            for (const bool wanted : {true, false})
                for (std::size_t i = 0; i < 3; ++i) {
                    const std::size_t m = parts[i];
                    if (next(m, parts[(i + 1) % 3]) == wanted &&
                        next(m, parts[(i + 2) % 3]) == wanted)
                        return {m, wanted};
                }
            return {parts[0], true};
        }();
        const std::size_t iu = parts[0];
        std::array<std::size_t, 2> others{parts[1], parts[2]};
        if (middle != iu)
            others = {iu, middle == parts[1] ? parts[2] : parts[1]};
        const std::string_view pairF = adjacent ? "tan" : "cos";
        const Part m = circle[middle], o1 = circle[others[0]], o2 = circle[others[1]];
        const auto term = [&](std::string_view f, const Part& p) {
            return std::string(function(f, p.complement)) + " " + t(p.e);
        };
        const std::string rule = term("sin", m) + " = " + term(pairF, o1) + "·" + term(pairF, o2);
        const auto valueOf = [&](std::string_view f, const Part& p) {
            return evaluate(function(f, p.complement), t[p.e]);
        };
        // Solved for u, with the known parts' values put in.
        std::string solved;
        std::vector<Value> numbers;
        double value = 0;
        if (middle == iu) {
            solved = term("sin", m) + " = " + std::string(function(pairF, o1.complement)) +
                     " {0}·" + std::string(function(pairF, o2.complement)) + " {1}";
            numbers = {angle(t[o1.e]), angle(t[o2.e])};
            value = valueOf(pairF, o1) * valueOf(pairF, o2);
        } else {
            const Part& other = circle[others[1]];
            solved = term(pairF, o1) + " = " + std::string(function("sin", m.complement)) +
                     " {0} / " + std::string(function(pairF, other.complement)) + " {1}";
            numbers = {angle(t[m.e]), angle(t[other.e])};
            value = quotient(valueOf("sin", m), valueOf(pairF, other));
        }
        numbers.push_back(ratio(value));
        numbers.push_back(result(t[u]));
        w.napier.push_back(step(Sentence::NapierRule, {t(u)}, rule,
                                {math(solved + " = {2} → " + t(u) + " = {3}", numbers)}));
    }
    // The quadrant laws: a leg and its opposite angle in one quadrant; the hypotenuse under 90
    // degrees when the legs are in one quadrant.
    // An element of 90 degrees lies in both quadrants.
    const auto ninety = [](double x) {
        return std::fabs(x - 90) <= kRightTolerance;
    };
    for (const Element l : {l1, l2}) {
        const bool holds = (t[l] < 90) == (t[dual(l)] < 90) || ninety(t[l]) || ninety(t[dual(l)]);
        w.quadrants.push_back(
            {Sentence::QuadrantSame,
             {t(l), t(dual(l))},
             math(t(l) + " = {0}, " + t(dual(l)) + " = {1}", {angle(t[l]), angle(t[dual(l)])}),
             holds});
    }
    const bool same = (t[l1] < 90) == (t[l2] < 90);
    w.quadrants.push_back({Sentence::QuadrantHypotenuse,
                           {t(h), t(l1), t(l2)},
                           math(fill("$1 = {0}, $2 = {1} → $3 = {2}", {t(l1), t(l2), t(h)}),
                                {angle(t[l1]), angle(t[l2]), angle(t[h])}),
                           ninety(t[h]) || ninety(t[l1]) || ninety(t[l2]) || (t[h] < 90) == same});
}

std::optional<Element> rightElement(const Named& t, bool sides) {
    for (const Element e : kAllElements)
        if (isSide(e) == sides && std::fabs(t[e] - 90) <= kRightTolerance)
            return e;
    return std::nullopt;
}

// Two known elements other than `right`: the given ones, or for a right angle found, the first
// two given.
std::array<Element, 2> knownOf(const GivenElements& given, Element right) {
    std::array<Element, 2> known{};
    std::size_t n = 0;
    for (const Element e : given)
        if (e != right && n < 2)
            known[n++] = e;
    return known;
}

void rightTriangle(TriangleWorking& w, const Named& t, const GivenElements& given) {
    if (const auto right = rightElement(t, false)) {
        napierRules(w, t, *right, knownOf(given, *right));
        return;
    }
    const auto quadrantal = rightElement(t, true);
    if (!quadrantal)
        return;
    // A side of 90 degrees: its polar triangle has a right angle.
    const Named polar = polarOf(t);
    w.napier.push_back(step(Sentence::NapierQuadrantal, {t(*quadrantal)}, "", {}));
    w.napier.push_back(polarStep(t, polar, {kAllElements.begin(), kAllElements.end()}));
    GivenElements polarGiven{};
    for (std::size_t i = 0; i < given.size(); ++i)
        polarGiven[i] = dual(given[i]);
    napierRules(w, polar, dual(*quadrantal), knownOf(polarGiven, dual(*quadrantal)));
    Step back = step(Sentence::BackFromPolar, {}, "", {});
    for (const Element e : kAllElements)
        if (std::find(given.begin(), given.end(), e) == given.end())
            back.substituted.push_back(
                math(t(e) + " = 180° − " + polar(dual(e)) + " = {0}", {result(t[e])}));
    w.napier.push_back(back);
}

// ---- Measures and the check. ------------------------------------------------------------------

void measureSteps(TriangleWorking& w, const Named& t, const Measures& m) {
    const auto value = [&](Measure which) {
        return measureValue(m, which);
    };
    const auto shownValue = [&](Measure which, Quantity kind) -> Value {
        return {value(which).value_or(std::nan("")), kind};
    };
    const double A = t[Element::A], B = t[Element::B], C = t[Element::C];
    const double sa = t[Element::a], sb = t[Element::b], sc = t[Element::c];
    const auto computed = [&](Measure, Step s) {
        w.measures.push_back(std::move(s));
    };
    computed(
        Measure::Excess,
        step(Sentence::Excess, {}, "E = A + B + C − 180°",
             {math("E = {0} + {1} + {2} − 180° = {3}",
                   {angle(A), angle(B), angle(C), shownValue(Measure::Excess, Quantity::Angle)})}));
    computed(Measure::Area,
             step(Sentence::Area, {}, "S = E·π/180°",
                  {math("S = {0}·π/180° = {1}", {shownValue(Measure::Excess, Quantity::Angle),
                                                 shownValue(Measure::Area, Quantity::Area)})}));
    computed(Measure::Perimeter, step(Sentence::Perimeter, {}, "2p = a + b + c",
                                      {math("2p = {0} + {1} + {2} = {3}",
                                            {angle(sa), angle(sb), angle(sc),
                                             shownValue(Measure::Perimeter, Quantity::Angle)})}));
    const auto tangent = [&](Measure which) {
        return ratio(evaluate("tan", value(which).value_or(0)));
    };
    computed(Measure::Circumradius,
             step(Sentence::Circumradius, {},
                  "tan R = √(−cos S / (cos(S − A)·cos(S − B)·cos(S − C))), S = (A + B + C)/2",
                  {math("S = {0}; tan R = {1} → R = {2}",
                        {angle((A + B + C) / 2), tangent(Measure::Circumradius),
                         shownValue(Measure::Circumradius, Quantity::Angle)})}));
    computed(Measure::Inradius,
             step(Sentence::Inradius, {},
                  "tan r = √(sin(s − a)·sin(s − b)·sin(s − c) / sin s), s = (a + b + c)/2",
                  {math("s = {0}; tan r = {1} → r = {2}",
                        {angle((sa + sb + sc) / 2), tangent(Measure::Inradius),
                         shownValue(Measure::Inradius, Quantity::Angle)})}));
}

void cosineCheck(TriangleWorking& w, const Named& t) {
    for (const Element side : {a, b, c}) {
        const auto others = legsOf(dual(side));
        const Element p = others[0], q = others[1], P = dual(side);
        // In two doubles, so that the residual is that of the elements, not of the arithmetic.
        const TwoFoldSinCos x = sincosDegrees(t[side]), y = sincosDegrees(t[p]),
                            z = sincosDegrees(t[q]), Z = sincosDegrees(t[P]);
        const TwoFold left = x.c, right = y.c * z.c + y.s * z.s * Z.c;
        w.check.push_back(
            step(Sentence::CosineTheorem, {t(side)},
                 fill("cos $1 = cos $2·cos $3 + sin $2·sin $3·cos $4", {t(side), t(p), t(q), t(P)}),
                 {math(fill("cos $1 = {0}; cos $2·cos $3 + sin $2·sin $3·cos $4 = {1}",
                            {t(side), t(p), t(q), t(P)}),
                       {ratio(left.hi), ratio(right.hi)}),
                  math(fill("cos $1 − (cos $2·cos $3 + sin $2·sin $3·cos $4) = {0}",
                            {t(side), t(p), t(q), t(P)}),
                       {{(left - right).hi, Quantity::Residual}})}));
    }
}

// ---- The existence checks of each case. -------------------------------------------------------

void rangeChecks(Working& w, const Calculation& calc) {
    for (const auto& [e, degrees] : w.given)
        w.checks.push_back(
            {Sentence::InRange,
             {letterOf(e)},
             math("0° < {0} < 180°", {angle(degrees)}),
             (!calc.outOfRange || *calc.outOfRange != e) && degrees > 0 && degrees < 180});
}

void sideChecks(Working& w, const DegreesRead& d, bool angles) {
    const std::array<Element, 3> sides = angles ? std::array{A, B, C} : std::array{a, b, c};
    const auto v = [&](Element e) {
        return d[index(e)];
    };
    const double sum = v(sides[0]) + v(sides[1]) + v(sides[2]);
    if (!angles) {
        for (std::size_t i = 0; i < 3; ++i) {
            const Element e = sides[i], p = sides[(i + 1) % 3], q = sides[(i + 2) % 3];
            w.checks.push_back({Sentence::SideLessThanSum,
                                {letterOf(e), letterOf(p), letterOf(q)},
                                math("{0} < {1} + {2} = {3}",
                                     {angle(v(e)), angle(v(p)), angle(v(q)), angle(v(p) + v(q))}),
                                v(e) < v(p) + v(q)});
        }
        w.checks.push_back({Sentence::SidesUnder360,
                            {},
                            math("{0} + {1} + {2} = {3} < 360°",
                                 {angle(v(a)), angle(v(b)), angle(v(c)), angle(sum)}),
                            sum < 360});
        return;
    }
    const Math total =
        math("{0} + {1} + {2} = {3}", {angle(v(A)), angle(v(B)), angle(v(C)), angle(sum)});
    w.checks.push_back({Sentence::AnglesOver180, {}, total, sum > 180});
    w.checks.push_back({Sentence::AnglesUnder540, {}, total, sum < 540});
    for (std::size_t i = 0; i < 3; ++i) {
        const Element e = sides[i], p = sides[(i + 1) % 3], q = sides[(i + 2) % 3];
        w.checks.push_back(
            {Sentence::PolarInequality,
             {letterOf(e), letterOf(p), letterOf(q)},
             math("{0} + {1} = {2} < 180° + {3} = {4}",
                  {angle(v(p)), angle(v(q)), angle(v(p) + v(q)), angle(v(e)), angle(180 + v(e))}),
             v(p) + v(q) < 180 + v(e)});
    }
}

// Marks the check that the reason no triangle fits names as failing, in case the numbers' own
// comparison, on a limit, did not.
void markFailure(Working& w, const NoTriangleReason& reason) {
    const std::string name = letterOf(reason.element);
    const auto mark = [&](Sentence rule, bool byElement) {
        for (Check& c : w.checks)
            if (c.rule == rule && (!byElement || (!c.words.empty() && c.words[0] == name))) {
                c.holds = false;
                return true;
            }
        return false;
    };
    switch (reason.why) {
    case NoTriangleWhy::SidesInequality:
        mark(Sentence::SideLessThanSum, true);
        return;
    case NoTriangleWhy::SidesSum:
        mark(Sentence::SidesUnder360, false);
        return;
    case NoTriangleWhy::AnglesSum:
        mark(Sentence::AnglesOver180, false);
        return;
    case NoTriangleWhy::AnglesInequality:
        mark(Sentence::PolarInequality, true);
        return;
    case NoTriangleWhy::SineCondition:
        mark(Sentence::SineRule, false);
        return;
    case NoTriangleWhy::NoClosure:
        return; // each candidate's verdict says it
    case NoTriangleWhy::Undetermined:
        w.checks.push_back({Sentence::NotDetermined, {}, {}, false});
        return;
    case NoTriangleWhy::Degenerate:
        if (std::none_of(w.checks.begin(), w.checks.end(), [](const Check& c) { return !c.holds; }))
            w.checks.push_back({Sentence::DegenerateTriangle, {}, {}, false});
        return;
    }
}

TriangleWorking triangleWorking(const Calculation& calc, const SolverTrace& trace,
                                const CaseRoles& roles, const GivenElements& given,
                                const DegreesRead& degrees, bool additional) {
    TriangleWorking w;
    w.additional = additional;
    const TriangleSolution& solution = additional ? *calc.additional : calc.primary;
    w.elements = shown(solution);
    // The given elements as read, the found ones as shown.
    std::array<double, kElements> values = w.elements;
    for (const Element e : given)
        values[index(e)] = degrees[index(e)];
    const Named t = named(values);
    switch (roles.kind) {
    case Case::SSS:
        briggs(w.steps, trace, t);
        break;
    case Case::AAA: {
        const Named polar = polarOf(t);
        w.steps.push_back(polarStep(t, polar, {a, b, c}));
        briggs(w.steps, trace, polar);
        Step back =
            step(Sentence::BackFromPolar, {}, "a = 180° − A′, b = 180° − B′, c = 180° − C′", {});
        for (const Element e : {a, b, c})
            back.substituted.push_back(
                math(t(e) + " = 180° − {0} = {1}", {angle(polar[dual(e)]), result(t[e])}));
        w.steps.push_back(back);
        break;
    }
    case Case::SAS:
        delambre(w.steps, trace, t, roles.given, roles.found);
        break;
    case Case::ASA: {
        const Named polar = polarOf(t);
        w.steps.push_back(polarStep(
            t, polar, {dual(roles.given[0]), dual(roles.given[1]), dual(roles.given[2])}));
        // On the polar triangle the given angles are sides and the given side an angle.
        const auto [P, Q, g] = roles.given;
        const auto [p, q, G] = roles.found;
        delambre(w.steps, trace, polar, {dual(g), dual(P), dual(Q)}, {dual(p), dual(q), dual(G)});
        Step back = step(Sentence::BackFromPolar, {}, "", {});
        for (const Element e : roles.found)
            back.substituted.push_back(math(t(e) + " = 180° − " + polar(dual(e)) +
                                                " = 180° − {0} "
                                                "= {1}",
                                            {angle(polar[dual(e)]), result(t[e])}));
        w.steps.push_back(back);
        break;
    }
    case Case::SSA:
    case Case::AAS: {
        const AmbiguousRoles r = ambiguousRoles(roles);
        const std::size_t which =
            additional || !(trace.closures[0].tried && trace.closures[0].fits) ? 1 : 0;
        napierAnalogies(w.steps, trace.closures[which], r, t);
        break;
    }
    }
    // The cosine theorem that a course teaches first, where it would lose digits.
    if (std::min({t[a], t[b], t[c]}) < kSmallSide && roles.kind != Case::SSA &&
        roles.kind != Case::AAS)
        w.steps.insert(w.steps.begin(), step(Sentence::CosineLosesDigits, {}, "", {}));
    rightTriangle(w, t, given);
    if (const auto& m = additional ? calc.additionalMeasures : calc.primaryMeasures)
        measureSteps(w, t, *m);
    cosineCheck(w, t);
    return w;
}

} // namespace

Working workingOf(const Calculation& calc) {
    Working w;
    w.outcome = calc.outcome;
    if (!calc.kind || calc.outcome == Outcome::NotReadWhole)
        return w;
    w.kind = calc.kind;
    GivenElements given{};
    DegreesRead degrees{};
    std::size_t n = 0;
    for (const Element e : kAllElements)
        if (calc.isGiven(e) && n < given.size()) {
            given[n++] = e;
            degrees[index(e)] = calc.reading(e).degrees.value_or(0);
            w.given.emplace_back(e, degrees[index(e)]);
        }
    rangeChecks(w, calc);
    if (calc.outOfRange)
        return w;

    // The same solver on the same degrees, recording its intermediate values.
    SolverTrace trace;
    bool failed = false;
    try {
        solve(degrees, given, &trace);
    } catch (const Failure&) {
        failed = true;
    }
    const CaseRoles roles = rolesOf(given);
    switch (roles.kind) {
    case Case::SSS:
        sideChecks(w, degrees, false);
        break;
    case Case::AAA:
        sideChecks(w, degrees, true);
        break;
    case Case::SAS:
    case Case::ASA:
        w.checks.push_back({Sentence::AlwaysOne, {}, {}, true});
        break;
    case Case::SSA:
    case Case::AAS:
        ambiguousChecks(w, trace, ambiguousRoles(roles), degrees, failed);
        break;
    }
    if (calc.noTriangle)
        markFailure(w, *calc.noTriangle);
    if (!calc.hasTriangles())
        return w;
    w.triangles.push_back(triangleWorking(calc, trace, roles, given, degrees, false));
    if (calc.additional)
        w.triangles.push_back(triangleWorking(calc, trace, roles, given, degrees, true));
    return w;
}

} // namespace esferica
