#include "ApresentadorJanelas.h"
#include "uDM1.h"
#include "uCadastroClienteUtilOffline.h"
#include "UPrincipal.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VareloExportadorApi"));

    TApresentadorJanelas apresentador; // alerts and the loading window from now on

    exportador::TFPrincipal principal;
    // The offline client forms work on the data module's connection; created hidden.
    exportador::CriaDM();
    if (exportador::DM1())
        CriaFormulariosOffline(exportador::DM1()->ZConnection1);
    principal.show();
    const int resultado = QApplication::exec();
    LiberaFormulariosOffline();
    return resultado;
}
