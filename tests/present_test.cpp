// SPDX-License-Identifier: GPL-3.0-or-later
// What a click shows: the one formatter of numbers in every angle form, the catalogue of
// sentences in both languages, and the View of a click in Spanish and in English.
#include "command/calculate.h"
#include "numeric/angles.h"
#include "present/catalogue.h"
#include "present/format.h"
#include "present/view.h"
#include "tests/support/names.h"
#include "tests/support/spanish_words.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <numbers>
#include <set>
#include <string>
#include <vector>

namespace esferica {
namespace {

struct TextCase {
    double degrees;
    const char* text;
};

class DegreesText : public ::testing::TestWithParam<TextCase> {};

TEST_P(DegreesText, RoundsToTwoDecimalsAndWritesPlainDecimal) {
    EXPECT_EQ(degreesText(GetParam().degrees, "."), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DegreesText,
    ::testing::Values(TextCase{70.52877936550931, "70.53"}, TextCase{90, "90"},
                      TextCase{0.5, "0.5"}, TextCase{-12.25, "-12.25"}, TextCase{0.05, "0.05"},
                      TextCase{-0.5, "-0.5"}, TextCase{100.1, "100.1"}, TextCase{179.999, "180"},
                      // ties go to the even neighbour
                      TextCase{0.125, "0.12"}, TextCase{0.375, "0.38"}, TextCase{-0.125, "-0.12"},
                      TextCase{30.125, "30.12"}, TextCase{2.5, "2.5"},
                      // only exact ties are ties: 1.005 is stored just below 1.005
                      TextCase{1.005, "1"}, TextCase{1.015, "1.01"}, TextCase{0.285, "0.28"},
                      // never "-0"
                      TextCase{-0.001, "0"}, TextCase{-0.004, "0"}, TextCase{0, "0"},
                      // -0.005 is stored just beyond -0.005, so it is not a tie
                      TextCase{-0.005, "-0.01"}, TextCase{-0.0, "0"},
                      // large but below 1e15: still plain
                      TextCase{123456789012.34, "123456789012.34"},
                      TextCase{-999999999999999.0, "-999999999999999"},
                      // products above 2^52 round, but the exact value decides
                      TextCase{999999999999999.12, "999999999999999.12"},
                      TextCase{70000000000000.125, "70000000000000.12"},
                      TextCase{70000000000000.375, "70000000000000.38"}),
    [](const auto& info) { return testing::testName(info.param.degrees); });

TEST(DegreesText, UsesTheLocaleSeparator) {
    EXPECT_EQ(degreesText(70.52877936550931, ","), "70,53");
    EXPECT_EQ(degreesText(-0.5, ","), "-0,5");
    EXPECT_EQ(degreesText(90, ","), "90");
}

TEST(DegreesText, HugeValuesUseAnExponent) {
    EXPECT_EQ(degreesText(1e15, "."), "1E+15");
    EXPECT_EQ(degreesText(-1.5e20, ","), "-1,5E+20");
    EXPECT_EQ(degreesText(1.7976931348623157e308, "."), "1.79769313486232E+308");
    // Beyond the doubles: a text all the same, never a crash.
    EXPECT_EQ(degreesText(std::numeric_limits<double>::infinity(), "."), "∞");
    EXPECT_EQ(decimalText(-std::numeric_limits<double>::infinity(), 10, "."), "-∞");
    EXPECT_EQ(decimalText(std::nan(""), 10, "."), "NaN");
}

// A result is held in radians and labelled in degrees.
TEST(ResultLabel, RadiansAreConvertedFirst) {
    for (double d : {1.0, 30.0, 45.0, 60.0, 90.0, 120.0, 180.0})
        EXPECT_EQ(angleLabel(RadtoGrad(GradtoRad(d)).value(), Units{}),
                  std::to_string(static_cast<int>(d)));
    EXPECT_EQ(angleLabel(RadtoGrad(GradtoRad(30.126)).value(), Units{}), "30.13");
}

TEST(ResultLabel, FailsWhenTheDegreeValueOverflows) {
    EXPECT_THROW(RadtoGrad(1e308), ArithmeticFailure);
}

// Values in degrees to ten decimals and in degrees, minutes and seconds, with the seconds
// carrying into minutes and degrees, in the Spanish separator.
TEST(PreciseText, TenDecimalsAndDegreesMinutesSeconds) {
    const struct {
        double degrees;
        const char* text;
    } rows[] = {
        {std::acos(1.0 / 3) * 180 / std::numbers::pi, "70,5287793655° = 70° 31′ 43,61″"},
        {60, "60,0000000000° = 60° 0′ 0,00″"},
        {-12.25, "-12,2500000000° = -12° 15′ 0,00″"},
        {10.999999, "10,9999990000° = 11° 0′ 0,00″"},         // 59′ 59.9964″ carries twice
        {29.99999999999999, "30,0000000000° = 30° 0′ 0,00″"}, // rounds up in both texts
        {59.994 / 3600, "0,0166650000° = 0° 0′ 59,99″"},
        {-1e-12, "0,0000000000° = 0° 0′ 0,00″"}, // no sign without a digit to carry it
        {1e20, "1,0000000000E+20°"},             // beyond where a second can be told apart
    };
    for (const auto& row : rows) {
        EXPECT_EQ(preciseResultText(row.degrees, ","), row.text);
        Units units;
        units.decimalSeparator = ",";
        EXPECT_EQ(angleTooltip(row.degrees, units), row.text);
    }
}

// Every form rounds the whole value once, in its last unit, from the exact double: the carries
// never leave 60 minutes or seconds, ties go to the even neighbour, and a minus sign shows only
// with a digit to carry it.
TEST(AngleText, RoundsOnceInTheLastUnitOfEachForm) {
    using enum AngleFormat;
    const struct {
        double degrees;
        AngleFormat format;
        int decimals;
        const char* text;
        const char* separator = ".";
    } rows[] = {
        {59.99999, DegreesMinutesSeconds, 0, "60° 0′ 0″"},
        {59.99999, DegreesMinutesSeconds, 2, "59° 59′ 59.96″"},
        {-12.25, DegreesMinutesSeconds, 0, "-12° 15′ 0″"},
        {-1e-9, DegreesMinutesSeconds, 2, "0° 0′ 0.00″"},
        {1.0 / 128, DegreesMinutesSeconds, 2, "0° 0′ 28.12″"}, // 28.125″ exactly: to even
        {3.0 / 128, DegreesMinutesSeconds, 2, "0° 1′ 24.38″"}, // 84.375″ exactly: to even
        {179.9999999, DegreesMinutesSeconds, 3, "180° 0′ 0.000″"},
        {10.5, DegreesDecimalMinutes, 2, "10° 30.00′"},
        {59.999999, DegreesDecimalMinutes, 2, "60° 0.00′"},
        {1.0 / 256, DegreesDecimalMinutes, 5, "0° 0.23438′"}, // 0.234375′ exactly: to even
        {-0.5, DegreesDecimalMinutes, 0, "-0° 30′"},
        {49.5, DegreesDecimalMinutes, 1, "49° 30,0′", ","},
        {180, Radians, 10, "3.1415926536 rad"},
        {-90, Radians, 4, "-1.5708 rad"},
        {70.52877936550931, Decimal, 10, "70.5287793655°"},
        {0.125, Decimal, 2, "0.12°"},
        {-0.001, Decimal, 2, "0.00°"},
        {12.5, Decimal, 0, "12°"},
        {1e20, DegreesMinutesSeconds, 2, "1.00E+20°"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(angleText(row.degrees, row.format, row.decimals, row.separator), row.text)
            << row.degrees << " in " << angleFormatName(row.format);
}

// Fifty thousand values near a whole second, minute or degree: the seconds and minutes shown are
// always below 60, and the text reads back to within half its last unit.
TEST(AngleText, CarriesNeverShowSixty) {
    for (int i = 0; i < 50000; ++i) {
        const double degrees = i / 3600.0 - 1e-7 * (i % 7);
        for (const int decimals : {0, 1, 2}) {
            const std::string text =
                angleText(degrees, AngleFormat::DegreesMinutesSeconds, decimals, ".");
            EXPECT_EQ(text.find(" 60"), std::string::npos) << text;
        }
        EXPECT_EQ(angleText(degrees, AngleFormat::DegreesDecimalMinutes, 0, ".").find(" 60′"),
                  std::string::npos);
    }
}

TEST(Units, FormatsAreNamedForTheCommandLine) {
    for (const AngleFormat format : kAllAngleFormats)
        EXPECT_EQ(angleFormatNamed(angleFormatName(format)), format);
    EXPECT_EQ(angleFormatNamed("gms"), AngleFormat::DegreesMinutesSeconds);
    EXPECT_EQ(angleFormatNamed("GMS"), std::nullopt);
    EXPECT_EQ(languageNamed("en"), Language::English);
    EXPECT_EQ(languageNamed("fr"), std::nullopt);
}

TEST(Catalogue, FillsPlacesAndPlurals) {
    EXPECT_EQ(filled("{n|Se leyó|Se leyeron} {n} {n|dato|datos}", {{"n", "1"}}), "Se leyó 1 dato");
    EXPECT_EQ(filled("{n|Se leyó|Se leyeron} {n} {n|dato|datos}", {{"n", "2"}}),
              "Se leyeron 2 datos");
    // A value is never read as a template, and a place not given stays as written.
    EXPECT_EQ(filled("{a} {b}", {{"a", "{b}"}}), "{b} {b}");
    EXPECT_EQ(filled("{a", {{"a", "x"}}), "{a");
}

// The places each template names, plural forms included.
std::set<std::string> placesOf(std::string_view text) {
    std::set<std::string> names;
    for (std::size_t open = text.find('{'); open != std::string_view::npos;
         open = text.find('{', open + 1)) {
        const std::size_t close = text.find('}', open);
        const std::string_view place = text.substr(open + 1, close - open - 1);
        names.insert(std::string(place.substr(0, place.find('|'))));
    }
    return names;
}

// Every text exists in both languages, with the same places, and the English has no Spanish in
// it but the command line's own option and word names and the names of the languages.
TEST(Catalogue, EveryTextInBothLanguagesWithTheSamePlaces) {
    const Catalogue& es = Catalogue::of(Language::Spanish);
    const Catalogue& en = Catalogue::of(Language::English);
    for (int i = 0; i < kTexts; ++i) {
        const auto id = static_cast<Text>(i);
        EXPECT_FALSE(es.text(id).empty()) << i;
        EXPECT_FALSE(en.text(id).empty()) << i;
        EXPECT_EQ(placesOf(es.text(id)), placesOf(en.text(id))) << i;
        // The language menu names each language in its own words, whatever the language.
        if (id != Text::MenuLanguage && id != Text::LanguageSpanish) {
            EXPECT_EQ(testing::spanishIn(en.text(id)), "") << en.text(id);
        }
    }
}

Calculation click(std::array<std::string, kElements> inputs,
                  std::array<std::string, kOptionFields> options = {"15", "20", "30", "10"}) {
    FieldTexts fields;
    fields.inputs = std::move(inputs);
    fields.options = std::move(options);
    return compute(fields);
}

// Clicks that end every way, for the checks that walk every text of their views.
std::vector<Calculation> everyKindOfClick() {
    const std::vector<
        std::pair<std::array<std::string, kElements>, std::array<std::string, kOptionFields>>>
        clicks{
            {{"60", "60", "60", "", "", ""}, {"15", "20", "30", "10"}},
            {{"40", "", "", "50", "70", ""}, {"15", "20", "30", "10"}},
            {{"40", "60", "", "30", "", ""}, {"15", "20", "30", "10"}},
            {{"60", "", "", "", "", ""}, {"15", "20", "30", "10"}},
            {{"60", "0", "", "1e400", "", ""}, {"15", "20", "30", "10"}},
            {{"60", "60", "60", "60", "", ""}, {"15", "20", "30", "10"}},
            {{"4O", "17 5", "l00", "49d30m", "90-36°32'", "49°32"}, {"15", "20", "30", "10"}},
            {{"30'", "49°32'15", "60°60'", "abc", "", ""}, {"15", "20", "30", "10"}},
            {{"170", "10", "10", "", "", ""}, {"15", "20", "30", "10"}},
            {{"100", "130", "140", "", "", ""}, {"15", "20", "30", "10"}},
            {{"", "", "", "10", "20", "30"}, {"15", "20", "30", "10"}},
            {{"", "", "", "170", "10", "5"}, {"15", "20", "30", "10"}},
            {{"164", "128.9", "", "144", "", ""}, {"15", "20", "30", "10"}},
            {{"", "163", "97.399", "", "", "0.711457"}, {"15", "20", "30", "10"}},
            {{"200", "60", "60", "", "", ""}, {"15", "20", "30", "10"}},
            {{"60", "60", "", "", "", "250"}, {"15", "20", "30", "10"}},
            {{"60", "60", "60", "", "", ""}, {"", "0", "30", "10"}},
            {{"60", "60", "60", "", "", ""}, {"0.001", "20", "30", "10"}},
            {{"60", "60", "60", "", "", ""}, {"15", "20", "3O", "10"}},
            {{"90", "90", "", "", "", "90"}, {"15", "20", "30", "10"}},
        };
    std::vector<Calculation> calcs;
    calcs.reserve(std::size(clicks));
    for (const auto& [inputs, options] : clicks)
        calcs.push_back(click(inputs, options));
    return calcs;
}

std::vector<std::string> everyText(const View& view) {
    std::vector<std::string> texts{view.message, view.reason, view.announcement, view.table};
    for (const Shown& shown : view.results)
        texts.insert(texts.end(), {shown.text, shown.tooltip});
    texts.insert(texts.end(), view.notes.begin(), view.notes.end());
    for (const auto& row : view.measures)
        for (const Shown& shown : row)
            texts.insert(texts.end(), {shown.text, shown.tooltip});
    texts.insert(texts.end(), view.measureRows.begin(), view.measureRows.end());
    return texts;
}

// In English, nothing a click shows holds a Spanish word, in any angle form.
TEST(EnglishView, NoSpanishInAnyText) {
    const Catalogue& en = Catalogue::of(Language::English);
    for (const Calculation& calc : everyKindOfClick())
        for (const AngleFormat format : kAllAngleFormats) {
            Units units;
            units.format = format;
            for (const std::string& text : everyText(present(calc, units, en)))
                EXPECT_EQ(testing::spanishIn(text), "") << text;
        }
    for (const std::string_view layer : svgLayerNames(en))
        EXPECT_EQ(testing::spanishIn(std::string(layer)), "") << layer;
}

// The Spanish texts of a click, word for word as the program has always written them, and the
// same click in English.
TEST(View, SpanishAndEnglishTextsOfAClick) {
    const struct {
        std::array<std::string, kElements> inputs;
        const char* message;
        const char* reason;
        const char* english;
    } rows[] = {
        {{"", "", "142.4", "", "", ""},
         "Sistema subdeterminado, por favor ingrese 3 datos",
         "Se leyó 1 dato: «lado c» = 142.4°; hacen falta 3.",
         "1 element was read: “side c” = 142.4°; 3 are needed."},
        {{"164", "128.9", "", "144", "", ""},
         "No existe solución",
         "No se cierra ningún triángulo: con b = 128.9° y A = 144°, el lado a, opuesto a A, "
         "tendría que cumplir sen a ≥ sen b · sen A, y a = 164° es demasiado corto.",
         "No triangle closes: with b = 128.9° and A = 144°, side a, opposite A, would have to "
         "satisfy sin a ≥ sin b · sin A, and a = 164° is too short."},
        {{"4O", "1", "2", "", "", ""},
         "Datos mal escritos",
         "En «lado a», «4O» no se leyó entero: se leyó 4 y no «O». ¿Es una letra O en lugar de "
         "un cero? Escriba «40». Un campo solo se usa si se lee entero: corríjalo, o vacíelo si no "
         "es un dato.",
         "In “side a”, “4O” could not be read in full: read 4 but not “O”. Is that a letter O "
         "instead of a zero? Type “40”. A field is used only when it is read in full: correct it, "
         "or empty it if it is not one of the data."},
        {{"17 5", "60", "60", "", "", ""},
         "Datos mal escritos",
         "En «lado a», «17 5» no se leyó entero: se leyó 17 y no «5». ¿Quiso escribir «175», "
         "«17.5» o «17°5'»? Un campo solo se usa si se lee entero: corríjalo, o vacíelo si no es "
         "un dato.",
         "In “side a”, “17 5” could not be read in full: read 17 but not “5”. Did you mean “175”, "
         "“17.5” or “17°5'”? A field is used only when it is read in full: correct it, or empty it "
         "if it is not one of the data."},
    };
    const Catalogue& es = Catalogue::spanish();
    const Catalogue& en = Catalogue::of(Language::English);
    for (const auto& row : rows) {
        const Calculation calc = click(row.inputs);
        const View spanish = present(calc, Units{}, es);
        EXPECT_EQ(spanish.message, row.message);
        EXPECT_EQ(spanish.reason, row.reason);
        EXPECT_EQ(spanish.announcement, std::string(row.message) + ". " + row.reason);
        EXPECT_EQ(present(calc, Units{}, en).reason, row.english);
    }
}

// The labels, tooltips and the copied table follow the angle form; the Spanish table in decimal
// degrees is the one the program has always copied.
TEST(View, TheAngleFormChangesLabelsTooltipsAndTable) {
    const Calculation calc = click({"40", "", "", "50", "70", ""});
    const View decimal = present(calc, Units{}, Catalogue::spanish());
    EXPECT_EQ(decimal.results[1].text, "52.05");
    EXPECT_TRUE(decimal.bold[0] && decimal.bold[3] && decimal.bold[4] && !decimal.bold[1]);
    EXPECT_EQ(decimal.table.substr(0, decimal.table.find("\nlado c")),
              "lado a\t40.0000000000\nlado b\t52.0451566552");
    EXPECT_NE(decimal.table.find("\nSolución adicional\nlado a\t40.0000000000\n"),
              std::string::npos);
    const struct {
        AngleFormat format;
        const char* label;
        const char* tooltip;
        const char* cell;
    } rows[] = {
        {AngleFormat::DegreesMinutesSeconds, "52° 2′ 43″", "52° 2′ 42.5640″ = 52.0451566552°",
         "lado b\t52° 2′ 42.5640″\n"},
        {AngleFormat::DegreesDecimalMinutes, "52° 2.71′", "52° 2.709399′ = 52.0451566552°",
         "lado b\t52° 2.709399′\n"},
        {AngleFormat::Radians, "0.9084 rad", "0.9083593433 rad = 52.0451566552°",
         "lado b\t0.9083593433 rad\n"},
    };
    for (const auto& row : rows) {
        Units units;
        units.format = row.format;
        const View view = present(calc, units, Catalogue::spanish());
        EXPECT_EQ(view.results[1].text, row.label);
        EXPECT_EQ(view.results[1].tooltip, row.tooltip);
        EXPECT_NE(view.table.find(row.cell), std::string::npos) << view.table;
    }
    Units three;
    three.decimals = 3;
    EXPECT_NE(present(calc, three, Catalogue::spanish()).table.find("lado b\t52.045\n"),
              std::string::npos);
}

} // namespace
} // namespace esferica
