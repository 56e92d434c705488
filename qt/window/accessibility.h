// SPDX-License-Identifier: GPL-3.0-or-later
// Names for screen readers: every field is named by its caption, which becomes its buddy; every
// result label by what it shows ("Solución, lado a", "Solución adicional, ángulo B"), its value
// reaching the reader through its tooltip as the description; the status label, the picture and
// the diagram by what they are, with a description. The picture's description follows what it
// shows.
#pragma once

#include "command/calculate.h"
#include "present/catalogue.h"

#include <string_view>

class QWidget;

namespace esferica {

struct WindowControls;

// Names the controls of the window in `words`.
void nameForScreenReaders(const WindowControls& controls,
                          const Catalogue& words = Catalogue::spanish());

// Describes in `picture`'s accessible description what a drawing put there: nothing, or one or two
// triangles with the names of their vertices, their colours and the sides c left out, under the
// view `view` (degrees, written with `decimalSeparator`).
void describePicture(QWidget& picture, const SceneDrawing& drawing, ViewAngles view,
                     std::string_view decimalSeparator,
                     const Catalogue& words = Catalogue::spanish());

} // namespace esferica
