// The reading rules: what each input does to an object, and what it refuses.
#include "tst_leitura.h"

#include "Dto.Cliente.h"
#include "Dto.Pedido.h"
#include "Dto.Vendedor.h"
#include "Dto.Versao.h"
#include "GoldenPedido.h"
#include "LancaErro.h"

#include <QtTest>

void TstLeitura::pedidoCompletoCampoACampo() {
    TListaPedido lista;
    lista.SetAsJsonUtf8("[" + PedidoComoServicoEnvia() + "]");
    QCOMPARE(lista.Items.Count(), 1);
    const TPedido& p = *lista.Items[0];
    QCOMPARE(p.Acrescimo, 1.5);
    QCOMPARE(p.CnpjcpfEmitente, QStringLiteral("12.345.678/0001-90"));
    QCOMPARE(p.Codcliente, 31);
    QCOMPARE(p.Codformapagamento, 2);
    QCOMPARE(p.Codpedidovenda, 1520);
    QCOMPARE(p.Codvendedor, 4);
    QCOMPARE(p.Condicional, QStringLiteral("N"));
    QCOMPARE(p.Dataentrega, 0.0);
    QCOMPARE(p.Datapedido, EncodeDateTime(QDate(2024, 3, 5)));
    QCOMPARE(p.Desconto, 2.25);
    QCOMPARE(p.DescontoPerc, 0.5);
    QCOMPARE(p.Horapedido, EncodeDateTime(QDate(2024, 3, 5), QTime(14, 30, 15, 250)));
    QCOMPARE(p.Idapp, 12);
    QCOMPARE(p.Idcliente, 77);
    QCOMPARE(p.Observacao, QString::fromUtf8("Entregar ap\xC3\xB3s 14h / port\xC3\xA3o"));
    QCOMPARE(p.Razaosocialnome, QString::fromUtf8("Padaria S\xC3\xA3o Jo\xC3\xA3o Ltda"));
    QCOMPARE(p.Stpedido, true);
    QCOMPARE(p.Valortotalpedido, 100.25);
    QCOMPARE(p.ValorST, 0.75);
    QCOMPARE(p.QtdProduto, 2);
    QCOMPARE(p.QtdTotal, 3.5);
    QCOMPARE(p.IdNuvem, 88);
    QCOMPARE(p.NomeVendedor, QString::fromUtf8("Jos\xC3\xA9"));

    QVERIFY(p.Cliente());
    QCOMPARE(p.Cliente()->Codcidade, 3550308);
    QCOMPARE(p.Cliente()->Nomecidade, QString::fromUtf8("S\xC3\xA3o Paulo"));
    QCOMPARE(p.Cliente()->Exibirnodispositivo, true);
    QCOMPARE(p.Cliente()->ID, 77);
    QVERIFY(p.FormaPagamento());
    QCOMPARE(p.FormaPagamento()->Descricao, QStringLiteral("Boleto 30/60"));
    QCOMPARE(p.FormaPagamento()->Parcelas, 2);

    QCOMPARE(p.Produtos.Count(), 2);
    const TProdutoPedido& l1 = *p.Produtos[0];
    QCOMPARE(l1.Codproduto, 101);
    QCOMPARE(l1.Descontoitem, 1.25);
    QCOMPARE(l1.Id, 5);
    QCOMPARE(l1.PrecoAlterado, true);
    QVERIFY(l1.Produto());
    QCOMPARE(l1.Produto()->Descricao, QString::fromUtf8("P\xC3\xA3o franc\xC3\xAAs"));
    QCOMPARE(l1.Produto()->Pesoparacalculo, 0.05);
    QCOMPARE(l1.Produto()->GetCodigos(), QStringLiteral("789, 123"));
    QVERIFY(l1.Produto()->AliquotaST());
    QCOMPARE(l1.Produto()->AliquotaST()->Ufemissao, QStringLiteral("SP"));
    QCOMPARE(l1.Produto()->DataUltimoPedido,
             EncodeDateTime(QDate(2024, 2, 29), QTime(23, 59, 59, 999)));
    const TProdutoPedido& l2 = *p.Produtos[1];
    QCOMPARE(l2.Observacaoitem, QString::fromUtf8("sem a\xC3\xA7\xC3\xBA"
                                                  "car"));
    QCOMPARE(l2.Outros, 1);
    QVERIFY(l2.Produto());
    QVERIFY(!l2.Produto()->AliquotaST());
    QCOMPARE(l2.Produto()->DataUltimoPedido, 0.0);
    QCOMPARE(l2.Produto()->CodigodeBarras.Count(), 1);

    QCOMPARE(p.ProdutosExcluir.Count(), 1);
    QCOMPARE(p.ProdutosExcluir[0]->id, 7);
    QCOMPARE(p.Parcelas.Count(), 2);
    QCOMPARE(p.Parcelas[1]->Datavencimento, EncodeDateTime(QDate(2024, 5, 4)));
    QCOMPARE(p.Parcelas[1]->Valorparcela, 50.12);
    QCOMPARE(p.Parcelas[1]->Indice, 1);

    // Written again, it is the golden text (with the keys as they are written).
    QCOMPARE(p.AsJsonUtf8(), PedidoGolden());

    // Read back from what the writer gives, the two lists spelled differently are dropped.
    TPedido relido;
    relido.SetAsJsonUtf8(PedidoGolden());
    QCOMPARE(relido.Produtos.Count(), 2);
    QCOMPARE(relido.ProdutosExcluir.Count(), 0);
    QCOMPARE(relido.Produtos[0]->Produto()->CodigodeBarras.Count(), 0);
    QCOMPARE(relido.Parcelas.Count(), 2);
}

