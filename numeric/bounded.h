// SPDX-License-Identifier: GPL-3.0-or-later
// Values that carry a bound on their error, so that the solvers can tell a triangle from data that
// sit exactly on a limit: a double root of the ambiguous cases, a side or angle of 0 or 180
// degrees. Rounding moves such data a few units in the last place to one side of the limit or the
// other, and the square root and the inverse cosine amplify that into visible nonsense (a second
// copy of the one triangle, or an angle of 180 degrees). A limit is taken as reached when the
// value lies within its error bound of it.
//
// The bound is a running error analysis: every operation adds the first-order propagation of its
// operands' bounds and its own rounding of half a unit in the last place (u = 2^-53; the
// elementary functions are allowed one unit, 2u, relative to their result). The value itself is
// computed by exactly the same Real operations in the same order as without a bound, so bounding a
// formula changes none of its results: only the tests made on the bound are new. Second-order
// terms (products of two errors) are left out; they are smaller by a further factor of 1e-15.
#pragma once

#include "numeric/angles.h"
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

    // An element as the user typed it: read from decimal text (one rounding), turned into radians
    // by doubling, multiplying by the program's pi and dividing by 360 (two more), and that pi is
    // itself short of the true one by kPiShortfall. So the radians stand for the angle the user
    // meant to within this relative error.
    static Bounded given(Real radians) {
        constexpr double kRelative = kPiShortfall / kPi + 3 * kUnitRoundoff;
        return {radians, std::fabs(radians.value()) * kRelative};
    }

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

    friend Bounded sin(Bounded x) {
        return evaluated(sin(x.value_), std::fabs(std::cos(x.value_.value())) * x.error_);
    }
    friend Bounded cos(Bounded x) {
        return evaluated(cos(x.value_), std::fabs(std::sin(x.value_.value())) * x.error_);
    }
    friend Bounded atan(Bounded x) {
        const double v = x.value_.value();
        return evaluated(atan(x.value_), x.error_ / (1 + v * v));
    }
    // The worst case over [v - e, v + e] rather than the first-order slope, which is unbounded
    // at 0: sqrt(v) - sqrt(v - e) = e / (sqrt(v) + sqrt(v - e)).
    friend Bounded sqrt(Bounded x) {
        const Real r = sqrt(x.value_);
        const double below = std::sqrt(std::fmax(x.value_.value() - x.error_, 0.0));
        const double spread = r.value() + below;
        return rounded(r, spread > 0 ? x.error_ / spread : 0);
    }

private:
    static Bounded rounded(Real v, double propagated) {
        return {v, propagated + kUnitRoundoff * std::fabs(v.value())};
    }
    static Bounded evaluated(Real v, double propagated) {
        return {v, propagated + 2 * kUnitRoundoff * std::fabs(v.value())};
    }

    Real value_;
    double error_ = 0;
};

// The inverse cosine of a bounded argument. An argument within its error of +-1 is taken for +-1
// exactly and fails as ArcCos(+-1) does, with a division by zero: the angle would lie within
// rounding of 0 or 180 degrees, the mark of a degenerate triangle. The angle is a plain Real: a
// later step that uses it treats it as exact (see solver/triangle.cpp).
inline Real ArcCos(Bounded z) {
    if (std::fabs(1 - z.magnitude()) <= z.error())
        fail(FailureKind::DivisionByZero);
    return ArcCos(z.value()); // fails beyond +-1, in the square root
}

} // namespace esferica
