// SPDX-License-Identifier: GPL-3.0-or-later
// The window, driven offscreen as a user drives it: controls are found by their object names,
// keys and clicks go through QTest, and message boxes are read and closed as they open.

#include "qt/picture/drawingsurface.h"
#include "qt/window/controls.h"
#include "qt/window/design.h"
#include "qt/window/frmTrianguloEsf.h"
#include "qt/window/spanish.h"
#include "tests/support/messages.h"
#include "tests/support/qt_test.h"
#include "tests/support/window_test.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QTranslator>
#include <algorithm>
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <vector>

namespace {

namespace design = esferica::design;
using esferica::fromStd;
using esferica::testing::answerMessages;
using esferica::testing::QtTest;
using esferica::testing::SeenMessage;
using esferica::testing::WindowTest;

const QString kTitle = QStringLiteral("Resolución de triángulos esféricos");

int countPixels(const QImage& image, const std::function<bool(QColor)>& matches) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += matches(image.pixelColor(x, y));
    return n;
}
bool isWhite(const QImage& image) {
    return countPixels(image, [](QColor c) { return c != Qt::white; }) == 0;
}
bool isRed(QColor c) {
    return c.red() > 200 && c.green() < 120 && c.blue() < 120;
}
bool isDark(QColor c) {
    return c.lightness() < 100;
}

class FormTest : public WindowTest {
protected:
    std::vector<SeenMessage> calculate() const {
        return answerMessages([this] { QTest::mouseClick(button(), Qt::LeftButton); });
    }
    QStringList outcomes() const {
        QStringList texts;
        for (int i = 0; i < 12; ++i)
            texts << outcome(i)->text();
        return texts;
    }
    QImage drawing() const { return picture()->grab().toImage(); }
};

// The window opens at its designed size, which is also the smallest it can be made; it can grow.
TEST_F(FormTest, WindowHasItsCaptionAndOpensAtItsDesignedSize) {
    const QSize designed = design::pixels(design::kWindow).size();
    EXPECT_EQ(form_->windowTitle(), kTitle);
    EXPECT_EQ(form_->size(), designed);
    EXPECT_EQ(form_->minimumSize(), designed);
    EXPECT_EQ(form_->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

// Every control of the design, by name, with its kind, its place and its caption or initial text,
// made in the order of the design, which is the order they are stacked in and a screen reader
// finds them in.
TEST_F(FormTest, EveryControlHasItsKindPlaceAndCaption) {
    QStringList made;
    for (const QObject* child : form_->children())
        if (child->isWidgetType() && made.size() < static_cast<qsizetype>(design::kControls.size()))
            made << child->objectName();
    QStringList designed;
    for (const design::Control& row : design::kControls)
        designed << fromStd(row.name);
    EXPECT_EQ(made, designed);

    for (const design::Control& row : design::kControls) {
        SCOPED_TRACE(row.name);
        QWidget* widget = control<QWidget>(fromStd(row.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), design::pixels(row.place));
        const QString caption = fromStd(row.caption);
        switch (row.kind) {
        case design::Kind::Label: {
            auto* label = qobject_cast<QLabel*>(widget);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text(), caption);
            EXPECT_EQ(label->textFormat(), Qt::PlainText);
            EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
            EXPECT_EQ(label->frameShape(), QFrame::NoFrame);
            EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
            // A caption cut short by its label's width is no caption at all.
            if (!label->wordWrap()) {
                EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
            }
            break;
        }
        case design::Kind::TextBox: {
            auto* field = qobject_cast<QLineEdit*>(widget);
            ASSERT_NE(field, nullptr);
            EXPECT_EQ(field->text(), caption);
            EXPECT_TRUE(field->hasFrame());
            break;
        }
        case design::Kind::Button: {
            auto* button = qobject_cast<QPushButton*>(widget);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->text(), caption);
            break;
        }
        case design::Kind::Picture: {
            auto* picture = qobject_cast<QLabel*>(widget);
            ASSERT_NE(picture, nullptr);
            const QPixmap image = picture->pixmap();
            EXPECT_EQ(image.deviceIndependentSize(), QSizeF(52, 98));
            EXPECT_GT(countPixels(image.toImage(), isDark), 100) << "the diagram is drawn";
            break;
        }
        case design::Kind::Surface:
            EXPECT_NE(dynamic_cast<esferica::Surface*>(widget), nullptr);
            break;
        }
    }
}

// The design itself: every control lies inside the window at its designed size, and no two
// overlap but where a caption's box runs a pixel into its neighbour's.
TEST(FormDesign, EveryControlLiesInsideTheWindowAndNoneCoversAnother) {
    const QRect window = design::pixels(design::kWindow);
    const auto isCaption = [](const design::Control& row) {
        return row.kind == design::Kind::Label && !row.caption.empty();
    };
    for (std::size_t i = 0; i < design::kControls.size(); ++i) {
        const design::Control& one = design::kControls[i];
        SCOPED_TRACE(one.name);
        EXPECT_TRUE(window.contains(design::pixels(one.place)));
        for (std::size_t j = i + 1; j < design::kControls.size(); ++j) {
            const design::Control& other = design::kControls[j];
            const QRect shared = design::pixels(one.place) & design::pixels(other.place);
            if (shared.isEmpty())
                continue;
            SCOPED_TRACE(other.name);
            EXPECT_TRUE(isCaption(one) || isCaption(other));
            EXPECT_EQ(std::min(shared.width(), shared.height()), 1);
        }
    }
}

