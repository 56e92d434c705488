// SPDX-License-Identifier: GPL-3.0-or-later
// The working in words: the sentences of each language and how its numbers are written.
#pragma once

#include "present/catalogue.h"
#include "present/units.h"
#include "working/working.h"

#include <string>
#include <string_view>

namespace esferica {

// How the working is written: its language; its angles in decimal degrees with `decimals`
// decimals (2, as the result labels show them; 10, as the table of results), or in another
// `format` with `formatDecimals` decimals in its last unit; its areas with `decimals` decimals
// and its ratios with two more; and `separator` in every number.
struct WorkingStyle {
    Language language = Language::Spanish;
    int decimals = 2;
    std::string separator = ",";
    AngleFormat format = AngleFormat::Decimal;
    int formatDecimals = 0;
};

// Which results the working's final values are written as: the result labels of the window and
// the page, or the table of the command line and of the copied results.
enum class ResultsShown { Labels, Table };

// The style whose final values are the results exactly as `units` shows them in `shown`.
WorkingStyle workingStyle(Language language, const Units& units, ResultsShown shown);

// The text of a sentence, with {0}, {1}, ... standing for its words.
std::string_view sentenceText(Sentence s, Language language);

// What a click that read no three elements says instead of a working: the program's message.
std::string outcomeText(Outcome outcome, Language language);

// A number of the working as `style` writes it: an angle as the results show it ("42,35°",
// "60°"), an angle on the way the same but with its significant digits where that would show 0
// ("1·10⁻³°"), an area in steradians ("0,55 sr"), a ratio to two decimals more ("0,6736", and
// "1,2346·10⁻⁹" when that would show no digit), a residual in scientific notation
// ("2,2·10⁻¹⁶"); a measure that could not be computed in words.
std::string workingNumber(const Value& value, const WorkingStyle& style);

// The working as text, one line per formula or condition, indented under its headings.
std::string renderWorking(const Working& working, const WorkingStyle& style = {});

} // namespace esferica
