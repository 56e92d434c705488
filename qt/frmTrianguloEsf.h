// SPDX-License-Identifier: GPL-3.0-or-later
// The program's window over the toolkit-free command in command/calculate.h.
//
// A click on "&Calcular" (or Alt+C) runs Calculator::calculate against this window,
// which the command sees only as a FormView: it reads the input and option fields, writes the
// result labels and the status label, opens the fixed message boxes and draws on Grafico. The
// window adds the Spanish texts of the messages, the layout, the focus behaviour of its fields
// and the one repaint of the picture when the command has finished. Every control carries its
// name as its objectName, array members with their index: "txtInput(0)", "lblOutcome(11)", ...
//
// The picture is a view the user can explore: dragging on it or the arrow keys turn the last drawn
// scene (Calculator::turnTo), and a larger window gives it a larger square (Calculator::redraw).
// Those redraws run from the event loop, at most one queued at a time and always to the latest
// wanted view, so that mouse moves arriving during a redraw are coalesced, never queued behind it.
#pragma once

#include "command/calculate.h"
#include "command/view.h"

#include <QWidget>
#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace esferica {
class DrawingSurface;
class Exporter;
} // namespace esferica

class frmTrianguloEsf : public QWidget, private esferica::FormView {
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

signals:
    // A turn or a change of size has drawn the picture again.
    void pictureRedrawn();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    std::string inputText(int i) const override;
    std::string optionText(int i) const override;
    void setOptionText(int i, std::string_view text) override;
    void setResult(int i, std::string_view caption) override;
    void setGraphStatus(esferica::GraphStatus status) override;
    void showMessage(esferica::Message message) override;
    std::string decimalSeparator() const override;
    esferica::Surface& picture() override;

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

    // The field that a mouse press has just focused: that press, and the drag and release that
    // follow it, must not move the caret and so undo the selection made on focus.
    QObject* focusClick_ = nullptr;

    std::optional<esferica::ViewAngles> wantedView_; // where the next redraw turns the picture
    bool resized_ = false;      // the picture has changed size since it was last drawn
    bool redrawQueued_ = false; // redrawPicture waits in the event loop
};
