// The reference service over real HTTP and HTTPS: every endpoint with bodies written by the
// DTO classes, tenants kept apart, refusals, the order life cycle, versions, scripted faults,
// the request log, limits, and data kept across a restart.
#include "BancoTeste.h"
#include "Dto.AttRequest.h"
#include "Dto.Cliente.h"
#include "Dto.CodigoBarra.h"
#include "Dto.Configuracao.h"
#include "Dto.Emitente.h"
#include "Dto.FormaPagamento.h"
#include "Dto.Funcionario.h"
#include "Dto.Grupo.h"
#include "Dto.HistoricoPedido.h"
#include "Dto.Marca.h"
#include "Dto.Pedido.h"
#include "Dto.Produto.h"
#include "Dto.Retorno.h"
#include "Dto.TabelaPreco.h"
#include "Dto.TabelaPrecoVendedor.h"
#include "Dto.Vendedor.h"
#include "Dto.Versao.h"
#include "Dto.VinculoProdutoCfop.h"
#include "Erro.h"
#include "ServicoTeste.h"

#include <QProcess>
#include <QtTest>

namespace {
const QString EmitenteA = QStringLiteral("12.345.678/0001-90");
const QString EmitenteB = QStringLiteral("987.654.321-00");

// A batch of a list wrapper L: items given by key (property `chave`), deleted mark and a text
// put into CnpjcpfEmitente to tell versions apart. Also each item's own JSON text.
struct TLote {
    QByteArray Corpo;
    std::vector<QByteArray> Itens;
};
struct TItemLote {
    int Codigo;
    bool Deletado;
    QString Texto;
};
template <class L> TLote lote(const char* chave, const std::vector<TItemLote>& itens) {
    L lista;
    TLote r;
    for (const TItemLote& i : itens) {
        auto* item = lista.Items.Novo();
        const TDescritor& d = item->Descritor();
        if (chave)
            d.Campo(QString::fromLatin1(chave))->Grava(*item, i.Codigo);
        if (const TCampo* del = d.Campo(u"Deletado"))
            del->Grava(*item, i.Deletado);
        d.Campo(u"CnpjcpfEmitente")->Grava(*item, i.Texto);
        r.Itens.push_back(EscreveJsonDTO(*item));
    }
    r.Corpo = lista.AsJsonUtf8();
    return r;
}

struct TCasoLote {
    const char* Caminho;
    const char* Tabela;
    const char* Chave; // nullptr: the batch replaces the table
    TLote (*Monta)(const char*, const std::vector<TItemLote>&);
};
const TCasoLote CasosLote[] = {
    {"/atualizacliente", "cliente", "Codcliente", &lote<TListaCliente>},
    {"/atualizacodigobarra", "codigobarra", "Codcodigobarra", &lote<TListaCodigoBarra>},
    {"/atualizaconfiguracao", "configuracao", nullptr, &lote<TListaConfiguracao>},
    {"/atualizaformapagamento", "formapagamento", "Codformapagamento", &lote<TListaFormaPagamento>},
    {"/atualizafuncionario", "funcionario", "Codfuncionario", &lote<TListaFuncionario>},
    {"/atualizagrupo", "grupo", "Codgrupo", &lote<TListaGrupo>},
    {"/atualizahistoricopedido", "historicopedido", "Codprodutopedidovenda",
     &lote<TListaHistoricoPedido>},
    {"/atualizamarca", "marca", "Codmarca", &lote<TListaMarca>},
    {"/atualizaproduto", "produto", "Codproduto", &lote<TListaProduto>},
    {"/atualizatabelapreco", "tabelapreco", "Codtabpreco", &lote<TListaTabelaPreco>},
    {"/atualizatabelaprecovendedor", "tabelaprecovendedor", "Codtabelaprecovendedor",
     &lote<TListaTabelaPrecoVendedor>},
    {"/atualizavendedor", "vendedor", "Codvendedor", &lote<TListaVendedor>},
    {"/atualizavinculoprodutocfop", "vinculoprodutocfop", "Codvinculoprodutocfop",
     &lote<TListaVinculoProdutoCfop>},
};

const char* const TodosOsCaminhos[] = {
    "/getpedidos",
    "/atualizacodcliente",
    "/atualizacodpedido",
    "/atualizacliente",
    "/atualizacodigobarra",
    "/atualizaconfiguracao",
    "/atualizaformapagamento",
    "/atualizafuncionario",
    "/atualizagrupo",
    "/atualizahistoricopedido",
    "/atualizamarca",
    "/atualizaproduto",
    "/atualizatabelapreco",
    "/atualizatabelaprecovendedor",
    "/atualizavendedor",
    "/atualizavinculoprodutocfop",
    "/salvaversao",
    "/versaotabelas",
    "/apagatabelas",
    "/atualizaemitente",
};

QJsonValue json(const QByteArray& texto) {
    const QJsonDocument d = QJsonDocument::fromJson(texto);
    return d.isArray() ? QJsonValue(d.array()) : QJsonValue(d.object());
}

// An order as the mobile app sends it: a client, two lines and one instalment.
QByteArray pedidoDoAplicativo(const QString& nomeCliente, int idCliente = 0) {
    TPedido p;
    p.Codvendedor = 3;
    p.Idapp = 41;
    p.Datapedido = EncodeDateTime(QDate(2024, 3, 5), QTime(10, 0));
    p.Observacao = QStringLiteral("entregar à tarde");
    auto c = std::make_unique<TCliente>();
    c->Cnpjcpf = QStringLiteral("111.222.333-44");
    c->Razaosocialnome = nomeCliente;
    c->ID = idCliente;
    p.setCliente(std::move(c));
    for (int codproduto : {10, 20}) {
        auto l = std::make_unique<TProdutoPedido>();
        l->Codproduto = codproduto;
        l->Quantidade = 2;
        l->Valorunitario = 7.5;
        p.AddProduto(std::move(l));
    }
    auto parcela = std::make_unique<TParcela>();
    parcela->Valorparcela = 30;
    parcela->Numero = 1;
    p.AddParcela(std::move(parcela));
    return p.AsJsonUtf8();
}
} // namespace

