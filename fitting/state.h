// SPDX-License-Identifier: GPL-3.0-or-later
// The state of the great-circle fit: the vectors and matrices of the Newton iteration and the two
// projected points it fits. It lives as long as the form and starts as zeros; every procedure of
// the fit reads and writes it through a reference, so that the inverse kept across passes and
// calls, and targets never assigned reading as 0, hold as they do on the form.
#pragma once

#include "numeric/checked.h"

#include <array>

namespace esferica {

// Four quantities (t1, t2, theta, k), indexed from 1 as the equations are written.
class Vec4 {
public:
    Real& operator()(int i) { return e_[static_cast<std::size_t>(i - 1)]; }
    Real operator()(int i) const { return e_[static_cast<std::size_t>(i - 1)]; }
    friend bool operator==(const Vec4&, const Vec4&) = default;

private:
    std::array<Real, 4> e_{};
};

// An N x N matrix indexed (row, column) from 1, as the equations are written.
template <int N> class Matrix {
public:
    Real& operator()(int i, int j) { return e_[index(i, j)]; }
    Real operator()(int i, int j) const { return e_[index(i, j)]; }
    friend bool operator==(const Matrix&, const Matrix&) = default;

private:
    static std::size_t index(int i, int j) {
        return static_cast<std::size_t>(i - 1) * N + static_cast<std::size_t>(j - 1);
    }
    std::array<Real, static_cast<std::size_t>(N* N)> e_{};
};

// The Jacobian and its inverse, and the 3 x 3 minors of the inversion by cofactors.
using Mat4 = Matrix<4>;
using Mat3 = Matrix<3>;

struct FittingState {
    Vec4 xinit;       // starting vector, written by the caller before each run
    Vec4 xsol;        // current iterate; after a run, the last one
    Mat4 jacobian;    // rewritten on every pass
    Mat4 invjacobian; // cofactor(i, j) / determinant: the inverse, transposed
    // Targets: the projected end points A = (x1, y1) and B = (x2, y2) of the side being fitted.
    Real x1, y1, x2, y2;
};

} // namespace esferica
