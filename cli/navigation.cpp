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

constexpr std::string_view kSailingUsage =
    "Uso: esferica --ortodromica SALIDA LLEGADA [--radio KM] | esferica --ortodromica -\n";
constexpr std::string_view kSightUsage =
    "Uso: esferica --altura latitud=L declinacion=D horario=H [observada=A] | esferica --altura "
    "latitud=L declinacion=D horario_greenwich=G longitud=L [observada=A] | esferica --altura -\n";

constexpr std::string_view kMalformed = "Datos mal escritos: ";
constexpr std::string_view kUndetermined = "indeterminado";
constexpr std::string_view kUndefined = "no definido";

// Every number the command line prints, in one place: decimal degrees, miles and kilometres alike
// to ten decimals, with a period.
std::string valueText(double value) {
    return preciseDegreesText(value, ".");
}

std::string quoted(std::string_view text) {
    return "«" + printable(text) + "»";
}

// Why an angle was not read, naming it by `field` ("la latitud de salida").
std::string coordinateReason(const CoordinateError& e, std::string_view field,
                             CoordinateKind kind) {
    const Places places{{"campo", std::string(field)},
                        {"leído", quoted(e.read)},
                        {"resto", quoted(e.left)},
                        {"letra", quoted(e.letter)},
                        {"valor", quotedDegrees(e.value, ".")}};
    switch (e.problem) {
    case CoordinateProblem::Missing:
        return filled("Falta {campo}.", places);
    case CoordinateProblem::NoNumber:
        return filled("No se leyó {campo}: {resto} no empieza por un número.", places);
    case CoordinateProblem::TooLarge:
        return filled("En {campo}, {leído} es un número demasiado grande.", places);
    case CoordinateProblem::NotReadWhole:
        return filled("En {campo} se leyó {leído}; no se leyó {resto}.", places);
    case CoordinateProblem::WrongHemisphere:
        if (kind == CoordinateKind::Latitude)
            return filled("En {campo}, la letra {letra} no es N ni S: se escribe primero la "
                          "latitud y después la longitud.",
                          places);
        if (kind == CoordinateKind::Longitude)
            return filled("En {campo}, la letra {letra} no es E, W ni O: se escribe primero la "
                          "latitud y después la longitud.",
                          places);
        return filled("En {campo} sobra la letra {letra}: solo las latitudes, las declinaciones "
                      "y las longitudes llevan letra de hemisferio.",
                      places);
    case CoordinateProblem::SignAndHemisphere:
        return filled("En {campo} hay un signo y la letra {letra}: basta con uno de los dos.",
                      places);
    case CoordinateProblem::OutOfRange:
        switch (kind) {
        case CoordinateKind::Latitude:
            return filled("En {campo} se leyó {valor}, más de 90° al norte o al sur.", places);
        case CoordinateKind::Longitude:
            return filled("En {campo} se leyó {valor}, más de 180° al este o al oeste.", places);
        case CoordinateKind::HourAngle:
            return filled("En {campo} se leyó {valor}, fuera de 0° a 360°.", places);
        case CoordinateKind::Altitude:
            return filled("En {campo} se leyó {valor}, más de 90° sobre o bajo el horizonte.",
                          places);
        }
        break;
    case CoordinateProblem::ExtraText:
        return filled("Sobra {resto} tras {campo}.", places);
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
constexpr std::array<std::string_view, 4> kSailingFields{
    "la latitud de salida", "la longitud de salida", "la latitud de llegada",
    "la longitud de llegada"};

// The words of a sailing problem: the positions, and the radius that --radio gives.
struct SailingWords {
    std::vector<std::string_view> positions;
    double radiusKm = kMeanEarthRadiusKm;
    std::string malformed; // why the words are no problem, or empty
};

SailingWords sailingWords(std::span<const std::string_view> words, double radiusKm) {
    SailingWords request;
    request.radiusKm = radiusKm;
    bool radiusGiven = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] != kRadiusOption) {
            request.positions.push_back(words[i]);
            continue;
        }
        if (std::exchange(radiusGiven, true)) {
            request.malformed = "El radio aparece más de una vez.";
            return request;
        }
        if (++i == words.size()) {
            request.malformed = "Falta el radio en kilómetros después de --radio.";
            return request;
        }
        const NumberReading radius = readNumber(words[i]);
        if (radius.read != words[i].size() || !radius.value || !(*radius.value > 0)) {
            request.malformed = filled("El radio {radio} no es un número de kilómetros mayor "
                                       "que 0.",
                                       {{"radio", quoted(words[i])}});
            return request;
        }
        request.radiusKm = radius.value->value();
    }
    return request;
}

