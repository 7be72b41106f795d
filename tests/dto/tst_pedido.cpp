// The order operations and their two-place rounding.
#include "tst_pedido.h"

#include "Dto.Pedido.h"

#include <cfenv>
#include <QtTest>
#include <stdexcept>

namespace {

std::unique_ptr<TProduto> Produto(int cod) {
    auto p = std::make_unique<TProduto>();
    p->Codproduto = cod;
    return p;
}

std::unique_ptr<TProdutoPedido> Linha(int cod, double qtd, double total, double st = 0,
                                      double desconto = 0) {
    auto l = std::make_unique<TProdutoPedido>();
    l->setProduto(Produto(cod));
    l->Quantidade = qtd;
    l->Valortotal = total;
    l->ValorST = st;
    l->Descontoitem = desconto;
    return l;
}

std::unique_ptr<TParcela> Parcela(int indice, double valor, TDateTime vencimento = 0) {
    auto p = std::make_unique<TParcela>();
    p->Indice = indice;
    p->Valorparcela = valor;
    p->Datavencimento = vencimento;
    return p;
}

} // namespace

void TstPedido::arredondamento_data() {
    QTest::addColumn<double>("valor");
    QTest::addColumn<double>("esperado");
    QTest::newRow("2.345 to the even neighbour") << 2.345 << 2.34;
    QTest::newRow("2.355 to the even neighbour") << 2.355 << 2.36;
    QTest::newRow("2.3451 beyond the half") << 2.3451 << 2.35;
    QTest::newRow("2.344") << 2.344 << 2.34;
    QTest::newRow("2.346") << 2.346 << 2.35;
    QTest::newRow("10.125") << 10.125 << 10.12;
    QTest::newRow("10.135") << 10.135 << 10.14;
    QTest::newRow("-2.345 keeps its sign") << -2.345 << -2.34;
    QTest::newRow("-10.135") << -10.135 << -10.14;
    QTest::newRow("-2.3451") << -2.3451 << -2.35;
    QTest::newRow("0.005") << 0.005 << 0.0;
    QTest::newRow("0.015") << 0.015 << 0.02;
    QTest::newRow("whole") << 7.0 << 7.0;
    QTest::newRow("two places already") << 1234.56 << 1234.56;
    QTest::newRow("tens digit carried") << 19.995 << 20.0;
    QTest::newRow("zero") << 0.0 << 0.0;
}

void TstPedido::arredondamento() {
    QFETCH(double, valor);
    QFETCH(double, esperado);
    QCOMPARE(ArredondaABNT(valor), esperado);
    // The caller's rounding mode does not change the result and comes back unchanged.
    std::fesetround(FE_UPWARD);
    const double r = ArredondaABNT(valor);
    const int modo = std::fegetround();
    std::fesetround(FE_TONEAREST);
    QCOMPARE(r, esperado);
    QCOMPARE(modo, FE_UPWARD);
}

void TstPedido::addProduto() {
    TPedido p;
    p.Idapp = 12;
    p.Codpedidovenda = 1520;
    p.Acrescimo = 2;
    p.Desconto = 1;
    p.AddProduto(Linha(1, 2, 20, 0.5));
    p.AddProduto(Linha(2, 3, 30));
    QCOMPARE(p.QtdProduto, 2);
    QCOMPARE(p.QtdTotal, 5.0);
    QCOMPARE(p.Produtos[0]->Idpedidoapp, 12);
    QCOMPARE(p.Produtos[0]->Codpedidovenda, 1520);
    QCOMPARE(p.Valortotalprodutos, 50.0);
    QCOMPARE(p.ValorST, 0.5);
    QCOMPARE(p.Valortotalpedido, 51.0);

    // The same product again: the line is replaced, the count kept, the quantity corrected.
    p.AddProduto(Linha(1, 5, 55));
    QCOMPARE(p.Produtos.Count(), 2);
    QCOMPARE(p.QtdProduto, 2);
    QCOMPARE(p.QtdTotal, 8.0);
    QCOMPARE(p.Produtos[0]->Quantidade, 5.0);
    QCOMPARE(p.Valortotalprodutos, 85.0);
    QCOMPARE(p.ValorST, 0.0);
    QCOMPARE(p.Valortotalpedido, 86.0);
}

