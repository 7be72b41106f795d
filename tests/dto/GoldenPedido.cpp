#include "GoldenPedido.h"

namespace {

const char* const Emitente = "12.345.678/0001-90";
#define EMIT "\"cnpjcpf_emitente\":\"12.345.678\\/0001-90\""

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

std::unique_ptr<TCodigoBarra> CodigoBarra(int cod, const char* codigo, int produto, int versao) {
    auto c = std::make_unique<TCodigoBarra>();
    c->CnpjcpfEmitente = Emitente;
    c->Codcodigobarra = cod;
    c->Codigobarra = codigo;
    c->Codproduto = produto;
    c->Versao = versao;
    return c;
}

std::unique_ptr<TProduto> Produto2() {
    auto p = std::make_unique<TProduto>();
    p->CnpjcpfEmitente = Emitente;
    p->Codproduto = 202;
    p->Descricao = "Bolo";
    p->Preco = 35;
    p->Promocao = true;
    p->Unidademedida = "UN";
    p->CodigodeBarras.Add(CodigoBarra(3, "7891234567895", 202, 0));
    return p;
}

const char* const Produto1Texto =
    "{\"aplicacao\":\"\"," EMIT ",\"codalternativoa\":\"A-101\",\"codgrupo\":1,\"codmarca\":2,"
    "\"codproduto\":101,\"deletado\":false,\"descricao\":\"P\\u00E3o franc\\u00EAs\",\"foto\":\"\","
    "\"mva\":35.5,\"ncm\":\"19059090\",\"pesoparacalculo\":0.05,\"preco\":25,\"precorevenda\":0,"
    "\"precorevista\":0,\"promocao\":false,\"quantidade\":1000,\"tipo\":\"P\","
    "\"unidademedida\":\"KG\",\"versao\":9,\"exibirtablet\":true,\"inativo\":false,"
    "\"grupo\":\"Padaria\",\"marca\":\"Casa\",\"codigodeBarras\":["
    "{" EMIT ",\"codcodigobarra\":1,\"codigobarra\":\"789\",\"codproduto\":101,\"deletado\":false,"
    "\"versao\":1},"
    "{" EMIT ",\"codcodigobarra\":2,\"codigobarra\":\"123\",\"codproduto\":101,\"deletado\":false,"
    "\"versao\":1}],"
    "\"aliquotaST\":{\"aliquotaicms\":18," EMIT ",\"codproduto\":101,\"codvinculoprodutocfop\":4,"
    "\"deletado\":false,\"mva\":35.5,\"ufemissao\":\"SP\",\"versao\":2},"
    "\"dataultimopedido\":\"2024-02-29T23:59:59.999Z\"}";

const char* const Produto2Texto =
    "{\"aplicacao\":\"\"," EMIT ",\"codalternativoa\":\"\",\"codgrupo\":0,\"codmarca\":0,"
    "\"codproduto\":202,\"deletado\":false,\"descricao\":\"Bolo\",\"foto\":\"\",\"mva\":0,"
    "\"ncm\":\"\",\"pesoparacalculo\":0,\"preco\":35,\"precorevenda\":0,\"precorevista\":0,"
    "\"promocao\":true,\"quantidade\":0,\"tipo\":\"\",\"unidademedida\":\"UN\",\"versao\":0,"
    "\"exibirtablet\":false,\"inativo\":false,\"grupo\":\"\",\"marca\":\"\",\"codigodeBarras\":["
    "{" EMIT ",\"codcodigobarra\":3,\"codigobarra\":\"7891234567895\",\"codproduto\":202,"
    "\"deletado\":false,\"versao\":0}],"
    "\"aliquotaST\":null,\"dataultimopedido\":\"1899-12-30T00:00:00.000Z\"}";

QByteArray PedidoTexto(const char* chaveExcluir, const char* chaveCodigos) {
    QByteArray p1 = Produto1Texto;
    QByteArray p2 = Produto2Texto;
    p1.replace("\"codigodeBarras\"", chaveCodigos);
    p2.replace("\"codigodeBarras\"", chaveCodigos);
    return QByteArray(
               "{\"acrescimo\":1.5,\"acrescimoperc\":0," EMIT ",\"codcliente\":31,"
               "\"codformapagamento\":2,\"codpedidovenda\":1520,\"codvendedor\":4,"
               "\"condicional\":\"N\",\"dataentrega\":\"\","
               "\"datapedido\":\"2024-03-05T00:00:00.000Z\",\"desconto\":2.25,"
               "\"descontoperc\":0.5,\"faturamento\":\"\","
               "\"horapedido\":\"2024-03-05T14:30:15.250Z\",\"idapp\":12,\"idcliente\":77,"
               "\"observacao\":\"Entregar ap\\u00F3s 14h \\/ port\\u00E3o\","
               "\"razaosocialnome\":\"Padaria S\\u00E3o Jo\\u00E3o Ltda\",\"status\":\"A\","
               "\"stpedido\":true,\"tipo\":\"P\",\"tipobonificacaoapp\":false,"
               "\"valortotalpedido\":100.25,\"valortotalprodutos\":101,"
               "\"cliente\":{\"acrescimoindividual\":0,\"bairro\":\"Centro\","
               "\"celular\":\"(11) 98888-7777\",\"cep\":\"01001-000\","
               "\"cnpjcpf\":\"123.456.789-09\"," EMIT ",\"codcidade\":3550308,\"codcliente\":31,"
               "\"codvendedor\":4,\"complemento\":\"\",\"contato\":\"Maria\","
               "\"email\":\"maria@example.com\",\"exibirnodispositivo\":true,\"fax\":\"\","
               "\"inativo\":false,\"inscricaoestadualrg\":\"ISENTO\",\"inscricaomunicipal\":\"\","
               "\"logradouro\":\"Rua A\",\"nomecidade\":\"S\\u00E3o Paulo\","
               "\"nomefantasia\":\"Padaria\",\"numero\":\"10\",\"pedidocomst\":false,"
               "\"razaosocialnome\":\"Padaria S\\u00E3o Jo\\u00E3o Ltda\",\"telefone\":\"\","
               "\"tipopreco\":\"V\",\"uf\":\"SP\",\"versao\":0,\"deletado\":false,\"regiao\":\"\","
               "\"id\":77},"
               "\"produtos\":["
               "{\"acrescimoitem\":0,\"acrescimoitemporcentagem\":0," EMIT ","
               "\"codpedidovenda\":1520,\"codproduto\":101,\"descontoitem\":1.25,"
               "\"descontoitemporcentagem\":2.5,\"id\":5,\"idpedidoapp\":12,\"observacaoitem\":"
               "\"\","
               "\"quantidade\":2,\"valortotal\":48.75,\"valorunitario\":25,\"produto\":") +
           p1 +
           ","
           "\"valorst\":0.75,\"outros\":0,\"precoalterado\":true},"
           "{\"acrescimoitem\":0.5,\"acrescimoitemporcentagem\":0," EMIT ",\"codpedidovenda\":1520,"
           "\"codproduto\":202,\"descontoitem\":1,\"descontoitemporcentagem\":0,\"id\":0,"
           "\"idpedidoapp\":12,\"observacaoitem\":\"sem a\\u00E7\\u00FAcar\",\"quantidade\":1.5,"
           "\"valortotal\":52.25,\"valorunitario\":35,\"produto\":" +
           p2 +
           ",\"valorst\":0,\"outros\":1,\"precoalterado\":false}],"
           "\"valorst\":0.75,"
           "\"formaPagamento\":{" EMIT ",\"codformapagamento\":2,\"descricao\":\"Boleto 30\\/60\","
           "\"tipotratamento\":\"B\",\"versao\":3,\"deletado\":false,\"intervalo\":30,"
           "\"parcelas\":2}," +
           chaveExcluir +
           ":[{\"id\":7}],"
           "\"parcelas\":["
           "{" EMIT ",\"dataemissao\":\"2024-03-05T00:00:00.000Z\","
           "\"datavencimento\":\"2024-04-04T00:00:00.000Z\",\"id\":0,\"idpedidoapp\":12,"
           "\"valorparcela\":50.13,\"numero\":1,\"indice\":0},"
           "{" EMIT ",\"dataemissao\":\"2024-03-05T00:00:00.000Z\","
           "\"datavencimento\":\"2024-05-04T00:00:00.000Z\",\"id\":0,\"idpedidoapp\":12,"
           "\"valorparcela\":50.12,\"numero\":2,\"indice\":1}],"
           "\"qtdproduto\":2,\"qtdtotal\":3.5,\"idnuvem\":88,\"nomevendedor\":\"Jos\\u00E9\"}";
}

} // namespace

