// SPDX-License-Identifier: GPL-3.0-or-later
// One spherical triangle and the solvers of the six cases.
//
// Sides a, b, c are arcs of the unit sphere and angles A, B, C lie opposite the side of the same
// letter. Each solver takes the given elements, in degrees as the calculate command reads them or
// in the program's radians (numeric/angles.h: kPi is the half turn), and returns the elements it
// finds; it returns only triangles, every element strictly between 0 and 180 degrees. Data that
// no triangle fits make it throw a Failure, which no solver catches: a given element at 0 or 180
// degrees or beyond, or under 2^-500 radians (1.75e-149 degrees, where the formulas' products
// would leave the range of full-precision doubles), data whose triangle would have an element at 0
// or 180 degrees (DivisionByZero), data beyond what any triangle has (NegativeSquareRoot), or
// NoTriangle.
//
// Limits. A given element is taken as exact up to the rounding of its reading: half a unit in the
// last place of the double read from the typed degrees; in radians, as from typed degrees through
// GradtoRad, two roundings more. Data are on a limit (a double root of the ambiguous cases, a
// triangle with an element of 0 or 180 degrees) when that rounding, and nothing else, can put them
// there, so data a few units in the last place beside a limit are solved as the triangles beside
// it are.
//
// Accuracy: an element found is right to within a few units in the last place of itself and of
// its supplement, however near 0 or 180 degrees it lies, plus what the rounding of the given
// elements moves it by, which is more only where the data decide the element poorly (next to a
// double root of the ambiguous cases; the three angles of a small triangle). See
// solver/triangle.cpp for the formulas and docs/accuracy.md for the figures that
// tests/accuracy_test.cpp measures.
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
#include "numeric/reduced.h"

#include <array>
#include <optional>

namespace esferica {

// Raised by an ambiguous case when neither candidate of its sine rule gives a triangle: the same
// verdict, "no triangle fits", that an arithmetic failure gives the other cases.
class NoTriangle : public Failure {
public:
    explicit NoTriangle(bool onLimit) noexcept : onLimit_(onLimit) {}
    const char* what() const noexcept override { return "no triangle fits the data"; }
    // Whether the data lie on a limit, as far as the rounding of their reading can tell: a double
    // root, or a candidate with a third side of 0 or 180 degrees.
    bool onLimit() const noexcept { return onLimit_; }

private:
    bool onLimit_;
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

// The six elements as the solvers hold them: each a whole number of quarter turns and a remainder
// with its error bound (numeric/reduced.h), so that an element next to 0 or 180 degrees keeps its
// distance from the limit to its last digits. A double of radians cannot: below kPi it holds no
// angle within 2.5e-14 degrees of 180. The measures of a triangle are taken from these.
struct HeldTriangle {
    std::array<ReducedAngle, kElements> elements;

