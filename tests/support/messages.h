// SPDX-License-Identifier: GPL-3.0-or-later
// Driving the real window from a test or a benchmark: typing into its fields, and answering the
// modal message boxes that a click opens, so that it can be clicked without anyone at the keyboard.
#pragma once

#include "tests/support/fake_view.h"

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

namespace esferica::testing {

// What a message box showed before it was closed with its OK button.
struct SeenMessage {
    QString text;
    QString title;
    int buttons = 0;
    bool hasOk = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString okText;
    // The texts of the result labels of the window the box belongs to, while it was open.
    QStringList outcomes;
    QString informative; // the box's explanation under its text
};

// Runs `action` and answers every modal box that it opens, recording what each one showed; a
// modal window that is not a message box is closed and recorded with the text
// "<not a QMessageBox>".
std::vector<SeenMessage> answerMessages(const std::function<void()>& action);

// Sets the texts of the six input fields and the four option fields of `window`, found by their
// object names, as typing them would.
void typeInto(QWidget& window, const Texts& inputs, const Options& options = defaultOptions());

} // namespace esferica::testing
