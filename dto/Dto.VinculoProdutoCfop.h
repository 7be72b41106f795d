#pragma once

#include "Pkg.Json.DTO.h"

// The tax link of a product for one issuing state.
class TVinculoProdutoCfop : public TObjetoDTO {
public:
    double Aliquotaicms = 0;
    QString CnpjcpfEmitente;
    qint32 Codproduto = 0;
    qint32 Codvinculoprodutocfop = 0;
    bool Deletado = false;
    double Mva = 0;
    QString Ufemissao;
    qint32 Versao = 0;

    const TDescritor& Descritor() const override { return DescritorClasse(); }
    static const TDescritor& DescritorClasse();
};

class TListaVinculoProdutoCfop : public TListaPaginada<TVinculoProdutoCfop> {};
