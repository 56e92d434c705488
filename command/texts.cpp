// SPDX-License-Identifier: GPL-3.0-or-later
#include "command/texts.h"

#include "command/numbers.h"
#include "command/precise.h"
#include "command/slips.h"
#include "drawing/readable.h"
#include "numeric/angles.h"

#include <cmath>
#include <vector>

namespace esferica {

namespace {

constexpr std::array<std::string_view, kElements> kCaptions{"lado a",   "lado b",   "lado c",
                                                            "ángulo A", "ángulo B", "ángulo C"};
constexpr std::array<std::string_view, kElements> kLetters{"a", "b", "c", "A", "B", "C"};
constexpr std::array<std::string_view, kOptionFields> kOptionCaptions{"º red lat.", "º red long",
                                                                      "Inclinación", "Rotación"};
constexpr std::array<std::string_view, kMeasures> kMeasureCaptions{
    "exceso esférico", "área", "perímetro", "radio circunscrito", "radio inscrito"};
// The unit of the area on the unit sphere.
constexpr std::string_view kSteradians = " sr";

// The longest typed text quoted whole, in characters; a longer one is cut there.
constexpr std::size_t kQuotedLength = 40;

std::string quotedText(std::string_view text) {
    return "«" + std::string(text) + "»";
}

// A typed text quoted, cut after kQuotedLength characters.
std::string quotedTyped(std::string_view text) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && characters++ == kQuotedLength)
            return quotedText(std::string(text.substr(0, i)) + "…");
    return quotedText(text);
}

std::string_view trimmedText(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\n");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\n") + 1 - first);
}

// What was read of a text, as a number where it has a value: "6", "49,5".
std::string readValue(const Reading& reading, std::string_view sep) {
    if (!reading.degrees)
        return quotedTyped(reading.read);
    std::string value = quotedDegrees(*reading.degrees, sep);
    value.erase(value.size() - std::string_view("°").size());
    return value;
}

// "«40°30'», «17,5» o «17°5'»".
std::string alternatives(const std::vector<std::string>& texts) {
    std::string list;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0)
            list += i + 1 == texts.size() ? " o " : ", ";
        list += quotedText(texts[i]);
    }
    return list;
}

// What the user most likely meant by a text not read whole, as a sentence; empty when that is not
// clear.
std::string hintText(const Reading& reading, std::string_view sep) {
    const Intent intent = likelyIntent(reading.typed, sep);
    const std::string first =
        intent.suggestions.empty() ? std::string() : quotedText(intent.suggestions[0]);
    switch (intent.slip) {
    case Slip::None:
        break;
    case Slip::SixtyOrMore:
        return "Los minutos y los segundos deben ser menores que 60.";
    case Slip::LetterForZero:
        return "¿Es una letra O en lugar de un cero? Escriba " + first + ".";
    case Slip::LetterForOne:
        return "¿Es una letra l en lugar de un uno? Escriba " + first + ".";
    case Slip::LettersForDigits:
        return "¿Son letras en lugar de cifras? Escriba " + first + ".";
    case Slip::LettersForMarks:
        return "Los grados, los minutos y los segundos se escriben con sus signos: " + first + ".";
    case Slip::Operation:
        return "El campo no hace operaciones: escriba el resultado, " + first + ".";
    case Slip::SplitDigits:
        return "¿Quiso escribir " + alternatives(intent.suggestions) + "?";
    case Slip::MinutesMark:
        return "Los minutos llevan su signo: escriba " + first + ".";
    case Slip::SecondsMark:
        return "Los segundos llevan su signo: escriba " + first + ".";
    case Slip::MinutesWithoutDegrees:
        return "Los minutos van tras los grados: escriba " + first + ".";
    }
    return {};
}

// `text` and, when there is one, the hint after it.
std::string withHint(std::string text, const Reading& reading, std::string_view sep) {
    if (const std::string hint = hintText(reading, sep); !hint.empty())
        text += " " + hint;
    return text;
}

