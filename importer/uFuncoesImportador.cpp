#include "uFuncoesImportador.h"

#include "ApiImportador.h"
#include "ArquivoIni.h"
#include "ClienteHttp.h"
#include "Erro.h"
#include "IVisaoImportador.h"
#include "PreencheCampos.h"
#include "UDM1.h"
#include "uFuncoesUteis.h"

#include <QHash>
#include <QSqlError>
#include <QStringList>

namespace importador {

namespace {

struct TConfiguracaoPassagem {
    bool Automatico = false;
    bool MultiploPagamento = false;
    bool PedidoFechado = false;
};

void registraErro(const QString& funcao, const QString& erro) {
    GravaLogErro(QString(), QString(), funcao, erro, true);
}

QString textoDe(const std::exception& e) {
    if (const auto* erro = dynamic_cast<const EErro*>(&e))
        return erro->Mensagem();
    if (const auto* erro = dynamic_cast<const EJsonDTO*>(&e))
        return erro->Mensagem();
    return QString::fromUtf8(e.what());
}

QString textoErro(const QSqlError& erro) {
    const QString banco = erro.databaseText().trimmed();
    return banco.isEmpty() ? erro.text() : banco;
}

TDM1& moduloConectado() {
    TDM1* dm = DM1();
    if (!dm || !dm->ZConnection1.Connected())
        throw EErro(QStringLiteral("Sem conexão com o banco de dados"));
    return *dm;
}

QString cnpjEmitente(TDM1& dm) {
    return dm.TabEmitente.AsString(QStringLiteral("cnpjcpf"));
}

// First row's codcliente of TabCliente under `condicao`; 0 when no row matches. The query
// stays open (a new client is inserted through it).
int procuraCliente(TDataset& tab, const QString& condicao, const QVariantMap& parametros) {
    tab.Close();
    tab.RemoveCondicao();
    tab.SetCondicao(condicao, parametros);
    tab.Open();
    return tab.FieldByName(QStringLiteral("codcliente")).toInt();
}

void reportaCliente(const TCliente& cliente, int codigo, const QString& emitente,
                    const TClienteHttp& http, const QString& funcao) {
    try {
        TAtualizaCliente relato;
        relato.Id = cliente.ID;
        relato.CnpjcpfEmitente = emitente;
        relato.Codcliente = codigo;
        std::unique_ptr<TRetorno> retorno;
        ApiAtualizaCodCliente(http, relato, retorno, 1);
        if (retorno->StatusCode != 200)
            registraErro(funcao, retorno->Mensagem);
    } catch (const std::exception& e) {
        registraErro(funcao, textoDe(e));
    }
}

// The local client of an order. An order that arrives without its client object can only
// name a client by its code; it never gets a stranger's or an empty new row.
int clienteDoPedido(TDM1& dm, const TPedido& pedido, const TClienteHttp& http) {
    if (pedido.Cliente())
        return GetCodCliente(*pedido.Cliente(), http);
    int codigo = 0;
    if (pedido.Codcliente > 0) {
        codigo = procuraCliente(dm.TabCliente, QStringLiteral("codcliente = :codcliente"),
                                {{QStringLiteral("codcliente"), pedido.Codcliente}});
        dm.TabCliente.Close();
    }
    if (codigo <= 0)
        throw EErro(QStringLiteral("Pedido %1 recebido sem o cliente").arg(pedido.IdNuvem));
    return codigo;
}

// The local number of every order of the list that an earlier pass already stored, by the
// service's id; one query for the whole list.
QHash<int, int> pedidosJaImportados(TDM1& dm, const TListaPedido& lista) {
    QStringList ids;
    for (const TPedido* pedido : lista.Items)
        if (pedido->IdNuvem != 0)
            ids << QString::number(pedido->IdNuvem);
    QHash<int, int> numeros;
    if (ids.isEmpty())
        return numeros;
    TDataset& q = dm.QPedidoImportado;
    q.Close();
    q.SetParametro(QStringLiteral("idnuvens"),
                   QLatin1Char('{') + ids.join(QLatin1Char(',')) + QLatin1Char('}'));
    q.Open();
    for (; !q.Eof(); q.Next()) {
        const int idnuvem = q.FieldByName(QStringLiteral("idnuvem")).toInt();
        if (!numeros.contains(idnuvem))
            numeros.insert(idnuvem, q.FieldByName(QStringLiteral("codpedidovenda")).toInt());
    }
    q.Close();
    return numeros;
}

// Stores one order whole or not at all; returns its local number.
int gravaPedido(TDM1& dm, const TPedido& pedido, int codcliente,
                const TConfiguracaoPassagem& config) {
    QSqlDatabase banco = dm.ZConnection1.Banco();
    if (!banco.transaction())
        throw EErro(textoErro(banco.lastError()));
    try {
        TDataset& tab = dm.TabPedido;
        tab.Insert();
        const int numero = tab.FieldByName(QStringLiteral("codpedidovenda")).toInt();
        PreencheCampos(tab, pedido);
        tab.SetCampo(QStringLiteral("codpedidovenda"), numero);
        tab.SetCampo(QStringLiteral("codcliente"), codcliente);
        tab.SetCampo(QStringLiteral("status"),
                     config.PedidoFechado ? QStringLiteral("F") : QStringLiteral("A"));
        if (config.MultiploPagamento)
            tab.SetCampo(QStringLiteral("codformapagamento"), QVariant());
        tab.ApplyUpdates();

        if (config.MultiploPagamento) {
            TDataset& pgto = dm.TabPgtoPedido;
            pgto.Insert();
            pgto.SetCampo(QStringLiteral("codpedidovenda"), numero);
            pgto.SetCampo(QStringLiteral("codformapagamento"), pedido.Codformapagamento);
            pgto.SetCampo(QStringLiteral("valorpagamento"), pedido.Valortotalprodutos);
            pgto.ApplyUpdates();
        }

        // Once per order is enough: the lines below draw their keys one after another from
        // the sequence, so a fix before the first one holds for them all.
        if (!pedido.Produtos.isEmpty())
            dm.ExecutaSQL(dm.QAtualizaSequencia);
        for (const TProdutoPedido* linha : pedido.Produtos) {
            TDataset& itens = dm.TabProdutoPedido;
            itens.Insert();
            PreencheCampos(itens, *linha);
            itens.SetCampo(QStringLiteral("codpedidovenda"), numero);
            itens.ApplyUpdates();
        }

        for (const TParcela* parcela : pedido.Parcelas) {
            TDataset& parcelas = dm.TabParcelas;
            parcelas.Insert();
            PreencheCampos(parcelas, *parcela);
            parcelas.SetCampo(QStringLiteral("codpedidoimportacao"), numero);
            parcelas.SetCampo(QStringLiteral("codformapagamento"), pedido.Codformapagamento);
            parcelas.SetCampo(QStringLiteral("codpedidowebimportacao"), pedido.IdNuvem);
            parcelas.ApplyUpdates();
        }

        if (!banco.commit())
            throw EErro(textoErro(banco.lastError()));
        return numero;
    } catch (...) {
        banco.rollback();
        for (TDataset* q :
             {&dm.TabPedido, &dm.TabPgtoPedido, &dm.TabProdutoPedido, &dm.TabParcelas})
            q->Cancel();
        throw;
    }
}

// Tells the service the order's local number. Nothing here ends the pass.
void confirmaPedido(const TPedido& pedido, int numero, const QString& emitente,
                    const TClienteHttp& http, std::unique_ptr<TRetorno>& ultima) {
    ultima.reset();
    try {
        TAtualizaCodpedido confirmacao;
        confirmacao.CnpjcpfEmitente = emitente;
        confirmacao.IdNuvem = pedido.IdNuvem;
        confirmacao.CodPedido = numero;
        ApiAtualizaCodPedido(http, confirmacao, ultima, 1);
        if (ultima->StatusCode != 200)
            registraErro(QStringLiteral("AtualizaCodpedido"), ultima->Mensagem);
    } catch (const std::exception& e) {
        registraErro(QStringLiteral("ImportaPedidos"),
                     textoDe(e) + QStringLiteral(" - ") + (ultima ? ultima->Mensagem : QString()));
    }
}

} // namespace

int GetCodCliente(const TCliente& cliente, const TClienteHttp& http) {
    TDM1& dm = moduloConectado();
    TDataset& tab = dm.TabCliente;

    // Codes start at 1: a code of 0 or below can name no client worth returning.
    int codigo = 0;
    if (cliente.Codcliente > 0) {
        codigo = procuraCliente(tab, QStringLiteral("codcliente = :codcliente"),
                                {{QStringLiteral("codcliente"), cliente.Codcliente}});
        if (codigo > 0) {
            tab.Close();
            return codigo;
        }
    }
    // A blank document would match every client without one: it identifies nobody.
    if (!cliente.Cnpjcpf.trimmed().isEmpty())
        codigo = procuraCliente(tab, QStringLiteral("cnpjcpf = :cnpjcpf"),
                                {{QStringLiteral("cnpjcpf"), cliente.Cnpjcpf}});
    else if (!tab.Active())
        procuraCliente(tab, QStringLiteral("codcliente = :codcliente"),
                       {{QStringLiteral("codcliente"), 0}});

    const QString funcao = QStringLiteral("GetCodCliente : ") + cliente.AsJson();
    if (codigo <= 0) {
        try {
            tab.Insert();
            codigo = tab.FieldByName(QStringLiteral("codcliente")).toInt();
            PreencheCampos(tab, cliente);
            tab.SetCampo(QStringLiteral("codcliente"), codigo);
            tab.ApplyUpdates();
        } catch (const EErro& e) {
            tab.Close();
            registraErro(funcao, e.Mensagem());
            throw;
        }
    }
    tab.Close();
    reportaCliente(cliente, codigo, cnpjEmitente(dm), http, funcao);
    return codigo;
}

void ImportaPedidos(IVisaoImportador& visao) {
    ImportaPedidos(visao, TClienteHttp::DaConfiguracao(TConfiguracaoIni::Le()));
}

void ImportaPedidos(IVisaoImportador& visao, const TClienteHttp& http) {
    std::unique_ptr<TRetorno> ultima;
    TConfiguracaoPassagem config;
    bool houvePedidos = false;
    try {
        TDM1& dm = moduloConectado();
        const QString emitente = cnpjEmitente(dm);
        config.Automatico =
            dm.QConfiguracao.FieldByName(QStringLiteral("importarpedidoautomaticoimportador"))
                .toBool();
        config.MultiploPagamento =
            dm.QConfiguracao.FieldByName(QStringLiteral("utilizamultiplopgtopedido")).toBool();
        config.PedidoFechado =
            dm.QConfiguracao.FieldByName(QStringLiteral("gravarpedidofechadoimportadoordixmobile"))
                .toBool();

        TAttRequest requisicao;
        requisicao.CnpjcpfEmitente = emitente;
        std::unique_ptr<TListaPedido> lista;
        ApiGetPedidos(http, requisicao, ultima, lista, 1);
        if (ultima->StatusCode != 200) {
            registraErro(QStringLiteral("ImportaPedidos"), ultima->Mensagem);
            throw EErro(QStringLiteral("Erro ao Receber os Pedidos") + ultima->Mensagem);
        }

        houvePedidos = !lista->Items.isEmpty();
        if (houvePedidos)
            for (TDataset* q :
                 {&dm.TabPedido, &dm.TabPgtoPedido, &dm.TabProdutoPedido, &dm.TabParcelas}) {
                q->Close();
                q->Open();
            }

        QHash<int, int> importados = pedidosJaImportados(dm, *lista);
        for (const TPedido* pedido : lista->Items) {
            visao.DefineStatus(QStringLiteral("Importando Pedido Nº") +
                               QString::number(pedido->IdNuvem));
            visao.ProcessaMensagens();
            int numero = importados.value(pedido->IdNuvem);
            if (numero == 0) {
                numero = gravaPedido(dm, *pedido, clienteDoPedido(dm, *pedido, http), config);
                // The same order listed twice is stored once.
                if (pedido->IdNuvem != 0)
                    importados.insert(pedido->IdNuvem, numero);
            }
            confirmaPedido(*pedido, numero, emitente, http, ultima);
        }
    } catch (const std::exception& e) {
        registraErro(QStringLiteral("ImportaPedidos"), textoDe(e));
        throw EErro(ultima ? ultima->Mensagem : QString());
    }

    if (config.Automatico) {
        visao.LigaTimer(true);
        visao.DefineStatus(QStringLiteral("Importação Automática"));
        visao.HabilitaBotao(false);
    } else {
        visao.DefineStatus(QString());
        visao.HabilitaBotao(true);
    }
    if (houvePedidos)
        visao.MostraAviso();
    else if (!config.Automatico)
        visao.DefineStatus(QStringLiteral("Nenhum Novo Pedido"));
}

} // namespace importador
