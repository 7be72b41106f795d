// The wire texts, compared byte for byte with texts written by hand from the field tables.
#include "tst_escrita.h"

#include "Dto.AttRequest.h"
#include "Dto.Cliente.h"
#include "Dto.Configuracao.h"
#include "Dto.Emitente.h"
#include "Dto.Funcionario.h"
#include "Dto.Grupo.h"
#include "Dto.HistoricoPedido.h"
#include "Dto.Marca.h"
#include "Dto.Pedido.h"
#include "Dto.Retorno.h"
#include "Dto.TabelaPreco.h"
#include "Dto.TabelaPrecoVendedor.h"
#include "Dto.Vendedor.h"
#include "Dto.Versao.h"
#include "GoldenPedido.h"
#include "LancaErro.h"

#include <limits>
#include <QtTest>

void TstEscrita::pedidoCompleto() {
    std::unique_ptr<TPedido> pedido = MontaPedidoGolden();
    QCOMPARE(pedido->AsJson(), QString::fromLatin1(PedidoGolden()));
    QCOMPARE(pedido->ToString(), pedido->AsJson());
    QCOMPARE(pedido->AsJsonUtf8(), PedidoGolden());
}

void TstEscrita::produtoCompleto() {
    std::unique_ptr<TProduto> produto = MontaProdutoGolden1();
    QCOMPARE(produto->AsJsonUtf8(), ProdutoGolden1());
    QCOMPARE(produto->GetCodigos(), QStringLiteral("789, 123"));
    TProduto vazio;
    QCOMPARE(vazio.GetCodigos(), QString());
}

