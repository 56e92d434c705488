// SPDX-License-Identifier: GPL-3.0-or-later
// The navigation window, driven offscreen from the main window as a user drives it: opened, typed
// into, calculated, its results read and copied, a field not read whole refused, and a problem's
// triangle shown in the main window.

#include "cli/navigation.h"
#include "present/navigationtexts.h"
#include "tests/support/messages.h"
#include "tests/support/spanish_words.h"
#include "tests/support/window_test.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTabWidget>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <vector>

namespace {

using esferica::testing::answerMessages;
using esferica::testing::SeenMessage;

class NavigationWindowTest : public esferica::testing::WindowTest {
protected:
    // The navigation window, opened with Ctrl+N in the main window.
    QWidget* open() const {
        QTest::keyClick(form_.get(), Qt::Key_N, Qt::ControlModifier);
        EXPECT_TRUE(window() && QTest::qWaitForWindowActive(window()));
        return window();
    }
    static QWidget* window() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("frmNavegacion") && w->isVisible())
                return w;
        return nullptr;
    }
    template <class T> static T* in(const char* name) {
        T* found = window()->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // Types `texts` into the fields of a tab, shows it and clicks Calcular.
    static std::vector<SeenMessage> calculate(int tab,
                                              const std::map<const char*, const char*>& texts) {
        in<QTabWidget>("tabProblemas")->setCurrentIndex(tab);
        for (const auto& [name, text] : texts)
            in<QLineEdit>(name)->setText(QString::fromUtf8(text));
        return answerMessages(
            [] { QTest::mouseClick(in<QPushButton>("cmdCalcular"), Qt::LeftButton); });
    }
    static QString value(const char* name) { return in<QLabel>(name)->text(); }
};

constexpr int kSailing = 0, kSight = 1;
const std::map<const char*, const char*> kCadizNewYork{
    {"txtSalida", "36°32′ N 6°18′ W"}, {"txtLlegada", "40°28' N, 73°50' O"}, {"txtRadio", ""}};
const std::map<const char*, const char*> kPublishedSight{
    {"txtLatitud", "43°00,0' N"}, {"txtDeclinacion", "20°06,0' N"},
    {"txtHorario", "339"},        {"txtHorarioGreenwich", ""},
    {"txtLongitud", ""},          {"txtObservada", ""}};

// The button, Ctrl+N and the picture's menu open the one window, which stays one.
TEST_F(NavigationWindowTest, OpensFromTheButtonCtrlNAndThePicturesMenu) {
    ASSERT_NE(open(), nullptr);
    QWidget* first = window();
    first->close();
    QTest::mouseClick(control<QPushButton>(QStringLiteral("cmdNavegacion")), Qt::LeftButton);
    EXPECT_EQ(window(), first);
    first->close();
    auto* action = control<QAction>(QStringLiteral("actNavegacion"));
    EXPECT_TRUE(picture()->actions().contains(action));
    action->trigger();
    EXPECT_EQ(window(), first);
    EXPECT_EQ(window()->windowTitle(), QStringLiteral("Navegación"));
}