TEST_F(FormTest, OpensWithEmptyResultsBlankPictureAndFocusOnSideA) {
    EXPECT_EQ(QApplication::focusWidget(), input(0));
    EXPECT_EQ(outcomes(), QStringList(12, QString()));
    EXPECT_TRUE(isWhite(drawing()));
}

// Given the focus in txtInput(0), when Tab is pressed repeatedly, then the focus walks the inputs,
// the button, the drawing, the option fields and the diagram, and comes back round.
TEST_F(FormTest, TabWalksTheControlsInOrderAndBackRound) {
    QStringList order;
    for (int i = 1; i < 6; ++i)
        order << esferica::arrayName("txtInput", i);
    order << "cmdCalcular"
          << "Grafico";
    for (int i = 0; i < 4; ++i)
        order << esferica::arrayName("txtGrid", i);
    order << "Picture1"
          << "cmdProcedimiento"
          << "cmdNavegacion"
          << "txtInput(0)";

    for (const QString& expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget()->objectName(), expected);
    }
    // Shift+Tab walks the same ring the other way.
    for (int i = static_cast<int>(order.size()) - 2; i >= -1; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_EQ(QApplication::focusWidget()->objectName(),
                  i >= 0 ? order[i] : QStringLiteral("txtInput(0)"));
    }
}

// Given every field holding text, when each is reached by Tab, then its whole text is selected.
TEST_F(FormTest, TabbingIntoAFieldSelectsAllItsText) {
    for (int i = 0; i < 6; ++i)
        input(i)->setText(QStringLiteral("%1.5").arg(10 * (i + 1)));
    for (int step = 0; step < 13; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
            SCOPED_TRACE(qPrintable(field->objectName()));
            EXPECT_EQ(field->selectedText(), field->text());
            EXPECT_FALSE(field->text().isEmpty());
        }
    }
}

// Given "15" in txtGrid(0), when the user tabs (or clicks) into it and types 45, then it holds 45.
TEST_F(FormTest, TypingAfterFocusByTabOrClickReplacesTheText) {
    for (bool byMouse : {false, true}) {
        SCOPED_TRACE(byMouse ? "mouse" : "tab");
        option(0)->setText(QStringLiteral("15"));
        control<QWidget>(QStringLiteral("Grafico"))->setFocus(Qt::OtherFocusReason);
        if (byMouse)
            QTest::mouseClick(option(0), Qt::LeftButton, {}, QPoint(12, 9));
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_TRUE(option(0)->hasFocus());
        EXPECT_EQ(option(0)->selectedText(), QStringLiteral("15"));
        QTest::keyClicks(option(0), QStringLiteral("45"));
        EXPECT_EQ(option(0)->text(), QStringLiteral("45"));
    }
}

// Only the click that brings the focus keeps the selection: once in the field, a click places the
// caret as usual.
TEST_F(FormTest, ClickInsideAFocusedFieldPlacesTheCaret) {
    option(1)->setText(QStringLiteral("2020"));
    QTest::mouseClick(option(1), Qt::LeftButton, {}, QPoint(8, 9));
    ASSERT_EQ(option(1)->selectedText(), QStringLiteral("2020"));
    QTest::mouseClick(option(1), Qt::LeftButton, {}, QPoint(40, 9));
    EXPECT_FALSE(option(1)->hasSelectedText());
}

TEST_F(FormTest, AltCRunsTheCommandFromAnyControl) {
    typeInputs({"60", "60", "60", "", "", ""});
    option(3)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(option(3), Qt::Key_C, Qt::AltModifier);
    // The shortcut animates the click, which runs the command a moment later.
    EXPECT_TRUE(QTest::qWaitFor([this] { return outcome(3)->text() == QStringLiteral("70.53"); }));
}

// Regression: Return and the keypad's Enter did nothing on the focused button (only Space ran it),
// nor in a field.
TEST_F(FormTest, SpaceOrEnterOnTheButtonAndEnterInAnyFieldRunTheCommand) {
    const struct {
        QWidget* target;
        Qt::Key key;
    } rows[] = {{button(), Qt::Key_Space}, {button(), Qt::Key_Return},
                {button(), Qt::Key_Enter}, {input(0), Qt::Key_Return},
                {input(5), Qt::Key_Enter}, {option(3), Qt::Key_Return}};
    for (const auto& row : rows) {
        SCOPED_TRACE(qPrintable(row.target->objectName() + QStringLiteral(" key ") +
                                QString::number(row.key, 16)));
        typeInputs({"60", "60", "60", "", "", ""});
        outcome(3)->clear();
        row.target->setFocus(Qt::TabFocusReason);
        QTest::keyClick(row.target, row.key);
        EXPECT_EQ(outcome(3)->text(), QStringLiteral("70.53"));
    }
}

