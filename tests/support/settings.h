// SPDX-License-Identifier: GPL-3.0-or-later
// The settings of a test or benchmark program: in a temporary folder of their own, under a name of
// their own, so that a window's choices (the picture drawn) never read or reach the user's.
#pragma once

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

namespace esferica::testing {

// Points this process's settings at a temporary folder that lasts as long as the process. Call it
// once the application object exists.
inline void useOwnSettings() {
    static QTemporaryDir folder;
    QCoreApplication::setOrganizationName(QStringLiteral("esferica-tests"));
    QCoreApplication::setApplicationName(QStringLiteral("esferica_test"));
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(format, scope, folder.path());
}

// Forgets every setting: a window opens as it does the first time.
inline void forgetSettings() {
    QSettings().clear();
}

} // namespace esferica::testing
