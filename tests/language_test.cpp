// SPDX-License-Identifier: GPL-3.0-or-later
// The window in English and in the four forms of an angle, driven as a user drives it: through
// the entries of the picture's and the results' menus.
#include "qt/window/design.h"
#include "tests/support/messages.h"
#include "tests/support/spanish_words.h"
#include "tests/support/window_test.h"

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTextBrowser>
#include <gtest/gtest.h>
#include <memory>

namespace esferica::testing {
namespace {

class LanguageTest : public WindowTest {
protected:
    void choose(const char* action) const {
        auto* entry = form_->findChild<QAction*>(QString::fromLatin1(action));
        ASSERT_NE(entry, nullptr) << action;
        entry->trigger();
    }
    std::vector<SeenMessage> click(const std::array<const char*, 6>& texts) const {
        typeInputs(texts);
        return answerMessages([this] { QTest::mouseClick(button(), Qt::LeftButton); });
    }
};

// In English, after clicks that solve one or two triangles, find none and read a field only in
// part, no text of the window, of its menus or of its message boxes holds a Spanish word.
TEST_F(LanguageTest, InEnglishNoTextIsSpanish) {
    choose("actEnglish");
    EXPECT_EQ(QSettings().value(QStringLiteral("interfaz/idioma")).toString(), "en");
    EXPECT_EQ(form_->windowTitle(), "Spherical triangle solver");
    const std::array<std::array<const char*, 6>, 4> clicks{{
        {"60", "60", "60", "", "", ""},
        {"40", "60", "", "30", "", ""},
        {"30", "40", "80", "", "", ""},
        {"4O", "17 5", "60", "", "", ""},
    }};
    int messages = 0;
    for (const auto& texts : clicks) {
        for (const SeenMessage& seen : click(texts)) {
            ++messages;
            for (const QString& text : {seen.text, seen.title, seen.informative, seen.okText})
                EXPECT_EQ(spanishIn(text.toStdString()), "") << qPrintable(text);
        }
        for (const QString& text : everyText(*form_))
            EXPECT_EQ(spanishIn(text.toStdString()), "") << qPrintable(text);
        for (QWidget* menu : {static_cast<QWidget*>(picture()), static_cast<QWidget*>(outcome(0))})
            for (const QString& entry : contextMenu(menu))
                if (entry != QLatin1String("Idioma / Language")) {
                    EXPECT_EQ(spanishIn(entry.toStdString()), "") << qPrintable(entry);
                }
    }
    EXPECT_EQ(messages, 2);
    EXPECT_EQ(outcome(3)->accessibleName(), "Solution, angle A");

    // F1 opens the help in English, the working and the navigation included.
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    QTest::keyClick(input(0), Qt::Key_F1);
    auto* help = form_->findChild<QDialog*>(QStringLiteral("frmAyuda"));
    ASSERT_NE(help, nullptr);
    const auto helpText = [help] {
        return help->findChild<QTextBrowser*>()->toPlainText();
    };
    EXPECT_EQ(help->windowTitle(), "Help: solving spherical triangles");
    EXPECT_EQ(spanishIn(helpText().toStdString()), "");
    for (const char* part : {"The six cases", "Too few data: please enter 3 elements",
                             "B₁ = 42.35°, B₂ = 180° − B₁ = 137.65°", "3101.2 nautical miles",
                             "The navigation window"})
        EXPECT_TRUE(helpText().contains(QString::fromUtf8(part))) << part;

    // Back in Spanish, the window and its open help are as they always were: every caption and
    // button as designed.
    choose("actEspanol");
    EXPECT_EQ(form_->windowTitle(), "Resolución de triángulos esféricos");
    for (const design::Control& row : design::kControls) {
        const QString caption = fromStd(row.caption);
        if (row.kind == design::Kind::Label && !caption.isEmpty()) {
            EXPECT_EQ(control<QLabel>(fromStd(row.name))->text(), caption);
        } else if (row.kind == design::Kind::Button) {
            EXPECT_EQ(control<QPushButton>(fromStd(row.name))->text(), caption);
        }
    }
    EXPECT_EQ(help->windowTitle(), "Ayuda: resolución de triángulos esféricos");
    EXPECT_TRUE(helpText().contains("Los seis casos"));
}

// The form of an angle changes the labels, their tooltips and the copied table, is kept for the
// next window, and a label whose value is longer than it is written smaller, whole.
TEST_F(LanguageTest, TheAngleFormChangesLabelsTooltipsAndTheCopiedTable) {
    click({"60", "60", "60", "", "", ""});
    EXPECT_EQ(outcome(3)->text(), "70.53");
    choose("actGradosMinutosSegundos");
    EXPECT_EQ(outcome(3)->text(), "70° 31′ 44″");
    EXPECT_EQ(outcome(3)->toolTip(), "70° 31′ 43.6057″ = 70.5287793655°");
    QApplication::clipboard()->clear();
    choose("actCopiarResultados");
    EXPECT_TRUE(QApplication::clipboard()->text().contains("ángulo A\t70° 31′ 43.6057″\n"))
        << qPrintable(QApplication::clipboard()->text());
    EXPECT_EQ(QSettings().value(QStringLiteral("resultados/formato")).toString(), "gms");
    for (const char* form :
         {"actGradosMinutosSegundos", "actGradosMinutosDecimales", "actRadianes"}) {
        choose(form);
        std::vector<QLabel*> values;
        values.reserve(12);
        for (int i = 0; i < 6; ++i) {
            values.push_back(outcome(i));
            values.push_back(control<QLabel>(esferica::arrayName("lblValorMedida", i)));
        }
        for (const QLabel* value : values)
            EXPECT_LE(QFontMetricsF(value->font()).horizontalAdvance(value->text()), value->width())
                << form << ' ' << qPrintable(value->objectName()) << ' '
                << qPrintable(value->text());
    }
    EXPECT_EQ(outcome(0)->text(), "1.0472 rad");
    EXPECT_EQ(outcome(0)->toolTip(), "1.0471975512 rad = 60.0000000000°");

    form_ = std::make_unique<frmTrianguloEsf>();
    form_->show();
    click({"60", "60", "60", "", "", ""});
    EXPECT_EQ(outcome(0)->text(), "1.0472 rad");
    choose("actGradosDecimales");
    EXPECT_EQ(outcome(0)->text(), "60");
}

// The open working follows the form of an angle and the language: its final values stay the
// labels'.
TEST_F(LanguageTest, TheOpenWorkingFollowsTheFormAndTheLanguage) {
    click({"60", "60", "60", "", "", ""});
    choose("actProcedimiento");
    auto* text = form_->findChild<QPlainTextEdit*>(QStringLiteral("txtProcedimiento"));
    ASSERT_NE(text, nullptr);
    const auto says = [text](const QString& part) {
        return text->toPlainText().contains(part);
    };
    for (const char* form : {"actGradosMinutosSegundos", "actGradosMinutosDecimales", "actRadianes",
                             "actGradosDecimales"}) {
        choose(form);
        const QString mark = QLatin1String(form) == "actGradosDecimales" ? "°" : "";
        EXPECT_TRUE(says("→ A = " + outcome(3)->text() + mark)) << form << '\n'
                                                                << qPrintable(text->toPlainText());
    }
    choose("actEnglish");
    EXPECT_TRUE(text->toPlainText().startsWith("Working\nCase: three sides."));
    EXPECT_EQ(spanishIn(text->toPlainText().toStdString()), "");
}

} // namespace
} // namespace esferica::testing
