#pragma once

#include "Pkg.Json.DTO.h"

// The price of one product in one price table.
class TTabelaPreco : public TObjetoDTO {
public:
    QString CnpjcpfEmitente;
    qint32 Codproduto = 0;
    qint32 Codtabelapreco = 0;
    qint32 Codtabpreco = 0;
    bool Deletado = false;
    QString Descricao;
    double Preco = 0;
    double Precofaccao = 0;
    double Precominimo = 0;
    QString Regiao;
    qint32 Versao = 0;

    const TDescritor& Descritor() const override { return DescritorClasse(); }
    static const TDescritor& DescritorClasse();
};

class TListaTabelaPreco : public TListaPaginada<TTabelaPreco> {};
