// The importer's three service calls against the real reference service: bodies and headers
// as sent, the repeats while the status is not 200, which failures raise and with what text,
// and the order list as read.
#include "ApiImportador.h"
#include "Erro.h"
#include "PedidosTeste.h"
#include "ServicoTeste.h"

#include <QtTest>

using namespace importador;

namespace {
// What one call gave back.
struct TResultado {
    std::unique_ptr<TRetorno> Retorno;
    std::unique_ptr<TListaPedido> Lista;
    QString Erro; // empty when the call returned
};

TResultado chama(const QString& funcao, const TClienteHttp& http, const QString& token,
                 int idnuvem = 0, int idcliente = 0) {
    TResultado r;
    try {
        if (funcao == QLatin1String("getpedidos")) {
            TAttRequest req;
            req.CnpjcpfEmitente = token;
            ApiGetPedidos(http, req, r.Retorno, r.Lista);
        } else if (funcao == QLatin1String("atualizacodcliente")) {
            TAtualizaCliente c;
            c.CnpjcpfEmitente = token;
            c.Codcliente = 31;
            c.Id = idcliente;
            ApiAtualizaCodCliente(http, c, r.Retorno);
        } else {
            TAtualizaCodpedido p;
            p.CnpjcpfEmitente = token;
            p.CodPedido = 512;
            p.IdNuvem = idnuvem;
            ApiAtualizaCodPedido(http, p, r.Retorno);
        }
    } catch (const EErro& e) {
        r.Erro = e.Mensagem();
    }
    return r;
}

QString cabecalho(const QJsonObject& req, const QString& nome, bool* existe = nullptr) {
    for (const QJsonValue& c : req.value(QStringLiteral("cabecalhos")).toArray()) {
        const QJsonArray par = c.toArray();
        if (par.at(0).toString().compare(nome, Qt::CaseInsensitive) == 0) {
            if (existe)
                *existe = true;
            return par.at(1).toString();
        }
    }
    if (existe)
        *existe = false;
    return {};
}
} // namespace

class TstApi : public QObject {
    Q_OBJECT

    TServicoTeste FServico{false};
    TServicoTeste FServicoHttps{true};

    // Scripts one answer per entry: a status with "resposta N" as its body, "fechar" (the
    // connection closed without an answer), "naojson" or a 200 body given after "texto:".
    void programa(const QStringList& roteiro) {
        for (int i = 0; i < roteiro.size(); ++i) {
            const QString& passo = roteiro[i];
            QJsonObject f{{"caminho", "*"}, {"vezes", 1}};
            if (passo == QLatin1String("fechar") || passo == QLatin1String("naojson")) {
                f.insert("tipo", passo);
            } else if (passo.startsWith(QLatin1String("texto:"))) {
                f.insert("tipo", "texto");
                f.insert("corpo", passo.mid(6));
            } else {
                f.insert("tipo", "status");
                f.insert("status", passo.toInt());
                f.insert("corpo", QStringLiteral("resposta %1").arg(i + 1));
            }
            FServico.ProgramaFalha(f);
        }
    }

private Q_SLOTS:
    void initTestCase() {
        QString erro = FServico.Inicia();
        QVERIFY2(erro.isEmpty(), qPrintable(erro));
        erro = FServicoHttps.Inicia();
        QVERIFY2(erro.isEmpty(), qPrintable(erro));
    }
    void init() {
        FServico.Limpa();
        FServicoHttps.Limpa();
    }

