#include "ApresentadorJanelas.h"
#include "UAlertaPedido.h"
#include "uPrincipal.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VareloImportadorAPI"));
    QApplication::setQuitOnLastWindowClosed(false);

    TApresentadorJanelas apresentador; // alerts and the loading window from now on

    importador::TFAlertaPedido aviso;
    importador::TFPrincipal principal(&aviso);
    QObject::connect(&principal, &importador::TFPrincipal::ProgramaEncerrado, &app,
                     [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    principal.show();
    const int resultado = QApplication::exec();
    return resultado;
}
