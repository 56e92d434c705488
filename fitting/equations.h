// SPDX-License-Identifier: GPL-3.0-or-later
// The four equations of the great-circle fit and their Jacobian.
//
// A great circle of the unit sphere, seen in the picture's orthographic view, is an ellipse centred
// on the origin with semi-axis 1 along the direction theta and signed semi-axis k across it. Its
// point at angle t along the circle is drawn at
//   X(t) = cos t cos theta - k sin t sin theta,   Y(t) = cos t sin theta + k sin t cos theta.
// The unknowns are a = (t1, t2, theta, k), indexed from 1, in radians except k (a fraction of the
// outline radius). The equations say that the ellipse passes through the targets of the state:
//   f1 = X(t1) - x1,  f2 = Y(t1) - y1,  f3 = X(t2) - x2,  f4 = Y(t2) - y2,
// and jij is the partial derivative of fi with respect to a(j). Rows 1 and 2 depend only on t1,
// rows 3 and 4 only on t2, so j12, j22, j31 and j41 are the constant 0.
//
// Notation: s and c prefixes mean sine and cosine; s1 = sin t1, c2 = cos t2, st = sin theta,
// ct = cos theta.
//
// Every function takes the sines and cosines of the vector computed beforehand (Trig, from
// trig()), so that the Newton iteration evaluates the six of them once per point instead of once
// per entry. None catches ArithmeticFailure; with finite inputs of ordinary size none is raised
// (only a product with a huge k can overflow).
#pragma once

#include "fitting/state.h"
#include "numeric/checked.h"

namespace esferica {

// The sines and cosines of t1, t2 and theta of one vector, and its k.
struct Trig {
    Real s1, c1, s2, c2, st, ct, k;
};

inline Trig trig(const Vec4& a) {
    return {sin(a(1)), cos(a(1)), sin(a(2)), cos(a(2)), sin(a(3)), cos(a(3)), a(4)};
}

namespace detail {

// One point of the ellipse and its derivatives, for the point's own sine s and cosine c. The
// evaluation orders are fixed on purpose (the accepted start of the caller depends on the last
// bit): the k-term of X and Y is st * (s * k) and ct * (s * k); the derivatives run left to right
// as written, -s * ct - k * c * st being ((-s) * ct) - ((k * c) * st).
inline Real X(Real c, Real s, const Trig& g) {
    return c * g.ct - g.st * (s * g.k);
}
inline Real Y(Real c, Real s, const Trig& g) {
    return c * g.st + g.ct * (s * g.k);
}
inline Real dXdt(Real c, Real s, const Trig& g) {
    return (-s) * g.ct - g.k * c * g.st;
}
inline Real dYdt(Real c, Real s, const Trig& g) {
    return (-s) * g.st + g.k * c * g.ct;
}
inline Real dXdtheta(Real c, Real s, const Trig& g) {
    return (-c) * g.st - g.k * s * g.ct;
}
inline Real dYdtheta(Real c, Real s, const Trig& g) {
    return c * g.ct - g.k * s * g.st;
}
inline Real dXdk(Real s, const Trig& g) {
    return (-s) * g.st;
}
inline Real dYdk(Real s, const Trig& g) {
    return s * g.ct;
}

} // namespace detail

// Residuals: model value minus target; a target never assigned reads 0.
inline Real f1(const Trig& g, const FittingState& s) {
    return detail::X(g.c1, g.s1, g) - s.x1;
}
inline Real f2(const Trig& g, const FittingState& s) {
    return detail::Y(g.c1, g.s1, g) - s.y1;
}
inline Real f3(const Trig& g, const FittingState& s) {
    return detail::X(g.c2, g.s2, g) - s.x2;
}
inline Real f4(const Trig& g, const FittingState& s) {
    return detail::Y(g.c2, g.s2, g) - s.y2;
}

// Jacobian entries; the targets drop out. The four constant zeros read nothing.
inline Real j11(const Trig& g) {
    return detail::dXdt(g.c1, g.s1, g);
}
inline Real j12(const Trig&) {
    return 0;
}
inline Real j13(const Trig& g) {
    return detail::dXdtheta(g.c1, g.s1, g);
}
inline Real j14(const Trig& g) {
    return detail::dXdk(g.s1, g);
}
inline Real j21(const Trig& g) {
    return detail::dYdt(g.c1, g.s1, g);
}
inline Real j22(const Trig&) {
    return 0;
}
inline Real j23(const Trig& g) {
    return detail::dYdtheta(g.c1, g.s1, g);
}
inline Real j24(const Trig& g) {
    return detail::dYdk(g.s1, g);
}
inline Real j31(const Trig&) {
    return 0;
}
inline Real j32(const Trig& g) {
    return detail::dXdt(g.c2, g.s2, g);
}
inline Real j33(const Trig& g) {
    return detail::dXdtheta(g.c2, g.s2, g);
}
inline Real j34(const Trig& g) {
    return detail::dXdk(g.s2, g);
}
inline Real j41(const Trig&) {
    return 0;
}
inline Real j42(const Trig& g) {
    return detail::dYdt(g.c2, g.s2, g);
}
inline Real j43(const Trig& g) {
    return detail::dYdtheta(g.c2, g.s2, g);
}
inline Real j44(const Trig& g) {
    return detail::dYdk(g.s2, g);
}

// The whole residual vector (f1 to f4, in that order) and the whole Jacobian (row by row, j11,
// j12, ..., j44), each entry written as soon as it is computed, so that a failing entry leaves the
// earlier ones of `jacobian` in place.
inline Vec4 residuals(const Trig& g, const FittingState& s) {
    Vec4 r;
    r(1) = f1(g, s);
    r(2) = f2(g, s);
    r(3) = f3(g, s);
    r(4) = f4(g, s);
    return r;
}

inline void fillJacobian(const Trig& g, Mat4& jacobian) {
    jacobian(1, 1) = j11(g);
    jacobian(1, 2) = j12(g);
    jacobian(1, 3) = j13(g);
    jacobian(1, 4) = j14(g);
    jacobian(2, 1) = j21(g);
    jacobian(2, 2) = j22(g);
    jacobian(2, 3) = j23(g);
    jacobian(2, 4) = j24(g);
    jacobian(3, 1) = j31(g);
    jacobian(3, 2) = j32(g);
    jacobian(3, 3) = j33(g);
    jacobian(3, 4) = j34(g);
    jacobian(4, 1) = j41(g);
    jacobian(4, 2) = j42(g);
    jacobian(4, 3) = j43(g);
    jacobian(4, 4) = j44(g);
}

} // namespace esferica
