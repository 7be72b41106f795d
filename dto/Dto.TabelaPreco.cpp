#include "Dto.TabelaPreco.h"

const TDescritor& TTabelaPreco::DescritorClasse() {
    using C = TTabelaPreco;
    static const TDescritor d =
        TConstrutorDescritor<C>("TTabelaPreco", false)
            .Texto("CnpjcpfEmitente", &C::CnpjcpfEmitente, "cnpjcpf_emitente")
            .Inteiro("Codproduto", &C::Codproduto, "codproduto")
            .Inteiro("Codtabelapreco", &C::Codtabelapreco, "codtabelapreco")
            .Inteiro("Codtabpreco", &C::Codtabpreco, "codtabpreco")
            .Booleano("Deletado", &C::Deletado, "deletado")
            .Texto("Descricao", &C::Descricao, "descricao")
            .Real("Preco", &C::Preco, "preco")
            .Real("Precofaccao", &C::Precofaccao, "precofaccao")
            .Real("Precominimo", &C::Precominimo, "precominimo")
            .Texto("Regiao", &C::Regiao, "regiao")
            .Inteiro("Versao", &C::Versao, "versao")
            .Fim();
    return d;
}