// Texts that are no object: invalid JSON and null change nothing, a scalar is an error.
void TstLeitura::entradasDeTopo_data() {
    QTest::addColumn<QByteArray>("texto");
    QTest::addColumn<QString>("erro");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("blanks") << QByteArray(" \r\n\t ") << QString();
    QTest::newRow("lone brace") << QByteArray("{") << QString();
    QTest::newRow("cut short") << QByteArray(R"({"codpedidovenda":9,"idapp")") << QString();
    QTest::newRow("trailing text") << QByteArray(R"({"codpedidovenda":9} x)") << QString();
    QTest::newRow("two values") << QByteArray(R"({"codpedidovenda":9}{})") << QString();
    QTest::newRow("single quotes") << QByteArray("{'codpedidovenda':9}") << QString();
    QTest::newRow("trailing comma") << QByteArray(R"({"codpedidovenda":9,})") << QString();
    QTest::newRow("HTML error page") << QByteArray("<html>502</html>") << QString();
    QTest::newRow("null") << QByteArray("null") << QString();
    QTest::newRow("array into a class without Items")
        << QByteArray(R"([{"codpedidovenda":9}])") << QString();
    const QString naoObjeto = QStringLiteral("The input value is not a valid Object");
    QTest::newRow("number") << QByteArray("42") << naoObjeto;
    QTest::newRow("string") << QByteArray(R"("x")") << naoObjeto;
    QTest::newRow("true") << QByteArray("true") << naoObjeto;
    QTest::newRow("false with blanks") << QByteArray(" false ") << naoObjeto;
}

void TstLeitura::entradasDeTopo() {
    QFETCH(QByteArray, texto);
    QFETCH(QString, erro);
    TPedido p;
    p.Codpedidovenda = 5;
    p.Produtos.Novo()->Codproduto = 3;
    const QByteArray antes = p.AsJsonUtf8();
    QString obtido;
    try {
        p.SetAsJsonUtf8(texto);
    } catch (const EJsonDTO& e) {
        obtido = e.Mensagem();
    }
    QCOMPARE(obtido, erro);
    QCOMPARE(p.AsJsonUtf8(), antes);
}

