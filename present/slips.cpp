// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/slips.h"

#include "command/numbers.h"
#include "present/format.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>

namespace esferica {

namespace {

constexpr std::string_view kBlanks = " \t\n";
constexpr std::string_view kTypographicMinus = "\u2212";
// Every mark of degrees, minutes and seconds that readNumber reads; the seconds' double marks
// are made of the minutes' ones.
constexpr std::string_view kMarks[] = {"\u00B0", "\u00BA", "\u02DA", "'",     "\u2019",
                                       "\u2032", "\"",     "\u201D", "\u2033"};
constexpr std::string_view kMinuteMarks[] = {"'", "\u2019", "\u2032"};
// Minutes and seconds lie below this.
constexpr double kSexagesimalBase = 60;
// Hundredths of a second in a degree and in a minute: the resolution of a suggested result.
constexpr std::int64_t kPerDegree = 360'000, kPerMinute = 6'000;
// Beyond this many degrees hundredths of a second no longer fit the integers used for them.
constexpr double kLargestSexagesimal = 1e12;

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

bool isLetter(char ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
}

std::string_view trimmed(std::string_view s) {
    const std::size_t first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(kBlanks) + 1 - first);
}

// Whether readNumber reads all of `text` but blanks, and reads a number.
bool readsWhole(std::string_view text) {
    const NumberReading r = readNumber(text);
    return r.read > 0 && trimmed(text.substr(r.read)).empty();
}

bool startsWithAny(std::string_view s, std::span<const std::string_view> marks) {
    return std::any_of(marks.begin(), marks.end(),
                       [&](std::string_view mark) { return s.starts_with(mark); });
}

// Whether `s` is digits with at most one decimal separator, and nothing else.
bool isPlainNumber(std::string_view s) {
    const auto digits = std::count_if(s.begin(), s.end(), isDigit);
    const auto separators =
        std::count_if(s.begin(), s.end(), [](char c) { return c == ',' || c == '.'; });
    return digits > 0 && separators <= 1 &&
           static_cast<std::size_t>(digits + separators) == s.size();
}

double valueOf(std::string_view number) {
    return readNumber(number).value.value_or(Real(0)).value();
}

// Minutes and seconds of 60 or more after a degrees mark ("60°60'", "1°0'60\""): the text would
// read whole with a 0 in their place.
bool sixtyOrMore(std::string_view t, const NumberReading& r, std::string_view left) {
    if (!hasMarks(t.substr(0, r.read)) || left.empty() || !isDigit(left[0]))
        return false;
    const NumberReading part = readNumber(left);
    return part.value && part.value->value() >= kSexagesimalBase &&
           readsWhole("0\u00B00" + std::string(left.substr(part.read)));
}

// The text with a letter O read as a zero and l or I as a one.
Intent lettersForDigits(std::string_view t) {
    if (std::none_of(t.begin(), t.end(), isDigit))
        return {};
    std::string text(t);
    bool zero = false, one = false;
    for (char& ch : text) {
        if (ch == 'O' || ch == 'o') {
            ch = '0';
            zero = true;
        } else if (ch == 'l' || ch == 'I') {
            ch = '1';
            one = true;
        }
    }
    if (!(zero || one) || !readsWhole(text))
        return {};
    const Slip slip = zero && one ? Slip::LettersForDigits
                      : zero      ? Slip::LetterForZero
                                  : Slip::LetterForOne;
    return {slip, {text}};
}

// The text with a letter d or g after a number read as the degrees mark, m as the minutes mark and
// s as the seconds mark ("49d30m15s").
Intent lettersForMarks(std::string_view t) {
    std::string text;
    bool afterNumber = false, changed = false;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char ch = t[i];
        const bool alone = i + 1 == t.size() || !isLetter(t[i + 1]);
        std::string_view mark;
        if (afterNumber && alone) {
            if (ch == 'd' || ch == 'D' || ch == 'g' || ch == 'G')
                mark = "\u00B0";
            else if (ch == 'm' || ch == 'M')
                mark = "'";
            else if (ch == 's' || ch == 'S')
                mark = "\"";
        }
        if (!mark.empty()) {
            text += mark;
            changed = true;
        } else {
            text += ch;
        }
        if (kBlanks.find(ch) == std::string_view::npos)
            afterNumber = isDigit(ch) || ch == ',' || ch == '.';
    }
    if (!changed || !readsWhole(text))
        return {};
    return {Slip::LettersForMarks, {text}};
}

// A number, then a sign and another number: their sum or difference, written as the text writes
// its numbers.
Intent operation(std::string_view t, const NumberReading& r, std::string_view left,
                 std::string_view sep) {
    if (!r.value ||
        !(left.starts_with('+') || left.starts_with('-') || left.starts_with(kTypographicMinus)))
        return {};
    const NumberReading second = readNumber(left);
    if (!second.value || !trimmed(left.substr(second.read)).empty())
        return {};
    const double result = r.value->value() + second.value->value();
    if (!std::isfinite(result))
        return {};
    return {Slip::Operation,
            {hasMarks(t) ? typedSexagesimal(result, sep) : typedDecimal(result, sep)}};
}

