#include "Dto.Produto.h"

#include <QStringList>

QString TProduto::GetCodigos() const {
    QStringList codigos;
    for (const TCodigoBarra* c : CodigodeBarras)
        codigos << c->Codigobarra;
    return codigos.join(QStringLiteral(", "));
}

const TDescritor& TProduto::DescritorClasse() {
    using C = TProduto;
    static const TDescritor d =
        TConstrutorDescritor<C>("TProduto", true)
            .Texto("Aplicacao", &C::Aplicacao, "aplicacao")
            .Texto("CnpjcpfEmitente", &C::CnpjcpfEmitente, "cnpjcpf_emitente")
            .Texto("Codalternativoa", &C::Codalternativoa, "codalternativoa")
            .Inteiro("Codgrupo", &C::Codgrupo, "codgrupo")
            .Inteiro("Codmarca", &C::Codmarca, "codmarca")
            .Inteiro("Codproduto", &C::Codproduto, "codproduto")
            .Booleano("Deletado", &C::Deletado, "deletado")
            .Texto("Descricao", &C::Descricao, "descricao")
            .Texto("Foto", &C::Foto, "foto")
            .Real("Mva", &C::Mva, "mva")
            .Texto("Ncm", &C::Ncm, "ncm")
            .Real("Pesoparacalculo", &C::Pesoparacalculo, "pesoparacalculo")
            .Real("Preco", &C::Preco, "preco")
            .Real("Precorevenda", &C::Precorevenda, "precorevenda")
            .Real("Precorevista", &C::Precorevista, "precorevista")
            .Booleano("Promocao", &C::Promocao, "promocao")
            .Real("Quantidade", &C::Quantidade, "quantidade")
            .Texto("Tipo", &C::Tipo, "tipo")
            .Texto("Unidademedida", &C::Unidademedida, "unidademedida")
            .Inteiro("Versao", &C::Versao, "versao")
            .Booleano("ExibirTablet", &C::ExibirTablet, "exibirtablet")
            .Booleano("Inativo", &C::Inativo, "inativo")
            .Texto("Grupo", &C::Grupo, "grupo")
            .Texto("Marca", &C::Marca, "marca")
            .Lista<TCodigoBarra, &C::CodigodeBarras>("CodigodeBarras", "codigodebarras")
            .Objeto<TVinculoProdutoCfop, &C::FAliquotaST>("AliquotaST", nullptr)
            .DataHora("DataUltimoPedido", &C::DataUltimoPedido, "dataultimopedido", false)
            .Fim();
    return d;
}
