#include "Dto.CodigoBarra.h"

const TDescritor& TCodigoBarra::DescritorClasse() {
    using C = TCodigoBarra;
    static const TDescritor d =
        TConstrutorDescritor<C>("TCodigoBarra", false)
            .Texto("CnpjcpfEmitente", &C::CnpjcpfEmitente, "cnpjcpf_emitente")
            .Inteiro("Codcodigobarra", &C::Codcodigobarra, "codcodigobarra")
            .Texto("Codigobarra", &C::Codigobarra, "codigobarra")
            .Inteiro("Codproduto", &C::Codproduto, "codproduto")
            .Booleano("Deletado", &C::Deletado, "deletado")
            .Inteiro("Versao", &C::Versao, "versao")
            .Fim();
    return d;
}
