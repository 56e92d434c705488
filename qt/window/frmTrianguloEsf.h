// SPDX-License-Identifier: GPL-3.0-or-later
// The program's window over the toolkit-free command in command/calculate.h.
//
// A click on "&Calcular" (or Alt+C) hands the texts of the ten fields to Calculator::calculate,
// which computes the click's value without touching the window, and present() then shows that
// value in one pass: the result labels with their tooltips, the exporter's table, the picture
// (through Calculator::drawPicture), the status label and, last, the message box. The window
// itself adds the layout and the focus behaviour of its fields. Every control carries its name as
// its objectName, array members with their index: "txtInput(0)", "lblOutcome(11)", ..., and takes
// its place and caption from the design (qt/window/design.h); the window keeps them all in ui_,
// which it hands to the parts that dress them.
//
// The picture is a view the user can explore: dragging on it or the arrow keys turn the last drawn
// scene (Calculator::turnTo), and a larger window gives it a larger square, drawn anew
// (Calculator::drawPicture). Those redraws run from the event loop, at most one queued at a time
// and always to the latest wanted view, so that mouse moves arriving during a redraw are
// coalesced, never queued behind it. The view follows the pointer's whole travel, unrounded
// (Calculator::turnBy); only the fields show it in tenths. While the sphere moves, a grid too fine
// for the picture is drawn thinned (GridThinning), so that every redraw keeps up with the hand; the
// whole grid comes back once the movement stops: the button is released, or no turn has come for
// kSettleMs (the arrow keys, whose releases X11 cannot always tell from a held key's repeats).
#pragma once

#include "command/calculate.h"
#include "present/catalogue.h"
#include "present/units.h"
#include "present/view.h"
#include "qt/window/controls.h"
#include "working/text.h"

#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class frmNavegacion;

namespace esferica {
namespace design {
struct Control;
}
class DrawingSurface;
class Exporter;
class FieldMarks;
class MeasureLabels;
class PictureStyleChoice;
class PresentationChoice;
} // namespace esferica

class frmTrianguloEsf : public QWidget {
    Q_OBJECT

public:
    explicit frmTrianguloEsf(QWidget* parent = nullptr);
    ~frmTrianguloEsf() override;

    // The event handlers, named after their control and event.
    void cmdCalcular_Click();
    // Opens the window "Procedimiento" with the working of the last click (also F2); while open,
    // it follows every click.
    void cmdProcedimiento_Click();
    void txtInput_GotFocus(int index);
    void txtGrid_GotFocus(int index);
    // Asks for the picture turned by the given degrees (Grafico's turnRequested).
    void Grafico_Turn(double inclinationDeg, double rotationDeg);
    // The sphere has stopped turning (Grafico's turnEnded, or no turn for kSettleMs): the picture
    // is drawn with its whole grid, if it was thinned.
    void Grafico_TurnEnded();

    // How long the sphere must go without a turn for the picture to be drawn whole again: longer
    // than the pause between a held arrow key's repeats, short enough to seem at once.
    static constexpr int kSettleMs = 250;
    // Draws the picture again in the style chosen ("Dibujo clásico" in its menu).
    void setPictureStyle(esferica::PictureStyle style);
    // Draws the picture again with the sides named or not ("Nombres de los lados" in its menu).
    void setSideNames(bool named);
    // "Mirar al triángulo" (its menu, or Home on the picture): turns the view so that the solution
    // faces the viewer, C up, and the fields follow as for any turn.
    void Grafico_Face();

    // Puts `inputs` into the six input fields (a to C), as typing them would, brings the window to
    // the front and calculates, as Calcular does: how the navigation window shows its triangles.
    void calculateWith(const std::array<std::string, esferica::kElements>& inputs);
    // Opens the navigation window ("Navegación…", Ctrl+N, or the picture's menu), beside this one.
    void cmdNavegacion_Click();
    // Shows the help (F1, or F1 in the navigation window), in the window's language, at the
    // section `anchor` when one is named.
    void showHelp(const QString& anchor = {});

signals:
    // A turn or a change of size has drawn the picture again.
    void pictureRedrawn();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    static constexpr int kInputFields = esferica::kElements;
    static constexpr int kResultLabels = esferica::kResultLabels;
    static constexpr int kOptionFields = esferica::kOptionFields;