std::unique_ptr<TProduto> MontaProdutoGolden1() {
    auto p = std::make_unique<TProduto>();
    p->CnpjcpfEmitente = Emitente;
    p->Codalternativoa = "A-101";
    p->Codgrupo = 1;
    p->Codmarca = 2;
    p->Codproduto = 101;
    p->Descricao = U("P\xC3\xA3o franc\xC3\xAAs");
    p->Mva = 35.5;
    p->Ncm = "19059090";
    p->Pesoparacalculo = 0.05;
    p->Preco = 25;
    p->Quantidade = 1000;
    p->Tipo = "P";
    p->Unidademedida = "KG";
    p->Versao = 9;
    p->ExibirTablet = true;
    p->Grupo = "Padaria";
    p->Marca = "Casa";
    p->CodigodeBarras.Add(CodigoBarra(1, "789", 101, 1));
    p->CodigodeBarras.Add(CodigoBarra(2, "123", 101, 1));
    auto st = std::make_unique<TVinculoProdutoCfop>();
    st->Aliquotaicms = 18;
    st->CnpjcpfEmitente = Emitente;
    st->Codproduto = 101;
    st->Codvinculoprodutocfop = 4;
    st->Mva = 35.5;
    st->Ufemissao = "SP";
    st->Versao = 2;
    p->setAliquotaST(std::move(st));
    p->DataUltimoPedido = EncodeDateTime(QDate(2024, 2, 29), QTime(23, 59, 59, 999));
    return p;
}

