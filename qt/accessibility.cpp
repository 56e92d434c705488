// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/accessibility.h"

#include "drawing/readable.h"
#include "present/format.h"
#include "present/view.h"
#include "qt/controls.h"

#include <QLabel>
#include <QStringList>
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
        const QString block = i < kElements
                                  ? QStringLiteral("Solución")
                                  : fromStd(Catalogue::spanish().text(Text::AdditionalHeading));
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
    if (drawing.triangles == 0) {
        picture.setAccessibleDescription(
            QStringLiteral("Nada dibujado: la esfera y el triángulo aparecen al calcular."));
        return;
    }
    const auto degrees = [&](double value) {
        return fromStd(degreesText(value, decimalSeparator)) + QStringLiteral("°");
    };
    QString text = QStringLiteral("La esfera en una red de paralelos y meridianos, vista con "
                                  "inclinación %1 y rotación %2, ")
                       .arg(degrees(view.inclination), degrees(view.rotation));
    const bool two = drawing.triangles > 1;
    if (drawing.style == PictureStyle::Classic) {
        text += two ? QStringLiteral("con los dos triángulos resueltos en rojo")
                    : QStringLiteral("con el triángulo resuelto en rojo");
        text += QStringLiteral(": el vértice C en el polo norte y los lados a y b sobre "
                               "meridianos.");
    } else {
        const auto names = [&](bool additional) {
            QStringList named;
            for (const Vertex v : kVertices)
                named << fromStd(
                    vertexName(v, additional,
                               additional && drawing.sharedVertices[static_cast<std::size_t>(v)]));
            return QStringLiteral("%1, %2 y %3").arg(named[0], named[1], named[2]);
        };
        text += two ? QStringLiteral("con dos triángulos: la solución en rojo, de vértices %1, y "
                                     "la solución adicional en azul, de vértices %2")
                          .arg(names(false), names(true))
                    : QStringLiteral("con el triángulo resuelto en rojo, de vértices %1")
                          .arg(names(false));
        text += QStringLiteral(". El vértice C está en el polo norte y los lados a y b sobre "
                               "meridianos; la cara oculta de la esfera, en gris claro, y las "
                               "partes ocultas de los triángulos, a trazos.");
    }
    if (drawing.primarySideMissing && drawing.additionalSideMissing)
        text += QStringLiteral(" Falta el lado c de los dos triángulos: no se pudo dibujar.");
    else if (drawing.primarySideMissing)
        text += two ? QStringLiteral(" Falta el lado c de la solución: no se pudo dibujar.")
                    : QStringLiteral(" Falta el lado c: no se pudo dibujar.");
    else if (drawing.additionalSideMissing)
        text += QStringLiteral(" Falta el lado c de la solución adicional: no se pudo dibujar.");
    picture.setAccessibleDescription(text);
}

} // namespace esferica
