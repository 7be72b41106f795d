#pragma once

#include "Pkg.Json.DTO.h"

// The service's version of each exported table.
class TVersao : public TJsonDTO {
public:
    qint32 Emitente = 0;
    QString CnpjCpf_Emitente;
    qint32 Produto = 0;
    qint32 HistoricoPedido = 0;
    qint32 CodBarra = 0;
    qint32 Funcionario = 0;
    qint32 TabelaPrecovendedor = 0;
    qint32 FormaPagamento = 0;
    qint32 Cliente = 0;
    qint32 ProdutosST = 0;
    qint32 Vendedor = 0;
    qint32 TabelaPreco = 0;
    qint32 Marca = 0;
    qint32 Dispositivo = 0;
    qint32 Grupo = 0;

    const TDescritor& Descritor() const override { return DescritorClasse(); }
    static const TDescritor& DescritorClasse();
};
