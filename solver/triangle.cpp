// SPDX-License-Identifier: GPL-3.0-or-later
// How the six cases are solved. No step takes an inverse cosine or sine: every element found is
// twice the arctangent of two quantities (atan2) that are products of sines and cosines of half
// sums and half differences of elements, so that no quantity is a difference of nearly equal
// numbers unless the data make it one. The laws of cosines that these replace take the inverse
// cosine of a number near 1 on a small triangle and lose about two digits for every tenfold
// smaller side; here an element comes out within a few units in the last place of pi whatever the
// size of the triangle, save for what the rounding of the data itself moves (README, "Accuracy",
// and tests/accuracy_test.cpp).
//
// Half sums and differences are ReducedAngles (numeric/reduced.h): whole quarter turns and a
// small remainder, so that s - a of a thin triangle, or 180 degrees minus a side of 179.9999,
// keep their digits.
//
// Limits. The quantities that decide whether data fit a triangle carry an error bound (Bounded):
// the four half defects of SSS and AAA, the cosine of the ambiguous cases' sine rule, and the two
// parts of tan(c/2) that say whether a candidate of an ambiguous case has its third side between 0
// and 180 degrees. A quantity within its bound of 0 is taken for 0: the data are degenerate, or a
// double root. The given elements carry the error of their conversion from the degrees typed
// (Bounded::given), and every operation its own rounding; the element that an ambiguous case finds
// by the sine rule carries its error on into the test of its candidate. The other results are
// plain Reals, checked only to lie strictly between 0 and 180 degrees.
//
// Notation: in each function p, q, r are sides or angles in the roles that its comment names; s
// and c after a ReducedAngle's sincos() are its sine and cosine.
#include "solver/triangle.h"

#include "numeric/bounded.h"
#include "numeric/reduced.h"
#include "solver/defects.h"

#include <array>
#include <optional>
#include <utility>

