// Finding or creating an order's client against the real database and the reference service:
// by code, by document, created; the report to the service and its failures; a refused insert.
#include "ApiImportador.h"
#include "ApresentadorGravador.h"
#include "BancoTeste.h"
#include "Caminhos.h"
#include "ConexaoImportador.h"
#include "Erro.h"
#include "LogTeste.h"
#include "PedidosTeste.h"
#include "ServicoTeste.h"
#include "UDM1.h"
#include "uFuncoesImportador.h"
#include "VisaoGravadora.h"

#include <QTemporaryDir>
#include <QtTest>

using importador::GetCodCliente;

class TstClientes : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;
    const QString banco = QStringLiteral("tst_clientes_importador");
    TServicoTeste FServico;
    TApresentadorGravador apresentador;

    QVariant consulta(const QString& sql) { return ConsultaTeste(banco, sql); }
    int clientes() { return consulta("select count(*) from cliente").toInt(); }

    // A client the service holds for the demo emitter (its id), as an order would bring it.
    std::unique_ptr<TCliente> clienteDaNuvem(const QString& documento, int codcliente) {
        auto pedido = pedidosteste::PedidoCompleto(pedidosteste::ClienteNovo(documento));
        const QJsonObject r =
            FServico.EnfileiraPedidos(pedidosteste::Emitente, pedido->AsJsonUtf8());
        auto c = pedidosteste::ClienteNovo(documento);
        c->ID = r.value("pedidos").toArray().at(0).toObject().value("idcliente").toInt();
        c->Codcliente = codcliente;
        return c;
    }

    QJsonArray relatos() { return FServico.Requisicoes(0, QStringLiteral("/atualizacodcliente")); }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(pasta.isValid());
        DefineCaminhoExecutavel(pasta.filePath(QStringLiteral("VareloImportadorAPI")));
        QCOMPARE(CriaBancoTeste(banco, {QStringLiteral("demo.sql")}), QString());
        // A client without a document, which an empty document must not find.
        QCOMPARE(ExecutaSqlTeste(banco, "insert into cliente (razaosocialnome, cnpjcpf) values"
                                        " ('Consumidor sem documento', '')"),
                 QString());
        EscreveArquivoIni(pasta.path(), banco);
        TVisaoGravadora visao;
        QVERIFY(importador::ConectarBanco(visao));
        const QString erro = FServico.Inicia();
        QVERIFY2(erro.isEmpty(), qPrintable(erro));
    }
    void cleanupTestCase() { importador::LiberaDM(); }
    void init() {
        FServico.Limpa();
        logteste::Limpa();
        apresentador.Limpa();
    }

    // esperado: the local code returned, 0 for a client created now. falha: what the service
    // does with the report ("" answers, "recusa" 404 three times, "fechar" no answer).
    void resolucao_data() {
        QTest::addColumn<int>("codcliente");
        QTest::addColumn<QString>("documento");
        QTest::addColumn<QString>("falha");
        QTest::addColumn<int>("esperado");
        QTest::addColumn<bool>("reporta");
        QTest::addColumn<QString>("erroNoLog");
        // The local row wins over what the object says: no report, nothing written.
        QTest::newRow("pelo código") << 5 << "999.999.999-99"
                                     << "" << 5 << false << "";
        QTest::newRow("pelo documento") << 0 << "40.521.789/0001-40"
                                        << "" << 2 << true << "";
        QTest::newRow("código apagado, pelo documento") << 4242 << "528.173.946-82"
                                                        << "" << 4 << true << "";
        QTest::newRow("documento escrito de outro jeito") << 0 << "40521789000140"
                                                          << "" << 0 << true << "";
        QTest::newRow("novo") << 0 << "111.444.777-35"
                              << "" << 0 << true << "";
        QTest::newRow("documento com aspa") << 0 << "12'3 or ''='"
                                            << "" << 0 << true << "";
        QTest::newRow("documento vazio") << 0 << ""
                                         << "" << 0 << true << "";
        QTest::newRow("documento em branco") << 0 << "   "
                                             << "" << 0 << true << "";
        QTest::newRow("relato recusado") << 0 << "18.362.057/0001-04"
                                         << "recusa" << 1 << true << "resposta recusada";
        QTest::newRow("relato sem conexão")
            << 0 << "18.362.057/0001-04"
            << "fechar" << 1 << true << importador::MensagemSemConexao;
        QTest::newRow("novo, relato recusado") << 0 << "222.333.444-05"
                                               << "recusa" << 0 << true << "resposta recusada";
    }
    void resolucao() {
        QFETCH(int, codcliente);
        QFETCH(QString, documento);
        QFETCH(QString, falha);
        QFETCH(int, esperado);
        QFETCH(bool, reporta);
        QFETCH(QString, erroNoLog);
        const auto cliente = clienteDaNuvem(documento, codcliente);
        if (falha == QLatin1String("recusa"))
            FServico.ProgramaFalha({{"caminho", "/atualizacodcliente"},
                                    {"tipo", "status"},
                                    {"status", 404},
                                    {"vezes", 3},
                                    {"corpo", "resposta recusada"}});
        else if (falha == QLatin1String("fechar"))
            FServico.ProgramaFalha({{"caminho", "/atualizacodcliente"}, {"tipo", "fechar"}});
        const int antes = clientes();

        const int codigo = GetCodCliente(*cliente, FServico.Cliente());

        if (esperado > 0) {
            QCOMPARE(codigo, esperado);
            QCOMPARE(clientes(), antes);
        } else {
            QCOMPARE(clientes(), antes + 1);
            QCOMPARE(consulta("select max(codcliente) from cliente").toInt(), codigo);
            QCOMPARE(
                consulta(
                    QStringLiteral("select cnpjcpf from cliente where codcliente = %1").arg(codigo))
                    .toString(),
                documento);
        }
        const QJsonArray r = relatos();
        QCOMPARE(r.size(), !reporta ? 0 : falha == QLatin1String("recusa") ? 3 : 1);
        if (reporta)
            QCOMPARE(r.at(0).toObject().value("corpo").toString(),
                     QStringLiteral("{\"cnpjcpf_emitente\":\"34.719.526\\/0001-48\","
                                    "\"codcliente\":%1,\"id\":%2}")
                         .arg(codigo)
                         .arg(cliente->ID));
        if (reporta && falha.isEmpty()) {
            // The service now knows the local code of its client.
            const QJsonArray nuvem =
                FServico.AdminJson("/dev/clientes?emitente=34.719.526%2F0001-48").array();
            bool achou = false;
            for (const QJsonValue& c : nuvem)
                if (c.toObject().value("id").toInt() == cliente->ID)
                    achou = c.toObject().value("codcliente").toInt() == codigo;
            QVERIFY(achou);
        }
        if (erroNoLog.isEmpty()) {
            QCOMPARE(logteste::Descritas(), QStringList());
            QCOMPARE(apresentador.Textos(), QStringList());
        } else {
            QCOMPARE(logteste::Descritas(),
                     QStringList{"GetCodCliente : " + cliente->AsJson() + " => " + erroNoLog});
            QCOMPARE(apresentador.Textos(), QStringList{erroNoLog});
        }
    }

    // A created client carries every column the object has, cut to the column's width.
    void clienteNovoColunaAColuna() {
        auto cliente = clienteDaNuvem("987.654.321-00", 0);
        cliente->Razaosocialnome =
            QString(60, QLatin1Char('x')) + QStringLiteral("ÁÉÍÓÚ ficou de fora");
        const int codigo = GetCodCliente(*cliente, FServico.Cliente());
        const QString sql =
            QStringLiteral("select razaosocialnome, nomefantasia, cnpjcpf, inscricaoestadualrg,"
                           " inscricaomunicipal, contato, cep, logradouro, numero, complemento,"
                           " bairro, codcidade, telefone, fax, celular, email, codvendedor,"
                           " tipopreco, acrescimoindividual, inativo, exibirnodispositivo,"
                           " pedidocomst, datacadastro = current_date from cliente where"
                           " codcliente = %1")
                .arg(codigo);
        QSqlDatabase db = importador::DM1()->ZConnection1.Banco();
        QSqlQuery q(db);
        QVERIFY(q.exec(sql) && q.next());
        const QVariantList esperado{QString(60, QLatin1Char('x')) + QStringLiteral("ÁÉÍÓÚ"),
                                    "Quitanda do João",
                                    "987.654.321-00",
                                    "10.999.888-7",
                                    "55123",
                                    "João Araújo",
                                    "74000-100",
                                    "Rua 4",
                                    "88",
                                    "Fundos",
                                    "Setor Oeste",
                                    1,
                                    "(62)3222-1100",
                                    "(62)3222-1101",
                                    "(62)99999-0001",
                                    "joao@quitanda.example.com",
                                    2,
                                    "VAREJO",
                                    1.25,
                                    false,
                                    true,
                                    true,
                                    true};
        for (int i = 0; i < esperado.size(); ++i)
            QCOMPARE(q.value(i).toString(), esperado[i].toString());
    }

    // A new client the database refuses is logged and shown, nothing is reported, and the
    // caller learns of it: the order cannot go on without a client row.
    void insercaoRecusada() {
        QCOMPARE(ExecutaSqlTeste(banco, "alter table cliente add constraint sem_recusado"
                                        " check (razaosocialnome <> 'RECUSADO')"),
                 QString());
        auto cliente = clienteDaNuvem("555.666.777-88", 0);
        cliente->Razaosocialnome = QStringLiteral("RECUSADO");
        const int antes = clientes();
        QString erro;
        try {
            GetCodCliente(*cliente, FServico.Cliente());
        } catch (const EErro& e) {
            erro = e.Mensagem();
        }
        QCOMPARE(ExecutaSqlTeste(banco, "alter table cliente drop constraint sem_recusado"),
                 QString());
        QVERIFY2(erro.contains(QStringLiteral("sem_recusado")), qPrintable(erro));
        QCOMPARE(clientes(), antes);
        QCOMPARE(relatos().size(), 0);
        QCOMPARE(logteste::Descritas(),
                 QStringList{"GetCodCliente : " + cliente->AsJson() + " => " + erro});
        QCOMPARE(apresentador.Textos(), QStringList{erro});

        // The data module is left ready for the next client.
        cliente->Razaosocialnome = QStringLiteral("Aceito");
        QVERIFY(GetCodCliente(*cliente, FServico.Cliente()) > antes);
    }

    // A lookup that fails is the database's error and reaches the caller untouched.
    void consultaFalhando() {
        QCOMPARE(ExecutaSqlTeste(banco, "alter table cliente rename column cnpjcpf to documento"),
                 QString());
        const auto cliente = clienteDaNuvem("111.222.333-96", 0);
        QVERIFY_THROWS_EXCEPTION(EErro, GetCodCliente(*cliente, FServico.Cliente()));
        QCOMPARE(ExecutaSqlTeste(banco, "alter table cliente rename column documento to cnpjcpf"),
                 QString());
        QCOMPARE(logteste::Descritas(), QStringList());
        QCOMPARE(relatos().size(), 0);
    }
};

QTEST_GUILESS_MAIN(TstClientes)
#include "tst_clientes.moc"
