// SPDX-License-Identifier: GPL-3.0-or-later
// Taking results and pictures out of the window: the full-precision texts, the three actions
// through the keyboard, the menus and the file dialog, and the names that screen readers hear.

#include "drawing/record.h"
#include "drawing/svg.h"
#include "present/format.h"
#include "present/view.h"
#include "qt/picture/drawingsurface.h"
#include "qt/picture/picturefile.h"
#include "qt/picture/sheet.h"
#include "qt/picture/svgpicture.h"
#include "qt/window/export.h"
#include "qt/window/frmTrianguloEsf.h"
#include "tests/support/qt_test.h"
#include "tests/support/window_test.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>
#include <array>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <numbers>

namespace {

using esferica::testing::contextMenu;
using esferica::testing::whileOpen;
using esferica::testing::WindowTest;

// An SVG file of the picture: its groups in order, each with its pen, and what they hold.
struct SvgGroup {
    QString id, label, stroke;
    int paths = 0, circles = 0, dashed = 0;
    int points = 0;       // over all its paths
    int shortestPath = 0; // the fewest points of one of its paths
    QStringList texts{};  // "A" ... with their fill: "A #ff0000"
};
struct SvgPicture {
    bool wellFormed = false;
    QString viewBox;
    std::vector<SvgGroup> groups;
};
SvgPicture readSvg(const QByteArray& data) {
    SvgPicture out;
    QXmlStreamReader xml(data);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto attribute = [&xml](const char* name) {
            return xml.attributes().value(QLatin1String(name)).toString();
        };
        if (xml.name() == QLatin1String("svg"))
            out.viewBox = attribute("viewBox");
        if (xml.name() == QLatin1String("g"))
            out.groups.push_back(
                {attribute("id"), attribute("inkscape:label"), attribute("stroke")});
        if (out.groups.empty())
            continue;
        SvgGroup& group = out.groups.back();
        group.circles += xml.name() == QLatin1String("circle");
        if (xml.name() == QLatin1String("path")) {
            // "M x y L x y x y ...": a point is two numbers.
            const int points = static_cast<int>(attribute("d")
                                                    .remove(QLatin1Char('M'))
                                                    .remove(QLatin1Char('L'))
                                                    .split(QLatin1Char(' '), Qt::SkipEmptyParts)
                                                    .size()) /
                               2;
            group.shortestPath = group.paths++ == 0 ? points : std::min(group.shortestPath, points);
            group.points += points;
            group.dashed += !attribute("stroke-dasharray").isEmpty();
        }
        if (xml.name() == QLatin1String("text")) {
            const QString fill = attribute("fill");
            group.texts << xml.readElementText(QXmlStreamReader::IncludeChildElements) +
                               QLatin1Char(' ') + fill;
        }
    }
    out.wellFormed = !xml.hasError();
    return out;
}

class ExportTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        QApplication::clipboard()->clear();
    }

    QAction* action(const QString& text) const {
        for (QAction* found : form_->findChildren<QAction*>())
            if (found->text() == text)
                return found;
        ADD_FAILURE() << "no action " << qPrintable(text);
        return nullptr;
    }

    // Types the elements and clicks Calcular, closing any message the run shows.
    void calculate(const std::array<const char*, 6>& inputs) const {
        typeInputs(inputs);
        whileOpen([this] { button()->click(); }, [](QWidget* open) { open->close(); });
    }
    // Ctrl+S on the picture, answering the file dialog with `path`.
    void saveThroughDialog(const QString& path) const {
        form_->activateWindow(); // back from the previous dialog
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
        picture()->setFocus(Qt::OtherFocusReason);
        whileOpen([this] { QTest::keyClick(picture(), Qt::Key_S, Qt::ControlModifier); },
                  [&path](QWidget* open) {
                      auto* dialog = qobject_cast<QFileDialog*>(open);
                      ASSERT_NE(dialog, nullptr);
                      dialog->selectFile(path);
                      static_cast<QDialog*>(dialog)->accept(); // QFileDialog's own
                  });
    }
};

