// SPDX-License-Identifier: GPL-3.0-or-later
// The help and the marks of the ten fields. Each input field's tooltip shows the forms of a value
// it reads. After a click, a field whose text was not read whole (a number followed by something
// else, or a text that does not begin with a number) carries a mark until its text changes: a
// warning sign at its right end, not colour alone, kept clear of the text by a margin, and a
// tooltip and an accessible description that say what was read and what was left, and what was
// likely meant. A marked field that does not have the focus shows its text from the start, where
// the reading went wrong. A field whose text is wider than the field shows the whole text in its
// tooltip too.
#pragma once

#include "command/calculate.h"
#include "present/view.h"

#include <QIcon>
#include <QObject>
#include <array>
#include <string_view>

class QAction;
class QLineEdit;

namespace esferica {

class FieldMarks : public QObject {
    Q_OBJECT

public:
    // The six input fields and the four option fields, in order.
    FieldMarks(const std::array<QLineEdit*, kElements>& inputs,
               const std::array<QLineEdit*, kOptionFields>& options, QObject* parent);

    // Marks the fields that the view notes as not read whole, and clears every other mark.
    void show(const View& view);

    // The tooltips in `words`: the forms a value takes, on the input fields that are not marked,
    // and the quotation marks around a text too long for its field.
    void retranslate(const Catalogue& words);

    // The field of `field`.
    QLineEdit* lineEdit(const Field& field) const;

private:
    struct Mark {
        QLineEdit* field = nullptr;
        QAction* sign = nullptr; // the warning sign inside the field, once it is marked
        QString help;            // the tooltip without a mark
        QString note;            // what the mark says, while the field is marked
    };
    void mark(Mark& m, const QString& note);
    void unmark(Mark& m);
    // The tooltip: the note or the help, under the whole text when that is wider than the field.
    void showTip(Mark& m);

    std::array<Mark, kElements + kOptionFields> marks_;

    const Catalogue* words_ = &Catalogue::spanish();
    QIcon sign_; // the warning sign, drawn the first time a field is marked
};

} // namespace esferica