// Regression: a field's context menu and the message box's button were in English.
TEST_F(FormTest, ToolkitTextsAreSpanish) {
    QTranslator toolkitTexts; // uninstalled again when it goes
    ASSERT_TRUE(esferica::installSpanishToolkitTexts(toolkitTexts));

    const std::unique_ptr<QMenu> menu(input(0)->createStandardContextMenu());
    QStringList entries;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            entries << action->text().section(QLatin1Char('\t'), 0, 0); // without the shortcut
    EXPECT_EQ(entries, (QStringList{"&Deshacer", "&Rehacer", "Cor&tar", "&Copiar", "&Pegar",
                                    "Borrar", "Seleccionar todo"}));

    const std::vector<SeenMessage> seen = calculate(); // no element given
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].okText, QStringLiteral("Aceptar"));
}

// The command's messages: each in its own modal box with the window's caption, one OK button and
// no icon. Every row runs after a successful calculation, whose results the message run clears,
// except that the drawing message leaves them standing.
// Every row runs after a successful calculation, whose results the message run clears,
// except that the drawing message leaves them standing. Under the message its reason names the
// fields, and the focus then goes to the field at fault, where there is one, with its whole text
// selected and shown from its start.
TEST_F(FormTest, EachMessageIsAPlainModalBoxWithOneOkButtonAndItsReason) {
    struct Row {
        const char* name;
        std::array<const char*, 6> inputs;
        const char* optionText; // the text of option field `option`
        const char* text;
        const char* informative; // how the reason begins
        const char* focus;       // the field focused after the box, or none
        bool resultsStay;
        int option = 0;
    };
    const char* const fewer = "Sistema subdeterminado, por favor ingrese 3 datos";
    const char* const misread = "Datos mal escritos";
    const Row rows[] = {
        {"no element",
         {"", "", "", "", "", ""},
         "15",
         fewer,
         "No se leyó ningún dato",
         nullptr,
         false},
        {"two elements",
         {"60", "60", "", "", "", ""},
         "15",
         fewer,
         "Se leyeron 2 datos: «lado a» = 60°, «lado b» = 60°; hacen falta 3.",
         nullptr,
         false},
        // A text without a leading number counted as not given, and the count message named it.
        {"a letter l for a one",
         {"l00", "60", "60", "", "", ""},
         "15",
         misread,
         "En «lado a», «l00» no empieza por un número: no se leyó nada. ¿Es una letra l en lugar "
         "de un uno? Escriba «100».",
         "txtInput(0)",
         false},
        {"a letter O for a zero",
         {"4O°30'", "60", "60", "", "", ""},
         "15",
         misread,
         "En «lado a», «4O°30'» no se leyó entero: se leyó 4 y no «O°30'». ¿Es una letra O en "
         "lugar de un cero? Escriba «40°30'».",
         "txtInput(0)",
         false},
        {"a colatitude as the book writes it",
         {"49°32'", "90-36°32'", "", "", "", "67°32'"},
         "15",
         misread,
         "En «lado b», «90-36°32'» no se leyó entero: se leyó 90 y no «-36°32'». El campo no hace "
         "operaciones: escriba el resultado, «53°28'».",
         "txtInput(1)",
         false},
        {"digits apart, in two fields",
         {"60", "17 5", "60", "1 30", "", ""},
         "15",
         misread,
         "En «lado b», «17 5» no se leyó entero: se leyó 17 y no «5». ¿Quiso escribir «175», "
         "«17.5» o «17°5'»? En «ángulo A», «1 30»",
         "txtInput(1)",
         false},
        {"a word in Inclinación",
         {"60", "60", "60", "", "", ""},
         "abc",
         "Error en datos de dibujo",
         "En «Inclinación», «abc» no empieza por un número: no se leyó nada.",
         "txtGrid(2)",
         true,
         2},
        {"four elements",
         {"60", "60", "60", "70.53", "", ""},
         "15",
         "El programa no está preparado para verificar sistemas sobredeterminados. Por favor "
         "ingrese sólo 3 datos",
         "Se leyeron 4 datos",
         nullptr,
         false},
        {"no triangle",
         {"30", "40", "80", "", "", ""},
         "15",
         "No existe solución",
         "El lado c = 80° es mayor que a + b = 70°",
         "txtInput(2)",
         false},
        {"angles summing to 180",
         {"", "", "", "60", "60", "60"},
         "15",
         "No existe solución",
         "Los ángulos suman 180°",
         nullptr,
         false},
        // Typed as "40 25 30", which is no longer one number.
        {"degrees, minutes and seconds typed together",
         {"402530", "60", "60", "", "", ""},
         "15",
         "No existe solución",
         "«lado a» = 402530°: cada lado y cada ángulo de un triángulo esférico está "
         "estrictamente entre 0° y 180°. Si son grados, minutos y segundos, escríbalos con sus "
         "signos",
         "txtInput(0)",
         false},
        {"no triangle by the law of sines",
         {"30", "80", "", "60", "", ""},
         "15",
         "No existe solución",
         "No se cierra ningún triángulo: con b = 80° y A = 60°, el lado a, opuesto a A, tendría "
         "que cumplir sen a ≥ sen b · sen A, y a = 30° es demasiado corto.",
         "txtInput(0)",
         false},
        {"a grid finer than a hundredth of a pixel",
         {"60", "60", "60", "", "", ""},
         "0.0179",
         "Error en datos de dibujo",
         "«º red lat.» = 0.0179°: harían falta más de 10000 líneas de los paralelos; la separación "
         "más fina que se dibuja es 0.018°.",
         "txtGrid(0)",
         true},
        {"zero grid spacing",
         {"60", "60", "60", "", "", ""},
         "0",
         "Error en datos de dibujo",
         "«º red lat.» vale 0: hace falta la separación de los paralelos",
         "txtGrid(0)",
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        for (int i = 0; i < 4; ++i)
            option(i)->setText(QString::fromLatin1(esferica::kDefaultOptionTexts[i]));
        typeInputs({"60", "60", "60", "", "", ""});
        ASSERT_TRUE(calculate().empty());
        ASSERT_EQ(outcome(0)->text(), QStringLiteral("60"));

        typeInputs(row.inputs);
        option(row.option)->setText(QString::fromLatin1(row.optionText));
        button()->setFocus();
        const std::vector<SeenMessage> seen = calculate();

        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].text, QString::fromUtf8(row.text));
        EXPECT_TRUE(seen[0].informative.startsWith(QString::fromUtf8(row.informative)))
            << seen[0].informative.toStdString();
        EXPECT_EQ(seen[0].title, kTitle);
        EXPECT_EQ(seen[0].buttons, 1);
        EXPECT_TRUE(seen[0].hasOk);
        EXPECT_EQ(seen[0].icon, QMessageBox::NoIcon);
        // The labels are final before the box opens.
        EXPECT_EQ(seen[0].outcomes, outcomes());
        if (row.resultsStay)
            EXPECT_EQ(outcome(3)->text(), QStringLiteral("70.53"));
        else
            EXPECT_EQ(outcomes(), QStringList(12, QString()));
        EXPECT_TRUE(isWhite(drawing())) << "no triangle stays drawn beside a message";
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(control<QLabel>(esferica::arrayName("lblValorMedida", i))->text().isEmpty(),
                      !row.resultsStay);
        ASSERT_NE(form_->focusWidget(), nullptr);
        EXPECT_EQ(form_->focusWidget()->objectName(),
                  QString::fromLatin1(row.focus ? row.focus : "cmdCalcular"));
        if (auto* field = qobject_cast<QLineEdit*>(form_->focusWidget())) {
            EXPECT_EQ(field->selectedText(), field->text());
            EXPECT_EQ(field->cursorPosition(), 0) << "the text is shown from its start";
        }
    }
}

