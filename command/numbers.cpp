// SPDX-License-Identifier: GPL-3.0-or-later
#include "command/numbers.h"

#include "numeric/angles.h"
#include "numeric/portable.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>

namespace esferica {

namespace {

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

char upper(char ch) {
    return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

int digitValue(char ch, int base) {
    int d = base; // not a digit
    if (isDigit(ch))
        d = ch - '0';
    else if (upper(ch) >= 'A' && upper(ch) <= 'F')
        d = upper(ch) - 'A' + 10;
    return d < base ? d : -1;
}

// "&H..." and "&O...": an unsigned integer in base 16 or 8, exact up to 2^53. Returns how many
// digits it read.
std::size_t radixValue(std::string_view digits, int base, Real& v) {
    v = 0;
    std::size_t n = 0;
    for (; n < digits.size(); ++n) {
        const int d = digitValue(digits[n], base);
        if (d < 0)
            break;
        v = v * base + d;
    }
    return n;
}

// The marks of degrees, minutes and seconds, each in the forms that keyboards type and that text
// pasted from a document or a PDF carries. Degrees: °, the ordinal º and the ring above ˚.
constexpr std::string_view kDegreeMarks[] = {"\u00B0", "\u00BA", "\u02DA"};
// Minutes: ', the typographic apostrophe ’ and the prime ′.
constexpr std::string_view kMinuteMarks[] = {"'", "\u2019", "\u2032"};
// Seconds: ", ” and ″, and two minutes marks in a row as a typewriter writes them (''), tried
// before the minutes mark, so that "30''" is thirty seconds.
constexpr std::string_view kSecondMarks[] = {"\"", "\u201D",       "\u2033",
                                             "''", "\u2019\u2019", "\u2032\u2032"};
constexpr std::string_view kTypographicMinus = "\u2212"; // −
// Minutes and seconds lie below this; a part that does not is not read.
constexpr double kSexagesimalBase = 60;

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n';
}

// The first position from `at` on that is not a blank.
std::size_t skipBlanks(std::string_view s, std::size_t at) {
    while (at < s.size() && isBlank(s[at]))
        ++at;
    return at;
}

// The length of the mark of `marks` that `s` begins with at `at`, or 0.
template <std::size_t N>
std::size_t markAt(std::string_view s, std::size_t at, const std::string_view (&marks)[N]) {
    for (const std::string_view mark : marks)
        if (s.substr(at).starts_with(mark))
            return mark.size();
    return 0;
}

// The digits of an unsigned decimal number at `at`, with at most one separator, a period or a
// comma, gathered into `number` as std::from_chars reads them (the separator as a period).
struct Mantissa {
    std::size_t length = 0;
    bool digit = false, nonZero = false;
    std::int64_t magnitude = 0; // decimal exponent of the leading non-zero digit, plus one
};
Mantissa mantissaAt(std::string_view s, std::size_t at, std::string& number) {
    Mantissa m;
    bool point = false;
    std::size_t i = at;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            m.digit = true;
            if (s[i] != '0')
                m.nonZero = true;
            if (!point && m.nonZero)
                ++m.magnitude;
            else if (point && !m.nonZero)
                --m.magnitude;
            number += s[i];
        } else if ((s[i] == '.' || s[i] == ',') && !point) {
            point = true;
            number += '.';
        } else {
            break;
        }
    }
    m.length = i - at;
    return m;
}

// An unsigned decimal number at `at`. Returns its length (0 when it holds no digit) and its value.
std::size_t decimalAt(std::string_view s, std::size_t at, double& value) {
    std::string number;
    const Mantissa m = mantissaAt(s, at, number);
    if (!m.digit)
        return 0;
    value = 0;
    fromChars(number.data(), number.data() + number.size(), value);
    return m.length;
}

// A part of minutes or of seconds at `at`: a decimal number below 60, maybe blanks, and the mark
// of its kind (for minutes, one that does not begin a seconds mark). Returns where it ends, `at`
// when there is none.
enum class Part { Minutes, Seconds };
std::size_t partAt(std::string_view s, std::size_t at, Part kind, double& value) {
    double part = 0;
    const std::size_t digits = decimalAt(s, at, part);
    if (digits == 0)
        return at;
    const std::size_t markFrom = skipBlanks(s, at + digits);
    const std::size_t seconds = markAt(s, markFrom, kSecondMarks);
    const std::size_t mark = kind == Part::Seconds ? seconds
                             : seconds > 0         ? 0
                                                   : markAt(s, markFrom, kMinuteMarks);
    if (mark == 0 || !(part < kSexagesimalBase))
        return at;
    value = part;
    return markFrom + mark;
}

// The suffix of a value in radians, read in place of the marks of degrees.
constexpr std::string_view kRadians = "rad";

