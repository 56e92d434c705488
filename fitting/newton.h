// SPDX-License-Identifier: GPL-3.0-or-later
// The damped Newton iteration of the great-circle fit.
#pragma once

#include "fitting/state.h"

namespace esferica {

// The iteration goes on while the residual norm is strictly above this.
inline constexpr double kResidualTolerance = 0.00001;

// Solves f1 = f2 = f3 = f4 = 0 (fitting/equations.h) for (t1, t2, theta, k), starting from
// s.xinit and fitting the targets s.x1, s.y1, s.x2, s.y2; leaves the last iterate in s.xsol.
//
// Each pass evaluates the residuals F and the Jacobian at xsol into s.jacobian and inverts it into
// s.invjacobian (fitting/inversion.h), then takes the step -J^-1 F, read from the transposed
// inverse. A step that raises the residual norm is halved until it no longer does (or no longer
// moves the iterate), but only if the previous step was longer than 0.001, so the first step is
// always taken in full. The iteration stops as soon as the residual norm of the accepted point is
// at most 0.00001, or at the 100th pass, which returns before stepping: at most 99 steps are
// taken. Nothing tells the caller which way it ended; it judges s.xsol itself.
//
// A singular Jacobian leaves s.invjacobian as the previous successful inversion left it (from an
// earlier pass or call; zeros if there was none), and the step is taken from that. An arithmetic
// failure (a huge k, say) ends the call and passes to the caller, with s.xsol holding the last
// accepted iterate. Not re-entrant: the iterate and both matrices live in `s`.
void NewtonRaphson44(FittingState& s);

} // namespace esferica
