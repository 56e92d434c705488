// SPDX-License-Identifier: GPL-3.0-or-later
// The choice between the two pictures of drawing/scene.h, and what goes with it in the window:
//   - "Dibujo clásico", a checkable entry at the end of the picture's context menu, which draws
//     the classic picture; the choice is kept in the user's settings (QSettings, key
//     "dibujo/clasico") and read when the window opens, the readable picture when none was made;
//   - "Nombres de los lados", a checkable entry before it, on unless the user turned it off (key
//     "dibujo/nombresLados"): whether the readable picture names the sides;
//   - the colour cues of the result headings: beside "Solución" and "Solución adicional (si
//     existe)" a short stroke of their triangle's pen, shown with the readable picture only.
#pragma once

#include "drawing/scene.h"
#include "present/catalogue.h"

#include <QObject>
#include <array>

class QAction;
class QLabel;
class QWidget;

namespace esferica {

class PictureStyleChoice : public QObject {
    Q_OBJECT

public:
    // Adds the entries to the menu of `picture`, the picture of `form`, and the cues beside
    // `headings`, "Solución" and "Solución adicional (si existe)", and reads the choices last made.
    PictureStyleChoice(QWidget& form, QWidget& picture, const std::array<QLabel*, 2>& headings);

    PictureStyle style() const;
    // Names the entries and the cues in `words`.
    void retranslate(const Catalogue& words);
    bool sideNames() const;

signals:
    // The user has chosen the other picture.
    void changed(esferica::PictureStyle style);
    // The user has turned the names of the sides on or off.
    void sideNamesChanged(bool named);

private:
    void choose(bool classic);
    void nameSides(bool named);
    void showCues(bool shown);

    std::array<QLabel*, 2> headings_{};
    const Catalogue* words_ = &Catalogue::spanish();
    QAction* classic_ = nullptr;
    QAction* sideNames_ = nullptr;
    std::array<QWidget*, 2> cues_{};
};

} // namespace esferica
