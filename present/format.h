// SPDX-License-Identifier: GPL-3.0-or-later
// The one formatter: the only code that writes the marks of degrees, minutes and seconds (°, ′,
// ″), the units rad and sr, and km and NM. Every number a front end shows is written here, and
// rounded from the exact value of its double.
#pragma once

#include "present/units.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace esferica {

// From here on a value in degrees is written with an exponent: only absurd inputs reach it, and a
// double no longer resolves a hundredth of a degree.
inline constexpr double kExponentFrom = 1e15;

// A value in degrees rounded to two decimals, with ties to even judged on the exact value of the
// double (0.125 gives 0.12, 0.375 gives 0.38, but 1.005, stored just below, gives 1), written as
// plain decimal text: no thousands separators, no trailing zeros, no separator for a whole number,
// "0" before the separator when |r| < 1, never "-0" ("70.53", "90", "0.5", "-12.25" with a
// period). From kExponentFrom on, with an exponent instead ("1.2345E+20"). The result labels'
// form of decimal degrees.
std::string degreesText(double degrees, std::string_view decimalSeparator);

// Appends a count of hundredths as a whole number and up to two decimals, without trailing zeros
// ("12", "12,5", "12,25" for 1200, 1250, 1225 with a comma).
void appendHundredths(std::string& text, std::uint64_t hundredths,
                      std::string_view decimalSeparator);

// degreesText with the degree sign: "70,53°", "-0,5°".
std::string degreesWithSign(double degrees, std::string_view decimalSeparator);

// `value` in scientific notation with `decimals` digits after the separator and an upper-case E
// followed by the exponent's sign and at least two digits ("1.2345000000E+20"). A value no number
// of the program should be, but a text is written for, as every text of a number here: "∞",
// "-∞", "NaN".
std::string exponentText(double value, int decimals, std::string_view decimalSeparator);

// `value` with `decimals` decimals (0 to kMaxDecimals), rounded from the exact value of the
// double, ties to even: "70.5287793655", "60.0000000000". A minus sign only when a non-zero digit
// shows (-1e-12 to ten decimals gives "0.0000000000"). From kExponentFrom on, with an exponent
// and `decimals` decimals in the mantissa: "1.0000000000E+20".
std::string decimalText(double value, int decimals, std::string_view decimalSeparator);

// decimalText without the zeros that end its decimals, nor a separator left bare: "49,5", "60".
// From kExponentFrom on, decimalText as it is.
std::string trimmedDecimalText(double value, int decimals, std::string_view decimalSeparator);

// decimalText to ten decimals: the copied table's form of a value in degrees.
std::string preciseDegreesText(double degrees, std::string_view decimalSeparator);

// An angle given in degrees, in `format` with `decimals` decimals in its last unit and its marks:
// "70.5287793655°", "70° 31′ 43.61″", "70° 31.726762′", "1.2309594173 rad". The parts are
// rounded as one number, so that carries are right: 59.99999° to whole seconds is "60° 0′ 0″",
// never "59° 59′ 60″". A minus sign before the whole only when a non-zero digit shows. From
// kExponentFrom degrees on, decimal degrees with an exponent, whatever the form.
std::string angleText(double degrees, AngleFormat format, int decimals,
                      std::string_view decimalSeparator);

// angleText in degrees, minutes and seconds, the seconds to two decimals, as the tooltips show
// them beside decimal degrees; empty from kExponentFrom on.
std::string sexagesimalText(double degrees, std::string_view decimalSeparator);

// The tooltip of a result in decimal degrees: "70.5287793655° = 70° 31′ 43.61″"; only the decimal
// text, with its degree sign, from kExponentFrom on.
std::string preciseResultText(double degrees, std::string_view decimalSeparator);

// A value in degrees as sentences quote it: to ten decimals at most, trailing zeros dropped, with
// the degree sign ("60°", "70,5287793655°"); from kExponentFrom on with an exponent.
std::string quotedDegrees(double degrees, std::string_view decimalSeparator);
// The same without the degree sign, as a value read from a field is quoted ("6", "49,5").
std::string quotedNumber(double degrees, std::string_view decimalSeparator);

// An angle in a result label: in decimal degrees degreesText (no mark, as the labels have always
// shown it), in the other forms angleText with the label's decimals.
std::string angleLabel(double degrees, const Units& units);
// An angle in full precision, for a tooltip: in decimal degrees with ten decimals
// preciseResultText; in the other forms the form's text, then " = " and the decimal degrees.
std::string angleTooltip(double degrees, const Units& units);
// An angle in a column of the copied table: decimal degrees as bare numbers (a spreadsheet reads
// them), the other forms with their marks.
std::string angleCell(double degrees, const Units& units);

// An area in steradians on the unit sphere: "0,55 sr" in a label, ten decimals in a tooltip, and
// without the unit in the copied table.
std::string areaLabel(double steradians, const Units& units);
std::string areaTooltip(double steradians, const Units& units);
std::string areaCell(double steradians, const Units& units);

// The symbol of a length unit: "km", "NM".
std::string_view lengthSymbol(LengthUnit unit);
// A length with `decimals` decimals and its unit: "5567.3 km", "3006.1 NM".
std::string lengthText(double length, LengthUnit unit, int decimals,
                       std::string_view decimalSeparator);

} // namespace esferica
