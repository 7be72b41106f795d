#include "ServicoApi.h"

#include "Armazem.h"
#include "CorpoJson.h"
#include "Dto.AttRequest.h"
#include "Dto.Cliente.h"
#include "Dto.CodigoBarra.h"
#include "Dto.Configuracao.h"
#include "Dto.Emitente.h"
#include "Dto.FormaPagamento.h"
#include "Dto.Funcionario.h"
#include "Dto.Grupo.h"
#include "Dto.HistoricoPedido.h"
#include "Dto.Marca.h"
#include "Dto.Pedido.h"
#include "Dto.Produto.h"
#include "Dto.Retorno.h"
#include "Dto.TabelaPreco.h"
#include "Dto.TabelaPrecoVendedor.h"
#include "Dto.Vendedor.h"
#include "Dto.Versao.h"
#include "Dto.VinculoProdutoCfop.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

TResposta RespostaMensagem(int status, const QString& mensagem) {
    TRetorno r;
    r.StatusCode = status;
    r.Mensagem = mensagem;
    return {status, r.AsJsonUtf8()};
}

namespace {
// A failure of the request itself, answered with its status and message.
struct TRecusa {
    int Status;
    QString Mensagem;
};

// Reads a batch with its list wrapper; each record is kept under the value of its key property.
template <class L>
std::vector<TRegistro> leLote(const QByteArray& corpo, const char* propriedadeChave) {
    L lista;
    lista.SetAsJsonUtf8(RenomeiaItems(corpo));
    std::vector<TRegistro> registros;
    registros.reserve(size_t(lista.Items.Count()));
    int posicao = 0;
    for (const auto* item : lista.Items) {
        const TDescritor& d = item->Descritor();
        const TCampo* chave =
            propriedadeChave ? d.Campo(QString::fromLatin1(propriedadeChave)) : nullptr;
        const TCampo* deletado = d.Campo(u"Deletado");
        TRegistro r;
        r.Chave = chave ? chave->Le(*item).toString() : QString::number(posicao);
        r.Json = EscreveJsonDTO(*item);
        r.Deletado = deletado && deletado->Le(*item).toBool();
        registros.push_back(std::move(r));
        ++posicao;
    }
    return registros;
}

struct TEndpointLote {
    const char* Caminho;
    const char* Tabela;
    const char* Chave; // nullptr: the batch replaces the whole table
    std::vector<TRegistro> (*Le)(const QByteArray&, const char*);
};

const TEndpointLote Lotes[] = {
    {"/atualizacliente", "cliente", "Codcliente", &leLote<TListaCliente>},
    {"/atualizacodigobarra", "codigobarra", "Codcodigobarra", &leLote<TListaCodigoBarra>},
    {"/atualizaconfiguracao", "configuracao", nullptr, &leLote<TListaConfiguracao>},
    {"/atualizaformapagamento", "formapagamento", "Codformapagamento",
     &leLote<TListaFormaPagamento>},
    {"/atualizafuncionario", "funcionario", "Codfuncionario", &leLote<TListaFuncionario>},
    {"/atualizagrupo", "grupo", "Codgrupo", &leLote<TListaGrupo>},
    {"/atualizahistoricopedido", "historicopedido", "Codprodutopedidovenda",
     &leLote<TListaHistoricoPedido>},
    {"/atualizamarca", "marca", "Codmarca", &leLote<TListaMarca>},
    {"/atualizaproduto", "produto", "Codproduto", &leLote<TListaProduto>},
    {"/atualizatabelapreco", "tabelapreco", "Codtabpreco", &leLote<TListaTabelaPreco>},
    {"/atualizatabelaprecovendedor", "tabelaprecovendedor", "Codtabelaprecovendedor",
     &leLote<TListaTabelaPrecoVendedor>},
    {"/atualizavendedor", "vendedor", "Codvendedor", &leLote<TListaVendedor>},
    {"/atualizavinculoprodutocfop", "vinculoprodutocfop", "Codvinculoprodutocfop",
     &leLote<TListaVinculoProdutoCfop>},
};

const char* const Outros[] = {"/getpedidos",       "/atualizacodcliente", "/atualizacodpedido",
                              "/atualizaemitente", "/versaotabelas",      "/salvaversao",
                              "/apagatabelas"};

const TEndpointLote* lote(const QString& caminho) {
    for (const TEndpointLote& l : Lotes)
        if (caminho == QLatin1String(l.Caminho))
            return &l;
    return nullptr;
}

// Checks the body before a DTO reads it: the reader ignores text that is not JSON, which
// would turn a broken request into a silent success.
TCorpoJson exigeJson(const QByteArray& corpo, bool exigeObjeto) {
    TCorpoJson c = TCorpoJson::Analisa(corpo);
    if (!c.Valido)
        throw TRecusa{400, c.Erro};
    const bool ok = exigeObjeto ? c.Forma == TCorpoJson::TForma::Objeto
                                : (c.Forma == TCorpoJson::TForma::Objeto ||
                                   c.Forma == TCorpoJson::TForma::Array);
    if (!ok)
        throw TRecusa{400, exigeObjeto
                               ? QStringLiteral("O corpo deve ser um objeto JSON")
                               : QStringLiteral("O corpo deve ser um objeto ou array JSON")};
    return c;
}

// A tenant the service does not know yet holds no version of anything.
QByteArray versaoNova(const QString& emitente) {
    TVersao v;
    for (const TCampo& c : v.Descritor().Campos)
        if (c.Tipo == TTipoCampo::Inteiro)
            c.Grava(v, -1);
    v.CnpjCpf_Emitente = emitente;
    return v.AsJsonUtf8();
}
} // namespace

