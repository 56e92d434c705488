// SPDX-License-Identifier: GPL-3.0-or-later
#include "command/precise.h"

#include "command/numbers.h"
#include "numeric/portable.h"

#include <cmath>
#include <cstdint>

namespace esferica {

namespace {

// |value| with `decimals` decimals, as std::to_chars rounds it: from the exact binary value.
std::string fixed(double value, int decimals) {
    char buf[64];
    const auto [end, ec] =
        toChars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed, decimals);
    (void)ec; // below 1e15 the text is far shorter than the buffer
    return {buf, end};
}

void replacePoint(std::string& text, std::string_view decimalSeparator) {
    if (const std::size_t dot = text.find('.'); dot != std::string::npos)
        text.replace(dot, 1, decimalSeparator);
}

bool showsNonZeroDigit(std::string_view text) {
    return text.find_first_of("123456789") != std::string_view::npos;
}

} // namespace

std::string preciseDegreesText(double degrees, std::string_view decimalSeparator) {
    if (std::fabs(degrees) >= kExponentFrom)
        return exponentText(degrees, 10, decimalSeparator);
    const std::string digits = fixed(degrees, 10);
    std::string text(degrees < 0 && showsNonZeroDigit(digits) ? 1 : 0, '-');
    text += digits;
    replacePoint(text, decimalSeparator);
    return text;
}

std::string sexagesimalText(double degrees, std::string_view decimalSeparator) {
    const double magnitude = std::fabs(degrees);
    if (!(magnitude < kExponentFrom))
        return {};
    // The fractional parts are exact differences; each product by 60 rounds once, far below the
    // hundredth of a second that is shown.
    auto whole = static_cast<std::int64_t>(std::floor(magnitude));
    const double minutes = (magnitude - std::floor(magnitude)) * 60;
    auto minute = static_cast<int>(std::floor(minutes));
    std::string seconds = fixed((minutes - std::floor(minutes)) * 60, 2);
    if (seconds == "60.00") {
        seconds = "0.00";
        if (++minute == 60) {
            minute = 0;
            ++whole;
        }
    }
    replacePoint(seconds, decimalSeparator);
    std::string text;
    if (degrees < 0 && (whole != 0 || minute != 0 || showsNonZeroDigit(seconds)))
        text += '-';
    text +=
        std::to_string(whole) + "\u00B0 " + std::to_string(minute) + "\u2032 " + seconds + "\u2033";
    return text;
}

std::string preciseResultText(double degrees, std::string_view decimalSeparator) {
    std::string text = preciseDegreesText(degrees, decimalSeparator) + "\u00B0";
    if (const std::string dms = sexagesimalText(degrees, decimalSeparator); !dms.empty())
        text += " = " + dms;
    return text;
}

} // namespace esferica