Answer sailingAnswer(const SailingWords& request) {
    if (!request.malformed.empty())
        return malformed(request.malformed);
    // Two words are a position each; otherwise the words together hold both.
    std::array<double, 4> angles{};
    const auto refused = [](const CoordinateError& e) {
        return malformed(coordinateReason(e, kSailingFields[e.angle], kSailingKinds[e.angle]));
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
    const Sailing s = sail({angles[0], angles[1]}, {angles[2], angles[3]}, request.radiusKm);
    const bool vertex =
        s.vertex.kind == VertexCase::OnRoute || s.vertex.kind == VertexCase::BeyondRoute;
    Answer a;
    a.text = line("distancia (millas)", valueText(s.miles())) +
             line("distancia (km)", valueText(s.kilometres())) +
             line("rumbo inicial", s.greatCircle.initialCourse, kUndetermined) +
             line("rumbo final", s.greatCircle.finalCourse, kUndetermined) +
             line("latitud del vértice", vertex ? std::optional(s.vertex.latitude) : std::nullopt,
                  kUndefined) +
             line("longitud del vértice", vertex ? std::optional(s.vertex.longitude) : std::nullopt,
                  kUndefined) +
             line("rumbo loxodrómico", s.rhumb.course, kUndetermined) +
             line("distancia loxodrómica (millas)", valueText(s.rhumbMiles()));
    return a;
}

// The position triangle of a sight.

enum class Datum { Latitude, Declination, HourAngle, GreenwichHourAngle, Longitude, Observed };
constexpr int kData = 6;

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
constexpr std::array<std::string_view, kData> kDatumFields{
    "la latitud",  "la declinación",     "el horario del lugar", "el horario en Greenwich",
    "la longitud", "la altura observada"};
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
Answer sightAnswer(std::string_view text) {
    std::array<std::optional<std::string_view>, kData> values;
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
                return malformed(filled("{nombre} no es el nombre de un dato: latitud, "
                                        "declinacion, horario, horario_greenwich, longitud u "
                                        "observada.",
                                        {{"nombre", quoted(before.substr(0, equals))}}));
            if (!before.empty())
                return malformed(
                    filled("{texto} no tiene la forma NOMBRE=VALOR.", {{"texto", quoted(before)}}));
        }
        close(at);
        if (!found)
            break;
        if (values[slot(found->first)])
            return malformed(filled("El dato {nombre} aparece más de una vez.",
                                    {{"nombre", quoted(text.substr(at, found->second - 1))}}));
        current = found->first;
        valueStart = at + found->second;
        at += found->second - 1;
    }

    std::array<std::optional<double>, kData> degrees;
    for (std::size_t d = 0; d < kData; ++d) {
        if (!values[d])
            continue;
        const std::array kind{kDatumKinds[d]};
        const CoordinatesReading r = readCoordinates(*values[d], kind);
        if (r.error)
            return malformed(coordinateReason(*r.error, kDatumFields[d], kDatumKinds[d]));
        degrees[d] = r.degrees[0];
    }
    const auto missing = [](Datum d) {
        return malformed(filled("Falta {campo}.", {{"campo", std::string(kDatumFields[slot(d)])}}));
    };
    const auto given = [&](Datum d) {
        return degrees[slot(d)].has_value();
    };
    for (const Datum d : {Datum::Latitude, Datum::Declination})
        if (!given(d))
            return missing(d);
    if (given(Datum::HourAngle) && given(Datum::GreenwichHourAngle))
        return malformed("Se dieron el horario del lugar y el horario en Greenwich: basta con uno "
                         "de los dos.");
    if (given(Datum::GreenwichHourAngle) && !given(Datum::Longitude))
        return malformed("Falta la longitud, que con el horario en Greenwich da el horario del "
                         "lugar.");
    if (given(Datum::Longitude) && !given(Datum::GreenwichHourAngle))
        return malformed("Sobra la longitud: solo se usa con el horario en Greenwich.");
    if (!given(Datum::HourAngle) && !given(Datum::GreenwichHourAngle))
        return missing(Datum::HourAngle);

    const double hourAngle = given(Datum::HourAngle)
                                 ? *degrees[slot(Datum::HourAngle)]
                                 : localHourAngle(*degrees[slot(Datum::GreenwichHourAngle)],
                                                  *degrees[slot(Datum::Longitude)]);
    const Sight s = reduceSight(*degrees[slot(Datum::Latitude)], *degrees[slot(Datum::Declination)],
                                hourAngle, degrees[slot(Datum::Observed)]);
    Answer a;
    a.text = line("altura estimada", valueText(s.altitude())) +
             line("azimut", s.azimuth(), kUndetermined);
    if (const std::optional<double> miles = s.interceptMiles()) {
        constexpr std::array<std::string_view, 3> kSenses{"hacia", "desde", "ninguno"};
        a.text += line("diferencia de alturas (millas)", valueText(*miles)) +
                  line("sentido", kSenses[static_cast<std::size_t>(s.sense())]);
    }
    return a;
}

