#include "Dto.Pedido.h"

#include <cfenv>
#include <cmath>
#include <stdexcept>

namespace {

double SomaDescontosItens(const TLista<TProdutoPedido>& produtos) {
    double soma = 0;
    for (const TProdutoPedido* p : produtos)
        soma += p->Descontoitem;
    return soma;
}

} // namespace

double ArredondaABNT(double valor) {
    if (!std::isfinite(valor))
        return valor;
    // The digit arithmetic below assumes round-to-nearest; the caller's mode comes back after.
    const int modo = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double a = std::fabs(valor);
    const double t = std::trunc(a / 10);
    const double r = (a / 10 - t) * 10; // units digit and decimals
    // Nine decimal places, halves away from zero, so that 234.49999999999997 counts as 234.5.
    const double y = std::round(r * 100 * 1e9) / 1e9;
    double n = std::trunc(y);
    const double d = std::trunc((y - n) * 100); // the two digits after the second decimal
    if (d > 50) {
        n += 1;
    } else if (d == 50) {
        if (std::fmod(n, 2) != 0) {
            n += 1;
        } else {
            const double y10 = y * 10;
            if (y10 - std::trunc(y10) > 0.00001)
                n += 1;
        }
    }
    const double resultado = 10 * t + n / 100;
    std::fesetround(modo);
    return valor < 0 ? -resultado : resultado;
}

void TPedido::setCliente(std::unique_ptr<TCliente> valor) {
    FCliente = std::move(valor);
    if (FCliente) {
        Codcliente = FCliente->Codcliente;
        Idcliente = FCliente->ID;
    }
}

void TPedido::setFormaPagamento(std::unique_ptr<TFormaPagamento> valor) {
    FFormaPagamento = std::move(valor);
    Codformapagamento = FFormaPagamento ? FFormaPagamento->Codformapagamento : 0;
}

void TPedido::AddProduto(std::unique_ptr<TProdutoPedido> produto) {
    if (!produto)
        return;
    produto->Idpedidoapp = Idapp;
    produto->Codpedidovenda = Codpedidovenda;
    // The product's code says whether the product is on the order; the line's own code finds
    // the line to replace. When they disagree and no line matches, the line is added.
    int existente = -1;
    if (ProdutoExiste(produto->Produto())) {
        for (int i = 0; i < Produtos.Count(); ++i) {
            if (Produtos[i]->Codproduto == produto->Codproduto) {
                existente = i;
                break;
            }
        }
    }
    if (existente >= 0) {
        QtdTotal = QtdTotal - Produtos[existente]->Quantidade;
        QtdTotal = QtdTotal + produto->Quantidade;
        Produtos.Replace(existente, std::move(produto));
    } else {
        QtdProduto += 1;
        QtdTotal = QtdTotal + produto->Quantidade;
        Produtos.Add(std::move(produto));
    }
    TotalizaPedido();
}

void TPedido::AddParcela(std::unique_ptr<TParcela>&& parcela) {
    if (!parcela)
        return;
    parcela->Idpedidoapp = Idapp;
    for (TParcela* p : Parcelas) {
        if (p->Indice == parcela->Indice) {
            p->Dataemissao = parcela->Dataemissao;
            p->Datavencimento = parcela->Datavencimento;
            p->Valorparcela = parcela->Valorparcela;
            return;
        }
    }
    Parcelas.Add(std::move(parcela));
}

void TPedido::ApagarProduto(const TProdutoPedido* produto) {
    if (!produto)
        return;
    if (produto->Id > 0)
        ProdutosExcluir.Novo()->id = produto->Id;
    QtdTotal = QtdTotal - produto->Quantidade;
    Produtos.Remove(produto); // frees it when the order held it
    QtdProduto -= 1;
}

void TPedido::TotalizaPedido() {
    double total = 0;
    double st = 0;
    for (const TProdutoPedido* p : Produtos) {
        total += p->Valortotal;
        st += p->ValorST;
    }
    Valortotalprodutos = total;
    ValorST = st;
    Valortotalpedido = total + Acrescimo - Desconto;
}

double TPedido::DescontoTotal() const {
    return ArredondaABNT(SomaDescontosItens(Produtos) + Desconto);
}

double TPedido::ValorSemDesconto() const {
    return ArredondaABNT((Valortotalpedido + SomaDescontosItens(Produtos)) + Desconto);
}

double TPedido::TotalParcelas(int indice) const {
    if (indice < 0)
        throw std::out_of_range("List index out of bounds (" + std::to_string(indice) + ")");
    double soma = 0;
    for (int i = indice; i < Parcelas.Count(); ++i)
        soma += Parcelas[i]->Valorparcela;
    return soma;
}

