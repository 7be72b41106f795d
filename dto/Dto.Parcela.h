#pragma once

#include "Pkg.Json.DTO.h"

// One instalment of an order.
class TParcela : public TJsonDTO {
public:
    QString CnpjcpfEmitente;
    TDateTime Dataemissao = 0;
    TDateTime Datavencimento = 0;
    qint32 Id = 0;
    qint32 Idpedidoapp = 0;
    double Valorparcela = 0;
    qint32 Numero = 0;
    qint32 Indice = 0;

    const TDescritor& Descritor() const override { return DescritorClasse(); }
    static const TDescritor& DescritorClasse();
};
