// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's own texts in Spanish, like the window's: a text field's context menu ("&Deshacer",
// "Co&piar", ...) and the message box's button, which Qt writes in English unless it is given its
// Spanish translation.
#pragma once

#include "present/catalogue.h"

class QTranslator;

namespace esferica {

// Loads Qt's Spanish translation from where Qt keeps its translations into `translator` and
// installs it in the running application, whatever the user's locale. Returns false, leaving Qt's
// English texts, when that translation is not installed.
bool installSpanishToolkitTexts(QTranslator& translator);

// Qt's texts in `language` from now on, in place of those this function installed before: its
// Spanish translation, or its own English (with Qt's English translation, where installed, which
// carries the plural forms). Returns false when the translation is not installed.
bool installToolkitTexts(Language language);

} // namespace esferica