// Given the three sides of 60 degrees, the tooltips and the copied table show the values to ten
// decimals in the locale's separator; empty labels have no tooltip.
TEST_F(ExportTest, TooltipsAndCopiedTableCarryFullPrecision) {
    for (const auto& [locale, separator] : {std::pair{"es_ES", ','}, std::pair{"en_US", '.'}}) {
        SCOPED_TRACE(locale);
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        const auto localised = [separator = separator](const char* text) {
            return QString::fromUtf8(text).replace(QLatin1Char('.'), QLatin1Char(separator));
        };
        calculate({"60", "60", "60", "", "", ""});
        EXPECT_EQ(outcome(0)->toolTip(), localised("60.0000000000° = 60° 0′ 0.00″"));
        EXPECT_EQ(outcome(5)->toolTip(), localised("70.5287793655° = 70° 31′ 43.61″"));
        EXPECT_EQ(outcome(6)->toolTip(), QString());
        action(QStringLiteral("Copiar resultados"))->trigger();
        EXPECT_EQ(QApplication::clipboard()->text(),
                  localised("lado a\t60.0000000000\nlado b\t60.0000000000\nlado c\t60.0000000000\n"
                            "ángulo A\t70.5287793655\nángulo B\t70.5287793655\n"
                            "ángulo C\t70.5287793655\nexceso esférico\t31.5863380965\n"
                            "área\t0.5512855984\nperímetro\t180.0000000000\n"
                            "radio circunscrito\t35.2643896828\nradio inscrito\t19.4712206345\n"));
        // The measures beside the options, rounded like the results, in full in their tooltips.
        const auto measure = [this](int i) {
            return control<QLabel>(esferica::arrayName("lblValorMedida", i));
        };
        EXPECT_EQ(measure(0)->text(), localised("31.59°"));
        EXPECT_EQ(measure(0)->toolTip(), localised("31.5863380965° = 31° 35′ 10.82″"));
        EXPECT_EQ(measure(1)->text(), localised("0.55 sr"));
        EXPECT_EQ(measure(2)->text(), localised("180°"));
        EXPECT_EQ(measure(3)->text(), QString()) << "no additional triangle";
        EXPECT_TRUE(control<QLabel>(QStringLiteral("lblMedidaTriangulo(0)"))
                        ->toolTip()
                        .contains(localised("radio inscrito: 19.4712206345°")));
    }
}

// Two triangles fit a = 40, b = 60, A = 30: the second comes under its own heading, and every
// value rounds to what its label shows. A run that ends in a message leaves nothing to copy.
TEST_F(ExportTest, AdditionalTriangleHasItsHeadingAndNothingIsLeftAfterAMessage) {
    calculate({"40", "60", "", "30", "", ""});
    action(QStringLiteral("Copiar resultados"))->trigger();
    const QStringList table = QApplication::clipboard()->text().split(QLatin1Char('\n'));
    // Each triangle's six elements and five measures, the second under its heading.
    ASSERT_EQ(table.size(), 24) << qPrintable(table.join(QLatin1Char('|')));
    EXPECT_EQ(table[11], QStringLiteral("Solución adicional"));
    EXPECT_EQ(table[22], QStringLiteral("radio inscrito\t5.7939742545"));
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(i);
        const QStringList cells = table[i < 6 ? i : i + 6].split(QLatin1Char('\t'));
        ASSERT_EQ(cells.size(), 2);
        EXPECT_EQ(cells[0], control<QLabel>(esferica::arrayName("lblInput", i % 6))->text());
        EXPECT_EQ(cells[1].section(QLatin1Char('.'), 1).size(), 10);
        EXPECT_NEAR(cells[1].toDouble(), outcome(i)->text().toDouble(), 0.005 + 1e-12);
        EXPECT_TRUE(outcome(i)->toolTip().startsWith(cells[1] + QStringLiteral("° = ")));
    }

    calculate({"40", "", "", "", "", ""}); // too few elements
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(outcome(i)->toolTip(), QString()) << i;
    EXPECT_FALSE(action(QStringLiteral("Copiar resultados"))->isEnabled());
}

