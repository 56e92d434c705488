// SPDX-License-Identifier: GPL-3.0-or-later
// How the window speaks and writes angles, and the user's choice of both:
//   - "Idioma / Language", a submenu at the end of the picture's context menu with "Español"
//     (actEspanol) and "English" (actEnglish), checkable and exclusive; the choice is kept in the
//     user's settings (QSettings, key "interfaz/idioma", "es" or "en") and read when the window
//     opens, Spanish when none was made, whatever the locale;
//   - the four forms of an angle, "Grados decimales" (actGradosDecimales, the first time),
//     "Grados, minutos y segundos" (actGradosMinutosSegundos), "Grados y minutos decimales"
//     (actGradosMinutosDecimales) and "Radianes" (actRadianes), checkable and exclusive, which the
//     results' context menu offers; kept in key "resultados/formato" (decimal, gms, gm, rad).
#pragma once

#include "present/catalogue.h"
#include "present/units.h"

#include <QList>
#include <QObject>
#include <array>

class QAction;
class QMenu;
class QWidget;

namespace esferica {

// The language the user chose last, Spanish when none.
Language savedLanguage();

class PresentationChoice : public QObject {
    Q_OBJECT

public:
    // Adds the language's submenu to the menu of `picture`, the picture of `form`; reads the
    // choices last made.
    PresentationChoice(QWidget& form, QWidget& picture);

    Language language() const { return language_; }
    const Catalogue& words() const { return Catalogue::of(language_); }
    AngleFormat format() const { return format_; }
    // The four forms' entries, in the order of AngleFormat, for the results' menu.
    QList<QAction*> formatActions() const;

    // Names the entries in the language chosen.
    void retranslate();

signals:
    // The user has chosen another language (Qt's own texts already follow it), or another form.
    void languageChanged();
    void formatChanged();

private:
    void chooseLanguage(Language language);
    void chooseFormat(AngleFormat format);

    Language language_ = Language::Spanish;
    AngleFormat format_ = AngleFormat::Decimal;
    QAction* languageMenu_ = nullptr;
    std::array<QAction*, 2> languages_{};
    std::array<QAction*, kAngleFormats> formats_{};
};

} // namespace esferica
