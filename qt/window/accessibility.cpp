// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/window/accessibility.h"

#include "present/view.h"
#include "qt/picture/drawingsurface.h"
#include "qt/window/controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <array>
#include <cstddef>

namespace esferica {

namespace {

// Each caption names the field beside it and takes it as its buddy.
template <std::size_t N>
void nameFields(const std::array<QLabel*, N>& captions, const std::array<QLineEdit*, N>& fields) {
    for (std::size_t i = 0; i < N; ++i) {
        captions[i]->setBuddy(fields[i]);
        fields[i]->setAccessibleName(captions[i]->text());
    }
}

} // namespace

void nameForScreenReaders(const WindowControls& controls, const Catalogue& words) {
    nameFields(controls.lblInput, controls.txtInput);
    nameFields(controls.lblgrid, controls.txtGrid);

    for (std::size_t i = 0; i < controls.lblOutcome.size(); ++i) {
        const QString element = controls.lblInput[i % kElements]->text();
        const Text block = i < kElements ? Text::SolutionHeading : Text::AdditionalHeading;
        controls.lblOutcome[i]->setAccessibleName(
            fromStd(words.fill(Text::AccessibleNamed, {{"block", std::string(words.text(block))},
                                                       {"name", element.toStdString()}})));
    }
    controls.Resolvergraf->setAccessibleName(fromStd(words.text(Text::AccessibleStatus)));

    QWidget* sphere = controls.Grafico;
    sphere->setAccessibleName(fromStd(words.text(Text::AccessibleSphere)));
    describePicture(*sphere, {}, {}, ".", words);
    QLabel* diagram = controls.Picture1;
    diagram->setAccessibleName(fromStd(words.text(Text::AccessibleDiagram)));
    diagram->setAccessibleDescription(fromStd(words.text(Text::DiagramDescription)));
}

void describePicture(QWidget& picture, const SceneDrawing& drawing, ViewAngles view,
                     std::string_view decimalSeparator, const Catalogue& words) {
    picture.setAccessibleDescription(
        fromStd(pictureDescription(drawing, view, decimalSeparator, words)));
}

} // namespace esferica