class TstServico : public QObject {
    Q_OBJECT

private:
    TServicoTeste FHttp{false};
    TServicoTeste FHttps{true};

    const TServicoTeste& servico() {
        QFETCH_GLOBAL(bool, https);
        return https ? FHttps : FHttp;
    }
    TRespostaHttp post(const QString& caminho, const QString& emitente, const QByteArray& corpo) {
        return servico().Cliente().Post(caminho, emitente, QString::fromUtf8(corpo));
    }
    TListaPedido* pedidos(const QString& emitente, std::unique_ptr<TListaPedido>& lista) {
        TAttRequest a;
        a.CnpjcpfEmitente = emitente;
        const TRespostaHttp r = post(QStringLiteral("/getpedidos"), emitente, a.AsJsonUtf8());
        lista = std::make_unique<TListaPedido>();
        if (r.StatusCode == 200)
            lista->SetAsJson(r.Mensagem);
        return lista.get();
    }
    QJsonArray registros(const QString& emitente, const QString& tabela) {
        return servico()
            .AdminJson(QStringLiteral("/dev/registros?emitente=%1&tabela=%2")
                           .arg(QString::fromUtf8(QUrl::toPercentEncoding(emitente)), tabela))
            .array();
    }
    std::unique_ptr<TVersao> versao(const QString& emitente) {
        auto v = std::make_unique<TVersao>();
        const TRespostaHttp r =
            post(QStringLiteral("/versaotabelas"), emitente,
                 QByteArrayLiteral("{\"cnpjcpf_emitente\":\"") + emitente.toUtf8() + "\"}");
        v->SetAsJson(r.Mensagem);
        return v;
    }

private slots:
    void initTestCase_data() {
        QTest::addColumn<bool>("https");
        QTest::newRow("http") << false;
        QTest::newRow("https") << true;
    }
    void initTestCase() {
        QString erro = FHttp.Inicia();
        QVERIFY2(erro.isEmpty(), qPrintable(erro));
        erro = FHttps.Inicia();
        QVERIFY2(erro.isEmpty(), qPrintable(erro));
    }
    void init() { servico().Limpa(); }

