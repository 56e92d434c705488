// SPDX-License-Identifier: GPL-3.0-or-later
// The program's window over the toolkit-free command in command/calculate.h.
//
// A click on "&Calcular" (or Alt+C) hands the texts of the ten fields to Calculator::calculate,
// which computes the click's value without touching the window, and present() then shows that
// value in one pass: the result labels with their tooltips, the exporter's table, the picture
// (through Calculator::drawPicture), the status label and, last, the message box. The window
// itself adds the layout and the focus behaviour of its fields. Every control carries its name as
// its objectName, array members with their index: "txtInput(0)", "lblOutcome(11)", ...
//
// The picture is a view the user can explore: dragging on it or the arrow keys turn the last drawn
// scene (Calculator::turnTo), and a larger window gives it a larger square (Calculator::redraw).
// Those redraws run from the event loop, at most one queued at a time and always to the latest
// wanted view, so that mouse moves arriving during a redraw are coalesced, never queued behind it.
#pragma once

#include "command/calculate.h"

#include <QWidget>
#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace esferica {
class DrawingSurface;
class Exporter;
class PictureStyleChoice;
} // namespace esferica

class frmTrianguloEsf : public QWidget {
    Q_OBJECT

public:
    explicit frmTrianguloEsf(QWidget* parent = nullptr);
    ~frmTrianguloEsf() override;

    // The event handlers, named after their control and event.
    void cmdCalcular_Click();
    void txtInput_GotFocus(int index);
    void txtGrid_GotFocus(int index);
    // Asks for the picture turned by the given degrees (Grafico's turnRequested).
    void Grafico_Turn(double inclinationDeg, double rotationDeg);
    // Draws the picture again in the style chosen ("Dibujo clásico" in its menu).
    void setPictureStyle(esferica::PictureStyle style);

signals:
    // A turn or a change of size has drawn the picture again.
    void pictureRedrawn();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    static constexpr int kInputFields = esferica::kElements;
    static constexpr int kResultLabels = 2 * esferica::kElements;
    static constexpr int kOptionFields = esferica::kOptionFields;

    // The texts of the ten fields, as the command reads them.
    esferica::FieldTexts fieldTexts() const;
    // Shows the value of a click in the window, in one pass.
    void present(const esferica::Calculation& calc);
    // The decimal separator of the user's locale, for the results.
    std::string decimalSeparator() const;
    void showStatus(const esferica::SceneDrawing& drawing);

    QLabel* addLabel(const QString& name, const QRect& geometry, const QString& caption);
    QLineEdit* addTextBox(const QString& name, const QRect& geometry, const QString& text);
    // Runs the GotFocus handler of a text field; false when `field` is none of them.
    bool fieldGotFocus(QObject* field);
    // Runs redrawPicture from the event loop, unless it is already waiting to run.
    void queueRedraw();
    // Draws the scene once, turned to the latest wanted view or as it stands at the picture's new
    // size.
    void redrawPicture();

    esferica::Calculator command_;

    std::array<QLabel*, kInputFields> lblInput_{};
    std::array<QLineEdit*, kInputFields> txtInput_{};
    std::array<QLabel*, kResultLabels> lblout_{};
    std::array<QLabel*, kResultLabels> lblOutcome_{};
    std::array<QLabel*, kOptionFields> lblgrid_{};
    std::array<QLineEdit*, kOptionFields> txtGrid_{};
    QPushButton* cmdCalcular_ = nullptr;
    QLabel* Picture1_ = nullptr;
    esferica::DrawingSurface* Grafico_ = nullptr;
    QLabel* Resolvergraf_ = nullptr;
    esferica::Exporter* exporter_ = nullptr; // copying and saving results and the picture
    esferica::PictureStyleChoice* pictureStyle_ = nullptr; // classic or readable picture

    // The field that a mouse press has just focused: that press, and the drag and release that
    // follow it, must not move the caret and so undo the selection made on focus.
    QObject* focusClick_ = nullptr;

    std::optional<esferica::ViewAngles> wantedView_; // where the next redraw turns the picture
    bool resized_ = false;      // the picture has changed size since it was last drawn
    bool redrawQueued_ = false; // redrawPicture waits in the event loop
};
