// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/navigation/navigationtexts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace esferica {

namespace {

constexpr std::string_view kPositionForms =
    "Latitud y después longitud, con N o S y E, W u O (36°32′ N 6°18′ W, 36°32,5′N 6°18′O), o "
    "en grados con signo, norte y este positivos (36,54 -6,3)";

constexpr std::array kCaptions{
    NavigationCaption{"frmNavegacion", "Navegación", {}, {}},
    NavigationCaption{"tabOrtodromica", "&Ortodrómica", {}, {}},
    NavigationCaption{"tabPosicion", "Triángulo de &posición", {}, {}},
    NavigationCaption{"lblSalida", "&Salida:", {}, {}},
    NavigationCaption{"txtSalida", {}, kPositionForms, "36°32′ N 6°18′ W"},
    NavigationCaption{"lblLlegada", "&Llegada:", {}, {}},
    NavigationCaption{"txtLlegada", {}, kPositionForms, "40°28′ N 73°50′ W"},
    NavigationCaption{"lblRadio", "&Radio (km):", {}, {}},
    NavigationCaption{"txtRadio",
                      {},
                      "Radio de la esfera para la distancia en kilómetros; vacío, 6371 km, el "
                      "radio medio de la Tierra",
                      "6371"},
    NavigationCaption{"lblLatitud", "La&titud:", {}, {}},
    NavigationCaption{
        "txtLatitud", {}, "Latitud del observador, con N o S o con signo", "43°00,0′ N"},
    NavigationCaption{"lblDeclinacion", "&Declinación:", {}, {}},
    NavigationCaption{
        "txtDeclinacion", {}, "Declinación del astro, con N o S o con signo", "20°06,0′ N"},
    NavigationCaption{"lblHorario", "&Horario del lugar:", {}, {}},
    NavigationCaption{"txtHorario",
                      {},
                      "Horario del lugar, de 0° a 360° hacia el oeste; o bien el horario en "
                      "Greenwich y la longitud",
                      "339"},
    NavigationCaption{"lblHorarioGreenwich", "o en &Greenwich:", {}, {}},
    NavigationCaption{"txtHorarioGreenwich",
                      {},
                      "Horario en Greenwich, con la longitud, en lugar del horario del lugar",
                      "350"},
    NavigationCaption{"lblLongitud", "y lo&ngitud:", {}, {}},
    NavigationCaption{
        "txtLongitud", {}, "Longitud del observador, con E, W u O o con signo", "11° W"},
    NavigationCaption{"lblObservada", "Altura o&bservada:", {}, {}},
    NavigationCaption{"txtObservada",
                      {},
                      "Opcional: la altura observada, para la diferencia de alturas",
                      "61°10,0′"},
    NavigationCaption{"cmdCalcular", "&Calcular", {}, {}},
    NavigationCaption{"cmdVerTriangulo",
                      "&Ver en el triángulo",
                      "Pone el triángulo del problema en la ventana principal y lo resuelve allí",
                      {}},
    NavigationCaption{"cmdCopiar",
                      "Cop&iar",
                      "Copia los resultados como líneas de texto: nombre, tabulador y valor con "
                      "diez decimales, como los escribe la línea de órdenes",
                      {}},
    NavigationCaption{"Grafico",
                      "Dibujo del problema",
                      "El problema sobre el globo: el norte arriba y el este a la "
                      "derecha, como en una carta",
                      {}},
};

} // namespace

const NavigationCaption& navigationTexts(std::string_view name) {
    static const NavigationCaption none{};
    const auto found = std::find_if(kCaptions.begin(), kCaptions.end(),
                                    [name](const NavigationCaption& c) { return c.name == name; });
    return found == kCaptions.end() ? none : *found;
}

const std::array<ResultName, kSailingResults> kSailingResultNames{{
    {"lblDistancia", "Distancia:"},
    {"lblRumboInicial", "Rumbo inicial:"},
    {"lblRumboFinal", "Rumbo final:"},
    {"lblVertice", "Vértice:"},
    {"lblRumboLoxodromico", "Rumbo loxodrómico:"},
    {"lblDistanciaLoxodromica", "Distancia loxodrómica:"},
}};
const std::array<ResultName, kSightResults> kSightResultNames{{
    {"lblAlturaEstimada", "Altura estimada:"},
    {"lblAzimut", "Azimut:"},
    {"lblDiferencia", "Diferencia de alturas:"},
}};

