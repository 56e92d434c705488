// SPDX-License-Identifier: GPL-3.0-or-later
// Taking results and pictures out of the window: the selectable result labels with their
// full-precision tooltips, and the window's three actions, in context menus on the results and
// on the picture:
//   - "Copiar resultados" puts the results on the clipboard as a table, one tab-separated line per
//     element ("lado a", TAB, the value in degrees to ten decimals), the additional triangle under
//     its own heading; also Ctrl+Shift+C anywhere in the window;
//   - "Copiar imagen" puts the picture on the clipboard at its device pixels (Ctrl+C on it);
//   - "Guardar imagen…" asks for a file and writes the picture there as PNG, at its device pixels
//     or two or four times as many, drawn anew at that size, or as SVG, the very lines, circle and
//     names that the picture drew (qt/picture/svgpicture.h; Ctrl+S on it);
//   - "Exportar hoja…" asks for a file and writes there the handout page (qt/picture/sheet.h): the
//   data,
//     the case, the results with their measures, the picture and its view, the date.
// The four are enabled only while the window shows a drawing of the data its fields hold: not
// before the first drawing, after a message, or once an input field has changed.
#pragma once

#include "present/view.h"

#include <QList>
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <string>

class QAction;
class QLabel;
class QMenu;
class QWidget;

namespace esferica {

class DrawingSurface;
struct WindowControls;

class Exporter : public QObject {
    Q_OBJECT

public:
    // Makes the result labels of `form` selectable, opens the results' menu on them and on their
    // captions, and gives `form` and its picture the actions.
    Exporter(QWidget& form, const WindowControls& controls);

    // After every click, with the decimal separator of its labels: keeps the table of the click's
    // results, sets the tooltips of the labels that show a value to its full precision, and lets
    // the keyboard reach them (an empty label takes no focus and has no tooltip). The three
    // actions are enabled only after a click that drew its triangles without a message.
    // The labels' tooltips and the table are the view's.
    void show(const Calculation& calc, const View& view, const std::string& decimalSeparator);
    // The fields no longer hold the data of the results and the picture shown: the three actions
    // are disabled until the next click, so that nothing stale is handed out.
    void outdate();
    // The tooltips and the table of the same click in other units or words, the actions' state
    // left as it is.
    void refresh(const View& view);
    // Names the actions, and words the menus, dialogs and failures, in `words`.
    void retranslate(const Catalogue& words);
    // Entries that the results' menu offers after "Copiar resultados": the forms of an angle.
    void setResultsMenuActions(QList<QAction*> actions);

    // The table that "Copiar resultados" copies; empty while no result is shown.
    QString resultsTable() const;
    void copyResults() const;
    void copyImage();
    // Writes the picture to `path`: SVG when its name ends in ".svg" (any case), PNG otherwise,
    // at `times` the picture's device pixels, drawn anew at that size. The file is written whole
    // or not at all, an existing one staying as it was. Returns why it could not be written, in
    // Spanish, or an empty text when it was.
    QString writeImage(const QString& path, int times = 1) const;
    // "Guardar imagen…": asks for a file name and a size, writes the picture there, and tells the
    // user in a message box when that failed.
    void saveImage();

    // The scales that "Guardar imagen…" offers for a PNG, in times the picture's device pixels.
    static constexpr std::array<int, 3> kImageScales{1, 2, 4};

    // Where the handout page learns the view that the picture is seen under.
    void setViewSource(std::function<ViewAngles()> view);
    // Writes the handout page of the last click and the picture to `path`, whole or not at all.
    // Returns why it could not be written, in Spanish, or an empty text when it was.
    QString writeSheet(const QString& path) const;
    // "Exportar hoja…": asks for a file name, writes the page there, and tells the user in a
    // message box when that failed.
    void exportSheet();

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
    QAction* exportSheet_ = nullptr;
    std::optional<Calculation> shown_; // the last click that drew a scene, for the page
    std::string separator_;            // its decimal separator
    const Catalogue* words_ = &Catalogue::spanish();
    QList<QAction*> resultsMenuActions_;
    std::function<ViewAngles()> view_;
    QString lastFolder_; // where the last picture was saved, for the next dialog
};

} // namespace esferica