    void loteGravaPorChaveERemoveDeletados_data() {
        QTest::addColumn<int>("caso");
        for (int i = 0; i < int(std::size(CasosLote)); ++i)
            QTest::newRow(CasosLote[i].Caminho) << i;
    }
    void loteGravaPorChaveERemoveDeletados() {
        QFETCH(int, caso);
        const TCasoLote& c = CasosLote[caso];
        const QString tabela = QLatin1String(c.Tabela);
        // Quotes, solidi and reverse solidi survive the storage unchanged.
        const TLote primeiro =
            c.Monta(c.Chave, {{1, false, "um"}, {2, false, QStringLiteral("dois \"/\\ ç")}});
        TRespostaHttp r = post(QLatin1String(c.Caminho), EmitenteA, primeiro.Corpo);
        QCOMPARE(r.StatusCode, 200);
        TRetorno retorno;
        retorno.SetAsJson(r.Mensagem);
        QCOMPARE(retorno.StatusCode, 200);
        QJsonArray guardados = registros(EmitenteA, tabela);
        QCOMPARE(guardados.size(), 2);
        QCOMPARE(guardados.at(0), json(primeiro.Itens[0]));
        QCOMPARE(guardados.at(1), json(primeiro.Itens[1]));

        // Keyed tables: item 1 removed, item 2 replaced. The configuration is replaced whole.
        const TLote segundo = c.Chave ? c.Monta(c.Chave, {{1, true, "um"}, {2, false, "dois!"}})
                                      : c.Monta(c.Chave, {{0, false, "dois!"}});
        r = post(QLatin1String(c.Caminho), EmitenteA, segundo.Corpo);
        QCOMPARE(r.StatusCode, 200);
        guardados = registros(EmitenteA, tabela);
        QCOMPARE(guardados.size(), 1);
        QCOMPARE(guardados.at(0), json(segundo.Itens.back()));
    }

    void loteVazioEUltimoDaChaveVence() {
        QCOMPARE(post(QStringLiteral("/atualizagrupo"), EmitenteA,
                      lote<TListaGrupo>("Codgrupo", {}).Corpo)
                     .StatusCode,
                 200);
        QCOMPARE(registros(EmitenteA, QStringLiteral("grupo")).size(), 0);
        const TLote l = lote<TListaGrupo>(
            "Codgrupo", {{5, false, "a"}, {5, false, "b"}, {6, false, "c"}, {6, true, "d"}});
        QCOMPARE(post(QStringLiteral("/atualizagrupo"), EmitenteA, l.Corpo).StatusCode, 200);
        const QJsonArray guardados = registros(EmitenteA, QStringLiteral("grupo"));
        QCOMPARE(guardados.size(), 1);
        QCOMPARE(guardados.at(0), json(l.Itens[1]));
    }

    void emitenteEGuardadoESubstituido() {
        TEmitente e;
        e.Cnpjcpf = EmitenteA;
        e.Razaosocial = QStringLiteral("Comércio Exemplo Ltda");
        QCOMPARE(post(QStringLiteral("/atualizaemitente"), EmitenteA, e.AsJsonUtf8()).StatusCode,
                 200);
        e.Telefone = QStringLiteral("(11) 5555-0000");
        QCOMPARE(post(QStringLiteral("/atualizaemitente"), EmitenteA, e.AsJsonUtf8()).StatusCode,
                 200);
        const QJsonArray guardados = registros(EmitenteA, QStringLiteral("emitente"));
        QCOMPARE(guardados.size(), 1);
        QCOMPARE(guardados.at(0), json(e.AsJsonUtf8()));
    }

    void versoesNovoEmitenteDepoisDeSalvarEDepoisDeApagar() {
        const auto nova = versao(EmitenteA);
        for (const TCampo& c : nova->Descritor().Campos)
            if (c.Tipo == TTipoCampo::Inteiro)
                QCOMPARE(c.Le(*nova).toInt(), -1);
        QCOMPARE(nova->CnpjCpf_Emitente, EmitenteA);

        TVersao v;
        v.Cliente = 7;
        v.Produto = 12;
        v.Dispositivo = 3;
        v.CnpjCpf_Emitente = EmitenteA;
        QCOMPARE(post(QStringLiteral("/salvaversao"), EmitenteA, v.AsJsonUtf8()).StatusCode, 200);
        QCOMPARE(versao(EmitenteA)->AsJson(), v.AsJson());
        QCOMPARE(versao(EmitenteB)->Cliente, -1);

        QCOMPARE(post(QStringLiteral("/atualizagrupo"), EmitenteA,
                      lote<TListaGrupo>("Codgrupo", {{1, false, "g"}}).Corpo)
                     .StatusCode,
                 200);
        QCOMPARE(post(QStringLiteral("/apagatabelas"), EmitenteA,
                      QByteArrayLiteral("{\"cnpjcpf_emitente\":\"12.345.678\\/0001-90\"}"))
                     .StatusCode,
                 200);
        QCOMPARE(versao(EmitenteA)->Cliente, -1);
        QCOMPARE(versao(EmitenteA)->Produto, -1);
        QCOMPARE(registros(EmitenteA, QStringLiteral("grupo")).size(), 0);
    }

