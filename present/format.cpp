// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/format.h"

#include "numeric/portable.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace esferica {

namespace {

// Wide enough for a value below kExponentFrom in the smallest unit shown: 1e15 degrees in
// 1/(3600 * 10^kMaxDecimals) of a degree is below 2^105.
__extension__ typedef unsigned __int128 Wide;

constexpr std::string_view kDegreeSign = "\u00B0";
constexpr std::string_view kMinuteSign = "\u2032";
constexpr std::string_view kSecondSign = "\u2033";
constexpr std::string_view kRadians = " rad";
constexpr std::string_view kSteradians = " sr";
constexpr int kMinutesPerDegree = 60;
// The decimals of the tooltips and of the copied table in decimal degrees, and of the seconds
// that the tooltips show beside them.
constexpr int kPreciseDecimals = 10;
constexpr int kTooltipSecondDecimals = 2;

int clampedDecimals(int decimals) {
    return decimals < 0 ? 0 : decimals > kMaxDecimals ? kMaxDecimals : decimals;
}

// |value| with `decimals` decimals, as std::to_chars rounds it: from the exact binary value.
std::string fixed(double value, int decimals) {
    char buf[64];
    const auto [end, ec] =
        toChars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed, decimals);
    (void)ec; // below kExponentFrom the text is far shorter than the buffer
    return {buf, end};
}

void replacePoint(std::string& text, std::string_view decimalSeparator) {
    if (const std::size_t dot = text.find('.'); dot != std::string::npos)
        text.replace(dot, 1, decimalSeparator);
}

bool showsNonZeroDigit(std::string_view text) {
    return text.find_first_of("123456789") != std::string_view::npos;
}

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

std::uint64_t powerOfTen(int n) {
    std::uint64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// `magnitude` (finite, 0 to kExponentFrom) in units of 1/perDegree, rounded to the nearest whole
// unit with ties to even, judged on the exact value of the double: the fraction is m / 2^k
// exactly, and m * perDegree is a whole number that 128 bits hold.
Wide roundedUnits(double magnitude, std::uint64_t perDegree) {
    const double whole = std::floor(magnitude);
    const double fraction = magnitude - whole; // exact
    Wide units = static_cast<Wide>(static_cast<std::uint64_t>(whole)) * perDegree;
    if (fraction == 0)
        return units;
    int exponent = 0;
    const double mantissa = std::frexp(fraction, &exponent); // in [0.5, 1), exponent <= 0
    constexpr int kMantissaBits = 53;
    const auto m = static_cast<std::uint64_t>(std::ldexp(mantissa, kMantissaBits));
    const int k = kMantissaBits - exponent; // fraction = m / 2^k, k >= 53
    constexpr int kWideBits = 128;
    if (k >= kWideBits - 1)
        return units; // m * perDegree < 2^105: far below half a unit
    const Wide product = static_cast<Wide>(m) * perDegree;
    Wide q = product >> k;
    const Wide rest = product - (q << k), half = Wide(1) << (k - 1);
    if (rest > half || (rest == half && (q & 1) != 0))
        ++q;
    return units + q;
}

std::string wideText(Wide n) {
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(n % 10)));
        n /= 10;
    } while (n != 0);
    return digits;
}

// `units` of 1/10^decimals written with `decimals` decimals.
std::string unitsText(std::uint64_t units, int decimals, std::string_view decimalSeparator) {
    const std::uint64_t scale = powerOfTen(decimals);
    std::string text = std::to_string(units / scale);
    if (decimals > 0) {
        std::string fraction = std::to_string(units % scale);
        text += decimalSeparator;
        text += std::string(static_cast<std::size_t>(decimals) - fraction.size(), '0') + fraction;
    }
    return text;
}

// Degrees, minutes and seconds (or degrees and decimal minutes) of a finite value below
// kExponentFrom, rounded once in the last unit so that the carries are right.
std::string sexagesimal(double degrees, bool seconds, int decimals,
                        std::string_view decimalSeparator) {
    const std::uint64_t scale = powerOfTen(decimals);
    const std::uint64_t perMinute = seconds ? kMinutesPerDegree * scale : scale;
    const std::uint64_t perDegree = kMinutesPerDegree * perMinute;
    const Wide total = roundedUnits(std::fabs(degrees), perDegree);
    const Wide whole = total / perDegree;
    const auto rest = static_cast<std::uint64_t>(total % perDegree);
    std::string text(degrees < 0 && total != 0 ? 1 : 0, '-');
    text += wideText(whole);
    text += kDegreeSign;
    text += ' ';
    if (seconds) {
        text += std::to_string(rest / perMinute);
        text += kMinuteSign;
        text += ' ';
        text += unitsText(rest % perMinute, decimals, decimalSeparator);
        text += kSecondSign;
    } else {
        text += unitsText(rest, decimals, decimalSeparator);
        text += kMinuteSign;
    }
    return text;
}

} // namespace

std::string exponentText(double value, int decimals, std::string_view decimalSeparator) {
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "∞" : "-∞";
    char buf[64];
    const auto [end, ec] =
        toChars(buf, buf + sizeof buf, value, std::chars_format::scientific, decimals);
    (void)ec; // a double with at most 17 decimals fits
    std::string text(buf, end);
    text[text.find('e')] = 'E';
    replacePoint(text, decimalSeparator);
    return text;
}

std::string degreesText(double d, std::string_view decimalSeparator) {
    if (!std::isfinite(d))
        return exponentText(d, 0, decimalSeparator);
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
        replacePoint(text, decimalSeparator);
        return text;
    }

    const std::int64_t hundredths = roundedHundredths(d);
    std::string text;
    if (hundredths < 0)
        text += '-';
    appendHundredths(text, static_cast<std::uint64_t>(std::llabs(hundredths)), decimalSeparator);
    return text;
}

