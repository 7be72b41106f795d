// One import pass measured against the real database and the reference service.
//
//   bench_importador [N]   queues 1,000 orders of ten lines each on the service, imports them
//                          in one pass (N rounds, default 1), and prints orders per second
//                          beside psql running the same INSERT statements in one session;
//                          then the peak memory of the process.
//
// Needs the VARELO_PG* variables of a PostgreSQL cluster (scripts/pg-dev writes them).
#include "BancoTeste.h"
#include "Caminhos.h"
#include "ConexaoImportador.h"
#include "Erro.h"
#include "IVisaoImportador.h"
#include "PedidosTeste.h"
#include "Psql.h"
#include "ServicoTeste.h"
#include "UDM1.h"
#include "uFuncoesImportador.h"
#include "uFuncoesUteis.h"

#include <cstdio>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <sys/resource.h>

namespace {
constexpr int Pedidos = 1000;
constexpr int Linhas = 10;

class TVisaoMuda : public importador::IVisaoImportador {
public:
    void MostraEmitente(const QString&, const QString&) override {}
    void DefineStatus(const QString&) override {}
    void HabilitaBotao(bool) override {}
    void LigaTimer(bool) override {}
    void ProcessaMensagens() override {}
    void MostraAviso() override {}
};

class TApresentadorMudo : public IApresentador {
public:
    bool ExibeMensagem(const QString& t, TTipoAlerta, const QString&, const QString&) override {
        std::fprintf(stderr, "alerta: %s\n", qPrintable(t));
        ++Alertas;
        return false;
    }
    void ExibeCarregando(bool) override {}
    void AtualizaCarregando(const QString&) override {}
    int Alertas = 0;
};

long picoKb() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss;
}

// The orders of one pass: clients of the demo business by code, ten demo products each. In
// small arrays: the service's admin interface takes bodies of a few kilobytes.
QList<QByteArray> listaDePedidos() {
    QList<QByteArray> lotes;
    QByteArray json;
    for (int i = 0; i < Pedidos; ++i) {
        auto p = pedidosteste::PedidoSimples(1 + i % 7);
        p->Observacao = QStringLiteral("Pedido de teste nº %1").arg(i);
        p->Produtos.Clear();
        for (int l = 1; l <= Linhas; ++l) {
            auto linha = std::make_unique<TProdutoPedido>();
            linha->Codproduto = l;
            linha->Quantidade = l;
            linha->Valorunitario = 2.5;
            linha->Valortotal = 2.5 * l;
            linha->Observacaoitem = QStringLiteral("linha %1").arg(l);
            p->Produtos.Add(std::move(linha));
        }
        json += (json.isEmpty() ? "[" : ",") + p->AsJsonUtf8();
        if (json.size() > 3000 || i == Pedidos - 1) {
            lotes << json + ']';
            json.clear();
        }
    }
    return lotes;
}

// The INSERT statements the pass sends for the same orders, in one psql session.
QByteArray insercoes() {
    QByteArray sql = "\\set ON_ERROR_STOP on\n";
    for (int i = 0; i < Pedidos; ++i) {
        sql += QStringLiteral(
                   "insert into pedidovenda (datapedido, horapedido, codcliente, codvendedor,"
                   " codformapagamento, valortotalprodutos, valortotalpedido, observacao,"
                   " status, idnuvem) values ('2026-12-11', '00:00:00', %1, 0, 1, 10, 10,"
                   " 'Pedido de teste nº %2', 'A', %3);\n")
                   .arg(1 + i % 7)
                   .arg(i)
                   .arg(900000 + i)
                   .toUtf8();
        for (int l = 1; l <= Linhas; ++l)
            sql += QStringLiteral("insert into produtopedidovenda (codpedidovenda, codproduto,"
                                  " quantidade, valorunitario, valortotal, observacaoitem)"
                                  " values (currval('pedidovenda_codpedidovenda_seq'), %1, %1,"
                                  " 2.5, %2, 'linha %1');\n")
                       .arg(l)
                       .arg(2.5 * l)
                       .toUtf8();
    }
    return sql;
}

