// SPDX-License-Identifier: GPL-3.0-or-later
// The six cases of three given elements, and the solving of whichever case they form.
#pragma once

#include "solver/triangle.h"

#include <array>
#include <optional>

namespace esferica {

enum class Case {
    SSS, // three sides
    AAA, // three angles
    SAS, // two sides and the angle between them
    ASA, // two angles and the side between them
    SSA, // two sides and an angle opposite one of them: ambiguous
    AAS, // two angles and a side opposite one of them: ambiguous
};

// Three different elements, in the order of the fields (a before b before ... C).
using GivenElements = std::array<Element, 3>;

// The case that three different elements form.
Case caseOf(const GivenElements& given);

// The roles of the given elements in the solver of their case: `given` in the order of its
// parameters, `found` in the order of its outputs (solver/triangle.h); for three sides a, b, c and
// A, B, C, for three angles the reverse.
struct CaseRoles {
    Case kind;
    std::array<Element, 3> given, found;
};
CaseRoles rolesOf(const GivenElements& given);

// The elements in degrees as read, in the order of the fields.
using DegreesRead = std::array<double, kElements>;

// The triangles that fit: always a first one, and for the ambiguous cases a second one when the
// data fit two; in radians, and as the solver holds them, for their measures (solver/measures.h).
struct Solutions {
    TriangleSolution first;
    std::optional<TriangleSolution> second;
    HeldTriangle heldFirst;
    std::optional<HeldTriangle> heldSecond;
};

// Solves the triangle whose elements `given` are those of `degrees` (its other elements are not
// read) with the solver of their case, binding each given element to the solver's parameter of
// its role. Every triangle returned holds the given elements as GradtoRad converts them (the
// largest double below kPi for one that it would round to kPi) and the ones found. Throws Failure
// when no triangle fits (see solver/triangle.h). The solver's intermediate values go to `trace`
// when there is one.
Solutions solve(const DegreesRead& degrees, const GivenElements& given,
                SolverTrace* trace = nullptr);

} // namespace esferica
