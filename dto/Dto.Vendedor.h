#pragma once

#include "Pkg.Json.DTO.h"

// A salesperson.
class TVendedor : public TObjetoDTO {
public:
    QString CnpjcpfEmitente;
    qint32 Codfuncionario = 0;
    qint32 Codvendedor = 0;
    bool Deletado = false;
    QString Nome;
    bool Ultilizarmultiplosprecostabelapreco = false;
    double Valormaxdesconto = 0;
    qint32 Versao = 0;

    const TDescritor& Descritor() const override { return DescritorClasse(); }
    static const TDescritor& DescritorClasse();
};

class TListaVendedor : public TListaSimples<TVendedor> {};
