// SPDX-License-Identifier: GPL-3.0-or-later
#include "command/texts.h"

#include "command/numbers.h"
#include "command/precise.h"
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

std::string quotedText(std::string_view text) {
    return "«" + std::string(text) + "»";
}

// "«lado a» = 60°", or the text itself where it holds no value of a double.
std::string named(const Calculation& calc, Element e, std::string_view sep) {
    const Reading& r = calc.reading(e);
    std::string text = quotedText(elementCaption(e));
    if (r.degrees)
        return text + " = " + quotedDegrees(*r.degrees, sep);
    return text + " (" + quotedText(r.read) + ")";
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
        } else if (r.read.empty() && r.partly()) {
            notCounted.push_back(quotedText(elementCaption(e)) + " no cuenta: " +
                                 quotedText(r.left) + " no empieza por un número.");
        } else if (!r.degrees) {
            notCounted.push_back(quotedText(elementCaption(e)) + " no cuenta: " +
                                 quotedText(r.read) + " es un número demasiado grande.");
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
    const bool marked = r.read.find_first_of("°º'\"") != std::string::npos ||
                        r.read.find("\u2032") != std::string::npos ||
                        r.read.find("\u2033") != std::string::npos;
    if (std::fabs(*r.degrees) > 360 && !marked)
        text += " Si son grados, minutos y segundos, escríbalos con sus signos: 40°25'30\".";
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
        break;
    }
    return "El triángulo tendría un lado o un ángulo de exactamente 0° o 180°, y no sería un "
           "triángulo.";
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
        if (r.read.empty() && r.left.empty())
            return caption + " está vacío" + need;
        if (r.read.empty())
            return caption + " no empieza por un número (" + quotedText(r.left) + ")" + need;
        return caption + " vale 0" + need;
    }
    case OptionProblem::TooFine:
        return caption + " = " + quotedDegrees(r.degrees.value_or(0), sep) +
               ": harían falta más de " + std::to_string(static_cast<int>(kMaxGridLines)) +
               " líneas de " + family + "; la separación más fina que se dibuja es " +
               quotedDegrees(turn / kMaxGridLines, sep) + ".";
    case OptionProblem::TooLarge:
        break;
    }
    return caption + " (" + quotedText(r.read) + ") es un número demasiado grande.";
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
        return "No se leyó nada: " + quotedText(reading.left) +
               " no empieza por un número, y el campo cuenta como vacío.";
    std::string value = reading.degrees ? quotedDegrees(*reading.degrees, decimalSeparator)
                                        : quotedText(reading.read);
    if (value.ends_with("°"))
        value.erase(value.size() - std::string_view("°").size());
    return "Se leyó " + value + "; no se leyó " + quotedText(reading.left) + ".";
}

std::string reasonText(const Calculation& calc, std::string_view decimalSeparator) {
    switch (calc.outcome) {
    case Outcome::Solved:
        return {};
    case Outcome::Underdetermined:
    case Outcome::Overdetermined:
        return countReason(calc, decimalSeparator);
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
        break;
    case Outcome::Underdetermined:
    case Outcome::Overdetermined:
        for (const Element e : kAllElements)
            if (calc.reading(e).partly())
                return e;
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

} // namespace esferica