// "«lado a» = 60°", or the text itself where it holds no value of a double.
std::string named(const Calculation& calc, Element e, std::string_view sep) {
    const Reading& r = calc.reading(e);
    std::string text = quotedText(elementCaption(e));
    if (r.degrees)
        return text + " = " + quotedDegrees(*r.degrees, sep);
    return text + " (" + quotedTyped(r.read) + ")";
}

// "a = 60°": an element by its letter, in a formula.
std::string letter(const Calculation& calc, Element e, std::string_view sep) {
    return std::string(elementLetter(e)) + " = " +
           quotedDegrees(calc.reading(e).degrees.value_or(0), sep);
}

// "2 datos", "1 dato".
std::string data(int n) {
    return std::to_string(n) + (n == 1 ? " dato" : " datos");
}

std::string joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty())
            text += separator;
        text += part;
    }
    return text;
}

// The given elements, and the non-empty fields that do not count as given, for the count
// messages.
std::string countReason(const Calculation& calc, std::string_view sep) {
    std::vector<std::string> given, notCounted;
    for (const Element e : kAllElements) {
        const Reading& r = calc.reading(e);
        if (calc.isGiven(e)) {
            given.push_back(named(calc, e, sep));
        } else if (!r.degrees) {
            notCounted.push_back(quotedText(elementCaption(e)) + " no cuenta: " +
                                 quotedTyped(r.read) + " es un número demasiado grande.");
        } else if (!r.read.empty() && r.degrees == 0.0) {
            notCounted.push_back(quotedText(elementCaption(e)) +
                                 " vale 0, que significa «no dado».");
        }
    }
    const int n = static_cast<int>(given.size());
    std::string text =
        n == 0 ? "No se leyó ningún dato"
               : (n == 1 ? "Se leyó " : "Se leyeron ") + data(n) + ": " + joined(given, ", ");
    text += calc.outcome == Outcome::Underdetermined
                ? "; hacen falta 3."
                : "; deje solo 3, vaciando los demás o escribiendo 0 en ellos.";
    for (const std::string& note : notCounted) {
        text += ' ';
        text += note;
    }
    return text;
}

std::string outOfRangeReason(const Calculation& calc, Element e, std::string_view sep) {
    const Reading& r = calc.reading(e);
    if (!r.degrees)
        return named(calc, e, sep) + " es un número demasiado grande.";
    std::string text = named(calc, e, sep) + ": cada lado y cada ángulo de un triángulo esférico "
                                             "está estrictamente entre 0° y 180°.";
    // A text of digits alone far beyond a turn may be degrees, minutes and seconds typed together.
    if (std::fabs(*r.degrees) > 360 && !hasMarks(r.read))
        text += " Si son grados, minutos y segundos, escríbalos con sus signos: 40°25'30\".";
    // The angle at the pole between two meridians is the short way round, under 180 degrees.
    if (!isSide(e) && *r.degrees > 180 && *r.degrees < 360) {
        const auto typed = [&](double degrees) {
            return hasMarks(r.typed) ? typedSexagesimal(degrees, sep)
                                     : typedDecimal(degrees, sep) + "°";
        };
        text += " Si es una diferencia de longitudes, use 360° − " + typed(*r.degrees) + " = " +
                typed(360 - *r.degrees) + ".";
    }
    return text;
}

// The other two sides of a side, or angles of an angle, in the order a, b, c.
std::array<Element, 2> othersOf(Element e) {
    const std::size_t first = isSide(e) ? 0 : 3;
    std::array<Element, 2> others{};
    std::size_t n = 0;
    for (std::size_t i = first; i < first + 3; ++i)
        if (i != index(e))
            others[n++] = kAllElements[i];
    return others;
}