bool TServicoApi::Conhece(const QString& caminho) {
    if (lote(caminho))
        return true;
    for (const char* c : Outros)
        if (caminho == QLatin1String(c))
            return true;
    return false;
}

TResposta TServicoApi::Trata(const QString& caminho, const QString& emitente,
                             const QByteArray& corpo) {
    try {
        if (const TEndpointLote* l = lote(caminho)) {
            exigeJson(corpo, false);
            const std::vector<TRegistro> registros = l->Le(corpo, l->Chave);
            if (l->Chave)
                FArmazem.GravaRegistros(emitente, QLatin1String(l->Tabela), registros);
            else
                FArmazem.SubstituiTabela(emitente, QLatin1String(l->Tabela), registros);
            return RespostaMensagem(
                200, QStringLiteral("%1 registro(s) recebido(s)").arg(registros.size()));
        }
        if (caminho == QLatin1String("/getpedidos")) {
            exigeJson(corpo, true);
            TAttRequest pedido;
            pedido.SetAsJsonUtf8(corpo);
            return {200, ListaPedidosJson(emitente)};
        }
        if (caminho == QLatin1String("/atualizacodpedido")) {
            exigeJson(corpo, true);
            TAtualizaCodpedido a;
            a.SetAsJsonUtf8(corpo);
            if (!FArmazem.ConfirmaPedido(emitente, a.IdNuvem, a.CodPedido))
                return RespostaMensagem(404,
                                        QStringLiteral("Pedido %1 não encontrado").arg(a.IdNuvem));
            return RespostaMensagem(200, QStringLiteral("Pedido %1 confirmado com o número %2")
                                             .arg(a.IdNuvem)
                                             .arg(a.CodPedido));
        }
        if (caminho == QLatin1String("/atualizacodcliente")) {
            exigeJson(corpo, true);
            TAtualizaCliente a;
            a.SetAsJsonUtf8(corpo);
            if (!FArmazem.AtualizaCodCliente(emitente, a.Id, a.Codcliente))
                return RespostaMensagem(404, QStringLiteral("Cliente %1 não encontrado").arg(a.Id));
            return RespostaMensagem(
                200, QStringLiteral("Cliente %1 com o código %2").arg(a.Id).arg(a.Codcliente));
        }
        if (caminho == QLatin1String("/atualizaemitente")) {
            exigeJson(corpo, true);
            TEmitente e;
            e.SetAsJsonUtf8(corpo);
            FArmazem.SubstituiTabela(emitente, QStringLiteral("emitente"),
                                     {TRegistro{e.Cnpjcpf, e.AsJsonUtf8(), false}});
            return RespostaMensagem(200, QStringLiteral("Emitente gravado"));
        }
        if (caminho == QLatin1String("/versaotabelas")) {
            exigeJson(corpo, true);
            return {200, VersaoJson(emitente)};
        }
        if (caminho == QLatin1String("/salvaversao")) {
            exigeJson(corpo, true);
            TVersao v;
            v.SetAsJsonUtf8(corpo);
            FArmazem.GravaVersao(emitente, v.AsJsonUtf8());
            return RespostaMensagem(200, QStringLiteral("Versões gravadas"));
        }
        if (caminho == QLatin1String("/apagatabelas")) {
            exigeJson(corpo, true);
            FArmazem.ApagaEmitente(emitente);
            return RespostaMensagem(200, QStringLiteral("Dados do emitente apagados"));
        }
        return RespostaMensagem(404, QStringLiteral("Endpoint desconhecido: ") + caminho);
    } catch (const TRecusa& r) {
        return RespostaMensagem(r.Status, r.Mensagem);
    } catch (const EJsonDTO& e) {
        return RespostaMensagem(400, e.Mensagem());
    }
}

QByteArray TServicoApi::VersaoJson(const QString& emitente) {
    if (std::optional<QByteArray> guardada = FArmazem.Versao(emitente))
        return *guardada;
    return versaoNova(emitente);
}

