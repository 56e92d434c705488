// SPDX-License-Identifier: GPL-3.0-or-later
#include "command/numbers.h"

#include "numeric/angles.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace esferica {

namespace {

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

char upper(char ch) {
    return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

int digitValue(char ch, int base) {
    int d = base; // not a digit
    if (isDigit(ch))
        d = ch - '0';
    else if (upper(ch) >= 'A' && upper(ch) <= 'F')
        d = upper(ch) - 'A' + 10;
    return d < base ? d : -1;
}

// "&H..." and "&O...": an unsigned integer in base 16 or 8, exact up to 2^53.
Real radixValue(std::string_view digits, int base) {
    Real v = 0;
    for (char ch : digits) {
        const int d = digitValue(ch, base);
        if (d < 0)
            break;
        v = v * base + d;
    }
    return v;
}

// d * 100 rounded to an integer, ties to even, on the exact product of the double d
// (|d| < kExponentFrom): fma gives the rounding error of the product, so a product that only rounds
// to a half-integer is not taken for a tie, and one that rounds past an integer is brought back.
std::int64_t roundedHundredths(double d) {
    const double p = d * 100;
    const double err = std::fma(d, 100.0, -p);       // d * 100 == p + err exactly
    constexpr double kIntegral = 4503599627370496.0; // 2^52: from here on every double is whole
    if (std::fabs(p) < kIntegral) {
        if (std::fabs(p - std::trunc(p)) == 0.5 && err != 0)
            return static_cast<std::int64_t>(err > 0 ? std::ceil(p) : std::floor(p));
        return static_cast<std::int64_t>(std::nearbyint(p)); // ties to even
    }
    // p is whole and |err| is at most half its spacing: round err, judging a tie on the sum.
    const auto whole = static_cast<std::int64_t>(p);
    const double below = std::floor(err);
    const double fraction = err - below;
    std::int64_t k = static_cast<std::int64_t>(below);
    if (fraction > 0.5 || (fraction == 0.5 && (whole + k) % 2 != 0))
        ++k;
    return whole + k;
}

} // namespace

Real Val(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char ch : text)
        if (ch != ' ' && ch != '\t' && ch != '\n')
            s += ch;

    if (s.size() >= 2 && s[0] == '&') {
        if (upper(s[1]) == 'H')
            return radixValue(std::string_view(s).substr(2), 16);
        if (upper(s[1]) == 'O')
            return radixValue(std::string_view(s).substr(2), 8);
        return 0;
    }

    // Gather the number into a canonical form that std::from_chars reads exactly:
    // [-]digits[.digits][e[-]digits], with the exponent saturated so that it cannot overflow.
    std::size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        if (s[i++] == '-')
            number += '-';
    bool anyDigit = false, nonZero = false, point = false;
    std::int64_t magnitude = 0; // decimal exponent of the leading non-zero digit, plus one
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            anyDigit = true;
            if (s[i] != '0')
                nonZero = true;
            if (!point && nonZero)
                ++magnitude;
            else if (point && !nonZero)
                --magnitude;
            number += s[i];
        } else if ((s[i] == '.' || s[i] == ',') && !point) {
            point = true;
            number += '.';
        } else {
            break;
        }
    }
    if (!anyDigit || !nonZero)
        return 0; // no number, or a zero whatever its exponent

    if (i < s.size() && (upper(s[i]) == 'E' || upper(s[i]) == 'D')) {
        std::size_t j = i + 1;
        bool negative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            negative = s[j++] == '-';
        if (j < s.size() && isDigit(s[j])) {
            constexpr std::int64_t kSaturated = 100'000'000; // far beyond any double's exponent
            std::int64_t e = 0;
            for (; j < s.size() && isDigit(s[j]); ++j)
                e = std::min(e * 10 + (s[j] - '0'), kSaturated);
            if (negative)
                e = -e;
            magnitude += e;
            number += 'e';
            number += std::to_string(e);
        }
    }

    double v = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), v);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        if (magnitude > 0)
            fail(FailureKind::Overflow);
        return 0; // too small for a double: it reads as not given
    }
    return v;
}

std::string exponentText(double value, int decimals, std::string_view decimalSeparator) {
    char buf[64];
    const auto [end, ec] =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, decimals);
    (void)ec; // a double with at most 17 decimals fits
    std::string text(buf, end);
    text[text.find('e')] = 'E';
    if (const std::size_t dot = text.find('.'); dot != std::string::npos)
        text.replace(dot, 1, decimalSeparator);
    return text;
}

std::string resultText(Real x, std::string_view decimalSeparator) {
    return degreesText(RadtoGrad(x).value(), decimalSeparator);
}

std::string degreesText(double d, std::string_view decimalSeparator) {
    if (std::fabs(d) >= kExponentFrom) {
        // Fourteen decimals, the trailing zeros of the mantissa dropped.
        std::string text = exponentText(d, 14, ".");
        const std::size_t e = text.find('E');
        std::size_t end = e;
        while (text[end - 1] == '0')
            --end;
        if (text[end - 1] == '.')
            --end;
        text.erase(end, e - end);
        if (const std::size_t dot = text.find('.'); dot != std::string::npos)
            text.replace(dot, 1, decimalSeparator);
        return text;
    }

    const std::int64_t hundredths = roundedHundredths(d);
    std::string text;
    if (hundredths < 0)
        text += '-';
    const std::uint64_t magnitude = static_cast<std::uint64_t>(std::llabs(hundredths));
    text += std::to_string(magnitude / 100);
    if (const std::uint64_t cents = magnitude % 100; cents != 0) {
        text += decimalSeparator;
        text += static_cast<char>('0' + cents / 10);
        if (cents % 10 != 0)
            text += static_cast<char>('0' + cents % 10);
    }
    return text;
}

} // namespace esferica
