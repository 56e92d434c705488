// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/desktop.h"
#include "qt/frmTrianguloEsf.h"
#include "qt/spanish.h"

#include <QApplication>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    // Without a display Qt would print a hint about reinstalling and abort; say what is missing.
    if (esferica::lacksDisplay(argc, argv,
                               [](const char* name) -> const char* { return std::getenv(name); })) {
        std::fprintf(stderr, "%s\n", esferica::kNoDisplayMessage);
        return 1;
    }
    esferica::StartGuard startGuard; // a display that cannot be opened: one line, status 1
    QApplication app(argc, argv);
    startGuard.release();
    esferica::presentToDesktop();
    QTranslator toolkitTexts;
    esferica::installSpanishToolkitTexts(toolkitTexts);
    frmTrianguloEsf form;
    form.show();
    return app.exec();
}
