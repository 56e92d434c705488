// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/window/language.h"

#include "present/view.h"
#include "qt/window/controls.h"
#include "qt/window/spanish.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QSettings>
#include <QWidget>

namespace esferica {

namespace {

const QString kLanguageKey = QStringLiteral("interfaz/idioma");
const QString kFormatKey = QStringLiteral("resultados/formato");

constexpr std::array<Language, 2> kLanguages{Language::Spanish, Language::English};
constexpr std::array<const char*, 2> kLanguageActions{"actEspanol", "actEnglish"};
constexpr std::array<Text, 2> kLanguageNames{Text::LanguageSpanish, Text::LanguageEnglish};
constexpr std::array<const char*, kAngleFormats> kFormatActions{
    "actGradosDecimales", "actGradosMinutosSegundos", "actGradosMinutosDecimales", "actRadianes"};

QString settingOf(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

AngleFormat savedFormat() {
    const QByteArray name = QSettings().value(kFormatKey).toString().toLatin1();
    return angleFormatNamed(
               std::string_view(name.constData(), static_cast<std::size_t>(name.size())))
        .value_or(AngleFormat::Decimal);
}

} // namespace

Language savedLanguage() {
    const QByteArray code = QSettings().value(kLanguageKey).toString().toLatin1();
    return languageNamed(std::string_view(code.constData(), static_cast<std::size_t>(code.size())))
        .value_or(Language::Spanish);
}

PresentationChoice::PresentationChoice(QWidget& form, QWidget& picture)
    : QObject(&form), language_(savedLanguage()), format_(savedFormat()) {
    auto* languages = new QActionGroup(this);
    auto* menu = new QMenu(&form);
    menu->setObjectName(QStringLiteral("mnuIdioma"));
    for (std::size_t i = 0; i < kLanguages.size(); ++i) {
        QAction* action = menu->addAction(QString());
        action->setObjectName(QString::fromLatin1(kLanguageActions[i]));
        action->setCheckable(true);
        action->setChecked(kLanguages[i] == language_);
        languages->addAction(action);
        const Language language = kLanguages[i];
        connect(action, &QAction::triggered, this, [this, language] { chooseLanguage(language); });
        languages_[i] = action;
    }
    languageMenu_ = menu->menuAction();
    auto* separator = new QAction(&form);
    separator->setSeparator(true);
    picture.addActions({separator, languageMenu_});

    auto* formats = new QActionGroup(this);
    for (std::size_t i = 0; i < formats_.size(); ++i) {
        auto* action = new QAction(&form);
        action->setObjectName(QString::fromLatin1(kFormatActions[i]));
        action->setCheckable(true);
        action->setChecked(kAllAngleFormats[i] == format_);
        formats->addAction(action);
        const AngleFormat format = kAllAngleFormats[i];
        connect(action, &QAction::triggered, this, [this, format] { chooseFormat(format); });
        formats_[i] = action;
    }
    retranslate();
}

QList<QAction*> PresentationChoice::formatActions() const {
    return {formats_.begin(), formats_.end()};
}

void PresentationChoice::retranslate() {
    const Catalogue& w = words();
    languageMenu_->menu()->setTitle(fromStd(w.text(Text::MenuLanguage)));
    languageMenu_->menu()->setAccessibleName(languageMenu_->menu()->title());
    for (std::size_t i = 0; i < languages_.size(); ++i)
        languages_[i]->setText(fromStd(w.text(kLanguageNames[i])));
    for (std::size_t i = 0; i < formats_.size(); ++i)
        formats_[i]->setText(fromStd(formatName(kAllAngleFormats[i], w)));
}

void PresentationChoice::chooseLanguage(Language language) {
    if (language == language_)
        return;
    language_ = language;
    QSettings().setValue(kLanguageKey, settingOf(languageCode(language)));
    installToolkitTexts(language);
    retranslate();
    emit languageChanged();
}

void PresentationChoice::chooseFormat(AngleFormat format) {
    if (format == format_)
        return;
    format_ = format;
    QSettings().setValue(kFormatKey, settingOf(angleFormatName(format)));
    emit formatChanged();
}

} // namespace esferica
