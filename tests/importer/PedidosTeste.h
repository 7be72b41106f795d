#pragma once

// Orders and clients as the phone would send them, for the importer's tests and benchmark.

#include "Dto.Pedido.h"

#include <memory>
#include <QDate>
#include <QString>
#include <QTime>

namespace pedidosteste {

// The demo business's emitter (db/demo.sql): the token of every request.
inline const QString Emitente = QStringLiteral("34.719.526/0001-48");

inline TDateTime Data(int ano, int mes, int dia) {
    return EncodeDateTime(QDate(ano, mes, dia));
}
inline TDateTime Hora(int h, int m, int s) {
    return EncodeDateTime(QDate(1899, 12, 30), QTime(h, m, s));
}

// A client that the demo database does not hold.
inline std::unique_ptr<TCliente>
ClienteNovo(const QString& documento = QStringLiteral("123.456.789-09")) {
    auto c = std::make_unique<TCliente>();
    c->Razaosocialnome = QStringLiteral("Quitanda São João da Boa Vista Ltda ME");
    c->Nomefantasia = QStringLiteral("Quitanda do João");
    c->Cnpjcpf = documento;
    c->Inscricaoestadualrg = QStringLiteral("10.999.888-7");
    c->Inscricaomunicipal = QStringLiteral("55123");
    c->Contato = QStringLiteral("João Araújo");
    c->Cep = QStringLiteral("74000-100");
    c->Logradouro = QStringLiteral("Rua 4");
    c->Numero = QStringLiteral("88");
    c->Complemento = QStringLiteral("Fundos");
    c->Bairro = QStringLiteral("Setor Oeste");
    c->Codcidade = 1;
    c->Telefone = QStringLiteral("(62)3222-1100");
    c->Fax = QStringLiteral("(62)3222-1101");
    c->Celular = QStringLiteral("(62)99999-0001");
    c->Email = QStringLiteral("joao@quitanda.example.com");
    c->Codvendedor = 2;
    c->Tipopreco = QStringLiteral("VAREJO");
    c->Acrescimoindividual = 1.25;
    c->Inativo = false;
    c->Exibirnodispositivo = true;
    c->Pedidocomst = true;
    c->Nomecidade = QStringLiteral("Goiânia");
    c->Uf = QStringLiteral("GO");
    c->CnpjcpfEmitente = Emitente;
    return c;
}

// A full order: a new client, payment form 4, two lines of demo products, two instalments.
inline std::unique_ptr<TPedido> PedidoCompleto(std::unique_ptr<TCliente> cliente = ClienteNovo()) {
    auto p = std::make_unique<TPedido>();
    p->CnpjcpfEmitente = Emitente;
    p->Datapedido = Data(2026, 12, 10);
    p->Dataentrega = Data(2026, 12, 14);
    p->Horapedido = Hora(14, 35, 12);
    p->Codvendedor = 2;
    p->Codformapagamento = 4;
    p->Desconto = 1.5;
    p->Acrescimo = 0.75;
    p->Valortotalprodutos = 100.7;
    p->Valortotalpedido = 99.95;
    p->Observacao = QStringLiteral("Entregar após as 14h — portão azul ☺");
    p->Tipo = QStringLiteral("P");
    p->Condicional = QStringLiteral("N");
    p->Faturamento = QStringLiteral("BOLETO");
    p->Stpedido = true;
    p->Tipobonificacaoapp = false;
    p->Status = QStringLiteral("X"); // the pass decides the status, never the phone
    p->Razaosocialnome = cliente ? cliente->Razaosocialnome : QString();
    p->setCliente(std::move(cliente));

    auto l1 = std::make_unique<TProdutoPedido>();
    l1->Codproduto = 3;
    l1->Quantidade = 2;
    l1->Valorunitario = 18.9;
    l1->Valortotal = 37.8;
    l1->Descontoitem = 0.5;
    l1->Descontoitemporcentagem = 1.32;
    l1->Acrescimoitem = 0.25;
    l1->Acrescimoitemporcentagem = 0.66;
    l1->Observacaoitem = QStringLiteral("Moído fino");
    l1->Outros = 7;
    l1->PrecoAlterado = true;
    p->Produtos.Add(std::move(l1));
    auto l2 = std::make_unique<TProdutoPedido>();
    l2->Codproduto = 5;
    l2->Quantidade = 9;
    l2->Valorunitario = 6.99;
    l2->Valortotal = 62.9;
    p->Produtos.Add(std::move(l2));

    auto i1 = std::make_unique<TParcela>();
    i1->Dataemissao = Data(2026, 12, 10);
    i1->Datavencimento = Data(2027, 1, 9);
    i1->Valorparcela = 50;
    i1->Numero = 1;
    i1->Indice = 0;
    p->Parcelas.Add(std::move(i1));
    auto i2 = std::make_unique<TParcela>();
    i2->Dataemissao = Data(2026, 12, 10);
    i2->Datavencimento = Data(2027, 2, 8);
    i2->Valorparcela = 49.95;
    i2->Numero = 2;
    i2->Indice = 1;
    p->Parcelas.Add(std::move(i2));
    return p;
}

// The smallest order of an existing client: one line, no instalments.
inline std::unique_ptr<TPedido> PedidoSimples(int codcliente, int codproduto = 1) {
    auto c = std::make_unique<TCliente>();
    c->Codcliente = codcliente;
    c->Razaosocialnome = QStringLiteral("Cliente %1").arg(codcliente);
    auto p = std::make_unique<TPedido>();
    p->CnpjcpfEmitente = Emitente;
    p->Datapedido = Data(2026, 12, 11);
    p->Codformapagamento = 1;
    p->Valortotalprodutos = 10;
    p->Valortotalpedido = 10;
    p->setCliente(std::move(c));
    auto l = std::make_unique<TProdutoPedido>();
    l->Codproduto = codproduto;
    l->Quantidade = 1;
    l->Valorunitario = 10;
    l->Valortotal = 10;
    p->Produtos.Add(std::move(l));
    return p;
}

} // namespace pedidosteste
