// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/cases.h"

#include "numeric/angles.h"

#include <algorithm>

namespace esferica {

namespace {

using enum Element;

// One combination of two sides and an angle, or of a side and two angles: its case, the given
// elements bound to the solver's input parameters and the elements that the solver's outputs
// are, both in parameter order.
struct MixedCase {
    Case kind;
    std::array<Element, 3> given;
    std::array<Element, 3> found;
};

constexpr std::array<MixedCase, 18> kMixedCases{{
    // Two sides and an angle opposite one of them: angulo, opuesto, adyacente; interno, externo,
    // restante.
    {Case::SSA, {A, a, b}, {C, B, c}},
    {Case::SSA, {B, b, a}, {C, A, c}},
    {Case::SSA, {B, b, c}, {A, C, a}},
    {Case::SSA, {C, c, b}, {A, B, a}},
    {Case::SSA, {C, c, a}, {B, A, b}},
    {Case::SSA, {A, a, c}, {B, C, b}},
    // Two sides and the angle between them: angulo, primerlad, segundolad; primerang,
    // segundoang, ladorestante.
    {Case::SAS, {A, b, c}, {B, C, a}},
    {Case::SAS, {B, a, c}, {A, C, b}},
    {Case::SAS, {C, a, b}, {A, B, c}},
    // Two angles and a side opposite one of them: primerang, segundoang, primerlad; segundolad,
    // ladorestante, angrestante.
    {Case::AAS, {A, B, a}, {b, c, C}},
    {Case::AAS, {B, A, b}, {a, c, C}},
    {Case::AAS, {A, C, a}, {c, b, B}},
    {Case::AAS, {C, A, c}, {a, b, B}},
    {Case::AAS, {B, C, b}, {c, a, A}},
    {Case::AAS, {C, B, c}, {b, a, A}},
    // Two angles and the side between them: primerang, segundoang, ladorestante; primerlad,
    // segundolad, angrestante.
    {Case::ASA, {A, B, c}, {a, b, C}},
    {Case::ASA, {A, C, b}, {a, c, B}},
    {Case::ASA, {B, C, a}, {b, c, A}},
}};

GivenElements sorted(GivenElements e) {
    std::sort(e.begin(), e.end());
    return e;
}

const MixedCase& mixedCaseFor(const GivenElements& given) {
    const GivenElements key = sorted(given);
    return *std::find_if(kMixedCases.begin(), kMixedCases.end(),
                         [&](const MixedCase& row) { return sorted(row.given) == key; });
}

// The triangle of the given elements and of the three found, the solver's outputs in parameter
// order.
HeldTriangle completed(HeldTriangle held, const std::array<Element, 3>& found,
                       const Found& values) {
    for (std::size_t i = 0; i < found.size(); ++i)
        held[found[i]] = values[i];
    return held;
}

// A triangle held, in radians, with the given elements as GradtoRad converts them.
TriangleSolution inRadians(const HeldTriangle& held, const DegreesRead& degrees,
                           const GivenElements& given) {
    TriangleSolution t;
    for (const Element e : kAllElements)
        t[e] = heldRadians(held[e]);
    for (const Element e : given)
        if (const Real r = GradtoRad(degrees[index(e)]); r < kPi)
            t[e] = r;
    return t;
}

} // namespace

Case caseOf(const GivenElements& given) {
    const auto sides = std::count_if(given.begin(), given.end(), isSide);
    if (sides == 3)
        return Case::SSS;
    if (sides == 0)
        return Case::AAA;
    return mixedCaseFor(given).kind;
}

CaseRoles rolesOf(const GivenElements& given) {
    using enum Element;
    switch (caseOf(given)) {
    case Case::SSS:
        return {Case::SSS, {a, b, c}, {A, B, C}};
    case Case::AAA:
        return {Case::AAA, {A, B, C}, {a, b, c}};
    default:
        break;
    }
    const MixedCase& row = mixedCaseFor(given);
    return {row.kind, row.given, row.found};
}

Solutions solve(const DegreesRead& degrees, const GivenElements& given, SolverTrace* trace) {
    const auto d = [&](Element e) {
        return Degrees{degrees[index(e)]};
    };
    const CaseRoles roles = rolesOf(given);
    const auto [g0, g1, g2] = roles.given;
    const std::array<Element, 3> found = roles.found;
    std::optional<Ambiguous<Found>> solved;
    switch (roles.kind) {
    case Case::SSS:
        solved = Ambiguous<Found>{SSS(d(g0), d(g1), d(g2), trace), std::nullopt};
        break;
    case Case::AAA:
        solved = Ambiguous<Found>{AAA(d(g0), d(g1), d(g2), trace), std::nullopt};
        break;
    case Case::SAS:
        solved = Ambiguous<Found>{SAS(d(g0), d(g1), d(g2), trace), std::nullopt};
        break;
    case Case::ASA:
        solved = Ambiguous<Found>{ASA(d(g0), d(g1), d(g2), trace), std::nullopt};
        break;
    case Case::SSA:
        solved = SSA(d(g0), d(g1), d(g2), trace);
        break;
    case Case::AAS:
        solved = AAS(d(g0), d(g1), d(g2), trace);
        break;
    }

    // The given elements held as the solvers take them: exact in degrees, reduced once.
    HeldTriangle held;
    for (const Element e : given)
        held[e] = ReducedAngle::ofSum(TwoFoldSum{degrees[index(e)]}, Unit::Degrees);
    Solutions s;
    s.heldFirst = completed(held, found, solved->first);
    s.first = inRadians(s.heldFirst, degrees, given);
    if (solved->second) {
        s.heldSecond = completed(held, found, *solved->second);
        s.second = inRadians(*s.heldSecond, degrees, given);
    }
    return s;
}

} // namespace esferica