// Nothing stale is handed out: the three actions work only while the window shows a drawing of the
// data its fields hold. Once an input field changes, the picture greys with the results, and
// neither the menus nor the shortcuts copy anything, until the next Calcular.
TEST_F(ExportTest, StaleResultsAndPicturesAreNeitherCopiedNorSaved) {
    const auto redShown = [this] {
        const QImage shown = form_->grab(picture()->geometry()).toImage();
        int red = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const QColor c = shown.pixelColor(x, y);
                red += c.red() > 200 && c.green() < 120 && c.blue() < 120;
            }
        return red > 20;
    };
    const struct {
        const char* name;
        std::function<void()> act;
        bool current; // the actions enabled and the triangle shown in red
    } steps[] = {
        {"a window just opened", [] {}, false},
        {"a drawing",
         [this] {
             calculate({"60", "60", "60", "", "", ""});
         },
         true},
        {"an input changed", [this] { input(0)->setText(QStringLiteral("61")); }, false},
        {"the next Calcular",
         [this] {
             calculate({"61", "60", "60", "", "", ""});
         },
         true},
        {"a turn, which changes option fields only",
         [this] {
             picture()->setFocus(Qt::OtherFocusReason);
             QTest::keyClick(picture(), Qt::Key_Right);
             QTest::qWait(0);
         },
         true},
        {"a message about the data",
         [this] {
             calculate({"61", "", "", "", "", ""});
         },
         false},
        {"a drawing again",
         [this] {
             calculate({"60", "60", "60", "", "", ""});
         },
         true},
        {"a field not read whole",
         [this] {
             calculate({"60", "60", "6O", "", "", ""});
         },
         false},
        {"unusable drawing options",
         [this] {
             option(0)->setText(QStringLiteral("0"));
             calculate({"60", "60", "60", "", "", ""});
         },
         false},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        for (const char* name : {"Copiar resultados", "Copiar imagen", "Guardar imagen…"})
            EXPECT_EQ(action(QString::fromUtf8(name))->isEnabled(), step.current) << name;
        EXPECT_EQ(redShown(), step.current);
        QApplication::clipboard()->setText(QStringLiteral("antes"));
        form_->activateWindow(); // back from a message box
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
        picture()->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(picture(), Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(picture(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(QApplication::clipboard()->text() == QStringLiteral("antes"), !step.current);
    }
}

// The results are selectable with the mouse and, once clicked, with the keyboard; Tab passes over
// them, so the window's focus order stays as it is. Their menu copies the selection or the table.
TEST_F(ExportTest, ResultLabelsAreSelectableWithTheMouseAndTheKeyboard) {
    calculate({"60", "60", "60", "", "", ""});
    button()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), picture()) << "Tab goes from the button to the picture";
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(outcome(i)->textInteractionFlags().testFlags(Qt::TextSelectableByMouse |
                                                                 Qt::TextSelectableByKeyboard));
    QTest::mouseClick(outcome(5), Qt::LeftButton, {}, QPoint(2, 5));
    ASSERT_EQ(QApplication::focusWidget(), outcome(5));
    QTest::keyClick(outcome(5), Qt::Key_Home);
    QTest::keyClick(outcome(5), Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClick(outcome(5), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("70.53"));
    const QStringList formats{"Grados decimales", "Grados, minutos y segundos",
                              "Grados y minutos decimales", "Radianes"};
    EXPECT_EQ(contextMenu(outcome(5)),
              (QStringList{"&Copiar", "Seleccionar todo", "", "Copiar resultados", ""} + formats));
    EXPECT_EQ(contextMenu(control<QLabel>(QStringLiteral("lbladicional"))),
              (QStringList{"Copiar resultados", ""} + formats));
}

// On the picture, Ctrl+C copies it at its device pixels, and its menu holds the three actions,
// the choice of the classic picture and the language's submenu.
TEST_F(ExportTest, PictureIsCopiedByCtrlCAndHasTheThreeActionsInItsMenu) {
    calculate({"60", "60", "60", "", "", ""});
    picture()->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(picture(), Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), picture()->size() * picture()->devicePixelRatioF());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
              picture()->image().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(contextMenu(picture()),
              (QStringList{"Copiar imagen", "Guardar imagen…", "Exportar hoja…", "",
                           "Copiar resultados", "", "Mirar al triángulo", "Navegación…", "",
                           "Nombres de los lados", "Dibujo clásico", "", "Idioma / Language"}));
}

