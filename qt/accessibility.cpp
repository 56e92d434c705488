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
    if (drawing.triangles == 0) {
        picture.setAccessibleDescription(fromStd(words.text(Text::PictureNothing)));
        return;
    }
    const auto degrees = [&](double value) {
        return degreesWithSign(value, decimalSeparator);
    };
    std::string text = words.fill(Text::PictureSphere, {{"inclination", degrees(view.inclination)},
                                                        {"rotation", degrees(view.rotation)}});
    const bool two = drawing.triangles > 1;
    if (drawing.style == PictureStyle::Classic) {
        text += words.text(two ? Text::PictureClassicTwo : Text::PictureClassicOne);
    } else {
        const auto names = [&](bool additional) {
            std::array<std::string, 3> named;
            for (std::size_t i = 0; i < kVertices.size(); ++i) {
                const Vertex v = kVertices[i];
                named[i] =
                    vertexName(v, additional,
                               additional && drawing.sharedVertices[static_cast<std::size_t>(v)]);
            }
            return words.fill(Text::PictureVertices,
                              {{"a", named[0]}, {"b", named[1]}, {"c", named[2]}});
        };
        text += two ? words.fill(Text::PictureReadableTwo,
                                 {{"first", names(false)}, {"second", names(true)}})
                    : words.fill(Text::PictureReadableOne, {{"first", names(false)}});
    }
    if (drawing.primarySideMissing && drawing.additionalSideMissing)
        text += words.text(Text::PictureMissingBoth);
    else if (drawing.primarySideMissing)
        text += words.text(two ? Text::PictureMissingPrimary : Text::PictureMissing);
    else if (drawing.additionalSideMissing)
        text += words.text(Text::PictureMissingAdditional);
    picture.setAccessibleDescription(fromStd(text));
}

} // namespace esferica
