#pragma once

#include "Dto.CodigoBarra.h"
#include "Dto.VinculoProdutoCfop.h"
#include "Pkg.Json.DTO.h"

// A product: nested in an order line (read) and in the exporter's batches (written).
class TProduto : public TJsonDTO {
public:
    QString Aplicacao;
    QString CnpjcpfEmitente;
    QString Codalternativoa;
    qint32 Codgrupo = 0;
    qint32 Codmarca = 0;
    qint32 Codproduto = 0;
    bool Deletado = false;
    QString Descricao;
    QString Foto; // Base64 of a JPEG picture, empty when there is none
    double Mva = 0;
    QString Ncm;
    double Pesoparacalculo = 0;
    double Preco = 0;
    double Precorevenda = 0;
    double Precorevista = 0;
    bool Promocao = false;
    double Quantidade = 0;
    QString Tipo;
    QString Unidademedida;
    qint32 Versao = 0;
    bool ExibirTablet = false;
    bool Inativo = false;
    QString Grupo;
    QString Marca;
    TLista<TCodigoBarra> CodigodeBarras; // written "codigodeBarras", read "codigodebarras"
    TDateTime DataUltimoPedido = 0;      // always written as a date text, also when zero

    TVinculoProdutoCfop* AliquotaST() const { return FAliquotaST.get(); }
    void setAliquotaST(std::unique_ptr<TVinculoProdutoCfop> valor) {
        FAliquotaST = std::move(valor);
    }

    // The bar codes joined by ", ".
    QString GetCodigos() const;

    const TDescritor& Descritor() const override { return DescritorClasse(); }
    static const TDescritor& DescritorClasse();

private:
    std::unique_ptr<TVinculoProdutoCfop> FAliquotaST;
};

class TListaProduto : public TListaPaginada<TProduto> {};