std::string noTriangleReason(const Calculation& calc, std::string_view sep) {
    const NoTriangleReason reason = *calc.noTriangle;
    const Element e = reason.element;
    const auto deg = [&](Element x) {
        return calc.reading(x).degrees.value_or(0);
    };
    const auto [p, q] = othersOf(e);
    const auto sum = [&](Element x, Element y) {
        return std::string(elementLetter(x)) + " + " + std::string(elementLetter(y)) + " = " +
               quotedDegrees(deg(x) + deg(y), sep);
    };
    switch (reason.why) {
    case NoTriangleWhy::SidesInequality:
        if (deg(e) > deg(p) + deg(q))
            return "El lado " + letter(calc, e, sep) + " es mayor que " + sum(p, q) +
                   ": cada lado de un triángulo es menor que la suma de los otros dos.";
        return "El lado " + letter(calc, e, sep) + " es igual a " + sum(p, q) +
               ": el triángulo sería plano, y cada lado de un triángulo es menor que la suma de "
               "los otros dos.";
    case NoTriangleWhy::SidesSum:
        return "Los lados suman " +
               quotedDegrees(deg(Element::a) + deg(Element::b) + deg(Element::c), sep) +
               ": los de un triángulo esférico suman menos de 360°.";
    case NoTriangleWhy::AnglesSum:
        return "Los ángulos suman " +
               quotedDegrees(deg(Element::A) + deg(Element::B) + deg(Element::C), sep) +
               ": los de un triángulo esférico suman más de 180°.";
    case NoTriangleWhy::AnglesInequality:
        return sum(p, q) + " no es menor que 180° + " + std::string(elementLetter(e)) + " = " +
               quotedDegrees(180 + deg(e), sep) +
               ": en un triángulo esférico dos ángulos suman menos que 180° más el tercero.";
    case NoTriangleWhy::SineCondition:
    case NoTriangleWhy::NoClosure: {
        // The other given element of the same kind, and the one of the other kind.
        Element other = p, between = e;
        for (const Element x : kAllElements)
            if (calc.isGiven(x) && x != e) {
                if (isSide(x) == isSide(e))
                    other = x;
                else
                    between = x;
            }
        const std::string text = "No se cierra ningún triángulo: ";
        if (reason.why == NoTriangleWhy::NoClosure)
            return text + "los dos que permite la ley de los senos tendrían algún lado o ángulo "
                          "fuera de 0° a 180°.";
        const std::string_view x = elementLetter(e), y = elementLetter(other),
                               z = elementLetter(between);
        return text + "con " + letter(calc, other, sep) + " y " + letter(calc, between, sep) +
               (isSide(e) ? ", el lado " : ", el ángulo ") + std::string(x) + ", opuesto a " +
               std::string(z) + ", tendría que cumplir sen " + std::string(x) + " ≥ sen " +
               std::string(y) + " · sen " + std::string(z) + ", y " + letter(calc, e, sep) +
               (isSide(e) ? " es demasiado corto." : " es demasiado pequeño.");
    }
    case NoTriangleWhy::Undetermined:
        return "Los datos no determinan el triángulo: los cumplen infinitos triángulos.";
    case NoTriangleWhy::Degenerate:
        if (reason.flatDegrees)
            return (isSide(e) ? "El lado " : "El ángulo ") + std::string(elementLetter(e)) +
                   " mediría exactamente " + quotedDegrees(*reason.flatDegrees, sep) +
                   ", y ningún lado ni ángulo de un triángulo mide 0° ni 180°.";
        break;
    }
    return "El triángulo tendría un lado o un ángulo de exactamente 0° o 180°, y no sería un "
           "triángulo.";
}

// Every field of `calc` not read whole, each in its own sentences, then `rule`.
std::string notReadWholeReason(const Calculation& calc, std::string_view rule,
                               std::string_view sep) {
    std::string text;
    for (const Field& field : calc.fieldsNotReadWhole())
        text += fieldReadingReason(fieldCaption(field), calc.reading(field), sep) + " ";
    return text + std::string(rule);
}

std::string badOptionReason(const Calculation& calc, std::string_view sep) {
    const auto [field, problem] = *calc.badOption;
    const Reading& r = calc.reading(field);
    const std::string caption = quotedText(optionCaption(field));
    const bool parallels = field == OptionField::LatSpacing;
    const std::string family = parallels ? "los paralelos" : "los meridianos";
    const double turn = parallels ? 180 : 360;
    switch (problem) {
    case OptionProblem::NoSpacing: {
        const std::string need =
            ": hace falta la separación de " + family + " en grados, distinta de 0.";
        if (r.read.empty())
            return caption + " está vacío" + need;
        return caption + " vale 0" + need;
    }
    case OptionProblem::TooFine:
        return caption + " = " + quotedDegrees(r.degrees.value_or(0), sep) +
               ": harían falta más de " + std::to_string(static_cast<int>(kMaxGridLines)) +
               " líneas de " + family + "; la separación más fina que se dibuja es " +
               quotedDegrees(turn / kMaxGridLines, sep) + ".";
    case OptionProblem::NotReadWhole:
        return notReadWholeReason(calc, "Las opciones de gráfico solo se usan si se leen enteras.",
                                  sep);
    case OptionProblem::TooLarge:
        break;
    }
    return caption + " (" + quotedTyped(r.read) + ") es un número demasiado grande.";
}

