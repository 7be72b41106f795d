#include "Dto.Versao.h"

const TDescritor& TVersao::DescritorClasse() {
    using C = TVersao;
    static const TDescritor d =
        TConstrutorDescritor<C>("TVersao", true)
            .Inteiro("Emitente", &C::Emitente, "emitente")
            .Texto("CnpjCpf_Emitente", &C::CnpjCpf_Emitente, "cnpjcpf_emitente")
            .Inteiro("Produto", &C::Produto, "produto")
            .Inteiro("HistoricoPedido", &C::HistoricoPedido, "historicopedido")
            .Inteiro("CodBarra", &C::CodBarra, "codbarra")
            .Inteiro("Funcionario", &C::Funcionario, "funcionario")
            .Inteiro("TabelaPrecovendedor", &C::TabelaPrecovendedor, "tabelaprecovendedor")
            .Inteiro("FormaPagamento", &C::FormaPagamento, "formapagamento")
            .Inteiro("Cliente", &C::Cliente, "cliente")
            .Inteiro("ProdutosST", &C::ProdutosST, "produtosst")
            .Inteiro("Vendedor", &C::Vendedor, "vendedor")
            .Inteiro("TabelaPreco", &C::TabelaPreco, "tabelapreco")
            .Inteiro("Marca", &C::Marca, "marca")
            .Inteiro("Dispositivo", &C::Dispositivo, "dispositivo")
            .Inteiro("Grupo", &C::Grupo, "grupo")
            .Fim();
    return d;
}
