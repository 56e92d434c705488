// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls by their object names, for the parts of the window that dress it after it
// is built (accessibility, export): every control carries its name, array members with their index.
#pragma once

#include <QString>
#include <QWidget>

namespace esferica {

// The object name of member `index` of a control array: "txtInput(0)", "lblOutcome(11)", ...
inline QString arrayName(const char* control, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(control)).arg(index);
}

// The control of `form` with this object name; the window always has it.
template <class T> T* control(const QWidget& form, const QString& name) {
    T* found = form.findChild<T*>(name);
    Q_ASSERT(found);
    return found;
}

} // namespace esferica