    void emitentesSeparados() {
        QCOMPARE(post(QStringLiteral("/atualizacliente"), EmitenteA,
                      lote<TListaCliente>("Codcliente", {{1, false, "a"}}).Corpo)
                     .StatusCode,
                 200);
        TVersao v;
        v.Cliente = 4;
        QCOMPARE(post(QStringLiteral("/salvaversao"), EmitenteA, v.AsJsonUtf8()).StatusCode, 200);
        const QJsonObject fila = servico().EnfileiraPedidos(EmitenteA, pedidoDoAplicativo("Ana"));
        const int idnuvem =
            fila.value("pedidos").toArray().at(0).toObject().value("idnuvem").toInt();
        QVERIFY(idnuvem > 0);

        QCOMPARE(registros(EmitenteB, QStringLiteral("cliente")).size(), 0);
        QCOMPARE(versao(EmitenteB)->Cliente, -1);
        std::unique_ptr<TListaPedido> l;
        QCOMPARE(pedidos(EmitenteB, l)->Items.Count(), 0);
        TAtualizaCodpedido a;
        a.IdNuvem = idnuvem;
        a.CodPedido = 9;
        QCOMPARE(post(QStringLiteral("/atualizacodpedido"), EmitenteB, a.AsJsonUtf8()).StatusCode,
                 404);
        // B's wipe leaves A whole.
        QCOMPARE(post(QStringLiteral("/apagatabelas"), EmitenteB, "{}").StatusCode, 200);
        QCOMPARE(pedidos(EmitenteA, l)->Items.Count(), 1);
        QCOMPARE(registros(EmitenteA, QStringLiteral("cliente")).size(), 1);
        QCOMPARE(versao(EmitenteA)->Cliente, 4);
    }

