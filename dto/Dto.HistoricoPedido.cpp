#include "Dto.HistoricoPedido.h"

const TDescritor& THistoricoPedido::DescritorClasse() {
    using C = THistoricoPedido;
    static const TDescritor d =
        TConstrutorDescritor<C>("THistoricoPedido", false)
            .Texto("CnpjcpfEmitente", &C::CnpjcpfEmitente, "cnpjcpf_emitente")
            .Inteiro("Codcliente", &C::Codcliente, "codcliente")
            .Inteiro("Codpedidovenda", &C::Codpedidovenda, "codpedidovenda")
            .Inteiro("Codproduto", &C::Codproduto, "codproduto")
            .Inteiro("Codprodutopedidovenda", &C::Codprodutopedidovenda, "codprodutopedidovenda")
            .Inteiro("Codvendedor", &C::Codvendedor, "codvendedor")
            .DataHora("Datapedido", &C::Datapedido, "datapedido", true)
            .Booleano("Deletado", &C::Deletado, "deletado")
            .Real("Quantidade", &C::Quantidade, "quantidade")
            .Real("Valortotalpedido", &C::Valortotalpedido, "valortotalpedido")
            .Real("Valortotalprodutos", &C::Valortotalprodutos, "valortotalprodutos")
            .Real("Valorunitario", &C::Valorunitario, "valorunitario")
            .Inteiro("Versao", &C::Versao, "versao")
            .Inteiro("IdNuvem", &C::IdNuvem, "idnuvem")
            .Fim();
    return d;
}
