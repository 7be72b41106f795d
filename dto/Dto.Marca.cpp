#include "Dto.Marca.h"

const TDescritor& TMarca::DescritorClasse() {
    using C = TMarca;
    static const TDescritor d =
        TConstrutorDescritor<C>("TMarca", false)
            .Texto("CnpjcpfEmitente", &C::CnpjcpfEmitente, "cnpjcpf_emitente")
            .Inteiro("Codmarca", &C::Codmarca, "codmarca")
            .Texto("Marcadescricao", &C::Marcadescricao, "marcadescricao")
            .Inteiro("Versao", &C::Versao, "versao")
            .Booleano("Deletado", &C::Deletado, "deletado")
            .Fim();
    return d;
}