// What a key reaches in a TPedido (Codpedidovenda starts at 5, Cliente absent).
void TstLeitura::chaves_data() {
    QTest::addColumn<QByteArray>("texto");
    QTest::addColumn<int>("codpedidovenda");
    QTest::addColumn<bool>("temCliente");
    QTest::addColumn<bool>("erro");
    QTest::newRow("exact key") << QByteArray(R"({"codpedidovenda":9})") << 9 << false << false;
    QTest::newRow("key in another case is ignored")
        << QByteArray(R"({"Codpedidovenda":9,"CODPEDIDOVENDA":8})") << 5 << false << false;
    QTest::newRow("member name is no key")
        << QByteArray(R"({"FCodpedidovenda":9})") << 5 << false << false;
    QTest::newRow("unknown keys ignored, any value")
        << QByteArray(R"({"x":[1,{"y":[]}],"z":{"a":1},"w":"t","codpedidovenda":9})") << 9 << false
        << false;
    QTest::newRow("cliente") << QByteArray(R"({"cliente":{"codcliente":1}})") << 5 << true << false;
    QTest::newRow("Cliente") << QByteArray(R"({"Cliente":{}})") << 5 << true << false;
    QTest::newRow("CLIENTE") << QByteArray(R"({"CLIENTE":{}})") << 5 << true << false;
    QTest::newRow("fcliente is no name") << QByteArray(R"({"fcliente":{}})") << 5 << false << false;
    QTest::newRow("later member wins")
        << QByteArray(R"({"codpedidovenda":9,"codpedidovenda":7})") << 7 << false << false;
    QTest::newRow("options: object ignored")
        << QByteArray(R"({"options":{"a":1},"codpedidovenda":9})") << 9 << false << false;
    QTest::newRow("options: null ignored")
        << QByteArray(R"({"Options":null})") << 5 << false << false;
    QTest::newRow("options: string") << QByteArray(R"({"options":"x"})") << 5 << false << true;
    QTest::newRow("options: number") << QByteArray(R"({"OPTIONS":1})") << 5 << false << true;
    QTest::newRow("options: array") << QByteArray(R"({"options":[]})") << 5 << false << true;
    QTest::newRow("array for a number")
        << QByteArray(R"({"codpedidovenda":[1]})") << 5 << false << true;
    QTest::newRow("object for a number is ignored")
        << QByteArray(R"({"codpedidovenda":{"a":1}})") << 5 << false << false;
    QTest::newRow("null for a number")
        << QByteArray(R"({"codpedidovenda":null})") << 0 << false << false;
    QTest::newRow("true for a number")
        << QByteArray(R"({"codpedidovenda":true})") << 1 << false << false;
    QTest::newRow("number for a nested object")
        << QByteArray(R"({"cliente":1})") << 5 << false << true;
    QTest::newRow("array for a nested object")
        << QByteArray(R"({"cliente":[]})") << 5 << false << true;
}

void TstLeitura::chaves() {
    QFETCH(QByteArray, texto);
    QFETCH(int, codpedidovenda);
    QFETCH(bool, temCliente);
    QFETCH(bool, erro);
    TPedido p;
    p.Codpedidovenda = 5;
    bool lancou = false;
    try {
        p.SetAsJsonUtf8(texto);
    } catch (const EJsonDTO&) {
        lancou = true;
    }
    QCOMPARE(lancou, erro);
    QCOMPARE(p.Codpedidovenda, codpedidovenda);
    QCOMPARE(p.Cliente() != nullptr, temCliente);
}

