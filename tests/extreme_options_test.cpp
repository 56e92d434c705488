// SPDX-License-Identifier: GPL-3.0-or-later
// No option text may freeze the window: every combination of extreme values across the four
// option fields, with a few triangles, through the real calculate command. Every click must come
// back within a liveness bound and end either with the drawing or with exactly one fixed message,
// the one for unusable drawing data exactly when an option cannot be drawn with.
#include "command/calculate.h"
#include "tests/support/fake_view.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace esferica {
namespace {

using Clock = std::chrono::steady_clock;

// Generous on purpose: a liveness bound, not a benchmark. The sanitizer build runs the same
// clicks several times slower, so it gets a wider bound.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::chrono::milliseconds kClickBound{10'000};
#else
constexpr std::chrono::milliseconds kClickBound{2'000};
#endif

// A recording view whose surface only counts what reaches the picture, so that the densest grid
// costs no memory, and remembers whether any coordinate was not finite.
struct CountingView : testing::FakeView {
    CountingView() { surface.record = false; }
};

struct OptionValue {
    const char* name;
    std::string text;
    bool spacingUsable; // gives a grid of at most kMaxGridLines lines (or none)
    bool angleUsable;   // converts to radians without overflowing
};

// 0, -0, empty and subnormal spacings divide by zero or overflow; 1e-300 and 0.001 would need
// more grid lines than a window can draw; negative ones draw no line of their family. Degrees of
// 1e308 and beyond overflow on the way to radians.
const std::vector<OptionValue>& extremeValues() {
    static const std::vector<OptionValue> values{
        {"1e-300", "1e-300", false, true},
        {"1e300", "1e300", true, true},
        {"-0", "-0", false, true},
        {"1e308", "1e308", true, false},
        {"-1e308", "-1e308", true, false},
        {"1e999", "1e999", false, false},
        {"400 nines", std::string(400, '9'), false, false},
        {"0.001", "0.001", false, true},
        {"1e-310", "1e-310", false, true},
        {"&HFFFFFFFFFFFFFFFF", "&HFFFFFFFFFFFFFFFF", true, true},
        {"empty", "", false, true},
    };
    return values;
}

struct Triangle {
    const char* name;
    std::array<std::string, 6> inputs;
};

const std::array<Triangle, 3> kTriangles{{
    {"three sides of 60", {"60", "60", "60", "", "", ""}},
    {"two sides and an opposite angle, two triangles", {"40", "60", "", "30", "", ""}},
    // A triangle whose side c finds no fit: the fit tries every start.
    {"three angles of 40, 105, 110", {"", "", "", "40", "105", "110"}},
}};

struct Click {
    Outcome outcome;
    Clock::duration took;
};

Click click(Calculator& form, CountingView& view) {
    view.messages.clear();
    const Clock::time_point start = Clock::now();
    const Outcome outcome = view.click(form).outcome;
    return {outcome, Clock::now() - start};
}

long long milliseconds(Clock::duration d) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(d).count();
}

TEST(ExtremeOptions, EveryCombinationReturnsPromptlyWithTheDrawingOrOneMessage) {
    const std::vector<OptionValue>& values = extremeValues();
    const std::size_t n = values.size();
    Clock::duration slowest{};
    int failures = 0;
    for (const Triangle& triangle : kTriangles) {
        // One window per triangle, clicked again and again, as a user would.
        Calculator form;
        CountingView view;
        view.type(triangle.inputs);
        // Combination k takes digit i of k, written in base n, as the value of option field i.
        for (std::size_t k = 0; k < n * n * n * n && failures < 20; ++k) {
            std::array<const OptionValue*, kOptionFields> option{};
            for (std::size_t i = 0, rest = k; i < option.size(); ++i, rest /= n) {
                option[i] = &values[rest % n];
                view.options[i] = option[i]->text;
            }
            const auto [outcome, took] = click(form, view);
            slowest = std::max(slowest, took);

            const bool usable = option[0]->spacingUsable && option[1]->spacingUsable &&
                                option[2]->angleUsable && option[3]->angleUsable;
            const Outcome expected = usable ? Outcome::Solved : Outcome::BadDrawingData;
            const std::vector<Outcome> messages =
                usable ? std::vector<Outcome>{} : std::vector<Outcome>{Outcome::BadDrawingData};
            if (took > kClickBound || outcome != expected || view.messages != messages ||
                !view.surface.allFinite) {
                ++failures;
                ADD_FAILURE() << triangle.name << "; options " << option[0]->name << " | "
                              << option[1]->name << " | " << option[2]->name << " | "
                              << option[3]->name << ": took " << milliseconds(took) << " ms, ended "
                              << static_cast<int>(outcome) << " (expected "
                              << static_cast<int>(expected) << ") with " << view.messages.size()
                              << " messages" << (view.surface.allFinite ? "" : ", non-finite");
            }
        }
    }
    ::testing::Test::RecordProperty("slowest_click_ms", static_cast<int>(milliseconds(slowest)));
}

// The densest grid the options accept, close to kMaxGridLines parallels and as many meridians, is
// the slowest drawing a user can ask for; it must still come back promptly, and one step denser is
// refused.
TEST(ExtremeOptions, DensestAcceptedGridReturnsPromptly) {
    Calculator form;
    CountingView view;
    view.type(kTriangles[0].inputs);
    const double latitude = 180 / kMaxGridLines, longitude = 360 / kMaxGridLines;
    view.options = {std::to_string(latitude * 1.001), std::to_string(longitude * 1.001), "30",
                    "10"};
    const auto [outcome, took] = click(form, view);
    EXPECT_EQ(outcome, Outcome::Solved);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_GT(view.surface.drawnSinceCls, 2'900'000) << "the grid was not drawn";
    // The window draws some five million segments a second: this counting surface is much faster
    // than the window, so the segment count, not this click's time, is what keeps the window's
    // click well inside the bound (100 000 lines a family made 30 million segments, 5.5 s).
    EXPECT_LT(view.surface.drawnSinceCls, 3'100'000);
    EXPECT_LE(took, kClickBound) << "took " << milliseconds(took) << " ms";

    using Options = std::array<std::string, kOptionFields>;
    for (const Options& denser : {Options{std::to_string(latitude * 0.999), "20", "30", "10"},
                                  Options{"15", std::to_string(longitude * 0.999), "30", "10"}}) {
        view.options = denser;
        EXPECT_EQ(click(form, view).outcome, Outcome::BadDrawingData)
            << denser[0] << ", " << denser[1];
        EXPECT_EQ(view.messages, std::vector{Outcome::BadDrawingData});
    }
}

} // namespace
} // namespace esferica
