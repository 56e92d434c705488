// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/diagnosis.h"

#include "numeric/angles.h"

#include <algorithm>
#include <cmath>

namespace esferica {

namespace {

using enum Element;

// How close to a limit, in radians, data count as on it: far above the rounding of the typed
// degrees (a few units in the last place of pi) and far below any difference a user types.
constexpr double kOnLimit = 1e-9;
// Below this the solvers take a given element for 0.
constexpr double kSmallest = 0x1p-500;
// How close to 1 the cosine of an element at 0 or 180 degrees comes, for data on a limit: an
// element within a thousandth of a radian of either.
constexpr double kNearFlat = 1e-6;

double v(const TriangleSolution& t, Element e) {
    return t[e].value();
}

// The other two of a, b, c (or of A, B, C).
std::array<Element, 2> othersOf(Element e) {
    const auto first = isSide(e) ? a : A;
    const auto k = index(e) - index(first);
    return {static_cast<Element>(index(first) + (k + 1) % 3),
            static_cast<Element>(index(first) + (k + 2) % 3)};
}

NoTriangleReason threeSides(const TriangleSolution& t) {
    if (v(t, a) + v(t, b) + v(t, c) >= 2 * kPi - kOnLimit)
        return {NoTriangleWhy::SidesSum};
    const Element longest =
        *std::max_element(kAllElements.begin(), kAllElements.begin() + 3,
                          [&](Element x, Element y) { return v(t, x) < v(t, y); });
    const auto [p, q] = othersOf(longest);
    if (v(t, longest) >= v(t, p) + v(t, q) - kOnLimit)
        return {NoTriangleWhy::SidesInequality, longest};
    return {NoTriangleWhy::Degenerate};
}

NoTriangleReason threeAngles(const TriangleSolution& t) {
    if (v(t, A) + v(t, B) + v(t, C) <= kPi + kOnLimit)
        return {NoTriangleWhy::AnglesSum};
    for (const Element e : {A, B, C}) {
        const auto [p, q] = othersOf(e);
        if (v(t, p) + v(t, q) - v(t, e) >= kPi - kOnLimit)
            return {NoTriangleWhy::AnglesInequality, e};
    }
    return {NoTriangleWhy::Degenerate};
}

// An ambiguous case, where `opposite` lies opposite `between`, the given element of the other
// kind, and `other` is the other given element of the kind of `opposite`: the solver's own
// verdict names the condition, since its limits are decided to the rounding of the data, far
// finer than any band here could be. Data that no angle of the sine rule fits break it; the only
// other arithmetic failure is data that leave the third side free; and where no candidate fits,
// the data lie on a limit or each candidate has an element beyond 0 or 180 degrees.
NoTriangleReason ambiguous(const TriangleSolution& t, const Failure& failure, Element opposite,
                           Element other, Element between) {
    if (const auto* arithmetic = dynamic_cast<const ArithmeticFailure*>(&failure))
        return arithmetic->kind() == FailureKind::NegativeSquareRoot
                   ? NoTriangleReason{NoTriangleWhy::SineCondition, opposite}
                   : NoTriangleReason{NoTriangleWhy::Undetermined};
    if (const auto* none = dynamic_cast<const NoTriangle*>(&failure); none && !none->onLimit())
        return {NoTriangleWhy::NoClosure, opposite};
    // On the limit of the law of sines the candidates merge in a right angle opposite `other` (in
    // the dual, a side of 90 degrees), so by Napier's rules the third element of the kind of
    // `opposite` has the cosine cos(other) / cos(opposite), negated for an angle: where that is
    // +-1, it is the element that would be 0 or 180 degrees.
    NoTriangleReason reason{NoTriangleWhy::Degenerate};
    const double so = std::sin(v(t, opposite)), sx = std::sin(v(t, other));
    const double sb = std::sin(v(t, between));
    if (std::fabs(so - sx * sb) <= kOnLimit) {
        const auto [p1, p2] = othersOf(opposite);
        const double co = std::cos(v(t, opposite));
        const double ratio = (isSide(opposite) ? 1 : -1) * std::cos(v(t, other)) / co;
        if (std::fabs(co) > kOnLimit && std::fabs(std::fabs(ratio) - 1) <= kNearFlat) {
            reason.element = p1 == other ? p2 : p1;
            reason.flatDegrees = ratio > 0 ? 0 : 180;
        }
    }
    return reason;
}

} // namespace

NoTriangleReason whyNoTriangle(const TriangleSolution& data, const GivenElements& given,
                               const Failure& failure) {
    // An element under 2^-500 radians is taken for 0 (solver/triangle.h).
    if (std::any_of(given.begin(), given.end(), [&](Element e) { return v(data, e) <= kSmallest; }))
        return {NoTriangleWhy::Degenerate};
    const auto sides = std::count_if(given.begin(), given.end(), isSide);
    if (sides == 3)
        return threeSides(data);
    if (sides == 0)
        return threeAngles(data);
    const Case kind = caseOf(given);
    if (kind != Case::SSA && kind != Case::AAS)
        return {NoTriangleWhy::Degenerate};
    // The two given elements of one kind, the one of the other kind, and which of the first two
    // lies opposite the last.
    std::array<Element, 2> pair{};
    Element single = a;
    std::size_t n = 0;
    for (const Element e : given) {
        if (isSide(e) == (sides == 2))
            pair[n++] = e;
        else
            single = e;
    }
    const bool firstOpposite = index(pair[0]) % 3 == index(single) % 3;
    return ambiguous(data, failure, firstOpposite ? pair[0] : pair[1],
                     firstOpposite ? pair[1] : pair[0], single);
}

} // namespace esferica
