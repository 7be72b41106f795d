// Copying objects into table rows by column name, and the importer's data module queries,
// against the real database.
#include "ApresentadorGravador.h"
#include "BancoTeste.h"
#include "Caminhos.h"
#include "ConexaoImportador.h"
#include "PedidosTeste.h"
#include "PreencheCampos.h"
#include "UDM1.h"
#include "VisaoGravadora.h"

#include <QTemporaryDir>
#include <QtTest>

using importador::DM1;
using importador::PreencheCampos;

namespace {
// An object whose properties are named at run time, to reach every case of the copy.
class TCopia : public TJsonDTO {
public:
    TCopia() : TCopia("CnpjcpfEmitente") {}
    explicit TCopia(const char* nomeCnpj) {
        TConstrutorDescritor<TCopia> c("TCopia", true);
        c.Texto(nomeCnpj, &TCopia::Cnpj, nullptr)
            .Texto("Codigo", &TCopia::Codigo, nullptr)
            .Texto("NOME", &TCopia::Nome, nullptr)
            .Real("Valor", &TCopia::Valor, nullptr)
            .Booleano("Ativo", &TCopia::Ativo, nullptr)
            .DataHora("Quando", &TCopia::Quando, nullptr, true)
            .DataHora("Hora", &TCopia::Hora, nullptr, true)
            .Inteiro("SemColuna", &TCopia::SemColuna, nullptr)
            .Lista<TParcela, &TCopia::Parcelas>("Parcelas", "parcelas");
        FD = c.Fim();
    }
    const TDescritor& Descritor() const override { return FD; }

    QString Cnpj;
    QString Codigo;
    QString Nome;
    double Valor = 0;
    bool Ativo = false;
    TDateTime Quando = 0;
    TDateTime Hora = 0;
    qint32 SemColuna = 0;
    TLista<TParcela> Parcelas;

private:
    TDescritor FD;
};
} // namespace

