// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Procedimiento" (F2, or the button under the picture): the working of the last click
// (working/text.h) as text that can be selected, copied, searched and printed. It does not block
// the main window, and follows every click while it is open.
#pragma once

#include "command/calculate.h"
#include "working/text.h"

#include <QDialog>
#include <string>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace esferica {

class WorkingWindow : public QDialog {
    Q_OBJECT

public:
    explicit WorkingWindow(QWidget* parent);

    // Shows the working of `calc` in `style`.
    void showWorking(const Calculation& calc, const WorkingStyle& style);
    // Selects the next occurrence of the search field's text after the selection, from the top
    // again at the end; false when there is none.
    bool findNext();
    // Prints the working, after the print dialog.
    void print();

private:
    QPlainTextEdit* text_ = nullptr;
    QLineEdit* search_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* print_ = nullptr;
};

// Opens the working window of `form` for `calc`, creating it the first time.
WorkingWindow& openWorking(QWidget& form, const Calculation& calc, const WorkingStyle& style);
// The working window of `form`, if it has been opened.
WorkingWindow* workingWindow(const QWidget& form);

} // namespace esferica