// Lists of a TPedido that already holds one line in Produtos and one in ProdutosExcluir.
void TstLeitura::listas_data() {
    QTest::addColumn<QByteArray>("texto");
    QTest::addColumn<int>("produtos");
    QTest::addColumn<int>("excluir");
    QTest::addColumn<bool>("erro");
    QTest::newRow("three lines, no deleted member")
        << QByteArray(R"({"produtos":[{"codproduto":1},{"codproduto":2},{"codproduto":3}]})") << 3
        << 1 << false;
    QTest::newRow("produtosexcluir")
        << QByteArray(R"({"produtosexcluir":[{"id":1},{"id":2}]})") << 1 << 2 << false;
    QTest::newRow("produtosExcluir as written is dropped")
        << QByteArray(R"({"produtosExcluir":[{"id":1},{"id":2}]})") << 1 << 1 << false;
    QTest::newRow("Produtos by name is dropped")
        << QByteArray(R"({"Produtos":[{"codproduto":1}]})") << 1 << 1 << false;
    QTest::newRow("list by name: null") << QByteArray(R"({"PRODUTOS":null})") << 1 << 1 << false;
    QTest::newRow("list by name: number") << QByteArray(R"({"Produtos":1})") << 1 << 1 << true;
    QTest::newRow("list by name: object") << QByteArray(R"({"Produtos":{}})") << 1 << 1 << true;
    QTest::newRow("null empties") << QByteArray(R"({"produtos":null})") << 0 << 1 << false;
    QTest::newRow("empty array") << QByteArray(R"({"produtos":[]})") << 0 << 1 << false;
    QTest::newRow("object for the array is ignored")
        << QByteArray(R"({"produtos":{"a":1}})") << 1 << 1 << false;
    QTest::newRow("string for the array") << QByteArray(R"({"produtos":"x"})") << 1 << 1 << true;
    QTest::newRow("null elements are left out")
        << QByteArray(R"({"produtos":[null,{"codproduto":1},null]})") << 1 << 1 << false;
    QTest::newRow("number element fails, list unchanged")
        << QByteArray(R"({"produtos":[{"codproduto":1},2]})") << 1 << 1 << true;
    QTest::newRow("array element fails") << QByteArray(R"({"produtos":[[]]})") << 1 << 1 << true;
    QTest::newRow("bad date in an element fails")
        << QByteArray(R"({"parcelas":[{"dataemissao":"x"}],"produtos":[]})") << 1 << 1 << true;
}

void TstLeitura::listas() {
    QFETCH(QByteArray, texto);
    QFETCH(int, produtos);
    QFETCH(int, excluir);
    QFETCH(bool, erro);
    TPedido p;
    p.Produtos.Novo()->Codproduto = 99;
    p.ProdutosExcluir.Novo()->id = 99;
    bool lancou = false;
    try {
        p.SetAsJsonUtf8(texto);
    } catch (const EJsonDTO&) {
        lancou = true;
    }
    QCOMPARE(lancou, erro);
    QCOMPARE(p.Produtos.Count(), produtos);
    QCOMPARE(p.ProdutosExcluir.Count(), excluir);
    for (const TProdutoPedido* l : p.Produtos)
        QVERIFY(l);
}

