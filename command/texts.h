// SPDX-License-Identifier: GPL-3.0-or-later
// What a Calculation says in the program's own words, for every front-end: the captions of the
// elements, the messages, the status under the picture, the result labels and the table of
// results that the window copies and the command line prints. Spanish, UTF-8.
#pragma once

#include "command/calculate.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace esferica {

// The caption of an element's input field: "lado a" ... "ángulo C".
std::string_view elementCaption(Element e);
// Its letter, as the result captions and the command line name it: "a" ... "C".
std::string_view elementLetter(Element e);
// The caption of an option field: "º red lat.", "º red long", "Inclinación", "Rotación".
std::string_view optionCaption(OptionField f);
std::string_view fieldCaption(const Field& f);

// What the input fields read, for their tooltips: the forms of a value in degrees.
inline constexpr std::string_view kInputForms =
    "Grados: 49,5 · 49°30' · 49°30'15\" (o 49.5, 49º30′15″)";

// What a field not read whole says about it, for its mark: «Se leyó 6; no se leyó «O».», or for a
// text that does not begin with a number, that nothing was read; then what the user likely meant,
// where that is clear (command/slips.h): «¿Es una letra O en lugar de un cero? Escriba «60».».
// Empty for a field read whole.
std::string readingNote(const Reading& reading, std::string_view decimalSeparator);

// The same, naming the field, for a message: «En «lado a», «6O» no se leyó entero: se leyó 6 y no
// «O». ¿Es una letra O en lugar de un cero? Escriba «60».». `name` is the field's caption, or
// the name of the command line's word. A typed text is quoted up to its 40th character.
std::string fieldReadingReason(std::string_view name, const Reading& reading,
                               std::string_view decimalSeparator);

// The measures of a triangle, in the order the table of results lists them.
enum class Measure { Excess, Area, Perimeter, Circumradius, Inradius };
inline constexpr int kMeasures = 5;
inline constexpr std::array<Measure, kMeasures> kAllMeasures{
    Measure::Excess, Measure::Area, Measure::Perimeter, Measure::Circumradius, Measure::Inradius};

// The caption of a measure: "exceso esférico", "área", "perímetro", "radio circunscrito",
// "radio inscrito".
std::string_view measureCaption(Measure m);
// A measure's value: in degrees, but the area in steradians (on the unit sphere); none where it
// could not be computed.
std::optional<double> measureValue(const Measures& measures, Measure m);
// What stands in the place of a measure that could not be computed.
inline constexpr std::string_view kMeasureNotComputed = "no se puede calcular";
// A measure's value rounded to two decimals as the result labels are, with its unit: "31,59°",
// "0,55 sr"; kMeasureNotComputed for one that could not be computed.
std::string measureText(const Measures& measures, Measure m, std::string_view decimalSeparator);
// The same to ten decimals, and for degrees in degrees, minutes and seconds too, as the result
// labels' tooltips show them.
std::string preciseMeasureText(const Measures& measures, Measure m,
                               std::string_view decimalSeparator);

// The heading of the additional triangle in the table of results.
inline constexpr std::string_view kAdditionalHeading = "Solución adicional";

// The message a click that did not end in a drawing shows: "Datos mal escritos", the two about the
// number of elements, "No existe solución" and "Error en datos de dibujo". Empty for
// Outcome::Solved.
std::string_view messageText(Outcome outcome);

// Why a click ended as it did, naming the fields by their captions and the values read: every
// field not read whole, with what was read and what was not, for "Datos mal escritos" (and for
// "Error en datos de dibujo" when option fields were not read whole); which fields were read for
// the two count messages, the broken condition for "No existe solución", the option field and
// what it needs for "Error en datos de dibujo". Empty for a solved triangle.
std::string reasonText(const Calculation& calc, std::string_view decimalSeparator);

// The field that reasonText names as the one to mend, if there is one: the first field not read
// whole, the element that breaks a condition, the option field.
std::optional<Field> faultField(const Calculation& calc);

// What a screen reader hears after a click: the solution (and the additional triangle) in words,
// or the message and its reason.
std::string announcement(const Calculation& calc, std::string_view decimalSeparator);

// A value in degrees as the texts above quote it: to ten decimals at most, trailing zeros
// dropped, with the degree sign ("60°", "70,5287793655°").
std::string quotedDegrees(double degrees, std::string_view decimalSeparator);

// What the status label under the picture says after a drawing: empty, or that a side c could not
// be drawn ("No se encontró solución gráfica para el lado c"), naming the triangle it belongs to
// when two are shown, or both.
std::string_view statusText(const SceneDrawing& drawing);

// The texts of the twelve result labels: the six elements of the solution, then the six of the
// additional triangle, each rounded to two decimals with `decimalSeparator`; empty where there is
// nothing to show.
std::array<std::string, kResultLabels> resultLabels(const Calculation& calc,
                                                    std::string_view decimalSeparator);

// The table of results: for each element of the solution a line "caption TAB value", the value in
// degrees to ten decimals with `decimalSeparator`, then a line for each of its measures (the area
// in steradians); then, for an additional triangle, the line kAdditionalHeading and its lines.
// Empty when no triangle is shown.
std::string resultsTable(const Calculation& calc, std::string_view decimalSeparator);

// What a drawing put in the picture, for screen readers and the picture's files: nothing, or one
// or two triangles with the names of their vertices, their colours and the sides c left out,
// under the view `view` (degrees, written with `decimalSeparator`).
std::string pictureDescription(const SceneDrawing& drawing, ViewAngles view,
                               std::string_view decimalSeparator);

// The case that the given elements form, in words: "Tres lados", "Dos lados y el ángulo
// comprendido", ... for the handout page.
std::string_view caseName(Case kind);

} // namespace esferica
