// SPDX-License-Identifier: GPL-3.0-or-later
// What a Calculation says in the program's own words, for every front-end: the captions of the
// elements, the messages, the status under the picture, the result labels and the table of
// results that the window copies and the command line prints. Spanish, UTF-8.
#pragma once

#include "command/calculate.h"

#include <array>
#include <string>
#include <string_view>

namespace esferica {

// The caption of an element's input field: "lado a" ... "ángulo C".
std::string_view elementCaption(Element e);
// Its letter, as the result captions and the command line name it: "a" ... "C".
std::string_view elementLetter(Element e);

// The heading of the additional triangle in the table of results.
inline constexpr std::string_view kAdditionalHeading = "Solución adicional";

// The message a click that did not end in a drawing shows: the two about the number of elements,
// "No existe solución" and "Error en datos de dibujo". Empty for Outcome::Solved.
std::string_view messageText(Outcome outcome);

// What the status label under the picture says after a drawing: empty, or that a side c could not
// be drawn ("No se encontró solución gráfica para el lado c"), naming the triangle it belongs to
// when two are shown, or both.
std::string_view statusText(const SceneDrawing& drawing);

// The texts of the twelve result labels: the six elements of the solution, then the six of the
// additional triangle, each rounded to two decimals with `decimalSeparator`; empty where there is
// nothing to show.
std::array<std::string, 2 * kElements> resultLabels(const Calculation& calc,
                                                    std::string_view decimalSeparator);

// The table of results: for each element of the solution a line "caption TAB value", the value in
// degrees to ten decimals with `decimalSeparator`; then, for an additional triangle, the line
// kAdditionalHeading and its six lines. Empty when no triangle is shown.
std::string resultsTable(const Calculation& calc, std::string_view decimalSeparator);

} // namespace esferica
