// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/fields.h"

#include "command/texts.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QStyle>
#include <algorithm>

namespace esferica {

namespace {

QString fromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

FieldMarks::FieldMarks(const std::array<QLineEdit*, kElements>& inputs,
                       const std::array<QLineEdit*, kOptionFields>& options, QObject* parent)
    : QObject(parent) {
    const QIcon warning = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (std::size_t i = 0; i < marks_.size(); ++i) {
        Mark& m = marks_[i];
        m.field = i < inputs.size() ? inputs[i] : options[i - inputs.size()];
        if (i < inputs.size())
            m.help = fromStd(kInputForms);
        m.field->setToolTip(m.help);
        m.sign = m.field->addAction(warning, QLineEdit::TrailingPosition);
        m.sign->setObjectName(QStringLiteral("actMarca"));
        m.sign->setVisible(false);
        // The mark stays until the text changes, whoever changes it.
        connect(m.field, &QLineEdit::textChanged, this, [this, i] { unmark(marks_[i]); });
    }
}

void FieldMarks::show(const Calculation& calc, std::string_view decimalSeparator) {
    for (std::size_t i = 0; i < marks_.size(); ++i) {
        const Reading& r = i < kElements ? calc.inputs[i] : calc.options[i - kElements];
        const std::string note = readingNote(r, decimalSeparator);
        if (note.empty())
            unmark(marks_[i]);
        else
            mark(marks_[i], fromStd(note));
    }
}

QLineEdit* FieldMarks::lineEdit(const Field& field) const {
    if (const auto* e = std::get_if<Element>(&field))
        return marks_[index(*e)].field;
    return marks_[kElements + index(std::get<OptionField>(field))].field;
}

bool FieldMarks::isMarked(const QLineEdit* field) const {
    return std::any_of(marks_.begin(), marks_.end(),
                       [field](const Mark& m) { return m.field == field && m.sign->isVisible(); });
}

void FieldMarks::mark(Mark& m, const QString& note) {
    m.sign->setToolTip(note);
    m.sign->setVisible(true);
    m.field->setToolTip(note);
    m.field->setAccessibleDescription(note);
}

void FieldMarks::unmark(Mark& m) {
    if (!m.sign->isVisible())
        return;
    m.sign->setVisible(false);
    m.field->setToolTip(m.help);
    m.field->setAccessibleDescription({});
}

} // namespace esferica