// Two or three numbers apart ("17 5", "51 37,8", "40 25 30"): joined, with a decimal separator
// between them, or as degrees, minutes and seconds, as far as each reads.
Intent splitDigits(std::string_view t, std::string_view sep) {
    std::string sign;
    std::string_view rest = t;
    if (rest.starts_with('+') || rest.starts_with('-')) {
        sign.assign(1, rest.front());
        rest.remove_prefix(1);
    } else if (rest.starts_with(kTypographicMinus)) {
        sign = "-";
        rest.remove_prefix(kTypographicMinus.size());
    }
    std::vector<std::string_view> groups;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find_first_of(kBlanks), rest.size());
        groups.push_back(rest.substr(0, end));
        rest = trimmed(rest.substr(end));
    }
    if (groups.size() < 2 || groups.size() > 3)
        return {};
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const bool last = i + 1 == groups.size();
        if (!isPlainNumber(groups[i]) ||
            (!last && !std::all_of(groups[i].begin(), groups[i].end(), isDigit)))
            return {};
    }
    const auto below60 = [](std::string_view part) {
        return valueOf(part) < kSexagesimalBase;
    };
    const std::string first = sign + std::string(groups[0]);
    std::vector<std::string> candidates;
    if (groups.size() == 2) {
        if (std::all_of(groups[1].begin(), groups[1].end(), isDigit)) {
            std::string joined = std::string(groups[0]) + std::string(groups[1]);
            joined.erase(0, std::min(joined.find_first_not_of('0'), joined.size() - 1));
            candidates.push_back(sign + joined);
            candidates.push_back(first + std::string(sep) + std::string(groups[1]));
        }
        if (below60(groups[1]))
            candidates.push_back(first + "\u00B0" + std::string(groups[1]) + "'");
    } else if (below60(groups[1]) && below60(groups[2])) {
        candidates.push_back(first + "\u00B0" + std::string(groups[1]) + "'" +
                             std::string(groups[2]) + "\"");
    }
    Intent intent{Slip::SplitDigits, {}};
    for (std::string& c : candidates)
        if (readsWhole(c))
            intent.suggestions.push_back(std::move(c));
    return intent.suggestions.empty() ? Intent{} : intent;
}

// Minutes after the degrees, or seconds after the minutes, without their mark ("49°32").
Intent missingMark(std::string_view t, const NumberReading& r, std::string_view left) {
    if (!hasMarks(t.substr(0, r.read)) || !isPlainNumber(left))
        return {};
    for (const auto& [mark, slip] :
         {std::pair{"'", Slip::MinutesMark}, std::pair{"\"", Slip::SecondsMark}}) {
        std::string text = std::string(t) + mark;
        if (readsWhole(text))
            return {slip, {std::move(text)}};
    }
    return {};
}

// Minutes without the degrees before them ("30'").
Intent minutesAlone(std::string_view t, const NumberReading& r, std::string_view left) {
    if (!isDigit(t[0]) || hasMarks(t.substr(0, r.read)) || !startsWithAny(left, kMinuteMarks))
        return {};
    std::string text = "0\u00B0" + std::string(t);
    if (!readsWhole(text))
        return {};
    return {Slip::MinutesWithoutDegrees, {std::move(text)}};
}

} // namespace

bool hasMarks(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (startsWithAny(text.substr(i), kMarks))
            return true;
    return false;
}

Intent likelyIntent(std::string_view text, std::string_view decimalSeparator) {
    const std::string_view t = trimmed(text);
    if (t.empty() || t.size() > kLongestSlip)
        return {};
    const NumberReading r = readNumber(t);
    const std::string_view left = trimmed(t.substr(r.read));
    if (left.empty())
        return {};
    if (sixtyOrMore(t, r, left))
        return {Slip::SixtyOrMore, {}};
    for (const Intent& intent :
         {lettersForDigits(t), lettersForMarks(t), operation(t, r, left, decimalSeparator),
          splitDigits(t, decimalSeparator), missingMark(t, r, left), minutesAlone(t, r, left)})
        if (intent.slip != Slip::None)
            return intent;
    return {};
}

std::string typedSexagesimal(double degrees, std::string_view decimalSeparator) {
    if (!(std::fabs(degrees) < kLargestSexagesimal))
        return typedDecimal(degrees, decimalSeparator);
    const auto hundredths =
        static_cast<std::int64_t>(std::llround(std::fabs(degrees) * kPerDegree));
    const std::int64_t whole = hundredths / kPerDegree;
    const std::int64_t minutes = hundredths % kPerDegree / kPerMinute;
    const std::int64_t seconds = hundredths % kPerMinute;
    std::string text = degrees < 0 && hundredths != 0 ? "-" : "";
    text += std::to_string(whole) + "\u00B0";
    if (minutes != 0 || seconds != 0)
        text += std::to_string(minutes) + "'";
    if (seconds != 0) {
        appendHundredths(text, static_cast<std::uint64_t>(seconds), decimalSeparator);
        text += "\"";
    }
    return text;
}

std::string typedDecimal(double degrees, std::string_view decimalSeparator) {
    return trimmedDecimalText(degrees, 10, decimalSeparator); // the copied table's decimals
}

} // namespace esferica