void TstPedido::addProdutoSemProdutoOuVazio() {
    TPedido p;
    p.AddProduto(nullptr);
    QCOMPARE(p.QtdProduto, 0);
    QCOMPARE(p.Produtos.Count(), 0);
    // A line without a product is added as a new line.
    auto semProduto = std::make_unique<TProdutoPedido>();
    semProduto->Codproduto = 1;
    semProduto->Quantidade = 1;
    p.AddProduto(std::move(semProduto));
    p.AddProduto(Linha(1, 2, 0));
    QCOMPARE(p.Produtos.Count(), 1); // found by the product's code, replaced
    QCOMPARE(p.QtdProduto, 1);
    QCOMPARE(p.QtdTotal, 2.0);
}

void TstPedido::addParcela() {
    TPedido p;
    p.Idapp = 4;
    p.AddParcela(nullptr);
    QCOMPARE(p.Parcelas.Count(), 0);
    auto primeira = Parcela(0, 10, 100);
    primeira->Numero = 1;
    primeira->Id = 3;
    p.AddParcela(std::move(primeira));
    QCOMPARE(p.Parcelas.Count(), 1);
    QCOMPARE(p.Parcelas[0]->Idpedidoapp, 4);

    // Same Indice: only the two dates and the amount change; the argument stays the caller's.
    auto outra = Parcela(0, 20, 200);
    outra->Dataemissao = 150;
    outra->Numero = 9;
    outra->Id = 8;
    p.AddParcela(std::move(outra));
    QVERIFY(outra);
    QCOMPARE(outra->Idpedidoapp, 4);
    QCOMPARE(p.Parcelas.Count(), 1);
    const TParcela& q = *p.Parcelas[0];
    QCOMPARE(q.Valorparcela, 20.0);
    QCOMPARE(q.Datavencimento, 200.0);
    QCOMPARE(q.Dataemissao, 150.0);
    QCOMPARE(q.Numero, 1);
    QCOMPARE(q.Id, 3);
    QVERIFY(p.ParcelaExiste(outra.get()));

    p.AddParcela(Parcela(1, 5));
    QCOMPARE(p.Parcelas.Count(), 2);
}

void TstPedido::apagarProduto() {
    TPedido p;
    p.AddProduto(Linha(1, 2, 20));
    p.AddProduto(Linha(2, 3, 30));
    p.Produtos[1]->Id = 7;

    p.ApagarProduto(p.Produtos[0]); // Id 0: no marker
    QCOMPARE(p.ProdutosExcluir.Count(), 0);
    QCOMPARE(p.Produtos.Count(), 1);
    QCOMPARE(p.QtdProduto, 1);
    QCOMPARE(p.QtdTotal, 3.0);
    QCOMPARE(p.Valortotalprodutos, 50.0); // no new totals

    p.ApagarProduto(p.Produtos[0]); // Id 7
    QCOMPARE(p.ProdutosExcluir.Count(), 1);
    QCOMPARE(p.ProdutosExcluir[0]->AsJsonUtf8(), QByteArray(R"({"id":7})"));
    QCOMPARE(p.Produtos.Count(), 0);
    QCOMPARE(p.QtdProduto, 0);
    QCOMPARE(p.QtdTotal, 0.0);

    // A line the order does not hold still lowers the counters and stays its owner's.
    TProdutoPedido fora;
    fora.Quantidade = 1;
    p.ApagarProduto(&fora);
    QCOMPARE(p.QtdProduto, -1);
    QCOMPARE(p.QtdTotal, -1.0);
    p.ApagarProduto(nullptr);
    QCOMPARE(p.QtdProduto, -1);
}

void TstPedido::totais() {
    TPedido p;
    p.Desconto = 0;
    p.Produtos.Add(Linha(1, 1, 100, 0, 10.125));
    QCOMPARE(p.DescontoTotal(), 10.12);
    p.Produtos[0]->Descontoitem = 10.135;
    QCOMPARE(p.DescontoTotal(), 10.14);
    p.Produtos.Add(Linha(2, 1, 50, 0, 1));
    p.Desconto = 2;
    QCOMPARE(p.DescontoTotal(), 13.14); // 10.135 + 1 + 2 = 13.135
    p.Produtos[0]->Descontoitem = -10.135;
    p.Produtos[1]->Descontoitem = 0;
    p.Desconto = 0;
    QCOMPARE(p.DescontoTotal(), -10.14);

    TPedido q;
    q.Produtos.Add(Linha(1, 1, 90, 0, 5.5));
    q.Valortotalpedido = 84.005;
    q.Desconto = 0.5;
    QCOMPARE(q.ValorSemDesconto(), 90.0); // 84.005 + 5.5 + 0.5 = 90.005
    TPedido vazio;
    QCOMPARE(vazio.DescontoTotal(), 0.0);
    QCOMPARE(vazio.ValorSemDesconto(), 0.0);
}

