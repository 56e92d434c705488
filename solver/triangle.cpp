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

TriangleSolution SSS(Real a, Real b, Real c) {
    const Trig sa = given(a), sb = given(b), sc = given(c);
    return {a,
            b,
            c,
            ArcCos((sa.c - sb.c * sc.c) / (sb.s * sc.s)),
            ArcCos((sb.c - sa.c * sc.c) / (sa.s * sc.s)),
            ArcCos((sc.c - sa.c * sb.c) / (sa.s * sb.s))};
}

TriangleSolution AAA(Real A, Real B, Real C) {
    const Trig sA = given(A), sB = given(B), sC = given(C);
    return {ArcCos((sA.c + sB.c * sC.c) / (sB.s * sC.s)),
            ArcCos((sB.c + sA.c * sC.c) / (sA.s * sC.s)),
            ArcCos((sC.c + sA.c * sB.c) / (sA.s * sB.s)),
            A,
            B,
            C};
}

SASResult SAS(Real angulo, Real primerlad, Real segundolad) {
    const Trig ang = given(angulo), lad1 = given(primerlad), lad2 = given(segundolad);
    const Real ladorestante = ArcCos(lad1.c * lad2.c + (lad1.s * lad2.s) * ang.c);
    const Trig rest = derived(ladorestante);
    const Real primerang = ArcCos((lad1.c - lad2.c * rest.c) / (lad2.s * rest.s));
    const Real segundoang = ArcCos((lad2.c - lad1.c * rest.c) / (lad1.s * rest.s));
    return {primerang, segundoang, ladorestante};
}

ASAResult ASA(Real primerang, Real segundoang, Real ladorestante) {
    const Trig ang1 = given(primerang), ang2 = given(segundoang), lad = given(ladorestante);
    const Real angrestante = ArcCos((ang1.s * ang2.s) * lad.c - ang1.c * ang2.c);
    const Trig rest = derived(angrestante);
    // The law of cosines for angles, not the law of sines: an inverse sine cannot tell a side
    // from its supplement, and its argument is exactly 1 for a side of 90 degrees.
    const Real segundolad = ArcCos((ang2.c + ang1.c * rest.c) / (ang1.s * rest.s));
    const Real primerlad = ArcCos((ang1.c + ang2.c * rest.c) / (ang2.s * rest.s));
    return {primerlad, segundolad, angrestante};
}

namespace {

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
// triangle of the missing element x, or fails.
template <class Derive>
auto solveAmbiguous(Bounded p, Bounded q, Bounded r, Derive derive)
    -> Ambiguous<decltype(derive(Real()))> {
    using Triangle = decltype(derive(Real()));
    const auto [t1, t2] = halfTangentRoots(p, q, r);

    // A root fits only when its x lies strictly between 0 and 180 degrees by more than its error
    // (the two other elements divide by sin x, and would come out as noise), and every step of its
    // triangle succeeds; a failure in one root's triangle must not discard the other.
    const auto fit = [&](std::optional<Bounded> t) -> std::optional<Triangle> {
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
    std::optional<Triangle> first = fit(t1);
    std::optional<Triangle> second = fit(t2);
    if (!first)
        std::swap(first, second);
    if (!first)
        throw NoTriangle();
    return {*first, second};
}

} // namespace

Ambiguous<SSATriangle> SSA(Real angulo, Real opuesto, Real adyacente) {
    const Trig ang = given(angulo), op = given(opuesto), ady = given(adyacente);
    const Bounded p = ady.c + op.c;
    const Bounded q = (ady.s * (-2)) * ang.c;
    const Bounded r = op.c - ady.c;
    return solveAmbiguous(p, q, r, [&](Real x) {
        const Trig t = derived(x);
        const Real interno = ArcCos((t.c - ady.c * op.c) / (ady.s * op.s));
        const Real externo = ArcCos((ady.c - op.c * t.c) / (op.s * t.s));
        return SSATriangle{interno, externo, x};
    });
}

Ambiguous<AASTriangle> AAS(Real primerang, Real segundoang, Real primerlad) {
    const Trig ang1 = given(primerang), ang2 = given(segundoang), lad = given(primerlad);
    const Bounded p = ang2.c - ang1.c;
    const Bounded q = (ang2.s * 2) * lad.c;
    const Bounded r = -ang1.c - ang2.c;
    return solveAmbiguous(p, q, r, [&](Real x) {
        const Trig t = derived(x);
        const Real segundolad = ArcCos((ang2.c + ang1.c * t.c) / (ang1.s * t.s));
        const Real ladorestante = ArcCos((t.c + ang1.c * ang2.c) / (ang1.s * ang2.s));
        return AASTriangle{segundolad, ladorestante, x};
    });
}

} // namespace esferica