void appendHundredths(std::string& text, std::uint64_t hundredths,
                      std::string_view decimalSeparator) {
    text += std::to_string(hundredths / 100);
    if (const std::uint64_t cents = hundredths % 100; cents != 0) {
        text += decimalSeparator;
        text += static_cast<char>('0' + cents / 10);
        if (cents % 10 != 0)
            text += static_cast<char>('0' + cents % 10);
    }
}

std::string degreesWithSign(double degrees, std::string_view decimalSeparator) {
    return degreesText(degrees, decimalSeparator) + std::string(kDegreeSign);
}

std::string decimalText(double value, int decimals, std::string_view decimalSeparator) {
    decimals = clampedDecimals(decimals);
    if (!(std::fabs(value) < kExponentFrom))
        return exponentText(value, decimals, decimalSeparator);
    const std::string digits = fixed(value, decimals);
    std::string text(value < 0 && showsNonZeroDigit(digits) ? 1 : 0, '-');
    text += digits;
    replacePoint(text, decimalSeparator);
    return text;
}

std::string trimmedDecimalText(double value, int decimals, std::string_view decimalSeparator) {
    std::string text = decimalText(value, decimals, ".");
    if (text.find('E') == std::string::npos && text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    replacePoint(text, decimalSeparator);
    return text;
}

std::string preciseDegreesText(double degrees, std::string_view decimalSeparator) {
    return decimalText(degrees, kPreciseDecimals, decimalSeparator);
}

std::string angleText(double degrees, AngleFormat format, int decimals,
                      std::string_view decimalSeparator) {
    decimals = clampedDecimals(decimals);
    if (!(std::fabs(degrees) < kExponentFrom))
        return exponentText(degrees, decimals, decimalSeparator) + std::string(kDegreeSign);
    switch (format) {
    case AngleFormat::Decimal:
        break;
    case AngleFormat::DegreesMinutesSeconds:
        return sexagesimal(degrees, true, decimals, decimalSeparator);
    case AngleFormat::DegreesDecimalMinutes:
        return sexagesimal(degrees, false, decimals, decimalSeparator);
    case AngleFormat::Radians:
        return decimalText(degrees * (std::numbers::pi / 180), decimals, decimalSeparator) +
               std::string(kRadians);
    }
    return decimalText(degrees, decimals, decimalSeparator) + std::string(kDegreeSign);
}

std::string sexagesimalText(double degrees, std::string_view decimalSeparator) {
    if (!(std::fabs(degrees) < kExponentFrom))
        return {};
    return sexagesimal(degrees, true, kTooltipSecondDecimals, decimalSeparator);
}

std::string preciseResultText(double degrees, std::string_view decimalSeparator) {
    std::string text = preciseDegreesText(degrees, decimalSeparator) + std::string(kDegreeSign);
    if (const std::string dms = sexagesimalText(degrees, decimalSeparator); !dms.empty())
        text += " = " + dms;
    return text;
}

std::string quotedNumber(double degrees, std::string_view decimalSeparator) {
    if (std::fabs(degrees) >= kExponentFrom)
        return exponentText(degrees, 6, decimalSeparator);
    return trimmedDecimalText(degrees, kPreciseDecimals, decimalSeparator);
}

std::string quotedDegrees(double degrees, std::string_view decimalSeparator) {
    return quotedNumber(degrees, decimalSeparator) + std::string(kDegreeSign);
}

std::string angleLabel(double degrees, const Units& units) {
    if (units.format == AngleFormat::Decimal)
        return degreesText(degrees, units.decimalSeparator);
    return angleText(degrees, units.format, units.labelDecimals(), units.decimalSeparator);
}

std::string angleTooltip(double degrees, const Units& units) {
    const int decimals = units.preciseDecimals();
    if (units.format == AngleFormat::Decimal) {
        std::string text =
            decimalText(degrees, decimals, units.decimalSeparator) + std::string(kDegreeSign);
        if (const std::string dms = sexagesimalText(degrees, units.decimalSeparator); !dms.empty())
            text += " = " + dms;
        return text;
    }
    std::string text = angleText(degrees, units.format, decimals, units.decimalSeparator);
    if (std::fabs(degrees) < kExponentFrom)
        text +=
            " = " + preciseDegreesText(degrees, units.decimalSeparator) + std::string(kDegreeSign);
    return text;
}

std::string angleCell(double degrees, const Units& units) {
    if (units.format == AngleFormat::Decimal)
        return decimalText(degrees, units.preciseDecimals(), units.decimalSeparator);
    return angleText(degrees, units.format, units.preciseDecimals(), units.decimalSeparator);
}

std::string areaLabel(double steradians, const Units& units) {
    return degreesText(steradians, units.decimalSeparator) + std::string(kSteradians);
}

std::string areaTooltip(double steradians, const Units& units) {
    return areaCell(steradians, units) + std::string(kSteradians);
}

std::string areaCell(double steradians, const Units& units) {
    const int decimals =
        units.format == AngleFormat::Decimal ? units.preciseDecimals() : kPreciseDecimals;
    return decimalText(steradians, decimals, units.decimalSeparator);
}

std::string_view lengthSymbol(LengthUnit unit) {
    return unit == LengthUnit::Kilometres ? "km" : "NM";
}

std::string lengthText(double length, LengthUnit unit, int decimals,
                       std::string_view decimalSeparator) {
    return decimalText(length, decimals, decimalSeparator) + " " + std::string(lengthSymbol(unit));
}

} // namespace esferica
