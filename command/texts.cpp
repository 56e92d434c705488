// SPDX-License-Identifier: GPL-3.0-or-later
#include "command/texts.h"

#include "command/numbers.h"
#include "command/precise.h"
#include "numeric/angles.h"

namespace esferica {

namespace {

constexpr std::array<std::string_view, kElements> kCaptions{"lado a",   "lado b",   "lado c",
                                                            "ángulo A", "ángulo B", "ángulo C"};
constexpr std::array<std::string_view, kElements> kLetters{"a", "b", "c", "A", "B", "C"};

} // namespace

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
    if (!drawing.additionalShown)
        return "No se encontró solución gráfica para el lado c";
    if (drawing.missingSides() == 2)
        return "No se encontró solución gráfica para los lados c de ambas soluciones";
    if (drawing.additionalSideMissing)
        return "No se encontró solución gráfica para el lado c de la solución adicional";
    return "No se encontró solución gráfica para el lado c de la solución";
}

std::array<std::string, 2 * kElements> resultLabels(const Calculation& calc,
                                                    std::string_view decimalSeparator) {
    std::array<std::string, 2 * kElements> labels;
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
    const auto rows = [&](const TriangleSolution& t) {
        for (const Element e : kAllElements) {
            table += elementCaption(e);
            table += '\t';
            table += preciseDegreesText(RadtoGrad(t[e]).value(), decimalSeparator);
            table += '\n';
        }
    };
    rows(calc.primary);
    if (calc.additional) {
        table += kAdditionalHeading;
        table += '\n';
        rows(*calc.additional);
    }
    return table;
}

} // namespace esferica