// A field not read whole is marked after a click: a sign at its end, clear of the text, and a
// tooltip and an accessible description that say what was read and what was likely meant; the
// field shows its text from the start, and the mark goes when its text changes. Fields read whole,
// degrees and minutes included, carry none. A text wider than its field is whole in the tooltip.
TEST_F(FormTest, FieldsNotReadWholeAreMarkedUntilTheirTextChanges) {
    typeInputs({"6O", "49°32'", "49°32'15,25\"", "-40", "", "l00"});
    option(1)->setText(QStringLiteral("20 grados"));
    calculate();
    const auto signOf = [](QLineEdit* field) {
        const QList<QAction*> actions = field->actions();
        return actions.isEmpty() ? nullptr : actions.first();
    };
    const QString forms = input(4)->toolTip();
    EXPECT_TRUE(forms.contains(QStringLiteral("49°30'15\""))) << "the forms it reads";
    const struct {
        QLineEdit* field;
        const char* note;    // none: no mark
        const char* tooltip; // the tooltip when it is not the note alone, or not the forms
    } rows[] = {
        // The notes named no intent, and said that a text without a number counted as empty.
        {input(0), "Se leyó 6; no se leyó «O». ¿Es una letra O en lugar de un cero? Escriba «60».",
         nullptr},
        {input(1), nullptr, nullptr},
        {input(2), nullptr, "«49°32'15,25\"»\n"},
        {input(3), nullptr, nullptr},
        {input(5),
         "No se leyó nada: «l00» no empieza por un número. ¿Es una letra l en lugar de un uno? "
         "Escriba «100».",
         nullptr},
        {option(0), nullptr, nullptr},
        {option(1), "Se leyó 20; no se leyó «grados».",
         "«20 grados»\nSe leyó 20; no se leyó «grados»."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(qPrintable(row.field->objectName()));
        QAction* sign = signOf(row.field);
        EXPECT_EQ(sign && sign->isVisible(), row.note != nullptr);
        const QString note = QString::fromUtf8(row.note);
        const QString help =
            row.field->objectName().startsWith(QStringLiteral("txtInput")) ? forms : QString();
        QString tooltip = row.note ? note : help;
        if (row.tooltip)
            tooltip = QString::fromUtf8(row.tooltip) + (row.note ? QString() : help);
        EXPECT_EQ(row.field->toolTip(), tooltip);
        EXPECT_EQ(row.field->accessibleDescription(), note);
        if (!row.note)
            continue;
        EXPECT_EQ(row.field->cursorPosition(), 0) << "the text is shown from its start";
        // With the caret at the end of the text, the text reaches as far right as it goes.
        row.field->setCursorPosition(static_cast<int>(row.field->text().size()));
        row.field->repaint(); // which scrolls the text to the caret
        const QList<QToolButton*> buttons = row.field->findChildren<QToolButton*>();
        ASSERT_EQ(buttons.size(), 1);
        const QRect caret = row.field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        EXPECT_LT(caret.center().x(), buttons[0]->geometry().left())
            << "the sign never covers the text";
    }
    QTest::keyClick(input(0), Qt::Key_Backspace);
    EXPECT_FALSE(signOf(input(0))->isVisible());
    EXPECT_TRUE(input(0)->accessibleDescription().isEmpty());
    EXPECT_EQ(input(0)->toolTip(), forms);
    EXPECT_TRUE(signOf(input(5))->isVisible()) << "other marks stay";
}

// Results of other data than the fields hold are greyed until the next click; the given
// elements are in bold, and a double-click selects a whole number; F1 opens the help; a screen
// reader hears the outcome.
TEST_F(FormTest, ResultsTellTheirDataAndTheirStateAndTheWindowHelps) {
    // What the screen reader is alerted to (an accessibility event, sent when one is running).
    const auto heard = [this] {
        return control<QLabel>(QStringLiteral("lblAnuncio"))->accessibleName();
    };
    typeInputs({"40", "60", "", "30", "", ""});
    calculate();
    EXPECT_TRUE(heard().startsWith(QStringLiteral("Solución: lado a 40°, lado b 60°, lado c "
                                                  "88.1145735353°")))
        << heard().toStdString();
    EXPECT_TRUE(heard().contains(QStringLiteral("Solución adicional")));

    typeInputs({"30", "40", "80", "", "", ""});
    calculate();
    EXPECT_EQ(heard(), QStringLiteral("No existe solución. El lado c = 80° es mayor que a + b = "
                                      "70°: cada lado de un triángulo es menor que la suma de los "
                                      "otros dos."));
    typeInputs({"40", "60", "", "30", "", ""});
    calculate();

    for (int i : {0, 1, 3, 6, 7, 9})
        EXPECT_TRUE(outcome(i)->font().bold()) << i;
    for (int i : {2, 4, 5, 8, 10, 11})
        EXPECT_FALSE(outcome(i)->font().bold()) << i;

    QTest::mouseDClick(outcome(2), Qt::LeftButton, {}, QPoint(10, 8));
    EXPECT_EQ(outcome(2)->selectedText(), QStringLiteral("88.11"));

    EXPECT_TRUE(outcome(2)->isEnabled());
    QTest::keyClick(input(0), Qt::Key_5);
    for (int i = 0; i < 12; ++i)
        EXPECT_FALSE(outcome(i)->isEnabled()) << i;
    typeInputs({"40", "60", "", "30", "", ""});
    calculate();
    EXPECT_TRUE(outcome(2)->isEnabled());

    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    QTest::keyClick(input(0), Qt::Key_F1);
    auto* help = form_->findChild<QDialog*>(QStringLiteral("frmAyuda"));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    const QString text = help->findChild<QTextBrowser*>()->toPlainText();
    for (const char* part :
         {"Los seis casos", "49°30'15\"", "No existe solución", "3101,2 millas náuticas", "296,4°",
          "El procedimiento", "B₁ = 42,35°, B₂ = 180° − B₁ = 137,65°"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part;
}

// F2 (or the button) opens the working of the last click beside the window, which stays usable;
// the working follows the next click, its final values the labels', and can be searched.
TEST_F(FormTest, F2OpensTheWorkingWhichFollowsEachClick) {
    typeInputs({"40", "60", "", "30", "", ""});
    calculate();
    QTest::keyClick(input(0), Qt::Key_F2);
    auto* window = form_->findChild<QDialog*>(QStringLiteral("frmProcedimiento"));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    auto* text = window->findChild<QPlainTextEdit*>(QStringLiteral("txtProcedimiento"));
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->textInteractionFlags() & Qt::TextSelectableByMouse);
    const auto says = [&](const char* part) {
        return text->toPlainText().contains(QString::fromUtf8(part));
    };
    EXPECT_TRUE(says("B₁ = 42.35°, B₂ = 180° − B₁ = 137.65°"));
    EXPECT_TRUE(says(qPrintable("→ c = " + outcome(2)->text() + "°")));

    // The next click, with the window open: the working follows it.
    typeInputs({"60", "60", "60", "", "", ""});
    calculate();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(says("Caso: tres lados."));
    EXPECT_TRUE(says(qPrintable("→ A = " + outcome(3)->text() + "°")));
    EXPECT_FALSE(says("B₁"));
    typeInputs({"30", "40", "80", "", "", ""});
    calculate();
    EXPECT_TRUE(says("✗ el lado c es menor que la suma de los otros dos"));

    // Find next walks the occurrences and comes back round.
    auto* search = window->findChild<QLineEdit*>(QStringLiteral("txtBuscar"));
    ASSERT_NE(search, nullptr);
    search->setText(QStringLiteral("menor que la suma"));
    std::vector<int> found;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(search, Qt::Key_Return);
        EXPECT_EQ(text->textCursor().selectedText(), search->text());
        found.push_back(text->textCursor().position());
    }
    EXPECT_LT(found[0], found[1]);
    EXPECT_LT(found[1], found[2]);
    EXPECT_EQ(found[3], found[0]) << "three occurrences, then the first again";

    // The button opens the same window again.
    window->hide();
    QTest::mouseClick(control<QPushButton>(QStringLiteral("cmdProcedimiento")), Qt::LeftButton);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(form_->findChildren<QDialog*>(QStringLiteral("frmProcedimiento")).size(), 1);
}

TEST_F(FormTest, ResultsUseTheDecimalSeparatorOfTheLocale) {
    const struct {
        QLocale locale;
        const char* angle;
    } rows[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), "70.53"},
        {QLocale(QLocale::Spanish, QLocale::Spain), "70,53"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(qPrintable(row.locale.name()));
        QLocale::setDefault(row.locale);
        typeInputs({"60", "60", "60", "", "", ""});
        ASSERT_TRUE(calculate().empty());
        const QString angle = QString::fromLatin1(row.angle);
        EXPECT_EQ(outcomes(),
                  QStringList({"60", "60", "60", angle, angle, angle, "", "", "", "", "", ""}));
    }
}