// The six elements of a triangle in words, for a screen reader.
std::string inWords(const TriangleSolution& t, std::string_view sep) {
    std::vector<std::string> parts;
    parts.reserve(kElements);
    for (const Element e : kAllElements)
        parts.push_back(std::string(elementCaption(e)) + " " +
                        quotedDegrees(RadtoGrad(t[e]).value(), sep));
    return joined(parts, ", ");
}

} // namespace

std::string_view measureCaption(Measure m) {
    return kMeasureCaptions[static_cast<std::size_t>(m)];
}

std::optional<double> measureValue(const Measures& measures, Measure m) {
    const auto degrees = [](const std::optional<Real>& x) -> std::optional<double> {
        if (!x)
            return std::nullopt;
        try {
            return RadtoGrad(*x).value();
        } catch (const Failure&) {
            return std::nullopt;
        }
    };
    switch (m) {
    case Measure::Excess:
        return degrees(measures.excess);
    case Measure::Area:
        return measures.area ? std::optional(measures.area->value()) : std::nullopt;
    case Measure::Perimeter:
        return degrees(measures.perimeter);
    case Measure::Circumradius:
        return degrees(measures.circumradius);
    case Measure::Inradius:
        break;
    }
    return degrees(measures.inradius);
}

std::string measureText(const Measures& measures, Measure m, std::string_view decimalSeparator) {
    const std::optional<double> value = measureValue(measures, m);
    if (!value)
        return std::string(kMeasureNotComputed);
    const std::string text = degreesText(*value, decimalSeparator);
    return m == Measure::Area ? text + std::string(kSteradians) : text + "°";
}

std::string preciseMeasureText(const Measures& measures, Measure m,
                               std::string_view decimalSeparator) {
    const std::optional<double> value = measureValue(measures, m);
    if (!value)
        return std::string(kMeasureNotComputed);
    if (m == Measure::Area)
        return preciseDegreesText(*value, decimalSeparator) + std::string(kSteradians);
    return preciseResultText(*value, decimalSeparator);
}

std::string_view optionCaption(OptionField f) {
    return kOptionCaptions[index(f)];
}

std::string_view fieldCaption(const Field& f) {
    if (const auto* e = std::get_if<Element>(&f))
        return elementCaption(*e);
    return optionCaption(std::get<OptionField>(f));
}

std::string quotedDegrees(double degrees, std::string_view decimalSeparator) {
    if (std::fabs(degrees) >= kExponentFrom)
        return exponentText(degrees, 6, decimalSeparator) + "°";
    std::string text = preciseDegreesText(degrees, ".");
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    if (text == "-0")
        text = "0";
    if (const std::size_t dot = text.find('.'); dot != std::string::npos)
        text.replace(dot, 1, decimalSeparator);
    return text + "°";
}

std::string readingNote(const Reading& reading, std::string_view decimalSeparator) {
    if (!reading.partly())
        return {};
    if (reading.read.empty())
        return withHint("No se leyó nada: " + quotedTyped(reading.left) +
                            " no empieza por un número.",
                        reading, decimalSeparator);
    return withHint("Se leyó " + readValue(reading, decimalSeparator) + "; no se leyó " +
                        quotedTyped(reading.left) + ".",
                    reading, decimalSeparator);
}

