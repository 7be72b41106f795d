#include "ApresentadorJanelas.h"
#include "UPrincipal.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VareloExportadorApi"));

    TApresentadorJanelas apresentador; // alerts and the loading window from now on

    exportador::TFPrincipal principal;
    principal.show();
    const int resultado = QApplication::exec();
    return resultado;
}