    void cicloDeVidaDoPedido() {
        const QJsonObject fila =
            servico().EnfileiraPedidos(EmitenteA, pedidoDoAplicativo(QStringLiteral("José")));
        const QJsonObject criado = fila.value("pedidos").toArray().at(0).toObject();
        const int idnuvem = criado.value("idnuvem").toInt();
        const int idcliente = criado.value("idcliente").toInt();
        QVERIFY(idnuvem > 0);
        QVERIFY(idcliente > 0);

        std::unique_ptr<TListaPedido> lista;
        QCOMPARE(pedidos(EmitenteA, lista)->Items.Count(), 1);
        TPedido* p = lista->Items.First();
        QCOMPARE(p->IdNuvem, idnuvem);
        QCOMPARE(p->Idcliente, idcliente);
        QCOMPARE(p->Codcliente, 0);
        QVERIFY(p->Cliente());
        QCOMPARE(p->Cliente()->ID, idcliente);
        QCOMPARE(p->Cliente()->Razaosocialnome, QStringLiteral("José"));
        QCOMPARE(p->Produtos.Count(), 2);
        QCOMPARE(p->Parcelas.Count(), 1);
        QCOMPARE(p->Observacao, QStringLiteral("entregar à tarde"));
        QCOMPARE(p->Datapedido, EncodeDateTime(QDate(2024, 3, 5), QTime(10, 0)));

        // The shop reports the client's local code: the order now carries it.
        TAtualizaCliente ac;
        ac.CnpjcpfEmitente = EmitenteA;
        ac.Codcliente = 77;
        ac.Id = idcliente;
        QCOMPARE(post(QStringLiteral("/atualizacodcliente"), EmitenteA, ac.AsJsonUtf8()).StatusCode,
                 200);
        QCOMPARE(pedidos(EmitenteA, lista)->Items.First()->Codcliente, 77);
        QCOMPARE(lista->Items.First()->Cliente()->Codcliente, 77);
        ac.Id = idcliente + 1000;
        QCOMPARE(post(QStringLiteral("/atualizacodcliente"), EmitenteA, ac.AsJsonUtf8()).StatusCode,
                 404);

        // A second order of the same client keeps its id and comes with the code at once.
        const QJsonObject fila2 = servico().EnfileiraPedidos(
            EmitenteA, pedidoDoAplicativo(QStringLiteral("José"), idcliente));
        QCOMPARE(fila2.value("pedidos").toArray().at(0).toObject().value("idcliente").toInt(),
                 idcliente);
        QCOMPARE(pedidos(EmitenteA, lista)->Items.Count(), 2);
        QCOMPARE(lista->Items.Last()->Codcliente, 77);

        // Confirmed, the first order is no longer listed; an unknown idnuvem is refused.
        TAtualizaCodpedido ap;
        ap.CnpjcpfEmitente = EmitenteA;
        ap.IdNuvem = idnuvem;
        ap.CodPedido = 500;
        QCOMPARE(post(QStringLiteral("/atualizacodpedido"), EmitenteA, ap.AsJsonUtf8()).StatusCode,
                 200);
        QCOMPARE(pedidos(EmitenteA, lista)->Items.Count(), 1);
        QVERIFY(lista->Items.First()->IdNuvem != idnuvem);
        ap.IdNuvem = 999999;
        QCOMPARE(post(QStringLiteral("/atualizacodpedido"), EmitenteA, ap.AsJsonUtf8()).StatusCode,
                 404);

        const QJsonArray vistos =
            servico()
                .AdminJson(QStringLiteral("/dev/pedidos?emitente=") +
                           QString::fromUtf8(QUrl::toPercentEncoding(EmitenteA)))
                .array();
        QCOMPARE(vistos.size(), 2);
        QCOMPARE(vistos.at(0).toObject().value("confirmado").toBool(), true);
        QCOMPARE(vistos.at(0).toObject().value("codpedido").toInt(), 500);
        QCOMPARE(vistos.at(1).toObject().value("confirmado").toBool(), false);
        QVERIFY(vistos.at(1).toObject().value("codpedido").isNull());
    }

    // The answer keeps the list under "Items", the key the shop's reader takes.
    void listaDePedidosEmItems() {
        servico().EnfileiraPedidos(EmitenteA, pedidoDoAplicativo(QStringLiteral("Ana")));
        TAttRequest a;
        const TRespostaHttp r = post(QStringLiteral("/getpedidos"), EmitenteA, a.AsJsonUtf8());
        const QJsonObject o = QJsonDocument::fromJson(r.Mensagem.toUtf8()).object();
        QCOMPARE(o.value("Items").toArray().size(), 1);
        QCOMPARE(o.value("total").toInt(), 1);
        QVERIFY(!o.contains("items"));
    }

    void semAutorizacao401_data() {
        QTest::addColumn<QString>("caminho");
        for (const char* c : TodosOsCaminhos)
            QTest::newRow(c) << QString::fromLatin1(c);
    }
    void semAutorizacao401() {
        QFETCH(QString, caminho);
        const TRespostaHttp r = post(caminho, QString(), "{}");
        QCOMPARE(r.StatusCode, 401);
        TRetorno m;
        m.SetAsJson(r.Mensagem);
        QCOMPARE(m.StatusCode, 401);
        QVERIFY(!m.Mensagem.isEmpty());
    }