// Ctrl+S on the picture asks for a file: a PNG loads back at the picture's device pixels, an SVG
// is well-formed and small, each line of the drawing one path in the group of its part, each name
// a text. A file that cannot be written is told in Spanish, and nothing is left behind.
TEST_F(ExportTest, SavedPngAndSvgHoldThePicture) {
    calculate({"60", "60", "60", "", "", ""});
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());

    saveThroughDialog(folder.filePath(QStringLiteral("triangulo.png")));
    const QImage png(folder.filePath(QStringLiteral("triangulo.png")));
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32),
              picture()->image().convertToFormat(QImage::Format_RGB32));

    saveThroughDialog(folder.filePath(QStringLiteral("triangulo.svg")));
    QFile file(folder.filePath(QStringLiteral("triangulo.svg")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    EXPECT_LE(data.size(), 100 * 1024) << "the default picture";
    const SvgPicture svg = readSvg(data);
    EXPECT_TRUE(svg.wellFormed);
    EXPECT_EQ(svg.viewBox, QStringLiteral("0 0 353 353"));
    QStringList groups;
    int points = 0;
    for (const SvgGroup& g : svg.groups) {
        groups << g.id + QLatin1Char(' ') + g.label + QLatin1Char(' ') + g.stroke;
        points += g.points;
        if (g.paths > 0) {
            EXPECT_GE(g.shortestPath, 2) << qPrintable(g.id);
        }
    }
    EXPECT_EQ(groups, (QStringList{"cara-oculta Cara oculta #b0b0b0", "red Red #000000",
                                   "fondo-nombres Fondo de los nombres ",
                                   "solucion Solución #ff0000", "nombres Nombres "}));
    EXPECT_EQ(svg.groups[1].circles, 1);
    EXPECT_LT(svg.groups[0].paths + svg.groups[1].paths, 100) << "a path a line, not a segment";
    // Every segment's end is a point of a path, but for those of no length.
    EXPECT_LE(static_cast<std::size_t>(points), picture()->strokes().segmentCount() + 100);
    EXPECT_GT(static_cast<std::size_t>(points), picture()->strokes().segmentCount() * 9 / 10);
    EXPECT_EQ(svg.groups[2].texts, (QStringList{"A #ffffff", "B #ffffff", "C #ffffff", "a #ffffff",
                                                "b #ffffff", "c #ffffff"}));
    EXPECT_EQ(svg.groups[4].texts, (QStringList{"A #ff0000", "B #ff0000", "C #ff0000", "a #ff0000",
                                                "b #ff0000", "c #ff0000"}));

    // The additional triangle is a group of its own, under the solution; the classic picture
    // shows only its lines.
    calculate({"40", "60", "", "30", "", ""});
    EXPECT_EQ(form_->findChild<esferica::Exporter*>()->writeImage(folder.filePath("dos.svg")), "");
    QFile two(folder.filePath(QStringLiteral("dos.svg")));
    ASSERT_TRUE(two.open(QIODevice::ReadOnly));
    const SvgPicture ambiguous = readSvg(two.readAll());
    ASSERT_EQ(ambiguous.groups.size(), 6u);
    EXPECT_EQ(ambiguous.groups[3].id + ambiguous.groups[3].stroke, "solucion-adicional#0072b2");
    EXPECT_EQ(ambiguous.groups[4].id, "solucion");
    EXPECT_TRUE(ambiguous.groups[5].texts.contains(QStringLiteral("B′ #0072b2")))
        << qPrintable(ambiguous.groups[5].texts.join(QLatin1Char('|')));
    esferica::testing::choosePicture(*form_, esferica::PictureStyle::Classic);
    EXPECT_EQ(form_->findChild<esferica::Exporter*>()->writeImage(folder.filePath("dos.svg")), "");
    two.close();
    ASSERT_TRUE(two.open(QIODevice::ReadOnly));
    QStringList classic;
    for (const SvgGroup& g : readSvg(two.readAll()).groups)
        classic << g.id;
    EXPECT_EQ(classic, (QStringList{"red", "solucion"}));

    const QString missing = folder.filePath(QStringLiteral("no/existe.png"));
    EXPECT_TRUE(form_->findChild<esferica::Exporter*>()->writeImage(missing).startsWith(
        QStringLiteral("No se pudo guardar la imagen en «%1»").arg(missing)));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              (QStringList{"dos.svg", "triangulo.png", "triangulo.svg"}));
}

