#pragma once

#include "Pkg.Json.DTO.h"

// The business's settings for the mobile side.
class TConfiguracao : public TJsonDTO {
public:
    bool Alteracaoprecobalcao = false;
    bool Alterarprecoprodutodispositivo = false;
    bool Atualizarcadastroclientevarelo = false;
    bool Camposfacultativoscadastroclienteordixmobile = false;
    bool Clienteporvendedor = false;
    QString CnpjcpfEmitente;
    bool Exibirestoquedispositivo = false;
    bool Exportaprodutonegativo = false;
    bool Exportarimagemprodutoordix = false;
    bool Ultilizardadoscontratuaiscadastrocliente = false;
    bool Ultilizarestoquenegativodispositovos = false;
    bool Usarmetodoimagempasta = false;
    bool Utilizaracrescimoindividual = false;
    bool Utilizarmultiplosprecospedidovenda = false;
    bool Utilizarvalormaxdescontoporvendedorapppedido = false;
    bool Utilizarvendedortabelapreco = false;
    qint32 Casasdecimaisquantidadeapp = 0;
    bool Ordixpesquisaprodutocodalternativo = false;

    const TDescritor& Descritor() const override { return DescritorClasse(); }
    static const TDescritor& DescritorClasse();
};

class TListaConfiguracao : public TListaSimples<TConfiguracao> {};