    void corpoInvalido400_data() {
        QTest::addColumn<QString>("caminho");
        QTest::addColumn<QByteArray>("corpo");
        for (const char* c : TodosOsCaminhos)
            QTest::newRow(c) << QString::fromLatin1(c) << QByteArray("{\"items\":[{\"codigo\":");
        QTest::newRow("texto solto") << "/atualizacliente" << QByteArray("ok");
        QTest::newRow("número") << "/salvaversao" << QByteArray("42");
        QTest::newRow("array onde vai objeto") << "/atualizaemitente" << QByteArray("[]");
        QTest::newRow("lixo depois do JSON") << "/atualizagrupo" << QByteArray("{\"items\":[]} x");
        QTest::newRow("data inválida")
            << "/atualizahistoricopedido"
            << QByteArray("{\"items\":[{\"datapedido\":\"05/03/2024\"}]}");
        QTest::newRow("aninhamento sem fim") << "/atualizagrupo" << QByteArray(100000, '[');
        QTest::newRow("UTF-8 inválido") << "/atualizagrupo" << QByteArray("{\"items\":\"\xff\"}");
    }
    void corpoInvalido400() {
        QFETCH(QString, caminho);
        QFETCH(QByteArray, corpo);
        const TRespostaHttp r = post(caminho, EmitenteA, corpo);
        QCOMPARE(r.StatusCode, 400);
        TRetorno m;
        m.SetAsJson(r.Mensagem);
        QCOMPARE(m.StatusCode, 400);
        QVERIFY(!m.Mensagem.isEmpty());
        // The service is still up and unchanged.
        QCOMPARE(registros(EmitenteA, QStringLiteral("grupo")).size(), 0);
        QCOMPARE(post(QStringLiteral("/versaotabelas"), EmitenteA, "{}").StatusCode, 200);
    }

    void corpoAcimaDoLimite413() {
        QByteArray corpo = "{\"items\":[],\"x\":\"";
        corpo += QByteArray((64 << 20) + 16, 'a');
        corpo += "\"}";
        const TRespostaHttp r = post(QStringLiteral("/atualizagrupo"), EmitenteA, corpo);
        QCOMPARE(r.StatusCode, 413);
        QCOMPARE(post(QStringLiteral("/versaotabelas"), EmitenteA, "{}").StatusCode, 200);
    }

    void caminhoDesconhecido404() {
        const TRespostaHttp r = post(QStringLiteral("/naoexiste"), EmitenteA, "{}");
        QCOMPARE(r.StatusCode, 404);
        TRetorno m;
        m.SetAsJson(r.Mensagem);
        QCOMPARE(m.StatusCode, 404);
    }

    void falhasProgramadas_data() {
        QTest::addColumn<QJsonObject>("falha");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("corpo"); // "*": not checked
        QTest::newRow("status com corpo")
            << QJsonObject{{"tipo", "status"}, {"status", 503}, {"corpo", "fora do ar"}} << 503
            << "fora do ar";
        QTest::newRow("texto") << QJsonObject{{"tipo", "texto"}, {"corpo", "42"}} << 200 << "42";
        QTest::newRow("não JSON") << QJsonObject{{"tipo", "naojson"}} << 200 << "*";
        QTest::newRow("atraso") << QJsonObject{{"tipo", "atraso"}, {"atraso_ms", 300}} << 200
                                << "*";
        QTest::newRow("fechar") << QJsonObject{{"tipo", "fechar"}} << -1 << "*";
    }
    void falhasProgramadas() {
        QFETCH(QJsonObject, falha);
        QFETCH(int, status);
        QFETCH(QString, corpo);
        falha.insert("caminho", "/versaotabelas");
        falha.insert("vezes", 2);
        servico().ProgramaFalha(falha);
        // Another endpoint is not affected.
        QCOMPARE(post(QStringLiteral("/getpedidos"), EmitenteA, "{}").StatusCode, 200);
        for (int i = 0; i < 2; ++i) {
            if (status < 0) {
                QVERIFY_THROWS_EXCEPTION(EErro,
                                         post(QStringLiteral("/versaotabelas"), EmitenteA, "{}"));
                continue;
            }
            const TRespostaHttp r = post(QStringLiteral("/versaotabelas"), EmitenteA, "{}");
            QCOMPARE(r.StatusCode, status);
            if (corpo != QLatin1String("*"))
                QCOMPARE(r.Mensagem, corpo);
            if (falha.value("tipo") == QLatin1String("naojson"))
                QVERIFY(QJsonDocument::fromJson(r.Mensagem.toUtf8()).isNull());
            if (falha.value("tipo") == QLatin1String("atraso"))
                QCOMPARE(versao(EmitenteA)->Cliente, -1); // answered normally
        }
        // Used up: the third request is answered normally.
        QCOMPARE(versao(EmitenteA)->Cliente, -1);
        const QJsonArray log = servico().Requisicoes(0, QStringLiteral("/versaotabelas"));
        QVERIFY(log.size() >= 3);
        QCOMPARE(log.at(0).toObject().value("falha").toString(), falha.value("tipo").toString());
    }

