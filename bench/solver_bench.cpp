// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of the six solving cases, and of the checked arithmetic: each case is timed through the
// solvers (every operation checked by Real) and through the same formulas written in plain double
// with no checks, on the same 64 triangles in the same run. The goal: checked at most 1.5 times
// plain. The headless click of each case (parsing, solving, result text) is timed too.
//
//   build/bench/solver_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "command/calculate.h"
#include "numeric/angles.h"
#include "numeric/extended.h"
#include "solver/triangle.h"
#include "tests/support/fake_view.h"
#include "tests/support/sphere.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cmath>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace esferica;

constexpr int kTriangles = 64;

// Valid triangles in radians, from three random points of the sphere, every element inside
// [10, 170] degrees.
const std::vector<std::array<double, 6>>& triangles() {
    static const std::vector<std::array<double, 6>> all = [] {
        std::mt19937_64 rng(42);
        std::vector<std::array<double, 6>> out;
        while (static_cast<int>(out.size()) < kTriangles) {
            std::array<double, 6> t = esferica::testing::randomTriangle(rng, 10, 170);
            for (double& e : t)
                e *= kPi / 180;
            out.push_back(t);
        }
        return out;
    }();
    return all;
}

// The same formulas in plain double: no checks and no error bounds, so a failure would show as
// NaN or infinity, and a limit is only ever an exact zero.
namespace plain {

constexpr double kShortfall = kPiShortfall / kPi, kQuarter = kPi / 2, kEighth = kPi / 4;

struct Reduced {
    int quarters;
    double rest;
};
Reduced reduced(double rest, int quarters = 0) {
    while (rest > kEighth) {
        rest -= kQuarter;
        ++quarters;
    }
    while (rest < -kEighth) {
        rest += kQuarter;
        --quarters;
    }
    return {quarters, rest};
}
Reduced operator+(Reduced x, Reduced y) {
    return reduced(x.rest + y.rest, x.quarters + y.quarters);
}
Reduced operator-(Reduced x, Reduced y) {
    return reduced(x.rest - y.rest, x.quarters - y.quarters);
}
Reduced supplement(Reduced x) {
    return reduced(-x.rest, 2 - x.quarters);
}
Reduced half(Reduced x) {
    if (x.quarters % 2 == 0)
        return {x.quarters / 2, x.rest * 0.5};
    return reduced(x.rest * 0.5 + kEighth, (x.quarters - 1) / 2);
}
struct SinCos {
    double s, c;
};
SinCos sincos(Reduced x) {
    const double r = x.rest + x.rest * kShortfall;
    const double s = std::sin(r), c = std::cos(r);
    switch (x.quarters & 3) {
    case 0:
        return {s, c};
    case 1:
        return {c, -s};
    case 2:
        return {-s, -c};
    default:
        return {-c, s};
    }
}
double sine(Reduced x) {
    const double r = x.rest + x.rest * kShortfall;
    const double v = x.quarters % 2 == 0 ? std::sin(r) : std::cos(r);
    return (x.quarters & 2) == 0 ? v : -v;
}
// As ReducedAngle::angleOf (numeric/reduced.h): the angle of (x, y) from one arctangent of a
// quotient of at most 1, as quarter turns and a remainder.
Reduced angleOf(double y, double x) {
    const double ay = std::fabs(y), ax = std::fabs(x);
    if (ay <= ax) {
        const double rest = std::atan(y / x);
        return {x > 0 ? 0 : y < 0 ? -2 : 2, rest - rest * kShortfall};
    }
    const double rest = -std::atan(x / y);
    return {y < 0 ? -1 : 1, rest - rest * kShortfall};
}
Reduced twice(Reduced x) {
    return reduced(2 * x.rest, 2 * x.quarters);
}
double radians(Reduced x) {
    return x.quarters * kQuarter + x.rest;
}
// Half the sum of the terms, carried in two doubles and reduced before it is rounded, as
// ReducedAngle::ofSum does with numeric/extended.h.
Reduced halfSum(std::initializer_list<double> terms) {
    TwoFoldSum sum;
    for (const double t : terms)
        sum += t / 2;
    const int quarters = sum.nearest(2 / kPi);
    return {quarters, sum.less(quarters, kQuarter)};
}

struct HalfTangents {
    double k, tp, tq, tr;
};
// The half defects of three sides, with `sign` 1, or of the polar triangle of three angles, with
// `sign` -1: the constant of the first and of the others, and the elements with their signs.
HalfTangents halfTangents(double p, double q, double r, double sign, double first, double others) {
    const double s0 = sine(halfSum({first, -sign * p, -sign * q, -sign * r}));
    const double s1 = sine(halfSum({others, -sign * p, sign * q, sign * r}));
    const double s2 = sine(halfSum({others, sign * p, -sign * q, sign * r}));
    const double s3 = sine(halfSum({others, sign * p, sign * q, -sign * r}));
    const double tp = s1 / s0, tq = s2 / s0, tr = s3 / s0;
    return {std::sqrt(tp * tq * tr), tp, tq, tr};
}

void SSS(double t[6]) {
    const HalfTangents h = halfTangents(t[0], t[1], t[2], 1, 2 * kPi, 0);
    t[3] = radians(twice(angleOf(h.k, h.tp)));
    t[4] = radians(twice(angleOf(h.k, h.tq)));
    t[5] = radians(twice(angleOf(h.k, h.tr)));
}

void AAA(double t[6]) {
    const HalfTangents h = halfTangents(t[3], t[4], t[5], -1, -kPi, kPi);
    t[0] = radians(twice(angleOf(h.tp, h.k)));
    t[1] = radians(twice(angleOf(h.tq, h.k)));
    t[2] = radians(twice(angleOf(h.tr, h.k)));
}

// Delambre's analogies from the half sum and difference of two sides and the angle between them;
// the smaller angle by the sine rule where the half angles' sum or difference cancels.
void delambre(double p, double q, Reduced sum2, Reduced difference2, Reduced G, Reduced& P,
              Reduced& Q, Reduced& g) {
    const SinCos sum = sincos(sum2), difference = sincos(difference2), h = sincos(half(G));
    const double x1 = sum.s * h.s, y1 = difference.s * h.c, x2 = sum.c * h.s,
                 y2 = difference.c * h.c;
    const double sinHalfG = std::hypot(x1, y1), cosHalfG = std::hypot(x2, y2);
    g = twice(angleOf(sinHalfG, cosHalfG));
    const Reduced halfAngleSum = angleOf(y2, x2), halfAngleDifference = angleOf(y1, x1);
    P = halfAngleSum + halfAngleDifference;
    Q = halfAngleSum - halfAngleDifference;
    const bool pSmaller = radians(halfAngleDifference) < 0;
    Reduced& smaller = pSmaller ? P : Q;
    if (radians(smaller) < kEighth && 2 * radians(smaller) < radians(halfAngleSum)) {
        const double first = sum.s * difference.c,
                     second = pSmaller ? sum.c * difference.s : -(sum.c * difference.s);
        const double sinSide = second >= 0 ? first + second : sine(reduced(pSmaller ? p : q));
        const double s = sinSide * (h.s * h.c) / (sinHalfG * cosHalfG);
        smaller = angleOf(s, std::sqrt((1 - s) * (1 + s)));
    }
}

void SAS(double ang, double l1, double l2, double& a1, double& a2, double& l3) {
    Reduced P, Q, g;
    delambre(l1, l2, halfSum({l1, l2}), halfSum({l1, -l2}), reduced(ang), P, Q, g);
    a1 = radians(P);
    a2 = radians(Q);
    l3 = radians(g);
}

void ASA(double a1, double a2, double l3, double& l1, double& l2, double& a3) {
    Reduced P, Q, g;
    delambre(a1, a2, halfSum({2 * kPi, -a1, -a2}), halfSum({a2, -a1}), supplement(reduced(l3)), P,
             Q, g);
    l1 = radians(supplement(P));
    l2 = radians(supplement(Q));
    a3 = radians(supplement(g));
}

struct Candidate {
    double x, c, C;
    bool fits;
};

Candidate complete(Reduced sidesSum, Reduced sidesDifference, Reduced anglesSum,
                   Reduced anglesDifference) {
    const SinCos sides = sincos(sidesSum), sideDifference = sincos(sidesDifference);
    const SinCos angles = sincos(anglesSum), angleDifference = sincos(anglesDifference);
    const double n1 = sides.s * angles.c, d1 = sides.c * angleDifference.c;
    const double n2 = sideDifference.s * angles.s, d2 = sideDifference.c * angleDifference.s;
    const bool byFirst = std::fabs(n1) + std::fabs(d1) >= std::fabs(n2) + std::fabs(d2);
    const double n = byFirst ? n1 : n2, d = byFirst ? d1 : d2;
    const double y1 = sideDifference.c * angles.c, x1 = sides.c * angles.s;
    const double y2 = sideDifference.s * angleDifference.c, x2 = sides.s * angleDifference.s;
    const bool angleByFirst = std::fabs(y1) + std::fabs(x1) >= std::fabs(y2) + std::fabs(x2);
    const double y = angleByFirst ? y1 : y2, x = angleByFirst ? x1 : x2;
    return {0, radians(twice(angleOf(std::fabs(n), std::fabs(d)))),
            radians(twice(angleOf(std::fabs(y), std::fabs(x)))), n * d > 0 && y * x > 0};
}

// The sine rule for the candidate x opposite q, then Napier's analogies for each candidate; the
// given pair's half sums from the data, the others' from the candidate.
template <class Complete>
void ambiguous(double p, double q, double r, Complete complete, Candidate& first,
               Candidate& second) {
    const double sp = sine(reduced(p)), y = sine(reduced(q)) * sine(reduced(r));
    const double cosine2 = (sp - y) * (sp + y);
    const Reduced acute = angleOf(y, std::sqrt(cosine2));
    first = complete(acute);
    second = complete(supplement(acute));
    if (!first.fits)
        std::swap(first, second);
}

void SSA(double ang, double op, double ad, Candidate& first, Candidate& second) {
    const Reduced sum = halfSum({op, ad}), difference = halfSum({op, -ad}), A = reduced(ang);
    ambiguous(
        op, ad, ang,
        [&](Reduced B) {
            Candidate c = complete(sum, difference, half(A + B), half(A - B));
            c.x = radians(B);
            return c;
        },
        first, second);
}

void AAS(double a1, double a2, double l1, Candidate& first, Candidate& second) {
    const Reduced sum = halfSum({a1, a2}), difference = halfSum({a1, -a2}), a = reduced(l1);
    ambiguous(
        a1, a2, l1,
        [&](Reduced b) {
            Candidate c = complete(half(a + b), half(a - b), sum, difference);
            c.x = radians(b);
            return c;
        },
        first, second);
}

} // namespace plain

