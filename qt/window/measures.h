// SPDX-License-Identifier: GPL-3.0-or-later
// The measures of the triangles shown, in the window's free space under the drawing options: for
// the solution and for the additional triangle, its spherical excess, area and perimeter, rounded
// like the results, each with its full value in its tooltip; the tooltip of a row's caption lists
// every measure, the radii of the circumscribed and inscribed circles too.
#pragma once

#include "command/calculate.h"
#include "present/view.h"

#include <QObject>
#include <array>
#include <string_view>

class QLabel;
class QWidget;

namespace esferica {

class MeasureLabels : public QObject {
    Q_OBJECT

public:
    // Adds the labels to `form`: captions "lblMedida(0..2)" over the columns, "lblMedidaTriangulo
    // (0..1)" beside the rows, values "lblValorMedida(0..5)", row by row.
    explicit MeasureLabels(QWidget& form);

    // Shows the measures of the view's triangles, or empties the labels.
    void show(const View& view);
    // Names the headings, the rows and the values in `words`.
    void retranslate(const Catalogue& words);
    // Greys the values, as the results are greyed once the data change after a click.
    void setCurrent(bool current);

private:
    static constexpr int kShown = 3;  // excess, area, perimeter
    static constexpr int kValues = 6; // the shown measures of both triangles, row by row
    std::array<QLabel*, kShown> headings_{};
    std::array<QLabel*, 2> rows_{};
    std::array<QLabel*, kValues> values_{};
};

} // namespace esferica