    void falhaEmTodosOsCaminhos() {
        servico().ProgramaFalha({{"caminho", "*"}, {"tipo", "status"}, {"status", 500}});
        QCOMPARE(post(QStringLiteral("/atualizamarca"), EmitenteA, "{}").StatusCode, 500);
        QCOMPARE(post(QStringLiteral("/atualizamarca"), EmitenteA, "{}").StatusCode, 200);
        const TRespostaHttp recusada = servico().Admin("POST", QStringLiteral("/dev/falhas"),
                                                       R"({"caminho":"/x","tipo":"explodir"})");
        QCOMPARE(recusada.StatusCode, 400);
        QCOMPARE(servico()
                     .Admin("POST", QStringLiteral("/dev/falhas"),
                            R"({"caminho":"/x","tipo":"status","status":42})")
                     .StatusCode,
                 400);
    }

    void registroDeRequisicoes() {
        const QByteArray corpo = lote<TListaMarca>("Codmarca", {{1, false, "Ç/\""}}).Corpo;
        post(QStringLiteral("/atualizamarca"), EmitenteA, corpo);
        post(QStringLiteral("/atualizamarca"), QString(), corpo);
        const QJsonArray log = servico().Requisicoes(0, QStringLiteral("/atualizamarca"));
        QCOMPARE(log.size(), 2);
        const QJsonObject r = log.at(0).toObject();
        QCOMPARE(r.value("corpo").toString().toUtf8(), corpo);
        QCOMPARE(r.value("status").toInt(), 200);
        QCOMPARE(log.at(1).toObject().value("status").toInt(), 401);
        QStringList cabecalhos;
        for (const QJsonValue& c : r.value("cabecalhos").toArray())
            cabecalhos << c.toArray().at(0).toString().toLower() + QLatin1Char('=') +
                              c.toArray().at(1).toString();
        QVERIFY(cabecalhos.contains(QStringLiteral("authorization=") + EmitenteA));
        QVERIFY(cabecalhos.contains(QStringLiteral("accept=application/json")));
        // Only what came after a number.
        const qint64 ultimo = log.at(1).toObject().value("numero").toInteger();
        QCOMPARE(servico().Requisicoes(ultimo).size(), 0);
    }

    void dadosMantidosAoReiniciar() {
        QFETCH_GLOBAL(bool, https);
        TServicoTeste s(https);
        QString erro = s.Inicia();
        QVERIFY2(erro.isEmpty(), qPrintable(erro));
        TClienteHttp c = s.Cliente();
        QCOMPARE(
            c.Post(QStringLiteral("/atualizaproduto"), EmitenteA,
                   QString::fromUtf8(lote<TListaProduto>("Codproduto", {{8, false, "p"}}).Corpo))
                .StatusCode,
            200);
        TVersao v;
        v.Produto = 8;
        QCOMPARE(c.Post(QStringLiteral("/salvaversao"), EmitenteA, v.AsJson()).StatusCode, 200);
        const QJsonObject fila = s.EnfileiraPedidos(EmitenteA, pedidoDoAplicativo("Bia"));
        const int idnuvem =
            fila.value("pedidos").toArray().at(0).toObject().value("idnuvem").toInt();

        s.Para();
        erro = s.Inicia();
        QVERIFY2(erro.isEmpty(), qPrintable(erro));
        c = s.Cliente();
        QCOMPARE(s.AdminJson(QStringLiteral("/dev/registros?emitente=") +
                             QString::fromUtf8(QUrl::toPercentEncoding(EmitenteA)) +
                             QStringLiteral("&tabela=produto"))
                     .array()
                     .size(),
                 1);
        TVersao lida;
        lida.SetAsJson(c.Post(QStringLiteral("/versaotabelas"), EmitenteA, "{}").Mensagem);
        QCOMPARE(lida.Produto, 8);
        TListaPedido lista;
        lista.SetAsJson(c.Post(QStringLiteral("/getpedidos"), EmitenteA, "{}").Mensagem);
        QCOMPARE(lista.Items.Count(), 1);
        QCOMPARE(lista.Items.First()->IdNuvem, idnuvem);
        // New ids go on from where they were.
        const QJsonObject fila2 = s.EnfileiraPedidos(EmitenteA, pedidoDoAplicativo("Bia"));
        QVERIFY(fila2.value("pedidos").toArray().at(0).toObject().value("idnuvem").toInt() >
                idnuvem);
    }