std::string fieldReadingReason(std::string_view name, const Reading& reading,
                               std::string_view decimalSeparator) {
    const std::string field = quotedText(name), typed = quotedTyped(trimmedText(reading.typed));
    if (reading.read.empty())
        return withHint("En " + field + ", " + typed +
                            " no empieza por un número: no se leyó nada.",
                        reading, decimalSeparator);
    return withHint("En " + field + ", " + typed + " no se leyó entero: se leyó " +
                        readValue(reading, decimalSeparator) + " y no " +
                        quotedTyped(reading.left) + ".",
                    reading, decimalSeparator);
}

std::string reasonText(const Calculation& calc, std::string_view decimalSeparator) {
    switch (calc.outcome) {
    case Outcome::Solved:
        return {};
    case Outcome::Underdetermined:
    case Outcome::Overdetermined:
        return countReason(calc, decimalSeparator);
    case Outcome::NotReadWhole:
        return notReadWholeReason(
            calc, "Un campo solo se usa si se lee entero: corríjalo, o vacíelo si no es un dato.",
            decimalSeparator);
    case Outcome::NoSolution:
        if (calc.outOfRange)
            return outOfRangeReason(calc, *calc.outOfRange, decimalSeparator);
        if (calc.noTriangle)
            return noTriangleReason(calc, decimalSeparator);
        return {};
    case Outcome::BadDrawingData:
        if (calc.badOption)
            return badOptionReason(calc, decimalSeparator);
        return {};
    }
    return {};
}

std::optional<Field> faultField(const Calculation& calc) {
    switch (calc.outcome) {
    case Outcome::Solved:
    case Outcome::Underdetermined:
    case Outcome::Overdetermined:
        break;
    case Outcome::NotReadWhole:
        if (const std::vector<Field> fields = calc.fieldsNotReadWhole(); !fields.empty())
            return fields.front();
        break;
    case Outcome::NoSolution:
        if (calc.outOfRange)
            return *calc.outOfRange;
        if (calc.noTriangle) {
            switch (calc.noTriangle->why) {
            case NoTriangleWhy::SidesInequality:
            case NoTriangleWhy::AnglesInequality:
            case NoTriangleWhy::SineCondition:
                return calc.noTriangle->element;
            default:
                break;
            }
        }
        break;
    case Outcome::BadDrawingData:
        if (calc.badOption)
            return calc.badOption->field;
        break;
    }
    return std::nullopt;
}

std::string announcement(const Calculation& calc, std::string_view decimalSeparator) {
    if (!calc.hasTriangles())
        return std::string(messageText(calc.outcome)) + ". " + reasonText(calc, decimalSeparator);
    std::string text = "Solución: " + inWords(calc.primary, decimalSeparator) + ".";
    if (calc.additional)
        text += " Solución adicional: " + inWords(*calc.additional, decimalSeparator) + ".";
    if (calc.outcome == Outcome::BadDrawingData)
        text += std::string(" ") + std::string(messageText(calc.outcome)) + ". " +
                reasonText(calc, decimalSeparator);
    return text;
}

std::string_view elementCaption(Element e) {
    return kCaptions[index(e)];
}

std::string_view elementLetter(Element e) {
    return kLetters[index(e)];
}

std::string_view messageText(Outcome outcome) {
    switch (outcome) {
    case Outcome::Solved:
        break;
    case Outcome::Underdetermined:
        return "Sistema subdeterminado, por favor ingrese 3 datos";
    case Outcome::Overdetermined:
        return "El programa no está preparado para verificar sistemas sobredeterminados. Por "
               "favor ingrese sólo 3 datos";
    case Outcome::NotReadWhole:
        return "Datos mal escritos";
    case Outcome::NoSolution:
        return "No existe solución";
    case Outcome::BadDrawingData:
        return "Error en datos de dibujo";
    }
    return {};
}

std::string_view statusText(const SceneDrawing& drawing) {
    if (drawing.missingSides() == 0)
        return {};
    if (drawing.triangles < 2)
        return "No se encontró solución gráfica para el lado c";
    if (drawing.missingSides() == 2)
        return "No se encontró solución gráfica para los lados c de ambas soluciones";
    if (drawing.additionalSideMissing)
        return "No se encontró solución gráfica para el lado c de la solución adicional";
    return "No se encontró solución gráfica para el lado c de la solución";
}