enum Case { kSSS, kAAA, kSAS, kASA, kSSA, kAAS };

void checked(benchmark::State& state) {
    const auto which = static_cast<Case>(state.range(0));
    std::vector<TriangleSolution> in;
    for (const auto& t : triangles()) {
        TriangleSolution s;
        for (const Element e : kAllElements)
            s[e] = t[index(e)];
        in.push_back(s);
    }
    for (auto _ : state) {
        for (const TriangleSolution& t : in) {
            switch (which) {
            case kSSS:
                benchmark::DoNotOptimize(SSS(t.a, t.b, t.c));
                break;
            case kAAA:
                benchmark::DoNotOptimize(AAA(t.A, t.B, t.C));
                break;
            case kSAS:
                benchmark::DoNotOptimize(SAS(t.A, t.b, t.c));
                break;
            case kASA:
                benchmark::DoNotOptimize(ASA(t.A, t.B, t.c));
                break;
            case kSSA:
                benchmark::DoNotOptimize(SSA(t.A, t.a, t.b));
                break;
            case kAAS:
                benchmark::DoNotOptimize(AAS(t.A, t.B, t.a));
                break;
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * kTriangles);
}

void unchecked(benchmark::State& state) {
    const auto which = static_cast<Case>(state.range(0));
    for (auto _ : state) {
        for (std::array<double, 6> e : triangles()) {
            double* t = e.data();
            plain::Candidate first{}, second{};
            switch (which) {
            case kSSS:
                plain::SSS(t);
                break;
            case kAAA:
                plain::AAA(t);
                break;
            case kSAS:
                plain::SAS(t[3], t[1], t[2], t[4], t[5], t[0]);
                break;
            case kASA:
                plain::ASA(t[3], t[4], t[2], t[0], t[1], t[5]);
                break;
            case kSSA:
                plain::SSA(t[3], t[0], t[1], first, second);
                break;
            case kAAS:
                plain::AAS(t[3], t[4], t[0], first, second);
                break;
            }
            benchmark::DoNotOptimize(e);
            benchmark::DoNotOptimize(first);
            benchmark::DoNotOptimize(second);
        }
    }
    state.SetItemsProcessed(state.iterations() * kTriangles);
}

// One click of the calculate command for each case, headless; the drawing stage stops at once on
// a zero grid spacing, so this is reading, solving and writing the results.
void click(benchmark::State& state) {
    const auto which = static_cast<Case>(state.range(0));
    static constexpr std::array<std::array<int, 3>, 6> kGiven{
        {{0, 1, 2}, {3, 4, 5}, {3, 1, 2}, {3, 4, 2}, {3, 0, 1}, {3, 4, 0}}};
    std::vector<std::array<std::string, 6>> texts;
    for (const auto& t : triangles()) {
        std::array<std::string, 6> row;
        for (int i : kGiven[which]) {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%.17g", t[static_cast<std::size_t>(i)] * 180 / kPi);
            row[static_cast<std::size_t>(i)] = buf;
        }
        texts.push_back(row);
    }
    esferica::testing::FakeView view;
    view.options = {"0", "0", "30", "10"};
    view.surface.record = false;
    Calculator form;
    for (auto _ : state) {
        for (const auto& row : texts) {
            view.type(row);
            view.messages.clear();
            benchmark::DoNotOptimize(view.click(form));
        }
    }
    state.SetItemsProcessed(state.iterations() * kTriangles);
}

void cases(benchmark::internal::Benchmark* b) {
    b->ArgName("case");
    for (int c = kSSS; c <= kAAS; ++c)
        b->Arg(c);
}

} // namespace

// Arguments: 0 SSS, 1 AAA, 2 SAS, 3 ASA, 4 SSA, 5 AAS; times are per 64 triangles.
BENCHMARK(checked)->Apply(cases);
BENCHMARK(unchecked)->Apply(cases);
BENCHMARK(click)->Apply(cases);
