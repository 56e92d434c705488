// Notation: the formulas are written as the laws of cosines read, operation by operation, because
// the order of evaluation decides which degenerate data fail (an ArcCos argument that rounds to
// exactly +-1 fails, one just inside yields an angle next to 0 or 180 degrees).
#include "solver/triangle.h"

#include "numeric/angles.h"

#include <optional>
#include <utility>

namespace esferica {

// No step of SSS or AAA reads an element that an earlier step writes, so the sines and cosines of
// the three given elements are taken once.
void SSS(ResumeNext& run, TriangleSolution& t) {
    const Real ca = cos(t.a), cb = cos(t.b), cc = cos(t.c);
    const Real sa = sin(t.a), sb = sin(t.b), sc = sin(t.c);
    run([&] { t.A = ArcCos((ca - cb * cc) / (sb * sc)); });
    run([&] { t.B = ArcCos((cb - ca * cc) / (sa * sc)); });
    run([&] { t.C = ArcCos((cc - ca * cb) / (sa * sb)); });
}

void AAA(ResumeNext& run, TriangleSolution& t) {
    const Real cA = cos(t.A), cB = cos(t.B), cC = cos(t.C);
    const Real sA = sin(t.A), sB = sin(t.B), sC = sin(t.C);
    run([&] { t.a = ArcCos((cA + cB * cC) / (sB * sC)); });
    run([&] { t.b = ArcCos((cB + cA * cC) / (sA * sC)); });
    run([&] { t.c = ArcCos((cC + cA * cB) / (sA * sB)); });
}

void SAS(Real angulo, Real primerlad, Real segundolad, Real& primerang, Real& segundoang,
         Real& ladorestante) {
    ladorestante =
        ArcCos(cos(primerlad) * cos(segundolad) + (sin(primerlad) * sin(segundolad)) * cos(angulo));
    primerang = ArcCos((cos(primerlad) - cos(segundolad) * cos(ladorestante)) /
                       (sin(segundolad) * sin(ladorestante)));
    segundoang = ArcCos((cos(segundolad) - cos(primerlad) * cos(ladorestante)) /
                        (sin(primerlad) * sin(ladorestante)));
}

void ASA(Real primerang, Real segundoang, Real ladorestante, Real& primerlad, Real& segundolad,
         Real& angrestante) {
    angrestante = ArcCos((sin(primerang) * sin(segundoang)) * cos(ladorestante) -
                         cos(primerang) * cos(segundoang));
    // The law of cosines for angles, not the law of sines: an inverse sine cannot tell a side
    // from its supplement, and its argument is exactly 1 for a side of 90 degrees.
    segundolad = ArcCos((cos(segundoang) + cos(primerang) * cos(angrestante)) /
                        (sin(primerang) * sin(angrestante)));
    primerlad = ArcCos((cos(primerang) + cos(segundoang) * cos(angrestante)) /
                       (sin(segundoang) * sin(angrestante)));
}

namespace {

// Below this sine, a missing element is taken for 0 or 180 degrees: far above rounding noise
// (about 1e-15) and far below what two decimals of a degree can show (about 1e-4).
constexpr double kDegenerateSine = 1e-9;
// Below this size, a coefficient of the quadratic that the data make 0 is taken for 0: q is about
// 1 for data that determine the triangle, and a rounding residue of about 1e-15 when they do not.
constexpr double kVanishingCoefficient = 1e-9;
// Two roots whose missing elements lie closer than this (radians) are one double root, split by
// rounding: they give one triangle, not a second solution.
constexpr double kSameRoot = 1e-9;

// One candidate triangle of an ambiguous case: the missing element x = 2 atan(t) found from a root
// t of the quadratic, and the two elements derived from it.
struct Candidate {
    Real x, first, second;
};

// The roots of p t^2 + q t + r = 0, labelled by the sign before the square root (t1 with +, t2
// with -), not by size. A negative discriminant fails in the square root. The root whose textbook
// formula subtracts nearly equal numbers is taken from the product of the roots, t1 t2 = r / p,
// instead: the same value, without the cancellation that ruins it when p is tiny, as it is for two
// given sides that add up to 180 degrees (p is then a rounding residue of about 1e-15, not 0).
// When p is exactly 0, as for two equal given angles, the equation is linear: its one root, -r/q,
// is the one the product form gives, and the other has gone to infinity (x = 180 degrees, no
// triangle). If q too is within rounding of 0, the data leave the missing element free (A = B = a
// = 90 degrees fits any c = C) and the call fails as a division by zero.
std::pair<std::optional<Real>, std::optional<Real>> halfTangentRoots(Real p, Real q, Real r) {
    if (p == 0) {
        if (abs(q) < kVanishingCoefficient)
            fail(FailureKind::DivisionByZero);
        const Real root = -r / q;
        if (q >= 0)
            return {root, std::nullopt};
        return {std::nullopt, root};
    }
    const Real d = sqrt(q * q - (4 * p) * r);
    const Real twoP = 2 * p;
    if (q >= 0) {
        const Real t2 = (-q - d) / twoP;
        return {q == 0 ? (-q + d) / twoP : (2 * r) / (-q - d), t2};
    }
    return {(-q + d) / twoP, (2 * r) / (-q + d)};
}

// Keeps the roots of the quadratic in t = tan(x/2) that give a triangle; `derive(x)` computes the
// rest of a candidate triangle.
template <class Derive>
void solveAmbiguous(Real p, Real q, Real r, Derive derive, Candidate& first, Candidate& second,
                    bool& doble) {
    const auto [t1, t2] = halfTangentRoots(p, q, r);

    // A root fits only when it is strictly positive (x then lies strictly between 0 and 180
    // degrees), x is not within rounding of 0 or 180 degrees (the other two elements divide by
    // sin x and would come out as noise: two given sides adding up to 180 degrees make one root
    // about 1e15, x a rounding residue short of 180 degrees), and every step of its triangle
    // succeeds; a failure in one root's triangle must not discard the other. A double root (the
    // data just touch the limit where the two triangles merge) gives one triangle.
    const auto fit = [&](std::optional<Real> t) -> std::optional<Candidate> {
        if (!t || !(*t > 0))
            return std::nullopt;
        try {
            const Real x = 2 * atan(*t);
            if (sin(x) < kDegenerateSine)
                return std::nullopt;
            return derive(x);
        } catch (const ArithmeticFailure&) {
            return std::nullopt;
        }
    };
    std::optional<Candidate> primary = fit(t1);
    std::optional<Candidate> additional = fit(t2);
    if (!primary) {
        primary = additional;
        additional.reset();
    } else if (additional && abs(additional->x - primary->x) < kSameRoot) {
        additional.reset();
    }
    if (!primary)
        fail(FailureKind::NoTriangle);
    first = *primary;
    if (additional)
        second = *additional;
    doble = additional.has_value();
}

} // namespace

void SSA(Real angulo, Real opuesto, Real adyacente, Real& interno, Real& externo, Real& restante,
         Real& int2, Real& ext2, Real& res2, bool& doble) {
    doble = true;
    const Real p = cos(adyacente) + cos(opuesto);
    const Real q = (sin(adyacente) * (-2)) * cos(angulo);
    const Real r = cos(opuesto) - cos(adyacente);
    const auto derive = [&](Real x) {
        const Real inner =
            ArcCos((cos(x) - cos(adyacente) * cos(opuesto)) / (sin(adyacente) * sin(opuesto)));
        const Real outer =
            ArcCos((cos(adyacente) - cos(opuesto) * cos(x)) / (sin(opuesto) * sin(x)));
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
    const Real p = cos(segundoang) - cos(primerang);
    const Real q = (sin(segundoang) * 2) * cos(primerlad);
    const Real r = -cos(primerang) - cos(segundoang);
    const auto derive = [&](Real x) {
        const Real side =
            ArcCos((cos(segundoang) + cos(primerang) * cos(x)) / (sin(primerang) * sin(x)));
        const Real third = ArcCos((cos(x) + cos(primerang) * cos(segundoang)) /
                                  (sin(primerang) * sin(segundoang)));
        return Candidate{x, side, third};
    };
    Candidate first{angrestante, segundolad, ladorestante};
    Candidate second{angres2, seglad2, ladores2};
    solveAmbiguous(p, q, r, derive, first, second, doble);
    angrestante = first.x, segundolad = first.first, ladorestante = first.second;
    angres2 = second.x, seglad2 = second.first, ladores2 = second.second;
}

} // namespace esferica
