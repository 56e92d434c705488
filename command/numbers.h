// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers at the window's edge: reading a field's text (present/format.h writes them).
#pragma once

#include "numeric/checked.h"

#include <optional>
#include <string>
#include <string_view>

namespace esferica {

// Reads the number at the start of a field's text, as the input and option fields do:
//   - blanks (spaces, tabs, line feeds) may stand before and after the number, after its sign and
//     around its marks, never inside a number: "17 5" reads 17 and leaves "5";
//   - an optional sign (+, - or the typographic minus −), digits with at most one decimal
//     separator, a period or a comma alike whatever the locale ("12,5" and "12.5" read as 12.5,
//     so a result copied from a label in any locale reads back), and an optional exponent: E or D
//     in either case, an optional sign and digits;
//   - then, optionally, degrees, minutes and seconds: a degrees mark (°, º or ˚), then minutes (a
//     number with decimals, no sign) and a minutes mark (', ’ or ′), then seconds and a seconds
//     mark (", ”, ″, or two minutes marks such as ''), each part optional ("49°32'" is
//     49.5333..., "50°25'30"" is 50.425, "49° 32′ 15″" is 49.5375, "49°30'15''" is 49.50416...);
//     minutes and seconds must be below 60, and the reading stops before a part that is not
//     ("60°60'" reads 60); the sign before the degrees applies to the whole ("-40°25'" is
//     -40.41666...);
//   - or, instead of the marks of degrees, the suffix "rad" (blanks before it allowed): the
//     number is in radians and is read as its value in degrees ("1,2 rad" is 68.7549...,
//     "0.5rad" is 28.6478...); one whose degrees lie beyond the double range has no value;
//   - a second separator ends the number like any other character that does not fit ("1,2,3"
//     reads as 1.2, "1.5,2" as 1.5);
//   - reading stops at the first character that does not fit; a text that does not begin with a
//     number ("", "abc", "-", ".") reads nothing, and its value is 0.
// Whether the whole text was read is for the caller to judge from `read`: the field is used only
// when nothing but blanks is left.
// A text that begins with "&H" or "&O" (either case) is read as a hexadecimal or octal integer,
// up to the first character that is not a digit of that base ("&HFF" is 255, "&O17" is 15, "&H"
// alone is 0); the digits are taken as an unsigned magnitude.
// The decimal value is rounded correctly to the nearest double (with minutes and seconds, to
// within a unit in the last place); one too small for a double reads as 0, and a number too large
// for a double has no value at all, never infinity.
struct NumberReading {
    std::optional<Real> value = Real(0); // none when the number lies beyond the double range
    std::size_t read = 0;                // how many bytes of the text were read, from its start
};
NumberReading readNumber(std::string_view text);

// The value readNumber reads, 0 when the text does not begin with a number; a number beyond the
// double range raises ArithmeticFailure(Overflow).
Real Val(std::string_view text);

} // namespace esferica
