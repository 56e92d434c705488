// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/navigation.h"

#include "cli/resolver.h"
#include "command/numbers.h"
#include "navigation/coordinates.h"
#include "navigation/sailing.h"
#include "navigation/sight.h"
#include "present/catalogue.h"
#include "present/format.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <istream>
#include <numbers>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace esferica {

namespace {

constexpr std::string_view kSailingVerb = "--ortodromica";
constexpr std::string_view kSightVerb = "--altura";
constexpr std::string_view kRadiusOption = "--radio";
constexpr std::string_view kFromInput = "-";

// Every number the command line prints, in one place: decimal degrees, miles and kilometres alike
// to ten decimals, with a period.
std::string valueText(double value) {
    return preciseDegreesText(value, ".");
}

// The words of the answers.
struct Words {
    const Catalogue& catalogue;

    std::string quoted(std::string_view text) const { return catalogue.quoted(printable(text)); }
    std::string fill(Text id, Places places) const { return catalogue.fill(id, places); }
    std::string text(Text id) const { return std::string(catalogue.text(id)); }
};

// Why an angle was not read, naming it by `field` ("la latitud de salida"), a value read quoted
// with `decimalSeparator`.
std::string coordinateReason(const CoordinateError& e, Text field, CoordinateKind kind,
                             const Words& w, std::string_view decimalSeparator = ".") {
    const Places places{{"field", w.text(field)},
                        {"read", w.quoted(e.read)},
                        {"left", w.quoted(e.left)},
                        {"letter", w.quoted(e.letter)},
                        {"value", quotedDegrees(e.value, decimalSeparator)}};
    switch (e.problem) {
    case CoordinateProblem::Missing:
        return w.fill(Text::NavMissing, places);
    case CoordinateProblem::NoNumber:
        return w.fill(Text::NavNoNumber, places);
    case CoordinateProblem::TooLarge:
        return w.fill(Text::NavTooLarge, places);
    case CoordinateProblem::NotReadWhole:
        return w.fill(Text::NavNotReadWhole, places);
    case CoordinateProblem::WrongHemisphere:
        if (kind == CoordinateKind::Latitude)
            return w.fill(Text::NavLatitudeLetter, places);
        if (kind == CoordinateKind::Longitude)
            return w.fill(Text::NavLongitudeLetter, places);
        return w.fill(Text::NavExtraLetter, places);
    case CoordinateProblem::SignAndHemisphere:
        return w.fill(Text::NavSignAndLetter, places);
    case CoordinateProblem::OutOfRange:
        switch (kind) {
        case CoordinateKind::Latitude:
            return w.fill(Text::NavLatitudeRange, places);
        case CoordinateKind::Longitude:
            return w.fill(Text::NavLongitudeRange, places);
        case CoordinateKind::HourAngle:
            return w.fill(Text::NavHourAngleRange, places);
        case CoordinateKind::Altitude:
            return w.fill(Text::NavAltitudeRange, places);
        }
        break;
    case CoordinateProblem::ExtraText:
        return w.fill(Text::NavExtraText, places);
    }
    return {};
}

// A problem's answer: its lines, or why it could not be read.
struct Answer {
    ExitStatus status = kSolved;
    std::string text;
};

Answer malformed(std::string reason) {
    return {kBadRequest, std::move(reason)};
}

std::string line(std::string_view name, std::string_view value) {
    return std::string(name) + "\t" + std::string(value) + "\n";
}
std::string line(std::string_view name, std::optional<double> value, std::string_view none) {
    return line(name, value ? valueText(*value) : std::string(none));
}
std::string line(const Words& w, Text name, std::string_view value) {
    return line(w.text(name), value);
}
std::string line(const Words& w, Text name, std::optional<double> value, Text none) {
    return line(w.text(name), value, w.text(none));
}

std::string joined(std::span<const std::string_view> words) {
    std::string text;
    for (const std::string_view word : words) {
        if (!text.empty())
            text += ' ';
        text += word;
    }
    return text;
}

// Great-circle sailing.

constexpr std::array kSailingKinds{CoordinateKind::Latitude, CoordinateKind::Longitude,
                                   CoordinateKind::Latitude, CoordinateKind::Longitude};
constexpr std::array<Text, 4> kSailingFields{Text::NavDepartureLatitude,
                                             Text::NavDepartureLongitude, Text::NavArrivalLatitude,
                                             Text::NavArrivalLongitude};

// The words of a sailing problem: the positions, and the radius that --radio gives.
struct SailingWords {
    std::vector<std::string_view> positions;
    double radiusKm = kMeanEarthRadiusKm;
    std::string malformed; // why the words are no problem, or empty
};

SailingWords sailingWords(std::span<const std::string_view> words, double radiusKm,
                          const Words& w) {
    SailingWords request;
    request.radiusKm = radiusKm;
    bool radiusGiven = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] != kRadiusOption) {
            request.positions.push_back(words[i]);
            continue;
        }
        if (std::exchange(radiusGiven, true)) {
            request.malformed = w.text(Text::NavRadiusTwice);
            return request;
        }
        if (++i == words.size()) {
            request.malformed = w.text(Text::NavRadiusMissing);
            return request;
        }
        const std::optional<double> radius = readRadius(words[i]);
        if (!radius) {
            request.malformed = w.fill(Text::NavRadiusBad, {{"radius", w.quoted(words[i])}});
            return request;
        }
        request.radiusKm = *radius;
    }
    return request;
}

