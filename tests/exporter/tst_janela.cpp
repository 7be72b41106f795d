#include "ApresentadorGravador.h"
#include "BancoTeste.h"
#include "Caminhos.h"
#include "ServicoTeste.h"
#include "UPrincipal.h"
#include "uDM1.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using exportador::TFPrincipal;

// The exporter's window driving whole runs and wipes against the demo database and the real
// reference service.
class TstJanela : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;
    const QString banco = QStringLiteral("tst_janela_exportador");
    TServicoTeste servico;

    void escreveIni(const QString& porta) {
        const TServidorTeste s = TServidorTeste::DoAmbiente();
        QFile f(pasta.filePath(QStringLiteral("arquivo.ini")));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QStringLiteral("[bd]\nhost=%1\nnome=%2\n[dadosbanco]\nlogin=%3\nsenha=%4\nporta=%5\n"
                               "[api]\nurl=%6\n[imagens]\npasta=%7\n")
                    .arg(s.Host, banco, s.Usuario, s.Senha, porta, servico.Url(),
                         pasta.filePath(QStringLiteral("imagens")))
                    .toUtf8());
    }

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

    qint64 ultimaRequisicao() {
        const QJsonArray r = servico.Requisicoes();
        return r.isEmpty() ? 0 : qint64(r.last().toObject().value("numero").toDouble());
    }

    QStringList caminhosDesde(qint64 desde) {
        QStringList caminhos;
        for (const QJsonValue& v : servico.Requisicoes(desde))
            caminhos << v.toObject().value("caminho").toString();
        return caminhos;
    }

    QStringList funcoesNoLog() {
        QFile f(pasta.filePath(QStringLiteral("VareloExportadorApi.log")));
        QStringList funcoes;
        if (f.open(QIODevice::ReadOnly))
            for (const QString& l : QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n")))
                if (l.startsWith(QStringLiteral("Função      : ")))
                    funcoes << l.mid(14);
        return funcoes;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(pasta.isValid());
        DefineCaminhoExecutavel(pasta.filePath(QStringLiteral("VareloExportadorApi")));
        QCOMPARE(CriaBancoTeste(banco, {QStringLiteral("demo.sql")}), QString());
        QCOMPARE(servico.Inicia(), QString());
        escreveIni(QString::number(TServidorTeste::DoAmbiente().Porta));
    }

    void cleanupTestCase() { exportador::LiberaDM(); }

    void exportacaoCompletaESegunda() {
        TApresentadorGravador apresentador;
        TFPrincipal janela;
        mostra(janela);
        QVERIFY(janela.Emitente());
        salva(janela, QStringLiteral("exportador-antes.png"));

        // Looked at while the run lets messages through: both buttons off, close refused.
        bool viuDurante = false;
        bool botoesDesligados = false;
        bool fechamentoRecusado = false;
        QTimer espia;
        espia.setInterval(0);
        connect(&espia, &QTimer::timeout, this, [&] {
            if (viuDurante || janela.btnExportar->isEnabled())
                return;
            viuDurante = true;
            botoesDesligados = !janela.btnApagar->isEnabled();
            fechamentoRecusado = !janela.close() && janela.isVisible();
            salva(janela, QStringLiteral("exportador-durante.png"));
        });
        espia.start();
        QStringList erros;
        janela.MostraErroPadrao = [&](const QString& m) { erros << m; };

        janela.btnExportarClick();
        espia.stop();
        QVERIFY(erros.isEmpty());
        QVERIFY(viuDurante);
        QVERIFY(botoesDesligados);
        QVERIFY(fechamentoRecusado);
        QVERIFY(janela.btnExportar->isEnabled());
        QCOMPARE(janela.lbCarregando1->text(), QStringLiteral("Exportação Finalizada"));
        QCOMPARE(janela.lbCarregando2->text(), QString());
        QCOMPARE(janela.pbStatus->value(), 0);
        QVERIFY(!servico.Requisicoes(0, QStringLiteral("/atualizacliente")).isEmpty());
        QVERIFY(!servico.Requisicoes(0, QStringLiteral("/atualizaproduto")).isEmpty());
        QCOMPARE(servico.Requisicoes(0, QStringLiteral("/salvaversao")).size(), 1);
        salva(janela, QStringLiteral("exportador-depois.png"));

        // Nothing changed since: only the versions, the configuration (and the payment
        // forms, sent whole) travel again.
        const qint64 antes = ultimaRequisicao();
        janela.btnExportarClick();
        const QStringList segunda = caminhosDesde(antes);
        QSet<QString> enviados(segunda.begin(), segunda.end());
        QVERIFY2(enviados.contains(QStringLiteral("/atualizaconfiguracao")),
                 qPrintable(segunda.join(' ')));
        QVERIFY(enviados.contains(QStringLiteral("/salvaversao")));
        const QSet<QString> permitidos{
            QStringLiteral("/versaotabelas"), QStringLiteral("/atualizaconfiguracao"),
            QStringLiteral("/atualizaformapagamento"), QStringLiteral("/salvaversao")};
        QVERIFY2(enviados.subtract(permitidos).isEmpty(), qPrintable(segunda.join(' ')));
        QCOMPARE(janela.lbCarregando1->text(), QStringLiteral("Exportação Finalizada"));
        QVERIFY(apresentador.Alertas.isEmpty());

        // A run whose product batch is refused stops in the error box: the clients changed
        // before it reached the service, the versions were not saved.
        QCOMPARE(ExecutaSqlTeste(banco, QStringLiteral(
                                            "update cliente set contato = 'Novo contato' where "
                                            "codcliente = 1; update produto set preco = preco + 1 "
                                            "where codproduto = 1")),
                 QString());
        servico.ProgramaFalha({{"caminho", "/atualizaproduto"},
                               {"tipo", "status"},
                               {"status", 422},
                               {"vezes", 3},
                               {"corpo", "lote recusado"}});
        const qint64 antesFalha = ultimaRequisicao();
        janela.btnExportarClick();
        QCOMPARE(erros.size(), 1);
        const QStringList caminhos = caminhosDesde(antesFalha);
        QVERIFY(caminhos.contains(QStringLiteral("/atualizacliente")));
        QCOMPARE(caminhos.count(QStringLiteral("/atualizaproduto")), 3);
        QVERIFY(!caminhos.contains(QStringLiteral("/salvaversao")));
        QVERIFY(!apresentador.Alertas.isEmpty());
        QVERIFY(janela.btnExportar->isEnabled());

        // The next run sends the clients again, since their version was not saved.
        const qint64 antesDeNovo = ultimaRequisicao();
        janela.btnExportarClick();
        QCOMPARE(erros.size(), 1);
        QVERIFY(caminhosDesde(antesDeNovo).contains(QStringLiteral("/atualizacliente")));
        QCOMPARE(janela.lbCarregando1->text(), QStringLiteral("Exportação Finalizada"));
    }

    void apagar() {
        TApresentadorGravador apresentador;
        TFPrincipal janela;
        mostra(janela);
        janela.btnApagarClick();
        QCOMPARE(janela.lbCarregando1->text(), QStringLiteral("Tabelas Apagadas"));

        QFile::remove(pasta.filePath(QStringLiteral("VareloExportadorApi.log")));
        servico.ProgramaFalha({{"caminho", "/apagatabelas"},
                               {"tipo", "status"},
                               {"status", 404},
                               {"vezes", 3},
                               {"corpo", "desconhecido"}});
        janela.btnApagarClick();
        QCOMPARE(janela.lbCarregando1->text(), QString());
        QCOMPARE(janela.lbCarregando2->text(), QString());
        QCOMPARE(funcoesNoLog(), (QStringList{"ApagarTabelas", "ApagarTabelas"}));
        QVERIFY(apresentador.Alertas.isEmpty());
    }

    // Without a database at start-up there is no emitter: a click is refused, nothing is sent.
    void semEmitenteRecusa() {
        escreveIni(QStringLiteral("abc"));
        TApresentadorGravador apresentador;
        TFPrincipal janela;
        mostra(janela);
        QVERIFY(!janela.Emitente());
        apresentador.Limpa();
        const qint64 antes = ultimaRequisicao();
        janela.btnExportarClick();
        janela.btnApagarClick();
        QCOMPARE(apresentador.Textos(),
                 (QStringList{exportador::MensagemSemEmitente, exportador::MensagemSemEmitente}));
        QVERIFY(caminhosDesde(antes).isEmpty());
        escreveIni(QString::number(TServidorTeste::DoAmbiente().Porta));
    }
};

QTEST_MAIN(TstJanela)
#include "tst_janela.moc"
