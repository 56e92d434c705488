// SPDX-License-Identifier: GPL-3.0-or-later
// The help window, in Spanish (F1): the six cases, how to type the data, what each message and
// reason means, how to read the picture, turning, copying, the command line, and a worked example
// of great-circle sailing and of the navigation window.
#pragma once

#include <QString>

class QWidget;

namespace esferica {

// Shows the help window of `form` beside it, creating it the first time, at the section `anchor`
// when one is named ("navegacion"); it does not block the form.
void showHelp(QWidget& form, const QString& anchor = {});

} // namespace esferica