// "Guardar imagen…" offers the PNG at one, two and four times the picture's device pixels, each
// drawn anew at its size: the antialiased edges of the black lines stay a device pixel wide, so
// their part-inked pixels grow with the scale, where a scaled bitmap's grow with its square;
// shrunk back, the picture is the screen's.
TEST_F(ExportTest, PngAtTwiceAndFourTimesIsDrawnAtItsSize) {
    calculate({"40", "60", "", "30", "", ""});
    QTemporaryDir folder;
    const QImage screen = picture()->image().convertToFormat(QImage::Format_RGB32);
    // The pixels partly inked by the black lines: grey, between the far side's light grey and
    // black.
    const auto edges = [](const QImage& image) {
        int part = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                part += std::max({c.red(), c.green(), c.blue()}) -
                                std::min({c.red(), c.green(), c.blue()}) <=
                            10 &&
                        c.lightness() > 40 && c.lightness() < 150;
            }
        return part;
    };
    double previous = 0;
    for (std::size_t k = 0; k < esferica::Exporter::kImageScales.size(); ++k) {
        const int times = esferica::Exporter::kImageScales[k];
        SCOPED_TRACE(times);
        const QString path = folder.filePath(QStringLiteral("x%1.png").arg(times));
        form_->activateWindow(); // back from the previous dialog
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
        whileOpen(
            [this] {
                picture()->setFocus(Qt::OtherFocusReason);
                QTest::keyClick(picture(), Qt::Key_S, Qt::ControlModifier);
            },
            [&](QWidget* open) {
                auto* dialog = qobject_cast<QFileDialog*>(open);
                ASSERT_NE(dialog, nullptr);
                ASSERT_EQ(dialog->nameFilters().size(), 4);
                dialog->selectNameFilter(dialog->nameFilters()[static_cast<int>(k)]);
                dialog->selectFile(path);
                static_cast<QDialog*>(dialog)->accept();
            });
        const QImage png = QImage(path).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(png.size(),
                  (QSizeF(picture()->size()) * picture()->devicePixelRatioF() * times).toSize());
        if (times == 1) {
            EXPECT_TRUE(png == screen) << "the screen's own pixels";
            previous = edges(png);
            continue;
        }
        EXPECT_LT(edges(png), previous * times * 1.5) << "edges a device pixel wide";
        const QImage shrunk =
            png.scaled(screen.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        double difference = 0;
        for (int y = 0; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x)
                difference += std::abs(shrunk.pixelColor(x, y).lightness() -
                                       screen.pixelColor(x, y).lightness());
        EXPECT_LT(difference / (screen.width() * screen.height()), 8) << "the same picture";
    }
}

// "Exportar hoja…" writes one page of PDF with the data as typed, the case, both triangles with
// their measures, the view and the date, and the picture as vectors, not as an image.
TEST_F(ExportTest, TheHandoutPageHoldsDataCaseResultsPictureAndView) {
    QAction* sheet = action(QStringLiteral("Exportar hoja…"));
    ASSERT_NE(sheet, nullptr);
    EXPECT_FALSE(sheet->isEnabled()) << "nothing drawn yet";
    typeInputs({"40", "60", "", "30°0'", "", ""});
    whileOpen([this] { button()->click(); }, [](QWidget* open) { open->close(); });
    ASSERT_TRUE(sheet->isEnabled());
    const esferica::Calculation calc = [this] {
        esferica::Calculator command;
        esferica::FieldTexts fields;
        for (int i = 0; i < 6; ++i)
            fields.inputs[static_cast<std::size_t>(i)] = input(i)->text().toStdString();
        return command.calculate(fields);
    }();
    const esferica::SheetTexts texts =
        esferica::sheetTexts(calc, {30, 10}, QDate(2026, 12, 9), ".");
    EXPECT_EQ(texts.date, QStringLiteral("9 de diciembre de 2026"));
    EXPECT_EQ(texts.data, (QStringList{"a = 40", "b = 60", "A = 30°0'"}));
    EXPECT_EQ(texts.kind,
              QStringLiteral("Caso: Dos lados y el ángulo opuesto a uno de ellos (caso ambiguo)"));
    ASSERT_EQ(texts.solution.size(), 12);
    EXPECT_EQ(texts.solution[0], QStringLiteral("Solución"));
    EXPECT_EQ(texts.solution[3], QStringLiteral("c = 88.11°"));
    EXPECT_EQ(texts.solution[7], QStringLiteral("exceso esférico: 21.32°"));
    ASSERT_EQ(texts.additional.size(), 12);
    EXPECT_EQ(texts.additional[0], QStringLiteral("Solución adicional"));
    EXPECT_EQ(texts.additional[3], QStringLiteral("c = 24.51°"));
    EXPECT_EQ(texts.view, QStringLiteral("Vista: inclinación 30°, rotación 10°"));
    // The same page in English.
    const esferica::SheetTexts english =
        esferica::sheetTexts(calc, {30, 10}, QDate(2026, 12, 9), ".",
                             esferica::Catalogue::of(esferica::Language::English));
    EXPECT_EQ(english.date, QStringLiteral("9 December 2026"));
    EXPECT_EQ(
        english.kind,
        QStringLiteral("Case: Two sides and the angle opposite one of them (ambiguous case)"));
    EXPECT_EQ(english.solution[7], QStringLiteral("spherical excess: 21.32°"));
    EXPECT_EQ(english.additional[0], QStringLiteral("Second solution"));
    EXPECT_EQ(english.view, QStringLiteral("View: inclination 30°, rotation 10°"));

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("hoja.pdf"));
    EXPECT_EQ(form_->findChild<esferica::Exporter*>()->writeSheet(path), QString());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "),
              1)
        << "one page";
    EXPECT_FALSE(pdf.contains("/Subtype /Image")) << "the picture as vectors";
    // Where poppler's pdftotext is at hand, the page's text is read back.
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        return;
    QProcess reader;
    reader.start(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    ASSERT_TRUE(reader.waitForFinished());
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    for (const QString& line :
         {QStringLiteral("Resolución de triángulos esféricos"), QStringLiteral("A = 30°0'"),
          QStringLiteral("caso ambiguo"), QStringLiteral("Solución adicional"),
          QStringLiteral("c = 88.11°"), QStringLiteral("c = 24.51°"),
          QStringLiteral("radio inscrito"), QStringLiteral("Vista: inclinación 30°, rotación 10°")})
        EXPECT_TRUE(text.contains(line)) << qPrintable(line) << " in\n" << qPrintable(text);
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("\\d+ de \\w+ de \\d{4}"))))
        << "dated";
}

