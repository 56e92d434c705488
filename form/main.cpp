#include "form/frmTrianguloEsf.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The icon that installing puts in the desktop's icon theme; none when run from the build.
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("esferica")));
    frmTrianguloEsf form;
    form.show();
    return app.exec();
}
