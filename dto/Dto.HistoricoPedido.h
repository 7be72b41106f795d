#pragma once

#include "Pkg.Json.DTO.h"

// One line of a past order, for the order history on the mobile side.
class THistoricoPedido : public TObjetoDTO {
public:
    QString CnpjcpfEmitente;
    qint32 Codcliente = 0;
    qint32 Codpedidovenda = 0;
    qint32 Codproduto = 0;
    qint32 Codprodutopedidovenda = 0;
    qint32 Codvendedor = 0;
    TDateTime Datapedido = 0;
    bool Deletado = false;
    double Quantidade = 0;
    double Valortotalpedido = 0;
    double Valortotalprodutos = 0;
    double Valorunitario = 0;
    qint32 Versao = 0;
    qint32 IdNuvem = 0;

    const TDescritor& Descritor() const override { return DescritorClasse(); }
    static const TDescritor& DescritorClasse();
};

class TListaHistoricoPedido : public TListaPaginada<THistoricoPedido> {};