TProdutoPedido* TPedido::LocalizaProduto(const TProduto* produto) const {
    if (!produto)
        return nullptr;
    for (TProdutoPedido* p : Produtos)
        if (p->Codproduto == produto->Codproduto)
            return p;
    return nullptr;
}

bool TPedido::ProdutoExiste(const TProduto* produto) const {
    return LocalizaProduto(produto) != nullptr;
}

bool TPedido::ParcelaExiste(const TParcela* parcela) const {
    if (!parcela)
        return false;
    for (const TParcela* p : Parcelas)
        if (p->Indice == parcela->Indice)
            return true;
    return false;
}

double TPedido::QtdLancada(const TProduto* produto) const {
    const TProdutoPedido* p = LocalizaProduto(produto);
    return p ? p->Quantidade : 0;
}

const TDescritor& TProdutoExcluir::DescritorClasse() {
    using C = TProdutoExcluir;
    static const TDescritor d =
        TConstrutorDescritor<C>("TProdutoExcluir", true).Inteiro("id", &C::id, "id").Fim();
    return d;
}

const TDescritor& TPedido::DescritorClasse() {
    using C = TPedido;
    static const TDescritor d =
        TConstrutorDescritor<C>("TPedido", true)
            .Real("Acrescimo", &C::Acrescimo, "acrescimo")
            .Real("AcrescimoPerc", &C::AcrescimoPerc, "acrescimoperc")
            .Texto("CnpjcpfEmitente", &C::CnpjcpfEmitente, "cnpjcpf_emitente")
            .Inteiro("Codcliente", &C::Codcliente, "codcliente")
            .Inteiro("Codformapagamento", &C::Codformapagamento, "codformapagamento")
            .Inteiro("Codpedidovenda", &C::Codpedidovenda, "codpedidovenda")
            .Inteiro("Codvendedor", &C::Codvendedor, "codvendedor")
            .Texto("Condicional", &C::Condicional, "condicional")
            .DataHora("Dataentrega", &C::Dataentrega, "dataentrega", true)
            .DataHora("Datapedido", &C::Datapedido, "datapedido", true)
            .Real("Desconto", &C::Desconto, "desconto")
            .Real("DescontoPerc", &C::DescontoPerc, "descontoperc")
            .Texto("Faturamento", &C::Faturamento, "faturamento")
            .DataHora("Horapedido", &C::Horapedido, "horapedido", true)
            .Inteiro("Idapp", &C::Idapp, "idapp")
            .Inteiro("Idcliente", &C::Idcliente, "idcliente")
            .Texto("Observacao", &C::Observacao, "observacao")
            .Texto("Razaosocialnome", &C::Razaosocialnome, "razaosocialnome")
            .Texto("Status", &C::Status, "status")
            .Booleano("Stpedido", &C::Stpedido, "stpedido")
            .Texto("Tipo", &C::Tipo, "tipo")
            .Booleano("Tipobonificacaoapp", &C::Tipobonificacaoapp, "tipobonificacaoapp")
            .Real("Valortotalpedido", &C::Valortotalpedido, "valortotalpedido")
            .Real("Valortotalprodutos", &C::Valortotalprodutos, "valortotalprodutos")
            .Objeto<TCliente, &C::FCliente>("Cliente", nullptr)
            .Lista<TProdutoPedido, &C::Produtos>("Produtos", "produtos")
            .Real("ValorST", &C::ValorST, "valorst")
            .Objeto<TFormaPagamento, &C::FFormaPagamento>("FormaPagamento", nullptr)
            .Lista<TProdutoExcluir, &C::ProdutosExcluir>("ProdutosExcluir", "produtosexcluir")
            .Lista<TParcela, &C::Parcelas>("Parcelas", "parcelas")
            .Inteiro("QtdProduto", &C::QtdProduto, "qtdproduto")
            .Real("QtdTotal", &C::QtdTotal, "qtdtotal")
            .Inteiro("IdNuvem", &C::IdNuvem, "idnuvem")
            .Texto("NomeVendedor", &C::NomeVendedor, "nomevendedor")
            .Fim();
    return d;
}

const TDescritor& TAtualizaCodpedido::DescritorClasse() {
    using C = TAtualizaCodpedido;
    static const TDescritor d =
        TConstrutorDescritor<C>("TAtualizaCodpedido", true)
            .Inteiro("CodPedido", &C::CodPedido, "codpedido")
            .Inteiro("IdNuvem", &C::IdNuvem, "idnuvem")
            .Texto("CnpjcpfEmitente", &C::CnpjcpfEmitente, "cnpjcpf_emitente")
            .Fim();
    return d;
}
