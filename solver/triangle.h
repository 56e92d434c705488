// SPDX-License-Identifier: GPL-3.0-or-later
// One spherical triangle and the solvers of the six cases.
//
// Sides a, b, c are arcs of the unit sphere and angles A, B, C lie opposite the side of the same
// letter; all are in radians. Every solver writes each output at the end of the step that computes
// it, so a step that fails (a Failure, which no solver catches) leaves the outputs of earlier steps
// written and the later ones unchanged. Data that no triangle fits show themselves this way: an
// ArcCos argument at or beyond +-1, or within rounding of +-1 (a triangle with an element of 0 or
// 180 degrees, which is no triangle), a negative discriminant, a zero divisor. Every element a
// solver writes lies strictly between 0 and 180 degrees.
//
// Names. The parameters are Spanish words for the role an element plays in its case, whichever
// letter it is: `lad` is a side (lado), `ang` an angle (ángulo); `primer`/`segundo` the first and
// second of a pair, `restante` the third, remaining one. So `primerlad`, `segundolad` and
// `ladorestante` are the first, second and remaining sides, `primerang`, `segundoang` and
// `angrestante` the angles. In SSA `angulo` is the given angle, `opuesto` the given side opposite
// it, `adyacente` the other given side, `interno` the angle between the two given sides, `externo`
// the angle opposite `adyacente`, `restante` the third side. A trailing 2 (`int2`, `seglad2`,
// `angres2`, ...) marks the same element of the additional triangle, and `doble` says whether
// there is one.
#pragma once

#include "numeric/checked.h"

#include <array>

namespace esferica {

// Raised by an ambiguous case when none of the roots of its quadratic gives a triangle: the same
// verdict, "no triangle fits", that an arithmetic failure gives the other cases.
class NoTriangle : public Failure {
public:
    const char* what() const noexcept override { return "no triangle fits the data"; }
};

struct TriangleSolution {
    Real a, b, c, A, B, C;

    // The fixed element index: 0 = a, 1 = b, 2 = c, 3 = A, 4 = B, 5 = C.
    static constexpr int kElements = 6;
    Real& element(int i);
    Real element(int i) const;
};

inline constexpr std::array<Real TriangleSolution::*, TriangleSolution::kElements> kElementMembers{
    &TriangleSolution::a, &TriangleSolution::b, &TriangleSolution::c,
    &TriangleSolution::A, &TriangleSolution::B, &TriangleSolution::C};

inline Real& TriangleSolution::element(int i) {
    return this->*kElementMembers.at(i);
}
inline Real TriangleSolution::element(int i) const {
    return this->*kElementMembers.at(i);
}

// Three sides: A, B and C by the law of cosines for sides, one resume-next step each, so a failed
// angle keeps its old value and the other two are still computed.
void SSS(ResumeNext& run, TriangleSolution& t);

// Three angles: a, b and c by the law of cosines for angles, one resume-next step each.
void AAA(ResumeNext& run, TriangleSolution& t);

// Two sides and the angle between them. `angulo` lies between `primerlad` and `segundolad`;
// writes `ladorestante` (opposite `angulo`), then `primerang` and `segundoang` (opposite the first
// and the second side). Every result lies in (0, pi).
void SAS(Real angulo, Real primerlad, Real segundolad, Real& primerang, Real& segundoang,
         Real& ladorestante);

// Two angles and the side between their vertices. Writes `angrestante` (opposite
// `ladorestante`), then `segundolad` and `primerlad` (opposite `segundoang` and `primerang`), all
// by the law of cosines for angles, so sides above 90 degrees come out as such.
void ASA(Real primerang, Real segundoang, Real ladorestante, Real& primerlad, Real& segundolad,
         Real& angrestante);

// Two sides and the angle opposite one of them: `opuesto` lies opposite `angulo`, `adyacente` is
// the other side. The third side x comes from the roots of a quadratic in t = tan(x/2); each root
// gives a candidate triangle (`interno` between the two sides, `externo` opposite `adyacente`,
// `restante` the third side).
//
// The given elements are taken as exact up to their rounding (Bounded::given), and every quantity
// that rounding cannot tell from a limit is taken for the limit:
//   - a leading coefficient within its error of 0 (two given sides adding up to 180 degrees, two
//     equal given angles) leaves a linear equation with one root, the other gone to x = 180;
//   - a discriminant within its error of 0 is a double root: one triangle, not two copies of it;
//   - a root whose x lies within its error of 0 or 180 degrees, or that is not positive, gives no
//     triangle, and neither does one whose derived elements reach 0 or 180 degrees.
// The first triangle comes from the root with +sqrt when it yields one, otherwise from the other
// root; the second is written to int2/ext2/res2, and `doble` is true only when both roots yield
// triangles. Fails on a negative discriminant (NegativeSquareRoot), with DivisionByZero when the
// linear term vanishes too (the data leave the missing element free, or fit none), and with
// NoTriangle when no root yields a triangle. `doble` is set on entry, as the caller's flag of an
// ambiguous case, and may stay true when the call fails.
void SSA(Real angulo, Real opuesto, Real adyacente, Real& interno, Real& externo, Real& restante,
         Real& int2, Real& ext2, Real& res2, bool& doble);

// Two angles and the side opposite one of them: `primerlad` lies opposite `primerang`. The dual
// of SSA, solving for the third angle `angrestante`; `segundolad` lies opposite `segundoang`,
// `ladorestante` opposite `angrestante`. Same limits, choice of roots and failures as SSA.
void AAS(Real primerang, Real segundoang, Real primerlad, Real& segundolad, Real& ladorestante,
         Real& angrestante, Real& seglad2, Real& ladores2, Real& angres2, bool& doble);

} // namespace esferica