    // scripts/servico, as scripts/demo and the benchmarks use it.
    void scriptIniciaOServico() {
        QFETCH_GLOBAL(bool, https);
        QTemporaryDir pasta;
        const QString banco =
            QStringLiteral("nuvem_script_%1").arg(QCoreApplication::applicationPid());
        QProcess p;
        QProcessEnvironment amb = QProcessEnvironment::systemEnvironment();
        amb.insert(
            QStringLiteral("VARELO_BUILD"),
            QFileInfo(QStringLiteral(VARELO_SERVIDOR_NUVEM)).absoluteDir().absoluteFilePath(".."));
        p.setProcessEnvironment(amb);
        QStringList args{QStringLiteral(VARELO_SOURCE_DIR "/scripts/servico"), "--banco", banco,
                         "--pasta", pasta.path()};
        if (https)
            args << QStringLiteral("--https");
        p.start(QStringLiteral("bash"), args);
        QVERIFY(p.waitForFinished(60000));
        const QString saida = QString::fromUtf8(p.readAllStandardOutput());
        QCOMPARE(p.exitCode(), 0);
        const QRegularExpressionMatch m =
            QRegularExpression(
                QStringLiteral("VARELO_API_URL=(\\S*) VARELO_API_CA=(\\S*) VARELO_API_PID=(\\d+)"))
                .match(saida);
        QVERIFY2(m.hasMatch(), qPrintable(saida));
        const QString url = m.captured(1);
        const QString ca = m.captured(2) == QLatin1String("''") ? QString() : m.captured(2);
        const qint64 pid = m.captured(3).toLongLong();
        const auto para = qScopeGuard([&] {
            QProcess::execute(QStringLiteral("kill"), {QString::number(pid)});
            ExecutaSqlTeste(QStringLiteral("postgres"),
                            QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(banco));
        });
        QCOMPARE(url.startsWith(QLatin1String("https://")), https);
        QCOMPARE(ca.isEmpty(), !https);
        const TRespostaHttp r =
            TClienteHttp(url, ca).Post(QStringLiteral("/versaotabelas"), EmitenteA, "{}");
        QCOMPARE(r.StatusCode, 200);
    }

    void opcoesRecusadas_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("endereço fora do loopback") << QStringList{"--endereco", "0.0.0.0"};
        QTest::newRow("certificado sem chave") << QStringList{"--certificado", "x.pem"};
        QTest::newRow("porta inválida") << QStringList{"--porta", "70000"};
        QTest::newRow("certificado inexistente")
            << QStringList{"--certificado", "/nao/existe.pem", "--chave", "/nao/existe.key"};
    }
    void opcoesRecusadas() {
        QFETCH_GLOBAL(bool, https);
        if (https)
            QSKIP("options do not depend on the protocol");
        QFETCH(QStringList, args);
        QProcess p;
        p.start(QStringLiteral(VARELO_SERVIDOR_NUVEM), args);
        QVERIFY(p.waitForFinished(30000));
        QVERIFY(p.exitCode() != 0);
        QVERIFY(!p.readAllStandardError().isEmpty());
    }

    void ajudaListaAsOpcoes() {
        QFETCH_GLOBAL(bool, https);
        if (https)
            QSKIP("options do not depend on the protocol");
        QProcess p;
        p.start(QStringLiteral(VARELO_SERVIDOR_NUVEM), {QStringLiteral("--help")});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        const QByteArray ajuda = p.readAllStandardOutput();
        for (const char* opcao : {"--endereco", "--porta", "--certificado", "--chave", "--bd-host",
                                  "--bd-porta", "--bd-usuario", "--bd-senha", "--bd-nome"})
            QVERIFY2(ajuda.contains(opcao), opcao);
    }
};

QTEST_GUILESS_MAIN(TstServico)
#include "tst_servico.moc"
