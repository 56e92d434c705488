// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/resolver.h"
#include "qt/app/desktop.h"
#include "qt/picture/picturefile.h"
#include "qt/window/frmTrianguloEsf.h"
#include "qt/window/language.h"
#include "qt/window/spanish.h"

#include <QApplication>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char* argv[]) {
    // The command line solves without the window, so without a display and before any of Qt; it
    // draws a picture, when asked, on Qt's offscreen platform.
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    std::ios::sync_with_stdio(false);
    if (const auto status = esferica::runCommandLine(args, std::cin, std::cout, std::cerr,
                                                     esferica::writeScenePicture)) {
        std::cout.flush();
        return *status;
    }
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
    // Qt's own texts in the language the user chose last (qt/window/language.h), Spanish at first.
    esferica::installToolkitTexts(esferica::savedLanguage());
    frmTrianguloEsf form;
    form.show();
    return app.exec();
}
