// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls, for the parts of the window that dress them after it is built
// (accessibility, export, the choice of picture), and what every part of the window makes its
// labels and texts with.
#pragma once

#include "command/calculate.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLabel>
#include <QString>
#include <QWidget>
#include <array>
#include <string_view>

class QLineEdit;
class QPushButton;

namespace esferica {

class DrawingSurface;

// The object name of member `index` of a control array: "txtInput(0)", "lblOutcome(11)", ...
inline QString arrayName(const char* control, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(control)).arg(index);
}

// The controls of the window as it made them from its design (qt/window/design.h), each named as
// its object is, members of an array by their index.
struct WindowControls {
    std::array<QLabel*, kElements> lblInput{};
    std::array<QLineEdit*, kElements> txtInput{};
    QPushButton* cmdCalcular = nullptr;
    DrawingSurface* Grafico = nullptr; // the picture
    std::array<QLabel*, kOptionFields> lblgrid{};
    std::array<QLineEdit*, kOptionFields> txtGrid{};
    QPushButton* cmdNavegacion = nullptr;
    QLabel* Picture1 = nullptr; // the diagram of the names
    std::array<QLabel*, kResultLabels> lblout{};
    std::array<QLabel*, kResultLabels> lblOutcome{};
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;       // "Solución"
    QLabel* lbladicional = nullptr; // "Solución adicional (si existe)"
    QLabel* Label3 = nullptr;
    QLabel* Resolvergraf = nullptr; // the status under the picture
    QPushButton* cmdProcedimiento = nullptr;
};

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