void TstLeitura::datas_data() {
    QTest::addColumn<QByteArray>("valor");      // JSON value for "datapedido" / "dataultimopedido"
    QTest::addColumn<QDateTime>("esperado");    // invalid: zero
    QTest::addColumn<QString>("erroSuprimido"); // TPedido.Datapedido
    QTest::addColumn<QString>("erroComum");     // TProduto.DataUltimoPedido
    const QDateTime d0305(QDate(2024, 3, 5), QTime(0, 0));
    auto dh = [](int h, int m, int s = 0, int ms = 0) {
        return QDateTime(QDate(2024, 3, 5), QTime(h, m, s, ms));
    };
    QTest::newRow("date") << QByteArray(R"("2024-03-05")") << d0305 << QString() << QString();
    QTest::newRow("date without hyphens")
        << QByteArray(R"("20240305")") << d0305 << QString() << QString();
    QTest::newRow("number text") << QByteArray("20240305") << d0305 << QString() << QString();
    QTest::newRow("written form") << QByteArray(R"("2024-03-05T10:11:12.345Z")")
                                  << dh(10, 11, 12, 345) << QString() << QString();
    QTest::newRow("hours only") << QByteArray(R"("2024-03-05T10")") << dh(10, 0) << QString()
                                << QString();
    QTest::newRow("hours and minutes")
        << QByteArray(R"("2024-03-05T10:30")") << dh(10, 30) << QString() << QString();
    QTest::newRow("no colons") << QByteArray(R"("20240305T101112")") << dh(10, 11, 12) << QString()
                               << QString();
    QTest::newRow("long fraction") << QByteArray(R"("2024-03-05T10:11:12.3456789")")
                                   << dh(10, 11, 12, 345) << QString() << QString();
    QTest::newRow("short fraction") << QByteArray(R"("2024-03-05T10:11:12.5")")
                                    << dh(10, 11, 12, 500) << QString() << QString();
    QTest::newRow("offset -03:00")
        << QByteArray(R"("2024-03-05T10:00:00-03:00")") << dh(13, 0) << QString() << QString();
    QTest::newRow("offset +03:00")
        << QByteArray(R"("2024-03-05T14:00:00+03:00")") << dh(11, 0) << QString() << QString();
    QTest::newRow("offset +0530") << QByteArray(R"("2024-03-05T14:00:00+0530")") << dh(8, 30)
                                  << QString() << QString();
    QTest::newRow("offset hours only")
        << QByteArray(R"("2024-03-05T14:00-02")") << dh(16, 0) << QString() << QString();
    QTest::newRow("offset crosses the day")
        << QByteArray(R"("2024-03-05T22:00:00-03:00")") << QDateTime(QDate(2024, 3, 6), QTime(1, 0))
        << QString() << QString();
    QTest::newRow("offset crosses back before 1899-12-30")
        << QByteArray(R"("1899-12-30T01:00:00+03:00")")
        << QDateTime(QDate(1899, 12, 29), QTime(22, 0)) << QString() << QString();
    QTest::newRow("Z") << QByteArray(R"("2024-03-05T10:00:00Z")") << dh(10, 0) << QString()
                       << QString();
    QTest::newRow("null leaves the value")
        << QByteArray("null") << QDateTime() << QString() << QString();
    const QString vazioInvalido = QStringLiteral("Invalid date string: ");
    QTest::newRow("empty") << QByteArray(R"("")") << QDateTime() << QString() << vazioInvalido;
    const QString branco = QStringLiteral("Invalid date string: 2024-03-05 10:00:00");
    QTest::newRow("blank instead of T")
        << QByteArray(R"("2024-03-05 10:00:00")") << QDateTime() << branco << branco;
    const QString data = QStringLiteral("Invalid date string: 2024-02-30");
    QTest::newRow("no such day") << QByteArray(R"("2024-02-30")") << QDateTime() << data << data;
    const QString meio = QStringLiteral("Invalid date string: 2024-0305");
    QTest::newRow("mixed hyphens") << QByteArray(R"("2024-0305")") << QDateTime() << meio << meio;
    const QString hora = QStringLiteral("Invalid time string: 2024-03-05T25:00");
    QTest::newRow("hour 25") << QByteArray(R"("2024-03-05T25:00")") << QDateTime() << hora << hora;
    const QString vaziaT = QStringLiteral("Invalid time string: 2024-03-05T");
    QTest::newRow("T without time")
        << QByteArray(R"("2024-03-05T")") << QDateTime() << vaziaT << vaziaT;
    const QString fr = QStringLiteral("Invalid time string: 2024-03-05T10:00.5");
    QTest::newRow("fraction without seconds")
        << QByteArray(R"("2024-03-05T10:00.5")") << QDateTime() << fr << fr;
    const QString zona = QStringLiteral("Invalid time Offset string: 2024-03-05T10:00:00+3");
    QTest::newRow("one-digit offset")
        << QByteArray(R"("2024-03-05T10:00:00+3")") << QDateTime() << zona << zona;
    const QString zz = QStringLiteral("Invalid time Offset string: 2024-03-05T10:00:00ZZ");
    QTest::newRow("ZZ") << QByteArray(R"("2024-03-05T10:00:00ZZ")") << QDateTime() << zz << zz;
    const QString antes = QStringLiteral("Invalid date string: 0001-01-01T00:30+01:00");
    QTest::newRow("offset before year 1")
        << QByteArray(R"("0001-01-01T00:30+01:00")") << QDateTime() << antes << antes;
    QTest::newRow("offset to the last day")
        << QByteArray(R"("9999-12-31T20:00-03:00")") << QDateTime(QDate(9999, 12, 31), QTime(23, 0))
        << QString() << QString();
    const QString depois = QStringLiteral("Invalid date string: 9999-12-31T22:00-03:00");
    QTest::newRow("offset after year 9999")
        << QByteArray(R"("9999-12-31T22:00-03:00")") << QDateTime() << depois << depois;
    const QString naoTexto = QStringLiteral("Invalid JSON value for TPedido.Datapedido");
    QTest::newRow("true") << QByteArray("true") << QDateTime() << naoTexto
                          << QStringLiteral("Invalid JSON value for TProduto.DataUltimoPedido");
    QTest::newRow("object") << QByteArray("{}") << QDateTime() << naoTexto
                            << QStringLiteral("Invalid JSON value for TProduto.DataUltimoPedido");
}

