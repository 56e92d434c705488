// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of the six solving cases, and of the checked arithmetic: each case is timed through the
// solvers (every operation checked by Real) and through the same formulas written in plain double
// with no checks, on the same 64 triangles in the same run. The goal: checked at most 1.5 times
// plain. The headless click of each case (parsing, solving, result text) is timed too.
//
//   build/bench/solver_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "command/calculate.h"
#include "numeric/angles.h"
#include "solver/triangle.h"
#include "tests/support/fake_view.h"
#include "tests/support/sphere.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cmath>
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
// As Real's atan2 (numeric/checked.h): one arctangent of a quotient of at most 1.
double atan2(double y, double x) {
    constexpr double kHalfTurn = 3.141592653589793, kQuarterTurn = kHalfTurn / 2;
    const double ay = std::fabs(y), ax = std::fabs(x);
    double r = ay <= ax ? std::atan(ay / ax) : kQuarterTurn - std::atan(ax / ay);
    if (x < 0)
        r = kHalfTurn - r;
    return std::copysign(r, y);
}
double toProgram(double x) {
    return x - x * kShortfall;
}

struct HalfTangents {
    double k, tp, tq, tr;
};
HalfTangents halfTangents(Reduced p, Reduced q, Reduced r) {
    const double s0 = sine(half(reduced(0, 4) - p - q - r)), s1 = sine(half(q + r - p));
    const double s2 = sine(half(p + r - q)), s3 = sine(half(p + q - r));
    const double tp = s1 / s0, tq = s2 / s0, tr = s3 / s0;
    return {std::sqrt(tp * tq * tr), tp, tq, tr};
}

void SSS(double t[6]) {
    const HalfTangents h = halfTangents(reduced(t[0]), reduced(t[1]), reduced(t[2]));
    t[3] = toProgram(2 * atan2(h.k, h.tp));
    t[4] = toProgram(2 * atan2(h.k, h.tq));
    t[5] = toProgram(2 * atan2(h.k, h.tr));
}

void AAA(double t[6]) {
    const HalfTangents h = halfTangents(supplement(reduced(t[3])), supplement(reduced(t[4])),
                                        supplement(reduced(t[5])));
    t[0] = toProgram(2 * atan2(h.tp, h.k));
    t[1] = toProgram(2 * atan2(h.tq, h.k));
    t[2] = toProgram(2 * atan2(h.tr, h.k));
}

struct Delambre {
    double x1, y1, x2, y2;
};
Delambre delambre(Reduced p, Reduced q, Reduced g) {
    const SinCos sum = sincos(half(p + q)), difference = sincos(half(p - q));
    const SinCos h = sincos(half(g));
    return {sum.s * h.s, difference.s * h.c, sum.c * h.s, difference.c * h.c};
}

void SAS(double ang, double l1, double l2, double& a1, double& a2, double& l3) {
    const Delambre d = delambre(reduced(l1), reduced(l2), reduced(ang));
    const double sum = atan2(d.y2, d.x2), difference = atan2(d.y1, d.x1);
    a1 = toProgram(sum + difference);
    a2 = toProgram(sum - difference);
    l3 = toProgram(2 * atan2(std::hypot(d.x1, d.y1), std::hypot(d.x2, d.y2)));
}

void ASA(double a1, double a2, double l3, double& l1, double& l2, double& a3) {
    const Delambre d =
        delambre(supplement(reduced(a1)), supplement(reduced(a2)), supplement(reduced(l3)));
    const double sum = atan2(d.x2, d.y2);
    l1 = toProgram(sum + atan2(d.x1, d.y1));
    l2 = toProgram(sum + atan2(d.x1, -d.y1));
    a3 = toProgram(2 * atan2(std::hypot(d.x2, d.y2), std::hypot(d.x1, d.y1)));
}

struct Candidate {
    double x, c, C;
    bool fits;
};

Candidate complete(Reduced a, Reduced b, Reduced A, Reduced B) {
    const SinCos sides = sincos(half(a + b)), sideDifference = sincos(half(a - b));
    const SinCos angles = sincos(half(A + B)), angleDifference = sincos(half(A - B));
    const double n1 = sides.s * angles.c, d1 = sides.c * angleDifference.c;
    const double n2 = sideDifference.s * angles.s, d2 = sideDifference.c * angleDifference.s;
    const bool byFirst = std::fabs(n1) + std::fabs(d1) >= std::fabs(n2) + std::fabs(d2);
    const double n = byFirst ? n1 : n2, d = byFirst ? d1 : d2;
    const double y1 = sideDifference.c * angles.c, x1 = sides.c * angles.s;
    const double y2 = sideDifference.s * angleDifference.c, x2 = sides.s * angleDifference.s;
    const bool angleByFirst = std::fabs(y1) + std::fabs(x1) >= std::fabs(y2) + std::fabs(x2);
    const double y = angleByFirst ? y1 : y2, x = angleByFirst ? x1 : x2;
    return {0, toProgram(2 * atan2(std::fabs(n), std::fabs(d))),
            toProgram(2 * atan2(std::fabs(y), std::fabs(x))), n * d > 0 && y * x > 0};
}

template <class Complete>
void ambiguous(Reduced p, Reduced q, Reduced r, Complete complete, Candidate& first,
               Candidate& second) {
    const double sp = sine(p), y = sine(q) * sine(r);
    const double cosine2 = (sp - y) * (sp + y);
    const Reduced acute = reduced(toProgram(atan2(y, std::sqrt(cosine2))));
    first = complete(acute);
    second = complete(supplement(acute));
    if (!first.fits)
        std::swap(first, second);
}

void SSA(double ang, double op, double ad, Candidate& first, Candidate& second) {
    const Reduced A = reduced(ang), a = reduced(op), b = reduced(ad);
    ambiguous(
        a, b, A,
        [&](Reduced B) {
            Candidate c = complete(a, b, A, B);
            c.x = B.quarters * kQuarter + B.rest;
            return c;
        },
        first, second);
}

void AAS(double a1, double a2, double l1, Candidate& first, Candidate& second) {
    const Reduced A = reduced(a1), B = reduced(a2), a = reduced(l1);
    ambiguous(
        A, B, a,
        [&](Reduced b) {
            Candidate c = complete(a, b, A, B);
            c.x = b.quarters * kQuarter + b.rest;
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
