// SPDX-License-Identifier: GPL-3.0-or-later
// One spherical triangle and the solvers of the six cases.
//
// Sides a, b, c are arcs of the unit sphere and angles A, B, C lie opposite the side of the same
// letter; all are in radians. Each solver takes the given elements and returns the elements it
// finds; it returns only triangles, every element strictly between 0 and 180 degrees. Data that no
// triangle fits make it throw a Failure, which no solver catches: an ArcCos argument at or beyond
// +-1, or within rounding of +-1 (a triangle with an element of 0 or 180 degrees, which is no
// triangle), a negative discriminant, a zero divisor, or NoTriangle.
//
// Names. The parameters are Spanish words for the role an element plays in its case, whichever
// letter it is: `lad` is a side (lado), `ang` an angle (ángulo); `primer`/`segundo` the first and
// second of a pair, `restante` the third, remaining one. So `primerlad`, `segundolad` and
// `ladorestante` are the first, second and remaining sides, `primerang`, `segundoang` and
// `angrestante` the angles. In SSA `angulo` is the given angle, `opuesto` the given side opposite
// it, `adyacente` the other given side, `interno` the angle between the two given sides, `externo`
// the angle opposite `adyacente`, `restante` the third side.
#pragma once

#include "numeric/checked.h"

#include <array>
#include <optional>

namespace esferica {

// Raised by an ambiguous case when none of the roots of its quadratic gives a triangle: the same
// verdict, "no triangle fits", that an arithmetic failure gives the other cases.
class NoTriangle : public Failure {
public:
    const char* what() const noexcept override { return "no triangle fits the data"; }
};

// The six elements, in the order of the window's fields and labels.
enum class Element { a, b, c, A, B, C };
inline constexpr int kElements = 6;
inline constexpr std::array<Element, kElements> kAllElements{Element::a, Element::b, Element::c,
                                                             Element::A, Element::B, Element::C};

// The position of an element in that order: 0 for a to 5 for C.
constexpr std::size_t index(Element e) {
    return static_cast<std::size_t>(e);
}
constexpr bool isSide(Element e) {
    return e <= Element::c;
}

struct TriangleSolution {
    Real a, b, c, A, B, C;

    Real& operator[](Element e) { return this->*kMembers[index(e)]; }
    Real operator[](Element e) const { return this->*kMembers[index(e)]; }

private:
    static constexpr std::array<Real TriangleSolution::*, kElements> kMembers{
        &TriangleSolution::a, &TriangleSolution::b, &TriangleSolution::c,
        &TriangleSolution::A, &TriangleSolution::B, &TriangleSolution::C};
};

// Three sides: the three angles by the law of cosines for sides.
TriangleSolution SSS(Real a, Real b, Real c);

// Three angles: the three sides by the law of cosines for angles.
TriangleSolution AAA(Real A, Real B, Real C);

// Two sides and the angle between them. `angulo` lies between `primerlad` and `segundolad`.
struct SASResult {
    Real primerang;    // opposite primerlad
    Real segundoang;   // opposite segundolad
    Real ladorestante; // opposite angulo
};
SASResult SAS(Real angulo, Real primerlad, Real segundolad);

// Two angles and the side between their vertices, by the law of cosines for angles, so sides
// above 90 degrees come out as such.
struct ASAResult {
    Real primerlad;   // opposite primerang
    Real segundolad;  // opposite segundoang
    Real angrestante; // opposite ladorestante
};
ASAResult ASA(Real primerang, Real segundoang, Real ladorestante);

// The triangles of an ambiguous case: always a first one, and a second when the data fit two.
template <class Triangle> struct Ambiguous {
    Triangle first;
    std::optional<Triangle> second;
};

// Two sides and the angle opposite one of them: `opuesto` lies opposite `angulo`, `adyacente` is
// the other side. The third side x comes from the roots of a quadratic in t = tan(x/2); each root
// gives a candidate triangle.
//
// The given elements are taken as exact up to their rounding (Bounded::given), and every quantity
// that rounding cannot tell from a limit is taken for the limit:
//   - a leading coefficient within its error of 0 (two given sides adding up to 180 degrees, two
//     equal given angles) leaves a linear equation with one root, the other gone to x = 180;
//   - a discriminant within its error of 0 is a double root: one triangle, not two copies of it;
//   - a root whose x lies within its error of 0 or 180 degrees, or that is not positive, gives no
//     triangle, and neither does one whose derived elements reach 0 or 180 degrees.
// The first triangle comes from the root with +sqrt when it yields one, otherwise from the other
// root. Fails on a negative discriminant (NegativeSquareRoot), with DivisionByZero when the
// linear term vanishes too (the data leave the missing element free, or fit none), and with
// NoTriangle when no root yields a triangle.
struct SSATriangle {
    Real interno;  // between opuesto and adyacente, opposite restante
    Real externo;  // opposite adyacente
    Real restante; // the third side
};
Ambiguous<SSATriangle> SSA(Real angulo, Real opuesto, Real adyacente);

// Two angles and the side opposite one of them: `primerlad` lies opposite `primerang`. The dual
// of SSA, solving for the third angle; same limits, choice of roots and failures.
struct AASTriangle {
    Real segundolad;   // opposite segundoang
    Real ladorestante; // opposite angrestante
    Real angrestante;  // the third angle
};
Ambiguous<AASTriangle> AAS(Real primerang, Real segundoang, Real primerlad);

} // namespace esferica
