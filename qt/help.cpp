// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/help.h"

#include <QDialog>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace esferica {

namespace {

// The size the help opens at, in pixels: beside the window, with room for a table of values.
constexpr QSize kHelpSize(620, 560);

} // namespace

void showHelp(QWidget& form, const QString& anchor) {
    auto* help = form.findChild<QDialog*>(QStringLiteral("frmAyuda"));
    if (!help) {
        help = new QDialog(&form);
        help->setObjectName(QStringLiteral("frmAyuda"));
        help->setWindowTitle(QStringLiteral("Ayuda: resolución de triángulos esféricos"));
        help->resize(kHelpSize);
        auto* text = new QTextBrowser(help);
        text->setObjectName(QStringLiteral("txtAyuda"));
        text->setOpenExternalLinks(false);
        QFile page(QStringLiteral(":/ayuda/ayuda.html"));
        if (page.open(QIODevice::ReadOnly))
            text->setHtml(QString::fromUtf8(page.readAll()));
        auto* layout = new QVBoxLayout(help);
        layout->addWidget(text);
    }
    help->show();
    help->raise();
    help->activateWindow();
    // Once shown, when the page has its width and so its length.
    if (!anchor.isEmpty())
        help->findChild<QTextBrowser*>(QStringLiteral("txtAyuda"))->scrollToAnchor(anchor);
}

} // namespace esferica
