// SPDX-License-Identifier: GPL-3.0-or-later
// Positions and the other angles of a navigation problem as exam papers print them: latitude then
// longitude, each in degrees, minutes and seconds (36°30'15"), degrees and decimal minutes
// (51° 37,8'), or decimal degrees, with a hemisphere letter after it (N or S; E, W or O for oeste)
// or a sign (north and east positive): `21° 39' S, 116° 46' E`, `-33.5 151.2`.
//
// Each number is read by readNumber (command/numbers.h), so the marks, the decimal comma and the
// limits of minutes and seconds are those of the main window's fields. The reading is strict: a
// text is taken only when it is read to its end, and otherwise the reading says which angle it
// stopped in, what it read of it and what it left, for the front end to put into words.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace esferica {

// What an angle of a problem is, which decides its hemisphere letters and its range.
enum class CoordinateKind {
    Latitude,  // N or S, or a sign; at most 90 degrees either way (a declination too)
    Longitude, // E, W or O, or a sign; at most 180 degrees either way
    HourAngle, // no letter or sign: 0 to 360 degrees, counted westwards
    Altitude,  // a sign, no letter: at most 90 degrees either way
};

// Why a text is not read as the angles asked for.
enum class CoordinateProblem {
    Missing,           // the text ends before this angle begins
    NoNumber,          // the angle does not begin with a number: `left` is what stands there
    TooLarge,          // `read` is a number beyond what a double holds
    NotReadWhole,      // the number `read` is followed by `left`, which is no part of the angle
    WrongHemisphere,   // `letter` is a hemisphere letter of another kind of angle (E on a
                       // latitude, N on a longitude, any letter on an hour angle or altitude)
    SignAndHemisphere, // the angle `read` has both a sign and the hemisphere letter `letter`
    OutOfRange,        // `value` lies beyond the range of its kind
    ExtraText,         // `left` follows the last angle
};

struct CoordinateError {
    CoordinateProblem problem = CoordinateProblem::Missing;
    std::size_t angle = 0; // which of the angles asked for, from 0
    std::string read;      // the text read of that angle, its letter included
    std::string left;      // the text from where the reading stopped, without blanks at its ends
    std::string letter;    // the hemisphere letter in question
    double value = 0;      // the angle read, in degrees, signed (north and east positive)
};

// The angles of `kinds` read in order from one text, in degrees, signed: south and west negative,
// an hour angle in [0, 360]. Between two angles stand blanks, a comma or a semicolon; a blank is
// taken for the end of a number only where it stands between two numbers ("36.5 -6.3"), so
// "49° 32,5'" keeps its minutes. A hemisphere letter (either case) follows its number, and may
// be followed at once by the next angle ("36°30'N6°20'W"). Either every angle or none is given:
// on the first fault the reading stops and says why.
struct CoordinatesReading {
    std::vector<double> degrees;
    std::optional<CoordinateError> error;
};
CoordinatesReading readCoordinates(std::string_view text, std::span<const CoordinateKind> kinds);

// A point of the Earth, in degrees: latitude in [-90, 90] (north positive), longitude in
// [-180, 180] (east positive).
struct Position {
    double latitude = 0, longitude = 0;
};

struct PositionReading {
    Position position;
    std::optional<CoordinateError> error; // angle 0 is the latitude, 1 the longitude
};
// A position from one text, latitude then longitude: "36°30'N 6°20'W", "-33.5, 151.2".
PositionReading readPosition(std::string_view text);
// A position from two texts, the latitude's and the longitude's.
PositionReading readPosition(std::string_view latitude, std::string_view longitude);

} // namespace esferica