// A new object writes every member with its zero value, in declaration order, and no
// "options" member.
void TstEscrita::objetosVazios_data() {
    QTest::addColumn<QSharedPointer<TJsonDTO>>("objeto");
    QTest::addColumn<QByteArray>("esperado");

    QTest::newRow("TCliente")
        << QSharedPointer<TJsonDTO>(new TCliente)
        << QByteArray(R"({"acrescimoindividual":0,"bairro":"","celular":"","cep":"",)"
                      R"("cnpjcpf":"","cnpjcpf_emitente":"","codcidade":0,"codcliente":0,)"
                      R"("codvendedor":0,"complemento":"","contato":"","email":"",)"
                      R"("exibirnodispositivo":false,"fax":"","inativo":false,)"
                      R"("inscricaoestadualrg":"","inscricaomunicipal":"","logradouro":"",)"
                      R"("nomecidade":"","nomefantasia":"","numero":"","pedidocomst":false,)"
                      R"("razaosocialnome":"","telefone":"","tipopreco":"","uf":"",)"
                      R"("versao":0,"deletado":false,"regiao":"","id":0})");
    QTest::newRow("TProduto, exporter without picture")
        << QSharedPointer<TJsonDTO>(new TProduto)
        << QByteArray(R"({"aplicacao":"","cnpjcpf_emitente":"","codalternativoa":"","codgrupo":0,)"
                      R"("codmarca":0,"codproduto":0,"deletado":false,"descricao":"","foto":"",)"
                      R"("mva":0,"ncm":"","pesoparacalculo":0,"preco":0,"precorevenda":0,)"
                      R"("precorevista":0,"promocao":false,"quantidade":0,"tipo":"",)"
                      R"("unidademedida":"","versao":0,"exibirtablet":false,"inativo":false,)"
                      R"("grupo":"","marca":"","codigodeBarras":[],"aliquotaST":null,)"
                      R"("dataultimopedido":"1899-12-30T00:00:00.000Z"})");
    QTest::newRow("TPedido")
        << QSharedPointer<TJsonDTO>(new TPedido)
        << QByteArray(
               R"({"acrescimo":0,"acrescimoperc":0,"cnpjcpf_emitente":"","codcliente":0,)"
               R"("codformapagamento":0,"codpedidovenda":0,"codvendedor":0,"condicional":"",)"
               R"("dataentrega":"","datapedido":"","desconto":0,"descontoperc":0,)"
               R"("faturamento":"","horapedido":"","idapp":0,"idcliente":0,"observacao":"",)"
               R"("razaosocialnome":"","status":"","stpedido":false,"tipo":"",)"
               R"("tipobonificacaoapp":false,"valortotalpedido":0,"valortotalprodutos":0,)"
               R"("cliente":null,"produtos":[],"valorst":0,"formaPagamento":null,)"
               R"("produtosExcluir":[],"parcelas":[],"qtdproduto":0,"qtdtotal":0,)"
               R"("idnuvem":0,"nomevendedor":""})");
    QTest::newRow("TVersao") << QSharedPointer<TJsonDTO>(new TVersao)
                             << QByteArray(
                                    R"({"emitente":0,"cnpjcpf_emitente":"","produto":0,)"
                                    R"("historicopedido":0,"codbarra":0,"funcionario":0,)"
                                    R"("tabelaprecovendedor":0,"formapagamento":0,)"
                                    R"("cliente":0,"produtosst":0,"vendedor":0,)"
                                    R"("tabelapreco":0,"marca":0,"dispositivo":0,"grupo":0})");
    QTest::newRow("TEmitente") << QSharedPointer<TJsonDTO>(new TEmitente)
                               << QByteArray(R"({"bairro":"","cnpjcpf":"","email":"",)"
                                             R"("logradouro":"","nomefantasia":"","numero":"",)"
                                             R"("razaosocial":"","responsavel":"","telefone":""})");
    QTest::newRow("TRetorno") << QSharedPointer<TJsonDTO>(new TRetorno)
                              << QByteArray(R"({"mensagem":"","statuscode":0})");
    QTest::newRow("TConfiguracao, emitter sixth")
        << QSharedPointer<TJsonDTO>(new TConfiguracao)
        << QByteArray(R"({"alteracaoprecobalcao":false,"alterarprecoprodutodispositivo":false,)"
                      R"("atualizarcadastroclientevarelo":false,)"
                      R"("camposfacultativoscadastroclienteordixmobile":false,)"
                      R"("clienteporvendedor":false,"cnpjcpf_emitente":"",)"
                      R"("exibirestoquedispositivo":false,"exportaprodutonegativo":false,)"
                      R"("exportarimagemprodutoordix":false,)"
                      R"("ultilizardadoscontratuaiscadastrocliente":false,)"
                      R"("ultilizarestoquenegativodispositovos":false,)"
                      R"("usarmetodoimagempasta":false,"utilizaracrescimoindividual":false,)"
                      R"("utilizarmultiplosprecospedidovenda":false,)"
                      R"("utilizarvalormaxdescontoporvendedorapppedido":false,)"
                      R"("utilizarvendedortabelapreco":false,"casasdecimaisquantidadeapp":0,)"
                      R"("ordixpesquisaprodutocodalternativo":false})");
    QTest::newRow("TListaCliente") << QSharedPointer<TJsonDTO>(new TListaCliente)
                                   << QByteArray(R"({"items":[],"data":[],"current_page":0,)"
                                                 R"("last_page":0,"total":0})");
    QTest::newRow("TListaConfiguracao")
        << QSharedPointer<TJsonDTO>(new TListaConfiguracao) << QByteArray(R"({"items":[]})");
}

void TstEscrita::objetosVazios() {
    QFETCH(QSharedPointer<TJsonDTO>, objeto);
    QFETCH(QByteArray, esperado);
    QCOMPARE(objeto->AsJsonUtf8(), esperado);
}

void TstEscrita::numeros_data() {
    QTest::addColumn<double>("valor");
    QTest::addColumn<QByteArray>("texto");
    QTest::newRow("whole") << 100.0 << QByteArray("100");
    QTest::newRow("negative whole") << -42.0 << QByteArray("-42");
    QTest::newRow("zero") << 0.0 << QByteArray("0");
    QTest::newRow("negative zero") << -0.0 << QByteArray("0");
    QTest::newRow("0.1 + 0.2") << (0.1 + 0.2) << QByteArray("0.3");
    QTest::newRow("two places") << 48.75 << QByteArray("48.75");
    QTest::newRow("1E-5") << 0.00001 << QByteArray("1E-5");
    QTest::newRow("0.0001 stays positional") << 0.0001 << QByteArray("0.0001");
    QTest::newRow("small with digits") << -0.000025 << QByteArray("-2.5E-5");
    QTest::newRow("15 digits") << 123456789.123456789 << QByteArray("123456789.123457");
    QTest::newRow("largest positional") << 999999999999999.0 << QByteArray("999999999999999");
    QTest::newRow("1E15") << 1e15 << QByteArray("1E15");
    QTest::newRow("large with digits") << 1.25e20 << QByteArray("1.25E20");
    QTest::newRow("rounded up to a power") << 999999999999999.6 << QByteArray("1E15");
    QTest::newRow("two thirds") << 2.0 / 3.0 << QByteArray("0.666666666666667");
    QTest::newRow("max") << std::numeric_limits<double>::max()
                         << QByteArray("1.79769313486232E308");
    QTest::newRow("denormal") << 4.9406564584124654e-324 << QByteArray("4.94065645841247E-324");
    // No JSON text exists for these; 0 keeps the body valid.
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << QByteArray("0");
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << QByteArray("0");
}

