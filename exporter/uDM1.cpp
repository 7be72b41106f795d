#include "uDM1.h"

#include "Erro.h"
#include "ModuloDados.h"
#include "uFuncoesUteis.h"

#include <QStringList>

namespace exportador {

namespace {
std::unique_ptr<TDM1> modulo;

const char* const TabelasVersao[][2] = {
    {"offline_configuracao", "versao_configuracao"},
    {"offline_configuracao2", "versao_configuracao2"},
    {"offline_configuracaonfce", "versao_configuracaonfce"},
    {"offline_funcionario", "versao_funcionario"},
    {"offline_modeloserie", "versao_modeloserie"},
    {"offline_caixa", "versao_caixa"},
    {"offline_regimetributario", "versao_regimetributario"},
    {"offline_emitente", "versao_emitente"},
    {"offline_cliente", "versao_cliente"},
    {"offline_planoconta", "versao_planoconta"},
    {"offline_formapagamento", "versao_formapagamento"},
    {"offline_cfop", "versao_cfop"},
    {"offline_aliquotaecf", "versao_aliquotaecf"},
    {"offline_setor", "versao_setor"},
    {"offline_grupo", "versao_grupo"},
    {"offline_produto", "versao_produto"},
    {"offline_codigobarra", "versao_codigobarra"},
    {"offline_produtoorigemfinal", "versao_produtoorigemfinal"},
    {"offline_promocao", "versao_promocao"},
    {"offline_promocaoproduto", "versao_promocaoproduto"},
    {"offline_corcaixa", "versao_corcaixa"},
    {"offline_marca", "versao_marca"},
    {"offline_tabelaprecoproduto", "versao_tabelapreco"},
    {"offline_tabelaprecovendedor", "versao_tabelaprecovendedor"},
    {"offline_vendedor", "versao_vendedor"},
    {"offline_vinculoprodutocfop", "versao_vinculoprodutocfop"},
    {"offline_produtopedidovenda", "versao_historicopedido"},
};

QString textoVersao() {
    QStringList colunas;
    for (const auto& t : TabelasVersao)
        colunas.append(QStringLiteral("(select COALESCE(max(id),0) from %1) as %2")
                           .arg(QLatin1String(t[0]), QLatin1String(t[1])));
    return QStringLiteral("SELECT ") + colunas.join(QStringLiteral(", "));
}

const char* const TextoConfiguracao =
    "select c.utilizarmultiplosprecospedidovenda, c.alteracaoprecobalcao, "
    "c.utilizarvendedortabelapreco, c.exibirestoquedispositivo, c.clienteporvendedor, "
    "c.exportaprodutonegativo, c.alterarprecoprodutodispositivo, "
    "c.ultilizardadoscontratuaiscadastrocliente, "
    "c.camposfacultativoscadastroclienteordixmobile, c.utilizaracrescimoindividual, "
    "c.utilizarvalormaxdescontoporvendedorapppedido, c.atualizarcadastroclientevarelo, "
    "c.usarmetodoimagempasta, c2.exportarimagemprodutoordix, "
    "c.ultilizarestoquenegativodispositovos, c2.casasdecimaisquantidadeapp, "
    "c2.ordixpesquisaprodutocodalternativo from configuracao c, configuracao2 c2";

// One change-log query: a master table (alias, key) with its change log, fully joined so that
// deletions (no master row) and, for a version below 0, rows never changed both come back.
struct TConsultaAlteracoes {
    const char* Tabela;      // "cliente c", or the source of the joins
    const char* Chave;       // "c.codcliente"
    const char* Log;         // "offline_cliente"
    const char* Juncoes;     // before the change log's join
    const char* Condicoes;   // ANDed after the two common ones
    const char* Colunas;     // master columns, as selected
    const char* Agrupamento; // the same columns without expressions
};

QString textoAlteracoes(const TConsultaAlteracoes& c) {
    const QString chave = QLatin1String(c.Chave);
    const QString nome = chave.mid(chave.indexOf(QLatin1Char('.')) + 1);
    QString sql = QStringLiteral("select COALESCE(o.deletado,false) as deletado, case when %1 is "
                                 "null then o.codigo else %1 end as %2, %3 from %4 ")
                      .arg(chave, nome, QLatin1String(c.Colunas), QLatin1String(c.Tabela));
    if (*c.Juncoes)
        sql += QLatin1String(c.Juncoes) + QLatin1Char(' ');
    sql += QStringLiteral("full join %1 o on o.codigo=%2 where case when o.deletado = false and "
                          "%2 is null then false else true end and case when :versao > -1 then "
                          "o.id > :versao else true end")
               .arg(QLatin1String(c.Log), chave);
    if (*c.Condicoes)
        sql += QLatin1Char(' ') + QLatin1String(c.Condicoes);
    sql += QStringLiteral(" group by o.deletado, o.codigo, %1, %2 order by o.deletado desc")
               .arg(chave, QLatin1String(c.Agrupamento));
    return sql;
}

const TConsultaAlteracoes FormaPagamento{
    "formapagamento fp",
    "fp.codformapagamento",
    "offline_formapagamento",
    "",
    "",
    "fp.descricao, fp.tipotratamento, fp.intervalo, fp.parcelas",
    "fp.descricao, fp.tipotratamento, fp.intervalo, fp.parcelas"};

#define VARELO_COLUNAS_CLIENTE                                                                     \
    "c.codvendedor, c.codcidade, c.razaosocialnome, c.nomefantasia, c.contato, ci.nomecidade, "    \
    "ci.uf, c.cep, c.logradouro, c.numero, c.complemento, c.bairro, c.telefone, c.fax, "           \
    "c.celular, c.inscricaoestadualrg, c.inscricaomunicipal, c.email, c.cnpjcpf, c.tipopreco, "    \
    "c.exibirnodispositivo, c.inativo, c.acrescimoindividual, c.pedidocomst"
const TConsultaAlteracoes Cliente{"cliente c",
                                  "c.codcliente",
                                  "offline_cliente",
                                  "left join cidade ci on ci.codcidade = c.codcidade",
                                  "",
                                  VARELO_COLUNAS_CLIENTE,
                                  VARELO_COLUNAS_CLIENTE};

const TConsultaAlteracoes Grupo{"grupo g",
                                "g.codgrupo",
                                "offline_grupo",
                                "",
                                "",
                                "g.codsetor, g.nomegrupo",
                                "g.codsetor, g.nomegrupo"};

const TConsultaAlteracoes Marca{"marca m", "m.codmarca",       "offline_marca",   "",
                                "",        "m.marcadescricao", "m.marcadescricao"};

const TConsultaAlteracoes CodigoBarra{"codigobarra cb",
                                      "cb.codcodigobarra",
                                      "offline_codigobarra",
                                      "",
                                      "",
                                      "cb.codproduto, cb.codigobarra",
                                      "cb.codproduto, cb.codigobarra"};

#define VARELO_COLUNAS_PRODUTO                                                                     \
    "p.quantidade, p.descricao, p.aplicacao, p.preco, p.precorevenda, p.precorevista, p.mva, "     \
    "p.ncm, p.unidademedida, p.codgrupo, p.codalternativoa, p.promocao, p.codmarca, "              \
    "p.pesoparacalculo, p.tipo, p.imagem, p.exibirtablet, p.inativo"
const TConsultaAlteracoes Produto{"produto p", "p.codproduto",         "offline_produto",     "",
                                  "",          VARELO_COLUNAS_PRODUTO, VARELO_COLUNAS_PRODUTO};

#define VARELO_COLUNAS_TABELAPRECO                                                                 \
    "tp.codtabelapreco, tp.descricao, tp.regiao, tpp.codproduto, tpp.preco, tpp.precofaccao, "     \
    "tpp.precominimo"
const TConsultaAlteracoes TabelaPreco{
    "tabelaprecoproduto tpp",
    "tpp.codtabpreco",
    "offline_tabelaprecoproduto",
    "inner join tabelapreco tp on tpp.codtabelapreco=tp.codtabelapreco",
    "",
    VARELO_COLUNAS_TABELAPRECO,
    VARELO_COLUNAS_TABELAPRECO};

const TConsultaAlteracoes TabelaPrecoVendedor{"tabelaprecovendedor tpv",
                                              "tpv.codtabelaprecovendedor",
                                              "offline_tabelaprecovendedor",
                                              "",
                                              "",
                                              "tpv.codvendedor, tpv.codtabelapreco",
                                              "tpv.codvendedor, tpv.codtabelapreco"};

const TConsultaAlteracoes Funcionario{"funcionario f",
                                      "f.codfuncionario",
                                      "offline_funcionario",
                                      "",
                                      "",
                                      "f.nome, f.usuario, f.senha",
                                      "f.nome, f.usuario, f.senha"};

#define VARELO_COLUNAS_VENDEDOR                                                                    \
    "v.nome, v.codfuncionario, v.ultilizarmultiplosprecostabelapreco, v.valormaxdesconto"
const TConsultaAlteracoes Vendedor{
    "vendedor v", "v.codvendedor",         "offline_vendedor",     "",
    "",           VARELO_COLUNAS_VENDEDOR, VARELO_COLUNAS_VENDEDOR};

#define VARELO_COLUNAS_VINCULO "vp.codproduto, vp.aliquotaicms, vp.mva, vp.ufemissao"
const TConsultaAlteracoes VinculoProdutoCfop{
    "vinculoprodutocfop vp",   "vp.codvinculoprodutocfop", "offline_vinculoprodutocfop", "",
    "and vp.cstcsosn = '201'", VARELO_COLUNAS_VINCULO,     VARELO_COLUNAS_VINCULO};

const TConsultaAlteracoes HistoricoPedido{
    "pedidovenda pv",
    "ppv.codprodutopedidovenda",
    "offline_produtopedidovenda",
    "inner join produtopedidovenda ppv on ppv.codpedidovenda = pv.codpedidovenda",
    "and ppv.quantidade > 0",
    "pv.codpedidovenda, pv.codcliente, ppv.codproduto, pv.codvendedor, "
    "COALESCE(ppv.valorunitario,0) as valorunitario, "
    "COALESCE(pv.valortotalprodutos,0) as valortotalprodutos, "
    "COALESCE(pv.valortotalpedido,0) as valortotalpedido, "
    "COALESCE(pv.datapedido, now()) as datapedido, COALESCE(ppv.quantidade,0) as quantidade, "
    "pv.idnuvem",
    "pv.codpedidovenda, pv.codcliente, ppv.codproduto, pv.codvendedor, ppv.valorunitario, "
    "pv.valortotalprodutos, pv.valortotalpedido, pv.datapedido, ppv.quantidade, pv.idnuvem"};
} // namespace

TDM1::TDM1()
    : ZConnection1(QStringLiteral("exportador.ZConnection1")),
      TabEmitente(ZConnection1,
                  QStringLiteral("select codemitente, razaosocial, telefone, cnpjcpf, email, "
                                 "nomefantasia, responsavel, logradouro, numero, bairro from "
                                 "emitente")),
      QVersao(ZConnection1, textoVersao()),
      QConfiguracao(ZConnection1, QLatin1String(TextoConfiguracao)),
      QFormaPagamento(ZConnection1, textoAlteracoes(FormaPagamento)),
      QCliente(ZConnection1, textoAlteracoes(Cliente)),
      QGrupo(ZConnection1, textoAlteracoes(Grupo)), QMarca(ZConnection1, textoAlteracoes(Marca)),
      QCodigoBarra(ZConnection1, textoAlteracoes(CodigoBarra)),
      QProduto(ZConnection1, textoAlteracoes(Produto)),
      QTabelaPreco(ZConnection1, textoAlteracoes(TabelaPreco)),
      QTabelaPrecoVendedor(ZConnection1, textoAlteracoes(TabelaPrecoVendedor)),
      QFuncionario(ZConnection1, textoAlteracoes(Funcionario)),
      QVendedor(ZConnection1, textoAlteracoes(Vendedor)),
      QVinculoProdutoCfop(ZConnection1, textoAlteracoes(VinculoProdutoCfop)),
      QHistoricoPedido(ZConnection1, textoAlteracoes(HistoricoPedido)) {}

void AbreAlteracoes(TDataset& consulta, int versao) {
    consulta.Close();
    consulta.SetParametro(QStringLiteral("versao"), versao);
    consulta.Open();
}

int ContaAlteracoes(TConexao& conexao, const TDataset& consulta, int versao) {
    QSqlQuery q = ExecutaSql(conexao,
                             QStringLiteral("select count(*) from (") + consulta.TextoSql() +
                                 QStringLiteral(") alteracoes"),
                             {{QStringLiteral("versao"), versao}});
    return q.next() ? q.value(0).toInt() : 0;
}

TDM1* DM1() {
    return modulo.get();
}

void CriaDM() {
    CriaModuloDados(modulo, LiberaDM);
}

void LiberaDM() {
    modulo.reset();
}

} // namespace exportador
