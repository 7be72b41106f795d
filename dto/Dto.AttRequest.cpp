#include "Dto.AttRequest.h"

const TDescritor& TAttRequest::DescritorClasse() {
    using C = TAttRequest;
    static const TDescritor d =
        TConstrutorDescritor<C>("TAttRequest", true)
            .Texto("CnpjcpfEmitente", &C::CnpjcpfEmitente, "cnpjcpf_emitente")
            .Inteiro("LastPage", &C::LastPage, "last_page")
            .Inteiro("Page", &C::Page, "page")
            .Inteiro("Total", &C::Total, "total")
            .Inteiro("Versao", &C::Versao, "versao")
            .Fim();
    return d;
}