void TstEscrita::numeros() {
    QFETCH(double, valor);
    QFETCH(QByteArray, texto);
    QCOMPARE(TextoReal(valor), texto);
    TVinculoProdutoCfop v; // written inside its list, under the parent's rules
    TListaVinculoProdutoCfop lista;
    lista.Items.Novo()->Mva = valor;
    QVERIFY(lista.AsJsonUtf8().contains(",\"mva\":" + texto + ",\"ufemissao\""));
}

void TstEscrita::textos_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("c cedilla and solidus")
        << QString::fromUtf8("a\xC3\xA7\xC3\xA3o/x") << QByteArray(R"("a\u00E7\u00E3o\/x")");
    QTest::newRow("named escapes")
        << QStringLiteral("\b\t\n\f\r\"\\") << QByteArray(R"("\b\t\n\f\r\"\\")");
    QTest::newRow("other controls")
        << QString(QChar(1)) + QChar(0x1F) + QChar(0) << QByteArray(R"("\u0001\u001F\u0000")");
    QTest::newRow("DEL stays, 128 escapes")
        << QString(QChar(0x7F)) + QChar(0x80) << QByteArray("\"\x7F\\u0080\"");
    QTest::newRow("upper-case hex") << QString(QChar(0xFEFF)) << QByteArray(R"("\uFEFF")");
    QTest::newRow("surrogate pair as two code units")
        << QString::fromUtf8("\xF0\x9F\x98\x80") << QByteArray(R"("\uD83D\uDE00")");
    QTest::newRow("printable ASCII unchanged")
        << QStringLiteral("Rua 7 de Setembro, 100 - sala {1} [a] 'b' ~")
        << QByteArray(R"("Rua 7 de Setembro, 100 - sala {1} [a] 'b' ~")");
    QTest::newRow("empty") << QString() << QByteArray(R"("")");
}

void TstEscrita::textos() {
    QFETCH(QString, texto);
    QFETCH(QByteArray, json);
    TRetorno r;
    r.Mensagem = texto;
    r.StatusCode = 200;
    QCOMPARE(r.AsJsonUtf8(), "{\"mensagem\":" + json + ",\"statuscode\":200}");
    // Read back, the text is the same.
    TRetorno lido;
    lido.SetAsJson(r.AsJson());
    QCOMPARE(lido.Mensagem, texto);
}

void TstEscrita::datas_data() {
    QTest::addColumn<double>("valor");
    QTest::addColumn<QByteArray>("historico"); // THistoricoPedido.Datapedido: suppressed
    QTest::addColumn<QByteArray>("produto");   // TProduto.DataUltimoPedido: always a date
    const QByteArray zero = "1899-12-30T00:00:00.000Z";
    QTest::newRow("zero") << 0.0 << QByteArray() << zero;
    QTest::newRow("5 March 2024 10:00")
        << EncodeDateTime(QDate(2024, 3, 5), QTime(10, 0)) << QByteArray("2024-03-05T10:00:00.000Z")
        << QByteArray("2024-03-05T10:00:00.000Z");
    QTest::newRow("milliseconds") << 45356.5 + 1.0 / 86400000
                                  << QByteArray("2024-03-05T12:00:00.001Z")
                                  << QByteArray("2024-03-05T12:00:00.001Z");
    QTest::newRow("last millisecond")
        << EncodeDateTime(QDate(2024, 2, 29), QTime(23, 59, 59, 999))
        << QByteArray("2024-02-29T23:59:59.999Z") << QByteArray("2024-02-29T23:59:59.999Z");
    QTest::newRow("before 1899: the fraction still adds time")
        << -1.5 << QByteArray("1899-12-29T12:00:00.000Z") << QByteArray("1899-12-29T12:00:00.000Z");
    QTest::newRow("first day") << EncodeDateTime(QDate(1, 1, 1))
                               << QByteArray("0001-01-01T00:00:00.000Z")
                               << QByteArray("0001-01-01T00:00:00.000Z");
}

