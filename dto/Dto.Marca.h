#pragma once

#include "Pkg.Json.DTO.h"

// A brand.
class TMarca : public TObjetoDTO {
public:
    QString CnpjcpfEmitente;
    qint32 Codmarca = 0;
    QString Marcadescricao;
    qint32 Versao = 0;
    bool Deletado = false;

    const TDescritor& Descritor() const override { return DescritorClasse(); }
    static const TDescritor& DescritorClasse();
};

class TListaMarca : public TListaPaginada<TMarca> {};
