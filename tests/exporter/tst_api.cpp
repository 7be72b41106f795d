// The exporter's calls against the real service: attempts and their outcome, bodies and
// headers as sent, the version call's reading and error rules.
#include "ApiExportador.h"
#include "Erro.h"
#include "ServicoTeste.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QtTest>

using namespace exportador;

class TstApi : public QObject {
    Q_OBJECT

    TServicoTeste FServico{false};
    const QString FToken = QStringLiteral("12.345.678/0001-90");

    static QString cabecalho(const QJsonObject& req, const QString& nome, bool* existe = nullptr) {
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
    void falhas(const QString& caminho, const QList<int>& status) {
        for (int i = 0; i < status.size(); ++i)
            FServico.ProgramaFalha({{"caminho", caminho},
                                    {"tipo", "status"},
                                    {"status", status[i]},
                                    {"corpo", QStringLiteral("resposta %1").arg(i + 1)}});
    }
    void texto(const QString& caminho, const QString& corpo) {
        FServico.ProgramaFalha({{"caminho", caminho}, {"tipo", "texto"}, {"corpo", corpo}});
    }
    static void duasPessoas(TListaCliente& lista) {
        TCliente* a = lista.Items.Novo();
        a->Codcliente = 1;
        a->Razaosocialnome = QStringLiteral("Conceição \"Ltda\"");
        TCliente* b = lista.Items.Novo();
        b->Codcliente = 2;
        b->Deletado = true;
    }

private Q_SLOTS:
    void initTestCase() {
        const QString erro = FServico.Inicia();
        QVERIFY2(erro.isEmpty(), qPrintable(erro));
    }
    void init() { FServico.Limpa(); }

    // Statuses scripted for the first attempts (200 after them): how many requests, the
    // outcome, or an error on a server status of the third attempt.
    void tentativas_data() {
        QTest::addColumn<QList<int>>("status");
        QTest::addColumn<int>("requisicoes");
        QTest::addColumn<int>("final");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<bool>("erro");
        QTest::newRow("200 na primeira") << QList<int>{} << 1 << 200 << "" << false;
        QTest::newRow("404 três vezes")
            << QList<int>{404, 404, 404} << 3 << 404 << "resposta 3" << false;
        QTest::newRow("503, 503, 200") << QList<int>{503, 503} << 3 << 200 << "" << false;
        QTest::newRow("201 conta como recusa")
            << QList<int>{201, 201, 201} << 3 << 201 << "resposta 3" << false;
        QTest::newRow("503 três vezes") << QList<int>{503, 503, 503} << 3 << 0 << "" << true;
        QTest::newRow("500 só na terceira") << QList<int>{404, 404, 500} << 3 << 0 << "" << true;
    }
    void tentativas() {
        QFETCH(QList<int>, status);
        QFETCH(int, requisicoes);
        QFETCH(int, final);
        QFETCH(QString, mensagem);
        QFETCH(bool, erro);
        falhas(QStringLiteral("/atualizacliente"), status);
        TListaCliente lista;
        duasPessoas(lista);
        TRetornoPtr r;
        bool levantou = false;
        try {
            r = ApiAtualizaCliente(FServico.Cliente(), FToken, lista, 1);
        } catch (const EErro& e) {
            levantou = true;
            QVERIFY(e.Mensagem().contains(QString::number(status.last())));
        }
        QCOMPARE(levantou, erro);
        const QJsonArray log = FServico.Requisicoes();
        QCOMPARE(log.size(), requisicoes);
        for (const QJsonValue& v : log) {
            const QJsonObject req = v.toObject();
            QCOMPARE(req.value("caminho").toString(), QStringLiteral("/atualizacliente"));
            QCOMPARE(req.value("corpo").toString(), lista.AsJson());
            QCOMPARE(cabecalho(req, QStringLiteral("Authorization")), FToken);
            QCOMPARE(cabecalho(req, QStringLiteral("Accept")), QStringLiteral("application/json"));
            QCOMPARE(cabecalho(req, QStringLiteral("Content-Type")),
                     QStringLiteral("application/json"));
        }
        if (erro)
            return;
        QCOMPARE(r->StatusCode, final);
        if (!mensagem.isEmpty())
            QCOMPARE(r->Mensagem, mensagem);
    }

    // A later attempt number makes fewer attempts; none is made above the third.
    void numeroDaTentativa() {
        falhas(QStringLiteral("/atualizamarca"), {404, 404, 404});
        TRetornoPtr r = ApiAtualizaMarca(FServico.Cliente(), FToken, TListaMarca(), 2);
        QCOMPARE(r->StatusCode, 404);
        QCOMPARE(FServico.Requisicoes().size(), 2);
    }

    // Every member of the family reaches its own endpoint; the service stores what it got.
    void caminhos() {
        const TClienteHttp http = FServico.Cliente();
        TListaGrupo grupos;
        grupos.Items.Novo()->Codgrupo = 7;
        QCOMPARE(ApiAtualizaGrupo(http, FToken, grupos)->StatusCode, 200);
        QCOMPARE(ApiAtualizaCodigoBarra(http, FToken, TListaCodigoBarra())->StatusCode, 200);
        QCOMPARE(ApiAtualizaConfiguracao(http, FToken, TListaConfiguracao())->StatusCode, 200);
        QCOMPARE(ApiAtualizaFormaPagamento(http, FToken, TListaFormaPagamento())->StatusCode, 200);
        QCOMPARE(ApiAtualizaFuncionario(http, FToken, TListaFuncionario())->StatusCode, 200);
        QCOMPARE(ApiAtualizaHistoricoPedido(http, FToken, TListaHistoricoPedido())->StatusCode,
                 200);
        QCOMPARE(ApiAtualizaProduto(http, FToken, TListaProduto())->StatusCode, 200);
        QCOMPARE(ApiAtualizaTabelaPreco(http, FToken, TListaTabelaPreco())->StatusCode, 200);
        QCOMPARE(
            ApiAtualizaTabelaPrecoVendedor(http, FToken, TListaTabelaPrecoVendedor())->StatusCode,
            200);
        QCOMPARE(ApiAtualizaVendedor(http, FToken, TListaVendedor())->StatusCode, 200);
        QCOMPARE(
            ApiAtualizaVinculoProdutoCfop(http, FToken, TListaVinculoProdutoCfop())->StatusCode,
            200);
        TVersao versao;
        versao.Cliente = 12;
        QCOMPARE(ApiSalvaVersao(http, FToken, versao)->StatusCode, 200);
        const QStringList esperados{"/atualizagrupo",
                                    "/atualizacodigobarra",
                                    "/atualizaconfiguracao",
                                    "/atualizaformapagamento",
                                    "/atualizafuncionario",
                                    "/atualizahistoricopedido",
                                    "/atualizaproduto",
                                    "/atualizatabelapreco",
                                    "/atualizatabelaprecovendedor",
                                    "/atualizavendedor",
                                    "/atualizavinculoprodutocfop",
                                    "/salvaversao"};
        const QJsonArray log = FServico.Requisicoes();
        QCOMPARE(log.size(), esperados.size());
        for (int i = 0; i < esperados.size(); ++i)
            QCOMPARE(log[i].toObject().value("caminho").toString(), esperados[i]);
        // An empty list still has its wrapper as the body.
        QCOMPARE(log[1].toObject().value("corpo").toString(), TListaCodigoBarra().AsJson());
        QCOMPARE(FServico
                     .AdminJson(QStringLiteral("/dev/versao?emitente=") +
                                QUrl::toPercentEncoding(FToken))
                     .object()
                     .value("cliente")
                     .toInt(),
                 12);
    }

    // The emitter's own document is the token; a repeat sends the same emitter again.
    void emitente() {
        falhas(QStringLiteral("/atualizaemitente"), {404});
        TEmitente e;
        e.Cnpjcpf = QStringLiteral("98.765.432/0001-10");
        e.Razaosocial = QStringLiteral("Padaria Sol");
        TRetornoPtr r = ApiAtualizaEmitente(FServico.Cliente(), e);
        QCOMPARE(r->StatusCode, 200);
        const QJsonArray log = FServico.Requisicoes();
        QCOMPARE(log.size(), 2);
        for (const QJsonValue& v : log) {
            QCOMPARE(cabecalho(v.toObject(), "Authorization"), e.Cnpjcpf);
            QCOMPARE(v.toObject().value("corpo").toString(), e.AsJson());
        }
    }

    // The document goes into the CNPJ body as a JSON string: quotes and backslashes cannot
    // break the body or add members. A blank token sends no Authorization header.
    void corpoCnpj_data() {
        QTest::addColumn<QString>("token");
        QTest::newRow("pontuado") << "12.345.678/0001-90";
        QTest::newRow("aspas e barra") << "12\",\"x\":\"1\\";
        QTest::newRow("acento") << "Conceição";
        QTest::newRow("vazio") << "";
    }
    void corpoCnpj() {
        QFETCH(QString, token);
        std::unique_ptr<TVersao> versao;
        ApiVersaoTabelas(FServico.Cliente(), token, versao);
        ApiApagaTabelas(FServico.Cliente(), token);
        const QJsonArray log = FServico.Requisicoes();
        QVERIFY(log.size() >= 2);
        for (const QJsonValue& v : log) {
            const QJsonObject req = v.toObject();
            QJsonParseError erro;
            const QJsonDocument corpo =
                QJsonDocument::fromJson(req.value("corpo").toString().toUtf8(), &erro);
            QCOMPARE(erro.error, QJsonParseError::NoError);
            QCOMPARE(corpo.object().keys(), QStringList{"cnpjcpf_emitente"});
            QCOMPARE(corpo.object().value("cnpjcpf_emitente").toString(), token);
            bool existe = false;
            cabecalho(req, QStringLiteral("Authorization"), &existe);
            QCOMPARE(existe, !token.isEmpty());
        }
        QCOMPARE(log.first().toObject().value("caminho").toString(),
                 QStringLiteral("/versaotabelas"));
        QCOMPARE(log.last().toObject().value("caminho").toString(),
                 QStringLiteral("/apagatabelas"));
        QCOMPARE(CorpoCnpj(QStringLiteral("1.2/3")),
                 QStringLiteral("{\"cnpjcpf_emitente\":\"1.2/3\"}"));
    }

    // Bodies of a status-200 answer: what fills the versions and what ends in the
    // no-connection error.
    void versaoTabelas_data() {
        QTest::addColumn<QString>("corpo");
        QTest::addColumn<int>("cliente");
        QTest::addColumn<bool>("erro");
        QTest::newRow("objeto") << "{\"cliente\":5,\"produto\":-1}" << 5 << false;
        QTest::newRow("não JSON") << "<html>erro</html>" << 0 << false;
        QTest::newRow("vazio") << "" << 0 << false;
        QTest::newRow("array") << "[1,2]" << 0 << false;
        QTest::newRow("null") << "null" << 0 << false;
        QTest::newRow("texto") << "\"abc\"" << 0 << true;
        QTest::newRow("número") << "42" << 0 << true;
        QTest::newRow("booleano") << "true" << 0 << true;
    }
    void versaoTabelas() {
        QFETCH(QString, corpo);
        QFETCH(int, cliente);
        QFETCH(bool, erro);
        texto(QStringLiteral("/versaotabelas"), corpo);
        std::unique_ptr<TVersao> versao;
        try {
            TRetornoPtr r = ApiVersaoTabelas(FServico.Cliente(), FToken, versao);
            QVERIFY(!erro);
            QCOMPARE(r->StatusCode, 200);
            QVERIFY(versao);
            QCOMPARE(versao->Cliente, cliente);
            if (cliente == 0) {
                for (const TCampo& c : versao->Descritor().Campos)
                    if (c.Tipo == TTipoCampo::Inteiro)
                        QCOMPARE(c.Le(*versao).toInt(), 0);
            } else {
                QCOMPARE(versao->Produto, -1);
            }
        } catch (const EErro& e) {
            QVERIFY(erro);
            QCOMPARE(e.Mensagem(), MensagemSemConexao);
            QVERIFY(!versao);
        }
        QCOMPARE(FServico.Requisicoes().size(), 1);
    }

    // A server error status three times is returned, not raised, and hands no versions over.
    void versaoTabelasRecusada() {
        falhas(QStringLiteral("/versaotabelas"), {503, 503, 503});
        std::unique_ptr<TVersao> versao = std::make_unique<TVersao>();
        TRetornoPtr r = ApiVersaoTabelas(FServico.Cliente(), FToken, versao);
        QCOMPARE(r->StatusCode, 503);
        QCOMPARE(r->Mensagem, QStringLiteral("resposta 3"));
        QVERIFY(!versao);
        QCOMPARE(FServico.Requisicoes().size(), 3);
    }

    // No server listening: one attempt, an error at once.
    void semConexao() {
        QTcpServer livre;
        QVERIFY(livre.listen(QHostAddress::LocalHost));
        const quint16 porta = livre.serverPort();
        livre.close();
        const TClienteHttp http(QStringLiteral("http://127.0.0.1:%1").arg(porta));
        QVERIFY_THROWS_EXCEPTION(EErro, ApiAtualizaGrupo(http, FToken, TListaGrupo()));
        std::unique_ptr<TVersao> versao;
        try {
            ApiVersaoTabelas(http, FToken, versao);
            QFAIL("sem erro");
        } catch (const EErro& e) {
            QCOMPARE(e.Mensagem(), MensagemSemConexao);
        }
    }
};

QTEST_GUILESS_MAIN(TstApi)
#include "tst_api.moc"
