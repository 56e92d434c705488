// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/window/accessibility.h"

#include "present/view.h"
#include "qt/window/controls.h"

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

void nameForScreenReaders(QWidget& form, const Catalogue& words) {
    nameFields(form, "lblInput", "txtInput", kElements);
    nameFields(form, "lblgrid", "txtGrid", kOptionFields);

    for (int i = 0; i < kResultLabels; ++i) {
        const QString element = control<QLabel>(form, arrayName("lblInput", i % kElements))->text();
        const Text block = i < kElements ? Text::SolutionHeading : Text::AdditionalHeading;
        control<QWidget>(form, arrayName("lblOutcome", i))
            ->setAccessibleName(fromStd(
                words.fill(Text::AccessibleNamed, {{"block", std::string(words.text(block))},
                                                   {"name", element.toStdString()}})));
    }
    control<QWidget>(form, QStringLiteral("Resolvergraf"))
        ->setAccessibleName(fromStd(words.text(Text::AccessibleStatus)));

    auto* sphere = control<QWidget>(form, QStringLiteral("Grafico"));
    sphere->setAccessibleName(fromStd(words.text(Text::AccessibleSphere)));
    describePicture(*sphere, {}, {}, ".", words);
    auto* diagram = control<QWidget>(form, QStringLiteral("Picture1"));
    diagram->setAccessibleName(fromStd(words.text(Text::AccessibleDiagram)));
    diagram->setAccessibleDescription(fromStd(words.text(Text::DiagramDescription)));
}

void describePicture(QWidget& picture, const SceneDrawing& drawing, ViewAngles view,
                     std::string_view decimalSeparator, const Catalogue& words) {
    picture.setAccessibleDescription(
        fromStd(pictureDescription(drawing, view, decimalSeparator, words)));
}

} // namespace esferica