// One problem a line of `in`, answered as --resolver - answers: blocks one blank line apart, the
// block "# Datos mal escritos: ..." for a line that cannot be read, and the highest status.
template <class AnswerOf> int eachLine(std::istream& in, std::ostream& out, AnswerOf answerOf) {
    int status = kSolved;
    std::string text;
    for (bool first = true; std::getline(in, text); first = false) {
        const Answer a = answerOf(std::string_view(text));
        status = std::max<int>(status, a.status);
        if (!first)
            out << '\n';
        if (a.status == kSolved)
            out << a.text;
        else
            out << "# " << kMalformed << a.text << '\n';
    }
    return status;
}

int answerWords(const Answer& a, std::string_view usage, std::ostream& out, std::ostream& err) {
    if (a.status == kSolved)
        out << a.text;
    else
        err << kMalformed << a.text << '\n' << usage;
    return a.status;
}

} // namespace

std::optional<int> runNavigation(std::span<const std::string_view> args, std::istream& in,
                                 std::ostream& out, std::ostream& err) {
    if (args.empty())
        return std::nullopt;
    const std::span<const std::string_view> words = args.subspan(1);
    if (args[0] == kSailingVerb) {
        const SailingWords request = sailingWords(words, kMeanEarthRadiusKm);
        if (request.malformed.empty() && request.positions.size() == 1 &&
            request.positions[0] == kFromInput)
            return eachLine(in, out, [&](std::string_view text) {
                const std::vector<std::string_view> lineWords = wordsOf(text);
                return sailingAnswer(sailingWords(lineWords, request.radiusKm));
            });
        return answerWords(sailingAnswer(request), kSailingUsage, out, err);
    }
    if (args[0] == kSightVerb) {
        if (words.size() == 1 && words[0] == kFromInput)
            return eachLine(in, out, [](std::string_view text) { return sightAnswer(text); });
        return answerWords(sightAnswer(joined(words)), kSightUsage, out, err);
    }
    return std::nullopt;
}

} // namespace esferica