// The command line draws the picture into a file of each format, with no display at all: the
// program runs without DISPLAY, WAYLAND_DISPLAY or a platform named, prints its table as without
// a picture, and the file holds the picture at the size asked for.
TEST(CommandLinePicture, EachFormatIsWrittenWithoutADisplay) {
    struct Row {
        const char* file;
        QStringList options;
        QStringList groups; // of an SVG; empty for the other formats
        int pixels = 353;   // of a PNG
    };
    const Row rows[] = {
        {"t.png", {"--tamano", "706"}, {}, 706},
        {"small.png", {"--tamano", "200"}, {}, 200},
        {"t.svg",
         {"--vista", "-30,60"},
         {"cara-oculta", "red", "fondo-nombres", "solucion-adicional", "solucion", "nombres"}},
        {"clasico.SVG", {"--clasico"}, {"red", "solucion"}},
        {"t.pdf", {}, {}},
    };
    QTemporaryDir folder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR"})
        environment.remove(QString::fromLatin1(name));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        const QString path = folder.filePath(QString::fromLatin1(row.file));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ESFERICA_PROGRAM),
                      QStringList{"--resolver", "a=40", "b=60", "A=30", "--imagen", path} +
                          row.options);
        ASSERT_TRUE(program.waitForFinished(30000));
        EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
        EXPECT_TRUE(program.readAllStandardOutput().startsWith("lado a\t40.0000000000\n"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        switch (esferica::pictureFormatOf(path)) {
        case esferica::PictureFormat::Png: {
            const QImage image = QImage::fromData(data, "png");
            ASSERT_EQ(image.size(), QSize(row.pixels, row.pixels));
            // The whole picture at that size: the outline's lowest point where it belongs, and
            // the additional triangle in blue.
            const int bottom = static_cast<int>(std::lround(row.pixels * 2.2 / 2.4));
            int outline = 0, blue = 0;
            for (int y = bottom - 2; y <= bottom + 1; ++y)
                outline += image.pixelColor(row.pixels / 2, y).lightness() < 128;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    blue += c.blue() > c.red() + 80;
                }
            EXPECT_GT(outline, 0) << "the outline at the bottom";
            EXPECT_GT(blue, row.pixels) << "the additional triangle";
            break;
        }
        case esferica::PictureFormat::Svg: {
            const SvgPicture svg = readSvg(data);
            EXPECT_TRUE(svg.wellFormed);
            QStringList groups;
            for (const SvgGroup& g : svg.groups)
                groups << g.id;
            EXPECT_EQ(groups, row.groups);
            break;
        }
        case esferica::PictureFormat::Pdf:
            EXPECT_TRUE(data.startsWith("%PDF-"));
            EXPECT_FALSE(data.contains("/Subtype /Image")) << "vectors";
            break;
        }
    }
    // A file that cannot be written is said, in the language asked for, with its own status.
    for (const auto& [language, said] : {std::pair{"es", "No se pudo guardar la imagen"},
                                         std::pair{"en", "The picture could not be saved"}}) {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ESFERICA_PROGRAM),
                      {"--idioma", language, "--resolver", "a=60", "b=60", "c=60", "--imagen",
                       folder.filePath(QStringLiteral("no/existe.png"))});
        ASSERT_TRUE(program.waitForFinished(30000));
        EXPECT_EQ(program.exitCode(), 3);
        EXPECT_TRUE(program.readAllStandardError().contains(said)) << language;
    }
}

