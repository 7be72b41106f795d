#pragma once

#include "Pkg.Json.DTO.h"

// A client: nested in an order (read) and in the exporter's batches (written).
class TCliente : public TJsonDTO {
public:
    double Acrescimoindividual = 0;
    QString Bairro;
    QString Celular;
    QString Cep;
    QString Cnpjcpf;
    QString CnpjcpfEmitente;
    qint32 Codcidade = 0;
    qint32 Codcliente = 0;
    qint32 Codvendedor = 0;
    QString Complemento;
    QString Contato;
    QString Email;
    bool Exibirnodispositivo = false;
    QString Fax;
    bool Inativo = false;
    QString Inscricaoestadualrg;
    QString Inscricaomunicipal;
    QString Logradouro;
    QString Nomecidade;
    QString Nomefantasia;
    QString Numero;
    bool Pedidocomst = false;
    QString Razaosocialnome;
    QString Telefone;
    QString Tipopreco;
    QString Uf;
    qint32 Versao = 0;
    bool Deletado = false;
    QString Regiao;
    qint32 ID = 0;

    const TDescritor& Descritor() const override { return DescritorClasse(); }
    static const TDescritor& DescritorClasse();
};

class TListaCliente : public TListaPaginada<TCliente> {};

// The importer's report of the local code that a client of the service received.
class TAtualizaCliente : public TJsonDTO {
public:
    QString CnpjcpfEmitente;
    qint32 Codcliente = 0;
    qint32 Id = 0;

    const TDescritor& Descritor() const override { return DescritorClasse(); }
    static const TDescritor& DescritorClasse();
};