class TstPreencheCampos : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;
    const QString banco = QStringLiteral("tst_preenchecampos_importador");
    TApresentadorGravador apresentador;

    QVariant consulta(const QString& sql) { return ConsultaTeste(banco, sql); }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(pasta.isValid());
        DefineCaminhoExecutavel(pasta.filePath(QStringLiteral("VareloImportadorAPI")));
        QCOMPARE(CriaBancoTeste(banco, {QStringLiteral("demo.sql")}), QString());
        QCOMPARE(ExecutaSqlTeste(banco, "create table copia (id serial primary key,"
                                        " cnpjcpf_emitente varchar(18), codigo integer,"
                                        " nome varchar(5), valor double precision, ativo boolean,"
                                        " quando date, hora time, padrao integer default 42,"
                                        " parcelas integer default 7)"),
                 QString());
        EscreveArquivoIni(pasta.path(), banco);
        TVisaoGravadora visao;
        QVERIFY(importador::ConectarBanco(visao));
    }
    void cleanupTestCase() { importador::LiberaDM(); }

    // codigo: the text offered to an integer column; null when it cannot be taken.
    void nomesEConversoes_data() {
        QTest::addColumn<QByteArray>("nomeCnpj");
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<QVariant>("esperado");
        QTest::newRow("CnpjcpfEmitente") << QByteArray("CnpjcpfEmitente") << "12" << QVariant(12);
        QTest::newRow("CNPJCPFEMITENTE") << QByteArray("CNPJCPFEMITENTE") << " 7 " << QVariant(7);
        QTest::newRow("cnpjcpfemitente, letras num inteiro")
            << QByteArray("cnpjcpfemitente") << "abc" << QVariant();
    }
    void nomesEConversoes() {
        QFETCH(QByteArray, nomeCnpj);
        QFETCH(QString, codigo);
        QFETCH(QVariant, esperado);
        TCopia objeto(nomeCnpj.constData());
        objeto.Cnpj = QStringLiteral("12.345.678/0001-90");
        objeto.Codigo = codigo;
        objeto.Nome = QStringLiteral("ÇãoÊx!extra");
        objeto.Valor = 1234.5678;
        objeto.Ativo = true;
        objeto.Quando = pedidosteste::Data(2026, 12, 31);
        objeto.Hora = pedidosteste::Hora(23, 59, 58);
        objeto.SemColuna = 99;
        objeto.Parcelas.Novo();

        TDataset q(DM1()->ZConnection1, QStringLiteral("select * from copia where id = 0"));
        q.CachedUpdates = true;
        q.Open();
        q.Insert();
        PreencheCampos(q, objeto);
        q.ApplyUpdates();
        const QString id = q.FieldByName("id").toString();
        const QString linha = "select %1 from copia where id = " + id;
        QCOMPARE(consulta(linha.arg("cnpjcpf_emitente")).toString(), objeto.Cnpj);
        const QVariant lido = consulta(linha.arg("codigo"));
        if (esperado.isValid())
            QCOMPARE(lido.toInt(), esperado.toInt());
        else
            QVERIFY(lido.isNull());
        QCOMPARE(consulta(linha.arg("nome")).toString(), QStringLiteral("ÇãoÊx"));
        QCOMPARE(consulta(linha.arg("valor")).toDouble(), 1234.5678);
        QCOMPARE(consulta(linha.arg("ativo")).toBool(), true);
        QCOMPARE(consulta(linha.arg("quando")).toDate(), QDate(2026, 12, 31));
        QCOMPARE(consulta(linha.arg("hora")).toTime(), QTime(23, 59, 58));
        // A column without a property, and one named like a list, keep their defaults.
        QCOMPARE(consulta(linha.arg("padrao")).toInt(), 42);
        QCOMPARE(consulta(linha.arg("parcelas")).toInt(), 7);
    }

    // The order's own copy: width cut, an empty date as the zero date, the key overwritten
    // by the object's until the caller puts its own back.
    void pedidoNaLinhaDoPedido() {
        auto pedido = pedidosteste::PedidoCompleto();
        pedido->Observacao = QString(999, QLatin1Char('a')) + QStringLiteral("ção");
        pedido->Dataentrega = 0;
        pedido->Codpedidovenda = 777;
        TDataset& tab = DM1()->TabPedido;
        tab.Close();
        tab.Open();
        tab.Insert();
        const int numero = tab.FieldByName("codpedidovenda").toInt();
        QVERIFY(numero > 3);
        PreencheCampos(tab, *pedido);
        QCOMPARE(tab.FieldByName("codpedidovenda").toInt(), 777);
        tab.SetCampo("codpedidovenda", numero);
        tab.SetCampo("codcliente", 1);
        tab.ApplyUpdates();
        const QString linha =
            "select %1 from pedidovenda where codpedidovenda = " + QString::number(numero);
        QCOMPARE(consulta(linha.arg("observacao")).toString(),
                 QString(999, QLatin1Char('a')) + QStringLiteral("ç"));
        QCOMPARE(consulta(linha.arg("dataentrega")).toDate(), QDate(1899, 12, 30));
        QCOMPARE(consulta(linha.arg("datapedido")).toDate(), QDate(2026, 12, 10));
        QCOMPARE(consulta(linha.arg("horapedido")).toTime(), QTime(14, 35, 12));
        QCOMPARE(consulta(linha.arg("tipo")).toString(), QStringLiteral("P"));
        QCOMPARE(consulta(linha.arg("status")).toString(), QStringLiteral("X "));
        QCOMPARE(consulta(linha.arg("stpedido")).toBool(), true);
    }

    void consultasDoModulo() {
        importador::TDM1& dm = *DM1();
        // A client code that matches no row reads 0.
        dm.TabCliente.Close();
        dm.TabCliente.SetCondicao("codcliente = :c", {{"c", 4242}});
        dm.TabCliente.Open();
        QCOMPARE(dm.TabCliente.FieldByName("codcliente").toInt(), 0);
        dm.TabCliente.Close();

        // Lines inserted with keys of their own put the sequence behind: the statement moves
        // it past them, and each apply inserts only the line started since the one before.
        QCOMPARE(ExecutaSqlTeste(banco, "insert into produtopedidovenda (codprodutopedidovenda,"
                                        " codpedidovenda, codproduto) values (5000, 1, 1)"),
                 QString());
        dm.ExecutaSQL(dm.QAtualizaSequencia);
        TDataset& itens = dm.TabProdutoPedido;
        itens.Close();
        itens.Open();
        const int antes = consulta("select count(*) from produtopedidovenda").toInt();
        for (int produto : {2, 3}) {
            itens.Insert();
            itens.SetCampo("codpedidovenda", 1);
            itens.SetCampo("codproduto", produto);
            itens.ApplyUpdates();
            QCOMPARE(itens.FieldByName("codprodutopedidovenda").toInt(), 5000 + produto - 1);
            QCOMPARE(consulta("select count(*) from produtopedidovenda").toInt(),
                     antes + produto - 1);
        }
    }
};

QTEST_GUILESS_MAIN(TstPreencheCampos)
#include "tst_preenchecampos.moc"
