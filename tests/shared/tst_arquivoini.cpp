#include "ArquivoIni.h"
#include "Caminhos.h"

#include <QTemporaryDir>
#include <QtTest>

// Reading arquivo.ini the way the programs have always read it.
class TstArquivoIni : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;

    void escreve(const QByteArray& texto) {
        QFile f(pasta.filePath(QStringLiteral("arquivo.ini")));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(texto);
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(pasta.isValid());
        DefineCaminhoExecutavel(pasta.filePath(QStringLiteral("VareloImportadorAPI")));
    }

    void valores_data() {
        QTest::addColumn<QByteArray>("texto");
        QTest::addColumn<QStringList>("esperado"); // host, senha, login, porta, nome

        const QStringList padrao{QStringLiteral("127.0.0.1"), QStringLiteral("X83PLUMAGE47"),
                                 QStringLiteral("postgres"), QStringLiteral("5432"),
                                 QStringLiteral("varelo")};
        QTest::newRow("sem arquivo") << QByteArray() << padrao;
        QTest::newRow("completo")
            << QByteArray("[BD]\r\nHOST=servidor\r\nNome=loja\r\n[DadosBanco]\r\nSenha=s3nha\r\n"
                          "login=ana\r\nporta=6543\r\n")
            << QStringList{"servidor", "s3nha", "ana", "6543", "loja"};
        QTest::newRow("chave na seção errada")
            << QByteArray("[dadosbanco]\nhost=outro\n[bd]\nnome=loja\n")
            << QStringList{"127.0.0.1", "X83PLUMAGE47", "postgres", "5432", "loja"};
        QTest::newRow("valor vazio não usa o padrão")
            << QByteArray("[dadosbanco]\nsenha=\n")
            << QStringList{"127.0.0.1", "", "postgres", "5432", "varelo"};
        QTest::newRow("brancos em volta e '=' no valor")
            << QByteArray("[ bd ]\n  host =  10.0.0.5  \n[dadosbanco]\nsenha= a=b=c \n")
            << QStringList{"10.0.0.5", "a=b=c", "postgres", "5432", "varelo"};
        QTest::newRow("porta inválida é lida como texto")
            << QByteArray("[dadosbanco]\nporta=abc\n")
            << QStringList{"127.0.0.1", "X83PLUMAGE47", "postgres", "abc", "varelo"};
    }

    void valores() {
        QFETCH(QByteArray, texto);
        QFETCH(QStringList, esperado);
        QFile::remove(pasta.filePath(QStringLiteral("arquivo.ini")));
        if (!texto.isEmpty())
            escreve(texto);
        const TConfiguracaoIni c = TConfiguracaoIni::Le();
        QCOMPARE((QStringList{c.Host, c.Senha, c.Login, c.Porta, c.Nome}), esperado);
    }

    void chavesAcrescentadas() {
        escreve("[api]\nurl=https://127.0.0.1:8443\ncertificado=/tmp/ca.pem\n"
                "[imagens]\npasta=/srv/fotos/\n");
        const TConfiguracaoIni c = TConfiguracaoIni::Le();
        QCOMPARE(c.ApiUrl, QStringLiteral("https://127.0.0.1:8443"));
        QCOMPARE(c.ApiCertificado, QStringLiteral("/tmp/ca.pem"));
        QCOMPARE(c.PastaImagens, QStringLiteral("/srv/fotos/"));

        QFile::remove(pasta.filePath(QStringLiteral("arquivo.ini")));
        const TConfiguracaoIni padrao = TConfiguracaoIni::Le();
        QCOMPARE(padrao.ApiUrl, UrlApiPadrao);
        QVERIFY(padrao.ApiCertificado.isEmpty());
        QVERIFY(padrao.PastaImagens.endsWith(QStringLiteral("varelo/IMAGENS/PRODUTOS/")));
    }

    void valorLongoCortado() {
        escreve("[bd]\nhost=" + QByteArray(3000, 'h') + "\n");
        QCOMPARE(TConfiguracaoIni::Le().Host.size(), 2047);
    }
};

QTEST_GUILESS_MAIN(TstArquivoIni)
#include "tst_arquivoini.moc"