std::unique_ptr<TPedido> MontaPedidoGolden() {
    auto pedido = std::make_unique<TPedido>();
    TPedido& p = *pedido;
    p.Acrescimo = 1.5;
    p.CnpjcpfEmitente = Emitente;
    p.Codpedidovenda = 1520;
    p.Codvendedor = 4;
    p.Condicional = "N";
    p.Datapedido = EncodeDateTime(QDate(2024, 3, 5));
    p.Desconto = 2.25;
    p.DescontoPerc = 0.5;
    p.Horapedido = EncodeDateTime(QDate(2024, 3, 5), QTime(14, 30, 15, 250));
    p.Idapp = 12;
    p.Observacao = U("Entregar ap\xC3\xB3s 14h / port\xC3\xA3o");
    p.Razaosocialnome = U("Padaria S\xC3\xA3o Jo\xC3\xA3o Ltda");
    p.Status = "A";
    p.Stpedido = true;
    p.Tipo = "P";
    p.Valortotalpedido = 100.25;
    p.Valortotalprodutos = 101;
    p.ValorST = 0.75;
    p.QtdProduto = 2;
    p.QtdTotal = 3.5;
    p.IdNuvem = 88;
    p.NomeVendedor = U("Jos\xC3\xA9");

    auto c = std::make_unique<TCliente>();
    c->Bairro = "Centro";
    c->Celular = "(11) 98888-7777";
    c->Cep = "01001-000";
    c->Cnpjcpf = "123.456.789-09";
    c->CnpjcpfEmitente = Emitente;
    c->Codcidade = 3550308;
    c->Codcliente = 31;
    c->Codvendedor = 4;
    c->Contato = "Maria";
    c->Email = "maria@example.com";
    c->Exibirnodispositivo = true;
    c->Inscricaoestadualrg = "ISENTO";
    c->Logradouro = "Rua A";
    c->Nomecidade = U("S\xC3\xA3o Paulo");
    c->Nomefantasia = "Padaria";
    c->Numero = "10";
    c->Razaosocialnome = U("Padaria S\xC3\xA3o Jo\xC3\xA3o Ltda");
    c->Tipopreco = "V";
    c->Uf = "SP";
    c->ID = 77;
    p.setCliente(std::move(c)); // codcliente 31, idcliente 77

    TProdutoPedido* l1 = p.Produtos.Novo();
    l1->CnpjcpfEmitente = Emitente;
    l1->Codpedidovenda = 1520;
    l1->Descontoitem = 1.25;
    l1->Descontoitemporcentagem = 2.5;
    l1->Id = 5;
    l1->Idpedidoapp = 12;
    l1->Quantidade = 2;
    l1->Valortotal = 48.75;
    l1->Valorunitario = 25;
    l1->ValorST = 0.75;
    l1->PrecoAlterado = true;
    l1->setProduto(MontaProdutoGolden1()); // codproduto 101

    TProdutoPedido* l2 = p.Produtos.Novo();
    l2->Acrescimoitem = 0.5;
    l2->CnpjcpfEmitente = Emitente;
    l2->Codpedidovenda = 1520;
    l2->Descontoitem = 1;
    l2->Idpedidoapp = 12;
    l2->Observacaoitem = U("sem a\xC3\xA7\xC3\xBA"
                           "car");
    l2->Quantidade = 1.5;
    l2->Valortotal = 52.25;
    l2->Valorunitario = 35;
    l2->Outros = 1;
    l2->setProduto(Produto2());

    auto fp = std::make_unique<TFormaPagamento>();
    fp->CnpjcpfEmitente = Emitente;
    fp->Codformapagamento = 2;
    fp->Descricao = "Boleto 30/60";
    fp->Tipotratamento = "B";
    fp->Versao = 3;
    fp->Intervalo = 30;
    fp->Parcelas = 2;
    p.setFormaPagamento(std::move(fp)); // codformapagamento 2

    p.ProdutosExcluir.Novo()->id = 7;

    for (int i = 0; i < 2; ++i) {
        TParcela* parcela = p.Parcelas.Novo();
        parcela->CnpjcpfEmitente = Emitente;
        parcela->Dataemissao = EncodeDateTime(QDate(2024, 3, 5));
        parcela->Datavencimento = EncodeDateTime(QDate(2024, 3, 5).addDays(30 * (i + 1)));
        parcela->Idpedidoapp = 12;
        parcela->Valorparcela = i == 0 ? 50.13 : 50.12;
        parcela->Numero = i + 1;
        parcela->Indice = i;
    }
    return pedido;
}

QByteArray ProdutoGolden1() {
    return Produto1Texto;
}

QByteArray PedidoGolden() {
    return PedidoTexto("\"produtosExcluir\"", "\"codigodeBarras\"");
}

QByteArray PedidoComoServicoEnvia() {
    return PedidoTexto("\"produtosexcluir\"", "\"codigodebarras\"");
}
