// SPDX-License-Identifier: GPL-3.0-or-later
// The few pieces of the standard library that not every library the program is built with has:
// the C++ library of the WebAssembly build lacks std::bit_cast and the floating-point
// std::to_chars and std::from_chars. Each function below is the standard one where the library has
// it, and otherwise a stand-in built on the C library's snprintf and strtod that gives the same
// bytes, so that both builds print every number alike. The stand-ins are compiled in every build,
// so that the native tests compare them with the standard functions.
#pragma once

#include <charconv>
#include <cstdint>
#include <cstring>
#include <version>
#if defined(__cpp_lib_bit_cast)
#include <bit>
#endif

namespace esferica {

// The bits of a double, as std::bit_cast<std::uint64_t> gives them: equal bits, and only equal
// bits, are the same double (-0 and +0 differ, a NaN equals itself).
inline std::uint64_t bitsOf(double x) {
#if defined(__cpp_lib_bit_cast)
    return std::bit_cast<std::uint64_t>(x);
#else
    std::uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
#endif
}

// std::to_chars(first, last, value, format, precision) for std::chars_format::fixed and
// std::chars_format::scientific: `precision` decimals after the period (none, and no period,
// for 0), rounded from the exact binary value with ties to even, a minus sign for a negative
// value (-0 included), and for scientific an exponent "e+XX" of at least two digits. The period
// whatever the locale. Returns {last, value_too_large} when the text does not fit, and
// {first, invalid_argument} for any other format.
std::to_chars_result toChars(char* first, char* last, double value, std::chars_format format,
                             int precision);

// std::from_chars(first, last, value) for a decimal number: an optional minus sign, digits with at
// most one period (at least one digit), and an optional exponent e or E, a sign and digits,
// whatever the locale. Reads the longest such prefix and rounds it correctly to the nearest double
// (a subnormal one too). A number that rounds to infinity or, not being zero, to zero gives
// result_out_of_range and leaves `value` as it was; a text that does not begin with a number gives
// {first, invalid_argument}. Infinities and NaNs are outside it: the standard function reads
// "inf" and "nan", the stand-in does not.
std::from_chars_result fromChars(const char* first, const char* last, double& value);

namespace portable {

// The stand-ins on the C library, with the contracts above.
std::to_chars_result toCharsByPrintf(char* first, char* last, double value,
                                     std::chars_format format, int precision);
std::from_chars_result fromCharsByStrtod(const char* first, const char* last, double& value);

} // namespace portable

} // namespace esferica
