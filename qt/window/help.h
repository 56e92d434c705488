// SPDX-License-Identifier: GPL-3.0-or-later
// The help window (F1), in Spanish or in English: the six cases, how to type the data, what each
// message and reason means, how to read the picture, turning, copying, the command line, and a
// worked example of great-circle sailing and of the navigation window.
#pragma once

#include "present/catalogue.h"

#include <QString>

class QWidget;

namespace esferica {

// Shows the help window of `form` beside it in `language`, creating it the first time, at the
// section `anchor` when one is named ("navegacion"); it does not block the form.
void showHelp(QWidget& form, Language language, const QString& anchor = {});

// Puts the help window of `form`, if it has one, in `language`, without showing it.
void translateHelp(QWidget& form, Language language);

} // namespace esferica