    // The bodies are the objects' wire text; the token goes unchanged into "Authorization" and
    // escaped as JSON text into the body.
    void corposECabecalhos_data() {
        QTest::addColumn<QString>("funcao");
        QTest::addColumn<QString>("token");
        QTest::addColumn<QString>("corpo");
        const QString e = pedidosteste::Emitente;
        QTest::newRow("getpedidos")
            << "getpedidos" << e
            << "{\"cnpjcpf_emitente\":\"34.719.526\\/0001-48\",\"last_page\":0,\"page\":0,"
               "\"total\":0,\"versao\":0}";
        QTest::newRow("atualizacodcliente") << "atualizacodcliente" << e
                                            << "{\"cnpjcpf_emitente\":\"34.719.526\\/"
                                               "0001-48\",\"codcliente\":31,\"id\":{idcliente}}";
        QTest::newRow("atualizacodpedido") << "atualizacodpedido" << e
                                           << "{\"codpedido\":512,\"idnuvem\":{idnuvem},\"cnpjcpf_"
                                              "emitente\":\"34.719.526\\/0001-48\"}";
        QTest::newRow("token com aspas")
            << "getpedidos"
            << "12\"3\\4"
            << "{\"cnpjcpf_emitente\":\"12\\\"3\\\\4\",\"last_page\":0,\"page\":0,\"total\":0,"
               "\"versao\":0}";
    }
    void corposECabecalhos() {
        QFETCH(QString, funcao);
        QFETCH(QString, token);
        QFETCH(QString, corpo);
        const QJsonObject fila =
            FServico.EnfileiraPedidos(token, pedidosteste::PedidoCompleto()->AsJsonUtf8());
        const QJsonObject criado = fila.value("pedidos").toArray().at(0).toObject();
        const int idnuvem = criado.value("idnuvem").toInt();
        const int idcliente = criado.value("idcliente").toInt();
        QVERIFY(idnuvem > 0 && idcliente > 0);

        const TResultado r = chama(funcao, FServico.Cliente(), token, idnuvem, idcliente);
        QCOMPARE(r.Erro, QString());
        QCOMPARE(r.Retorno->StatusCode, 200);
        const QJsonArray reqs = FServico.Requisicoes();
        QCOMPARE(reqs.size(), 1);
        const QJsonObject req = reqs.at(0).toObject();
        QCOMPARE(req.value("caminho").toString(), "/" + funcao);
        corpo.replace("{idnuvem}", QString::number(idnuvem))
            .replace("{idcliente}", QString::number(idcliente));
        QCOMPARE(req.value("corpo").toString(), corpo);
        QCOMPARE(cabecalho(req, "Authorization"), token);
        QCOMPARE(cabecalho(req, "Accept"), QStringLiteral("application/json"));
        QCOMPARE(cabecalho(req, "Content-Type"), QStringLiteral("application/json"));
        // The answer's body is kept as it came, unparsed.
        QVERIFY(r.Retorno->Mensagem.startsWith(QLatin1Char('{')));
    }

    // An emitter without a document: no "Authorization" header, an empty text in the body.
    void semToken() {
        const TResultado r = chama("getpedidos", FServico.Cliente(), QString());
        QCOMPARE(r.Erro, QString());
        QCOMPARE(r.Retorno->StatusCode, 401);
        const QJsonArray reqs = FServico.Requisicoes();
        QCOMPARE(reqs.size(), 3);
        for (const QJsonValue& v : reqs) {
            bool existe = true;
            cabecalho(v.toObject(), "Authorization", &existe);
            QVERIFY(!existe);
            QVERIFY(
                v.toObject().value("corpo").toString().startsWith("{\"cnpjcpf_emitente\":\"\","));
        }
    }