// What a screen reader hears of each control, through the accessibility interfaces.
TEST_F(ExportTest, EveryControlHasAnAccessibleName) {
    const auto heard = [](QWidget* widget, QAccessible::Text text) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        return accessible ? accessible->text(text) : QStringLiteral("<none>");
    };
    for (const auto& [caption, field, count] :
         {std::tuple{"lblInput", "txtInput", 6}, std::tuple{"lblgrid", "txtGrid", 4}}) {
        for (int i = 0; i < count; ++i) {
            auto* label = control<QLabel>(esferica::arrayName(caption, i));
            EXPECT_EQ(label->buddy(), control<QWidget>(esferica::arrayName(field, i)));
            EXPECT_EQ(heard(label->buddy(), QAccessible::Name), label->text());
        }
    }
    EXPECT_EQ(heard(outcome(0), QAccessible::Name), QStringLiteral("Solución, lado a"));
    EXPECT_EQ(heard(outcome(10), QAccessible::Name),
              QStringLiteral("Solución adicional, ángulo B"));
    for (const char* name : {"Grafico", "Picture1"})
        EXPECT_GT(
            heard(control<QWidget>(QString::fromLatin1(name)), QAccessible::Description).size(), 40)
            << name;
    // A filled result's value reaches the reader as its description; the status, likewise.
    esferica::testing::choosePicture(*form_, esferica::PictureStyle::Classic);
    calculate({"90", "90", "100", "", "", ""});
    EXPECT_EQ(heard(outcome(0), QAccessible::Description), outcome(0)->toolTip());
    EXPECT_EQ(heard(control<QWidget>(QStringLiteral("Resolvergraf")), QAccessible::Description),
              QStringLiteral("No se encontró solución gráfica para el lado c"));
    for (QWidget* widget : form_->findChildren<QWidget*>()) {
        if (!widget->objectName().isEmpty()) {
            EXPECT_FALSE(heard(widget, QAccessible::Name).isEmpty())
                << qPrintable(widget->objectName());
        }
    }
}

// The picture's description follows what it shows, step by step: nothing, one triangle or two with
// the names of their vertices and the view, a turn, the classic picture and a side c it leaves out,
// and nothing again after a message.
TEST_F(ExportTest, ThePicturesDescriptionFollowsWhatItShows) {
    struct Step {
        const char* name;
        std::function<void()> action;
        QStringList says, doesNotSay;
    };
    const auto click = [this](std::array<const char*, 6> inputs) {
        return [this, inputs] {
            calculate(inputs);
        };
    };
    const Step steps[] = {
        {"before any click", [] {}, {"Nada dibujado"}, {"vértices"}},
        {"one triangle",
         click({"60", "60", "60", "", "", ""}),
         {"inclinación 30° y rotación 10°", "triángulo resuelto en rojo, de vértices A, B y C",
          "gris claro"},
         {"Falta", "Nada"}},
        {"two triangles",
         click({"40", "60", "", "30", "", ""}),
         {"dos triángulos", "solución en rojo, de vértices A, B y C",
          "solución adicional en azul, de vértices A, B′ y C"},
         {"Falta"}},
        {"turned with the right arrow",
         [this] {
             picture()->setFocus(Qt::TabFocusReason);
             QTest::keyClick(picture(), Qt::Key_Right);
             QApplication::processEvents();
         },
         {"inclinación 30° y rotación 5°", "dos triángulos"},
         {"rotación 10°"}},
        {"classic picture, side c left out",
         [&] {
             esferica::testing::choosePicture(*form_, esferica::PictureStyle::Classic);
             option(3)->setText(QStringLiteral("10"));
             calculate({"90", "90", "100", "", "", ""});
         },
         {"con el triángulo resuelto en rojo", "Falta el lado c"},
         {"vértices A", "gris"}},
        {"a message", click({"90", "", "", "", "", ""}), {"Nada dibujado"}, {"triángulo resuelto"}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.action();
        const QString description = picture()->accessibleDescription();
        for (const QString& words : step.says)
            EXPECT_TRUE(description.contains(words)) << qPrintable(description);
        for (const QString& words : step.doesNotSay)
            EXPECT_FALSE(description.contains(words)) << qPrintable(description);
    }
}

} // namespace

