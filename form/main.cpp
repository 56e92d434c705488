#include "form/frmTrianguloEsf.h"
#include "form/spanish.h"

#include <QApplication>
#include <QIcon>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTranslator toolkitTexts;
    esferica::installSpanishToolkitTexts(toolkitTexts);
    // The icon that installing puts in the desktop's icon theme; none when run from the build.
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("esferica")));
    frmTrianguloEsf form;
    form.show();
    return app.exec();
}
