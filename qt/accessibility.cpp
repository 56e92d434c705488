// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/accessibility.h"

#include "command/texts.h"
#include "qt/controls.h"

#include <QLabel>
#include <QWidget>

namespace esferica {

namespace {

// The caption `caption(i)` names the field `field(i)` and takes it as its buddy.
void nameFields(QWidget& form, const char* caption, const char* field, int count) {
    for (int i = 0; i < count; ++i) {
        auto* label = control<QLabel>(form, arrayName(caption, i));
        auto* widget = control<QWidget>(form, arrayName(field, i));
        label->setBuddy(widget);
        widget->setAccessibleName(label->text());
    }
}

} // namespace

void nameForScreenReaders(QWidget& form) {
    nameFields(form, "lblInput", "txtInput", kElements);
    nameFields(form, "lblgrid", "txtGrid", kOptionFields);

    for (int i = 0; i < kResultLabels; ++i) {
        const QString element = control<QLabel>(form, arrayName("lblInput", i % kElements))->text();
        const QString block =
            i < kElements ? QStringLiteral("Solución") : fromStd(kAdditionalHeading);
        control<QWidget>(form, arrayName("lblOutcome", i))
            ->setAccessibleName(QStringLiteral("%1, %2").arg(block, element));
    }
    control<QWidget>(form, QStringLiteral("Resolvergraf"))
        ->setAccessibleName(QStringLiteral("Estado del gráfico"));

    auto* sphere = control<QWidget>(form, QStringLiteral("Grafico"));
    sphere->setAccessibleName(QStringLiteral("Esfera con el triángulo"));
    describePicture(*sphere, {}, {}, ".");
    auto* diagram = control<QWidget>(form, QStringLiteral("Picture1"));
    diagram->setAccessibleName(QStringLiteral("Diagrama de los seis elementos"));
    diagram->setAccessibleDescription(
        QStringLiteral("Un triángulo con los vértices A a la izquierda, B abajo a la derecha y C "
                       "arriba; cada lado lleva la letra del vértice opuesto: a entre B y C, b "
                       "entre A y C, c entre A y B."));
}

void describePicture(QWidget& picture, const SceneDrawing& drawing, ViewAngles view,
                     std::string_view decimalSeparator) {
    picture.setAccessibleDescription(fromStd(pictureDescription(drawing, view, decimalSeparator)));
}

} // namespace esferica
