#include "Dto.Grupo.h"

const TDescritor& TGrupo::DescritorClasse() {
    using C = TGrupo;
    static const TDescritor d =
        TConstrutorDescritor<C>("TGrupo", false)
            .Texto("CnpjcpfEmitente", &C::CnpjcpfEmitente, "cnpjcpf_emitente")
            .Inteiro("Codgrupo", &C::Codgrupo, "codgrupo")
            .Inteiro("Codsetor", &C::Codsetor, "codsetor")
            .Texto("Nomegrupo", &C::Nomegrupo, "nomegrupo")
            .Inteiro("Versao", &C::Versao, "versao")
            .Booleano("Deletado", &C::Deletado, "deletado")
            .Fim();
    return d;
}
