// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/window/spanish.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace esferica {

bool installSpanishToolkitTexts(QTranslator& translator) {
    if (!translator.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

bool installToolkitTexts(Language language) {
    static QTranslator translator;
    QCoreApplication::removeTranslator(&translator);
    const QLocale locale(language == Language::English ? QLocale::English : QLocale::Spanish);
    if (!translator.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

} // namespace esferica
