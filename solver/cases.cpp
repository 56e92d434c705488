// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/cases.h"

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

// `data` with the three found elements written: the solver's outputs in parameter order.
TriangleSolution completed(TriangleSolution data, const std::array<Element, 3>& found,
                           const std::array<Real, 3>& values) {
    for (std::size_t i = 0; i < found.size(); ++i)
        data[found[i]] = values[i];
    return data;
}

template <class Triangle, class Outputs>
Solutions bothOf(const TriangleSolution& data, const MixedCase& row,
                 const Ambiguous<Triangle>& solved, Outputs outputs) {
    Solutions s{completed(data, row.found, outputs(solved.first)), std::nullopt};
    if (solved.second)
        s.second = completed(data, row.found, outputs(*solved.second));
    return s;
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

Solutions solve(const TriangleSolution& data, const GivenElements& given) {
    switch (caseOf(given)) {
    case Case::SSS:
        return {SSS(data.a, data.b, data.c), std::nullopt};
    case Case::AAA:
        return {AAA(data.A, data.B, data.C), std::nullopt};
    default:
        break;
    }
    const MixedCase& row = mixedCaseFor(given);
    const auto [g0, g1, g2] = row.given;
    switch (row.kind) {
    case Case::SAS: {
        const SASResult r = SAS(data[g0], data[g1], data[g2]);
        return {completed(data, row.found, {r.primerang, r.segundoang, r.ladorestante}),
                std::nullopt};
    }
    case Case::ASA: {
        const ASAResult r = ASA(data[g0], data[g1], data[g2]);
        return {completed(data, row.found, {r.primerlad, r.segundolad, r.angrestante}),
                std::nullopt};
    }
    case Case::SSA:
        return bothOf(data, row, SSA(data[g0], data[g1], data[g2]), [](const SSATriangle& t) {
            return std::array<Real, 3>{t.interno, t.externo, t.restante};
        });
    case Case::AAS:
        return bothOf(data, row, AAS(data[g0], data[g1], data[g2]), [](const AASTriangle& t) {
            return std::array<Real, 3>{t.segundolad, t.ladorestante, t.angrestante};
        });
    default:
        break;
    }
    return {data, std::nullopt}; // not reached: every case is handled above
}

} // namespace esferica
