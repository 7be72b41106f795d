#pragma once

#include "Pkg.Json.DTO.h"

// A product group.
class TGrupo : public TObjetoDTO {
public:
    QString CnpjcpfEmitente;
    qint32 Codgrupo = 0;
    qint32 Codsetor = 0;
    QString Nomegrupo;
    qint32 Versao = 0;
    bool Deletado = false;

    const TDescritor& Descritor() const override { return DescritorClasse(); }
    static const TDescritor& DescritorClasse();
};

class TListaGrupo : public TListaPaginada<TGrupo> {};
