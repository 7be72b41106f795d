#include "ApresentadorGravador.h"
#include "Caminhos.h"
#include "Relogio.h"
#include "uFuncoesUteis.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

// The error log beside the executable: entries compared byte for byte.
class TstLog : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;
    QDateTime momento;

    QByteArray conteudoLog() {
        QFile f(CaminhoArquivoLog());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(pasta.isValid());
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        momento = QDateTime(QDate(2024, 3, 10), QTime(14, 5, 9));
        DefineRelogio([this] { return momento; });
    }

    void cleanupTestCase() { DefineRelogio({}); }

    void caminhoDoArquivo_data() {
        QTest::addColumn<QString>("executavel");
        QTest::addColumn<QString>("log");
        QTest::newRow("sem extensão") << "/opt/v/VareloImportadorAPI"
                                      << "/opt/v/VareloImportadorAPI.log";
        QTest::newRow("com extensão") << "/opt/v/VareloExportadorApi.exe"
                                      << "/opt/v/VareloExportadorApi.log";
    }
    void caminhoDoArquivo() {
        QFETCH(QString, executavel);
        QFETCH(QString, log);
        DefineCaminhoExecutavel(executavel);
        QCOMPARE(CaminhoArquivoLog(), log);
    }

    void duasEntradasByteAByte() {
        const QString exe = pasta.filePath(QStringLiteral("VareloImportadorAPI"));
        DefineCaminhoExecutavel(exe);
        TApresentadorGravador apresentador;

        GravaLogErro(QStringLiteral("ConexaoBanco"), QString(), QStringLiteral("AtivarDB"),
                     QStringLiteral("relation \"configuracaonfce\" does not exist"), false);
        momento = momento.addSecs(1);
        GravaLogErro(QString(), QStringLiteral("pedidovenda"), QStringLiteral("ImportaPedidos"),
                     QStringLiteral("primeira linha\r\nsegunda linha"), false);

        const QString foto = QDir::toNativeSeparators(pasta.path() + QStringLiteral("/LOG/"));
        const QString tracos(70, QLatin1Char('-'));
        const QStringList linhas{
            tracos,
            QStringLiteral("Data / Hora : 10/03/2024 14:05:09"),
            QStringLiteral("Modulo      : ConexaoBanco"),
            QStringLiteral("Tabela      : "),
            QStringLiteral("Função      : AtivarDB"),
            QStringLiteral("Foto        : ") + foto +
                QStringLiteral("ConexaoBanco_10-03-2024_14-05-09.bmp"),
            QStringLiteral("Erro        : relation \"configuracaonfce\" does not exist"),
            tracos,
            tracos,
            QStringLiteral("Data / Hora : 10/03/2024 14:05:10"),
            QStringLiteral("Modulo      : "),
            QStringLiteral("Tabela      : pedidovenda"),
            QStringLiteral("Função      : ImportaPedidos"),
            QStringLiteral("Foto        : ") + foto + QStringLiteral("_10-03-2024_14-05-10.bmp"),
            QStringLiteral("Erro        : primeira linha"),
            QStringLiteral("segunda linha"),
            tracos,
        };
        QCOMPARE(QString::fromUtf8(conteudoLog()), linhas.join(QStringLiteral("\r\n")) +
                                                       QStringLiteral("\r\n"));
        QVERIFY(apresentador.Alertas.isEmpty());

        QDir log(pasta.filePath(QStringLiteral("LOG")));
        QVERIFY(log.exists());
        QVERIFY(log.isEmpty());
    }

    void alertaComOTextoDoErro() {
        DefineCaminhoExecutavel(pasta.filePath(QStringLiteral("VareloExportadorApi")));
        TApresentadorGravador apresentador;
        GravaLogErro(QString(), QString(), QStringLiteral("ExportaCliente"),
                     QStringLiteral("Falhou"), true);
        QCOMPARE(apresentador.Textos(), QStringList{QStringLiteral("Falhou")});
        QCOMPARE(apresentador.Alertas.first().Tipo, TTipoAlerta::TAPressioneESC);
        QVERIFY(conteudoLog().contains("Erro        : Falhou\r\n"));
    }

    // A log that cannot be written must not hide the error being handled.
    void logIndisponivelAindaMostraOAlerta() {
        const QString exe = pasta.filePath(QStringLiteral("bloqueado/VareloImportadorAPI"));
        QVERIFY(QDir().mkpath(exe + QStringLiteral(".log"))); // a folder where the file should be
        DefineCaminhoExecutavel(exe);
        TApresentadorGravador apresentador;
        GravaLogErro(QString(), QString(), QStringLiteral("ImportaPedidos"),
                     QStringLiteral("Sem Conexão com o Servidor, Tente Novamente"), true);
        QCOMPARE(apresentador.Textos(),
                 QStringList{QStringLiteral("Sem Conexão com o Servidor, Tente Novamente")});
    }
};

QTEST_GUILESS_MAIN(TstLog)
#include "tst_log.moc"