void TstLeitura::datas() {
    QFETCH(QByteArray, valor);
    QFETCH(QDateTime, esperado);
    QFETCH(QString, erroSuprimido);
    QFETCH(QString, erroComum);
    const TDateTime e = esperado.isValid() ? DataHoraParaTDateTime(esperado) : 0;

    TPedido p;
    QString erro;
    try {
        p.SetAsJsonUtf8("{\"datapedido\":" + valor + "}");
    } catch (const EJsonDTO& x) {
        erro = x.Mensagem();
    }
    QCOMPARE(erro, erroSuprimido);
    QCOMPARE(p.Datapedido, e);

    TProduto produto;
    erro.clear();
    try {
        produto.SetAsJsonUtf8("{\"dataultimopedido\":" + valor + "}");
    } catch (const EJsonDTO& x) {
        erro = x.Mensagem();
    }
    QCOMPARE(erro, erroComum);
    QCOMPARE(produto.DataUltimoPedido, e);

    // What was read is written back as read (in UTC, as the reader stored it).
    if (erroSuprimido.isEmpty() && esperado.isValid()) {
        const QByteArray texto = TextoDataHora(e);
        QCOMPARE(LeDataHoraISO8601(QString::fromLatin1(texto)), e);
    }
}

// Into TCliente: Codcidade (Integer), Acrescimoindividual (Double), Numero (text),
// Inativo (Boolean).
void TstLeitura::numerosETextos_data() {
    QTest::addColumn<QByteArray>("valor");
    QTest::addColumn<int>("inteiro");
    QTest::addColumn<double>("real");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("booleano");
    QTest::newRow("12") << QByteArray("12") << 12 << 12.0 << "12" << true;
    QTest::newRow("12.5: no integer") << QByteArray("12.5") << 0 << 12.5 << "12.5" << true;
    QTest::newRow("1.50 keeps its text") << QByteArray("1.50") << 0 << 1.5 << "1.50" << true;
    QTest::newRow("-7") << QByteArray("-7") << -7 << -7.0 << "-7" << true;
    QTest::newRow("exponent") << QByteArray("1E2") << 0 << 100.0 << "1E2" << true;
    QTest::newRow("0") << QByteArray("0") << 0 << 0.0 << "0" << false;
    QTest::newRow("beyond 32 bits")
        << QByteArray("2147483648") << 0 << 2147483648.0 << "2147483648" << true;
    QTest::newRow("32-bit limit") << QByteArray("-2147483648") << int(-2147483648LL)
                                  << -2147483648.0 << "-2147483648" << true;
    QTest::newRow("large exponent") << QByteArray("1e300") << 0 << 1e300 << "1e300" << true;
    QTest::newRow("string number") << QByteArray(R"("15")") << 15 << 15.0 << "15" << true;
    QTest::newRow("string with comma") << QByteArray(R"("1,5")") << 0 << 0.0 << "1,5" << false;
    QTest::newRow("string with blank") << QByteArray(R"(" 15")") << 0 << 0.0 << " 15" << false;
    QTest::newRow("string letters") << QByteArray(R"("abc")") << 0 << 0.0 << "abc" << false;
    QTest::newRow("string true") << QByteArray(R"("TRUE")") << 0 << 0.0 << "TRUE" << true;
    QTest::newRow("string nan") << QByteArray(R"("nan")") << 0 << 0.0 << "nan" << false;
    QTest::newRow("string inf") << QByteArray(R"("inf")") << 0 << 0.0 << "inf" << false;
    QTest::newRow("true") << QByteArray("true") << 1 << 1.0 << "true" << true;
    QTest::newRow("false") << QByteArray("false") << 0 << 0.0 << "false" << false;
    QTest::newRow("null") << QByteArray("null") << 0 << 0.0 << "" << false;
    QTest::newRow("escapes") << QByteArray(R"("a\/b\u00e7\u00C7\n\"")") << 0 << 0.0
                             << QString::fromUtf8("a/b\xC3\xA7\xC3\x87\n\"") << false;
    QTest::newRow("surrogate pair") << QByteArray(R"("\uD83D\uDE00")") << 0 << 0.0
                                    << QString::fromUtf8("\xF0\x9F\x98\x80") << false;
    QTest::newRow("raw UTF-8") << QByteArray("\"S\xC3\xA3o\"") << 0 << 0.0
                               << QString::fromUtf8("S\xC3\xA3o") << false;
}

