#pragma once

#include "Dto.Cliente.h"
#include "Dto.FormaPagamento.h"
#include "Dto.Parcela.h"
#include "Dto.ProdutoPedido.h"
#include "Pkg.Json.DTO.h"

// A line deleted from an order.
class TProdutoExcluir : public TJsonDTO {
public:
    qint32 id = 0; // the deleted line's id in the service

    const TDescritor& Descritor() const override { return DescritorClasse(); }
    static const TDescritor& DescritorClasse();
};

// An order as the service sends it, with its client, payment form, lines and instalments.
class TPedido : public TJsonDTO {
public:
    double Acrescimo = 0;
    double AcrescimoPerc = 0;
    QString CnpjcpfEmitente;
    qint32 Codcliente = 0;
    qint32 Codformapagamento = 0;
    qint32 Codpedidovenda = 0;
    qint32 Codvendedor = 0;
    QString Condicional;
    TDateTime Dataentrega = 0; // "" on the wire when zero
    TDateTime Datapedido = 0;  // "" on the wire when zero
    double Desconto = 0;
    double DescontoPerc = 0;
    QString Faturamento;
    TDateTime Horapedido = 0; // "" on the wire when zero
    qint32 Idapp = 0;
    qint32 Idcliente = 0;
    QString Observacao;
    QString Razaosocialnome;
    QString Status;
    bool Stpedido = false;
    QString Tipo;
    bool Tipobonificacaoapp = false;
    double Valortotalpedido = 0;
    double Valortotalprodutos = 0;
    TLista<TProdutoPedido> Produtos;
    double ValorST = 0;
    TLista<TProdutoExcluir> ProdutosExcluir; // written "produtosExcluir", read "produtosexcluir"
    TLista<TParcela> Parcelas;
    qint32 QtdProduto = 0;
    double QtdTotal = 0;
    qint32 IdNuvem = 0;
    QString NomeVendedor;

    TCliente* Cliente() const { return FCliente.get(); }
    // Stores the client (freeing the one before); when present takes its Codcliente and ID.
    void setCliente(std::unique_ptr<TCliente> valor);
    TFormaPagamento* FormaPagamento() const { return FFormaPagamento.get(); }
    // Stores the payment form (freeing the one before) and takes its code, 0 when absent.
    void setFormaPagamento(std::unique_ptr<TFormaPagamento> valor);

    // Adds a line, or replaces the line of the same product (the old line is freed).
    void AddProduto(std::unique_ptr<TProdutoPedido> produto);
    // Adds an instalment (the pointer is taken). When one with the same Indice exists, only
    // its dates and amount change and `parcela` stays with the caller.
    void AddParcela(std::unique_ptr<TParcela>&& parcela);
    // Removes (and frees) `produto`, noting its id in ProdutosExcluir when the service has it.
    void ApagarProduto(const TProdutoPedido* produto);
    void TotalizaPedido();
    double DescontoTotal() const;
    double ValorSemDesconto() const;
    // Sum of the instalments from list position `indice` on; std::out_of_range when negative.
    double TotalParcelas(int indice) const;
    TProdutoPedido* LocalizaProduto(const TProduto* produto) const;
    bool ProdutoExiste(const TProduto* produto) const;
    bool ParcelaExiste(const TParcela* parcela) const;
    double QtdLancada(const TProduto* produto) const;

    const TDescritor& Descritor() const override { return DescritorClasse(); }
    static const TDescritor& DescritorClasse();

private:
    std::unique_ptr<TCliente> FCliente;
    std::unique_ptr<TFormaPagamento> FFormaPagamento;
};

class TListaPedido : public TListaPaginada<TPedido> {};

// The importer's report of the local number of an imported order.
class TAtualizaCodpedido : public TJsonDTO {
public:
    qint32 CodPedido = 0;
    qint32 IdNuvem = 0;
    QString CnpjcpfEmitente;

    const TDescritor& Descritor() const override { return DescritorClasse(); }
    static const TDescritor& DescritorClasse();
};

// Two-place rounding of ABNT NBR 5891: a trailing 5 with nothing after it goes to the even
// neighbour (2.345 gives 2.34, 2.355 gives 2.36, 2.3451 gives 2.35); the sign is kept.
double ArredondaABNT(double valor);
