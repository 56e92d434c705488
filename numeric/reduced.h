// SPDX-License-Identifier: GPL-3.0-or-later
// Angles of the program's radians kept as a whole number of quarter turns and a small remainder,
// so that half sums and differences of elements, and their sines and cosines, keep their relative
// accuracy where the angle nears a multiple of the quarter turn: 180 degrees minus a side of
// 179.9999 degrees is 0.0001 degrees to the last digit, where (kPi - x) would be exact but
// std::sin(x) is not, and a sum of two sides near 90 degrees that cancels does so exactly.
//
// The program's radians take kPi, which falls short of the true half turn by the relative amount
// kShortfall, for 180 degrees (numeric/angles.h); std::sin and the other library functions work in
// true radians. A whole number of quarter turns is exact in either, so only the remainder is
// rescaled, by (1 + kShortfall), before its sine or cosine is taken, and an angle computed by a
// library function (true radians) is brought back by toProgram.
#pragma once

#include "numeric/angles.h"
#include "numeric/bounded.h"
#include "numeric/checked.h"
#include "numeric/extended.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace esferica {

// How far kPi falls short of pi, relative to it.
inline constexpr double kShortfall = kPiShortfall / kPi;

// True radians (from atan2) in the program's radians. One rounding.
inline Real toProgram(Real radians) {
    return radians - radians * kShortfall;
}
inline Bounded toProgram(Bounded radians) {
    return radians - radians * Bounded(kShortfall);
}

template <class Number> struct SinCos { Number s, c; };

// The unit that angles are given in: degrees, as the user types them, or the program's radians.
enum class Unit { Degrees, ProgramRadians };
inline constexpr double quarterTurn(Unit unit) {
    return unit == Unit::Degrees ? 90 : kPi / 2;
}
inline constexpr double halfTurn(Unit unit) {
    return unit == Unit::Degrees ? 180 : kPi;
}

class ReducedAngle {
public:
    static constexpr double kQuarter = kPi / 2, kEighth = kPi / 4; // both exact
    // How far the remainder of a sum may lie from it once read (ofSum): a rounding in reading the
    // sum, two in the conversion to the program's radians, and a unit's margin for what cancelled.
    static constexpr double kSumError = 4 * Bounded::kUnitRoundoff;

    // The angle 0.
    ReducedAngle() : ReducedAngle(0) {}
    // quarters * kPi/2 + rest, with |rest| at most a half turn.
    explicit ReducedAngle(Bounded rest, int quarters = 0) : quarters_(quarters), rest_(rest) {
        reduce();
        reduce();
    }
    // n quarter turns exactly.
    static ReducedAngle quarterTurns(int n) { return ReducedAngle(n); }

    // A sum of angles in `unit` carried in two doubles (numeric/extended.h), of at most two
    // quarter turns either way: the whole quarter turns are taken off the sum before it is
    // rounded, so the remainder is within kSumError of itself however much of the terms cancelled.
    static ReducedAngle ofSum(const TwoFoldSum& sum, Unit unit) {
        const bool degrees = unit == Unit::Degrees;
        const int quarters = sum.nearest(degrees ? 1.0 / 90 : 2 / kPi);
        const double rest = sum.less(quarters, quarterTurn(unit));
        // kPi / 180 rounds once and the product once more; the remainder is at most a half turn.
        const double inProgram = degrees ? rest * (kPi / 180) : rest;
        return ReducedAngle(Bounded(inProgram, kSumError * std::fabs(inProgram)), quarters, Once{});
    }

    // The angle of the point (x, y), in (-kPi, kPi], with the remainder from one arctangent of a
    // quotient of at most 1, so that it keeps its relative accuracy next to every multiple of the
    // quarter turn. With x and y each within the relative error e of exact values, the remainder
    // lies within (2 e + 4u) of itself: the slope of the angle is |sin cos| at most |remainder|
    // times (e + e), and the quotient, the arctangent and the rescaling round it. (0, 0), which
    // has no angle, fails as a division by zero.
    static ReducedAngle angleOf(Real y, Real x, double relativeError) {
        const Real rest = atanRest(y, x);
        return ReducedAngle(Bounded(rest, (2 * relativeError + 4 * Bounded::kUnitRoundoff) *
                                              std::fabs(rest.value())),
                            angleQuarters(y, x), Once{});
    }
    // The same with the error bounds of x and y, to first order: |x| e_y + |y| e_x over x^2 + y^2.
    static ReducedAngle angleOf(Bounded y, Bounded x) {
        const Real rest = atanRest(y.value(), x.value());
        const double yv = y.value().value(), xv = x.value().value();
        const double propagated =
            (std::fabs(xv) * y.error() + std::fabs(yv) * x.error()) / (xv * xv + yv * yv);
        return ReducedAngle(
            Bounded(rest, propagated + 4 * Bounded::kUnitRoundoff * std::fabs(rest.value())),
            angleQuarters(y.value(), x.value()), Once{});
    }

    // Twice the angle: exact.
    ReducedAngle twice() const {
        return ReducedAngle(Bounded(rest_.value() * 2, rest_.error() * 2), quarters_ * 2, Once{});
    }

