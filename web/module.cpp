// SPDX-License-Identifier: GPL-3.0-or-later
// The core as the page sees it: the functions of the WebAssembly module (esferica-core.mjs), bound
// with embind. Each takes and returns plain JavaScript values, so the page holds no copy of any
// computation or text: it shows what a click returns.
//
//   fields(language)               the ten fields: captions, texts at start, what they read, and
//                                  the page's texts that the window shares (the forms of an angle
//                                  by their codes and names), in the language "es"
//                                  or "en"
//   calculate(texts, separator, language, format)
//                                  one click of Calcular on the ten texts, in the window's order
//                                  (a b c A B C, then the four drawing options), with the decimal
//                                  separator of the page's language, in the language and the form
//                                  of an angle ("decimal", "gms", "gm" or "rad") chosen: what the
//                                  page shows
//   present(language, format)      the last click shown again in another language or form of an
//                                  angle, without calculating it again
//   working(language, format)      the working of the last click ("Procedimiento") as text, in
//                                  the language and the form of an angle, with the decimal
//                                  separator of that click: its final values are the labels that
//                                  present shows
//   turn(inclination, rotation)    a turn by hand of the given degrees, as the window's drag and
//                                  arrow keys ask for: the texts that the fields "Inclinación" and
//                                  "Rotación" then show, or null while the turn is too small for
//                                  them to change
//   draw(inclination, rotation, width, height, style, moving, language)
//                                  the last click's scene turned to the view that the two texts
//                                  read as (when they do), drawn on a picture of width by height
//                                  pixels in the readable or the classic style, its grid thinned
//                                  while `moving`: the picture's SVG document, as the window saves
//                                  it, and what the window says about it in the language
//   sailing(departure, arrival, radius, separator, language)
//                                  great-circle sailing between two positions as printed, on a
//                                  sphere of the radius in kilometres (blank: the Earth's mean
//                                  radius), as the navigation window solves it: its results as it
//                                  shows them ("3101,2 millas (5747,4 km)"), each a name and a
//                                  value, and its note; or why not and the field at fault (0 the
//                                  departure, 1 the arrival, 2 the radius)
//   sight(latitude, declination, hourAngle, greenwichHourAngle, longitude, observed, separator,
//         language)
//                                  the position triangle of a sight, a blank text being a datum
//                                  not given, as the navigation window solves it: its results
//                                  ("61°06,7′") and its note, or why not and the datum at fault,
//                                  in the order of the arguments
// The reasons of a click write numbers with its decimal separator; the navigation problems with
// the one they are given. A language or a form not known is taken as Spanish or decimal degrees.
#include "cli/navigation.h"
#include "command/calculate.h"
#include "command/numbers.h"
#include "drawing/record.h"
#include "drawing/svg.h"
#include "numeric/angles.h"
#include "present/catalogue.h"
#include "present/format.h"
#include "present/navigationtexts.h"
#include "present/units.h"
#include "present/view.h"
#include "working/text.h"
#include "working/working.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <numbers>
#include <optional>
#include <string>
#include <string_view>