    // The texts of the ten fields, as the command reads them.
    esferica::FieldTexts fieldTexts() const;
    // Shows the value of a click in the window, in one pass.
    void present(const esferica::Calculation& calc);
    // Writes the view of `calc` into the labels, the fields' marks and the measures, in the
    // units and words chosen, and returns it.
    // The marks are left alone with `marks` false.
    esferica::View bindView(const esferica::Calculation& calc, bool marks = true);
    // The last click shown again in other units or words: labels, tooltips, marks, measures,
    // table and status, without a message or a drawing.
    void rebind();
    // Every caption, menu entry, tooltip and accessible text in the language chosen.
    void retranslate();
    esferica::Units units() const;
    const esferica::Catalogue& words() const;
    // How the working writes its numbers: in the window's language, as the result labels do.
    esferica::WorkingStyle workingStyle() const;
    // The decimal separator of the user's locale, for the results.
    std::string decimalSeparator() const;
    void showStatus(const esferica::SceneDrawing& drawing);
    // Draws the picture whole at once if a turn has left its grid thinned: a copy or a saved
    // image takes the whole picture.
    void drawWholeNow();
    // Whether the results and the picture belong to the data the fields hold: if not, they are
    // greyed and cannot be copied or saved.
    void showCurrent(bool current);
    // Draws the last scene again at once, as it stands, after a change of how it is drawn.
    void redrawChoice();
    // Tells a screen reader `text` at once, as an alert.
    void announce(const QString& text);

    // The control of the design's row `row`, with its name, place and caption.
    QLabel* addLabel(const esferica::design::Control& row);
    QLineEdit* addTextBox(const esferica::design::Control& row);
    QPushButton* addButton(const esferica::design::Control& row);
    // Runs the GotFocus handler of a text field; false when `field` is none of them.
    bool fieldGotFocus(QObject* field);
    // Runs redrawPicture from the event loop, unless it is already waiting to run.
    void queueRedraw();
    // Draws the scene once, turned to the latest wanted view or as it stands (at the picture's new
    // size, or whole after a thinned drawing).
    void redrawPicture();

    esferica::Calculator command_;

    esferica::WindowControls ui_;                 // as the design places them
    std::unique_ptr<frmNavegacion> navegacion_;   // made the first time it is opened
    esferica::Exporter* exporter_ = nullptr;      // copying and saving results and the picture
    esferica::FieldMarks* marks_ = nullptr;       // the fields' help, and what a click did not read
    esferica::MeasureLabels* measures_ = nullptr; // the measures of the triangles shown
    esferica::PictureStyleChoice* pictureStyle_ = nullptr; // classic or readable picture
    esferica::PresentationChoice* choice_ = nullptr;
    QAction* help_ = nullptr;
    QAction* working_ = nullptr;
    QAction* face_ = nullptr;
    QAction* navigation_ = nullptr;
    esferica::SceneDrawing lastDrawing_; // what the status and the description say
    bool current_ = true;                // the results belong to the data the fields hold
    QLabel* lblAnuncio_ = nullptr;       // what a screen reader hears after a click

    // The field that a mouse press has just focused: that press, and the drag and release that
    // follow it, must not move the caret and so undo the selection made on focus.
    QObject* focusClick_ = nullptr;

    std::optional<esferica::ViewAngles> wantedView_; // where the next redraw turns the picture
    bool redrawAsIs_ = false;   // the picture must be drawn again under the view it shows
    bool redrawQueued_ = false; // redrawPicture waits in the event loop
    bool moving_ = false;       // the sphere is being turned: the grid may be thinned
    bool thinned_ = false;      // the picture shows a thinned grid
    QTimer* settle_ = nullptr;  // runs from the last turn while moving_
};