int contagem(const QString& banco, const QString& sql) {
    return ConsultaTeste(banco, sql).toInt();
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    TApresentadorMudo mudo;
    InstalaApresentador(&mudo);
    const int rodadas = qMax(1, app.arguments().value(1).toInt());
    try {
        const QString banco = QStringLiteral("bench_importador");
        if (const QString erro = CriaBancoTeste(banco, {QStringLiteral("demo.sql")});
            !erro.isEmpty())
            throw EErro(erro);
        QTemporaryDir pasta;
        DefineCaminhoExecutavel(pasta.filePath(QStringLiteral("VareloImportadorAPI")));
        EscreveArquivoIni(pasta.path(), banco);
        TVisaoMuda visao;
        if (!importador::ConectarBanco(visao))
            throw EErro(QStringLiteral("sem conexão com o banco"));

        TServicoTeste servico(false, QStringLiteral("bench_importador_servico"));
        if (const QString erro = servico.Inicia(); !erro.isEmpty())
            throw EErro(erro);
        const TClienteHttp http = servico.Cliente();
        const QList<QByteArray> lotes = listaDePedidos();
        const QByteArray sql = insercoes();
        // The demo's own imported order must not stand for one of these.
        ExecutaSqlTeste(banco, QStringLiteral("update pedidovenda set idnuvem = null"));
        const long picoAntes = picoKb();

        for (int r = 0; r < rodadas; ++r) {
            servico.Limpa();
            int enfileirados = 0;
            for (const QByteArray& lote : lotes) {
                const QJsonObject fila = servico.EnfileiraPedidos(pedidosteste::Emitente, lote);
                enfileirados += fila.value(QStringLiteral("pedidos")).toArray().size();
            }
            if (enfileirados != Pedidos)
                throw EErro(QStringLiteral("o serviço recebeu %1 pedidos").arg(enfileirados));
            ExecutaSqlTeste(banco,
                            QStringLiteral("delete from pedidovenda where codpedidovenda > 3"));

            QElapsedTimer relogio;
            relogio.start();
            importador::ImportaPedidos(visao, http);
            const double passagem = relogio.elapsed() / 1000.0;

            const int gravados =
                contagem(banco, QStringLiteral("select count(*) from pedidovenda where idnuvem is"
                                               " not null and codpedidovenda > 3"));
            const int linhas =
                contagem(banco, QStringLiteral("select count(*) from produtopedidovenda where"
                                               " codpedidovenda > 3"));
            const int pendentes =
                servico.AdminJson(QStringLiteral("/dev/pendentes?emitente=34.719.526%2F0001-48"))
                    .object()
                    .value(QStringLiteral("Items"))
                    .toArray()
                    .size();
            if (gravados != Pedidos || linhas != Pedidos * Linhas || pendentes != 0 || mudo.Alertas)
                throw EErro(QStringLiteral("passagem incompleta: %1 pedidos, %2 linhas, %3 sem "
                                           "confirmação")
                                .arg(gravados)
                                .arg(linhas)
                                .arg(pendentes));

            ExecutaSqlTeste(banco,
                            QStringLiteral("delete from pedidovenda where codpedidovenda > 3"));
            const double base = SegundosPsql(banco, sql);
            std::printf("passagem: %d pedidos x %d linhas em %.2f s = %.0f pedidos/s;"
                        " psql com os mesmos INSERTs: %.2f s = %.0f pedidos/s; razão %.2f\n",
                        Pedidos, Linhas, passagem, Pedidos / passagem, base, Pedidos / base,
                        base / passagem);
            std::fflush(stdout);
        }
        std::printf("pico de memória: %ld kB (antes da primeira passagem: %ld kB)\n", picoKb(),
                    picoAntes);
        importador::LiberaDM();
    } catch (const EErro& e) {
        std::fprintf(stderr, "erro: %s\n", qPrintable(e.Mensagem()));
        return 1;
    }
    InstalaApresentador(nullptr);
    return 0;
}