namespace {

// The toolkit's measures of the names, as the window's picture takes them.
class ToolkitNameMetrics : public esferica::NameMetrics {
public:
    explicit ToolkitNameMetrics(const QFont& base) : base_(base) {}
    esferica::NameFont font(std::string_view name) const override {
        QFont font = base_;
        font.setPixelSize(static_cast<int>(std::lround(QFontInfo(font).pixelSize() * 1.25)));
        return {font.family().toStdString(), font.pixelSize(), true,
                !name.empty() && name.front() >= 'a' && name.front() <= 'z'};
    }
    double advance(std::string_view letters, const esferica::NameFont& font) const override {
        return QFontMetricsF(qtFont(font)).horizontalAdvance(QString::fromUtf8(letters));
    }
    esferica::PixelBox ink(std::string_view letters,
                           const esferica::NameFont& font) const override {
        const QRectF r = QFontMetricsF(qtFont(font)).tightBoundingRect(QString::fromUtf8(letters));
        return {r.left(), r.top(), r.right(), r.bottom()};
    }
    double capHeight(const esferica::NameFont& font) const override {
        return QFontMetricsF(qtFont(font)).capHeight();
    }

private:
    QFont qtFont(const esferica::NameFont& f) const {
        QFont font = base_;
        font.setPixelSize(f.pixelSize);
        font.setBold(f.bold);
        font.setItalic(f.italic);
        return font;
    }
    QFont base_;
};

using PictureRecordTest = esferica::testing::QtTest;

} // namespace

// The picture drawn without the toolkit, measuring its names as the window does, is the window's
// picture: its SVG document is the very one that "Guardar imagen…" writes. The built-in table of
// the font's glyphs measures the names as the toolkit does, to its rounding.
TEST_F(PictureRecordTest, TheToolkitFreeSurfaceDrawsTheWindowsPicture) {
    struct Row {
        std::array<const char*, 6> inputs; // a b c A B C
        const char* inclination;
        const char* rotation;
        esferica::PictureStyle style;
    };
    using esferica::PictureStyle;
    const Row rows[] = {
        {{"40", "", "", "50", "70", ""}, "30", "10", PictureStyle::Readable},
        {{"40", "", "", "50", "70", ""}, "30", "10", PictureStyle::Classic},
        {{"100", "120", "90", "", "", ""}, "80", "-170", PictureStyle::Readable},
        {{"", "20", "30", "", "35", ""}, "-45", "135", PictureStyle::Readable},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.inputs[0]) + " " + row.inclination + " " + row.rotation);
        esferica::FieldTexts texts;
        for (std::size_t i = 0; i < row.inputs.size(); ++i)
            texts.inputs[i] = row.inputs[i];
        texts[esferica::OptionField::Inclination] = row.inclination;
        texts[esferica::OptionField::Rotation] = row.rotation;
        const auto drawn = [&](esferica::Surface& surface) {
            esferica::Calculator calculator;
            calculator.setPictureStyle(row.style);
            calculator.calculate(texts);
            calculator.drawPicture(surface);
        };
        esferica::DrawingSurface window;
        window.resize(353, 353);
        drawn(window);
        window.flush();
        const QByteArray expected =
            esferica::svgPicture(window.strokes(), QSizeF(353, 353), QSize(353, 353), "t", "d",
                                 esferica::svgLayerNames(esferica::Catalogue::spanish()));
        const auto measured = std::make_shared<ToolkitNameMetrics>(window.font());
        esferica::RecordingSurface same(353, 353, measured), tabled(353, 353);
        drawn(same);
        drawn(tabled);
        EXPECT_EQ(esferica::svgDocument(same.record(), 353, 353, "t", "d",
                                        esferica::svgLayerNames(esferica::Catalogue::spanish())),
                  expected.toStdString());

        // Every name measured by the table within a pixel of the toolkit's measure, which rounds
        // the ink to whole pixels.
        const esferica::TableNameMetrics table;
        for (const esferica::RecordedStroke& s : tabled.record().strokes) {
            if (s.kind != esferica::RecordedStroke::Kind::Text)
                continue;
            SCOPED_TRACE(s.text);
            const esferica::NameFont font = table.font(s.text);
            EXPECT_EQ(font.pixelSize, measured->font(s.text).pixelSize);
            const esferica::PixelBox ours = esferica::nameInkOf(table, s.text, font),
                                     theirs = esferica::nameInkOf(*measured, s.text, font);
            for (const auto& [a, b] : {std::pair{ours.left, theirs.left},
                                       {ours.top, theirs.top},
                                       {ours.right, theirs.right},
                                       {ours.bottom, theirs.bottom}})
                EXPECT_NEAR(a, b, 1.1);
            EXPECT_NEAR(table.advance(s.text, font), measured->advance(s.text, font), 0.5);
        }
    }
}