    // Sums and differences of two reduced angles have a remainder of at most a quarter turn,
    // which one step reduces.
    friend ReducedAngle operator+(ReducedAngle x, ReducedAngle y) {
        return ReducedAngle(x.rest_ + y.rest_, x.quarters_ + y.quarters_, Once{});
    }
    friend ReducedAngle operator-(ReducedAngle x, ReducedAngle y) {
        return ReducedAngle(x.rest_ - y.rest_, x.quarters_ - y.quarters_, Once{});
    }
    ReducedAngle supplement() const { return quarterTurns(2) - *this; }
    // Exact for an even number of quarters; otherwise an eighth of a turn joins the remainder,
    // and the half lies at least a sixteenth of a turn from every multiple of the quarter, where
    // one rounding of the remainder costs no relative accuracy in its sine or cosine.
    ReducedAngle half() const {
        const Bounded halved(rest_.value() * 0.5, rest_.error() * 0.5);
        if (quarters_ % 2 == 0)
            return ReducedAngle(halved, quarters_ / 2, Once{});
        return ReducedAngle(halved + Bounded(kEighth), (quarters_ - 1) / 2, Once{});
    }

    // The angle in one double: rounded, so only for a result.
    Real radians() const { return quarters_ * kQuarter + rest_.value(); }
    // The same in true radians (an area is one).
    Real trueRadians() const { return quarters_ * kTrueQuarter + trueRest(); }

    int quarters() const { return quarters_; }
    const Bounded& rest() const { return rest_; }

    // Whether the angle lies below 0.
    bool negative() const { return quarters_ < 0 || (quarters_ == 0 && rest_.value() < 0); }

    // The sine and cosine, each within 2u of the exact value of the angle held; with a bound, that
    // also counts what the error of the remainder carries: the error times the other function,
    // which is at most 1 for the sine and at most the remainder for the cosine.
    SinCos<Real> sincosValues() const {
        const Real r = trueRest();
        return turned(SinCos<Real>{sin(r), cos(r)});
    }
    SinCos<Bounded> sincos() const {
        const Real r = trueRest();
        const Real s = sin(r), c = cos(r);
        const double e = trueError();
        return turned(SinCos<Bounded>{Bounded::evaluated(s, std::fabs(c.value()) * e),
                                      Bounded::evaluated(c, std::fabs(s.value()) * e)});
    }
    Real sineValue() const {
        const Real r = trueRest();
        return signed_(quarters_ % 2 == 0 ? sin(r) : cos(r));
    }
    Bounded sine() const {
        const Real r = trueRest();
        const double e = trueError();
        return signed_(quarters_ % 2 == 0 ? Bounded::evaluated(sin(r), e)
                                          : Bounded::evaluated(cos(r), std::fabs(r.value()) * e));
    }

private:
    static constexpr double kTrueQuarter = 1.5707963267948966;
    struct Once {};
    explicit ReducedAngle(int quarters) : quarters_(quarters), rest_(0.0) {}

    // The remainder of the angle of (x, y), in the program's radians, and its quarter turns.
    static Real atanRest(Real y, Real x) {
        const Real ay = abs(y), ax = abs(x);
        if (ay.value() == 0 && ax.value() == 0)
            fail(FailureKind::DivisionByZero);
        return toProgram(ay <= ax ? atan(y / x) : -atan(x / y));
    }
    static int angleQuarters(Real y, Real x) {
        const bool below = y.value() < 0;
        if (abs(y) <= abs(x))
            return x.value() > 0 ? 0 : below ? -2 : 2;
        return below ? -1 : 1;
    }
    ReducedAngle(Bounded rest, int quarters, Once) : quarters_(quarters), rest_(rest) { reduce(); }

    // One step towards a remainder in [-kPi/4, kPi/4]: a quarter off a remainder between an eighth
    // and a half turn, exact (Sterbenz), so the error bound stays as it was.
    void reduce() {
        if (rest_.value() > kEighth) {
            rest_ = Bounded(rest_.value() - kQuarter, rest_.error());
            ++quarters_;
        } else if (rest_.value() < -kEighth) {
            rest_ = Bounded(rest_.value() + kQuarter, rest_.error());
            --quarters_;
        }
    }
    // The remainder in true radians, where the library's sine and cosine take it, and its error:
    // the remainder's own, rescaled, and the rounding of the rescaling.
    Real trueRest() const { return rest_.value() + rest_.value() * kShortfall; }
    double trueError() const {
        return rest_.error() * (1 + kShortfall) + Bounded::kUnitRoundoff * rest_.magnitude();
    }
    // The sine or cosine of the remainder as that of the whole angle: quarters turn (s, c) into
    // (c, -s), (-s, -c) or (-c, s); two's complement makes the low bits right for negative ones.
    template <class Number> SinCos<Number> turned(SinCos<Number> v) const {
        switch (quarters_ & 3) {
        case 0:
            return v;
        case 1:
            return {v.c, -v.s};
        case 2:
            return {-v.s, -v.c};
        default:
            return {-v.c, v.s};
        }
    }
    template <class Number> Number signed_(Number v) const { return (quarters_ & 2) == 0 ? v : -v; }

    int quarters_;
    Bounded rest_;
};

} // namespace esferica
