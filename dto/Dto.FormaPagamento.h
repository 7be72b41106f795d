#pragma once

#include "Pkg.Json.DTO.h"

// A payment form.
class TFormaPagamento : public TJsonDTO {
public:
    QString CnpjcpfEmitente;
    qint32 Codformapagamento = 0;
    QString Descricao;
    QString Tipotratamento;
    qint32 Versao = 0;
    bool Deletado = false;
    qint32 Intervalo = 0;
    qint32 Parcelas = 0;

    const TDescritor& Descritor() const override { return DescritorClasse(); }
    static const TDescritor& DescritorClasse();
};

class TListaFormaPagamento : public TListaPaginada<TFormaPagamento> {};
