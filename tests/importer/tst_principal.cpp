#include "ApresentadorGravador.h"
#include "BancoTeste.h"
#include "Caminhos.h"
#include "Erro.h"
#include "InstanciaUnica.h"
#include "UAlertaPedido.h"
#include "uPrincipal.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <cstdio>
#include <QTemporaryDir>
#include <QtTest>

using importador::IVisaoImportador;
using importador::TFPrincipal;

// The importer's main window on the offscreen platform, against the real database.
class TstPrincipal : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;
    const QString banco = QStringLiteral("tst_principal_importador");
    // A lock name of the tests' own, so a running importer on this desktop does not interfere.
    const QString instancia = QStringLiteral("VareloImportadorAPI-teste");

    void defineModo(bool automatico) {
        QCOMPARE(ExecutaSqlTeste(banco, QStringLiteral(
                                            "update configuracao set "
                                            "importarpedidoautomaticoimportador = %1")
                                            .arg(automatico ? "true" : "false")),
                 QString());
    }

    // Shows the window and lets its show handler (the connection) run.
    static void mostra(TFPrincipal& janela) {
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        QCoreApplication::processEvents();
    }

    static void salva(QWidget& w, const QString& nome) {
        const QString dir = qEnvironmentVariable("VARELO_SHOTS", QStringLiteral("."));
        QDir().mkpath(dir);
        QVERIFY(w.grab().save(dir + QLatin1Char('/') + nome));
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(pasta.isValid());
        DefineCaminhoExecutavel(pasta.filePath(QStringLiteral("VareloImportadorAPI")));
        QCOMPARE(CriaBancoTeste(banco, {QStringLiteral("demo.sql")}), QString());
        EscreveArquivoIni(pasta.path(), banco);
    }

    void aparencia() {
        TApresentadorGravador apresentador;
        TFPrincipal janela(nullptr, instancia);
        QCOMPARE(janela.size(), QSize(401, 328));
        QCOMPARE(janela.windowTitle(), QStringLiteral("Varelo Importação Versão: 16"));
        QCOMPARE(janela.palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(!(janela.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(janela.Image1->height(), 146);
        QCOMPARE(janela.lbRazaosocial->text(), QStringLiteral("Razão social"));
        QCOMPARE(janela.lbcnpj->text(), QStringLiteral("CNPJ"));
        QCOMPARE(janela.Label1->text(),
                 QStringLiteral("Pedidos são baixados automaticamente de 6 em 6 segundos"));
        QVERIFY(janela.lbStatus->font().bold());
        QVERIFY(janela.Label1->font().bold());
        QCOMPARE(janela.tmImportaPedidos->interval(), 6000);
        QVERIFY(!janela.tmImportaPedidos->isActive());
        QCOMPARE(janela.RxTrayIcon1->toolTip(), QStringLiteral("Importador de Pedidos Quandor"));
        QCOMPARE(janela.PMSAbrir->text(), QStringLiteral("Abrir"));
        QCOMPARE(janela.Sair1->text(), QStringLiteral("Sair"));
        for (const char* nome : {"Image1", "lbRazaosocial", "edtRazaoSocial", "lbcnpj", "edtCnpj",
                                 "lbStatus", "btnImportar", "Label1"})
            QVERIFY2(janela.findChild<QWidget*>(QString::fromLatin1(nome)), nome);
        QVERIFY(apresentador.Alertas.isEmpty());
    }

    void modoAutomaticoEManual() {
        TApresentadorGravador apresentador;
        TFPrincipal janela(nullptr, instancia);

        defineModo(true);
        mostra(janela);
        QVERIFY(!janela.edtRazaoSocial->text().isEmpty());
        QVERIFY(!janela.edtCnpj->text().isEmpty());
        QCOMPARE(janela.lbStatus->text(), QStringLiteral("Importação Automática"));
        QVERIFY(!janela.btnImportar->isEnabled());
        QVERIFY(janela.tmImportaPedidos->isActive());
        salva(janela, QStringLiteral("importador-automatico.png"));

        // Shown again from the tray: it reconnects and reads the mode anew.
        defineModo(false);
        janela.hide();
        janela.PMSAbrirClick();
        QCoreApplication::processEvents();
        QCOMPARE(janela.lbStatus->text(), QString());
        QVERIFY(janela.btnImportar->isEnabled());
        QVERIFY(!janela.tmImportaPedidos->isActive());
        QCOMPARE(apresentador.Carregando.count(QStringLiteral("abre")), 2);
        salva(janela, QStringLiteral("importador-manual.png"));
        QVERIFY(apresentador.Alertas.isEmpty());
    }

    // The timer is switched off before a pass; a pass that fails leaves it off and its error
    // reaches the standard error box; a click during a pass does not start another.
    void cicloDoTimer() {
        TApresentadorGravador apresentador;
        TFPrincipal janela(nullptr, instancia);
        defineModo(true);
        mostra(janela);

        int passos = 0;
        bool timerDuranteOPasso = true;
        janela.ImportaPedidos = [&](IVisaoImportador& visao) {
            ++passos;
            timerDuranteOPasso = janela.tmImportaPedidos->isActive();
            janela.btnImportarClick();      // ignored: a pass is running
            janela.tmImportaPedidosTimer(); // ignored too
            visao.LigaTimer(true);
        };
        QStringList errosMostrados;
        janela.MostraErroPadrao = [&](const QString& m) { errosMostrados << m; };

        QMetaObject::invokeMethod(janela.tmImportaPedidos, "timeout");
        QCOMPARE(passos, 1);
        QVERIFY(!timerDuranteOPasso);
        QVERIFY(janela.tmImportaPedidos->isActive());

        janela.ImportaPedidos = [&](IVisaoImportador&) {
            ++passos;
            throw EErro(QStringLiteral("resposta do servidor"));
        };
        QMetaObject::invokeMethod(janela.tmImportaPedidos, "timeout");
        QCOMPARE(passos, 2);
        QCOMPARE(errosMostrados, QStringList{QStringLiteral("resposta do servidor")});
        QVERIFY(!janela.tmImportaPedidos->isActive());
        QVERIFY(!janela.PassoEmAndamento());
    }

    void fecharEncerraOPrograma() {
        TApresentadorGravador apresentador;
        TFPrincipal janela(nullptr, instancia);
        QSignalSpy fim(&janela, &TFPrincipal::ProgramaEncerrado);
        mostra(janela);
        janela.Sair1Click();
        QCOMPARE(fim.count(), 1);
    }

    void semBancoEncerra() {
        QTemporaryDir outra;
        DefineCaminhoExecutavel(outra.filePath(QStringLiteral("VareloImportadorAPI")));
        {
            QFile ini(outra.filePath(QStringLiteral("arquivo.ini")));
            QVERIFY(ini.open(QIODevice::WriteOnly));
            ini.write("[dadosbanco]\nporta=abc\n");
        }
        TApresentadorGravador apresentador;
        TFPrincipal janela(nullptr, instancia);
        QSignalSpy fim(&janela, &TFPrincipal::ProgramaEncerrado);
        mostra(janela);
        QCOMPARE(fim.count(), 1);
        QCOMPARE(apresentador.Textos(),
                 QStringList{QStringLiteral("Não foi possível estabelecer conexão com o Banco de dados!")});
        DefineCaminhoExecutavel(pasta.filePath(QStringLiteral("VareloImportadorAPI")));
    }

    // Another process holds the importer's lock: this start shows the alert and ends without
    // connecting, and the other process is not disturbed.
    void segundaInstancia() {
        const QString trava = importador::TInstanciaUnica::CaminhoTrava(instancia);
        QProcess primeira;
        primeira.start(QCoreApplication::applicationFilePath(),
                       {QStringLiteral("--segura-trava"), instancia});
        QVERIFY(primeira.waitForStarted());
        // A loaded machine may take a while to start the other process; it must hold the
        // lock before this start looks.
        QTRY_VERIFY_WITH_TIMEOUT(primeira.state() != QProcess::Running ||
                                     QProcess::execute(QStringLiteral("flock"),
                                                       {QStringLiteral("-n"), trava,
                                                        QStringLiteral("true")}) != 0,
                                 60000);
        QCOMPARE(primeira.state(), QProcess::Running);

        TApresentadorGravador apresentador;
        TFPrincipal janela(nullptr, instancia);
        QVERIFY(janela.Encerrar);
        QCOMPARE(apresentador.Textos(),
                 QStringList{QStringLiteral("Varelo Importador Já Está Sendo Executado!")});
        QSignalSpy fim(&janela, &TFPrincipal::ProgramaEncerrado);
        mostra(janela);
        QCOMPARE(fim.count(), 1);
        QVERIFY(janela.edtRazaoSocial->text().isEmpty());
        QVERIFY(apresentador.Carregando.isEmpty());
        QCOMPARE(primeira.state(), QProcess::Running);
        primeira.kill();
        primeira.waitForFinished();

        // Once the other process is gone, the name is free again.
        TFPrincipal outra(nullptr, instancia);
        QVERIFY(!outra.Encerrar);
        QVERIFY(QProcess::execute(QStringLiteral("flock"),
                                  {QStringLiteral("-n"), trava, QStringLiteral("true")}) != 0);
    }
};

// Started with "--segura-trava NAME", the program only holds the importer's lock, as a first
// instance would, until it is killed.
int main(int argc, char* argv[]) {
    if (argc == 3 && qstrcmp(argv[1], "--segura-trava") == 0) {
        importador::TInstanciaUnica primeira(QString::fromLocal8Bit(argv[2]));
        if (primeira.JaExistia())
            return 1;
        // Held until the test closes our input (or dies), so no stray process keeps the lock.
        while (std::getchar() != EOF) {
        }
        return 0;
    }
    QApplication app(argc, argv);
    TstPrincipal teste;
    return QTest::qExec(&teste, argc, argv);
}
#include "tst_principal.moc"