QByteArray TServicoApi::ListaPedidosJson(const QString& emitente) {
    const std::vector<TPedidoGuardado> guardados = FArmazem.PedidosPendentes(emitente);
    // An order is kept as the JSON its TPedido wrote when it was queued; only those whose
    // client the shop has reported since need to be read and written again.
    QByteArray json = QByteArrayLiteral("{\"Items\":[");
    for (size_t i = 0; i < guardados.size(); ++i) {
        const TPedidoGuardado& g = guardados[i];
        if (i > 0)
            json += ',';
        if (!g.CodCliente) {
            json += g.Json;
            continue;
        }
        TPedido p;
        p.SetAsJsonUtf8(g.Json);
        p.Codcliente = *g.CodCliente;
        if (p.Cliente())
            p.Cliente()->Codcliente = *g.CodCliente;
        json += p.AsJsonUtf8();
    }
    // The rest of a paged wrapper as TListaPedido writes it: one page holding everything.
    TListaPedido pagina;
    pagina.CurrentPage = 1;
    pagina.LastPage = 1;
    pagina.Total = int(guardados.size());
    const QByteArray resto = pagina.AsJsonUtf8();
    json += ']';
    json += resto.mid(resto.indexOf(",\"data\":"));
    return json;
}

TResposta TServicoApi::EnfileiraPedidos(const QString& emitenteParametro, const QByteArray& corpo) {
    TListaPedido lista;
    try {
        const TCorpoJson c = exigeJson(corpo, false);
        if (c.Forma == TCorpoJson::TForma::Array) {
            lista.SetAsJsonUtf8(corpo);
        } else {
            auto p = std::make_unique<TPedido>();
            p->SetAsJsonUtf8(corpo);
            lista.Items.Add(std::move(p));
        }
    } catch (const TRecusa& r) {
        return RespostaMensagem(r.Status, r.Mensagem);
    } catch (const EJsonDTO& e) {
        return RespostaMensagem(400, e.Mensagem());
    }

    // Ids are drawn in bulk and everything is stored in one transaction: queueing a thousand
    // orders for a benchmark takes a handful of round trips, not thousands.
    int clientesNovos = 0;
    for (TPedido* p : lista.Items) {
        if (p->CnpjcpfEmitente.isEmpty())
            p->CnpjcpfEmitente = emitenteParametro;
        const QString emitente =
            emitenteParametro.isEmpty() ? p->CnpjcpfEmitente : emitenteParametro;
        if (emitente.trimmed().isEmpty())
            return RespostaMensagem(400, QStringLiteral("Informe o emitente (?emitente=)"));
        if (!p->Cliente()) {
            auto cliente = std::make_unique<TCliente>();
            cliente->Razaosocialnome = p->Razaosocialnome;
            cliente->Codcliente = p->Codcliente;
            p->setCliente(std::move(cliente));
        }
        TCliente* cliente = p->Cliente();
        if (cliente->CnpjcpfEmitente.isEmpty())
            cliente->CnpjcpfEmitente = emitente;
        // A client the service already holds for this tenant keeps its id; any other is new.
        if (cliente->ID > 0 && !FArmazem.ClienteExiste(emitente, cliente->ID))
            cliente->ID = 0;
        if (cliente->ID <= 0)
            ++clientesNovos;
    }
    const std::vector<int> idsCliente = FArmazem.NovosIdsCliente(clientesNovos);
    const std::vector<int> idsPedido = FArmazem.NovosIdsPedido(lista.Items.Count());
    std::vector<TClienteNovo> clientes;
    std::vector<TPedidoNovo> fila;
    QJsonArray criados;
    size_t proximoCliente = 0, proximoPedido = 0;
    for (TPedido* p : lista.Items) {
        const QString emitente =
            emitenteParametro.isEmpty() ? p->CnpjcpfEmitente : emitenteParametro;
        TCliente* cliente = p->Cliente();
        if (cliente->ID <= 0) {
            cliente->ID = idsCliente.at(proximoCliente++);
            clientes.push_back({emitente, cliente->ID, EscreveJsonDTO(*cliente)});
        }
        p->Idcliente = cliente->ID;
        p->IdNuvem = idsPedido.at(proximoPedido++);
        fila.push_back({emitente, p->IdNuvem, p->Idcliente, p->AsJsonUtf8()});
        criados.append(QJsonObject{{QStringLiteral("idnuvem"), p->IdNuvem},
                                   {QStringLiteral("idcliente"), p->Idcliente}});
    }
    FArmazem.GravaFila(clientes, fila);
    return {200, QJsonDocument(QJsonObject{{QStringLiteral("pedidos"), criados}})
                     .toJson(QJsonDocument::Compact)};
}
