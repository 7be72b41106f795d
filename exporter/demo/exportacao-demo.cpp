// Runs one export of the exporter's real window without a person at the keyboard: the window
// connects with the arquivo.ini beside this program, the export button is clicked once and
// the outcome is printed. Alerts go to the standard error stream. Used by scripts/demo.
#include "UPrincipal.h"
#include "uDM1.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VareloExportadorApi"));
    int resultado = 1;
    {
        exportador::TFPrincipal janela;
        janela.MostraErroPadrao = [](const QString& m) {
            std::fprintf(stderr, "erro: %s\n", m.toUtf8().constData());
        };
        janela.show();
        // The connection runs from the window's first show; the click comes after it.
        QTimer::singleShot(0, &janela, [&] {
            if (!janela.Emitente()) {
                std::fprintf(stderr, "sem conexão com o banco de dados\n");
                QCoreApplication::exit(1);
                return;
            }
            janela.btnExportarClick();
            std::printf("%s\n", janela.lbCarregando1->text().toUtf8().constData());
            QCoreApplication::exit(
                janela.lbCarregando1->text() == QStringLiteral("Exportação Finalizada") ? 0 : 1);
        });
        resultado = QApplication::exec();
    }
    exportador::LiberaDM();
    return resultado;
}
