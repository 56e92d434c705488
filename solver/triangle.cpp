// SPDX-License-Identifier: GPL-3.0-or-later
// How the six cases are solved. No step takes an inverse cosine or sine: every element found is
// twice the angle of a point (x, y), or the sum or difference of two such angles, where x and y are
// products of sines and cosines of half sums and half differences of elements, so that no
// quantity is a difference of nearly equal numbers unless the data make it one. The laws of
// cosines that these replace take the inverse cosine of a number near 1 on a small triangle and
// lose about two digits for every tenfold smaller side.
//
// Every element is held as whole quarter turns and a remainder (numeric/reduced.h), and the angle
// of a point is taken as such (ReducedAngle::angleOf), so an element found keeps its relative
// accuracy next to 0, 90 and 180 degrees: 180 degrees less an angle of 179.99999999999999 is
// 1e-14 degrees to its last digits. The half sums and differences of given elements are taken from
// the given values themselves, in degrees as typed: their sum, carried in two doubles
// (numeric/extended.h), loses its whole quarter turns before it is rounded once, so (b + c - a)/2
// of a sliver, or the excess of three typed angles, keeps every digit the data have.
//
// Accuracy, stated beside each formula: the relative error of each quantity, in units of
// u = 2^-53, that the next one builds on. An element found is within some tens of u of its
// remainder, 1e-14 of itself near 0 or 180 degrees, and a few units in the last place of pi
// elsewhere.
//
// Limits. What decides whether data fit a triangle is taken from the data themselves, with the
// rounding of their reading added (triangle.h): the four half defects of SSS and AAA and, in the
// ambiguous cases, the sum and difference of the two given elements of one kind, from their sums
// in two doubles; and the double root, from the sine rule's cosine carried in TwoFold wherever
// double precision cannot tell it from 0. Within that rounding of 0 a quantity is taken for 0: the
// data are degenerate, or a double root.
//
// Notation: in each function p, q, r are sides or angles in the roles that its comment names; s
// and c after a sincos() are a sine and a cosine.
#include "solver/triangle.h"

#include "numeric/angles.h"
#include "numeric/bounded.h"
#include "numeric/extended.h"
#include "numeric/reduced.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <optional>
#include <utility>

namespace esferica {

namespace {

constexpr double kUnit = Bounded::kUnitRoundoff;

// Below this a given element is taken for 0. The formulas multiply sines of two half elements,
// and down to here such a product is still a normal double with all its digits; below it, sides of
// 1e-160 degrees gave a double root where there are two triangles.
constexpr double kSmallest = 0x1p-500;                       // radians
constexpr double kSmallestDegrees = 1.7503496030957104e-149; // the same, 2^-500 * 180 / kPi

// Relative errors that the formulas below build on. A sine or cosine of a held angle is within
// 2u of that of the angle held, and the remainder of a given element or of a half sum of given
// elements is within kSumError (4u) of itself, which moves its sine or cosine by at most that
// again, relatively: 6u.
constexpr double kSineOfData = 2 * kUnit + ReducedAngle::kSumError;
// A product of two such: 13u.
constexpr double kProductOfData = 2 * kSineOfData + kUnit;

// The given elements of one call, all in one unit: degrees as read, or the program's radians.
class Data {
public:
    explicit Data(Unit unit, SolverTrace* trace = nullptr) : unit_(unit), trace_(trace) {}

    Unit unit() const { return unit_; }
    // Where the intermediate values go, if anywhere.
    SolverTrace* trace() const { return trace_; }
    double half() const { return halfTurn(unit_); }

    // A given element: strictly between 0 and 180 degrees and not under 2^-500 radians, or no
    // triangle fits (a side or an angle of 0 or 180 degrees).
    void check(double x) const {
        const double smallest = unit_ == Unit::Degrees ? kSmallestDegrees : kSmallest;
        if (!(x > smallest && x < half()))
            fail(FailureKind::DivisionByZero);
    }
    // The same, held.
    ReducedAngle given(double x) const {
        check(x);
        return ReducedAngle::ofSum(TwoFoldSum{x}, unit_);
    }