// Whether the suffix kRadians stands at `at`, not as the start of a longer word.
bool radiansAt(std::string_view s, std::size_t at) {
    if (!s.substr(at).starts_with(kRadians))
        return false;
    const std::size_t end = at + kRadians.size();
    return end == s.size() || !std::isalpha(static_cast<unsigned char>(s[end]));
}

} // namespace

NumberReading readNumber(std::string_view text) {
    // Blanks may stand around the number, after its sign and around its marks, never inside a
    // number: "17 5" is not 175.
    NumberReading reading;
    std::size_t i = skipBlanks(text, 0);

    if (text.substr(i).starts_with("&") && i + 1 < text.size()) {
        const int base = upper(text[i + 1]) == 'H' ? 16 : upper(text[i + 1]) == 'O' ? 8 : 0;
        if (base == 0)
            return reading; // "&" and "&X...": no number
        i += 2;
        try {
            Real v;
            reading.read = i + radixValue(text.substr(i), base, v);
            reading.value = v;
        } catch (const ArithmeticFailure&) {
            // The digits run beyond the double range.
            while (i < text.size() && digitValue(text[i], base) >= 0)
                ++i;
            reading.read = i;
            reading.value.reset();
        }
        return reading;
    }

    // Gather the number into a canonical form that std::from_chars reads exactly:
    // digits[.digits][e[-]digits], with the exponent saturated so that it cannot overflow. The sign
    // is applied to the whole value, degrees, minutes and seconds, at the end.
    bool negative = false;
    if (text.substr(i).starts_with("+") || text.substr(i).starts_with("-")) {
        negative = text[i] == '-';
        i = skipBlanks(text, i + 1);
    } else if (text.substr(i).starts_with(kTypographicMinus)) {
        negative = true;
        i = skipBlanks(text, i + kTypographicMinus.size());
    }
    std::string number;
    const Mantissa mantissa = mantissaAt(text, i, number);
    if (!mantissa.digit)
        return reading; // no number: nothing is read
    i += mantissa.length;
    std::int64_t magnitude = mantissa.magnitude;

    if (i < text.size() && (upper(text[i]) == 'E' || upper(text[i]) == 'D')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            negativeExponent = text[j++] == '-';
        if (j < text.size() && isDigit(text[j])) {
            constexpr std::int64_t kSaturated = 100'000'000; // far beyond any double's exponent
            std::int64_t e = 0;
            for (; j < text.size() && isDigit(text[j]); ++j)
                e = std::min(e * 10 + (text[j] - '0'), kSaturated);
            if (negativeExponent)
                e = -e;
            magnitude += e;
            number += 'e';
            number += std::to_string(e);
            i = j;
        }
    }

    double degrees = 0;
    if (mantissa.nonZero) {
        const auto [end, ec] = fromChars(number.data(), number.data() + number.size(), degrees);
        (void)end;
        if (ec == std::errc::result_out_of_range && magnitude > 0) {
            reading.read = i; // beyond the double range: no value
            reading.value.reset();
            return reading;
        }
        if (ec == std::errc::result_out_of_range)
            degrees = 0; // too small for a double: it reads as 0, not given
    }

    // A value in radians: the number, then the suffix, and nothing of degrees after it.
    if (const std::size_t from = skipBlanks(text, i); radiansAt(text, from)) {
        reading.read = from + kRadians.size();
        // True radians, as typed from any other source: a half turn is pi, not the kPi of the
        // program's own angles.
        const double value = (degrees * 360) / (2 * std::numbers::pi);
        if (std::isfinite(value))
            reading.value = value == 0 ? 0.0 : negative ? -value : value;
        else
            reading.value.reset(); // beyond the double range once in degrees
        return reading;
    }

    // Degrees, minutes and seconds: a degrees mark, then minutes, then seconds, each optional.
    double minutes = 0, seconds = 0;
    // A part leaves the reading where it was when it is not there, blanks before it included.
    const auto part = [&](Part kind, double& value) {
        const std::size_t from = skipBlanks(text, i);
        if (const std::size_t end = partAt(text, from, kind, value); end != from)
            i = end;
    };
    if (const std::size_t from = skipBlanks(text, i), mark = markAt(text, from, kDegreeMarks);
        mark > 0) {
        i = from + mark;
        part(Part::Minutes, minutes);
        part(Part::Seconds, seconds);
    }
    reading.read = i;
    // The sum rounds once, to the double nearest the value the long double holds: minutes and
    // seconds add a few units in the last place of a long double at most.
    const long double sum =
        static_cast<long double>(degrees) + static_cast<long double>(minutes) / kSexagesimalBase +
        static_cast<long double>(seconds) / (kSexagesimalBase * kSexagesimalBase);
    const double value = static_cast<double>(sum);
    // +0 for a zero whatever its sign: it means "not given" either way.
    reading.value = value == 0 ? 0.0 : negative ? -value : value;
    return reading;
}

Real Val(std::string_view text) {
    const NumberReading reading = readNumber(text);
    if (!reading.value)
        fail(FailureKind::Overflow);
    return *reading.value;
}

} // namespace esferica
