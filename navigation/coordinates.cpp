// SPDX-License-Identifier: GPL-3.0-or-later
#include "navigation/coordinates.h"

#include "command/numbers.h"

#include <array>

namespace esferica {

namespace {

// The largest magnitude of each kind of angle, in degrees.
constexpr double kMaxLatitude = 90;
constexpr double kMaxLongitude = 180;
constexpr double kFullTurn = 360;

constexpr std::string_view kTypographicMinus = "\u2212"; // −, as readNumber takes it

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r';
}
bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}
bool isLetter(char ch) {
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}
char upper(char ch) {
    return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

std::size_t skipBlanks(std::string_view s, std::size_t at) {
    while (at < s.size() && isBlank(s[at]))
        ++at;
    return at;
}

std::string trimmed(std::string_view s) {
    std::size_t from = 0, to = s.size();
    while (from < to && isBlank(s[from]))
        ++from;
    while (to > from && isBlank(s[to - 1]))
        --to;
    return std::string(s.substr(from, to - from));
}

// Whether a number may begin at `at`: a digit, a sign or a decimal separator.
bool numberMayBeginAt(std::string_view s, std::size_t at) {
    const char ch = s[at];
    return isDigit(ch) || ch == '+' || ch == '-' || ch == '.' || ch == ',' ||
           s.substr(at).starts_with(kTypographicMinus);
}

// Where the number that begins at `from` can end at the latest: at the first blanks that stand
// between the end of one number (or its hemisphere letter) and the start of the next. readNumber
// ignores blanks, and would read "36.5 40" as 36.540 and "6E 41N" as 6E41.
std::size_t numberEnd(std::string_view s, std::size_t from) {
    for (std::size_t k = from + 1; k < s.size(); ++k) {
        if (!isBlank(s[k]))
            continue;
        const char before = s[k - 1];
        const std::size_t after = skipBlanks(s, k);
        const bool ends = isDigit(before) || isLetter(before) || before == '.' || before == ',';
        if (ends && after < s.size() && numberMayBeginAt(s, after))
            return k;
        k = after;
    }
    return s.size();
}

bool hasSign(std::string_view number) {
    const std::size_t at = skipBlanks(number, 0);
    return at < number.size() && (number[at] == '+' || number[at] == '-' ||
                                  number.substr(at).starts_with(kTypographicMinus));
}

// The letters a kind of angle takes, and whether each makes the angle negative.
bool letterFits(CoordinateKind kind, char letter) {
    switch (kind) {
    case CoordinateKind::Latitude:
        return letter == 'N' || letter == 'S';
    case CoordinateKind::Longitude:
        return letter == 'E' || letter == 'W' || letter == 'O';
    case CoordinateKind::HourAngle:
    case CoordinateKind::Altitude:
        break;
    }
    return false;
}
bool isHemisphereLetter(char letter) {
    constexpr std::string_view kLetters = "NSEWO";
    return kLetters.find(letter) != std::string_view::npos;
}
bool negativeLetter(char letter) {
    return letter == 'S' || letter == 'W' || letter == 'O';
}

bool inRange(CoordinateKind kind, double degrees) {
    switch (kind) {
    case CoordinateKind::Latitude:
    case CoordinateKind::Altitude:
        return degrees >= -kMaxLatitude && degrees <= kMaxLatitude;
    case CoordinateKind::Longitude:
        return degrees >= -kMaxLongitude && degrees <= kMaxLongitude;
    case CoordinateKind::HourAngle:
        return degrees >= 0 && degrees <= kFullTurn;
    }
    return false;
}

} // namespace

CoordinatesReading readCoordinates(std::string_view text, std::span<const CoordinateKind> kinds) {
    CoordinatesReading reading;
    std::size_t at = skipBlanks(text, 0);
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        const CoordinateKind kind = kinds[i];
        const std::size_t start = at;
        const auto refuse = [&](CoordinateProblem problem, std::size_t readTo, std::size_t leftFrom,
                                std::string letter = {}, double value = 0) {
            reading.degrees.clear();
            reading.error = CoordinateError{problem,
                                            i,
                                            trimmed(text.substr(start, readTo - start)),
                                            trimmed(text.substr(leftFrom)),
                                            std::move(letter),
                                            value};
            return reading;
        };
        if (at == text.size())
            return refuse(CoordinateProblem::Missing, at, at);

        const NumberReading number = readNumber(text.substr(at, numberEnd(text, at) - at));
        if (number.read == 0)
            return refuse(CoordinateProblem::NoNumber, at, at);
        std::size_t end = at + number.read;
        // A comma read as a decimal separator with nothing after it ("36,-6.5", "40, 73") stands
        // between two angles: the number is the same without it.
        if (number.read > 1 && text[end - 1] == ',')
            --end;
        if (!number.value)
            return refuse(CoordinateProblem::TooLarge, end, end);
        double degrees = number.value->value();

        // The hemisphere letter: one letter, not the start of a word.
        std::size_t next = skipBlanks(text, end);
        bool lettered = false;
        if (next < text.size() && isLetter(text[next]) &&
            (next + 1 == text.size() || !isLetter(text[next + 1])) &&
            isHemisphereLetter(upper(text[next]))) {
            const char letter = upper(text[next]);
            const std::string typed(1, text[next]);
            if (!letterFits(kind, letter))
                return refuse(CoordinateProblem::WrongHemisphere, end, next, typed);
            end = next + 1;
            if (hasSign(text.substr(start, end - start)))
                return refuse(CoordinateProblem::SignAndHemisphere, end, end, typed);
            if (negativeLetter(letter))
                degrees = -degrees;
            lettered = true;
        }
        if (degrees == 0)
            degrees = 0; // +0 whatever the sign or the letter

        // What follows the angle: blanks, a separator, or after a letter the next angle at once.
        // Anything else stuck to the number is no part of it.
        next = skipBlanks(text, end);
        const bool separator = next < text.size() && (text[next] == ',' || text[next] == ';');
        if (next < text.size() && next == end && !separator && !lettered)
            return refuse(CoordinateProblem::NotReadWhole, end, end);
        if (!inRange(kind, degrees))
            return refuse(CoordinateProblem::OutOfRange, end, end, {}, degrees);
        const bool last = i + 1 == kinds.size();
        if (last && next < text.size())
            return refuse(CoordinateProblem::ExtraText, end, next);
        reading.degrees.push_back(degrees);
        at = separator ? skipBlanks(text, next + 1) : next;
    }
    return reading;
}

PositionReading readPosition(std::string_view text) {
    constexpr std::array kinds{CoordinateKind::Latitude, CoordinateKind::Longitude};
    const CoordinatesReading r = readCoordinates(text, kinds);
    if (r.error)
        return {{}, r.error};
    return {{r.degrees[0], r.degrees[1]}, std::nullopt};
}

PositionReading readPosition(std::string_view latitude, std::string_view longitude) {
    constexpr std::array latitudeKind{CoordinateKind::Latitude};
    constexpr std::array longitudeKind{CoordinateKind::Longitude};
    const CoordinatesReading lat = readCoordinates(latitude, latitudeKind);
    if (lat.error)
        return {{}, lat.error};
    CoordinatesReading lon = readCoordinates(longitude, longitudeKind);
    if (lon.error) {
        lon.error->angle = 1;
        return {{}, lon.error};
    }
    return {{lat.degrees[0], lon.degrees[0]}, std::nullopt};
}

} // namespace esferica
