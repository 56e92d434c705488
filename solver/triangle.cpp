// SPDX-License-Identifier: GPL-3.0-or-later
// Notation: the formulas are written as the laws of cosines read, operation by operation, because
// the order of evaluation decides the last bits of every result. They run on Bounded values, which
// carry an error bound beside the same Real value: an ArcCos argument within its bound of +-1 fails
// as +-1 itself does, so that a triangle with an element of 0 or 180 degrees never slips through as
// an angle a rounding error away from it.
//
// What the bounds count: the given elements carry the error of their conversion from the degrees
// typed (Bounded::given), and every operation its own rounding. An element that a step has derived
// (the third side of SAS, the third angle of ASA, the root of an ambiguous case once it is found
// to fit) enters later steps as exact, with only the rounding of its own sine and cosine: the
// errors it inherits from the data make its last digits uncertain in an ill-conditioned triangle
// (a tiny or nearly antipodal one), not the triangle degenerate, and counting them would refuse
// such triangles, which are triangles all the same. Whether data sit on a limit is decided by the
// given elements alone.
#include "solver/triangle.h"

#include "numeric/angles.h"
#include "numeric/bounded.h"

#include <optional>
#include <utility>

namespace esferica {

namespace {

// The sines and cosines of an element: a given one, with the error of its conversion, or a
// derived one, taken as exact.
struct Trig {
    Bounded s, c;
    explicit Trig(Bounded x) : s(sin(x)), c(cos(x)) {}
};
Trig given(Real x) {
    return Trig(Bounded::given(x));
}
Trig derived(Real x) {
    return Trig(Bounded(x));
}

} // namespace

// No step of SSS or AAA reads an element that an earlier step writes, so the sines and cosines of
// the three given elements are taken once.
void SSS(ResumeNext& run, TriangleSolution& t) {
    const Trig a = given(t.a), b = given(t.b), c = given(t.c);
    run([&] { t.A = ArcCos((a.c - b.c * c.c) / (b.s * c.s)); });
    run([&] { t.B = ArcCos((b.c - a.c * c.c) / (a.s * c.s)); });
    run([&] { t.C = ArcCos((c.c - a.c * b.c) / (a.s * b.s)); });
}

void AAA(ResumeNext& run, TriangleSolution& t) {
    const Trig A = given(t.A), B = given(t.B), C = given(t.C);
    run([&] { t.a = ArcCos((A.c + B.c * C.c) / (B.s * C.s)); });
    run([&] { t.b = ArcCos((B.c + A.c * C.c) / (A.s * C.s)); });
    run([&] { t.c = ArcCos((C.c + A.c * B.c) / (A.s * B.s)); });
}

void SAS(Real angulo, Real primerlad, Real segundolad, Real& primerang, Real& segundoang,
         Real& ladorestante) {
    const Trig ang = given(angulo), lad1 = given(primerlad), lad2 = given(segundolad);
    ladorestante = ArcCos(lad1.c * lad2.c + (lad1.s * lad2.s) * ang.c);
    const Trig rest = derived(ladorestante);
    primerang = ArcCos((lad1.c - lad2.c * rest.c) / (lad2.s * rest.s));
    segundoang = ArcCos((lad2.c - lad1.c * rest.c) / (lad1.s * rest.s));
}

void ASA(Real primerang, Real segundoang, Real ladorestante, Real& primerlad, Real& segundolad,
         Real& angrestante) {
    const Trig ang1 = given(primerang), ang2 = given(segundoang), lad = given(ladorestante);
    angrestante = ArcCos((ang1.s * ang2.s) * lad.c - ang1.c * ang2.c);
    const Trig rest = derived(angrestante);
    // The law of cosines for angles, not the law of sines: an inverse sine cannot tell a side
    // from its supplement, and its argument is exactly 1 for a side of 90 degrees.
    segundolad = ArcCos((ang2.c + ang1.c * rest.c) / (ang1.s * rest.s));
    primerlad = ArcCos((ang1.c + ang2.c * rest.c) / (ang2.s * rest.s));
}

namespace {

// One candidate triangle of an ambiguous case: the missing element x = 2 atan(t) found from a root
// t of the quadratic, and the two elements derived from it.
struct Candidate {
    Real x, first, second;
};

// The roots of p t^2 + q t + r = 0, labelled by the sign before the square root (t1 with +, t2
// with -), not by size; either may be missing.
//   - p within its error of 0: the equation is linear, its one root -r/q is the one that the
//     product of the roots gives, and the other has gone to infinity (x = 180 degrees, no
//     triangle). If q too may be 0, the data leave the missing element free or fit no triangle,
//     and the call fails as a division by zero.
//   - A discriminant within its error of 0: one double root, -q / 2p.
//   - A negative discriminant fails in the square root.
// Otherwise the root whose textbook formula subtracts nearly equal numbers is taken from the
// product of the roots, t1 t2 = r / p, instead: the same value without the cancellation.
std::pair<std::optional<Bounded>, std::optional<Bounded>> halfTangentRoots(Bounded p, Bounded q,
                                                                           Bounded r) {
    if (p.mayBeZero()) {
        if (q.mayBeZero())
            fail(FailureKind::DivisionByZero);
        const Bounded root = -r / q;
        if (q.value() >= 0)
            return {root, std::nullopt};
        return {std::nullopt, root};
    }
    const Bounded discriminant = q * q - (4 * p) * r;
    const Bounded twoP = 2 * p;
    if (discriminant.mayBeZero())
        return {-q / twoP, std::nullopt};
    const Bounded d = sqrt(discriminant);
    if (q.value() >= 0) {
        const Bounded t2 = (-q - d) / twoP;
        return {q.value() == 0 ? (-q + d) / twoP : (2 * r) / (-q - d), t2};
    }
    return {(-q + d) / twoP, (2 * r) / (-q + d)};
}

// Keeps the roots of the quadratic in t = tan(x/2) that give a triangle; `derive(x)` computes the
// rest of a candidate triangle.
template <class Derive>
void solveAmbiguous(Bounded p, Bounded q, Bounded r, Derive derive, Candidate& first,
                    Candidate& second, bool& doble) {
    const auto [t1, t2] = halfTangentRoots(p, q, r);

    // A root fits only when its x lies strictly between 0 and 180 degrees by more than its error
    // (the two other elements divide by sin x, and would come out as noise), and every step of its
    // triangle succeeds; a failure in one root's triangle must not discard the other.
    const auto fit = [&](std::optional<Bounded> t) -> std::optional<Candidate> {
        if (!t)
            return std::nullopt;
        try {
            const Bounded x = 2 * atan(*t);
            if (x.value() <= x.error() || (Bounded(kPi, kPiShortfall) - x).mayBeZero())
                return std::nullopt;
            return derive(x.value());
        } catch (const Failure&) {
            return std::nullopt;
        }
    };
    std::optional<Candidate> primary = fit(t1);
    std::optional<Candidate> additional = fit(t2);
    if (!primary)
        std::swap(primary, additional);
    if (!primary)
        throw NoTriangle();
    first = *primary;
    if (additional)
        second = *additional;
    doble = additional.has_value();
}

} // namespace

void SSA(Real angulo, Real opuesto, Real adyacente, Real& interno, Real& externo, Real& restante,
         Real& int2, Real& ext2, Real& res2, bool& doble) {
    doble = true;
    const Trig ang = given(angulo), op = given(opuesto), ady = given(adyacente);
    const Bounded p = ady.c + op.c;
    const Bounded q = (ady.s * (-2)) * ang.c;
    const Bounded r = op.c - ady.c;
    const auto derive = [&](Real x) {
        const Trig t = derived(x);
        const Real inner = ArcCos((t.c - ady.c * op.c) / (ady.s * op.s));
        const Real outer = ArcCos((ady.c - op.c * t.c) / (op.s * t.s));
        return Candidate{x, inner, outer};
    };
    Candidate first{restante, interno, externo};
    Candidate second{res2, int2, ext2};
    solveAmbiguous(p, q, r, derive, first, second, doble);
    restante = first.x, interno = first.first, externo = first.second;
    res2 = second.x, int2 = second.first, ext2 = second.second;
}

void AAS(Real primerang, Real segundoang, Real primerlad, Real& segundolad, Real& ladorestante,
         Real& angrestante, Real& seglad2, Real& ladores2, Real& angres2, bool& doble) {
    doble = true;
    const Trig ang1 = given(primerang), ang2 = given(segundoang), lad = given(primerlad);
    const Bounded p = ang2.c - ang1.c;
    const Bounded q = (ang2.s * 2) * lad.c;
    const Bounded r = -ang1.c - ang2.c;
    const auto derive = [&](Real x) {
        const Trig t = derived(x);
        const Real side = ArcCos((ang2.c + ang1.c * t.c) / (ang1.s * t.s));
        const Real third = ArcCos((t.c + ang1.c * ang2.c) / (ang1.s * ang2.s));
        return Candidate{x, side, third};
    };
    Candidate first{angrestante, segundolad, ladorestante};
    Candidate second{angres2, seglad2, ladores2};
    solveAmbiguous(p, q, r, derive, first, second, doble);
    angrestante = first.x, segundolad = first.first, ladorestante = first.second;
    angres2 = second.x, seglad2 = second.first, ladores2 = second.second;
}

} // namespace esferica
