#include "ApresentadorJanelas.h"
#include "UDM1.h"
#include "dbDMConexao.h"
#include "uCadastroClienteUtilOffline.h"
#include "UAlertaPedido.h"
#include "uFuncoesImportador.h"
#include "uPrincipal.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VareloImportadorAPI"));
    QApplication::setQuitOnLastWindowClosed(false);

    TApresentadorJanelas apresentador; // alerts and the loading window from now on

    importador::TFAlertaPedido aviso;
    importador::TFPrincipal principal(&aviso);
    principal.ImportaPedidos = [](importador::IVisaoImportador& v) {
        importador::ImportaPedidos(v);
    };
    QObject::connect(&principal, &importador::TFPrincipal::ProgramaEncerrado, &app,
                     [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    // The offline client forms work on the data module's connection; created hidden.
    importador::CriaDM();
    if (importador::DM1())
        CriaFormulariosOffline(importador::DM1()->ZConnection1);
    principal.show();
    const int resultado = QApplication::exec();
    // Forms first (they use the data module's connection), then the connections, while the
    // SQL drivers are still loaded.
    LiberaFormulariosOffline();
    LiberaDMConexao();
    importador::LiberaDM();
    return resultado;
}
