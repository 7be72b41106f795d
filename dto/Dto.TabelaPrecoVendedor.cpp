#include "Dto.TabelaPrecoVendedor.h"

const TDescritor& TTabelaPrecoVendedor::DescritorClasse() {
    using C = TTabelaPrecoVendedor;
    static const TDescritor d =
        TConstrutorDescritor<C>("TTabelaPrecoVendedor", false)
            .Texto("CnpjcpfEmitente", &C::CnpjcpfEmitente, "cnpjcpf_emitente")
            .Inteiro("Codtabelapreco", &C::Codtabelapreco, "codtabelapreco")
            .Inteiro("Codtabelaprecovendedor", &C::Codtabelaprecovendedor, "codtabelaprecovendedor")
            .Inteiro("Codvendedor", &C::Codvendedor, "codvendedor")
            .Booleano("Deletado", &C::Deletado, "deletado")
            .Inteiro("Versao", &C::Versao, "versao")
            .Fim();
    return d;
}