namespace esferica {

namespace {

using emscripten::val;

constexpr int kFields = kElements + kOptionFields;

// The page's state between clicks, as the window's: the last click, whose elements a field that
// cannot be read carries over, and the scene its picture turns.
Calculator& calculator() {
    static Calculator instance;
    return instance;
}

// The decimal separator of the last click, which the view's texts are written with.
std::string& lastSeparator() {
    static std::string separator = ".";
    return separator;
}

// A field's place in the window's order.
int fieldIndex(const Field& field) {
    if (const auto* e = std::get_if<Element>(&field))
        return static_cast<int>(index(*e));
    return kElements + static_cast<int>(index(std::get<OptionField>(field)));
}

const char* outcomeName(Outcome outcome) {
    switch (outcome) {
    case Outcome::Solved:
        return "solved";
    case Outcome::Underdetermined:
        return "underdetermined";
    case Outcome::Overdetermined:
        return "overdetermined";
    case Outcome::NotReadWhole:
        return "not-read-whole";
    case Outcome::NoSolution:
        return "no-solution";
    case Outcome::BadDrawingData:
        return "bad-drawing-data";
    }
    return "";
}

const Catalogue& words(const std::string& language) {
    return Catalogue::of(languageNamed(language).value_or(Language::Spanish));
}

// A text of a button or a menu without its keyboard mark: "&Calcular" is "Calcular".
std::string unmarked(std::string_view text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        plain += text[i];
    }
    return plain;
}

val captions(const Catalogue& words) {
    val list = val::array();
    for (const Element e : kAllElements)
        list.call<void>("push", std::string(elementCaption(e, words)));
    for (int i = 0; i < kOptionFields; ++i)
        list.call<void>("push", std::string(optionCaption(static_cast<OptionField>(i), words)));
    return list;
}

// The navigation problems' fields by the window's names, without their prefixes: the caption is
// the label's, the tooltip and the example the field's.
constexpr std::array<std::string_view, 3> kSailingFields{"Salida", "Llegada", "Radio"};
constexpr std::array<std::string_view, kSightData> kSightFields{
    "Latitud", "Declinacion", "Horario", "HorarioGreenwich", "Longitud", "Observada"};

template <std::size_t N>
val navigationFields(const std::array<std::string_view, N>& names, const Catalogue& said) {
    val list = val::array();
    for (const std::string_view name : names) {
        const NavigationCaption label = esferica::navigationTexts("lbl" + std::string(name), said);
        const NavigationCaption field = esferica::navigationTexts("txt" + std::string(name), said);
        val texts = val::object();
        texts.set("caption", unmarked(label.caption));
        texts.set("tip", std::string(field.tip));
        texts.set("example", std::string(field.example));
        list.call<void>("push", texts);
    }
    return list;
}

val navigationTexts(const Catalogue& said) {
    const auto caption = [&said](std::string_view name) {
        return unmarked(esferica::navigationTexts(name, said).caption);
    };
    val texts = val::object();
    texts.set("title", caption("frmNavegacion"));
    texts.set("sailing", caption("tabOrtodromica"));
    texts.set("sight", caption("tabPosicion"));
    texts.set("calculate", caption("cmdCalcular"));
    texts.set("sailingFields", navigationFields(kSailingFields, said));
    texts.set("sightFields", navigationFields(kSightFields, said));
    return texts;
}

val fields(const std::string& language) {
    const Catalogue& said = words(language);
    val defaults = val::array();
    for (int i = 0; i < kElements; ++i)
        defaults.call<void>("push", std::string());
    for (const char* text : kDefaultOptionTexts)
        defaults.call<void>("push", std::string(text));
    val formats = val::array();
    for (const AngleFormat format : kAllAngleFormats) {
        val named = val::object();
        named.set("code", std::string(angleFormatName(format)));
        named.set("name", std::string(formatName(format, said)));
        formats.call<void>("push", named);
    }
    val result = val::object();
    result.set("captions", captions(said));
    result.set("texts", defaults);
    result.set("inputForms", std::string(said.text(Text::InputForms)));
    result.set("title", unmarked(said.text(Text::WinTitle)));
    result.set("calculate", unmarked(said.text(Text::WinCalculate)));
    result.set("solution", unmarked(said.text(Text::SolutionHeading)));
    result.set("additional", unmarked(said.text(Text::AdditionalHeading)));
    result.set("additionalIfAny", unmarked(said.text(Text::WinAdditional)));
    result.set("status", unmarked(said.text(Text::AccessibleStatus)));
    result.set("copyResults", unmarked(said.text(Text::ActCopyResults)));
    result.set("classic", unmarked(said.text(Text::ActClassic)));
    result.set("sphere", unmarked(said.text(Text::AccessibleSphere)));
    result.set("working", unmarked(said.text(Text::WinWorking)));
    result.set("workingTitle", unmarked(said.text(Text::WorkingTitle)));
    result.set("copy", unmarked(said.text(Text::ActCopy)));
    result.set("close", unmarked(said.text(Text::WorkingClose)));
    result.set("navigation", navigationTexts(said));
    result.set("formats", formats);
    return result;
}

// The units of the page's results: the form of an angle chosen, the last click's separator.
Units shownUnits(const std::string& format) {
    Units units;
    units.format = angleFormatNamed(format).value_or(AngleFormat::Decimal);
    units.decimalSeparator = lastSeparator();
    return units;
}

val shownView(const std::string& language, const std::string& format) {
    const Calculation& calc = calculator().last();
    const View shown = present(calc, shownUnits(format), words(language));

    val labels = val::array(), precise = val::array();
    for (const Shown& result : shown.results) {
        labels.call<void>("push", result.text);
        precise.call<void>("push", result.tooltip);
    }
    val notes = val::array();
    for (const std::string& note : shown.notes)
        notes.call<void>("push", note);

    val view = val::object();
    view.set("outcome", std::string(outcomeName(calc.outcome)));
    view.set("labels", labels);
    view.set("precise", precise);
    view.set("table", shown.table);
    view.set("message", shown.message);
    view.set("reason", shown.reason);
    view.set("notes", notes);
    view.set("fault", shown.fault ? fieldIndex(*shown.fault) : -1);
    view.set("announcement", shown.announcement);
    return view;
}

val calculate(const val& texts, const std::string& separator, const std::string& language,
              const std::string& format) {
    FieldTexts typed;
    for (int i = 0; i < kFields; ++i) {
        const std::string text = texts[i].isString() ? texts[i].as<std::string>() : std::string();
        if (i < kElements)
            typed.inputs[static_cast<std::size_t>(i)] = text;
        else
            typed.options[static_cast<std::size_t>(i - kElements)] = text;
    }
    lastSeparator() = separator;
    calculator().calculate(typed);
    return shownView(language, format);
}

std::string working(const std::string& language, const std::string& format) {
    const Language said = languageNamed(language).value_or(Language::Spanish);
    return renderWorking(workingOf(calculator().last()),
                         workingStyle(said, shownUnits(format), ResultsShown::Labels));
}

// `text` without the blanks around it.
std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// A solved problem as the navigation window shows it: each result's name and value (those with a
// value), and the note under them.
template <std::size_t N>
val answered(const std::array<ResultName, N>& names, const std::array<std::string, N>& values,
             const std::string& note, const Catalogue& said) {
    val lines = val::array();
    for (std::size_t i = 0; i < N; ++i) {
        if (values[i].empty())
            continue;
        val line = val::array();
        line.call<void>("push", std::string(said.text(names[i].caption)));
        line.call<void>("push", values[i]);
        lines.call<void>("push", line);
    }
    val result = val::object();
    result.set("lines", lines);
    result.set("note", note);
    result.set("reason", std::string());
    result.set("fault", -1);
    return result;
}

val refused(const std::string& reason, std::size_t fault) {
    val result = val::object();
    result.set("lines", val::array());
    result.set("note", std::string());
    result.set("reason", reason);
    result.set("fault", static_cast<int>(fault));
    return result;
}

val sailing(const std::string& departure, const std::string& arrival, const std::string& radius,
            const std::string& separator, const std::string& language) {
    const Catalogue& said = words(language);
    // As the navigation window reads them: a position not read is told before the radius.
    constexpr std::size_t kRadiusField = 2;
    const std::string_view typed = trimmed(radius);
    const std::optional<double> radiusKm = typed.empty() ? kMeanEarthRadiusKm : readRadius(typed);
    const RouteReading route =
        readRoute(departure, arrival, radiusKm.value_or(kMeanEarthRadiusKm), separator, said);
    if (!route.sailing)
        return refused(route.reason, route.fault);
    if (!radiusKm)
        return refused(radiusReason(radius, said), kRadiusField);
    const Sailing& s = *route.sailing;
    return answered(kSailingResultNames, sailingResultTexts(s, separator, said),
                    sailingNote(s, separator, said), said);
}

val sight(const std::string& latitude, const std::string& declination, const std::string& hourAngle,
          const std::string& greenwichHourAngle, const std::string& longitude,
          const std::string& observed, const std::string& separator, const std::string& language) {
    const Catalogue& said = words(language);
    const std::array<const std::string*, kSightData> typed{
        &latitude, &declination, &hourAngle, &greenwichHourAngle, &longitude, &observed};
    SightTexts texts;
    for (std::size_t d = 0; d < kSightData; ++d)
        if (!trimmed(*typed[d]).empty())
            texts[d] = *typed[d];
    const SightReading reading = readSight(texts, separator, said);
    if (!reading.sight)
        return refused(reading.reason, static_cast<std::size_t>(reading.fault));
    const Sight& s = *reading.sight;
    return answered(kSightResultNames, sightResultTexts(s, separator, said), sightNote(s, said),
                    said);
}

val turn(double inclinationDeg, double rotationDeg) {
    Calculator& calc = calculator();
    if (!calc.hasScene())
        return val::null();
    const ViewAngles view = calc.turnBy(inclinationDeg, rotationDeg);
    if (view == calc.sceneView())
        return val::null();
    val texts = val::object();
    texts.set("inclination", degreesText(view.inclination, lastSeparator()));
    texts.set("rotation", degreesText(view.rotation, lastSeparator()));
    return texts;
}

val draw(const std::string& inclination, const std::string& rotation, int width, int height,
         const std::string& style, bool moving, const std::string& language) {
    Calculator& calc = calculator();
    calc.turnTo(inclination, rotation);
    calc.setPictureStyle(style == "classic" ? PictureStyle::Classic : PictureStyle::Readable);
    const int w = std::max(width, 1), h = std::max(height, 1);
    RecordingSurface picture(w, h);
    const SceneDrawing drawing =
        calc.drawPicture(picture, moving ? GridThinning{static_cast<double>(w)} : GridThinning{});
    const Catalogue& said = words(language);
    const std::string description =
        pictureDescription(drawing, calc.sceneView(), lastSeparator(), said);
    val result = val::object();
    result.set("svg", svgDocument(picture.record(), w, h, said.text(Text::AccessibleSphere),
                                  description, svgLayerNames(said)));
    result.set("drawn", drawing.triangles > 0);
    result.set("thinned", drawing.gridThinned);
    result.set("description", description);
    result.set("status", std::string(statusText(drawing, said)));
    return result;
}

} // namespace

EMSCRIPTEN_BINDINGS(esferica) {
    emscripten::function("fields", &fields);
    emscripten::function("calculate", &calculate);
    emscripten::function("present", &shownView);
    emscripten::function("working", &working);
    emscripten::function("turn", &turn);
    emscripten::function("draw", &draw);
    emscripten::function("sailing", &sailing);
    emscripten::function("sight", &sight);
}

} // namespace esferica