Answer sailingAnswer(const SailingWords& request, const Words& w) {
    if (!request.malformed.empty())
        return malformed(request.malformed);
    // Two words are a position each; otherwise the words together hold both.
    std::array<double, 4> angles{};
    const auto refused = [&w](const CoordinateError& e) {
        return malformed(coordinateReason(e, kSailingFields[e.angle], kSailingKinds[e.angle], w));
    };
    if (request.positions.size() == 2) {
        for (std::size_t p = 0; p < 2; ++p) {
            const CoordinatesReading r =
                readCoordinates(request.positions[p], std::span(kSailingKinds).subspan(2 * p, 2));
            if (r.error) {
                CoordinateError e = *r.error;
                e.angle += 2 * p;
                return refused(e);
            }
            std::copy(r.degrees.begin(), r.degrees.end(), angles.begin() + 2 * p);
        }
    } else {
        const CoordinatesReading r = readCoordinates(joined(request.positions), kSailingKinds);
        if (r.error)
            return refused(*r.error);
        std::copy(r.degrees.begin(), r.degrees.end(), angles.begin());
    }
    return {kSolved,
            sailingLines(sail({angles[0], angles[1]}, {angles[2], angles[3]}, request.radiusKm),
                         w.catalogue)};
}

// The position triangle of a sight.

using Datum = SightDatum;
constexpr std::size_t kData = kSightData;

struct DatumName {
    std::string_view name; // as written before its =
    Datum datum;
};
constexpr std::array<DatumName, 7> kDatumNames{{{"latitud", Datum::Latitude},
                                                {"declinacion", Datum::Declination},
                                                {"declinación", Datum::Declination},
                                                {"horario", Datum::HourAngle},
                                                {"horario_greenwich", Datum::GreenwichHourAngle},
                                                {"longitud", Datum::Longitude},
                                                {"observada", Datum::Observed}}};
constexpr std::array<Text, kData> kDatumFields{Text::NavLatitude,  Text::NavDeclination,
                                               Text::NavHourAngle, Text::NavGreenwichHourAngle,
                                               Text::NavLongitude, Text::NavObserved};
constexpr std::array<CoordinateKind, kData> kDatumKinds{
    CoordinateKind::Latitude,  CoordinateKind::Latitude,  CoordinateKind::HourAngle,
    CoordinateKind::HourAngle, CoordinateKind::Longitude, CoordinateKind::Altitude};

std::size_t slot(Datum d) {
    return static_cast<std::size_t>(d);
}

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r';
}

// The datum whose NAME= begins at `at`, with the length of NAME=.
std::optional<std::pair<Datum, std::size_t>> datumAt(std::string_view text, std::size_t at) {
    if (at > 0 && !isBlank(text[at - 1]))
        return std::nullopt;
    for (const DatumName& d : kDatumNames)
        if (text.substr(at).starts_with(d.name) && text.substr(at + d.name.size()).starts_with("="))
            return std::pair{d.datum, d.name.size() + 1};
    return std::nullopt;
}

