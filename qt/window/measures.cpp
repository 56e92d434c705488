// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/window/measures.h"

#include "present/view.h"
#include "qt/window/controls.h"

#include <QFontMetrics>
#include <QLabel>
#include <QWidget>
#include <algorithm>

namespace esferica {

namespace {

// The block's place, in pixels of the designed window: under the option fields, as far as the
// picture, with room for a perimeter in degrees, minutes and seconds.
constexpr QRect kBlock(16, 401, 320, 48);
// The smallest size a value is written down to, in points, when it is longer than its cell.
constexpr qreal kSmallestPointSize = 6;
constexpr int kRows = 3; // the headings, the solution, the additional triangle

// The headings of the shown measures, and what each means.
constexpr std::array<Text, 3> kHeadings{Text::HeadExcess, Text::HeadArea, Text::HeadPerimeter};
constexpr std::array<Text, 3> kMeanings{Text::MeaningExcess, Text::MeaningArea,
                                        Text::MeaningPerimeter};
constexpr std::array<Text, 2> kRowNames{Text::SolutionHeading, Text::RowAdditional};

} // namespace

MeasureLabels::MeasureLabels(QWidget& form) : QObject(&form) {
    const Catalogue& words = Catalogue::spanish();
    const std::array<QString, 2> rowNames{fromStd(words.text(kRowNames[0])),
                                          fromStd(words.text(kRowNames[1]))};
    // The captions' column as wide as its longest caption, the three columns of values sharing
    // the rest, in the window's font.
    const QFontMetrics metrics(form.font());
    const int captionWidth =
        std::max(metrics.horizontalAdvance(rowNames[0]), metrics.horizontalAdvance(rowNames[1])) +
        metrics.averageCharWidth();
    const int columnWidth = (kBlock.width() - captionWidth) / kShown;
    const int rowHeight = kBlock.height() / kRows;
    const auto cell = [&](int row, int column) {
        return column < 0
                   ? QRect(kBlock.left(), kBlock.top() + row * rowHeight, captionWidth, rowHeight)
                   : QRect(kBlock.left() + captionWidth + column * columnWidth,
                           kBlock.top() + row * rowHeight, columnWidth, rowHeight);
    };
    for (int j = 0; j < kShown; ++j) {
        headings_[static_cast<std::size_t>(j)] =
            addPlainLabel(form, arrayName("lblMedida", j), cell(0, j), {});
    }
    for (int i = 0; i < 2; ++i) {
        QLabel* row = addPlainLabel(form, arrayName("lblMedidaTriangulo", i), cell(i + 1, -1),
                                    rowNames[static_cast<std::size_t>(i)]);
        rows_[static_cast<std::size_t>(i)] = row;
        for (int j = 0; j < kShown; ++j) {
            QLabel* value = addPlainLabel(form, arrayName("lblValorMedida", i * kShown + j),
                                          cell(i + 1, j), {});
            values_[static_cast<std::size_t>(i * kShown + j)] = value;
        }
    }
    retranslate(words);
}

void MeasureLabels::retranslate(const Catalogue& words) {
    for (std::size_t j = 0; j < kShown; ++j) {
        headings_[j]->setText(fromStd(words.text(kHeadings[j])));
        headings_[j]->setToolTip(fromStd(words.text(kMeanings[j])));
    }
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        rows_[i]->setText(fromStd(words.text(kRowNames[i])));
        for (std::size_t j = 0; j < kShown; ++j)
            values_[i * kShown + j]->setAccessibleName(fromStd(
                words.fill(Text::AccessibleNamed,
                           {{"block", std::string(words.text(i == 0 ? Text::SolutionHeading
                                                                    : Text::AdditionalHeading))},
                            {"name", std::string(measureCaption(kAllMeasures[j], words))}})));
    }
}

void MeasureLabels::show(const View& view) {
    for (std::size_t i = 0; i < view.measures.size(); ++i) {
        rows_[i]->setToolTip(fromStd(view.measureRows[i]));
        for (std::size_t j = 0; j < kShown; ++j) {
            QLabel* value = values_[i * kShown + j];
            const Shown& shown = view.measures[i][j];
            value->setText(fromStd(shown.text));
            fitText(*value, value->parentWidget()->font(), kSmallestPointSize);
            value->setToolTip(fromStd(shown.tooltip));
            value->setAccessibleDescription(value->toolTip());
        }
    }
    setCurrent(true);
}

void MeasureLabels::setCurrent(bool current) {
    for (QLabel* value : values_)
        value->setEnabled(current);
}

} // namespace esferica