// Each problem shows its values as a navigator writes them, and copies the command line's lines.
TEST_F(NavigationWindowTest, SolvesBothProblemsAndCopiesTheCommandLinesAnswer) {
    struct Row {
        const char* name;
        int tab;
        std::map<const char*, const char*> texts;
        std::map<const char*, const char*> shown; // values, or notes, as shown
        std::vector<std::string_view> words;      // the same problem on the command line
    };
    const Row rows[] = {
        // The help's example: 3101,2 miles, initial course 296,4.
        {"Cádiz to New York",
         kSailing,
         kCadizNewYork,
         {{"lblDistancia", "3101.2 millas (5747.4 km)"},
          {"lblRumboInicial", "296.4° (N 63.6° W)"},
          {"lblRumboFinal", "251.1° (S 71.1° W)"},
          {"lblVertice", "43°57.0′ N, 46°04.6′ W"},
          {"lblRumboLoxodromico", "274.3° (N 85.7° W)"},
          {"lblNotaOrtodromica", ""}},
         {"--ortodromica", "36°32′ N 6°18′ W", "40°28' N, 73°50' O"}},
        // Eastwards across the antimeridian, the short way, on a sphere of 6378 km.
        {"across the antimeridian",
         kSailing,
         {{"txtSalida", "-30 170"}, {"txtLlegada", "30°00′ S 170°00′ W"}, {"txtRadio", "6378"}},
         {{"lblDistancia", "1037.9 millas (1925.6 km)"},
          {"lblRumboInicial", "095.0° (S 85.0° E)"},
          {"lblRumboFinal", "085.0° (N 85.0° E)"}},
         {"--ortodromica", "-30 170", "30°00′ S 170°00′ W", "--radio", "6378"}},
        {"antipodal points",
         kSailing,
         {{"txtSalida", "10 N 20 E"}, {"txtLlegada", "10 S 160 W"}, {"txtRadio", ""}},
         {{"lblDistancia", "10800.0 millas (20015.1 km)"},
          {"lblRumboInicial", "indeterminado"},
          {"lblVertice", "no definido"},
          {"lblNotaOrtodromica", "Salida y llegada son antípodas: todos los círculos máximos que "
                                 "las unen miden 10800.0 millas, y el rumbo queda indeterminado."}},
         {"--ortodromica", "10 N 20 E", "10 S 160 W"}},
        // The published check: 61°06,7′ and 135,8°.
        {"published sight",
         kSight,
         kPublishedSight,
         {{"lblAlturaEstimada", "61°06.7′"},
          {"lblAzimut", "135.8° (S 44.2° E)"},
          {"lblDiferencia", ""}},
         {"--altura", "latitud=43°00,0'N", "declinacion=20°06,0'N", "horario=339"}},
        {"from the Greenwich hour angle, observed",
         kSight,
         {{"txtHorario", " "},
          {"txtHorarioGreenwich", "350"},
          {"txtLongitud", "11 W"},
          {"txtObservada", "61°10,0'"}},
         {{"lblAlturaEstimada", "61°06.7′"}, {"lblDiferencia", "3.3 millas hacia"}},
         {"--altura", "latitud=43°00,0'N", "declinacion=20°06,0'N", "horario_greenwich=350",
          "longitud=11W", "observada=61°10,0'"}},
        {"a body at the zenith",
         kSight,
         {{"txtLatitud", "20 S"},
          {"txtDeclinacion", "-20"},
          {"txtHorario", "0"},
          {"txtHorarioGreenwich", ""},
          {"txtLongitud", ""},
          {"txtObservada", ""}},
         {{"lblAlturaEstimada", "90°00.0′"},
          {"lblAzimut", "indeterminado"},
          {"lblNotaPosicion", "El astro está en el cenit: el azimut queda indeterminado."}},
         {"--altura", "latitud=20S", "declinacion=-20", "horario=0"}},
    };
    open();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(calculate(row.tab, row.texts).empty());
        for (const auto& [name, text] : row.shown)
            EXPECT_EQ(value(name), QString::fromUtf8(text)) << name;
        QTest::mouseClick(in<QPushButton>("cmdCopiar"), Qt::LeftButton);
        std::istringstream none;
        std::ostringstream out, err;
        esferica::runNavigation(row.words, none, out, err);
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(), out.str());
    }
}

