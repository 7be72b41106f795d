#pragma once

#include "Pkg.Json.DTO.h"

// The business itself, from the local emitter table.
class TEmitente : public TJsonDTO {
public:
    QString Bairro;
    QString Cnpjcpf;
    QString Email;
    QString Logradouro;
    QString Nomefantasia;
    QString Numero;
    QString Razaosocial;
    QString Responsavel;
    QString Telefone;

    const TDescritor& Descritor() const override { return DescritorClasse(); }
    static const TDescritor& DescritorClasse();
};
