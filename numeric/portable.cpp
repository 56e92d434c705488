// SPDX-License-Identifier: GPL-3.0-or-later
#include "numeric/portable.h"

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace esferica {

namespace {

// The C library reads and writes numbers with the decimal point of the locale that the program
// runs in (a window may set the user's, with a comma): the stand-ins translate it.
std::string_view localePoint() {
    const char* point = std::localeconv()->decimal_point;
    return point != nullptr && *point != '\0' ? point : ".";
}

// `text` with its first `from` changed to `to`, if it has one. Built afresh: GCC 12 warns falsely
// of overlapping copies in std::string::replace.
std::string replaced(const std::string& text, std::string_view from, std::string_view to) {
    const std::size_t at = text.find(from);
    if (at == std::string::npos)
        return text;
    std::string result;
    result.append(text, 0, at).append(to).append(text, at + from.size());
    return result;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

namespace portable {

std::to_chars_result toCharsByPrintf(char* first, char* last, double value,
                                     std::chars_format format, int precision) {
    const char* pattern = format == std::chars_format::fixed        ? "%.*f"
                          : format == std::chars_format::scientific ? "%.*e"
                                                                    : nullptr;
    if (pattern == nullptr || precision < 0)
        return {first, std::errc::invalid_argument};
    // The length first: a fixed huge value has over 300 digits.
    const int length = std::snprintf(nullptr, 0, pattern, precision, value);
    if (length < 0)
        return {first, std::errc::invalid_argument};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), pattern, precision, value);
    text.pop_back();
    text = replaced(text, localePoint(), ".");
    if (text.size() > static_cast<std::size_t>(last - first))
        return {last, std::errc::value_too_large};
    std::copy(text.begin(), text.end(), first);
    return {first + text.size(), std::errc{}};
}

std::from_chars_result fromCharsByStrtod(const char* first, const char* last, double& value) {
    // The extent of the number, as std::from_chars takes it: strtod alone would also take
    // blanks, a plus sign, hexadecimal digits, "inf" and "nan", and needs a terminated text.
    const std::string_view s(first, static_cast<std::size_t>(last - first));
    std::size_t i = s.starts_with('-') ? 1 : 0;
    bool digit = false, nonZero = false;
    for (bool point = false; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            digit = true;
            nonZero = nonZero || s[i] != '0';
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digit)
        return {first, std::errc::invalid_argument};
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j]))
                ++j;
            i = j;
        }
    }
    const std::string number = replaced(std::string(s.substr(0, i)), ".", localePoint());
    // errno is not consulted: the C libraries differ on whether a subnormal result sets it.
    const double read = std::strtod(number.c_str(), nullptr);
    if (std::isinf(read) || (read == 0 && nonZero))
        return {first + i, std::errc::result_out_of_range};
    value = read;
    return {first + i, std::errc{}};
}

} // namespace portable

std::to_chars_result toChars(char* first, char* last, double value, std::chars_format format,
                             int precision) {
#if defined(__cpp_lib_to_chars)
    if (format != std::chars_format::fixed && format != std::chars_format::scientific)
        return {first, std::errc::invalid_argument};
    return std::to_chars(first, last, value, format, precision);
#else
    return portable::toCharsByPrintf(first, last, value, format, precision);
#endif
}

std::from_chars_result fromChars(const char* first, const char* last, double& value) {
#if defined(__cpp_lib_to_chars)
    return std::from_chars(first, last, value);
#else
    return portable::fromCharsByStrtod(first, last, value);
#endif
}

} // namespace esferica
