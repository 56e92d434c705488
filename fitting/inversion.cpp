// SPDX-License-Identifier: GPL-3.0-or-later
#include "fitting/inversion.h"

namespace esferica {

namespace {

constexpr int kOrder = 4;

// Runs one statement of the inversion: a statement that meets an arithmetic failure is abandoned
// and leaves its target unchanged, and the next one runs. Nothing is recorded. The try block costs
// nothing unless a failure is raised.
template <class Statement> void skipOnFailure(Statement&& statement) {
    try {
        statement();
    } catch (const ArithmeticFailure&) {
    }
}

// The k-th of the three indices other than `skip`, in increasing order.
int other(int skip, int k) {
    return k < skip ? k : k + 1;
}

// (-1)^(1 + j) J(1, j) times the determinant of rows 2 to 4 and the columns c1 < c2 < c3 other
// than j, as six signed products of four entries each, row 1 first, summed left to right in the
// pattern of term 1: + (c1 c2 c3) - (c1 c3 c2) + (c2 c3 c1) - (c2 c1 c3) + (c3 c1 c2) - (c3 c2 c1).
// Applying the sign to the sum gives the same number as folding it into each product, since
// rounding is symmetric; only the sign of a zero term can differ, and that never changes D.
Real rowTerm(const Mat4& J, int j) {
    const int c1 = other(j, 1), c2 = other(j, 2), c3 = other(j, 3);
    // a, b, c: the columns taken in rows 2, 3 and 4.
    auto p = [&](int a, int b, int c) {
        return J(1, j) * J(2, a) * J(3, b) * J(4, c);
    };
    const Real sum = p(c1, c2, c3) - p(c1, c3, c2) + p(c2, c3, c1) - p(c2, c1, c3) + p(c3, c1, c2) -
                     p(c3, c2, c1);
    return j % 2 == 1 ? sum : -sum;
}

// Determinant of a 3 x 3 minor by the rule of Sarrus, in this order of products and factors.
Real sarrus(const Mat3& m) {
    return m(1, 1) * m(2, 2) * m(3, 3) + m(1, 2) * m(2, 3) * m(3, 1) + m(2, 1) * m(3, 2) * m(1, 3) -
           m(1, 3) * m(2, 2) * m(3, 1) - m(2, 1) * m(1, 2) * m(3, 3) - m(3, 2) * m(1, 1) * m(2, 3);
}

} // namespace

void cofactor(int a, int b, Mat3& cf, const FittingState& s) {
    if (a < 1 || a > kOrder || b < 1 || b > kOrder)
        return;
    for (int p = 1; p <= 3; ++p)
        for (int q = 1; q <= 3; ++q)
            cf(p, q) = s.jacobian(other(a, p), other(b, q));
}

void invertjacobian(FittingState& s) {
    // Unset values read as 0 on every call.
    Real term[kOrder + 1]{};
    Real D = 0;
    Real C = 0;
    Mat3 minor;

    // The loops are unrolled so that every index below is a constant: this inversion is the bulk
    // of a Newton pass.
#pragma GCC unroll 4
    for (int j = 1; j <= kOrder; ++j)
        skipOnFailure([&] { term[j] = rowTerm(s.jacobian, j); });
    skipOnFailure([&] { D = ((term[1] + term[2]) + term[3]) + term[4]; });

    // Every quotient C / 0 fails (0 / 0 included), so a zero determinant would skip all sixteen
    // stores below; returning here leaves the same invjacobian without raising sixteen failures.
    if (D == 0)
        return;

#pragma GCC unroll 4
    for (int i = 1; i <= kOrder; ++i) {
#pragma GCC unroll 4
        for (int j = 1; j <= kOrder; ++j) {
            cofactor(i, j, minor, s);
            const Real sign = (i + j) % 2 == 1 ? -1 : 1;
            skipOnFailure([&] { C = sign * sarrus(minor); });
            skipOnFailure([&] { s.invjacobian(i, j) = C / D; });
        }
    }
}

} // namespace esferica
