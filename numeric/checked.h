// SPDX-License-Identifier: GPL-3.0-or-later
// Checked arithmetic: every floating-point operation of the solver, the fitting and the drawing
// goes through Real, so that no infinity or NaN is ever produced or stored.
//
// A Real is a double that is always finite. Each operation tests its result explicitly and raises
// ArithmeticFailure instead of producing a non-finite value:
//   - division by zero (0/0 included)           -> DivisionByZero
//   - a result beyond the double range           -> Overflow
//   - a NaN (only reachable from outside, since finite operands never give one) -> InvalidOperation
//   - the square root of a negative number       -> NegativeSquareRoot
// The checks are plain comparisons on the result: no hardware traps, no floating-point status
// flags, nothing the optimiser may reorder. Build without -ffast-math: the checks and the
// evaluation orders written in the formulas depend on exact IEEE behaviour (-0.0 included).
// Underflow is not a failure: a tiny result rounds to a subnormal or to zero.
#pragma once

#include <cmath>
#include <compare>
#include <exception>

namespace esferica {

// What went wrong in one checked operation.
enum class FailureKind {
    // A quotient whose divisor is zero, 0/0 included: a degenerate triangle (a side or an angle of
    // 0 or 180 degrees, or in the solvers within rounding of it: numeric/bounded.h), an
    // ArcSin/ArcCos argument of exactly +-1, the angle of the point (0, 0), a grid spacing of 0.
    DivisionByZero,
    // A sum, difference, product or quotient beyond the double range, a number read from a field
    // that no double holds, or a coordinate beyond the single-precision range of the surface.
    Overflow,
    // A NaN handed in from outside: a Real is never built from a NaN, and finite operands never
    // give one.
    InvalidOperation,
    // The square root of a negative number: an ArcSin/ArcCos argument beyond +-1, sides or angles
    // that break a triangle inequality, data of an ambiguous case that fit no angle of the sine
    // rule.
    NegativeSquareRoot,
};

// Whatever abandons a step of the resume-next regime: an arithmetic failure, or a test of the
// program's own that finds the data unusable (see NoTriangle in solver/triangle.h).
class Failure : public std::exception {};

class ArithmeticFailure : public Failure {
public:
    explicit ArithmeticFailure(FailureKind kind) noexcept : kind_(kind) {}
    FailureKind kind() const noexcept { return kind_; }
    const char* what() const noexcept override;

private:
    FailureKind kind_;
};

// Throws ArithmeticFailure(kind). Kept out of line and cold so that the checks stay cheap.
[[noreturn]] void fail(FailureKind kind);

class Real {
public:
    constexpr Real() = default;
    // Implicit, so that constants read naturally in formulas; a non-finite double is refused.
    constexpr Real(double v) : v_(v) { // NOLINT(google-explicit-constructor)
        if (!std::isfinite(v)) [[unlikely]]
            fail(std::isnan(v) ? FailureKind::InvalidOperation : FailureKind::Overflow);
    }

    constexpr double value() const { return v_; }

    friend Real operator+(Real a, Real b) { return checked(a.v_ + b.v_); }
    friend Real operator-(Real a, Real b) { return checked(a.v_ - b.v_); }
    friend Real operator*(Real a, Real b) { return checked(a.v_ * b.v_); }
    friend Real operator/(Real a, Real b) {
        if (b.v_ == 0) [[unlikely]]
            fail(FailureKind::DivisionByZero);
        return checked(a.v_ / b.v_);
    }
    friend constexpr Real operator-(Real a) { return trusted(-a.v_); }

    Real& operator+=(Real b) { return *this = *this + b; }
    Real& operator-=(Real b) { return *this = *this - b; }
    Real& operator*=(Real b) { return *this = *this * b; }
    Real& operator/=(Real b) { return *this = *this / b; }

    friend constexpr bool operator==(Real a, Real b) { return a.v_ == b.v_; }
    friend constexpr std::partial_ordering operator<=>(Real a, Real b) { return a.v_ <=> b.v_; }
    // Spelled out, so that a test is one comparison rather than a three-way one.
    friend constexpr bool operator<(Real a, Real b) { return a.v_ < b.v_; }
    friend constexpr bool operator>(Real a, Real b) { return a.v_ > b.v_; }
    friend constexpr bool operator<=(Real a, Real b) { return a.v_ <= b.v_; }
    friend constexpr bool operator>=(Real a, Real b) { return a.v_ >= b.v_; }

    // The elementary functions (and floor) map finite arguments to finite results; only sqrt,
    // hypot and atan2 can fail.
    friend Real sin(Real x) { return trusted(std::sin(x.v_)); }
    friend Real cos(Real x) { return trusted(std::cos(x.v_)); }
    friend Real atan(Real x) { return trusted(std::atan(x.v_)); }
    friend Real floor(Real x) { return trusted(std::floor(x.v_)); }
    friend Real hypot(Real x, Real y) { return checked(std::hypot(x.v_, y.v_)); }
    // The angle of the point (x, y) in true radians, in [-pi, pi], as std::atan2 gives it but from
    // one arctangent of a quotient of at most 1, which costs a third as much; within two units in
    // the last place of pi of the exact angle. (0, 0), which has no angle, fails as a division by
    // zero.
    friend Real atan2(Real y, Real x) {
        constexpr double kHalfTurn = 3.141592653589793, kQuarterTurn = kHalfTurn / 2;
        const double ay = std::fabs(y.v_), ax = std::fabs(x.v_);
        if (ay == 0 && ax == 0) [[unlikely]]
            fail(FailureKind::DivisionByZero);
        double r = ay <= ax ? std::atan(ay / ax) : kQuarterTurn - std::atan(ax / ay);
        if (x.v_ < 0)
            r = kHalfTurn - r;
        return trusted(std::copysign(r, y.v_));
    }
    friend Real abs(Real x) { return trusted(std::fabs(x.v_)); }
    friend Real sqrt(Real x) {
        if (x.v_ < 0) [[unlikely]]
            fail(FailureKind::NegativeSquareRoot);
        return trusted(std::sqrt(x.v_)); // sqrt(-0) is -0, as IEEE has it
    }

private:
    static constexpr Real trusted(double v) {
        Real r;
        r.v_ = v;
        return r;
    }
    static Real checked(double r) {
        // Operands are finite, so a non-finite sum, difference, product or quotient is an overflow.
        if (!std::isfinite(r)) [[unlikely]]
            fail(FailureKind::Overflow);
        return trusted(r);
    }

    double v_ = 0;
};

// Single precision for the drawing surface: a value beyond the float range overflows instead of
// becoming an infinite coordinate.
float toSingle(Real x);

// The resume-next regime: each step runs on its own; a step that meets a failure is abandoned at
// that operation, and the next step runs.
class ResumeNext {
public:
    template <class Step> void operator()(Step&& step) {
        try {
            step();
        } catch (const Failure&) {
            // abandoned: what the step had not stored stays as it was
        }
    }
};

} // namespace esferica
