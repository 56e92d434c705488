// SPDX-License-Identifier: GPL-3.0-or-later
// What a Calculation shows, in the user's units and language, for every front end: a View holds
// the result labels and their tooltips, the notes of the fields, the measures, the message and
// its reason, the announcement and the table of results. The window, the command line and the
// page only bind it. The functions below it build its parts, and the texts that depend on more
// than one click (the status line, which follows a drawing; the captions).
#pragma once

#include "command/calculate.h"
#include "drawing/svg.h"
#include "present/catalogue.h"
#include "present/units.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace esferica {

// The measures of a triangle, in the order the table of results lists them.
enum class Measure { Excess, Area, Perimeter, Circumradius, Inradius };
inline constexpr int kMeasures = 5;
inline constexpr std::array<Measure, kMeasures> kAllMeasures{
    Measure::Excess, Measure::Area, Measure::Perimeter, Measure::Circumradius, Measure::Inradius};

// A measure's value: in degrees, but the area in steradians (on the unit sphere); none where it
// could not be computed.
std::optional<double> measureValue(const Measures& measures, Measure m);

// A measure as a column of the table of results shows it: in the units' form, the area in
// steradians without its unit; what stands in its place when it could not be computed.
std::string measureCell(const Measures& measures, Measure m, const Units& units,
                        const Catalogue& words);

// One shown value: its text, and its full precision for a tooltip. Both empty where there is
// nothing to show.
struct Shown {
    std::string text, tooltip;
};

// Everything a front end shows of one click.
struct View {
    // The twelve result labels: the six elements of the solution, then the six of the additional
    // triangle; bold marks the given elements.
    std::array<Shown, kResultLabels> results;
    std::array<bool, kElements> bold{};
    // The mark of each of the ten fields (the six inputs, then the four options): what was read
    // of a field not read whole; empty for one read whole.
    std::array<std::string, kElements + kOptionFields> notes;
    // The five measures of each triangle, and each triangle's all of them in lines "caption:
    // value" for the tooltip of its row.
    std::array<std::array<Shown, kMeasures>, 2> measures;
    std::array<std::string, 2> measureRows;
    // The message of a click that did not end in a drawing, its reason, and the field to mend.
    std::string message, reason;
    std::optional<Field> fault;
    std::string announcement; // what a screen reader hears
    std::string table;        // what "Copiar resultados" copies and the command line prints
};

View present(const Calculation& calc, const Units& units, const Catalogue& words);

// The caption of an element's input field: "lado a" ... "ángulo C".
std::string_view elementCaption(Element e, const Catalogue& words);
// Its letter, as the result captions and the command line name it: "a" ... "C", in every
// language.
std::string_view elementLetter(Element e);
// The caption of an option field: "º red lat.", "º red long", "Inclinación", "Rotación".
std::string_view optionCaption(OptionField f, const Catalogue& words);
std::string_view fieldCaption(const Field& f, const Catalogue& words);
// The caption of a measure: "exceso esférico", "área", "perímetro", "radio circunscrito",
// "radio inscrito".
std::string_view measureCaption(Measure m, const Catalogue& words);
// The case that the given elements form, in words: "Tres lados", ... for the handout page.
std::string_view caseName(Case kind, const Catalogue& words);
// The message of an outcome; empty for Outcome::Solved.
std::string_view messageText(Outcome outcome, const Catalogue& words);
// The name of an angle format, as a menu offers it.
std::string_view formatName(AngleFormat format, const Catalogue& words);

// What a field not read whole says about it, for its mark: «Se leyó 6; no se leyó «O».», or for a
// text that does not begin with a number, that nothing was read; then what the user likely meant,
// where that is clear (present/slips.h). Empty for a field read whole.
std::string readingNote(const Reading& reading, const Units& units, const Catalogue& words);

// The same, naming the field, for a message: «En «lado a», «6O» no se leyó entero: se leyó 6 y no
// «O». ¿Es una letra O en lugar de un cero? Escriba «60».». `name` is the field's caption, or
// the name of the command line's word. A typed text is quoted up to its 40th character.
std::string fieldReadingReason(std::string_view name, const Reading& reading, const Units& units,
                               const Catalogue& words);

// Why a click ended as it did, naming the fields by their captions and the values read: every
// field not read whole, with what was read and what was not, for "Datos mal escritos" (and for
// "Error en datos de dibujo" when option fields were not read whole); which fields were read for
// the two count messages, the broken condition for "No existe solución", the option field and
// what it needs for "Error en datos de dibujo". Empty for a solved triangle.
std::string reasonText(const Calculation& calc, const Units& units, const Catalogue& words);

// The field that reasonText names as the one to mend, if there is one: the first field not read
// whole, the element that breaks a condition, the option field.
std::optional<Field> faultField(const Calculation& calc);

// What the status label under the picture says after a drawing: empty, or that a side c could not
// be drawn ("No se encontró solución gráfica para el lado c"), naming the triangle it belongs to
// when two are shown, or both.
std::string_view statusText(const SceneDrawing& drawing, const Catalogue& words);

// The table of results: for each element of the solution a line "caption TAB value", the value in
// the units' form (decimal degrees to ten decimals unless told otherwise), then a line for each of
// its measures (the area in steradians); then, for an additional triangle, its heading and its
// lines. Empty when no triangle is shown.
std::string resultsTable(const Calculation& calc, const Units& units, const Catalogue& words);

// What a drawing put in the picture, for screen readers and the picture's files: nothing, or one
// or two triangles with the names of their vertices, their colours and the sides c left out,
// under the view `view` (degrees, written with `decimalSeparator`).
std::string pictureDescription(const SceneDrawing& drawing, ViewAngles view,
                               std::string_view decimalSeparator, const Catalogue& words);

// The names of a picture's SVG layers in the catalogue's language.
SvgLayerNames svgLayerNames(const Catalogue& words);

} // namespace esferica