std::array<std::string, kResultLabels> resultLabels(const Calculation& calc,
                                                    std::string_view decimalSeparator) {
    std::array<std::string, kResultLabels> labels;
    if (!calc.hasTriangles())
        return labels;
    for (const Element e : kAllElements) {
        labels[index(e)] = resultText(calc.primary[e], decimalSeparator);
        if (calc.additional)
            labels[kElements + index(e)] = resultText((*calc.additional)[e], decimalSeparator);
    }
    return labels;
}

std::string resultsTable(const Calculation& calc, std::string_view decimalSeparator) {
    std::string table;
    if (!calc.hasTriangles())
        return table;
    const auto row = [&](std::string_view caption, std::optional<double> value) {
        table += caption;
        table += '\t';
        table +=
            value ? preciseDegreesText(*value, decimalSeparator) : std::string(kMeasureNotComputed);
        table += '\n';
    };
    const auto rows = [&](const TriangleSolution& t, const std::optional<Measures>& measures) {
        for (const Element e : kAllElements)
            row(elementCaption(e), RadtoGrad(t[e]).value());
        if (measures)
            for (const Measure m : kAllMeasures)
                row(measureCaption(m), measureValue(*measures, m));
    };
    rows(calc.primary, calc.primaryMeasures);
    if (calc.additional) {
        table += kAdditionalHeading;
        table += '\n';
        rows(*calc.additional, calc.additionalMeasures);
    }
    return table;
}

std::string_view caseName(Case kind) {
    switch (kind) {
    case Case::SSS:
        return "Tres lados";
    case Case::AAA:
        return "Tres ángulos";
    case Case::SAS:
        return "Dos lados y el ángulo comprendido";
    case Case::ASA:
        return "Dos ángulos y el lado comprendido";
    case Case::SSA:
        return "Dos lados y el ángulo opuesto a uno de ellos (caso ambiguo)";
    case Case::AAS:
        break;
    }
    return "Dos ángulos y el lado opuesto a uno de ellos (caso ambiguo)";
}

std::string pictureDescription(const SceneDrawing& drawing, ViewAngles view,
                               std::string_view decimalSeparator) {
    if (drawing.triangles == 0)
        return "Nada dibujado: la esfera y el triángulo aparecen al calcular.";
    const auto degrees = [&](double value) {
        return degreesText(value, decimalSeparator) + "°";
    };
    std::string text = "La esfera en una red de paralelos y meridianos, vista con inclinación " +
                       degrees(view.inclination) + " y rotación " + degrees(view.rotation) + ", ";
    const bool two = drawing.triangles > 1;
    if (drawing.style == PictureStyle::Classic) {
        text +=
            two ? "con los dos triángulos resueltos en rojo" : "con el triángulo resuelto en rojo";
        text += ": el vértice C en el polo norte y los lados a y b sobre meridianos.";
    } else {
        const auto names = [&](bool additional) {
            std::string named;
            for (const Vertex v : kVertices) {
                if (v != kVertices.front())
                    named += v == kVertices.back() ? " y " : ", ";
                named +=
                    vertexName(v, additional,
                               additional && drawing.sharedVertices[static_cast<std::size_t>(v)]);
            }
            return named;
        };
        text += two ? "con dos triángulos: la solución en rojo, de vértices " + names(false) +
                          ", y la solución adicional en azul, de vértices " + names(true)
                    : "con el triángulo resuelto en rojo, de vértices " + names(false);
        text += ". El vértice C está en el polo norte y los lados a y b sobre meridianos; la cara "
                "oculta de la esfera, en gris claro, y las partes ocultas de los triángulos, a "
                "trazos.";
    }
    if (drawing.primarySideMissing && drawing.additionalSideMissing)
        text += " Falta el lado c de los dos triángulos: no se pudo dibujar.";
    else if (drawing.primarySideMissing)
        text += two ? " Falta el lado c de la solución: no se pudo dibujar."
                    : " Falta el lado c: no se pudo dibujar.";
    else if (drawing.additionalSideMissing)
        text += " Falta el lado c de la solución adicional: no se pudo dibujar.";
    return text;
}

} // namespace esferica
