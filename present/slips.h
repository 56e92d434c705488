// SPDX-License-Identifier: GPL-3.0-or-later
// What a field that was not read whole most likely meant, where the slip shows it: a letter for a
// digit, letters for the marks, an operation, digits split by blanks, a mark left out, minutes or
// seconds of 60. This finds the slip and the texts to type instead, each read whole by
// readNumber; present/view.h words them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace esferica {

enum class Slip {
    None,
    SixtyOrMore,           // minutes or seconds of 60 or more ("60°60'"); nothing to suggest
    LetterForZero,         // a letter O for a zero ("4O°30'": "40°30'")
    LetterForOne,          // a letter l or I for a one ("l00": "100")
    LettersForDigits,      // both
    LettersForMarks,       // d or g, m and s for the marks ("49d30m": "49°30'")
    Operation,             // a sum or a difference ("90-36°32'": its result, "53°28'")
    SplitDigits,           // digits split by blanks ("17 5": "175", "17,5", "17°5'")
    MinutesMark,           // minutes without their mark ("49°32": "49°32'")
    SecondsMark,           // seconds without their mark ("49°32'15": "49°32'15\"")
    MinutesWithoutDegrees, // minutes alone ("30'": "0°30'")
};

struct Intent {
    Slip slip = Slip::None;
    std::vector<std::string> suggestions; // texts that read whole, in the order to offer them
};

// Texts longer than this, in bytes, are not looked into: a slip is a short text.
inline constexpr std::size_t kLongestSlip = 40;

// The likely intent behind `text`, the whole text of a field that was not read whole. A
// suggestion with decimals uses `decimalSeparator`. Slip::None when no intent is clear.
Intent likelyIntent(std::string_view text, std::string_view decimalSeparator);

// `degrees` as a field takes it in degrees, minutes and seconds, the parts that are 0 at the end
// left out and the seconds to hundredths: "53°28'", "97°35'", "10°0'15\"", "-0°30'", "53°".
std::string typedSexagesimal(double degrees, std::string_view decimalSeparator);

// `degrees` as a field takes it in decimal degrees, to ten decimals at most: "53,5", "-1".
std::string typedDecimal(double degrees, std::string_view decimalSeparator);

// Whether `text` carries a mark of degrees, minutes or seconds: a result suggested for it is
// written in degrees, minutes and seconds too.
bool hasMarks(std::string_view text);

} // namespace esferica
