// SPDX-License-Identifier: GPL-3.0-or-later
// Results at full precision, for the tooltips of the result labels and the table of results that
// the window copies: the labels themselves show two decimals (command/numbers.h).
#pragma once

#include <string>
#include <string_view>

namespace esferica {

// A value in degrees to ten decimals, rounded from the exact value of the double, with the user's
// decimal separator: "70.5287793655", "60.0000000000". A minus sign only when a non-zero digit
// shows (-1e-12 gives "0.0000000000"). From 1e15 on, where degreesText switches to an exponent,
// so does this, with ten decimals in the mantissa: "1.0000000000E+20".
std::string preciseDegreesText(double degrees, std::string_view decimalSeparator);

// The same value in degrees, minutes and seconds, the seconds to two decimals:
// "70° 31′ 43.61″" (U+00B0, U+2032, U+2033). Seconds that round to 60.00 carry into the minutes,
// and 60 minutes into the degrees, so 10.999999 gives "11° 0′ 0.00″". Empty from 1e15 on, where a
// double no longer resolves a second.
std::string sexagesimalText(double degrees, std::string_view decimalSeparator);

// Both together, as a result label's tooltip shows them: "70.5287793655° = 70° 31′ 43.61″"; only
// the decimal text, with its degree sign, from 1e15 on.
std::string preciseResultText(double degrees, std::string_view decimalSeparator);

} // namespace esferica
