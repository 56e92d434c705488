// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls by their object names, for the parts of the window that dress it after it
// is built (accessibility, export): every control carries its name, array members with their index.
// And what every part of the window makes its labels and texts with.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QLabel>
#include <QString>
#include <QWidget>
#include <string_view>

namespace esferica {

// The object name of member `index` of a control array: "txtInput(0)", "lblOutcome(11)", ...
inline QString arrayName(const char* control, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(control)).arg(index);
}

// The control of `form` with this object name; the window always has it.
template <class T> T* control(const QWidget& form, const QString& name) {
    T* found = form.findChild<T*>(name);
    Q_ASSERT(found);
    return found;
}

// A text of the core (UTF-8) as Qt holds it.
inline QString fromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A label of `parent` with this object name, place and text, as the window's labels all are:
// plain text, aligned to the top left.
inline QLabel* addPlainLabel(QWidget& parent, const QString& name, const QRect& geometry,
                             const QString& text) {
    auto* label = new QLabel(text, &parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// Writes `label` in `font`, made smaller half a point at a time but not below `smallest` points
// until its text fits the label's width: a value in the longer forms of an angle, whole.
inline void fitText(QLabel& label, QFont font, qreal smallest) {
    while (font.pointSizeF() - 0.5 >= smallest &&
           QFontMetricsF(font).horizontalAdvance(label.text()) > label.width())
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label.setFont(font);
}

} // namespace esferica
