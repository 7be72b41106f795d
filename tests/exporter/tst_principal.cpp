#include "ApresentadorGravador.h"
#include "BancoTeste.h"
#include "Caminhos.h"
#include "ConexaoBanco.h"
#include "UPrincipal.h"
#include "uDM1.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using exportador::TFPrincipal;

// The exporter's main window at start-up, against the real database.
class TstPrincipal : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;
    const QString banco = QStringLiteral("tst_principal_exportador");

    static void mostra(TFPrincipal& janela) {
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        QCoreApplication::processEvents();
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(pasta.isValid());
        DefineCaminhoExecutavel(pasta.filePath(QStringLiteral("VareloExportadorApi")));
        QCOMPARE(CriaBancoTeste(banco, {QStringLiteral("demo.sql")}), QString());
    }

    // The data module goes before the SQL drivers do at exit.
    void cleanupTestCase() { exportador::LiberaDM(); }

    void conectaEMostraOEmitente() {
        EscreveArquivoIni(pasta.path(), banco);
        TApresentadorGravador apresentador;
        TFPrincipal janela;
        QCOMPARE(janela.size(), QSize(609, 308));
        QCOMPARE(janela.windowTitle(), QStringLiteral("Exportação API 14"));
        mostra(janela);
        const QString razao =
            ConsultaTeste(banco, QStringLiteral("select razaosocial from emitente limit 1"))
                .toString();
        QVERIFY(!razao.isEmpty());
        QCOMPARE(janela.windowTitle(), QStringLiteral("Exportação API 14 - ") + razao);
        QCOMPARE(janela.LblRazaoSocialEmitente->text(), razao);
        QCOMPARE(janela.LblCnpjEmitente->text(),
                 ConsultaTeste(banco, QStringLiteral("select cnpjcpf from emitente limit 1"))
                     .toString());
        QVERIFY(apresentador.Alertas.isEmpty());
        QCOMPARE(apresentador.Carregando,
                 (QStringList{"abre", "Conectando ao banco de dados...", "fecha"}));
        const QString dir = qEnvironmentVariable("VARELO_SHOTS", QStringLiteral("."));
        QDir().mkpath(dir);
        QVERIFY(janela.grab().save(dir + QStringLiteral("/exportador-inicio.png")));
    }

    // Without a database the exporter stays open, with its caption and labels untouched.
    void semBancoFicaAberto() {
        QFile ini(pasta.filePath(QStringLiteral("arquivo.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write("[dadosbanco]\nporta=abc\n");
        ini.close();
        TApresentadorGravador apresentador;
        TFPrincipal janela;
        mostra(janela);
        QCOMPARE(apresentador.Textos(), QStringList{MensagemFalhaConexao});
        QVERIFY(janela.isVisible());
        QCOMPARE(janela.windowTitle(), QStringLiteral("Exportação API 14"));
        QVERIFY(janela.LblRazaoSocialEmitente->text().isEmpty());
    }
};

QTEST_MAIN(TstPrincipal)
#include "tst_principal.moc"
