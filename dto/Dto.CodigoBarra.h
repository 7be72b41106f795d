#pragma once

#include "Pkg.Json.DTO.h"

// A bar code of a product.
class TCodigoBarra : public TObjetoDTO {
public:
    QString CnpjcpfEmitente;
    qint32 Codcodigobarra = 0;
    QString Codigobarra;
    qint32 Codproduto = 0;
    bool Deletado = false;
    qint32 Versao = 0;

    const TDescritor& Descritor() const override { return DescritorClasse(); }
    static const TDescritor& DescritorClasse();
};

class TListaCodigoBarra : public TListaPaginada<TCodigoBarra> {};