void TstPedido::totalParcelas() {
    TPedido p;
    p.AddParcela(Parcela(0, 10));
    p.AddParcela(Parcela(1, 20));
    p.AddParcela(Parcela(2, 30.5));
    QCOMPARE(p.TotalParcelas(0), 60.5);
    QCOMPARE(p.TotalParcelas(1), 50.5);
    QCOMPARE(p.TotalParcelas(3), 0.0);
    QCOMPARE(p.TotalParcelas(10), 0.0);
    bool lancou = false;
    try {
        p.TotalParcelas(-1);
    } catch (const std::out_of_range&) {
        lancou = true;
    }
    QVERIFY(lancou);
}

void TstPedido::localiza() {
    TPedido p;
    p.AddProduto(Linha(1, 2, 20));
    p.AddProduto(Linha(2, 3, 30));
    auto um = Produto(2);
    auto nenhum = Produto(9);
    QCOMPARE(p.LocalizaProduto(um.get()), p.Produtos[1]);
    QVERIFY(p.ProdutoExiste(um.get()));
    QCOMPARE(p.QtdLancada(um.get()), 3.0);
    QVERIFY(!p.LocalizaProduto(nenhum.get()));
    QVERIFY(!p.ProdutoExiste(nenhum.get()));
    QCOMPARE(p.QtdLancada(nenhum.get()), 0.0);
    QVERIFY(!p.ProdutoExiste(nullptr));
    QVERIFY(!p.ParcelaExiste(nullptr));
}

void TstPedido::setters() {
    TPedido p;
    auto c = std::make_unique<TCliente>();
    c->Codcliente = 31;
    c->ID = 77;
    p.setCliente(std::move(c));
    QCOMPARE(p.Codcliente, 31);
    QCOMPARE(p.Idcliente, 77);
    p.setCliente(nullptr); // absent: the codes stay
    QVERIFY(!p.Cliente());
    QCOMPARE(p.Codcliente, 31);

    auto fp = std::make_unique<TFormaPagamento>();
    fp->Codformapagamento = 5;
    p.setFormaPagamento(std::move(fp));
    QCOMPARE(p.Codformapagamento, 5);
    p.setFormaPagamento(nullptr);
    QCOMPARE(p.Codformapagamento, 0);

    TProdutoPedido l;
    l.setProduto(Produto(44));
    QCOMPARE(l.Codproduto, 44);
    l.setProduto(nullptr);
    QCOMPARE(l.Codproduto, 44);
}

// Everything an order holds goes with it (the sanitizer build of this program checks that
// nothing leaks and nothing is freed twice).
void TstPedido::posseELiberacao() {
    auto lista = std::make_unique<TListaPedido>();
    lista->SetAsJson(
        R"([{"cliente":{"codcliente":1},"formapagamento":{"codformapagamento":2},)"
        R"("produtos":[{"produto":{"codigodebarras":[{"codigobarra":"1"}],"aliquotast":{}}},)"
        R"({"produto":{}}, {"produto":{"dataultimopedido":"x"}}],)"
        R"("parcelas":[{"indice":1}],"produtosexcluir":[{"id":1}]}])");
    QCOMPARE(lista->Items.Count(), 1);
    TPedido* p = lista->Items[0];
    QCOMPARE(p->Produtos.Count(), 3);
    QVERIFY(p->Produtos[0]->Produto()->AliquotaST());
    QVERIFY(!p->Produtos[2]->Produto());
    // Replacing nested objects and lines frees the old ones.
    p->setCliente(std::make_unique<TCliente>());
    p->AddProduto(Linha(0, 1, 1));
    p->Produtos.Replace(1, Linha(5, 1, 1));
    p->Produtos.Delete(0);
    QVERIFY_EXCEPTION_THROWN(p->Produtos.Delete(10), std::out_of_range);
    lista.reset();
}

QTEST_APPLESS_MAIN(TstPedido)
