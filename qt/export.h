// SPDX-License-Identifier: GPL-3.0-or-later
// Taking results and pictures out of the window: the selectable result labels with their
// full-precision tooltips, and the window's three actions, in context menus on the results and
// on the picture:
//   - "Copiar resultados" puts the results on the clipboard as a table, one tab-separated line per
//     element ("lado a", TAB, the value in degrees to ten decimals), the additional triangle under
//     its own heading; also Ctrl+Shift+C anywhere in the window;
//   - "Copiar imagen" puts the picture on the clipboard at its device pixels (Ctrl+C on it);
//   - "Guardar imagen…" asks for a file and writes the picture there as PNG, at its device pixels,
//     or as SVG, the very lines, circle and names that the picture drew (qt/svgpicture.h; Ctrl+S
//     on it).
#pragma once

#include "command/texts.h"

#include <QObject>
#include <QString>
#include <array>
#include <string>

class QAction;
class QLabel;
class QMenu;
class QWidget;

namespace esferica {

class DrawingSurface;

class Exporter : public QObject {
    Q_OBJECT

public:
    // Finds the result labels and the picture in `form` by their object names, makes the labels
    // selectable and gives `form` the three actions.
    explicit Exporter(QWidget& form);

    // After every click, with the decimal separator of its labels: keeps the table of the click's
    // results, sets the tooltips of the labels that show a value to its full precision, and lets
    // the keyboard reach them (an empty label takes no focus and has no tooltip).
    void show(const Calculation& calc, const std::string& decimalSeparator);

    // The table that "Copiar resultados" copies; empty while no result is shown.
    QString resultsTable() const;
    void copyResults() const;
    void copyImage();
    // Writes the picture to `path`: SVG when its name ends in ".svg" (any case), PNG otherwise,
    // at `times` the picture's device pixels, drawn anew at that size. The file is written whole
    // or not at all, an existing one staying as it was. Returns why it could not be written, in
    // Spanish, or an empty text when it was.
    QString writeImage(const QString& path, int times = 1) const;
    // "Guardar imagen…": asks for a file name, writes the picture there, and tells the user in a
    // message box when that failed.
    void saveImage();

signals:
    // The picture is about to be copied or saved: the window draws it whole if a turn has left its
    // grid thinned.
    void imageWanted();

protected:
    // A double-click on a result selects its whole number, which the label's own word selection
    // would split at the decimal separator.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showResultsMenu(QLabel* label, const QPoint& at);

    QWidget& form_;
    DrawingSurface* picture_ = nullptr;
    std::array<QLabel*, kResultLabels> outcomes_{};
    QString table_; // the results table of the last click
    QAction* copyResults_ = nullptr;
    QAction* copyImage_ = nullptr;
    QAction* saveImage_ = nullptr;
    QString lastFolder_; // where the last picture was saved, for the next dialog
};

} // namespace esferica
