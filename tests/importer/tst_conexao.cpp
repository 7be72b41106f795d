#include "ApresentadorGravador.h"
#include "BancoTeste.h"
#include "Caminhos.h"
#include "ConexaoBanco.h"
#include "ConexaoImportador.h"
#include "VisaoGravadora.h"
#include "uFuncoesUteis.h"

#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

namespace {
int portaLivre() {
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort(); // closed again when s goes away: nothing listens there
}
} // namespace

// The importer's start-up connection against the real server.
class TstConexao : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;
    const QString banco = QStringLiteral("tst_conexao_importador");
    const QString bancoSemNfce = QStringLiteral("tst_conexao_importador_sem_nfce");
    const QString bancoSemEmitente = QStringLiteral("tst_conexao_importador_sem_emitente");

    void escreveIni(const QString& texto) {
        QFile f(pasta.filePath(QStringLiteral("arquivo.ini")));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(texto.toUtf8());
    }

    QString iniPara(const QString& nome, const QString& senha, const QString& porta,
                    const QString& login = QStringLiteral("postgres")) {
        const TServidorTeste s = TServidorTeste::DoAmbiente();
        return QStringLiteral("[bd]\nhost=%1\nnome=%2\n[dadosbanco]\nlogin=%3\nsenha=%4\n"
                              "porta=%5\n")
            .arg(s.Host, nome, login, senha, porta);
    }

    QString porta() { return QString::number(TServidorTeste::DoAmbiente().Porta); }
    QString senha() { return TServidorTeste::DoAmbiente().Senha; }

    QStringList funcoesNoLog() {
        QFile f(CaminhoArquivoLog());
        QStringList funcoes;
        if (f.open(QIODevice::ReadOnly))
            for (const QString& linha : QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n")))
                if (linha.startsWith(QStringLiteral("Função      : ")))
                    funcoes << linha.mid(14);
        return funcoes;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(pasta.isValid());
        DefineCaminhoExecutavel(pasta.filePath(QStringLiteral("VareloImportadorAPI")));
        QCOMPARE(CriaBancoTeste(banco, {QStringLiteral("demo.sql")}), QString());
        QCOMPARE(CriaBancoTeste(bancoSemNfce, {QStringLiteral("demo.sql")}), QString());
        QCOMPARE(ExecutaSqlTeste(bancoSemNfce, QStringLiteral("drop table configuracaonfce")),
                 QString());
        QCOMPARE(CriaBancoTeste(bancoSemEmitente), QString());
    }

    void init() { QFile::remove(CaminhoArquivoLog()); }

    void conectaEMostraOEmitente() {
        escreveIni(iniPara(banco, senha(), porta()));
        TApresentadorGravador apresentador;
        TVisaoGravadora visao;
        QVERIFY(importador::ConectarBanco(visao));
        QCOMPARE(visao.Razao,
                 ConsultaTeste(banco, QStringLiteral("select razaosocial from emitente limit 1"))
                     .toString());
        QCOMPARE(visao.Cnpj,
                 ConsultaTeste(banco, QStringLiteral("select cnpjcpf from emitente limit 1"))
                     .toString());
        QVERIFY(!visao.Razao.isEmpty());
        QVERIFY(apresentador.Alertas.isEmpty());
        QCOMPARE(apresentador.Carregando,
                 (QStringList{"abre", "Conectando ao banco de dados...", "fecha"}));
        QVERIFY(funcoesNoLog().isEmpty());

        // Shown again from the tray: the file is read again and both connections are remade.
        QVERIFY(importador::ConectarBanco(visao));
        QCOMPARE(visao.Chamadas, 2);
    }

    void falhas_data() {
        QTest::addColumn<QString>("ini");
        const QString p = porta();
        QTest::newRow("senha errada") << iniPara(banco, QStringLiteral("errada"), p);
        QTest::newRow("porta abc") << iniPara(banco, senha(), QStringLiteral("abc"));
        QTest::newRow("servidor inalcançável") << iniPara(banco, senha(), QString::number(portaLivre()));
        QTest::newRow("banco inexistente") << iniPara(QStringLiteral("nao_existe"), senha(), p);
    }

    void falhas() {
        QFETCH(QString, ini);
        escreveIni(ini);
        TApresentadorGravador apresentador;
        TVisaoGravadora visao;
        QVERIFY(!importador::ConectarBanco(visao));
        QCOMPARE(funcoesNoLog(), QStringList{QStringLiteral("ConectarBanco")});
        QCOMPARE(apresentador.Textos(), QStringList{MensagemFalhaConexao});
        QCOMPARE(apresentador.Carregando.last(), QStringLiteral("fecha"));
        QCOMPARE(visao.Chamadas, 0);
    }

    // The second connection fails alone: its raw error is shown and start-up goes on.
    void semConfiguracaoNfce() {
        escreveIni(iniPara(bancoSemNfce, senha(), porta()));
        TApresentadorGravador apresentador;
        TVisaoGravadora visao;
        QVERIFY(importador::ConectarBanco(visao));
        QCOMPARE(funcoesNoLog(), QStringList{QStringLiteral("AtivarDB")});
        QCOMPARE(apresentador.Alertas.size(), 1);
        QVERIFY(apresentador.Alertas.first().Texto.contains(QStringLiteral("configuracaonfce")));
        QVERIFY(!visao.Razao.isEmpty());
    }

    // A configured login other than "postgres": the second connection keeps "postgres" with the
    // configured password and is refused, while the main one works.
    void loginProprioRecusadoNaSegundaConexao() {
        QCOMPARE(ExecutaSqlTeste(banco, QStringLiteral(
                                            "do $$ begin if not exists (select from pg_roles where "
                                            "rolname = 'vendas') then create role vendas login "
                                            "password 'outra-senha'; end if; end $$; "
                                            "grant select on all tables in schema public to vendas")),
                 QString());
        escreveIni(iniPara(banco, QStringLiteral("outra-senha"), porta(), QStringLiteral("vendas")));
        TApresentadorGravador apresentador;
        TVisaoGravadora visao;
        QVERIFY(importador::ConectarBanco(visao));
        QCOMPARE(funcoesNoLog(), QStringList{QStringLiteral("AtivarDB")});
        QCOMPARE(apresentador.Alertas.size(), 1);
        QVERIFY(!visao.Razao.isEmpty());
    }

    void emitenteVazio() {
        escreveIni(iniPara(bancoSemEmitente, senha(), porta()));
        TApresentadorGravador apresentador;
        TVisaoGravadora visao;
        QVERIFY(importador::ConectarBanco(visao));
        QCOMPARE(visao.Chamadas, 1);
        QVERIFY(visao.Razao.isEmpty());
        QVERIFY(visao.Cnpj.isEmpty());
        QVERIFY(apresentador.Alertas.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstConexao)
#include "tst_conexao.moc"