void TstLeitura::numerosETextos() {
    QFETCH(QByteArray, valor);
    QFETCH(int, inteiro);
    QFETCH(double, real);
    QFETCH(QString, texto);
    QFETCH(bool, booleano);
    TCliente c;
    c.Codcidade = 99;
    c.Acrescimoindividual = 99;
    c.Numero = "99";
    c.Inativo = !booleano;
    c.SetAsJsonUtf8("{\"codcidade\":" + valor + ",\"acrescimoindividual\":" + valor +
                    ",\"numero\":" + valor + ",\"inativo\":" + valor + "}");
    QCOMPARE(c.Codcidade, inteiro);
    QCOMPARE(c.Acrescimoindividual, real);
    QCOMPARE(c.Numero, texto);
    QCOMPARE(c.Inativo, booleano);
}

// A nested object that cannot be read is dropped without an error; the rest of the order
// is still read.
void TstLeitura::objetoAninhado_data() {
    QTest::addColumn<QByteArray>("cliente");
    QTest::addColumn<bool>("temCliente");
    QTest::addColumn<int>("codcliente");
    QTest::newRow("good") << QByteArray(R"({"codcliente":3,"nomecidade":"X"})") << true << 3;
    QTest::newRow("string for a number reads 0")
        << QByteArray(R"({"codcliente":"x"})") << true << 0;
    QTest::newRow("key in another case keeps the default")
        << QByteArray(R"({"Codcliente":3})") << true << 0;
    QTest::newRow("array for a text")
        << QByteArray(R"({"codcliente":3,"bairro":[]})") << false << 0;
    QTest::newRow("null") << QByteArray("null") << false << 0;
}

void TstLeitura::objetoAninhado() {
    QFETCH(QByteArray, cliente);
    QFETCH(bool, temCliente);
    QFETCH(int, codcliente);
    TPedido p;
    p.SetAsJsonUtf8(R"({"codcliente":8,"cliente":)" + cliente + R"(,"idnuvem":4})");
    QCOMPARE(p.Cliente() != nullptr, temCliente);
    if (temCliente)
        QCOMPARE(p.Cliente()->Codcliente, codcliente);
    QCOMPARE(p.Codcliente, 8); // the reader does not run the setter
    QCOMPARE(p.IdNuvem, 4);

    // A product whose date cannot be read costs only the line's product.
    TProdutoPedido linha;
    linha.SetAsJsonUtf8(R"({"codproduto":5,"produto":{"codproduto":5,"dataultimopedido":""}})");
    QVERIFY(!linha.Produto());
    QCOMPARE(linha.Codproduto, 5);
    linha.SetAsJsonUtf8(R"({"produto":{"codproduto":6,"dataultimopedido":null}})");
    QVERIFY(linha.Produto());
    QCOMPARE(linha.Produto()->Codproduto, 6);
    QCOMPARE(linha.Codproduto, 5);
    // Key "produto" must match exactly.
    TProdutoPedido outra;
    outra.SetAsJsonUtf8(R"({"Produto":{"codproduto":6}})");
    QVERIFY(!outra.Produto());
    // A second nested object replaces the first; a failing one keeps it.
    TPedido q;
    q.SetAsJsonUtf8(R"({"cliente":{"codcliente":1},"Cliente":{"codcliente":2},)"
                    R"("CLIENTE":{"codcliente":[3]}})");
    QVERIFY(q.Cliente());
    QCOMPARE(q.Cliente()->Codcliente, 2);
    // aliquotaST in any letter case.
    TProduto produto;
    produto.SetAsJsonUtf8(R"({"ALIQUOTAst":{"ufemissao":"RJ"}})");
    QVERIFY(produto.AliquotaST());
    QCOMPARE(produto.AliquotaST()->Ufemissao, QStringLiteral("RJ"));
}

