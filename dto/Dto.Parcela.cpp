#include "Dto.Parcela.h"

const TDescritor& TParcela::DescritorClasse() {
    using C = TParcela;
    static const TDescritor d =
        TConstrutorDescritor<C>("TParcela", true)
            .Texto("CnpjcpfEmitente", &C::CnpjcpfEmitente, "cnpjcpf_emitente")
            .DataHora("Dataemissao", &C::Dataemissao, "dataemissao", true)
            .DataHora("Datavencimento", &C::Datavencimento, "datavencimento", true)
            .Inteiro("Id", &C::Id, "id")
            .Inteiro("Idpedidoapp", &C::Idpedidoapp, "idpedidoapp")
            .Real("Valorparcela", &C::Valorparcela, "valorparcela")
            .Inteiro("Numero", &C::Numero, "numero")
            .Inteiro("Indice", &C::Indice, "indice")
            .Fim();
    return d;
}