// NAME=VALUE pairs in `text`: each value runs up to the next NAME=, so that it may hold blanks
// ("latitud=43° 00,0' N").
Answer sightAnswer(std::string_view text, const Words& w) {
    SightTexts values;
    std::size_t valueStart = 0;
    std::optional<Datum> current;
    const auto close = [&](std::size_t end) {
        if (current)
            values[slot(*current)] = text.substr(valueStart, end - valueStart);
    };
    for (std::size_t at = 0; at <= text.size(); ++at) {
        const auto found = at < text.size() ? datumAt(text, at) : std::nullopt;
        if (!found && at < text.size())
            continue;
        if (!current) {
            // What stands before the first NAME=.
            std::string_view before = text.substr(0, at);
            while (!before.empty() && isBlank(before.back()))
                before.remove_suffix(1);
            while (!before.empty() && isBlank(before.front()))
                before.remove_prefix(1);
            if (const std::size_t equals = before.find('='); equals != std::string_view::npos)
                return malformed(
                    w.fill(Text::NavNotDatum, {{"name", w.quoted(before.substr(0, equals))}}));
            if (!before.empty())
                return malformed(w.fill(Text::NavNotNameValue, {{"text", w.quoted(before)}}));
        }
        close(at);
        if (!found)
            break;
        if (values[slot(found->first)])
            return malformed(w.fill(Text::NavDatumTwice,
                                    {{"name", w.quoted(text.substr(at, found->second - 1))}}));
        current = found->first;
        valueStart = at + found->second;
        at += found->second - 1;
    }

    const SightReading reading = readSight(values, ".", w.catalogue);
    if (!reading.sight)
        return malformed(reading.reason);
    return {kSolved, sightLines(*reading.sight, w.catalogue)};
}

// One problem a line of `in`, answered as --resolver - answers: blocks one blank line apart, an
// empty line or a comment copied as its block, the block "# Datos mal escritos: ..." for a line
// that cannot be read, and the highest status.
template <class AnswerOf>
int eachLine(std::istream& in, std::ostream& out, const Words& w, AnswerOf answerOf) {
    int status = kSolved;
    std::string text;
    for (bool first = true; std::getline(in, text); first = false) {
        if (!first)
            out << '\n';
        if (const std::optional<std::string_view> copied = copiedLine(text)) {
            out << *copied << '\n';
            continue;
        }
        const Answer a = answerOf(std::string_view(text));
        status = std::max<int>(status, a.status);
        if (a.status == kSolved)
            out << a.text;
        else
            out << "# " << w.fill(Text::CliMalformed, {{"why", a.text}}) << '\n';
    }
    return status;
}

int answerWords(const Answer& a, Text usage, std::ostream& out, std::ostream& err, const Words& w) {
    if (a.status == kSolved)
        out << a.text;
    else
        err << w.fill(Text::CliMalformed, {{"why", a.text}}) << '\n' << w.text(usage);
    return a.status;
}

} // namespace

std::optional<double> readRadius(std::string_view typed) {
    const NumberReading r = readNumber(typed);
    if (r.read != typed.size() || !r.value || !(r.value->value() > 0) ||
        !std::isfinite(r.value->value() * std::numbers::pi))
        return std::nullopt;
    return r.value->value();
}

RouteReading readRoute(std::string_view departure, std::string_view arrival, double radiusKm,
                       std::string_view decimalSeparator, const Catalogue& words) {
    const Words w{words};
    const std::array positions{departure, arrival};
    std::array<double, 4> angles{};
    for (std::size_t p = 0; p < 2; ++p) {
        const CoordinatesReading r =
            readCoordinates(positions[p], std::span(kSailingKinds).subspan(2 * p, 2));
        if (r.error) {
            const std::size_t angle = r.error->angle + 2 * p;
            return {std::nullopt,
                    coordinateReason(*r.error, kSailingFields[angle], kSailingKinds[angle], w,
                                     decimalSeparator),
                    p};
        }
        std::copy(r.degrees.begin(), r.degrees.end(), angles.begin() + 2 * p);
    }
    return {sail({angles[0], angles[1]}, {angles[2], angles[3]}, radiusKm), {}, 0};
}

std::string sailingLines(const Sailing& s, const Catalogue& words) {
    const Words w{words};
    const bool vertex =
        s.vertex.kind == VertexCase::OnRoute || s.vertex.kind == VertexCase::BeyondRoute;
    const auto vertexAt = [&](double angle) {
        return vertex ? std::optional(angle) : std::nullopt;
    };
    return line(w, Text::NavDistanceMiles, valueText(s.miles())) +
           line(w, Text::NavDistanceKm, valueText(s.kilometres())) +
           line(w, Text::NavInitialCourse, s.greatCircle.initialCourse, Text::NavUndetermined) +
           line(w, Text::NavFinalCourse, s.greatCircle.finalCourse, Text::NavUndetermined) +
           line(w, Text::NavVertexLatitude, vertexAt(s.vertex.latitude), Text::NavUndefined) +
           line(w, Text::NavVertexLongitude, vertexAt(s.vertex.longitude), Text::NavUndefined) +
           line(w, Text::NavRhumbCourse, s.rhumb.course, Text::NavUndetermined) +
           line(w, Text::NavRhumbMiles, valueText(s.rhumbMiles()));
}

