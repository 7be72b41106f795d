#pragma once

#include "Dto.Produto.h"
#include "Pkg.Json.DTO.h"

// One line of an order.
class TProdutoPedido : public TJsonDTO {
public:
    double Acrescimoitem = 0;
    double Acrescimoitemporcentagem = 0;
    QString CnpjcpfEmitente;
    qint32 Codpedidovenda = 0;
    qint32 Codproduto = 0;
    double Descontoitem = 0;
    double Descontoitemporcentagem = 0;
    qint32 Id = 0; // above 0 once the service holds the line
    qint32 Idpedidoapp = 0;
    QString Observacaoitem;
    double Quantidade = 0;
    double Valortotal = 0;
    double Valorunitario = 0;
    double ValorST = 0;
    qint32 Outros = 0;
    bool PrecoAlterado = false;

    TProduto* Produto() const { return FProduto.get(); }
    // Stores the product (freeing the one before) and takes its Codproduto when present.
    void setProduto(std::unique_ptr<TProduto> valor);

    const TDescritor& Descritor() const override { return DescritorClasse(); }
    static const TDescritor& DescritorClasse();

private:
    std::unique_ptr<TProduto> FProduto;
};
