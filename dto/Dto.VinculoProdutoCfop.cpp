#include "Dto.VinculoProdutoCfop.h"

const TDescritor& TVinculoProdutoCfop::DescritorClasse() {
    using C = TVinculoProdutoCfop;
    static const TDescritor d =
        TConstrutorDescritor<C>("TVinculoProdutoCfop", false)
            .Real("Aliquotaicms", &C::Aliquotaicms, "aliquotaicms")
            .Texto("CnpjcpfEmitente", &C::CnpjcpfEmitente, "cnpjcpf_emitente")
            .Inteiro("Codproduto", &C::Codproduto, "codproduto")
            .Inteiro("Codvinculoprodutocfop", &C::Codvinculoprodutocfop, "codvinculoprodutocfop")
            .Booleano("Deletado", &C::Deletado, "deletado")
            .Real("Mva", &C::Mva, "mva")
            .Texto("Ufemissao", &C::Ufemissao, "ufemissao")
            .Inteiro("Versao", &C::Versao, "versao")
            .Fim();
    return d;
}
