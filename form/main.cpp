#include "form/frmTrianguloEsf.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    frmTrianguloEsf form;
    form.show();
    return app.exec();
}
