#include "Dto.Vendedor.h"

const TDescritor& TVendedor::DescritorClasse() {
    using C = TVendedor;
    static const TDescritor d =
        TConstrutorDescritor<C>("TVendedor", false)
            .Texto("CnpjcpfEmitente", &C::CnpjcpfEmitente, "cnpjcpf_emitente")
            .Inteiro("Codfuncionario", &C::Codfuncionario, "codfuncionario")
            .Inteiro("Codvendedor", &C::Codvendedor, "codvendedor")
            .Booleano("Deletado", &C::Deletado, "deletado")
            .Texto("Nome", &C::Nome, "nome")
            .Booleano("Ultilizarmultiplosprecostabelapreco",
                      &C::Ultilizarmultiplosprecostabelapreco,
                      "ultilizarmultiplosprecostabelapreco")
            .Real("Valormaxdesconto", &C::Valormaxdesconto, "valormaxdesconto")
            .Inteiro("Versao", &C::Versao, "versao")
            .Fim();
    return d;
}
