// SPDX-License-Identifier: GPL-3.0-or-later
// What the start-up benchmark launches: opens a window, lets it be shown, says so by writing one
// byte to the file descriptor given, optionally calculates once, and closes. "form" is the
// program's window; "bare" is a plain Qt window of the same size, the baseline; "text" is that
// window with one line of text in it, which makes Qt load its font database as any window that
// shows text must.
//
//   startup_probe form|bare|text show|calc <fd>
#include "qt/app/desktop.h"
#include "qt/window/frmTrianguloEsf.h"
#include "qt/window/spanish.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTranslator>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <unistd.h>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const char* kind = argc > 1 ? argv[1] : "form";
    const bool bare = std::strcmp(kind, "form") != 0;
    const bool calculate = argc > 2 && std::strcmp(argv[2], "calc") == 0;

    QTranslator toolkitTexts;
    std::unique_ptr<QWidget> window;
    if (bare) {
        window = std::make_unique<QWidget>();
        window->setWindowTitle(QStringLiteral("Resolución de triángulos esféricos"));
        window->setFixedSize(736, 451);
        if (std::strcmp(kind, "text") == 0)
            new QLabel(QStringLiteral("Ingrese los datos conocidos:"), window.get());
    } else {
        // What the program's main does before it shows its window.
        esferica::installSpanishToolkitTexts(toolkitTexts);
        esferica::presentToDesktop();
        window = std::make_unique<frmTrianguloEsf>();
    }
    window->show();
    // On a display server the window is exposed a round trip later; widgets paint on the expose.
    while (!window->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
    if (argc > 3) {
        const int shown = std::atoi(argv[3]);
        if (write(shown, "s", 1) != 1)
            return 1;
        close(shown);
    }

    if (calculate && !bare) {
        for (int i = 0; i < 3; ++i)
            window->findChild<QLineEdit*>(QStringLiteral("txtInput(%1)").arg(i))->setText("60");
        window->findChild<QPushButton*>(QStringLiteral("cmdCalcular"))->click();
        QCoreApplication::processEvents();
    }
    window->close();
    return 0;
}
