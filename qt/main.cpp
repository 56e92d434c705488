#include "qt/frmTrianguloEsf.h"
#include "qt/spanish.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The installed menu entry, esferica.desktop: the desktop takes the window's icon from it.
    QGuiApplication::setDesktopFileName(QStringLiteral("esferica"));
    QTranslator toolkitTexts;
    esferica::installSpanishToolkitTexts(toolkitTexts);
    frmTrianguloEsf form;
    form.show();
    return app.exec();
}
