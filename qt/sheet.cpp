// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/sheet.h"

#include "present/format.h"
#include "present/view.h"
#include "qt/controls.h"

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

const char* const kTitle = "Resolución de triángulos esféricos";

// A triangle's lines: its heading, its six elements to two decimals as the window shows them,
// then its measures.
QStringList triangleLines(const QString& heading, const Calculation& calc, const View& shown,
                          bool additional) {
    QStringList lines{heading};
    for (std::size_t i = 0; i < kAllElements.size(); ++i)
        lines << QStringLiteral("%1 = %2°")
                     .arg(fromStd(elementLetter(kAllElements[i])),
                          fromStd(shown.results[additional ? i + kAllElements.size() : i].text));
    const std::optional<Measures>& measures =
        additional ? calc.additionalMeasures : calc.primaryMeasures;
    if (measures)
        for (const Measure m : kAllMeasures)
            lines << QStringLiteral("%1: %2").arg(
                fromStd(measureCaption(m, Catalogue::spanish())),
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
                      std::string_view decimalSeparator) {
    SheetTexts texts;
    texts.title = QString::fromUtf8(kTitle);
    texts.date = QLocale(QLocale::Spanish).toString(date, QStringLiteral("d 'de' MMMM 'de' yyyy"));
    for (const Element e : kAllElements)
        if (calc.isGiven(e)) {
            const Reading& typed = calc.reading(e);
            texts.data << QStringLiteral("%1 = %2").arg(fromStd(elementLetter(e)),
                                                        fromStd(typed.read + typed.left));
        }
    if (calc.kind)
        texts.kind =
            QStringLiteral("Caso: %1").arg(fromStd(caseName(*calc.kind, Catalogue::spanish())));
    Units units;
    units.decimalSeparator = decimalSeparator;
    const View shown = present(calc, units, Catalogue::spanish());
    texts.solution = triangleLines(QStringLiteral("Solución"), calc, shown, false);
    if (calc.additional)
        texts.additional = triangleLines(
            fromStd(Catalogue::spanish().text(Text::AdditionalHeading)), calc, shown, true);
    texts.view = QStringLiteral("Vista: inclinación %1°, rotación %2°")
                     .arg(fromStd(degreesText(view.inclination, decimalSeparator)),
                          fromStd(degreesText(view.rotation, decimalSeparator)));
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

    top = writeLines(painter, QStringList{QStringLiteral("Datos")} + texts.data, 0, top, true);
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
