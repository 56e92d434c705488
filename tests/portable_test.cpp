// SPDX-License-Identifier: GPL-3.0-or-later
// The stand-ins for the parts of the standard library that the WebAssembly build lacks give the
// same results as the standard functions: the same double from the same text, the same text from
// the same double.
#include "numeric/portable.h"
#include "tests/support/names.h"

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <random>
#include <string>

namespace esferica {
namespace {

using Limits = std::numeric_limits<double>;

struct ReadCase {
    const char* text;
    std::optional<double> value; // none: out of range
    std::size_t read;
    std::errc ec = std::errc{};
};

using ReadFunction = std::from_chars_result (*)(const char*, const char*, double&);
constexpr ReadFunction kReaders[] = {&fromChars, &portable::fromCharsByStrtod};

class Reads : public ::testing::TestWithParam<ReadCase> {};

TEST_P(Reads, AsTheStandardLibraryDoes) {
    const ReadCase& c = GetParam();
    const std::string_view text(c.text);
    for (const ReadFunction read : kReaders) {
        constexpr double kUntouched = -7;
        double value = kUntouched;
        const auto [end, ec] = read(text.data(), text.data() + text.size(), value);
        EXPECT_EQ(ec, c.ec) << c.text;
        EXPECT_EQ(static_cast<std::size_t>(end - text.data()), c.read) << c.text;
        // A number out of range leaves the value as it was.
        const double expected = c.value.value_or(kUntouched);
        EXPECT_EQ(bitsOf(value), bitsOf(c.ec == std::errc{} ? expected : kUntouched)) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Reads,
    ::testing::Values(
        ReadCase{"60", 60, 2}, ReadCase{"0.1", 0.1, 3}, ReadCase{"-0", -0.0, 2},
        ReadCase{".5", 0.5, 2}, ReadCase{"5.", 5, 2}, ReadCase{"2E-3x", 0.002, 4},
        ReadCase{"12.5.3", 12.5, 4}, ReadCase{"1e", 1, 1}, ReadCase{"1e+", 1, 1},
        ReadCase{"0x10", 0, 1},
        // ties between two doubles go to the even one
        ReadCase{"9007199254740993", 9007199254740992.0, 16},
        ReadCase{"9007199254740995", 9007199254740996.0, 16},
        // the edges of the range: a subnormal is read, a number that rounds to 0 or infinity is not
        ReadCase{"1.7976931348623157e308", Limits::max(), 22},
        ReadCase{"1.7976931348623159e308", std::nullopt, 22, std::errc::result_out_of_range},
        ReadCase{"4e-324", Limits::denorm_min(), 6},
        ReadCase{"2.4703282292062328e-324", Limits::denorm_min(), 23},
        ReadCase{"2.4703282292062327e-324", std::nullopt, 23, std::errc::result_out_of_range},
        ReadCase{"-1e-100000000", std::nullopt, 13, std::errc::result_out_of_range},
        ReadCase{"1e100000000", std::nullopt, 11, std::errc::result_out_of_range},
        ReadCase{"0e100000000", 0, 11},
        // not a number as the standard library reads one
        ReadCase{"", std::nullopt, 0, std::errc::invalid_argument},
        ReadCase{"-", std::nullopt, 0, std::errc::invalid_argument},
        ReadCase{".", std::nullopt, 0, std::errc::invalid_argument},
        ReadCase{"+1", std::nullopt, 0, std::errc::invalid_argument},
        ReadCase{" 1", std::nullopt, 0, std::errc::invalid_argument}),
    [](const auto& info) { return testing::testName(info.param.text); });

struct WriteCase {
    double value;
    std::chars_format format;
    int precision;
    const char* text;
};

using WriteFunction = std::to_chars_result (*)(char*, char*, double, std::chars_format, int);
constexpr WriteFunction kWriters[] = {&toChars, &portable::toCharsByPrintf};

std::string written(WriteFunction write, double value, std::chars_format format, int precision) {
    char buf[512];
    const auto [end, ec] = write(buf, buf + sizeof buf, value, format, precision);
    return ec == std::errc{} ? std::string(buf, end) : "error";
}

class Writes : public ::testing::TestWithParam<WriteCase> {};

TEST_P(Writes, AsTheStandardLibraryDoes) {
    const WriteCase& c = GetParam();
    for (const WriteFunction write : kWriters)
        EXPECT_EQ(written(write, c.value, c.format, c.precision), c.text);
}

constexpr auto kFixed = std::chars_format::fixed;
constexpr auto kScientific = std::chars_format::scientific;

INSTANTIATE_TEST_SUITE_P(
    Values, Writes,
    ::testing::Values(
        // rounded from the exact binary value, ties to even
        WriteCase{0.125, kFixed, 2, "0.12"}, WriteCase{0.375, kFixed, 2, "0.38"},
        WriteCase{1.005, kFixed, 2, "1.00"}, WriteCase{2.5, kFixed, 0, "2"},
        WriteCase{3.5, kFixed, 0, "4"}, WriteCase{70.52877936550931, kFixed, 10, "70.5287793655"},
        WriteCase{-0.0, kFixed, 2, "-0.00"}, WriteCase{-1e-12, kFixed, 10, "-0.0000000000"},
        WriteCase{1e22, kFixed, 0, "10000000000000000000000"},
        WriteCase{1e20, kScientific, 10, "1.0000000000e+20"},
        WriteCase{-1.2345e-300, kScientific, 4, "-1.2345e-300"},
        WriteCase{Limits::denorm_min(), kScientific, 3, "4.941e-324"},
        WriteCase{Limits::max(), kScientific, 16, "1.7976931348623157e+308"},
        // only fixed and scientific
        WriteCase{1.5, std::chars_format::general, 2, "error"}),
    [](const auto& info) {
        return testing::testName(info.param.value) + "_" +
               std::to_string(static_cast<int>(info.param.format)) + "_" +
               std::to_string(info.param.precision);
    });

// Both paths on random doubles of every size and at every precision, among them exact ties at
// some decimal (a whole number over a small power of two), and on random decimal texts, among
// them the exact midpoints between two doubles.
TEST(BothPaths, AgreeOnRandomNumbers) {
    std::mt19937_64 random(20261209);
    std::uniform_int_distribution<int> precision(0, 20), binaryExponent(-60, 49), small(1, 12);
    std::uniform_real_distribution<double> unit(1, 2);
    for (int n = 0; n < 20'000; ++n) {
        const double anyDouble = std::bit_cast<double>(random());
        const double wide = std::ldexp(unit(random), binaryExponent(random));
        const double tie = std::ldexp(std::floor(std::ldexp(unit(random), 20)), -small(random));
        for (const double x : {anyDouble, wide, -tie}) {
            if (!std::isfinite(x))
                continue;
            const int p = precision(random);
            EXPECT_EQ(written(&toChars, x, kScientific, p),
                      written(&portable::toCharsByPrintf, x, kScientific, p))
                << x;
            if (std::fabs(x) < 1e15) {
                EXPECT_EQ(written(&toChars, x, kFixed, p),
                          written(&portable::toCharsByPrintf, x, kFixed, p))
                    << x;
            }
        }
    }
    std::uniform_int_distribution<int> digitCount(1, 30), digit(0, 9), exponent(-340, 320);
    // Down to 2^-73 the midpoints' exact decimals have at most 80 digits after the period.
    std::uniform_int_distribution<int> midpointExponent(-20, 49);
    for (int n = 0; n < 20'000; ++n) {
        std::string text;
        const int digits = digitCount(random);
        const int point = std::uniform_int_distribution<int>(0, digits)(random);
        for (int k = 0; k < digits; ++k) {
            if (k == point)
                text += '.';
            text += static_cast<char>('0' + digit(random));
        }
        if (n % 2 == 0) {
            text += 'e';
            text += std::to_string(exponent(random));
        }
        // The exact decimal of the midpoint of two neighbouring doubles, which a long double holds.
        char midpoint[128];
        const double below = std::ldexp(unit(random), midpointExponent(random));
        const long double half =
            (static_cast<long double>(below) + std::nextafter(below, Limits::infinity())) / 2;
        std::snprintf(midpoint, sizeof midpoint, "%.80Lf", half);
        for (const std::string& t : {text, std::string(midpoint)}) {
            double byStandard = 0, byStrtod = 0;
            const auto standard = fromChars(t.data(), t.data() + t.size(), byStandard);
            const auto stand_in =
                portable::fromCharsByStrtod(t.data(), t.data() + t.size(), byStrtod);
            EXPECT_EQ(standard.ec, stand_in.ec) << t;
            EXPECT_EQ(standard.ptr, stand_in.ptr) << t;
            EXPECT_EQ(bitsOf(byStandard), bitsOf(byStrtod)) << t;
        }
    }
}

// A program that runs in a locale with a decimal comma (the window sets the user's) still reads
// and writes a period.
TEST(BothPaths, UseAPeriodInEveryLocale) {
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    bool found = false;
    for (const char* name : {"es_ES.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8", "es_ES", "de_DE"})
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            found = true;
            break;
        }
    if (!found)
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    EXPECT_EQ(written(&portable::toCharsByPrintf, 12.25, kFixed, 2), "12.25");
    double value = 0;
    const std::string_view text = "12.25";
    portable::fromCharsByStrtod(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(value, 12.25);
    std::setlocale(LC_NUMERIC, before.c_str());
}

} // namespace
} // namespace esferica
