// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/navigationtexts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>

namespace esferica {

namespace {

// The texts of a control by their ids; an example written the same in every language as it is.
struct CaptionIds {
    std::string_view name;
    std::optional<Text> caption;
    std::optional<Text> tip;
    std::optional<Text> example;
    std::string_view fixedExample;
};

constexpr std::array kCaptions{
    CaptionIds{"frmNavegacion", Text::NavWindowTitle, {}, {}, {}},
    CaptionIds{"tabOrtodromica", Text::NavTabSailing, {}, {}, {}},
    CaptionIds{"tabPosicion", Text::NavTabSight, {}, {}, {}},
    CaptionIds{"lblSalida", Text::NavCaptionDeparture, {}, {}, {}},
    CaptionIds{"txtSalida", {}, Text::NavTipPosition, {}, "36°32′ N 6°18′ W"},
    CaptionIds{"lblLlegada", Text::NavCaptionArrival, {}, {}, {}},
    CaptionIds{"txtLlegada", {}, Text::NavTipPosition, {}, "40°28′ N 73°50′ W"},
    CaptionIds{"lblRadio", Text::NavCaptionRadius, {}, {}, {}},
    CaptionIds{"txtRadio", {}, Text::NavTipRadius, {}, "6371"},
    CaptionIds{"lblLatitud", Text::NavCaptionLatitude, {}, {}, {}},
    CaptionIds{"txtLatitud", {}, Text::NavTipLatitude, Text::NavExampleLatitude, {}},
    CaptionIds{"lblDeclinacion", Text::NavCaptionDeclination, {}, {}, {}},
    CaptionIds{"txtDeclinacion", {}, Text::NavTipDeclination, Text::NavExampleDeclination, {}},
    CaptionIds{"lblHorario", Text::NavCaptionHourAngle, {}, {}, {}},
    CaptionIds{"txtHorario", {}, Text::NavTipHourAngle, {}, "339"},
    CaptionIds{"lblHorarioGreenwich", Text::NavCaptionGreenwich, {}, {}, {}},
    CaptionIds{"txtHorarioGreenwich", {}, Text::NavTipGreenwich, {}, "350"},
    CaptionIds{"lblLongitud", Text::NavCaptionLongitude, {}, {}, {}},
    CaptionIds{"txtLongitud", {}, Text::NavTipLongitude, {}, "11° W"},
    CaptionIds{"lblObservada", Text::NavCaptionObserved, {}, {}, {}},
    CaptionIds{"txtObservada", {}, Text::NavTipObserved, Text::NavExampleObserved, {}},
    CaptionIds{"cmdCalcular", Text::NavCaptionCalculate, {}, {}, {}},
    CaptionIds{"cmdVerTriangulo", Text::NavCaptionShowTriangle, Text::NavTipShowTriangle, {}, {}},
    CaptionIds{"cmdCopiar", Text::NavCaptionCopy, Text::NavTipCopy, {}, {}},
    CaptionIds{"Grafico", Text::NavCaptionPicture, Text::NavTipPicture, {}, {}},
};

} // namespace

NavigationCaption navigationTexts(std::string_view name, const Catalogue& words) {
    const auto found = std::find_if(kCaptions.begin(), kCaptions.end(),
                                    [name](const CaptionIds& c) { return c.name == name; });
    if (found == kCaptions.end())
        return {};
    const auto text = [&words](std::optional<Text> id) {
        return id ? words.text(*id) : std::string_view{};
    };
    return {found->name, text(found->caption), text(found->tip),
            found->example ? words.text(*found->example) : found->fixedExample};
}

const std::array<ResultName, kSailingResults> kSailingResultNames{{
    {"lblDistancia", Text::NavResultDistance},
    {"lblRumboInicial", Text::NavResultInitialCourse},
    {"lblRumboFinal", Text::NavResultFinalCourse},
    {"lblVertice", Text::NavResultVertex},
    {"lblRumboLoxodromico", Text::NavResultRhumbCourse},
    {"lblDistanciaLoxodromica", Text::NavResultRhumbDistance},
}};
const std::array<ResultName, kSightResults> kSightResultNames{{
    {"lblAlturaEstimada", Text::NavResultAltitude},
    {"lblAzimut", Text::NavResultAzimuth},
    {"lblDiferencia", Text::NavResultIntercept},
}};

namespace {

// `value` rounded to one decimal, at least `digits` digits before the separator.
std::string oneDecimal(double value, int digits, std::string_view decimalSeparator) {
    const long long tenths = std::llround(std::fabs(value) * 10);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%0*lld", digits, tenths / 10);
    std::string text = value < 0 && tenths != 0 ? "-" : "";
    return text.append(buf).append(decimalSeparator).append(std::to_string(tenths % 10));
}

std::string distanceText(double miles, double km, std::string_view decimalSeparator,
                         const Catalogue& words) {
    return words.fill(Text::NavMilesAndKm, {{"miles", oneDecimal(miles, 1, decimalSeparator)},
                                            {"km", oneDecimal(km, 1, decimalSeparator)}});
}

std::string courseAndQuadrant(std::optional<double> course, std::string_view decimalSeparator,
                              const Catalogue& words) {
    if (!course)
        return std::string(words.text(Text::NavUndetermined));
    return courseText(*course, decimalSeparator) + " (" +
           quadrantalText(*course, decimalSeparator) + ")";
}

std::string hemisphered(double degrees, std::string_view positive, std::string_view negative,
                        std::string_view decimalSeparator) {
    std::string text = minutesText(degrees, decimalSeparator);
    // A value that rounds to 0°00,0′ lies on the equator or the meridian: no letter.
    if (std::llround(std::fabs(degrees) * 600) != 0)
        text.append(" ").append(degrees < 0 ? negative : positive);
    return text;
}

} // namespace

std::string courseText(double course, std::string_view decimalSeparator) {
    return oneDecimal(course, 3, decimalSeparator) + "°";
}

std::string quadrantalText(double course, std::string_view decimalSeparator) {
    constexpr long long kRight = 900, kStraight = 1800, kWhole = 3600; // tenths of a degree
    const long long t = std::llround(course * 10) % kWhole;
    struct Quadrant {
        const char* from;
        const char* towards;
        long long angle;
    };
    const Quadrant q = t <= kRight       ? Quadrant{"N", "E", t}
                       : t <= kStraight  ? Quadrant{"S", "E", kStraight - t}
                       : t <= 3 * kRight ? Quadrant{"S", "W", t - kStraight}
                                         : Quadrant{"N", "W", kWhole - t};
    if (q.angle == 0)
        return q.from;
    if (q.angle == kRight)
        return q.towards;
    return std::string(q.from) + " " +
           oneDecimal(static_cast<double>(q.angle) / 10, 1, decimalSeparator) + "° " + q.towards;
}

std::string minutesText(double degrees, std::string_view decimalSeparator) {
    const long long tenths = std::llround(std::fabs(degrees) * 600); // of a minute
    char buf[48];
    std::snprintf(buf, sizeof buf, "%lld°%02lld", tenths / 600, tenths % 600 / 10);
    return std::string(buf)
        .append(decimalSeparator)
        .append(std::to_string(tenths % 10))
        .append("′");
}

std::string latitudeText(double degrees, std::string_view decimalSeparator) {
    return hemisphered(degrees, "N", "S", decimalSeparator);
}

std::string longitudeText(double degrees, std::string_view decimalSeparator) {
    return hemisphered(degrees, "E", "W", decimalSeparator);
}

std::string altitudeText(double degrees, std::string_view decimalSeparator) {
    const bool below = degrees < 0 && std::llround(std::fabs(degrees) * 600) != 0;
    std::string text = below ? "-" : "";
    return text.append(minutesText(degrees, decimalSeparator));
}

std::string longestResult(const Catalogue& words) {
    return words.fill(Text::NavMilesAndKm, {{"miles", "10800,0"}, {"km", "20015,1"}});
}

std::array<std::string, kSailingResults>
sailingResultTexts(const Sailing& s, std::string_view decimalSeparator, const Catalogue& words) {
    const bool hasVertex =
        s.vertex.kind == VertexCase::OnRoute || s.vertex.kind == VertexCase::BeyondRoute;
    const std::string vertex = hasVertex
                                   ? latitudeText(s.vertex.latitude, decimalSeparator) + ", " +
                                         longitudeText(s.vertex.longitude, decimalSeparator)
                                   : std::string(words.text(Text::NavUndefined));
    const double rhumbKm = s.rhumb.distance * std::numbers::pi / 180 * s.radiusKm;
    return {distanceText(s.miles(), s.kilometres(), decimalSeparator, words),
            courseAndQuadrant(s.greatCircle.initialCourse, decimalSeparator, words),
            courseAndQuadrant(s.greatCircle.finalCourse, decimalSeparator, words),
            vertex,
            courseAndQuadrant(s.rhumb.course, decimalSeparator, words),
            distanceText(s.rhumbMiles(), rhumbKm, decimalSeparator, words)};
}

std::array<std::string, kSightResults>
sightResultTexts(const Sight& s, std::string_view decimalSeparator, const Catalogue& words) {
    std::string intercept;
    if (const std::optional<double> miles = s.interceptMiles()) {
        const Text sense = std::llround(std::fabs(*miles) * 10) == 0 ? Text::NavInterceptNone
                           : s.sense() == InterceptSense::Towards    ? Text::NavInterceptToward
                                                                     : Text::NavInterceptAway;
        intercept =
            words.fill(sense, {{"miles", oneDecimal(std::fabs(*miles), 1, decimalSeparator)}});
    }
    return {altitudeText(s.altitude(), decimalSeparator),
            courseAndQuadrant(s.azimuth(), decimalSeparator, words), intercept};
}

std::string sailingNote(const Sailing& s, std::string_view decimalSeparator,
                        const Catalogue& words) {
    switch (s.vertex.kind) {
    case VertexCase::OnRoute:
        break;
    case VertexCase::BeyondRoute:
        return std::string(words.text(Text::NavNoteBeyondRoute));
    case VertexCase::AlongMeridian:
        return std::string(words.text(Text::NavNoteMeridian));
    case VertexCase::AlongEquator:
        return std::string(words.text(Text::NavNoteEquator));
    case VertexCase::NoRoute:
        if (s.greatCircle.track == Track::Antipodal)
            return words.fill(Text::NavNoteAntipodal,
                              {{"miles", oneDecimal(s.miles(), 1, decimalSeparator)}});
        return std::string(words.text(Text::NavNoteCoincident));
    }
    return {};
}

std::string sightNote(const Sight& s, const Catalogue& words) {
    switch (s.leg.track) {
    case Track::Coincident:
        return std::string(words.text(Text::NavNoteZenith));
    case Track::Antipodal:
        return std::string(words.text(Text::NavNoteNadir));
    case Track::Meridian:
    case Track::Oblique:
        break;
    }
    return {};
}

std::string radiusReason(std::string_view typed, const Catalogue& words) {
    return words.fill(Text::NavRadiusReason, {{"radius", words.quoted(typed)}});
}

} // namespace esferica
