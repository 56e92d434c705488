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

// The same formulas in plain double: no checks, so a failure would show as NaN or infinity.
namespace plain {

double ArcCos(double x) {
    const double s = (-x) * x + 1;
    const double d = std::sqrt(s);
    const double h = std::atan(1.0);
    return std::atan((-x) / d) + 2 * h;
}

void SSS(double t[6]) {
    t[3] = ArcCos((std::cos(t[0]) - std::cos(t[1]) * std::cos(t[2])) /
                  (std::sin(t[1]) * std::sin(t[2])));
    t[4] = ArcCos((std::cos(t[1]) - std::cos(t[0]) * std::cos(t[2])) /
                  (std::sin(t[0]) * std::sin(t[2])));
    t[5] = ArcCos((std::cos(t[2]) - std::cos(t[0]) * std::cos(t[1])) /
                  (std::sin(t[0]) * std::sin(t[1])));
}

void AAA(double t[6]) {
    t[0] = ArcCos((std::cos(t[3]) + std::cos(t[4]) * std::cos(t[5])) /
                  (std::sin(t[4]) * std::sin(t[5])));
    t[1] = ArcCos((std::cos(t[4]) + std::cos(t[3]) * std::cos(t[5])) /
                  (std::sin(t[3]) * std::sin(t[5])));
    t[2] = ArcCos((std::cos(t[5]) + std::cos(t[3]) * std::cos(t[4])) /
                  (std::sin(t[3]) * std::sin(t[4])));
}

void SAS(double ang, double l1, double l2, double& a1, double& a2, double& l3) {
    l3 = ArcCos(std::cos(l1) * std::cos(l2) + (std::sin(l1) * std::sin(l2)) * std::cos(ang));
    a1 = ArcCos((std::cos(l1) - std::cos(l2) * std::cos(l3)) / (std::sin(l2) * std::sin(l3)));
    a2 = ArcCos((std::cos(l2) - std::cos(l1) * std::cos(l3)) / (std::sin(l1) * std::sin(l3)));
}

void ASA(double a1, double a2, double l3, double& l1, double& l2, double& a3) {
    a3 = ArcCos((std::sin(a1) * std::sin(a2)) * std::cos(l3) - std::cos(a1) * std::cos(a2));
    l2 = ArcCos((std::cos(a2) + std::cos(a1) * std::cos(a3)) / (std::sin(a1) * std::sin(a3)));
    l1 = ArcCos((std::cos(a1) + std::cos(a2) * std::cos(a3)) / (std::sin(a2) * std::sin(a3)));
}

struct Candidate {
    double x, first, second;
    bool fits;
};

template <class Derive>
void ambiguous(double p, double q, double r, Derive derive, Candidate& first, Candidate& second) {
    const double t1 = (-q + std::sqrt(q * q - (4 * p) * r)) / (2 * p);
    const double t2 = (-q - std::sqrt(q * q - (4 * p) * r)) / (2 * p);
    const auto fit = [&](double t) {
        Candidate c = derive(2 * std::atan(t));
        c.fits = t > 0 && std::isfinite(c.first) && std::isfinite(c.second);
        return c;
    };
    first = fit(t1);
    second = fit(t2);
    if (!first.fits)
        std::swap(first, second);
}

void SSA(double ang, double op, double ad, Candidate& first, Candidate& second) {
    const double p = std::cos(ad) + std::cos(op);
    const double q = (std::sin(ad) * (-2)) * std::cos(ang);
    const double r = std::cos(op) - std::cos(ad);
    ambiguous(
        p, q, r,
        [&](double x) {
            return Candidate{
                x,
                ArcCos((std::cos(x) - std::cos(ad) * std::cos(op)) / (std::sin(ad) * std::sin(op))),
                ArcCos((std::cos(ad) - std::cos(op) * std::cos(x)) / (std::sin(op) * std::sin(x))),
                false};
        },
        first, second);
}

void AAS(double a1, double a2, double l1, Candidate& first, Candidate& second) {
    const double p = std::cos(a2) - std::cos(a1);
    const double q = (std::sin(a2) * 2) * std::cos(l1);
    const double r = -std::cos(a1) - std::cos(a2);
    ambiguous(
        p, q, r,
        [&](double x) {
            return Candidate{
                x,
                ArcCos((std::cos(a2) + std::cos(a1) * std::cos(x)) / (std::sin(a1) * std::sin(x))),
                ArcCos((std::cos(x) + std::cos(a1) * std::cos(a2)) / (std::sin(a1) * std::sin(a2))),
                false};
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
