// SPDX-License-Identifier: GPL-3.0-or-later
// The working of a click: one row per case and per way of failing, each checked for what a student
// must find in it, and for final values that are the results exactly as the labels show them; the
// solver's intermediate values against the elements they give.
#include "numeric/angles.h"
#include "present/view.h"
#include "working/text.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <string>
#include <vector>

namespace esferica {
namespace {

Calculation click(const std::array<const char*, kElements>& inputs) {
    FieldTexts fields;
    for (std::size_t i = 0; i < inputs.size(); ++i)
        fields.inputs[i] = inputs[i];
    return compute(fields);
}

const WorkingStyle kLabels{Language::Spanish, 2, ","};

// The styles of the working beside results in `format`: the labels, with a comma; the table.
WorkingStyle inLabels(AngleFormat format) {
    Units units;
    units.format = format;
    units.decimalSeparator = ",";
    return workingStyle(Language::Spanish, units, ResultsShown::Labels);
}
WorkingStyle inTable(AngleFormat format) {
    Units units;
    units.format = format;
    return workingStyle(Language::Spanish, units, ResultsShown::Table);
}

TEST(Working, EachCaseShowsItsWorkingDownToTheResultsAsShown) {
    struct Row {
        const char* name;
        std::array<const char*, kElements> inputs;
        std::size_t triangles;
        std::vector<std::string> says;
    };
    const Row rows[] = {
        {"three sides",
         {"60", "70", "80", "", "", ""},
         1,
         {"Caso: tres lados.", "Fórmulas del ángulo mitad (Briggs)", "tan(A/2) = k/q(a) = "}},
        {"three angles, through the polar triangle",
         {"", "", "", "70", "80", "100"},
         1,
         {"✓ los ángulos suman más de 180°: 70° + 80° + 100° = 250°", "a′ = 180° − 70° = 110°",
          "tan(A′/2) = k/q(a′)", "a = 180° − "}},
        {"two sides and the included angle",
         {"40", "60", "", "", "", "50"},
         1,
         {"Analogías de Gauss–Delambre", "C/2 = 25°", "A = (A + B)/2 + (A − B)/2 = "}},
        {"two angles and the included side",
         {"", "", "50", "40", "60", ""},
         1,
         {"b′ = 180° − 60° = 120°", "C′ = 180° − 50° = 130°", "a = 180° − A′ = 180° − "}},
        {"two sides and an opposite angle, two triangles",
         {"40", "60", "", "30", "", ""},
         2,
         {std::string("✓ teorema del seno: sen B = sen b·sen A / sen a = sen 60°·sen 30° / "
                      "sen 40° = 0,6736 ≤ 1"),
          "✓ dos candidatos para B: B₁ = 42,35°, B₂ = 180° − B₁ = 137,65°", "A − B₁ = -12,35°",
          "✓ B₁ da un triángulo", "✓ B₂ da un triángulo", "Hay dos triángulos.",
          "Analogía de Neper para c", "Solución adicional"}},
        {"two sides and an opposite angle, one triangle",
         {"90", "60", "", "100", "", ""},
         1,
         {"✗ B₂: al lado mayor se opone el ángulo mayor: a − b = 30°, A − B₂ = -21,47°",
          "✗ B₂ no da triángulo", "Hay un triángulo."}},
        {"two angles and an opposite side",
         {"30", "", "", "40", "60", ""},
         2,
         {"sen b = sen B·sen a / sen A = sen 60°·sen 30° / sen 40° = 0,6736", "b₁ = 42,35°"}},
        {"a right angle given",
         {"", "40", "50", "90", "", ""},
         1,
         {"Triángulo rectángulo (A = 90°), reglas de Neper",
          "cos a = cos 40°·cos 50° = 0,4924 → a = 60,5°", "cot B = sen 50° / tan 40° = ",
          "✓ ley de los cuadrantes: a < 90° si b y c están en el mismo cuadrante"}},
        {"a side of 90 degrees",
         {"90", "40", "100", "", "", ""},
         1,
         {"Triángulo rectilátero (a = 90°)", "A′ = 180° − 90° = 90°",
          "Triángulo rectángulo (A′ = 90°)", "B = 180° − b′ = "}},
        // Napier's rule for C divides by tan 90°: infinite, never a trap.
        {"a right angle and a side of 90 degrees found",
         {"6", "", "90", "6", "", ""},
         1,
         {"cot C = sen 6° / tan 90° = 0,0000 → C = 90°"}},
        // Two right angles and a side of 90 degrees between them: legs in both quadrants.
        {"two right angles",
         {"", "", "90", "", "30", "90"},
         1,
         {"Triángulo rectángulo (A = 90°)", "✓ ley de los cuadrantes: a < 90°"}},
        {"a small triangle",
         {"0,01", "0,012", "0,015", "", "", ""},
         1,
         {"el teorema del coseno pierde cifras"}},
        {"a side too long",
         {"30", "40", "80", "", "", ""},
         0,
         {"✗ el lado c es menor que la suma de los otros dos: 80° < 30° + 40° = 70°",
          "✓ el lado a es menor", "No existe solución."}},
        {"angles that add up to too little",
         {"", "", "", "30", "40", "50"},
         0,
         {"✗ los ángulos suman más de 180°: 30° + 40° + 50° = 120°"}},
        {"angles against the polar inequality",
         {"", "", "", "100", "100", "10"},
         0,
         {"✗ A + B es menor que 180° + C (desigualdad del triángulo polar): 100° + 100° = 200° "
          "< 180° + 10° = 190°"}},
        {"a side too short for the sine rule",
         {"40", "60", "", "80", "", ""},
         0,
         {"✗ teorema del seno: sen B = sen b·sen A / sen a = sen 60°·sen 80° / sen 40° = 1,3268"}},
        {"an element outside 0 to 180 degrees",
         {"190", "60", "60", "", "", ""},
         0,
         {"✗ a está entre 0° y 180°: 0° < 190° < 180°", "No existe solución."}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Calculation calc = click(row.inputs);
        const Working working = workingOf(calc);
        ASSERT_EQ(working.triangles.size(), row.triangles);
        const std::string text = renderWorking(working, kLabels);
        for (const std::string& part : row.says)
            EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
        // The cosine check comes after the formulas, which come after the existence.
        if (row.triangles > 0) {
            EXPECT_LT(text.find("Existencia"), text.find("Solución\n"));
            EXPECT_LT(text.find("Solución\n"), text.find("Comprobación por el teorema del coseno"));
        }

        // The final values are the result labels and the measures as the window shows them.
        Units units;
        units.decimalSeparator = ",";
        const View view = present(calc, units, Catalogue::spanish());
        for (std::size_t t = 0; t < row.triangles; ++t) {
            std::string results = "Resultados: ";
            for (const Element e : kAllElements)
                results += std::string(e == Element::a ? "" : ", ") +
                           std::string(elementLetter(e)) + " = " +
                           view.results[t * kElements + index(e)].text + "°";
            EXPECT_NE(text.find(results), std::string::npos) << results;
            for (std::size_t i = 0; i < kMeasures; ++i)
                EXPECT_NE(text.find("= " + view.measures[t][i].text + "\n"), std::string::npos)
                    << measureCaption(kAllMeasures[i], Catalogue::spanish());
            // The quadrant laws hold on every triangle the program finds.
            for (const Check& law : working.triangles[t].quadrants)
                EXPECT_TRUE(law.holds) << law.numbers.text;
            // Each side checked by the cosine theorem, to within rounding.
            for (const Step& check : working.triangles[t].check)
                EXPECT_LT(std::fabs(check.substituted.back().values[0].number), 1e-13);
        }
    }
}

TEST(Working, AClickWithoutThreeElementsHasNoWorking) {
    for (const auto& inputs :
         std::array<std::array<const char*, kElements>, 3>{{{"60", "", "", "", "", ""},
                                                            {"60", "60", "60", "60", "", ""},
                                                            {"6O", "60", "60", "", "", ""}}}) {
        const Calculation calc = click(inputs);
        EXPECT_EQ(renderWorking(workingOf(calc), kLabels),
                  "Procedimiento\nSin procedimiento: " +
                      std::string(messageText(calc.outcome, Catalogue::spanish())) + ".\n");
    }
}

// The solver's intermediate values give the elements it found, so that the working's formulas
// hold with the numbers it shows.
TEST(Working, TheSolversIntermediateValuesGiveTheElementsFound) {
    const auto degrees = [](double radians) {
        return radians * 180 / std::numbers::pi;
    };
    struct Row {
        const char* name;
        std::array<const char*, kElements> inputs;
        // The element found, and what the trace makes of it.
        Element element;
        double (*fromTrace)(const SolverTrace&);
    };
    const Row rows[] = {
        {"three sides, A",
         {"60", "70", "80", "", "", ""},
         Element::A,
         [](const SolverTrace& t) {
             return 2 * std::atan(t.k / t.tp) * 180 / std::numbers::pi;
         }},
        {"three angles, a",
         {"", "", "", "70", "80", "100"},
         Element::a,
         [](const SolverTrace& t) {
             return 180 - 2 * std::atan(t.k / t.tp) * 180 / std::numbers::pi;
         }},
        {"two sides, A",
         {"40", "60", "", "", "", "50"},
         Element::A,
         [](const SolverTrace& t) {
             return t.halfAngleSum + t.halfAngleDifference;
         }},
        {"two sides, c",
         {"40", "60", "", "", "", "50"},
         Element::c,
         [](const SolverTrace& t) {
             return 2 * t.halfThird;
         }},
        {"ambiguous, B",
         {"40", "60", "", "30", "", ""},
         Element::B,
         [](const SolverTrace& t) {
             return std::asin(t.sineProduct / t.sineOfOpposite) * 180 / std::numbers::pi;
         }},
        {"ambiguous, c",
         {"40", "60", "", "30", "", ""},
         Element::c,
         [](const SolverTrace& t) {
             return 2 * std::atan(t.closures[0].n / t.closures[0].d) * 180 / std::numbers::pi;
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Calculation calc = click(row.inputs);
        GivenElements given{};
        DegreesRead read{};
        std::size_t n = 0;
        for (const Element e : kAllElements)
            if (calc.isGiven(e)) {
                given[n++] = e;
                read[index(e)] = *calc.reading(e).degrees;
            }
        SolverTrace trace;
        solve(read, given, &trace);
        EXPECT_NEAR(row.fromTrace(trace), degrees(calc.primary[row.element].value()), 1e-11);
    }
}

TEST(Working, EnglishHasItsOwnWordsAndFunctionNames) {
    const WorkingStyle english{Language::English, 2, "."};
    const std::string text =
        renderWorking(workingOf(click({"40", "60", "", "30", "", ""})), english);
    for (const char* part :
         {"Working\n", "sin B = sin b·sin A / sin a = sin 60°·sin 30° / sin 40° = 0.6736",
          "There are two triangles.", "Napier's analogy for c", "Check by the cosine theorem"})
        EXPECT_NE(text.find(part), std::string::npos) << part;
    EXPECT_EQ(text.find("sen"), std::string::npos);
    // Every sentence has its text in both languages.
    for (int s = static_cast<int>(Sentence::Heading); s <= static_cast<int>(Sentence::NotComputed);
         ++s) {
        SCOPED_TRACE(s);
        EXPECT_FALSE(sentenceText(static_cast<Sentence>(s), Language::English).empty());
    }
}

TEST(Working, NumbersAreWrittenAsTheStyleAsks) {
    struct Row {
        Value value;
        WorkingStyle style;
        const char* text;
    };
    const Row rows[] = {
        {{42.349261219882, Quantity::Angle}, kLabels, "42,35°"},
        {{60, Quantity::Angle}, kLabels, "60°"},
        {{42.349261219882, Quantity::Angle}, {Language::Spanish, 10, "."}, "42.3492612199°"},
        {{42.349261219882, Quantity::Angle}, {Language::Spanish, 4, ","}, "42,3493°"},
        {{0.5, Quantity::Angle}, {Language::Spanish, 4, ","}, "0,5°"},
        {{0.001, Quantity::Angle}, kLabels, "0°"},
        {{0.001, Quantity::Intermediate}, kLabels, "1·10⁻³°"},
        {{-0.00123456, Quantity::Intermediate}, kLabels, "-1,235·10⁻³°"},
        {{0.005, Quantity::Intermediate}, kLabels, "0,01°"},
        {{0.6736481776669, Quantity::Ratio}, kLabels, "0,6736"},
        {{-1.2345678e-9, Quantity::Ratio}, kLabels, "-1,235·10⁻⁹"},
        {{495545.2011141058, Quantity::Ratio}, {Language::Spanish, 10, "."}, "4.95545201114·10⁵"},
        {{495545.2011141058, Quantity::Ratio}, kLabels, "495545,2011"},
        {{0.3721462750, Quantity::Area}, kLabels, "0,37 sr"},
        {{2.3e-17, Quantity::Residual}, kLabels, "2,3·10⁻¹⁷"},
        {{0, Quantity::Residual}, kLabels, "0"},
        {{std::nan(""), Quantity::Angle}, kLabels, "no se puede calcular"},
        // The other forms of an angle, as the labels and the table show them; areas and ratios
        // as in decimal degrees.
        {{59.99999, Quantity::Angle}, inLabels(AngleFormat::DegreesMinutesSeconds), "60° 0′ 0″"},
        {{-12.349261219882, Quantity::Intermediate},
         inLabels(AngleFormat::DegreesMinutesSeconds),
         "-12° 20′ 57″"},
        {{1e-5, Quantity::Intermediate}, inLabels(AngleFormat::DegreesMinutesSeconds), "1·10⁻⁵°"},
        {{42.349261219882, Quantity::Angle},
         inTable(AngleFormat::DegreesDecimalMinutes),
         "42° 20.955673′"},
        {{42.349261219882, Quantity::Angle}, inLabels(AngleFormat::Radians), "0,7391 rad"},
        {{0.3721462750, Quantity::Area}, inTable(AngleFormat::Radians), "0.3721462750 sr"},
        {{0.6736481776669, Quantity::Ratio}, inLabels(AngleFormat::Radians), "0,6736"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(workingNumber(row.value, row.style), row.text);
}

} // namespace
} // namespace esferica
