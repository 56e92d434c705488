// SPDX-License-Identifier: GPL-3.0-or-later
// How the front ends show a number: the form of an angle, how many decimals its last unit takes,
// the decimal separator, and the sphere and unit that lengths are measured in.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace esferica {

// The forms of an angle: decimal degrees "70.53°", degrees, minutes and seconds "70° 31′ 44″",
// degrees and decimal minutes "70° 31.73′", radians "1.2310 rad".
enum class AngleFormat { Decimal, DegreesMinutesSeconds, DegreesDecimalMinutes, Radians };
inline constexpr int kAngleFormats = 4;
inline constexpr std::array<AngleFormat, kAngleFormats> kAllAngleFormats{
    AngleFormat::Decimal, AngleFormat::DegreesMinutesSeconds, AngleFormat::DegreesDecimalMinutes,
    AngleFormat::Radians};

// The command line's names of the forms: decimal, gms, gm, rad.
std::string_view angleFormatName(AngleFormat format);
std::optional<AngleFormat> angleFormatNamed(std::string_view name);

// The units lengths are given in: kilometres, or nautical miles (one minute of arc of a great
// circle of the navigation sphere).
enum class LengthUnit { Kilometres, NauticalMiles };

// The most decimals a text of a number takes: a double resolves no more of a value in degrees.
inline constexpr int kMaxDecimals = 12;

struct Units {
    AngleFormat format = AngleFormat::Decimal;
    // The decimals of the last unit shown in the full-precision texts (the tooltips, the copied
    // table): none given means the form's own (ten for decimal degrees and radians, four for the
    // seconds, six for the decimal minutes). From 0 to kMaxDecimals.
    std::optional<int> decimals;
    std::string decimalSeparator = "."; // a period or a comma
    double radius = 6371;               // the sphere's radius, in `length`
    LengthUnit length = LengthUnit::Kilometres;

    // The decimals of the full-precision texts, as `decimals` or the form's own.
    int preciseDecimals() const;
    // The decimals of the last unit in a result label: two for decimal degrees and the decimal
    // minutes, none for the seconds, four for radians.
    int labelDecimals() const;
};

} // namespace esferica