void TstEscrita::datas() {
    QFETCH(double, valor);
    QFETCH(QByteArray, historico);
    QFETCH(QByteArray, produto);
    TListaHistoricoPedido lista;
    lista.Items.Novo()->Datapedido = valor;
    QVERIFY(lista.AsJsonUtf8().contains("\"datapedido\":\"" + historico + "\",\"deletado\""));
    TProduto p;
    p.DataUltimoPedido = valor;
    QVERIFY(p.AsJsonUtf8().endsWith("\"dataultimopedido\":\"" + produto + "\"}"));

    // A date with no four-digit year has no text: an error, not a broken body.
    TProduto fora;
    fora.DataUltimoPedido = 1e7;
    QVERIFY(!ErroJson([&] { fora.AsJson(); }).isNull());
}

void TstEscrita::listas() {
    TListaVendedor vendedores;
    TVendedor* v = vendedores.Items.Novo();
    v->CnpjcpfEmitente = "1";
    v->Codfuncionario = 2;
    v->Codvendedor = 3;
    v->Nome = "Ana";
    v->Ultilizarmultiplosprecostabelapreco = true;
    v->Valormaxdesconto = 12.5;
    v->Versao = 4;
    vendedores.Items.Novo();
    QCOMPARE(
        vendedores.AsJsonUtf8(),
        QByteArray(R"({"items":[{"cnpjcpf_emitente":"1","codfuncionario":2,"codvendedor":3,)"
                   R"("deletado":false,"nome":"Ana","ultilizarmultiplosprecostabelapreco":true,)"
                   R"("valormaxdesconto":12.5,"versao":4},)"
                   R"({"cnpjcpf_emitente":"","codfuncionario":0,"codvendedor":0,)"
                   R"("deletado":false,"nome":"","ultilizarmultiplosprecostabelapreco":false,)"
                   R"("valormaxdesconto":0,"versao":0}]})"));

    TListaGrupo grupos;
    TGrupo* g = grupos.Items.Novo();
    g->Codgrupo = 1;
    g->Nomegrupo = "Bebidas";
    g->Deletado = true;
    QCOMPARE(grupos.AsJsonUtf8(),
             QByteArray(R"({"items":[{"cnpjcpf_emitente":"","codgrupo":1,"codsetor":0,)"
                        R"("nomegrupo":"Bebidas","versao":0,"deletado":true}],"data":[],)"
                        R"("current_page":0,"last_page":0,"total":0})"));

    // "data" holds what was put into Data; the page numbers as set.
    TListaMarca marcas;
    marcas.Data.Novo()->Codmarca = 9;
    marcas.CurrentPage = 1;
    marcas.LastPage = 2;
    marcas.Total = 3;
    QCOMPARE(marcas.AsJsonUtf8(),
             QByteArray(R"({"items":[],"data":[{"cnpjcpf_emitente":"","codmarca":9,)"
                        R"("marcadescricao":"","versao":0,"deletado":false}],)"
                        R"("current_page":1,"last_page":2,"total":3})"));

    TListaFuncionario funcionarios;
    TFuncionario* f = funcionarios.Items.Novo();
    f->Senha = "s3nh@/\"x\"";
    QCOMPARE(funcionarios.AsJsonUtf8(),
             QByteArray(R"({"items":[{"cnpjcpf_emitente":"","codfuncionario":0,"deletado":false,)"
                        R"("nome":"","senha":"s3nh@\/\"x\"","usuario":"","versao":0}]})"));

    TListaTabelaPreco tabelas;
    TTabelaPreco* t = tabelas.Items.Novo();
    t->Preco = 9.9;
    t->Precominimo = 8.5;
    QCOMPARE(tabelas.AsJsonUtf8(),
             QByteArray(R"({"items":[{"cnpjcpf_emitente":"","codproduto":0,"codtabelapreco":0,)"
                        R"("codtabpreco":0,"deletado":false,"descricao":"","preco":9.9,)"
                        R"("precofaccao":0,"precominimo":8.5,"regiao":"","versao":0}],"data":[],)"
                        R"("current_page":0,"last_page":0,"total":0})"));

    TListaTabelaPrecoVendedor tpv;
    tpv.Items.Novo()->Codtabelaprecovendedor = 6;
    QCOMPARE(
        tpv.AsJsonUtf8(),
        QByteArray(R"({"items":[{"cnpjcpf_emitente":"","codtabelapreco":0,)"
                   R"("codtabelaprecovendedor":6,"codvendedor":0,"deletado":false,"versao":0}],)"
                   R"("data":[],"current_page":0,"last_page":0,"total":0})"));

    TListaHistoricoPedido historico;
    THistoricoPedido* h = historico.Items.Novo();
    h->Codprodutopedidovenda = 15;
    h->Quantidade = 2.5;
    h->IdNuvem = 3;
    QCOMPARE(historico.AsJsonUtf8(),
             QByteArray(R"({"items":[{"cnpjcpf_emitente":"","codcliente":0,"codpedidovenda":0,)"
                        R"("codproduto":0,"codprodutopedidovenda":15,"codvendedor":0,)"
                        R"("datapedido":"","deletado":false,"quantidade":2.5,)"
                        R"("valortotalpedido":0,"valortotalprodutos":0,"valorunitario":0,)"
                        R"("versao":0,"idnuvem":3}],"data":[],"current_page":0,"last_page":0,)"
                        R"("total":0})"));

    TListaFormaPagamento formas;
    formas.Items.Novo()->Parcelas = 3;
    QCOMPARE(formas.AsJsonUtf8(),
             QByteArray(R"({"items":[{"cnpjcpf_emitente":"","codformapagamento":0,)"
                        R"("descricao":"","tipotratamento":"","versao":0,"deletado":false,)"
                        R"("intervalo":0,"parcelas":3}],"data":[],"current_page":0,)"
                        R"("last_page":0,"total":0})"));

    TListaConfiguracao configuracoes;
    configuracoes.Items.Novo()->Casasdecimaisquantidadeapp = 3;
    QVERIFY(configuracoes.AsJsonUtf8().startsWith(R"({"items":[{"alteracaoprecobalcao":false,)"));
    QVERIFY(configuracoes.AsJsonUtf8().endsWith(
        R"("casasdecimaisquantidadeapp":3,"ordixpesquisaprodutocodalternativo":false}]})"));
}