SightReading readSight(const SightTexts& texts, std::string_view decimalSeparator,
                       const Catalogue& words) {
    const Words w{words};
    const auto refused = [](std::string reason, Datum d) {
        return SightReading{std::nullopt, std::move(reason), d};
    };
    std::array<std::optional<double>, kData> degrees;
    for (std::size_t d = 0; d < kData; ++d) {
        if (!texts[d])
            continue;
        const std::array kind{kDatumKinds[d]};
        const CoordinatesReading r = readCoordinates(*texts[d], kind);
        if (r.error)
            return refused(
                coordinateReason(*r.error, kDatumFields[d], kDatumKinds[d], w, decimalSeparator),
                static_cast<Datum>(d));
        degrees[d] = r.degrees[0];
    }
    const auto missing = [&](Datum d) {
        return refused(w.fill(Text::NavMissing, {{"field", w.text(kDatumFields[slot(d)])}}), d);
    };
    const auto given = [&](Datum d) {
        return degrees[slot(d)].has_value();
    };
    for (const Datum d : {Datum::Latitude, Datum::Declination})
        if (!given(d))
            return missing(d);
    if (given(Datum::HourAngle) && given(Datum::GreenwichHourAngle))
        return refused(w.text(Text::NavBothHourAngles), Datum::GreenwichHourAngle);
    if (given(Datum::GreenwichHourAngle) && !given(Datum::Longitude))
        return refused(w.text(Text::NavLongitudeMissing), Datum::Longitude);
    if (given(Datum::Longitude) && !given(Datum::GreenwichHourAngle))
        return refused(w.text(Text::NavLongitudeExtra), Datum::Longitude);
    if (!given(Datum::HourAngle) && !given(Datum::GreenwichHourAngle))
        return missing(Datum::HourAngle);

    const double hourAngle = given(Datum::HourAngle)
                                 ? *degrees[slot(Datum::HourAngle)]
                                 : localHourAngle(*degrees[slot(Datum::GreenwichHourAngle)],
                                                  *degrees[slot(Datum::Longitude)]);
    return {reduceSight(*degrees[slot(Datum::Latitude)], *degrees[slot(Datum::Declination)],
                        hourAngle, degrees[slot(Datum::Observed)]),
            {},
            Datum::Latitude};
}

std::string sightLines(const Sight& s, const Catalogue& words) {
    const Words w{words};
    std::string text = line(w, Text::NavAltitude, valueText(s.altitude())) +
                       line(w, Text::NavAzimuth, s.azimuth(), Text::NavUndetermined);
    if (const std::optional<double> miles = s.interceptMiles()) {
        constexpr std::array<Text, 3> kSenses{Text::NavToward, Text::NavAway, Text::NavNoSense};
        text += line(w, Text::NavIntercept, valueText(*miles)) +
                line(w, Text::NavSense, w.text(kSenses[static_cast<std::size_t>(s.sense())]));
    }
    return text;
}

std::optional<int> runNavigation(std::span<const std::string_view> args, std::istream& in,
                                 std::ostream& out, std::ostream& err, const Catalogue& words) {
    if (args.empty())
        return std::nullopt;
    const Words w{words};
    if (args[0] == kSailingVerb) {
        const SailingWords request = sailingWords(args.subspan(1), kMeanEarthRadiusKm, w);
        if (request.malformed.empty() && request.positions.size() == 1 &&
            request.positions[0] == kFromInput)
            return eachLine(in, out, w, [&](std::string_view text) {
                const std::vector<std::string_view> lineWords = wordsOf(text);
                return sailingAnswer(sailingWords(lineWords, request.radiusKm, w), w);
            });
        return answerWords(sailingAnswer(request, w), Text::NavSailingUsage, out, err, w);
    }
    if (args[0] == kSightVerb) {
        const std::span<const std::string_view> given = args.subspan(1);
        if (given.size() == 1 && given[0] == kFromInput)
            return eachLine(in, out, w,
                            [&w](std::string_view text) { return sightAnswer(text, w); });
        return answerWords(sightAnswer(joined(given), w), Text::NavSightUsage, out, err, w);
    }
    return std::nullopt;
}

} // namespace esferica
