#pragma once

#include "Pkg.Json.DTO.h"

// An employee.
class TFuncionario : public TObjetoDTO {
public:
    QString CnpjcpfEmitente;
    qint32 Codfuncionario = 0;
    bool Deletado = false;
    QString Nome;
    QString Senha;
    QString Usuario;
    qint32 Versao = 0;

    const TDescritor& Descritor() const override { return DescritorClasse(); }
    static const TDescritor& DescritorClasse();
};

class TListaFuncionario : public TListaSimples<TFuncionario> {};
