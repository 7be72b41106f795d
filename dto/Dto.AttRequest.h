#pragma once

#include "Pkg.Json.DTO.h"

// The body of the importer's request for new orders.
class TAttRequest : public TJsonDTO {
public:
    QString CnpjcpfEmitente;
    qint32 LastPage = 0;
    qint32 Page = 0;
    qint32 Total = 0;
    qint32 Versao = 0;

    const TDescritor& Descritor() const override { return DescritorClasse(); }
    static const TDescritor& DescritorClasse();
};