void TstLeitura::falhaNoMeioGuardaOQueFoiLido() {
    TPedido p;
    QVERIFY_THROWS_EXCEPTION(EJsonDTO,
                             p.SetAsJsonUtf8(R"({"idapp":3,"produtos":[{"codproduto":1}],)"
                                             R"("horapedido":"10:00","idnuvem":9})"));
    QCOMPARE(p.Idapp, 3);
    QCOMPARE(p.Produtos.Count(), 1);
    QCOMPARE(p.IdNuvem, 0);
}

void TstLeitura::wrappers() {
    // From a top-level array: the objects land in Items.
    TListaPedido doArray;
    doArray.SetAsJsonUtf8(R"([{"idnuvem":1},{"idnuvem":2}])");
    QCOMPARE(doArray.Items.Count(), 2);
    QCOMPARE(doArray.Items[1]->IdNuvem, 2);

    // From an object: "Items" exactly, "data" and the three numbers.
    TListaPedido doObjeto;
    doObjeto.SetAsJsonUtf8(R"({"Items":[{"idnuvem":1}],"data":[{"idnuvem":5},{"idnuvem":6}],)"
                           R"("current_page":2,"last_page":3,"total":40})");
    QCOMPARE(doObjeto.Items.Count(), 1);
    QCOMPARE(doObjeto.Data.Count(), 2);
    QCOMPARE(doObjeto.CurrentPage, 2);
    QCOMPARE(doObjeto.LastPage, 3);
    QCOMPARE(doObjeto.Total, 40);

    // "items" as written is the list itself, found by name: dropped.
    TListaPedido minusculo;
    minusculo.SetAsJsonUtf8(R"({"items":[{"idnuvem":1}],"Data":[{"idnuvem":1}]})");
    QCOMPARE(minusculo.Items.Count(), 0);
    QCOMPARE(minusculo.Data.Count(), 0);

    // A plain wrapper from an array.
    TListaVendedor vendedores;
    vendedores.SetAsJsonUtf8(R"([{"nome":"A"},null,{"nome":"B"}])");
    QCOMPARE(vendedores.Items.Count(), 2);
    QCOMPARE(vendedores.Items[1]->Nome, QStringLiteral("B"));

    // An array with a scalar element is refused and the list keeps what it had.
    QVERIFY(!ErroJson([&] { vendedores.SetAsJsonUtf8(R"([{"nome":"C"},1])"); }).isNull());
    QCOMPARE(vendedores.Items.Count(), 2);

    // Reading again replaces the items.
    vendedores.SetAsJsonUtf8(R"([{"nome":"C"}])");
    QCOMPARE(vendedores.Items.Count(), 1);
    QCOMPARE(vendedores.Items[0]->Nome, QStringLiteral("C"));
}

void TstLeitura::versao() {
    TVersao v;
    v.SetAsJson(R"({"cliente":7,"Produto":3,"dispositivo":2,"cnpjcpf_emitente":"1\/2"})");
    QCOMPARE(v.Cliente, 7);
    QCOMPARE(v.Produto, 0);
    QCOMPARE(v.Dispositivo, 2);
    QCOMPARE(v.AsJsonUtf8(), QByteArray(R"({"emitente":0,"cnpjcpf_emitente":"1\/2","produto":0,)"
                                        R"("historicopedido":0,"codbarra":0,"funcionario":0,)"
                                        R"("tabelaprecovendedor":0,"formapagamento":0,"cliente":7,)"
                                        R"("produtosst":0,"vendedor":0,"tabelapreco":0,"marca":0,)"
                                        R"("dispositivo":2,"grupo":0})"));
}

QTEST_APPLESS_MAIN(TstLeitura)