void TstEscrita::corpoDoServico() {
    TAtualizaCodpedido a;
    a.CodPedido = 1520;
    a.IdNuvem = 88;
    a.CnpjcpfEmitente = "12.345.678/0001-90";
    QCOMPARE(
        a.AsJsonUtf8(),
        QByteArray(R"({"codpedido":1520,"idnuvem":88,"cnpjcpf_emitente":"12.345.678\/0001-90"})"));

    TAtualizaCliente c;
    c.CnpjcpfEmitente = "1";
    c.Codcliente = 31;
    QCOMPARE(c.AsJsonUtf8(), QByteArray(R"({"cnpjcpf_emitente":"1","codcliente":31,"id":0})"));

    TAttRequest r;
    r.CnpjcpfEmitente = "12.345.678/0001-90";
    QCOMPARE(r.AsJsonUtf8(), QByteArray(R"({"cnpjcpf_emitente":"12.345.678\/0001-90",)"
                                        R"("last_page":0,"page":0,"total":0,"versao":0})"));

    TEmitente e;
    e.Razaosocial = QString::fromUtf8("Padaria S\xC3\xA3o Jo\xC3\xA3o");
    e.Numero = "10A";
    QCOMPARE(e.AsJsonUtf8(), QByteArray(R"({"bairro":"","cnpjcpf":"","email":"","logradouro":"",)"
                                        R"("nomefantasia":"","numero":"10A",)"
                                        R"("razaosocial":"Padaria S\u00E3o Jo\u00E3o",)"
                                        R"("responsavel":"","telefone":""})"));
}

QTEST_APPLESS_MAIN(TstEscrita)
