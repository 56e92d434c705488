// Answers the modal message boxes that a click on the real window opens, so that a test or a
// benchmark can click without anyone at the keyboard.
#pragma once

#include <QMessageBox>
#include <QString>
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
};

// Runs `action` and answers every modal box that it opens, recording what each one showed; a
// modal window that is not a message box is closed and recorded with the text
// "<not a QMessageBox>".
std::vector<SeenMessage> answerMessages(const std::function<void()>& action);

} // namespace esferica::testing
