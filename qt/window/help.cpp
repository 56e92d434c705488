// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/window/help.h"

#include <QDialog>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace esferica {

namespace {

// The size the help opens at, in pixels: beside the window, with room for a table of values.
constexpr QSize kHelpSize(620, 560);

// The property of the help window that holds the language its page is in.
constexpr const char* kLanguageProperty = "idioma";

struct HelpPage {
    const char* title;
    const char* resource;
};

HelpPage pageOf(Language language) {
    if (language == Language::English)
        return {"Help: solving spherical triangles", ":/ayuda/help.html"};
    return {"Ayuda: resolución de triángulos esféricos", ":/ayuda/ayuda.html"};
}

void load(QDialog& help, Language language) {
    const HelpPage page = pageOf(language);
    help.setWindowTitle(QString::fromUtf8(page.title));
    QFile file(QString::fromLatin1(page.resource));
    if (file.open(QIODevice::ReadOnly))
        help.findChild<QTextBrowser*>(QStringLiteral("txtAyuda"))
            ->setHtml(QString::fromUtf8(file.readAll()));
    help.setProperty(kLanguageProperty, static_cast<int>(language));
}

} // namespace

void translateHelp(QWidget& form, Language language) {
    auto* help = form.findChild<QDialog*>(QStringLiteral("frmAyuda"));
    if (help && help->property(kLanguageProperty).toInt() != static_cast<int>(language))
        load(*help, language);
}

void showHelp(QWidget& form, Language language, const QString& anchor) {
    auto* help = form.findChild<QDialog*>(QStringLiteral("frmAyuda"));
    if (!help) {
        help = new QDialog(&form);
        help->setObjectName(QStringLiteral("frmAyuda"));
        help->resize(kHelpSize);
        auto* text = new QTextBrowser(help);
        text->setObjectName(QStringLiteral("txtAyuda"));
        text->setOpenExternalLinks(false);
        auto* layout = new QVBoxLayout(help);
        layout->addWidget(text);
        load(*help, language);
    } else {
        translateHelp(form, language);
    }
    help->show();
    help->raise();
    help->activateWindow();
    // Once shown, when the page has its width and so its length.
    if (!anchor.isEmpty())
        help->findChild<QTextBrowser*>(QStringLiteral("txtAyuda"))->scrollToAnchor(anchor);
}

} // namespace esferica
