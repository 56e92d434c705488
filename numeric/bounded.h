// SPDX-License-Identifier: GPL-3.0-or-later
// Values that carry a bound on the error of their computing, so that the solvers can tell where a
// quantity lies too near a limit for double precision to decide (a double root of the ambiguous
// cases, a third side of 0 or 180 degrees), and which of two formulas for the same quantity is the
// sharper; and so that the measures of a triangle can take the best conditioned of theirs. Near a
// limit, rounding moves a value a few units in the last place to one side or the other, and a
// square root amplifies that into visible nonsense (a second copy of the one triangle, or none
// where one fits): there the solvers decide on the data themselves (solver/triangle.cpp).
//
// The bound is a running error analysis: every operation adds the first-order propagation of its
// operands' bounds and its own rounding of half a unit in the last place (u = 2^-53; the
// elementary functions are allowed one unit, 2u, relative to their result). The value itself is
// computed by exactly the same Real operations in the same order as without a bound, so bounding a
// formula changes none of its results: only the tests made on the bound are new. Second-order
// terms (products of two errors) are left out; they are smaller by a further factor of 1e-15.
#pragma once

#include "numeric/checked.h"

#include <cmath>
#include <limits>

namespace esferica {

class Bounded {
public:
    // Half a unit in the last place: the largest relative rounding error of one operation.
    static constexpr double kUnitRoundoff = std::numeric_limits<double>::epsilon() / 2;

    Bounded() = default;
    // An exact value (a constant of a formula), or a value with a known error bound.
    Bounded(Real value, double error = 0) : value_(value), error_(error) {} // NOLINT
    Bounded(double value) : value_(value) {}                                // NOLINT

    Real value() const { return value_; }
    double error() const { return error_; }
    double magnitude() const { return std::fabs(value_.value()); }
    // Whether the exact value may be zero.
    bool mayBeZero() const { return magnitude() <= error_; }

    friend Bounded operator+(Bounded a, Bounded b) {
        return rounded(a.value_ + b.value_, a.error_ + b.error_);
    }
    friend Bounded operator-(Bounded a, Bounded b) {
        return rounded(a.value_ - b.value_, a.error_ + b.error_);
    }
    friend Bounded operator-(Bounded a) { return {-a.value_, a.error_}; }
    friend Bounded operator*(Bounded a, Bounded b) {
        return rounded(a.value_ * b.value_, a.magnitude() * b.error_ + b.magnitude() * a.error_);
    }
    friend Bounded operator/(Bounded a, Bounded b) {
        const Real q = a.value_ / b.value_;
        return rounded(q, (a.error_ + std::fabs(q.value()) * b.error_) / b.magnitude());
    }

    // First order in both arguments: the slopes of atan2 are x / (x^2 + y^2) and y / (x^2 + y^2).
    // Callers keep (y, x) away from (0, 0) by more than its error.
    friend Bounded atan2(Bounded y, Bounded x) {
        const double yv = y.value_.value(), xv = x.value_.value();
        const double radius2 = xv * xv + yv * yv;
        const double propagated = std::fabs(xv) * y.error_ + std::fabs(yv) * x.error_;
        return evaluated(atan2(y.value_, x.value_), radius2 > 0 ? propagated / radius2 : 0);
    }
    // The worst case over [v - e, v + e] rather than the first-order slope, which is unbounded
    // at 0: sqrt(v) - sqrt(v - e) = e / (sqrt(v) + sqrt(v - e)).
    friend Bounded sqrt(Bounded x) {
        const Real r = sqrt(x.value_);
        const double below = std::sqrt(std::fmax(x.value_.value() - x.error_, 0.0));
        const double spread = r.value() + below;
        return rounded(r, spread > 0 ? x.error_ / spread : 0);
    }

    // A value of an elementary function with the propagated error given: one unit in the last place
    // of its own.
    static Bounded evaluated(Real v, double propagated) {
        return {v, propagated + 2 * kUnitRoundoff * std::fabs(v.value())};
    }

private:
    static Bounded rounded(Real v, double propagated) {
        return {v, propagated + kUnitRoundoff * std::fabs(v.value())};
    }
    Real value_;
    double error_ = 0;
};

} // namespace esferica
