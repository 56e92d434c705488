// SPDX-License-Identifier: GPL-3.0-or-later
// Reading field texts.
#include "command/numbers.h"
#include "numeric/angles.h"
#include "tests/support/names.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace esferica {
namespace {

struct ValCase {
    const char* text;
    double value;
    const char* left = ""; // what is not read, without its blanks; "" when the text is read whole
};

class ValReads : public ::testing::TestWithParam<ValCase> {};

TEST_P(ValReads, TheLeadingNumber) {
    const ValCase& c = GetParam();
    const double v = Val(c.text).value();
    EXPECT_EQ(v, c.value) << "text: \"" << c.text << "\"";
    EXPECT_EQ(std::signbit(v), std::signbit(c.value)) << "text: \"" << c.text << "\"";
    std::string left(std::string_view(c.text).substr(readNumber(c.text).read));
    std::erase_if(left, [](char ch) { return ch == ' ' || ch == '\t' || ch == '\n'; });
    EXPECT_EQ(left, c.left) << "text: \"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValReads,
    ::testing::Values(
        // plain numbers
        ValCase{"60", 60}, ValCase{"-30", -30}, ValCase{"+30", 30}, ValCase{"30.126", 30.126},
        ValCase{".5", 0.5}, ValCase{"-.5", -0.5}, ValCase{"5.", 5}, ValCase{"007", 7},
        // reading stops at the first character that does not fit
        ValCase{"30abc", 30, "abc"}, ValCase{"1.2.3", 1.2, ".3"}, ValCase{"3-4", 3, "-4"},
        ValCase{"1\r2", 1, "\r2"}, ValCase{"6O", 6, "O"},
        // blanks end a number: these were 60 and "O" when blanks were ignored everywhere
        ValCase{"6 0 O", 6, "0O"},
        // a comma is a decimal separator like the period, and a second one of either ends the
        // number
        ValCase{"60,5", 60.5}, ValCase{"1,5", 1.5}, ValCase{",5e2", 50}, ValCase{"-0,25", -0.25},
        ValCase{"1,2,3", 1.2, ",3"}, ValCase{"1.5,2", 1.5, ",2"}, ValCase{"1,5.2", 1.5, ".2"},
        // no number at all reads as 0, and nothing of the text is read
        ValCase{"", 0}, ValCase{"abc", 0, "abc"}, ValCase{"-", 0, "-"}, ValCase{".", 0, "."},
        ValCase{"+", 0, "+"}, ValCase{",", 0, ","}, ValCase{"e5", 0, "e5"},
        ValCase{"º30", 0, "º30"}, ValCase{"--5", 0, "--5"}, ValCase{"l00", 0, "l00"},
        // blanks, tabs and line feeds around the number and after its sign are ignored, but digits
        // separated by blanks are not one number (these rows were 60, -30, 45, 100 and 402530
        // when blanks were ignored everywhere)
        ValCase{" 60 ", 60}, ValCase{"\t-\t30\n", -30}, ValCase{" 6 0 ", 6, "0"},
        ValCase{"\t-\t3 0", -3, "0"}, ValCase{"4\n5", 4, "5"}, ValCase{"1 e 2", 1, "e2"},
        ValCase{"40 25 30", 40, "2530"}, ValCase{"17 5", 17, "5"}, ValCase{"0 30", 0, "30"},
        ValCase{"1 30", 1, "30"}, ValCase{"1,5 0", 1.5, "0"}, ValCase{" \t ", 0},
        // radians, with the suffix rad after the number, converted to degrees; a word that only
        // begins with rad is not the suffix, and nothing of degrees follows it
        ValCase{"1,2 rad", 68.75493541569878}, ValCase{"-0.5rad", -28.64788975654116},
        ValCase{"1.5707963267948966 rad", 90}, ValCase{"0 rad", 0},
        ValCase{"1 radian", 1, "radian"}, ValCase{"1 rad 5", 57.29577951308232, "5"},
        ValCase{"1°rad", 1, "rad"}, ValCase{"1 rad°", 57.29577951308232, "°"},
        // exponents: E or D, either case, optional sign; an exponent without digits is not read
        ValCase{"1E2", 100}, ValCase{"1e2", 100}, ValCase{"1D2", 100}, ValCase{"1d-2", 0.01},
        ValCase{"2.5E+1", 25}, ValCase{"1e", 1, "e"}, ValCase{"1e+", 1, "e+"},
        ValCase{"1ex", 1, "ex"}, ValCase{"1E2.5", 100, ".5"},
        // zeros, signed: all mean "not given"
        ValCase{"0", 0}, ValCase{"-0", 0}, ValCase{"0.000", 0}, ValCase{"0e999999", 0},
        ValCase{"-0e5", 0},
        // too small for a double reads as 0
        ValCase{"1e-400", 0}, ValCase{"-1e-400", 0}, ValCase{"0.0000001e-320", 0},
        // the largest double still fits, and the nearest double is chosen exactly
        ValCase{"1.7976931348623157e308", 1.7976931348623157e308}, ValCase{"0.1", 0.1},
        ValCase{"4.9e-324", 4.9e-324},
        // radix prefixes: unsigned hexadecimal and octal integers
        ValCase{"&HFF", 255}, ValCase{"&hff", 255}, ValCase{"&H10xyz", 16, "xyz"},
        ValCase{"&O17", 15}, ValCase{"&o78", 7, "8"}, ValCase{"&H", 0}, ValCase{"&HFFFF", 65535},
        // "& H 1 0" was 16 when blanks were ignored everywhere
        ValCase{" &H10 ", 16}, ValCase{"& H 1 0", 0, "&H10"}, ValCase{"&X10", 0, "&X10"},
        ValCase{"&", 0, "&"},
        // degrees, minutes and seconds, each part with decimals; the sign covers the whole, and
        // the typographic minus is a minus sign
        ValCase{"49°32'", 49.53333333333333}, ValCase{"40º25'", 40.416666666666664},
        ValCase{"50°25'30\"", 50.425}, ValCase{"49° 32,5'", 49.541666666666664},
        ValCase{"49°32′15″", 49.5375}, ValCase{"0°30'", 0.5},
        ValCase{"−40°25'", -40.416666666666664}, ValCase{"−40", -40}, ValCase{"30 º", 30},
        ValCase{"30°", 30}, ValCase{"-0°30'", -0.5}, ValCase{"10°15\"", 10.004166666666666},
        ValCase{"1e1°30'", 10.5},
        // the marks that text pasted from documents carries, and blanks between the parts
        ValCase{"49°30’", 49.5}, ValCase{"49˚30'", 49.5}, ValCase{"49º30′", 49.5},
        ValCase{"49°30'15''", 49.50416666666667}, ValCase{"49°30’15’’", 49.50416666666667},
        ValCase{"49°30'15”", 49.50416666666667}, ValCase{"49°30′15″", 49.50416666666667},
        ValCase{"49°30''", 49.00833333333333}, ValCase{"49° 30'", 49.5},
        ValCase{"49 ° 32 ' 15 \"", 49.5375}, ValCase{"51° 37,8'", 51.63},
        ValCase{"262°25'", 262.4166666666667}, ValCase{"- 40°", -40},
        // a part of 60 or more, or one without its mark, is not read
        ValCase{"60°61'", 60, "61'"}, ValCase{"60°30'75\"", 60.5, "75\""},
        ValCase{"49°32", 49, "32"}, ValCase{"30'", 30, "'"}, ValCase{"49°-32'", 49, "-32'"},
        ValCase{"60°60'", 60, "60'"}, ValCase{"1°0'60\"", 1, "60\""}, ValCase{"49°3 0'", 49, "30'"},
        // slips of typing, each left partly unread
        ValCase{"4O°30'", 4, "O°30'"}, ValCase{"90-36°32'", 90, "-36°32'"},
        ValCase{"49d30m", 4.9e31, "m"}, ValCase{"hola", 0, "hola"}),
    [](const auto& info) { return testing::testName(info.param.text); });

TEST(ValOverflow, ANumberBeyondTheDoubleRangeFailsInsteadOfBecomingInfinite) {
    for (const char* text : {
             "1e309", "-1e309", "1.7976931348623159e308", "1e99999999999999999999",
             "99999999999999999999e300", "&H1" // followed by 300 F's below
         }) {
        std::string t = text;
        if (t == "&H1")
            t += std::string(300, 'F');
        try {
            const Real r = Val(t);
            ADD_FAILURE() << "\"" << text << "\" read as " << r.value();
        } catch (const ArithmeticFailure& f) {
            EXPECT_EQ(f.kind(), FailureKind::Overflow) << text;
        }
    }
}

TEST(ValLongTexts, ManyDigitsAreReadExactly) {
    EXPECT_EQ(Val("0." + std::string(5000, '0') + "1e5001").value(), 1.0);
    EXPECT_EQ(Val(std::string(400, '9') + "e-400").value(), 1.0);
}

} // namespace
} // namespace esferica