// Given a solved problem, a field not read whole (or a datum missing) is refused with the reason,
// the results cleared, the focus in the field with its whole text selected; nothing to copy.
TEST_F(NavigationWindowTest, RefusesAFieldNotReadWholeAndReturnsToIt) {
    struct Row {
        int tab;
        const char* field;
        const char* text;
        const char* reason;
        const char* cleared;
    };
    const Row rows[] = {
        {kSailing, "txtLlegada", "40°28′ N 73°5O′ W",
         "En la longitud de llegada se leyó «73°»; no se leyó «5O′ W».", "lblDistancia"},
        {kSailing, "txtSalida", "36°32′ E 6°18′ W",
         "En la latitud de salida, la letra «E» no es N ni S: se escribe primero la latitud y "
         "después la longitud.",
         "lblRumboInicial"},
        {kSailing, "txtRadio", "6371 km",
         "El radio «6371 km» no es un número de kilómetros mayor que 0: escríbalo entero, o vacíe "
         "el campo para tomar 6371 km.",
         "lblDistancia"},
        {kSight, "txtHorario", "", "Falta el horario del lugar.", "lblAlturaEstimada"},
        {kSight, "txtLongitud", "11 W",
         "Sobra la longitud: solo se usa con el horario en Greenwich.", "lblAzimut"},
        {kSight, "txtDeclinacion", "20°06,0' E",
         "En la declinación, la letra «E» no es N ni S: se escribe primero la latitud y después la "
         "longitud.",
         "lblAlturaEstimada"},
    };
    open();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.field);
        calculate(row.tab, row.tab == kSailing ? kCadizNewYork : kPublishedSight);
        ASSERT_FALSE(value(row.cleared).isEmpty());
        const std::vector<SeenMessage> seen = calculate(row.tab, {{row.field, row.text}});
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].text, QStringLiteral("Datos mal escritos"));
        EXPECT_EQ(seen[0].informative, QString::fromUtf8(row.reason));
        EXPECT_EQ(value(row.cleared), QString());
        auto* field = in<QLineEdit>(row.field);
        EXPECT_EQ(window()->focusWidget(), field);
        EXPECT_EQ(field->selectedText(), field->text());
        EXPECT_FALSE(in<QPushButton>("cmdCopiar")->isEnabled());
    }
}

// "Ver en el triángulo" solves the problem's triangle in the main window: the colatitudes and the
// difference of longitude give the distance as side c and the initial course as angle A. Editing
// a field, or a problem without a triangle, leaves nothing to show.
TEST_F(NavigationWindowTest, ShowsTheTriangleBehindTheProblemInTheMainWindow) {
    open();
    calculate(kSailing, kCadizNewYork);
    auto* show = in<QPushButton>("cmdVerTriangulo");
    ASSERT_TRUE(show->isEnabled());
    QTest::mouseClick(show, Qt::LeftButton);
    EXPECT_EQ(input(0)->text().left(7), QStringLiteral("49.5333")); // 90° - 40°28′
    EXPECT_EQ(input(2)->text(), QString());
    EXPECT_EQ(outcome(2)->text(), QStringLiteral("51.69")); // 3101,2 miles
    EXPECT_EQ(outcome(3)->text(), QStringLiteral("63.64")); // N 63,6° W

    calculate(kSight, kPublishedSight);
    QTest::mouseClick(show, Qt::LeftButton);
    EXPECT_EQ(outcome(2)->text(), QStringLiteral("28.89"));  // 90° - 61°06,7′
    EXPECT_EQ(outcome(3)->text(), QStringLiteral("135.84")); // the azimuth

    in<QLineEdit>("txtLatitud")->setText(QStringLiteral("43"));
    EXPECT_FALSE(show->isEnabled());
    EXPECT_FALSE(in<QLabel>("lblAzimut")->isEnabled());
    calculate(kSailing, {{"txtSalida", "10 20"}, {"txtLlegada", "30 20"}}); // one meridian
    EXPECT_FALSE(show->isEnabled());
    EXPECT_EQ(show->toolTip(), QString::fromUtf8(esferica::Catalogue::spanish().text(
                                   esferica::Text::NavNoTriangle)));
}