// Sides 90, 90, 100: with the default view no start of the classic fit gives an arc of the length
// of side c, and the classic picture says so until the next run; the readable picture starts the
// fit from the exact image of the side and draws it. Choosing the other picture draws it again.
TEST_F(FormTest, StatusLabelTellsWhenSideCCouldNotBeDrawnUntilTheNextRun) {
    const QString missing = QStringLiteral("No se encontró solución gráfica para el lado c");
    auto* status = control<QLabel>(QStringLiteral("Resolvergraf"));
    typeInputs({"90", "90", "100", "", "", ""});
    ASSERT_TRUE(calculate().empty());
    EXPECT_EQ(status->text(), QString()) << "the readable picture draws the side";
    esferica::testing::choosePicture(*form_, esferica::PictureStyle::Classic);
    EXPECT_EQ(status->text(), missing);
    ASSERT_TRUE(calculate().empty());
    EXPECT_EQ(status->text(), missing);

    typeInputs({"60", "60", "60", "", "", ""});
    ASSERT_TRUE(calculate().empty());
    EXPECT_EQ(status->text(), QString());
}

// "Dibujo clásico" in the picture's menu is unchecked in a new window; checked, it is kept for the
// next window, which draws the classic picture without the colour cues of the headings, as the
// readable one draws them beside "Solución" and "Solución adicional (si existe)".
TEST_F(FormTest, TheChoiceOfPictureIsKeptAndTheHeadingsShowTheTrianglesColours) {
    const auto classic = [this] {
        return control<QAction>(QStringLiteral("actDibujoClasico"));
    };
    const auto cues = [this] {
        return QList<QWidget*>{control<QWidget>(QStringLiteral("colorSolucion")),
                               control<QWidget>(QStringLiteral("colorAdicional"))};
    };
    ASSERT_TRUE(classic()->isCheckable());
    for (const bool chosen : {false, true, false}) {
        SCOPED_TRACE(chosen ? "classic" : "readable");
        EXPECT_EQ(classic()->isChecked(), chosen);
        for (QWidget* cue : cues()) {
            EXPECT_EQ(cue->isVisible(), !chosen);
            const QRect heading = control<QLabel>(cue == cues()[0] ? QStringLiteral("Label2")
                                                                   : QStringLiteral("lbladicional"))
                                      ->geometry();
            EXPECT_LT(cue->geometry().right(), heading.left()) << "beside its heading";
        }
        if (!chosen) {
            const QImage first = cues()[0]->grab().toImage(), second = cues()[1]->grab().toImage();
            EXPECT_GT(countPixels(first, isRed), 5);
            EXPECT_GT(countPixels(second, [](QColor c) { return c.blue() > 150 && c.red() < 60; }),
                      5);
        }
        classic()->setChecked(!chosen);
        form_ = std::make_unique<frmTrianguloEsf>(); // the next run of the program
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    }
}

