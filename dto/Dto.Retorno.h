#pragma once

#include "Pkg.Json.DTO.h"

// The outcome of one exchange with the service: HTTP status and body text.
class TRetorno : public TJsonDTO {
public:
    QString Mensagem;
    qint32 StatusCode = 0;

    const TDescritor& Descritor() const override { return DescritorClasse(); }
    static const TDescritor& DescritorClasse();
};
