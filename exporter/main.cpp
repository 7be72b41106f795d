#include "ApresentadorJanelas.h"
#include "uDM1.h"
#include "dbDMConexao.h"
#include "uCadastroClienteUtilOffline.h"
#include "UPrincipal.h"

#include <QApplication>
#include <QWindow>

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
    // The program ends with its main window, not with whichever window closed last (the
    // loading window closing after the connection would otherwise end it).
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(principal.windowHandle(), &QWindow::visibleChanged, &app, [](bool visivel) {
        if (!visivel)
            QCoreApplication::quit();
    });
    const int resultado = QApplication::exec();
    // Forms first (they use the data module's connection), then the connections, while the
    // SQL drivers are still loaded.
    LiberaFormulariosOffline();
    LiberaDMConexao();
    exportador::LiberaDM();
    return resultado;
}
