#pragma once

#include "Pkg.Json.DTO.h"

// A price table granted to a salesperson.
class TTabelaPrecoVendedor : public TObjetoDTO {
public:
    QString CnpjcpfEmitente;
    qint32 Codtabelapreco = 0;
    qint32 Codtabelaprecovendedor = 0;
    qint32 Codvendedor = 0;
    bool Deletado = false;
    qint32 Versao = 0;

    const TDescritor& Descritor() const override { return DescritorClasse(); }
    static const TDescritor& DescritorClasse();
};

class TListaTabelaPrecoVendedor : public TListaPaginada<TTabelaPrecoVendedor> {};