namespace esferica {

namespace {

// Below this a given element is taken for 0. The formulas multiply sines of two half elements,
// and down to here such a product is still a normal double with all its digits; below it, sides of
// 1e-160 degrees gave a double root where there are two triangles.
constexpr double kSmallest = 0x1p-500; // radians: 1.7e-149 degrees

// A given element: inside (0, kPi) by more than the error of its conversion, or no triangle fits
// (a side or an angle of 0 or 180 degrees).
ReducedAngle given(Real x) {
    const Bounded b = Bounded::given(x);
    if (!(x > kSmallest && x > b.error() && kPi - x > b.error()))
        fail(FailureKind::DivisionByZero);
    return ReducedAngle(b);
}

bool inside(Real x) {
    return x > 0 && x < kPi;
}

// An element found, from its value in true radians: in the program's radians, strictly between 0
// and 180 degrees, or the triangle is degenerate.
Real found(Real radians) {
    const Real x = toProgram(radians);
    if (!inside(x))
        fail(FailureKind::DivisionByZero);
    return x;
}

// The half-angle formulas of three sides p, q, r. With s the half perimeter, the angle P opposite
// p has
//   tan(P/2) = k / t_p,   t_p = sin(s - p) / sin s,   k^2 = t_p t_q t_r.
// A half defect (solver/defects.h) within its error of 0 is a degenerate triangle; one below is no
// triangle. The ratios to sin s stay near 1 on a small triangle, where the sines themselves are
// small.
struct HalfTangents {
    Real k, tp, tq, tr;
};
HalfTangents halfTangents(ReducedAngle p, ReducedAngle q, ReducedAngle r) {
    const std::array<ReducedAngle, 4> defects = halfDefects(p, q, r);
    std::array<Real, 4> sines;
    for (std::size_t i = 0; i < defects.size(); ++i) {
        if (defects[i].mayBeZero())
            fail(FailureKind::DivisionByZero);
        if (defects[i].negative())
            fail(FailureKind::NegativeSquareRoot);
        sines[i] = defects[i].sineValue();
    }
    const Real tp = sines[1] / sines[0], tq = sines[2] / sines[0], tr = sines[3] / sines[0];
    return {sqrt(tp * tq * tr), tp, tq, tr};
}

// Delambre's analogies for two sides p, q and the angle G between them, with P, Q the angles
// opposite p, q and g the side opposite G:
//   sin(g/2) cos((P - Q)/2) = sin((p + q)/2) sin(G/2) = x1
//   sin(g/2) sin((P - Q)/2) = sin((p - q)/2) cos(G/2) = y1
//   cos(g/2) cos((P + Q)/2) = cos((p + q)/2) sin(G/2) = x2
//   cos(g/2) sin((P + Q)/2) = cos((p - q)/2) cos(G/2) = y2
// x1 and y2 are positive; (P + Q)/2 = atan2(y2, x2), (P - Q)/2 = atan2(y1, x1).
struct Delambre {
    Real x1, y1, x2, y2;
};
Delambre delambre(ReducedAngle p, ReducedAngle q, ReducedAngle G) {
    const auto sum = (p + q).half().sincosValues(), difference = (p - q).half().sincosValues();
    const auto half = G.half().sincosValues();
    return {sum.s * half.s, difference.s * half.c, sum.c * half.s, difference.c * half.c};
}

// Half the sum and half the difference of two elements, with their sines and cosines.
struct HalfSums {
    SinCos<Bounded> sum, difference;
};
HalfSums halfSums(ReducedAngle p, ReducedAngle q) {
    return {(p + q).half().sincos(), (p - q).half().sincos()};
}

// The acute solution x of the sine rule sin x = sin q sin r / sin p, and whether its supplement
// is a second one; pq holds the half sum and difference of p and q. With y = sin q sin r,
//   sin^2 p cos^2 x = (sin p - y)(sin p + y) = sin(p + q) sin(p - q) + sin^2 q cos^2 r,
// and the form with the smaller error bound is taken: the second where p, q and r lie near 90
// degrees, whose sines round by far more than a unit of the data moves them. Within its error of
// 0 it is a double root, x = 90 degrees exactly; below it no x fits (the square root fails).
std::pair<ReducedAngle, bool> sineRule(ReducedAngle p, ReducedAngle q, ReducedAngle r,
                                       const HalfSums& pq) {
    const Bounded sp = p.sine(), sq = q.sine();
    const SinCos<Bounded> sr = r.sincos();
    const Bounded y = sq * sr.s;
    const Bounded byDifference = (sp - y) * (sp + y);
    const Bounded sum = 2 * pq.sum.s * pq.sum.c, difference = 2 * pq.difference.s * pq.difference.c;
    const Bounded qr = sq * sr.c;
    const Bounded byIdentity = sum * difference + qr * qr;
    const Bounded cosine2 = byDifference.error() <= byIdentity.error() ? byDifference : byIdentity;
    if (cosine2.mayBeZero())
        return {ReducedAngle::quarterTurns(1), false};
    return {ReducedAngle(toProgram(atan2(y, sqrt(cosine2)))), true};
}

// The third side c and angle C of the triangle with sides a, b and the angles A, B opposite them,
// by Napier's analogies, from the half sums and differences of the sides and of the angles; none
// when the four fit no triangle. Each of c and C comes from one of two analogies:
//   tan(c/2) = sin((a + b)/2) cos((A + B)/2) / (cos((a + b)/2) cos((A - B)/2))
//            = sin((a - b)/2) sin((A + B)/2) / (cos((a - b)/2) sin((A - B)/2))
//   tan(C/2) = cos((a - b)/2) cos((A + B)/2) / (cos((a + b)/2) sin((A + B)/2))
//            = sin((a - b)/2) cos((A - B)/2) / (sin((a + b)/2) sin((A - B)/2))
// The first of each pair is 0/0 when a + b and A + B are 180 degrees, the second when a = b and
// A = B; each is taken from the pair of larger parts. Both are 0/0 only when a, b, A and B are all
// 90 degrees, which leaves c free: that fails as a division by zero. The candidate fits when the
// two parts of tan(c/2) have one sign and neither is within its error of 0 (c of 0 or 180
// degrees).
struct Completion {
    Real c, C;
};
std::optional<Completion> complete(const HalfSums& sides, const HalfSums& angles) {
    const Bounded n1 = sides.sum.s * angles.sum.c, d1 = sides.sum.c * angles.difference.c;
    const Bounded n2 = sides.difference.s * angles.sum.s;
    const Bounded d2 = sides.difference.c * angles.difference.s;
    const bool byFirst = n1.magnitude() + d1.magnitude() >= n2.magnitude() + d2.magnitude();
    const Bounded n = byFirst ? n1 : n2, d = byFirst ? d1 : d2;
    if (n.mayBeZero() && d.mayBeZero())
        fail(FailureKind::DivisionByZero);
    if (n.mayBeZero() || d.mayBeZero() || (n.value() > 0) != (d.value() > 0))
        return std::nullopt;

    const Real y1 = sides.difference.c.value() * angles.sum.c.value();
    const Real x1 = sides.sum.c.value() * angles.sum.s.value();
    const Real y2 = sides.difference.s.value() * angles.difference.c.value();
    const Real x2 = sides.sum.s.value() * angles.difference.s.value();
    const bool angleByFirst = abs(y1) + abs(x1) >= abs(y2) + abs(x2);
    const Real y = angleByFirst ? y1 : y2, x = angleByFirst ? x1 : x2;
    if (!((y > 0 && x > 0) || (y < 0 && x < 0)))
        return std::nullopt;

    const Real c = toProgram(2 * atan2(abs(n.value()), abs(d.value())));
    const Real C = toProgram(2 * atan2(abs(y), abs(x)));
    if (!(inside(c) && inside(C)))
        return std::nullopt;
    return Completion{c, C};
}

// The triangles of the acute candidate of the sine rule and of its supplement, whichever fit; the
// acute one first when it does. `make(x)` builds the triangle of a candidate, or none.
template <class Make>
auto bothCandidates(std::pair<ReducedAngle, bool> candidates, Make make)
    -> Ambiguous<typename decltype(make(candidates.first))::value_type> {
    const auto fit = [&](ReducedAngle x) {
        return inside(x.radians()) ? make(x) : std::nullopt;
    };
    auto first = fit(candidates.first);
    decltype(first) second;
    if (candidates.second)
        second = fit(candidates.first.supplement());
    if (!first)
        std::swap(first, second);
    if (!first)
        throw NoTriangle();
    return {*first, second};
}

} // namespace

TriangleSolution SSS(Real a, Real b, Real c) {
    const HalfTangents t = halfTangents(given(a), given(b), given(c));
    return {a,
            b,
            c,
            found(2 * atan2(t.k, t.tp)),
            found(2 * atan2(t.k, t.tq)),
            found(2 * atan2(t.k, t.tr))};
}

// The polar triangle's sides are the supplements of the angles, and its angles the supplements of
// the sides: a = 180 - A' = 2 atan2(t_a, k).
TriangleSolution AAA(Real A, Real B, Real C) {
    const HalfTangents t =
        halfTangents(given(A).supplement(), given(B).supplement(), given(C).supplement());
    return {found(2 * atan2(t.tp, t.k)),
            found(2 * atan2(t.tq, t.k)),
            found(2 * atan2(t.tr, t.k)),
            A,
            B,
            C};
}

SASResult SAS(Real angulo, Real primerlad, Real segundolad) {
    const Delambre d = delambre(given(primerlad), given(segundolad), given(angulo));
    const Real sum = atan2(d.y2, d.x2), difference = atan2(d.y1, d.x1);
    return {found(sum + difference), found(sum - difference),
            found(2 * atan2(hypot(d.x1, d.y1), hypot(d.x2, d.y2)))};
}

// SAS on the polar triangle, whose results are the supplements of the ones sought:
// 180 - (P' + Q')/2 - (P' - Q')/2 = atan2(x2, y2) + atan2(x1, y1), and so on, with no
// subtraction from 180 degrees.
ASAResult ASA(Real primerang, Real segundoang, Real ladorestante) {
    const Delambre d = delambre(given(primerang).supplement(), given(segundoang).supplement(),
                                given(ladorestante).supplement());
    const Real sum = atan2(d.x2, d.y2);
    return {found(sum + atan2(d.x1, d.y1)), found(sum + atan2(d.x1, -d.y1)),
            found(2 * atan2(hypot(d.x2, d.y2), hypot(d.x1, d.y1)))};
}

// The angle B opposite adyacente by the sine rule, then c and C by Napier's analogies.
Ambiguous<SSATriangle> SSA(Real angulo, Real opuesto, Real adyacente) {
    const ReducedAngle A = given(angulo), a = given(opuesto), b = given(adyacente);
    const HalfSums sides = halfSums(a, b);
    return bothCandidates(sineRule(a, b, A, sides),
                          [&](ReducedAngle B) -> std::optional<SSATriangle> {
                              const auto rest = complete(sides, halfSums(A, B));
                              if (!rest)
                                  return std::nullopt;
                              return SSATriangle{rest->C, B.radians(), rest->c};
                          });
}

// The dual: the side b opposite segundoang by the sine rule, then c and C.
Ambiguous<AASTriangle> AAS(Real primerang, Real segundoang, Real primerlad) {
    const ReducedAngle A = given(primerang), B = given(segundoang), a = given(primerlad);
    const HalfSums angles = halfSums(A, B);
    return bothCandidates(sineRule(A, B, a, angles),
                          [&](ReducedAngle b) -> std::optional<AASTriangle> {
                              const auto rest = complete(halfSums(a, b), angles);
                              if (!rest)
                                  return std::nullopt;
                              return AASTriangle{b.radians(), rest->c, rest->C};
                          });
}

} // namespace esferica
