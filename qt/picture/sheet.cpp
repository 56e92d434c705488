// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/picture/sheet.h"

#include "numeric/angles.h"
#include "present/format.h"
#include "present/view.h"
#include "qt/window/controls.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

namespace esferica {

namespace {

// The page: A4 upright, margins of 20 mm, laid out in points.
constexpr qreal kMarginMm = 20;
constexpr int kPointsPerInch = 72;
// Type sizes in points: the title, the headings and the text.
constexpr qreal kTitlePoints = 16;
constexpr qreal kTextPoints = 10;
// Lines are this many times their type size apart.
constexpr qreal kLineSpacing = 1.45;
// The picture's side, as a share of the text's width.
constexpr qreal kPictureShare = 0.72;

// A triangle's lines: its heading, its six elements to two decimals as the window shows them,
// then its measures.
QStringList triangleLines(const QString& heading, const Calculation& calc, const View& shown,
                          bool additional, const Catalogue& words,
                          std::string_view decimalSeparator) {
    QStringList lines{heading};
    const TriangleSolution& t = additional ? *calc.additional : calc.primary;
    for (const Element e : kAllElements)
        lines << fromStd(
            words.fill(Text::Formula,
                       {{"letter", std::string(elementLetter(e))},
                        {"value", degreesWithSign(RadtoGrad(t[e]).value(), decimalSeparator)}}));
    const std::optional<Measures>& measures =
        additional ? calc.additionalMeasures : calc.primaryMeasures;
    if (measures)
        for (const Measure m : kAllMeasures)
            lines << QStringLiteral("%1: %2").arg(
                fromStd(measureCaption(m, words)),
                fromStd(shown.measures[additional ? 1 : 0][static_cast<std::size_t>(m)].text));
    return lines;
}

// Writes `lines` from `top` down, the first in bold, and returns where the next line goes.
qreal writeLines(QPainter& painter, const QStringList& lines, qreal left, qreal top, bool heading) {
    QFont font = painter.font();
    const qreal step = font.pointSizeF() * kLineSpacing;
    for (int i = 0; i < lines.size(); ++i) {
        QFont line = font;
        line.setBold(heading && i == 0);
        painter.setFont(line);
        painter.drawText(QPointF(left, top + QFontMetricsF(line).ascent()), lines[i]);
        top += step;
    }
    painter.setFont(font);
    return top;
}

} // namespace

SheetTexts sheetTexts(const Calculation& calc, ViewAngles view, QDate date,
                      std::string_view decimalSeparator, const Catalogue& words) {
    SheetTexts texts;
    texts.title = fromStd(words.text(Text::WinTitle));
    texts.heading = fromStd(words.text(Text::SheetData));
    texts.date =
        QLocale(words.language() == Language::English ? QLocale::English : QLocale::Spanish)
            .toString(date, fromStd(words.text(Text::SheetDate)));
    for (const Element e : kAllElements)
        if (calc.isGiven(e)) {
            const Reading& typed = calc.reading(e);
            texts.data << QStringLiteral("%1 = %2").arg(fromStd(elementLetter(e)),
                                                        fromStd(typed.read + typed.left));
        }
    if (calc.kind)
        texts.kind = fromStd(
            words.fill(Text::SheetCase, {{"case", std::string(caseName(*calc.kind, words))}}));
    Units units;
    units.decimalSeparator = decimalSeparator;
    const View shown = present(calc, units, words);
    texts.solution = triangleLines(fromStd(words.text(Text::SolutionHeading)), calc, shown, false,
                                   words, decimalSeparator);
    if (calc.additional)
        texts.additional = triangleLines(fromStd(words.text(Text::AdditionalHeading)), calc, shown,
                                         true, words, decimalSeparator);
    texts.view = fromStd(words.fill(
        Text::SheetView, {{"inclination", degreesWithSign(view.inclination, decimalSeparator)},
                          {"rotation", degreesWithSign(view.rotation, decimalSeparator)}}));
    return texts;
}

QByteArray sheetPdf(const SheetTexts& texts, const StrokeRecord& strokes, QSizeF frame) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle(texts.title);
    pdf.setCreator(QStringLiteral("esferica"));
    pdf.setResolution(kPointsPerInch);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                  QPageLayout::Millimeter));
    QPainter painter(&pdf);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF page(QPointF(0, 0), QSizeF(pdf.width(), pdf.height()));

    QFont font = painter.font();
    font.setPointSizeF(kTitlePoints);
    font.setBold(true);
    painter.setFont(font);
    qreal top = QFontMetricsF(font).ascent();
    painter.drawText(QPointF(0, top), texts.title);
    font.setPointSizeF(kTextPoints);
    font.setBold(false);
    painter.setFont(font);
    const qreal line = kTextPoints * kLineSpacing;
    top += line;
    painter.drawText(QPointF(0, top + QFontMetricsF(font).ascent()), texts.date);
    top += 2 * line;

    top = writeLines(painter, QStringList{texts.heading} + texts.data, 0, top, true);
    painter.drawText(QPointF(0, top + QFontMetricsF(font).ascent()), texts.kind);
    top += 2 * line;

    // The two triangles side by side.
    const qreal bottom =
        std::max(writeLines(painter, texts.solution, 0, top, true),
                 writeLines(painter, texts.additional, page.width() / 2, top, true));
    top = bottom + line;

    // The picture, centred, its strokes as vectors.
    const qreal side = std::min(page.width() * kPictureShare, page.height() - top - 2 * line);
    const QRectF picture((page.width() - side) / 2, top, side, side);
    painter.save();
    painter.translate(picture.topLeft());
    painter.scale(side / frame.width(), side / frame.height());
    painter.setClipRect(QRectF(QPointF(0, 0), frame));
    strokes.replay(painter);
    painter.restore();
    painter.setPen(Qt::black);
    const qreal viewWidth = QFontMetricsF(font).horizontalAdvance(texts.view);
    painter.drawText(QPointF((page.width() - viewWidth) / 2,
                             picture.bottom() + line / 2 + QFontMetricsF(font).ascent()),
                     texts.view);
    painter.end();
    return out;
}

} // namespace esferica
