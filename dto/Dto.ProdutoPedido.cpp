#include "Dto.ProdutoPedido.h"

void TProdutoPedido::setProduto(std::unique_ptr<TProduto> valor) {
    FProduto = std::move(valor);
    if (FProduto)
        Codproduto = FProduto->Codproduto;
}

const TDescritor& TProdutoPedido::DescritorClasse() {
    using C = TProdutoPedido;
    static const TDescritor d =
        TConstrutorDescritor<C>("TProdutoPedido", true)
            .Real("Acrescimoitem", &C::Acrescimoitem, "acrescimoitem")
            .Real("Acrescimoitemporcentagem", &C::Acrescimoitemporcentagem,
                  "acrescimoitemporcentagem")
            .Texto("CnpjcpfEmitente", &C::CnpjcpfEmitente, "cnpjcpf_emitente")
            .Inteiro("Codpedidovenda", &C::Codpedidovenda, "codpedidovenda")
            .Inteiro("Codproduto", &C::Codproduto, "codproduto")
            .Real("Descontoitem", &C::Descontoitem, "descontoitem")
            .Real("Descontoitemporcentagem", &C::Descontoitemporcentagem, "descontoitemporcentagem")
            .Inteiro("Id", &C::Id, "id")
            .Inteiro("Idpedidoapp", &C::Idpedidoapp, "idpedidoapp")
            .Texto("Observacaoitem", &C::Observacaoitem, "observacaoitem")
            .Real("Quantidade", &C::Quantidade, "quantidade")
            .Real("Valortotal", &C::Valortotal, "valortotal")
            .Real("Valorunitario", &C::Valorunitario, "valorunitario")
            .Objeto<TProduto, &C::FProduto>("Produto", "produto")
            .Real("ValorST", &C::ValorST, "valorst")
            .Inteiro("Outros", &C::Outros, "outros")
            .Booleano("PrecoAlterado", &C::PrecoAlterado, "precoalterado")
            .Fim();
    return d;
}