namespace {

constexpr std::string_view kUndetermined = "indeterminado";

// `value` rounded to one decimal, at least `digits` digits before the separator.
std::string oneDecimal(double value, int digits, std::string_view decimalSeparator) {
    const long long tenths = std::llround(std::fabs(value) * 10);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%0*lld", digits, tenths / 10);
    std::string text = value < 0 && tenths != 0 ? "-" : "";
    return text.append(buf).append(decimalSeparator).append(std::to_string(tenths % 10));
}

std::string distanceText(double miles, double km, std::string_view decimalSeparator) {
    return oneDecimal(miles, 1, decimalSeparator) + " millas (" +
           oneDecimal(km, 1, decimalSeparator) + " km)";
}

std::string courseAndQuadrant(std::optional<double> course, std::string_view decimalSeparator) {
    if (!course)
        return std::string(kUndetermined);
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

std::array<std::string, kSailingResults> sailingResultTexts(const Sailing& s,
                                                            std::string_view decimalSeparator) {
    const bool hasVertex =
        s.vertex.kind == VertexCase::OnRoute || s.vertex.kind == VertexCase::BeyondRoute;
    const std::string vertex = hasVertex
                                   ? latitudeText(s.vertex.latitude, decimalSeparator) + ", " +
                                         longitudeText(s.vertex.longitude, decimalSeparator)
                                   : "no definido";
    const double rhumbKm = s.rhumb.distance * std::numbers::pi / 180 * s.radiusKm;
    return {distanceText(s.miles(), s.kilometres(), decimalSeparator),
            courseAndQuadrant(s.greatCircle.initialCourse, decimalSeparator),
            courseAndQuadrant(s.greatCircle.finalCourse, decimalSeparator),
            vertex,
            courseAndQuadrant(s.rhumb.course, decimalSeparator),
            distanceText(s.rhumbMiles(), rhumbKm, decimalSeparator)};
}

std::array<std::string, kSightResults> sightResultTexts(const Sight& s,
                                                        std::string_view decimalSeparator) {
    std::string intercept;
    if (const std::optional<double> miles = s.interceptMiles()) {
        intercept = oneDecimal(std::fabs(*miles), 1, decimalSeparator) + " millas";
        if (std::llround(std::fabs(*miles) * 10) != 0)
            intercept += s.sense() == InterceptSense::Towards ? " hacia" : " desde";
    }
    return {altitudeText(s.altitude(), decimalSeparator),
            courseAndQuadrant(s.azimuth(), decimalSeparator), intercept};
}

std::string sailingNote(const Sailing& s, std::string_view decimalSeparator) {
    switch (s.vertex.kind) {
    case VertexCase::OnRoute:
        break;
    case VertexCase::BeyondRoute:
        return "El vértice queda más allá de la llegada: la derrota no pasa por él.";
    case VertexCase::AlongMeridian:
        return "La derrota sigue un meridiano: no tiene vértice.";
    case VertexCase::AlongEquator:
        return "La derrota sigue el ecuador: no tiene vértice.";
    case VertexCase::NoRoute:
        if (s.greatCircle.track == Track::Antipodal)
            return "Salida y llegada son antípodas: todos los círculos máximos que las unen "
                   "miden " +
                   oneDecimal(s.miles(), 1, decimalSeparator) +
                   " millas, y el rumbo queda indeterminado.";
        return "Salida y llegada son el mismo punto: no hay derrota ni rumbo.";
    }
    return {};
}

std::string sightNote(const Sight& s) {
    switch (s.leg.track) {
    case Track::Coincident:
        return "El astro está en el cenit: el azimut queda indeterminado.";
    case Track::Antipodal:
        return "El astro está en el nadir: el azimut queda indeterminado.";
    case Track::Meridian:
    case Track::Oblique:
        break;
    }
    return {};
}

std::string radiusReason(std::string_view typed) {
    return "El radio «" + std::string(typed) +
           "» no es un número de kilómetros mayor que 0: escríbalo entero, o vacíe el campo "
           "para tomar 6371 km.";
}

} // namespace esferica