// In English the window speaks English whether opened after the choice or before it: its
// captions, tooltips and examples, its values and notes, a refused field's reason and the lines
// it copies, which are the command line's in English. Back in Spanish, it speaks Spanish again.
TEST_F(NavigationWindowTest, SpeaksTheMainWindowsLanguage) {
    const auto choose = [this](const char* name) {
        control<QAction>(QString::fromLatin1(name))->trigger();
    };
    const auto noSpanish = [](const QString& text) {
        EXPECT_EQ(esferica::testing::spanishIn(text.toStdString()), "") << qPrintable(text);
    };
    struct Row {
        int tab;
        std::map<const char*, const char*> texts;
        std::map<const char*, const char*> shown;
        std::vector<std::string_view> words;
    };
    const Row rows[] = {
        {kSailing,
         kCadizNewYork,
         {{"lblDistancia", "3101.2 miles (5747.4 km)"},
          {"lblRumboInicial", "296.4° (N 63.6° W)"},
          {"lblTituloDistancia", "Distance:"}},
         {"--ortodromica", "36°32′ N 6°18′ W", "40°28' N, 73°50' O"}},
        {kSight,
         {{"txtLatitud", "43°00,0' N"},
          {"txtDeclinacion", "20°06,0' N"},
          {"txtHorario", "339"},
          {"txtObservada", "61°10,0'"}},
         {{"lblAlturaEstimada", "61°06.7′"},
          {"lblDiferencia", "3.3 miles toward"},
          {"lblTituloDiferencia", "Intercept:"}},
         {"--altura", "latitud=43°00,0'N", "declinacion=20°06,0'N", "horario=339",
          "observada=61°10,0'"}},
    };
    choose("actEnglish");
    open();
    EXPECT_EQ(window()->windowTitle(), QStringLiteral("Navigation"));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.words[0].data());
        EXPECT_TRUE(calculate(row.tab, row.texts).empty());
        for (const auto& [name, text] : row.shown)
            EXPECT_EQ(value(name), QString::fromUtf8(text)) << name;
        for (const QString& text : esferica::testing::everyText(*window()))
            noSpanish(text);
        QTest::mouseClick(in<QPushButton>("cmdCopiar"), Qt::LeftButton);
        std::istringstream none;
        std::ostringstream out, err;
        esferica::runNavigation(row.words, none, out, err,
                                esferica::Catalogue::of(esferica::Language::English));
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(), out.str());
    }
    const std::vector<SeenMessage> seen = calculate(kSailing, {{"txtRadio", "6371 km"}});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, QStringLiteral("Badly written data"));
    EXPECT_EQ(seen[0].informative,
              QString::fromUtf8("The radius “6371 km” is not a number of kilometres greater than "
                                "0: write it in full, or empty the field to take 6371 km."));

    // The window already open follows the choice, results shown included.
    choose("actEspanol");
    EXPECT_EQ(window()->windowTitle(), QStringLiteral("Navegación"));
    EXPECT_EQ(in<QLabel>("lblTituloDiferencia")->text(), QStringLiteral("Diferencia de alturas:"));
    EXPECT_EQ(value("lblDiferencia"), QStringLiteral("3.3 millas hacia"));
    choose("actEnglish");
    EXPECT_EQ(value("lblDiferencia"), QStringLiteral("3.3 miles toward"));
    for (const QString& text : esferica::testing::everyText(*window()))
        noSpanish(text);
}

// Courses, azimuths and minutes rounded as written, carries included.
TEST(NavigationTexts, RoundCoursesAndMinutesAsWritten) {
    struct Row {
        double degrees;
        const char *course, *quadrantal, *minutes;
    };
    const Row rows[] = {
        {0, "000,0°", "N", "0°00,0′"},
        {359.96, "360,0°", "N", "359°57,6′"},
        {45, "045,0°", "N 45,0° E", "45°00,0′"},
        {90.04, "090,0°", "E", "90°02,4′"},
        {135.8, "135,8°", "S 44,2° E", "135°48,0′"},
        {180, "180,0°", "S", "180°00,0′"},
        {269.96, "270,0°", "W", "269°57,6′"},
        {296.44, "296,4°", "N 63,6° W", "296°26,4′"},
        {0.99999, "001,0°", "N 1,0° E", "1°00,0′"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.degrees);
        EXPECT_EQ(esferica::courseText(row.degrees, ","), row.course);
        EXPECT_EQ(esferica::quadrantalText(row.degrees, ","), row.quadrantal);
        EXPECT_EQ(esferica::minutesText(row.degrees, ","), row.minutes);
    }
    EXPECT_EQ(esferica::latitudeText(-0.00001, ","), "0°00,0′");
    EXPECT_EQ(esferica::altitudeText(-0.2233, ","), "-0°13,4′");
}

} // namespace