    ReducedAngle& operator[](Element e) { return elements[index(e)]; }
    const ReducedAngle& operator[](Element e) const { return elements[index(e)]; }
};

// An element in the program's radians, strictly between 0 and kPi: rounded, and one nearer to 180
// degrees than the largest double below kPi as that double.
Real heldRadians(const ReducedAngle& x);

// An element given in degrees, as read from the typed text.
struct Degrees {
    double value;
};

// What a solver finds, in the order of its outputs below, as held.
using Found = std::array<ReducedAngle, 3>;

// The intermediate values of one solving from degrees, as the formulas of solver/triangle.cpp
// compute them, for showing the working of a solution: recorded on the way when a solver is
// handed one, at no cost otherwise. Angles in degrees; the letters are those of the formulas'
// comments there.
struct SolverTrace {
    // Three sides (three angles: of the polar triangle): the half defects pi - s, s - p, s - q,
    // s - r, their sines, t_p, t_q, t_r and k.
    std::array<double, 4> defects{}, defectSines{};
    double tp = 0, tq = 0, tr = 0, k = 0;
    // Two sides and the angle between them (two angles and the side between them: on the polar
    // triangle): (p + q)/2, (p - q)/2, G/2, Delambre's four products, (P + Q)/2, (P - Q)/2, g/2,
    // and the smaller angle by the sine rule where it replaces the analogies (0 for P, 1 for Q).
    double halfSum = 0, halfDifference = 0, halfAngle = 0;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double halfAngleSum = 0, halfAngleDifference = 0, halfThird = 0;
    std::optional<int> bySineRule;
    double sineRuleSine = 0;
    // An ambiguous case: sin p, y = sin q sin P, sin^2 p cos^2 x, the acute candidate x (once the
    // square root is taken), whether the root is double, and for each candidate (the acute one,
    // its supplement) whether it was tried and which of Napier's analogies gave its third side
    // and angle, with their quotients' parts, once it fits.
    double sineOfOpposite = 0, sineProduct = 0, cosine2 = 0;
    std::optional<double> candidate;
    bool doubleRoot = false;
    struct Closure {
        bool tried = false, fits = false;
        bool sideByFirst = true, angleByFirst = true;
        double n = 0, d = 0, y = 0, x = 0;
    };
    std::array<Closure, 2> closures{};
};

// Three sides: the three angles by the half-angle formulas. Sides whose triangle inequalities or
// perimeter of 360 degrees hold with equality, within rounding, fit no triangle.
TriangleSolution SSS(Real a, Real b, Real c);
Found SSS(Degrees a, Degrees b, Degrees c,
          SolverTrace* trace = nullptr); // A, B, C

// Three angles: the three sides by the half-angle formulas of the polar triangle. Angles adding up
// to 180 degrees, within rounding, fit no triangle.
TriangleSolution AAA(Real A, Real B, Real C);
Found AAA(Degrees A, Degrees B, Degrees C,
          SolverTrace* trace = nullptr); // a, b, c

// Two sides and the angle between them, by Delambre's analogies. `angulo` lies between
// `primerlad` and `segundolad`.
struct SASResult {
    Real primerang;    // opposite primerlad
    Real segundoang;   // opposite segundolad
    Real ladorestante; // opposite angulo
};
SASResult SAS(Real angulo, Real primerlad, Real segundolad);
Found SAS(Degrees angulo, Degrees primerlad, Degrees segundolad, SolverTrace* trace = nullptr);

// Two angles and the side between their vertices, by Delambre's analogies on the polar triangle,
// so sides above 90 degrees come out as such.
struct ASAResult {
    Real primerlad;   // opposite primerang
    Real segundolad;  // opposite segundoang
    Real angrestante; // opposite ladorestante
};
ASAResult ASA(Real primerang, Real segundoang, Real ladorestante);
Found ASA(Degrees primerang, Degrees segundoang, Degrees ladorestante,
          SolverTrace* trace = nullptr);

// The triangles of an ambiguous case: always a first one, and a second when the data fit two.
template <class Triangle> struct Ambiguous {
    Triangle first;
    std::optional<Triangle> second;
};

// Two sides and the angle opposite one of them: `opuesto` lies opposite `angulo`, `adyacente` is
// the other side. The sine rule gives the angle opposite `adyacente` as an acute candidate and
// its supplement; Napier's analogies give each candidate's third side and angle.
//
// Data that the rounding of their reading can put on a limit are taken for the limit:
//   - where the sine rule's cosine can be 0, a double root: one triangle, with that angle exactly
//     90 degrees, not two copies of it;
//   - where the two given sides can be equal, the candidate whose third side is then 0 (the
//     supplement of the given angle) gives no triangle, nor where they can add up to 180 degrees
//     the candidate whose third side is then 180 (the given angle itself);
//   - a candidate whose third side lies beyond 0 or 180 degrees gives no triangle.
// The first triangle is the acute candidate's when it fits, otherwise the other's. Fails on data
// that fit no angle of the sine rule (NegativeSquareRoot), with DivisionByZero when the data leave
// the third side free (both given sides and the angle opposite, and the angle found, all of 90
// degrees), and with NoTriangle when no candidate fits.
struct SSATriangle {
    Real interno;  // between opuesto and adyacente, opposite restante
    Real externo;  // opposite adyacente
    Real restante; // the third side
};
Ambiguous<SSATriangle> SSA(Real angulo, Real opuesto, Real adyacente);
Ambiguous<Found> SSA(Degrees angulo, Degrees opuesto, Degrees adyacente,
                     SolverTrace* trace = nullptr);

// Two angles and the side opposite one of them: `primerlad` lies opposite `primerang`. The dual
// of SSA: the sine rule gives the side opposite `segundoang`; same limits, choice of candidates
// and failures.
struct AASTriangle {
    Real segundolad;   // opposite segundoang
    Real ladorestante; // opposite angrestante
    Real angrestante;  // the third angle
};
Ambiguous<AASTriangle> AAS(Real primerang, Real segundoang, Real primerlad);
Ambiguous<Found> AAS(Degrees primerang, Degrees segundoang, Degrees primerlad,
                     SolverTrace* trace = nullptr);

} // namespace esferica
