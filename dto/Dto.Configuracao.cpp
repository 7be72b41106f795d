#include "Dto.Configuracao.h"

const TDescritor& TConfiguracao::DescritorClasse() {
    using C = TConfiguracao;
    static const TDescritor d =
        TConstrutorDescritor<C>("TConfiguracao", true)
            .Booleano("Alteracaoprecobalcao", &C::Alteracaoprecobalcao, "alteracaoprecobalcao")
            .Booleano("Alterarprecoprodutodispositivo", &C::Alterarprecoprodutodispositivo,
                      "alterarprecoprodutodispositivo")
            .Booleano("Atualizarcadastroclientevarelo", &C::Atualizarcadastroclientevarelo,
                      "atualizarcadastroclientevarelo")
            .Booleano("Camposfacultativoscadastroclienteordixmobile",
                      &C::Camposfacultativoscadastroclienteordixmobile,
                      "camposfacultativoscadastroclienteordixmobile")
            .Booleano("Clienteporvendedor", &C::Clienteporvendedor, "clienteporvendedor")
            .Texto("CnpjcpfEmitente", &C::CnpjcpfEmitente, "cnpjcpf_emitente")
            .Booleano("Exibirestoquedispositivo", &C::Exibirestoquedispositivo,
                      "exibirestoquedispositivo")
            .Booleano("Exportaprodutonegativo", &C::Exportaprodutonegativo,
                      "exportaprodutonegativo")
            .Booleano("Exportarimagemprodutoordix", &C::Exportarimagemprodutoordix,
                      "exportarimagemprodutoordix")
            .Booleano("Ultilizardadoscontratuaiscadastrocliente",
                      &C::Ultilizardadoscontratuaiscadastrocliente,
                      "ultilizardadoscontratuaiscadastrocliente")
            .Booleano("Ultilizarestoquenegativodispositovos",
                      &C::Ultilizarestoquenegativodispositovos,
                      "ultilizarestoquenegativodispositovos")
            .Booleano("Usarmetodoimagempasta", &C::Usarmetodoimagempasta, "usarmetodoimagempasta")
            .Booleano("Utilizaracrescimoindividual", &C::Utilizaracrescimoindividual,
                      "utilizaracrescimoindividual")
            .Booleano("Utilizarmultiplosprecospedidovenda", &C::Utilizarmultiplosprecospedidovenda,
                      "utilizarmultiplosprecospedidovenda")
            .Booleano("Utilizarvalormaxdescontoporvendedorapppedido",
                      &C::Utilizarvalormaxdescontoporvendedorapppedido,
                      "utilizarvalormaxdescontoporvendedorapppedido")
            .Booleano("Utilizarvendedortabelapreco", &C::Utilizarvendedortabelapreco,
                      "utilizarvendedortabelapreco")
            .Inteiro("Casasdecimaisquantidadeapp", &C::Casasdecimaisquantidadeapp,
                     "casasdecimaisquantidadeapp")
            .Booleano("Ordixpesquisaprodutocodalternativo", &C::Ordixpesquisaprodutocodalternativo,
                      "ordixpesquisaprodutocodalternativo")
            .Fim();
    return d;
}