    // roteiro: the scripted answers, in order. status -1: the call raised `erro`.
    void repeticoes_data() {
        QTest::addColumn<QString>("funcao");
        QTest::addColumn<QStringList>("roteiro");
        QTest::addColumn<int>("requisicoes");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<QString>("erro");
        const QString semConexao = MensagemSemConexao;
        for (const char* f : {"getpedidos", "atualizacodcliente", "atualizacodpedido"}) {
            const QString n = QString::fromLatin1(f) + QLatin1Char(' ');
            const bool pedido = qstrcmp(f, "atualizacodpedido") == 0;
            QTest::newRow(qPrintable(n + "200 de primeira"))
                << f << QStringList{"texto:{\"ok\":1}"} << 1 << 200 << "{\"ok\":1}"
                << "";
            QTest::newRow(qPrintable(n + "503 503 200"))
                << f << QStringList{"503", "503", "texto:{\"ok\":3}"} << 3 << 200 << "{\"ok\":3}"
                << "";
            QTest::newRow(qPrintable(n + "404 três vezes"))
                << f << QStringList{"404", "404", "404"} << 3 << 404 << "resposta 3"
                << "";
            QTest::newRow(qPrintable(n + "201 não é sucesso"))
                << f << QStringList{"201", "201", "201"} << 3 << 201 << "resposta 3"
                << "";
            // Only the order confirmation raises on a server error, and only at the third
            // attempt; the caller still holds the second answer.
            QTest::newRow(qPrintable(n + "503 três vezes"))
                << f << QStringList{"503", "503", "503"} << 3 << 503
                << (pedido ? "resposta 2" : "resposta 3")
                << (pedido ? "Erro no servidor (HTTP 503): resposta 3" : "");
            QTest::newRow(qPrintable(n + "500 depois de 404"))
                << f << QStringList{"404", "404", "500"} << 3 << (pedido ? 404 : 500)
                << (pedido ? "resposta 2" : "resposta 3")
                << (pedido ? "Erro no servidor (HTTP 500): resposta 3" : "");
            // A transport failure stops the repeats at once.
            QTest::newRow(qPrintable(n + "conexão fechada"))
                << f << QStringList{"fechar"} << 1 << -1 << ""
                << (pedido ? "*/api/ordix/atualizacodpedido" : semConexao);
            QTest::newRow(qPrintable(n + "404 e conexão fechada"))
                << f << QStringList{"404", "fechar"} << 2 << 404 << "resposta 1"
                << (pedido ? "*/api/ordix/atualizacodpedido" : semConexao);
        }
        // The order list: a body that is not JSON is an empty list; JSON that is no object,
        // array or null, or a member that does not convert, cannot be read.
        QTest::newRow("getpedidos corpo que não é JSON")
            << "getpedidos" << QStringList{"naojson"} << 1 << 200 << "*<html>"
            << "";
        QTest::newRow("getpedidos número")
            << "getpedidos" << QStringList{"texto:123"} << 1 << 200 << "123" << semConexao;
        QTest::newRow("getpedidos null")
            << "getpedidos" << QStringList{"texto:null"} << 1 << 200 << "null"
            << "";
        QTest::newRow("getpedidos elemento que não é objeto")
            << "getpedidos" << QStringList{"texto:{\"Items\":[1]}"} << 1 << 200 << "*{"
            << semConexao;
    }
    void repeticoes() {
        QFETCH(QString, funcao);
        QFETCH(QStringList, roteiro);
        QFETCH(int, requisicoes);
        QFETCH(int, status);
        QFETCH(QString, mensagem);
        QFETCH(QString, erro);
        programa(roteiro);
        const TResultado r = chama(funcao, FServico.Cliente(), pedidosteste::Emitente);
        QCOMPARE(FServico.Requisicoes().size(), requisicoes);
        if (erro.startsWith(QLatin1Char('*')))
            QVERIFY2(r.Erro.contains(erro.mid(1)), qPrintable(r.Erro));
        else
            QCOMPARE(r.Erro, erro);
        if (status < 0) {
            QVERIFY(!r.Retorno);
        } else {
            QVERIFY(r.Retorno);
            QCOMPARE(r.Retorno->StatusCode, status);
            if (mensagem.startsWith(QLatin1Char('*')))
                QVERIFY(r.Retorno->Mensagem.startsWith(mensagem.mid(1)));
            else
                QCOMPARE(r.Retorno->Mensagem, mensagem);
        }
        if (funcao == QLatin1String("getpedidos")) {
            // A list only with a 200 that could be read.
            const bool lista = erro.isEmpty() && status == 200;
            QCOMPARE(bool(r.Lista), lista);
            if (lista)
                QCOMPARE(r.Lista->Items.Count(), 0);
        }
    }

    // The service's list over HTTPS, read with the orders' clients, lines and instalments; an
    // array body fills the list too.
    void listaDePedidos() {
        const QJsonObject fila = FServicoHttps.EnfileiraPedidos(
            pedidosteste::Emitente, "[" + pedidosteste::PedidoCompleto()->AsJsonUtf8() + "," +
                                        pedidosteste::PedidoSimples(5)->AsJsonUtf8() + "]");
        const QJsonArray criados = fila.value("pedidos").toArray();
        QCOMPARE(criados.size(), 2);
        TResultado r = chama("getpedidos", FServicoHttps.Cliente(), pedidosteste::Emitente);
        QCOMPARE(r.Erro, QString());
        QVERIFY(r.Lista);
        QCOMPARE(r.Lista->Items.Count(), 2);
        const TPedido* p = r.Lista->Items[0];
        QCOMPARE(p->IdNuvem, criados.at(0).toObject().value("idnuvem").toInt());
        QVERIFY(p->Cliente());
        QCOMPARE(p->Cliente()->ID, criados.at(0).toObject().value("idcliente").toInt());
        QCOMPARE(p->Cliente()->Razaosocialnome,
                 QStringLiteral("Quitanda São João da Boa Vista Ltda ME"));
        QCOMPARE(p->Produtos.Count(), 2);
        QCOMPARE(p->Parcelas.Count(), 2);
        QCOMPARE(p->Observacao, QStringLiteral("Entregar após as 14h — portão azul ☺"));
        QCOMPARE(r.Lista->Items[1]->Cliente()->Codcliente, 5);

        FServicoHttps.Limpa();
        FServicoHttps.ProgramaFalha(
            {{"caminho", "/getpedidos"},
             {"tipo", "texto"},
             {"corpo", "[{\"idnuvem\":7,\"produtos\":[{\"codproduto\":3}]},null]"}});
        r = chama("getpedidos", FServicoHttps.Cliente(), pedidosteste::Emitente);
        QVERIFY(r.Lista);
        QCOMPARE(r.Lista->Items.Count(), 1);
        QCOMPARE(r.Lista->Items[0]->IdNuvem, 7);
        QCOMPARE(r.Lista->Items[0]->Produtos.Count(), 1);
    }
};

QTEST_GUILESS_MAIN(TstApi)
#include "tst_api.moc"
