#include "Dto.FormaPagamento.h"

const TDescritor& TFormaPagamento::DescritorClasse() {
    using C = TFormaPagamento;
    static const TDescritor d =
        TConstrutorDescritor<C>("TFormaPagamento", true)
            .Texto("CnpjcpfEmitente", &C::CnpjcpfEmitente, "cnpjcpf_emitente")
            .Inteiro("Codformapagamento", &C::Codformapagamento, "codformapagamento")
            .Texto("Descricao", &C::Descricao, "descricao")
            .Texto("Tipotratamento", &C::Tipotratamento, "tipotratamento")
            .Inteiro("Versao", &C::Versao, "versao")
            .Booleano("Deletado", &C::Deletado, "deletado")
            .Inteiro("Intervalo", &C::Intervalo, "intervalo")
            .Inteiro("Parcelas", &C::Parcelas, "parcelas")
            .Fim();
    return d;
}
