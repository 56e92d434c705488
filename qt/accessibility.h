// SPDX-License-Identifier: GPL-3.0-or-later
// Names for screen readers: every field is named by its caption, which becomes its buddy; every
// result label by what it shows ("Solución, lado a", "Solución adicional, ángulo B"), its value
// reaching the reader through its tooltip as the description; the status label, the picture and
// the diagram by what they are, with a description.
#pragma once

class QWidget;

namespace esferica {

// Names the controls of the window `form`, found by their object names.
void nameForScreenReaders(QWidget& form);

} // namespace esferica