TEST_F(FormTest, DrawingAndDiagramSurviveHidingTheWindow) {
    typeInputs({"60", "60", "60", "", "", ""});
    ASSERT_TRUE(calculate().empty());
    const QImage before = drawing();
    EXPECT_GT(countPixels(before, isRed), 100) << "the triangle is drawn in red";
    EXPECT_GT(countPixels(before, isDark), 1000) << "the sphere is drawn in black";
    const QImage diagramBefore = control<QLabel>(QStringLiteral("Picture1"))->grab().toImage();

    form_->hide();
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));

    EXPECT_EQ(drawing(), before);
    EXPECT_EQ(control<QLabel>(QStringLiteral("Picture1"))->grab().toImage(), diagramBefore);
}

// Whole-degree data of exercises through the window: a double root shown once, data on a limit
// refused; and a result as a Spanish locale writes it, decimal comma and all, typed back in.
TEST_F(FormTest, TextbookDataShowExactlyTheTrianglesThatFit) {
    const struct {
        const char* name;
        QLocale locale;
        std::array<const char*, 6> inputs;
        QStringList shown; // empty: "No existe solución"
    } rows[] = {
        {"double root",
         QLocale(QLocale::English, QLocale::UnitedStates),
         {"30", "135", "", "45", "", ""},
         {"30", "135", "144.74", "45", "90", "125.26", "", "", "", "", "", ""}},
        {"perimeter of 360",
         QLocale(QLocale::English, QLocale::UnitedStates),
         {"120", "120", "120", "", "", ""},
         {}},
        {"negative side",
         QLocale(QLocale::English, QLocale::UnitedStates),
         {"-60", "60", "60", "", "", ""},
         {}},
        {"marks pasted from a document",
         QLocale(QLocale::English, QLocale::UnitedStates),
         {"49°30’", "49°30'15''", "49˚30'", "", "", ""},
         {"49.5", "49.5", "49.5", "66.81", "66.82", "66.81", "", "", "", "", "", ""}},
        {"decimal comma",
         QLocale(QLocale::Spanish, QLocale::Spain),
         {"", "", "", "70,53", "70,53", "70,53"},
         {"60", "60", "60", "70,53", "70,53", "70,53", "", "", "", "", "", ""}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QLocale::setDefault(row.locale);
        typeInputs(row.inputs);
        const std::vector<SeenMessage> seen = calculate();
        if (row.shown.isEmpty()) {
            ASSERT_EQ(seen.size(), 1u);
            EXPECT_EQ(seen[0].text, QStringLiteral("No existe solución"));
            EXPECT_EQ(outcomes(), QStringList(12, QString()));
        } else {
            EXPECT_TRUE(seen.empty());
            EXPECT_EQ(outcomes(), row.shown);
        }
    }
}

// The drawing surface on its own, in user coordinates from -1.2 to 1.2 with y up, as the drawing
// stage sets it.
class FormSurfaceTest : public QtTest {
protected:
    void SetUp() override {
        surface_ = std::make_unique<esferica::DrawingSurface>();
        surface_->resize(353, 353);
        surface_->Scale(-1.2f, 1.2f, 1.2f, -1.2f);
        surface_->Cls();
    }
    void TearDown() override { surface_.reset(); }

    void line(float x0, float y0, float x1, float y1) {
        surface_->setCurrentX(x0);
        surface_->setCurrentY(y0);
        surface_->Line(x1, y1);
    }
    // The colour at a point in user coordinates, after flushing.
    QColor at(double x, double y) {
        surface_->flush();
        const QImage& image = surface_->image();
        const double ratio = image.devicePixelRatio();
        return image.pixelColor(QPoint(static_cast<int>((x + 1.2) / 2.4 * 353 * ratio),
                                       static_cast<int>((1.2 - y) / 2.4 * 353 * ratio)));
    }

    std::unique_ptr<esferica::DrawingSurface> surface_;
};

TEST_F(FormSurfaceTest, KeepsACrispBackingImageOfItsSize) {
    const QImage& image = surface_->image();
    EXPECT_EQ(image.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(image.devicePixelRatio(), surface_->devicePixelRatioF());
    EXPECT_EQ(image.size(), QSize(353, 353) * surface_->devicePixelRatioF());
    EXPECT_TRUE(isWhite(image));
}

// Colours are red + 256 * green + 65536 * blue.
TEST_F(FormSurfaceTest, ForeColorPacksRedInTheLowByte) {
    const struct {
        std::int32_t value;
        QColor expected;
    } rows[] = {{0, Qt::black},
                {255, Qt::red},
                {255 * 256, Qt::green},
                {255 * 65536, Qt::blue},
                {0x336699, QColor(0x99, 0x66, 0x33)}};
    // Horizontal lines through pixel centres cover their row fully.
    const auto rowCentre = [](int row) {
        return static_cast<float>(1.2 - (row + 0.5) * 2.4 / 353);
    };
    int row = 40;
    for (const auto& r : rows) {
        surface_->setForeColor(r.value);
        line(-1, rowCentre(row), 1, rowCentre(row));
        row += 20;
    }
    row = 40;
    for (const auto& r : rows) {
        SCOPED_TRACE(r.value);
        const QColor seen = at(0, rowCentre(row));
        EXPECT_NEAR(seen.red(), r.expected.red(), 8);
        EXPECT_NEAR(seen.green(), r.expected.green(), 8);
        EXPECT_NEAR(seen.blue(), r.expected.blue(), 8);
        row += 20;
    }
}

// Scale puts (-1.2, 1.2) at the top left and y grows upwards; lines and circles follow it.
TEST_F(FormSurfaceTest, UserCoordinatesPointYUp) {
    surface_->setForeColor(255);
    line(0.6f, 0.3f, 0.6f, 1.1f); // a vertical stroke in the upper right quadrant
    surface_->setForeColor(255 * 65536);
    surface_->Circle(-0.6f, -0.6f, 0.3f); // a circle in the lower left quadrant
    EXPECT_EQ(at(0.6, 0.7).red(), 255);
    EXPECT_EQ(at(0.6, -0.7), QColor(Qt::white));
    EXPECT_EQ(at(-0.6, -0.6), QColor(Qt::white)) << "a circle is an outline";
    EXPECT_GT(at(-0.6, -0.6 + 0.3).blue() - at(-0.6, -0.6 + 0.3).red(), 100);
    EXPECT_GT(at(-0.6 - 0.3, -0.6).blue() - at(-0.6 - 0.3, -0.6).red(), 100);
    EXPECT_EQ(at(-0.6, 0.6), QColor(Qt::white));
}

// Operations take effect in call order: a colour change splits the segments, and Cls erases only
// what came before it.
TEST_F(FormSurfaceTest, OperationsTakeEffectInOrder) {
    surface_->setForeColor(255);
    line(-1, 0.5f, 1, 0.5f);
    surface_->Cls();
    surface_->setForeColor(255 * 65536);
    line(-1, 0, 0, 0);
    surface_->setForeColor(255);
    surface_->Line(1, 0); // continues from the current point (0, 0)
    surface_->setForeColor(0);
    EXPECT_EQ(at(0, 0.5), QColor(Qt::white)) << "erased by Cls";
    EXPECT_GT(at(-0.5, 0).blue(), 200);
    EXPECT_LT(at(-0.5, 0).red(), 100);
    EXPECT_GT(at(0.5, 0).red(), 200);
    EXPECT_LT(at(0.5, 0).blue(), 100);
}

// A fine grid makes far more segments than are held back at once; none may be lost.
TEST_F(FormSurfaceTest, ManySegmentsAreAllDrawn) {
    surface_->setForeColor(0);
    constexpr int kSegments = 20000;
    surface_->setCurrentX(-1);
    surface_->setCurrentY(-1);
    for (int i = 1; i <= kSegments; ++i)
        surface_->Line(-1 + 2.0f * static_cast<float>(i) / kSegments,
                       -1 + 2.0f * static_cast<float>(i) / kSegments);
    for (double t : {-0.9, -0.3, 0.2, 0.8, 0.99})
        EXPECT_LT(at(t, t).lightness(), 160) << t;
}

// The surface paints its segments in bands side by side; whatever the bands, every pixel must come
// out as one painter painting every stroke in order makes it: short segments of a fine grid
// across the bands' edges, circles, long lines, and the wide and dashed lines and names between
// them, which are painted whole.
TEST_F(FormSurfaceTest, PaintsInBandsTheSamePixelsAsOnePainter) {
    std::mt19937 random(12);
    std::uniform_real_distribution<float> at(-1.2f, 1.2f), step(-0.03f, 0.03f);
    for (int curve = 0; curve < 300; ++curve) {
        surface_->setForeColor(curve % 7 == 0 ? 255 : 0);
        float x = at(random), y = at(random);
        surface_->setCurrentX(x);
        surface_->setCurrentY(y);
        for (int k = 0; k < 100; ++k)
            surface_->Line(x += step(random), y += step(random));
        if (curve % 50 == 0)
            surface_->Circle(x, y, 0.5f);
        if (curve % 60 == 0)
            line(-1.1f, 1.1f, 1.1f, -1.1f);
        if (curve % 40 == 0) {
            surface_->setDrawWidth(2);
            surface_->setDrawStyle(curve % 80 == 0 ? esferica::DrawStyle::Dashed
                                                   : esferica::DrawStyle::Solid);
            for (int k = 0; k < 20; ++k)
                surface_->Line(x += step(random), y += step(random));
            surface_->Name(x, y, step(random), step(random), "B′");
            surface_->setDrawWidth(1);
            surface_->setDrawStyle(esferica::DrawStyle::Solid);
        }
    }
    surface_->flush();
    QImage one(surface_->image().size(), QImage::Format_ARGB32_Premultiplied);
    one.setDevicePixelRatio(surface_->image().devicePixelRatio());
    one.fill(Qt::white);
    {
        QPainter painter(&one);
        painter.setRenderHint(QPainter::Antialiasing);
        surface_->strokes().replay(painter);
    }
    EXPECT_TRUE(one == surface_->image());
}

} // namespace