    // What reading may have moved a given element: half a unit in the last place of the double
    // read from the typed degrees, at most u |x|; in the program's radians, from typed degrees
    // through GradtoRad, two roundings more.
    double reading(double x) const {
        return (unit_ == Unit::Degrees ? 1 : 3) * kUnit * std::fabs(x);
    }
    // The same in the program's radians.
    double readingRadians(double x) const {
        return reading(x) * (unit_ == Unit::Degrees ? kPi / 180 : 1);
    }

    // The sine of a given element in TwoFold: the whole quarter turns taken off exactly, the rest
    // turned into true radians and its sine taken by the series.
    TwoFold sine(double x) const {
        const double quarter = quarterTurn(unit_);
        const auto quarters = static_cast<int>(std::lround(x / quarter));
        const double rest = x - quarters * quarter; // exact: x lies in (0, 180) degrees (Sterbenz)
        const TwoFold perUnit =
            unit_ == Unit::Degrees ? kRadiansPerDegree : kRadiansPerProgramRadian;
        const TwoFoldSinCos sc = sincos(perUnit * rest);
        return quarters == 0 ? sc.s : quarters == 1 ? sc.c : -sc.s;
    }

private:
    Unit unit_;
    SolverTrace* trace_;
};

double degreesOf(const ReducedAngle& x) {
    return RadtoGrad(x.radians()).value();
}

// Half the sum of the terms: each halved (exactly), added in two doubles.
TwoFoldSum halfSum(std::initializer_list<double> terms) {
    TwoFoldSum s;
    for (const double t : terms)
        s += t / 2;
    return s;
}

// Whether an element held lies strictly between 0 and 180 degrees.
bool inside(const ReducedAngle& x) {
    const double rest = x.rest().value().value();
    return (x.quarters() == 0 && rest > 0) || x.quarters() == 1 || (x.quarters() == 2 && rest < 0);
}

// The four half defects of three sides p, q, r: pi - s, s - p, s - q, s - r, with s the half
// perimeter. Each is positive in a triangle (a perimeter under 360 degrees, and the triangle
// inequalities), and the four add up to pi. Each is a number of half turns and the halves of p,
// q, r with these signs, summed in two doubles from the data, so that a small one keeps its digits
// however large the sides. For three angles, those of the polar triangle, whose sides are their
// supplements: (P + Q + R)/2 - 90 degrees, 90 degrees + (P - Q - R)/2, and so on.
struct DefectTerms {
    double halfTurns;
    std::array<double, 3> signs;
};
constexpr std::array<DefectTerms, 4> kSideDefects{
    {{1, {-1, -1, -1}}, {0, {-1, 1, 1}}, {0, {1, -1, 1}}, {0, {1, 1, -1}}}};
constexpr std::array<DefectTerms, 4> kPolarDefects{
    {{-0.5, {1, 1, 1}}, {0.5, {1, -1, -1}}, {0.5, {-1, 1, -1}}, {0.5, {-1, -1, 1}}}};

// The half-angle formulas of three sides p, q, r. With s the half perimeter, the angle P opposite
// p has
//   tan(P/2) = k / t_p,   t_p = sin(s - p) / sin s,   k^2 = t_p t_q t_r.
// A half defect that the rounding of the data can put at 0 is a degenerate triangle; one below 0
// is no triangle. The ratios to sin s stay near 1 on a small triangle, where the sines themselves
// are small. Accuracy: each sine within kSineOfData (6u), each t within 13u, k within
// (3 * 13u + 2u)/2 + u = 22u.
struct HalfTangents {
    Real k, tp, tq, tr;
};
constexpr double kHalfTangentError = 22 * kUnit;
HalfTangents halfTangents(const Data& data, const std::array<double, 3>& given,
                          const std::array<DefectTerms, 4>& terms) {
    double reading = 0;
    for (const double x : given) {
        data.check(x);
        reading += data.reading(x) / 2;
    }
    std::array<Real, 4> sines;
    for (std::size_t i = 0; i < terms.size(); ++i) {
        TwoFoldSum defect = halfSum({2 * terms[i].halfTurns * data.half()});
        for (std::size_t j = 0; j < given.size(); ++j)
            defect += terms[i].signs[j] * given[j] / 2;
        const double value = defect.value();
        if (std::fabs(value) <= reading)
            fail(FailureKind::DivisionByZero);
        if (value < 0)
            fail(FailureKind::NegativeSquareRoot);
        sines[i] = ReducedAngle::ofSum(defect, data.unit()).sineValue();
        if (SolverTrace* trace = data.trace()) {
            trace->defects[i] = value;
            trace->defectSines[i] = sines[i].value();
        }
    }
    const Real tp = sines[1] / sines[0], tq = sines[2] / sines[0], tr = sines[3] / sines[0];
    const Real k = sqrt(tp * tq * tr);
    if (SolverTrace* trace = data.trace()) {
        trace->tp = tp.value();
        trace->tq = tq.value();
        trace->tr = tr.value();
        trace->k = k.value();
    }
    return {k, tp, tq, tr};
}

// Three sides: the angles, 2 atan2(k, t) each.
Found threeSides(const Data& data, double a, double b, double c) {
    const HalfTangents t = halfTangents(data, {a, b, c}, kSideDefects);
    const auto angle = [&](Real tp) {
        return ReducedAngle::angleOf(t.k, tp, kHalfTangentError).twice();
    };
    return {angle(t.tp), angle(t.tq), angle(t.tr)};
}

// Three angles: the sides of the triangle whose polar one has the supplements for sides,
// 180 - A' = 2 atan2(t_a, k), with no subtraction from 180 degrees.
Found threeAngles(const Data& data, double A, double B, double C) {
    const HalfTangents t = halfTangents(data, {A, B, C}, kPolarDefects);
    const auto side = [&](Real tp) {
        return ReducedAngle::angleOf(tp, t.k, kHalfTangentError).twice();
    };
    return {side(t.tp), side(t.tq), side(t.tr)};
}

// Two sides with the angle G between them, and their half sum and half difference, held; and the
// given elements whose sines are the sides' (the sides themselves, or the angles whose
// supplements they are), which only a small angle found needs.
struct SidesAndAngle {
    const Data& data;
    double p, q;
    ReducedAngle G, halfSum, halfDifference;
};

// Delambre's analogies for two sides p, q and the angle G between them, with P, Q the angles
// opposite p, q and g the side opposite G:
//   sin(g/2) cos((P - Q)/2) = sin((p + q)/2) sin(G/2) = x1
//   sin(g/2) sin((P - Q)/2) = sin((p - q)/2) cos(G/2) = y1
//   cos(g/2) cos((P + Q)/2) = cos((p + q)/2) sin(G/2) = x2
//   cos(g/2) sin((P + Q)/2) = cos((p - q)/2) cos(G/2) = y2
// x1 and y2 are positive; (P + Q)/2 = atan2(y2, x2), (P - Q)/2 = atan2(y1, x1), and g/2 the angle
// of (hypot(x2, y2), hypot(x1, y1)). Each product is within kProductOfData (13u), a hypot within
// 14u. The smaller of P and Q, where the sum or difference of the two half angles cancels more
// than half of it, comes from the sine rule instead, sin P = sin p sin G / sin g: within
// 14u + 13u + 14u + 14u + 3u = 58u, and its cosine (at least that of 45 degrees) within 61u.
constexpr double kHypotError = kProductOfData + kUnit;
constexpr double kSineRuleError = 61 * kUnit;
Found delambre(const SidesAndAngle& d) {
    const auto sum = d.halfSum.sincosValues(), difference = d.halfDifference.sincosValues();
    const auto half = d.G.half().sincosValues();
    const Real x1 = sum.s * half.s, y1 = difference.s * half.c;
    const Real x2 = sum.c * half.s, y2 = difference.c * half.c;
    const Real sinHalfG = hypot(x1, y1), cosHalfG = hypot(x2, y2);
    const ReducedAngle g = ReducedAngle::angleOf(sinHalfG, cosHalfG, kHypotError).twice();
    const ReducedAngle halfAngleSum = ReducedAngle::angleOf(y2, x2, kProductOfData);
    const ReducedAngle halfAngleDifference = ReducedAngle::angleOf(y1, x1, kProductOfData);
    Found found{halfAngleSum + halfAngleDifference, halfAngleSum - halfAngleDifference, g};
    SolverTrace* trace = d.data.trace();
    if (trace) {
        trace->halfSum = degreesOf(d.halfSum);
        trace->halfDifference = degreesOf(d.halfDifference);
        trace->halfAngle = degreesOf(d.G.half());
        trace->x1 = x1.value();
        trace->y1 = y1.value();
        trace->x2 = x2.value();
        trace->y2 = y2.value();
        trace->halfAngleSum = degreesOf(halfAngleSum);
        trace->halfAngleDifference = degreesOf(halfAngleDifference);
        trace->halfThird = degreesOf(g.half());
    }

    const bool pSmaller = halfAngleDifference.negative();
    ReducedAngle& smaller = pSmaller ? found[0] : found[1];
    const Real smallerRadians = smaller.radians();
    if (smallerRadians < ReducedAngle::kEighth && 2 * smallerRadians < halfAngleSum.radians()) {
        // sin G / sin g = sin(G/2) cos(G/2) / (sin(g/2) cos(g/2)), all at hand, and so is
        // sin p = sin((p + q)/2) cos((p - q)/2) + cos((p + q)/2) sin((p - q)/2) where its two
        // terms have one sign (sin q with the second term turned).
        const Real first = sum.s * difference.c,
                   second = pSmaller ? sum.c * difference.s : -(sum.c * difference.s);
        const Real sinSide =
            (second >= 0) ? first + second : d.data.given(pSmaller ? d.p : d.q).sineValue();
        const Real s = sinSide * (half.s * half.c) / (sinHalfG * cosHalfG);
        smaller = ReducedAngle::angleOf(s, sqrt((1 - s) * (1 + s)), kSineRuleError);
        if (trace) {
            trace->bySineRule = pSmaller ? 0 : 1;
            trace->sineRuleSine = s.value();
        }
    }
    return found;
}

// Two sides and the angle between them.
Found sideAngleSide(const Data& data, double G, double p, double q) {
    data.check(p);
    data.check(q);
    return delambre({data, p, q, data.given(G), ReducedAngle::ofSum(halfSum({p, q}), data.unit()),
                     ReducedAngle::ofSum(halfSum({p, -q}), data.unit())});
}

// Two angles P, Q and the side g between them: the same on the polar triangle, whose sides
// 180 - P and 180 - Q enclose the angle 180 - g, and whose results are the supplements of the
// ones sought. The half sum of the polar sides is 180 - (P + Q)/2, their half difference
// (Q - P)/2, both from the data.
Found angleSideAngle(const Data& data, double P, double Q, double g) {
    data.check(P);
    data.check(Q);
    const Found polar =
        delambre({data, P, Q, data.given(g).supplement(),
                  ReducedAngle::ofSum(halfSum({2 * data.half(), -P, -Q}), data.unit()),
                  ReducedAngle::ofSum(halfSum({Q, -P}), data.unit())});
    return {polar[0].supplement(), polar[1].supplement(), polar[2].supplement()};
}

// Half the sum and half the difference of two elements, with their sines and cosines.
struct HalfSums {
    SinCos<Bounded> sum, difference;
};
HalfSums halfSums(const ReducedAngle& p, const ReducedAngle& q) {
    return {(p + q).half().sincos(), (p - q).half().sincos()};
}

// The roles of an ambiguous case: `single` is the given element of one kind (the angle of SSA,
// the side of AAS), `opposite` the given element of the other kind that lies opposite it, `other`
// the other given element of that kind. The sine rule finds the element of the kind of `single`
// that lies opposite `other`.
struct Roles {
    double single, opposite, other;
};

// The sine rule for the element x opposite q, sin x = sin q sin P / sin p (P the single element,
// p opposite it), as its acute candidate x and whether the supplement is a second one. With
// y = sin q sin P,
//   sin^2 p cos^2 x = (sin p - y)(sin p + y) = sin(p + q) sin(p - q) + sin^2 q cos^2 P,
// taken in the form with the smaller error bound: the second where p, q and P lie near 90
// degrees. Where that bound and the rounding of the data cannot tell it from 0, it is taken again
// in TwoFold from the data themselves, with an error of some 1e-31 against that rounding of some
// 1e-16 (both relative to sin^2 p): within the rounding of 0 it is a double root, x = 90 degrees
// exactly; below 0 no x fits (the square root fails).
struct SineRule {
    ReducedAngle x;
    bool twoCandidates;
};
constexpr double kTwoFoldError = 1e-30;
SineRule sineRule(const Data& data, const Roles& roles, const ReducedAngle& P,
                  const ReducedAngle& p, const ReducedAngle& q, const HalfSums& pq) {
    const Bounded sp = p.sine(), sq = q.sine();
    const SinCos<Bounded> sP = P.sincos();
    const Bounded y = sq * sP.s;
    const Bounded byDifference = (sp - y) * (sp + y);
    const Bounded sum = 2 * pq.sum.s * pq.sum.c, difference = 2 * pq.difference.s * pq.difference.c;
    const Bounded qP = sq * sP.c;
    const Bounded byIdentity = sum * difference + qP * qP;
    Bounded cosine2 = byDifference.error() <= byIdentity.error() ? byDifference : byIdentity;
    SolverTrace* trace = data.trace();
    if (trace) {
        trace->sineOfOpposite = sp.value().value();
        trace->sineProduct = y.value().value();
    }

    // The reading of each datum moves sin^2 p cos^2 x by its slope times that reading: the slopes
    // are 2 sin p cos p, 2 sin q cos q sin^2 P and 2 sin^2 q sin P cos P, each at most 1, so twice
    // the sum of the readings is a generous gate to the exact test.
    const double rp = data.readingRadians(roles.opposite), rq = data.readingRadians(roles.other);
    const double rP = data.readingRadians(roles.single);
    if (std::fabs(cosine2.value().value()) <= cosine2.error() + 2 * (rp + rq + rP)) {
        const TwoFold s2p = data.sine(roles.opposite), s2q = data.sine(roles.other);
        const TwoFold s2P = data.sine(roles.single);
        const TwoFold y2 = s2q * s2P;
        const double precise = ((s2p - y2) * (s2p + y2)).hi;
        const double scale = s2p.hi * s2p.hi + y2.hi * y2.hi;
        const SinCos<Real> cp = p.sincosValues(), cq = q.sincosValues(), cP = P.sincosValues();
        const auto v = [](Real x) {
            return std::fabs(x.value());
        };
        const double rounding = 2 * (v(cp.s * cp.c) * rp + v(cq.s * cq.c * cP.s * cP.s) * rq +
                                     v(cq.s * cq.s * cP.s * cP.c) * rP);
        // The slopes come from sines within some ten u of their own: a margin of 32u covers them.
        if (std::fabs(precise) <= rounding * (1 + 32 * kUnit) + kTwoFoldError * scale) {
            if (trace) {
                trace->cosine2 = 0;
                trace->candidate = 90;
                trace->doubleRoot = true;
            }
            return {ReducedAngle::quarterTurns(1), false};
        }
        cosine2 = Bounded(precise, kUnit * std::fabs(precise));
    }
    if (trace)
        trace->cosine2 = cosine2.value().value();
    const ReducedAngle x = ReducedAngle::angleOf(y, sqrt(cosine2));
    if (trace)
        trace->candidate = degreesOf(x);
    return {x, true};
}

// A quotient n / d of two Bounded parts, as the relative error that their bounds allow:
// e_n / |n| + e_d / |d|, in one division.
double relativeError(const Bounded& n, const Bounded& d) {
    const double product = n.magnitude() * d.magnitude();
    return product > 0 ? (n.error() * d.magnitude() + d.error() * n.magnitude()) / product
                       : std::numeric_limits<double>::infinity();
}

Bounded magnitudeOf(const Bounded& x) {
    return {abs(x.value()), x.error()};
}

// The third side c and angle C of the triangle with sides a, b and the angles A, B opposite them,
// by Napier's analogies, from the half sums and differences of the sides and of the angles; none
// when the four fit no triangle. Each of c and C comes from one of two analogies:
//   tan(c/2) = sin((a + b)/2) cos((A + B)/2) / (cos((a + b)/2) cos((A - B)/2))
//            = sin((a - b)/2) sin((A + B)/2) / (cos((a - b)/2) sin((A - B)/2))
//   tan(C/2) = cos((a - b)/2) cos((A + B)/2) / (cos((a + b)/2) sin((A + B)/2))
//            = sin((a - b)/2) cos((A - B)/2) / (sin((a + b)/2) sin((A - B)/2))
// The first of each pair is 0/0 when a + b and A + B are 180 degrees, the second when a = b and
// A = B; each is taken from the pair whose quotient has the smaller error bound, which next to a
// third side of 0 or 180 degrees is the pair whose parts come from the data (a - b or A + B
// cancel there). Both are 0/0 only when a, b, A and B are all 90 degrees, which leaves c free:
// that fails as a division by zero. The candidate fits when the two parts of each quotient have
// one sign.
std::optional<std::pair<ReducedAngle, ReducedAngle>>
complete(const HalfSums& sides, const HalfSums& angles, SolverTrace::Closure* trace) {
    const Bounded n1 = sides.sum.s * angles.sum.c, d1 = sides.sum.c * angles.difference.c;
    const Bounded n2 = sides.difference.s * angles.sum.s;
    const Bounded d2 = sides.difference.c * angles.difference.s;
    const bool byFirst = relativeError(n1, d1) <= relativeError(n2, d2);
    const Bounded n = byFirst ? n1 : n2, d = byFirst ? d1 : d2;
    if (trace) {
        trace->sideByFirst = byFirst;
        trace->n = n.value().value();
        trace->d = d.value().value();
    }
    if (n.mayBeZero() && d.mayBeZero())
        fail(FailureKind::DivisionByZero);
    if (n.mayBeZero() || d.mayBeZero() || (n.value() > 0) != (d.value() > 0))
        return std::nullopt;

    const Bounded y1 = sides.difference.c * angles.sum.c, x1 = sides.sum.c * angles.sum.s;
    const Bounded y2 = sides.difference.s * angles.difference.c;
    const Bounded x2 = sides.sum.s * angles.difference.s;
    const bool angleByFirst = relativeError(y1, x1) <= relativeError(y2, x2);
    const Bounded y = angleByFirst ? y1 : y2, x = angleByFirst ? x1 : x2;
    if (trace) {
        trace->angleByFirst = angleByFirst;
        trace->y = y.value().value();
        trace->x = x.value().value();
    }
    if (y.mayBeZero() || x.mayBeZero() || (y.value() > 0) != (x.value() > 0))
        return std::nullopt;
    if (trace)
        trace->fits = true;
    return std::pair{ReducedAngle::angleOf(magnitudeOf(n), magnitudeOf(d)).twice(),
                     ReducedAngle::angleOf(magnitudeOf(y), magnitudeOf(x)).twice()};
}

// The triangles of an ambiguous case, each as the candidate x and the third side and angle c, C.
struct Candidate {
    ReducedAngle x, c, C;
};

// Both candidates of the sine rule, whichever fit; the acute one first when it does. `sides` says
// whether `opposite` and `other` are sides (SSA) or angles (AAS). Where the two given elements of
// one kind can be equal, the candidate that is the supplement of `single` has a third side of 0
// (SSA) or a third angle of 180 degrees (AAS), and where they can add up to 180 degrees the
// candidate equal to `single` has one of 180 or 0: neither is a triangle, and where both hold and
// the root is double, the data leave the third side free.
Ambiguous<Candidate> ambiguous(const Data& data, const Roles& roles, bool sides) {
    const ReducedAngle P = data.given(roles.single), p = data.given(roles.opposite),
                       q = data.given(roles.other);
    const HalfSums pq{
        ReducedAngle::ofSum(halfSum({roles.opposite, roles.other}), data.unit()).sincos(),
        ReducedAngle::ofSum(halfSum({roles.opposite, -roles.other}), data.unit()).sincos()};
    const double reading = data.reading(roles.opposite) + data.reading(roles.other);
    const bool equal = std::fabs(TwoFoldSum{roles.opposite, -roles.other}.value()) <= reading;
    const bool supplementary =
        std::fabs(TwoFoldSum{roles.opposite, roles.other, -data.half()}.value()) <= reading;

    const SineRule rule = sineRule(data, roles, P, p, q, pq);
    const bool acuteSingle = roles.single < quarterTurn(data.unit());
    const bool acuteDegenerate = rule.twoCandidates
                                     ? (equal && !acuteSingle) || (supplementary && acuteSingle)
                                     : equal || supplementary;
    const bool obtuseDegenerate = (equal && acuteSingle) || (supplementary && !acuteSingle);
    if (!rule.twoCandidates && equal && supplementary)
        fail(FailureKind::DivisionByZero);

    const auto candidate = [&](const ReducedAngle& x,
                               std::size_t which) -> std::optional<Candidate> {
        SolverTrace::Closure* closure = nullptr;
        if (SolverTrace* trace = data.trace()) {
            closure = &trace->closures[which];
            closure->tried = true;
        }
        const HalfSums found = halfSums(P, x);
        const auto rest = sides ? complete(pq, found, closure) : complete(found, pq, closure);
        if (!rest)
            return std::nullopt;
        return Candidate{x, rest->first, rest->second};
    };
    std::optional<Candidate> first, second;
    if (!acuteDegenerate)
        first = candidate(rule.x, 0);
    if (rule.twoCandidates && !obtuseDegenerate)
        second = candidate(rule.x.supplement(), 1);
    if (!first)
        std::swap(first, second);
    if (!first)
        throw NoTriangle(!rule.twoCandidates || acuteDegenerate || obtuseDegenerate);
    return {*first, second};
}

// Two sides and the angle opposite one of them: interno = C, externo = B (the candidate),
// restante = c.
Ambiguous<Found> sideSideAngle(const Data& data, double angulo, double opuesto, double adyacente) {
    const Ambiguous<Candidate> found = ambiguous(data, {angulo, opuesto, adyacente}, true);
    const auto roles = [](const Candidate& t) {
        return Found{t.C, t.x, t.c};
    };
    Ambiguous<Found> result{roles(found.first), std::nullopt};
    if (found.second)
        result.second = roles(*found.second);
    return result;
}

// The dual: segundolad = b (the candidate), ladorestante = c, angrestante = C.
Ambiguous<Found> angleAngleSide(const Data& data, double primerang, double segundoang,
                                double primerlad) {
    const Ambiguous<Candidate> found = ambiguous(data, {primerlad, primerang, segundoang}, false);
    const auto roles = [](const Candidate& t) {
        return Found{t.x, t.c, t.C};
    };
    Ambiguous<Found> result{roles(found.first), std::nullopt};
    if (found.second)
        result.second = roles(*found.second);
    return result;
}

const Data kRadians(Unit::ProgramRadians);

std::array<Real, 3> radians(const Found& f) {
    return {heldRadians(f[0]), heldRadians(f[1]), heldRadians(f[2])};
}

} // namespace

Real heldRadians(const ReducedAngle& x) {
    if (!inside(x))
        fail(FailureKind::DivisionByZero);
    constexpr double kBelowHalfTurn = 0x1.921fb54442d10p+1; // the double before kPi
    static_assert(kBelowHalfTurn < kPi && kPi - kBelowHalfTurn < 5e-16);
    const Real r = x.radians();
    if (r >= kPi)
        return kBelowHalfTurn;
    return r > 0 ? r : Real(std::numeric_limits<double>::denorm_min());
}

TriangleSolution SSS(Real a, Real b, Real c) {
    const auto [A, B, C] = radians(threeSides(kRadians, a.value(), b.value(), c.value()));
    return {a, b, c, A, B, C};
}
Found SSS(Degrees a, Degrees b, Degrees c, SolverTrace* trace) {
    return threeSides(Data(Unit::Degrees, trace), a.value, b.value, c.value);
}

TriangleSolution AAA(Real A, Real B, Real C) {
    const auto [a, b, c] = radians(threeAngles(kRadians, A.value(), B.value(), C.value()));
    return {a, b, c, A, B, C};
}
Found AAA(Degrees A, Degrees B, Degrees C, SolverTrace* trace) {
    return threeAngles(Data(Unit::Degrees, trace), A.value, B.value, C.value);
}

SASResult SAS(Real angulo, Real primerlad, Real segundolad) {
    const auto [P, Q, g] =
        radians(sideAngleSide(kRadians, angulo.value(), primerlad.value(), segundolad.value()));
    return {P, Q, g};
}
Found SAS(Degrees angulo, Degrees primerlad, Degrees segundolad, SolverTrace* trace) {
    return sideAngleSide(Data(Unit::Degrees, trace), angulo.value, primerlad.value,
                         segundolad.value);
}

ASAResult ASA(Real primerang, Real segundoang, Real ladorestante) {
    const auto [p, q, G] = radians(
        angleSideAngle(kRadians, primerang.value(), segundoang.value(), ladorestante.value()));
    return {p, q, G};
}
Found ASA(Degrees primerang, Degrees segundoang, Degrees ladorestante, SolverTrace* trace) {
    return angleSideAngle(Data(Unit::Degrees, trace), primerang.value, segundoang.value,
                          ladorestante.value);
}

Ambiguous<SSATriangle> SSA(Real angulo, Real opuesto, Real adyacente) {
    const Ambiguous<Found> found =
        sideSideAngle(kRadians, angulo.value(), opuesto.value(), adyacente.value());
    const auto triangle = [](const Found& f) {
        const auto [interno, externo, restante] = radians(f);
        return SSATriangle{interno, externo, restante};
    };
    Ambiguous<SSATriangle> result{triangle(found.first), std::nullopt};
    if (found.second)
        result.second = triangle(*found.second);
    return result;
}
Ambiguous<Found> SSA(Degrees angulo, Degrees opuesto, Degrees adyacente, SolverTrace* trace) {
    return sideSideAngle(Data(Unit::Degrees, trace), angulo.value, opuesto.value, adyacente.value);
}

Ambiguous<AASTriangle> AAS(Real primerang, Real segundoang, Real primerlad) {
    const Ambiguous<Found> found =
        angleAngleSide(kRadians, primerang.value(), segundoang.value(), primerlad.value());
    const auto triangle = [](const Found& f) {
        const auto [segundolad, ladorestante, angrestante] = radians(f);
        return AASTriangle{segundolad, ladorestante, angrestante};
    };
    Ambiguous<AASTriangle> result{triangle(found.first), std::nullopt};
    if (found.second)
        result.second = triangle(*found.second);
    return result;
}
Ambiguous<Found> AAS(Degrees primerang, Degrees segundoang, Degrees primerlad, SolverTrace* trace) {
    return angleAngleSide(Data(Unit::Degrees, trace), primerang.value, segundoang.value,
                          primerlad.value);
}

} // namespace esferica
