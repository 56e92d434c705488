// SPDX-License-Identifier: GPL-3.0-or-later
// Every sentence of the working, one table per language, and the one function that writes its
// numbers.
#include "working/text.h"

#include "numeric/portable.h"
#include "present/format.h"
#include "present/view.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <numbers>
#include <utility>

namespace esferica {

namespace {

using Row = std::pair<Sentence, std::string_view>;

constexpr auto kSpanish = std::to_array<Row>({
    {Sentence::None, ""},
    {Sentence::Heading, "Procedimiento"},
    {Sentence::CaseSSS, "Caso: tres lados."},
    {Sentence::CaseAAA, "Caso: tres ángulos."},
    {Sentence::CaseSAS, "Caso: dos lados y el ángulo comprendido."},
    {Sentence::CaseASA, "Caso: dos ángulos y el lado comprendido."},
    {Sentence::CaseSSA, "Caso: dos lados y el ángulo opuesto a uno de ellos (caso ambiguo)."},
    {Sentence::CaseAAS, "Caso: dos ángulos y el lado opuesto a uno de ellos (caso ambiguo)."},
    {Sentence::Given, "Datos"},
    {Sentence::Existence, "Existencia"},
    {Sentence::Solution, "Solución"},
    {Sentence::Additional, "Solución adicional"},
    {Sentence::Measures, "Medidas"},
    {Sentence::Check, "Comprobación por el teorema del coseno"},
    {Sentence::Results, "Resultados"},
    {Sentence::NoWorking, "Sin procedimiento: {0}."},
    {Sentence::NoSolution, "No existe solución."},
    {Sentence::Underdetermined, ""}, // the window's own messages (command/texts.h)
    {Sentence::Overdetermined, ""},
    {Sentence::NotReadWhole, ""},
    {Sentence::BadDrawingData, ""},
    {Sentence::Holds, "✓"},
    {Sentence::Fails, "✗"},
    {Sentence::InRange, "{0} está entre 0° y 180°"},
    {Sentence::SideLessThanSum, "el lado {0} es menor que la suma de los otros dos"},
    {Sentence::SidesUnder360, "los lados suman menos de 360°"},
    {Sentence::AnglesOver180, "los ángulos suman más de 180°"},
    {Sentence::AnglesUnder540, "los ángulos suman menos de 540°"},
    {Sentence::PolarInequality,
     "{1} + {2} es menor que 180° + {0} (desigualdad del triángulo polar)"},
    {Sentence::AlwaysOne,
     "con sus elementos entre 0° y 180°, este caso tiene siempre un triángulo, y solo uno"},
    {Sentence::SineRule, "teorema del seno"},
    {Sentence::DoubleRoot, "sen {0} = 1: un solo candidato"},
    {Sentence::Candidates, "dos candidatos para {0}"},
    {Sentence::SameSignDifference, "{0}: al lado mayor se opone el ángulo mayor"},
    {Sentence::SameSignSum,
     "{0}: las sumas de los dos lados y de sus ángulos opuestos, del mismo lado de 180°"},
    {Sentence::CandidateFits, "{0} da un triángulo"},
    {Sentence::CandidateFails, "{0} no da triángulo"},
    {Sentence::CandidateOnLimit, "{0} no da triángulo: tendría un lado o un ángulo de 0° o 180°"},
    {Sentence::DegenerateTriangle,
     "el triángulo tendría un lado o un ángulo de exactamente 0° o 180°"},
    {Sentence::NotDetermined, "los datos no determinan el triángulo: los cumplen infinitos"},
    {Sentence::OneTriangle, "Hay un triángulo."},
    {Sentence::TwoTriangles, "Hay dos triángulos."},
    {Sentence::HalfPerimeter, "Semiperímetro"},
    {Sentence::Briggs, "Fórmulas del ángulo mitad (Briggs)"},
    {Sentence::BriggsValues, "Las mismas fórmulas como las evalúa el programa, tan(A/2) = k/q(a)"},
    {Sentence::PolarTriangle, "Triángulo polar"},
    {Sentence::BackFromPolar, "Del triángulo polar al triángulo dado"},
    {Sentence::GaussDelambre, "Analogías de Gauss–Delambre"},
    {Sentence::HalfSums, "Semisumas y semidiferencias"},
    {Sentence::SineRuleSmaller, "Teorema del seno para el ángulo menor, {0}"},
    {Sentence::NapierAnalogySide, "Analogía de Neper para {0}"},
    {Sentence::NapierAnalogyAngle, "Analogía de Neper para {0}"},
    {Sentence::CosineLosesDigits,
     "En un triángulo tan pequeño el teorema del coseno pierde cifras (el coseno de un arco "
     "pequeño es casi 1): el programa usa las fórmulas siguientes."},
    {Sentence::NapierRules,
     "Triángulo rectángulo ({0} = 90°), reglas de Neper: el seno de la parte media es el "
     "producto de las tangentes de las adyacentes y el de los cosenos de las opuestas; partes"},
    {Sentence::NapierQuadrantal, "Triángulo rectilátero ({0} = 90°): su triángulo polar es "
                                 "rectángulo, y se resuelve por las reglas de Neper"},
    {Sentence::NapierRule, "Regla de Neper para {0}"},
    {Sentence::QuadrantSame, "ley de los cuadrantes: {0} y {1} en el mismo cuadrante"},
    {Sentence::QuadrantHypotenuse,
     "ley de los cuadrantes: {0} < 90° si {1} y {2} están en el mismo cuadrante, {0} > 90° si no"},
    {Sentence::Excess, "Exceso esférico"},
    {Sentence::Area, "Área (esfera de radio 1)"},
    {Sentence::Perimeter, "Perímetro"},
    {Sentence::Inradius, "Radio inscrito"},
    {Sentence::Circumradius, "Radio circunscrito"},
    {Sentence::CosineTheorem, "Lado {0}"},
    {Sentence::NotComputed, "no se puede calcular"},
});

constexpr auto kEnglish = std::to_array<Row>({
    {Sentence::None, ""},
    {Sentence::Heading, "Working"},
    {Sentence::CaseSSS, "Case: three sides."},
    {Sentence::CaseAAA, "Case: three angles."},
    {Sentence::CaseSAS, "Case: two sides and the included angle."},
    {Sentence::CaseASA, "Case: two angles and the included side."},
    {Sentence::CaseSSA, "Case: two sides and an angle opposite one of them (ambiguous case)."},
    {Sentence::CaseAAS, "Case: two angles and a side opposite one of them (ambiguous case)."},
    {Sentence::Given, "Given"},
    {Sentence::Existence, "Existence"},
    {Sentence::Solution, "Solution"},
    {Sentence::Additional, "Additional solution"},
    {Sentence::Measures, "Measures"},
    {Sentence::Check, "Check by the cosine theorem"},
    {Sentence::Results, "Results"},
    {Sentence::NoWorking, "No working: {0}."},
    {Sentence::NoSolution, "No solution exists."},
    {Sentence::Underdetermined, "fewer than three elements given"},
    {Sentence::Overdetermined, "more than three elements given"},
    {Sentence::NotReadWhole, "a field was not read whole"},
    {Sentence::BadDrawingData, "the drawing options cannot be used"},
    {Sentence::Holds, "✓"},
    {Sentence::Fails, "✗"},
    {Sentence::InRange, "{0} lies between 0° and 180°"},
    {Sentence::SideLessThanSum, "side {0} is less than the sum of the other two"},
    {Sentence::SidesUnder360, "the sides add up to less than 360°"},
    {Sentence::AnglesOver180, "the angles add up to more than 180°"},
    {Sentence::AnglesUnder540, "the angles add up to less than 540°"},
    {Sentence::PolarInequality,
     "{1} + {2} is less than 180° + {0} (inequality of the polar triangle)"},
    {Sentence::AlwaysOne,
     "with its elements between 0° and 180°, this case always has exactly one triangle"},
    {Sentence::SineRule, "sine rule"},
    {Sentence::DoubleRoot, "sin {0} = 1: a single candidate"},
    {Sentence::Candidates, "two candidates for {0}"},
    {Sentence::SameSignDifference, "{0}: the larger side lies opposite the larger angle"},
    {Sentence::SameSignSum,
     "{0}: the sums of the two sides and of their opposite angles, on one side of 180°"},
    {Sentence::CandidateFits, "{0} gives a triangle"},
    {Sentence::CandidateFails, "{0} gives no triangle"},
    {Sentence::CandidateOnLimit, "{0} gives no triangle: it would have a side or an angle of 0° "
                                 "or 180°"},
    {Sentence::DegenerateTriangle,
     "the triangle would have a side or an angle of exactly 0° or 180°"},
    {Sentence::NotDetermined, "the data do not determine the triangle: infinitely many fit"},
    {Sentence::OneTriangle, "There is one triangle."},
    {Sentence::TwoTriangles, "There are two triangles."},
    {Sentence::HalfPerimeter, "Half perimeter"},
    {Sentence::Briggs, "Half-angle formulas (Briggs)"},
    {Sentence::BriggsValues, "The same formulas as the program evaluates them, tan(A/2) = k/q(a)"},
    {Sentence::PolarTriangle, "Polar triangle"},
    {Sentence::BackFromPolar, "From the polar triangle back to the given one"},
    {Sentence::GaussDelambre, "Gauss–Delambre analogies"},
    {Sentence::HalfSums, "Half sums and half differences"},
    {Sentence::SineRuleSmaller, "Sine rule for the smaller angle, {0}"},
    {Sentence::NapierAnalogySide, "Napier's analogy for {0}"},
    {Sentence::NapierAnalogyAngle, "Napier's analogy for {0}"},
    {Sentence::CosineLosesDigits,
     "On so small a triangle the cosine theorem loses digits (the cosine of a small arc is "
     "nearly 1): the program uses the formulas below."},
    {Sentence::NapierRules,
     "Right triangle ({0} = 90°), Napier's rules: the sine of the middle part is the product of "
     "the tangents of the adjacent parts and of the cosines of the opposite parts; parts"},
    {Sentence::NapierQuadrantal, "Quadrantal triangle ({0} = 90°): its polar triangle is right, "
                                 "and is solved by Napier's rules"},
    {Sentence::NapierRule, "Napier's rule for {0}"},
    {Sentence::QuadrantSame, "quadrant law: {0} and {1} in the same quadrant"},
    {Sentence::QuadrantHypotenuse,
     "quadrant law: {0} < 90° when {1} and {2} are in the same quadrant, {0} > 90° otherwise"},
    {Sentence::Excess, "Spherical excess"},
    {Sentence::Area, "Area (unit sphere)"},
    {Sentence::Perimeter, "Perimeter"},
    {Sentence::Inradius, "Inradius"},
    {Sentence::Circumradius, "Circumradius"},
    {Sentence::CosineTheorem, "Side {0}"},
    {Sentence::NotComputed, "cannot be computed"},
});

// The digits of a double that a ratio shows at most.
constexpr int kSignificant = 15;

constexpr std::array<std::string_view, 10> kSuperscripts{"⁰", "¹", "²", "³", "⁴",
                                                         "⁵", "⁶", "⁷", "⁸", "⁹"};

// `x` in scientific notation with `decimals` decimals: "2,2·10⁻¹⁶".
std::string scientific(double x, int decimals, std::string_view separator) {
    if (x == 0)
        return "0";
    std::string text = exponentText(x, decimals, separator); // "2,2E-16"
    const std::size_t e = text.find('E');
    int exponent = 0;
    std::from_chars(text.data() + e + 2, text.data() + text.size(), exponent);
    const bool negative = text[e + 1] == '-';
    std::string power = negative ? "⁻" : "";
    for (const char digit : std::to_string(exponent))
        power += kSuperscripts[static_cast<std::size_t>(digit - '0')];
    return text.substr(0, e) + "·10" + power;
}

// A number in scientific notation without the trailing zeros of its mantissa: "1·10⁻³".
std::string trimmed(const std::string& text) {
    const std::size_t times = text.find("·10");
    std::size_t end = times;
    while (end > 0 && text[end - 1] == '0')
        --end;
    if (end > 0 && !std::isdigit(static_cast<unsigned char>(text[end - 1])))
        --end; // the separator
    return text.substr(0, end) + text.substr(times);
}

// `x` to `decimals` decimals, trailing zeros kept.
std::string fixed(double x, int decimals, std::string_view separator) {
    char buf[400];
    const auto [end, ec] = toChars(buf, buf + sizeof buf, x, std::chars_format::fixed, decimals);
    if (ec != std::errc())
        return scientific(x, decimals, separator);
    std::string text(buf, end);
    if (const std::size_t dot = text.find('.'); dot != std::string::npos)
        text.replace(dot, 1, separator);
    if (text.find_first_not_of("-0.,") == std::string::npos && text[0] == '-')
        text.erase(0, 1); // never "-0,0000"
    return text;
}

// Degrees as the results show them: the labels' two decimals, the table's ten, or any other
// number of decimals with the trailing zeros dropped. Without the degree sign.
std::string degrees(double x, const WorkingStyle& style) {
    if (style.decimals == 2)
        return degreesText(x, style.separator);
    if (style.decimals == 10)
        return preciseDegreesText(x, style.separator);
    return trimmedDecimalText(x, style.decimals, style.separator);
}

// An angle as the results show it, in decimal degrees or in the style's other form.
std::string angle(double x, const WorkingStyle& style) {
    if (style.format == AngleFormat::Decimal)
        return degrees(x, style) + "°";
    return angleText(x, style.format, std::max(style.formatDecimals, 0), style.separator);
}

// The degrees of one unit in the last decimal that `angle` shows.
double resolution(const WorkingStyle& style) {
    const double unit = std::pow(10.0, -std::max(style.formatDecimals, 0));
    switch (style.format) {
    case AngleFormat::Decimal:
        break;
    case AngleFormat::DegreesMinutesSeconds:
        return unit / 3600;
    case AngleFormat::DegreesDecimalMinutes:
        return unit / 60;
    case AngleFormat::Radians:
        return unit * 180 / std::numbers::pi;
    }
    return std::pow(10.0, -std::max(style.decimals, 0));
}

} // namespace

WorkingStyle workingStyle(Language language, const Units& units, ResultsShown shown) {
    WorkingStyle style{language, 2, units.decimalSeparator, units.format, units.labelDecimals()};
    if (shown == ResultsShown::Table) {
        // As the table writes areas: in the decimals of its degrees, or ten beside another form.
        style.decimals = units.format == AngleFormat::Decimal ? units.preciseDecimals() : 10;
        style.formatDecimals = units.preciseDecimals();
    }
    return style;
}

std::string_view sentenceText(Sentence s, Language language) {
    for (const auto& [id, text] : language == Language::Spanish ? kSpanish : kEnglish)
        if (id == s)
            return text;
    return {};
}

std::string outcomeText(Outcome outcome, Language language) {
    return std::string(messageText(outcome, Catalogue::of(language)));
}

std::string workingNumber(const Value& value, const WorkingStyle& style) {
    const double x = value.number;
    if (std::isnan(x))
        return std::string(sentenceText(Sentence::NotComputed, style.language));
    if (std::isinf(x))
        return x > 0 ? "∞" : "-∞";
    const int decimals = std::max(style.decimals, 0);
    switch (value.kind) {
    case Quantity::Intermediate:
        if (x != 0 && std::fabs(x) < 0.5 * resolution(style))
            return trimmed(scientific(x, decimals + 1, style.separator)) + "°";
        return angle(x, style);
    case Quantity::Angle:
        return angle(x, style);
    case Quantity::Area:
        return degrees(x, style) + " sr";
    case Quantity::Ratio:
        // Scientific where fixed decimals would show no digit, or more digits than a double has.
        if ((x != 0 && std::fabs(x) < std::pow(10.0, -(decimals + 1))) ||
            std::fabs(x) >= std::pow(10.0, kSignificant - (decimals + 2)))
            return scientific(x, decimals + 1, style.separator);
        return fixed(x, decimals + 2, style.separator);
    case Quantity::Residual:
        break;
    }
    return scientific(x, 1, style.separator);
}

} // namespace esferica
