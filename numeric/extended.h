// SPDX-License-Identifier: GPL-3.0-or-later
// Arithmetic beyond one rounding, for the quantities that decide whether data lie on a limit.
//
// A half sum of given elements, such as (b + c - a)/2 of three sides, is a sum of doubles that
// one rounding per operation could move by more than the rounding of the data themselves:
// TwoFoldSum carries it in two doubles until it is read once.
// The ambiguous cases' double root depends on sines of the data, which no double computes to better
// than its last bit: TwoFold carries about 32 digits through them, so that what decides is the
// rounding of the data, not that of the arithmetic.
//
// Plain doubles: the operands are elements and half sums of elements (at most a few turns) and
// sines, so no operation here can overflow or produce a NaN.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <initializer_list>

namespace esferica {

// a + b as its rounded value and the exact rest (Knuth's two-sum: six operations, no branch).
struct Split {
    double value, rest;
};
inline Split twoSum(double a, double b) {
    const double s = a + b;
    const double bv = s - a;
    return {s, (a - (s - bv)) + (b - bv)};
}
// The same where |a| >= |b| or a is 0 (three operations).
inline Split fastTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}
// a * b as its rounded value and the exact rest, through one fused multiply-add.
inline Split twoProduct(double a, double b) {
    const double p = a * b;
    return {p, std::fma(a, b, -p)};
}

// A sum of a few doubles carried in two (the cascaded two-sum of Ogita, Rump and Oishi): the
// rounded sum and the rest of it. Read once, it is within half a unit in the last place of the
// exact sum plus 2 u^2 times the sum of the terms' magnitudes (u = 2^-53): the sum of three sides
// of a triangle near 180 degrees is right to 1e-29 degrees, however much of it cancels.
class TwoFoldSum {
public:
    TwoFoldSum() = default;
    TwoFoldSum(std::initializer_list<double> terms) {
        for (const double t : terms)
            *this += t;
    }

    TwoFoldSum& operator+=(double term) {
        const Split s = twoSum(head_, term);
        head_ = s.value;
        rest_ += s.rest;
        return *this;
    }

    // The sum, rounded once.
    double value() const { return head_ + rest_; }
    // The sum less n times `quarter`, rounded once, where n times `quarter` is a double and n is
    // the whole number of quarters nearest to the sum: then the head less it is exact
    // (Sterbenz), since the head lies between n - 1/2 and n + 1/2 quarters.
    double less(int n, double quarter) const { return (head_ - n * quarter) + rest_; }
    // The whole number of quarters nearest to the sum, by truncation (no library call), given the
    // reciprocal of the quarter: next to a half quarter either neighbour does.
    int nearest(double perQuarter) const {
        const double q = head_ * perQuarter;
        return static_cast<int>(q + (q < 0 ? -0.5 : 0.5));
    }

private:
    double head_ = 0, rest_ = 0;
};

// A double-double: hi + lo with |lo| at most half a unit in the last place of hi, about 32
// significant digits. Each operation below is within a few units of 2^-104 of its exact result.
struct TwoFold {
    double hi = 0, lo = 0;

    friend TwoFold operator+(TwoFold a, TwoFold b) {
        Split s = twoSum(a.hi, b.hi);
        const Split t = twoSum(a.lo, b.lo);
        s = fastTwoSum(s.value, s.rest + t.value);
        s = fastTwoSum(s.value, s.rest + t.rest);
        return {s.value, s.rest};
    }
    friend TwoFold operator-(TwoFold a) { return {-a.hi, -a.lo}; }
    friend TwoFold operator-(TwoFold a, TwoFold b) { return a + -b; }
    friend TwoFold operator*(TwoFold a, TwoFold b) {
        const Split p = twoProduct(a.hi, b.hi);
        const Split s = fastTwoSum(p.value, p.rest + (a.hi * b.lo + a.lo * b.hi));
        return {s.value, s.rest};
    }
    friend TwoFold operator*(TwoFold a, double b) {
        const Split p = twoProduct(a.hi, b);
        const Split s = fastTwoSum(p.value, p.rest + a.lo * b);
        return {s.value, s.rest};
    }
    friend TwoFold operator/(TwoFold a, double b) {
        const double q = a.hi / b;
        const TwoFold back = TwoFold{q} * b;
        const double r = ((a.hi - back.hi) - back.lo + a.lo) / b;
        const Split s = fastTwoSum(q, r);
        return {s.value, s.rest};
    }
};

// pi / 180 and the program's half turn kPi (numeric/angles.h) measured in true radians, pi / kPi,
// to 32 digits.
inline constexpr TwoFold kRadiansPerDegree{0.017453292519943295, 2.9486522708701687e-19};
inline constexpr TwoFold kRadiansPerProgramRadian{1.000000000000001, -8.1735405400201e-17};

// The sine and cosine of t (true radians, |t| at most a little over pi/4) by their Taylor series
// to the term that no longer counts: (pi/4)^29 / 29! is under 1e-33.
struct TwoFoldSinCos {
    TwoFold s, c;
};
inline TwoFoldSinCos sincos(TwoFold t) {
    constexpr int kTerms = 14;
    const TwoFold t2 = t * t;
    TwoFold s{1}, c{1};
    for (int k = kTerms; k >= 1; --k) {
        s = TwoFold{1} - t2 * s / static_cast<double>((2 * k) * (2 * k + 1));
        c = TwoFold{1} - t2 * c / static_cast<double>((2 * k - 1) * (2 * k));
    }
    return {t * s, c};
}

} // namespace esferica
