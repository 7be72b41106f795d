// Load test of the reference service on loopback: 16 clients post batches of 500 clients for
// 30 seconds (and at most a bounded number of requests). Prints requests per second and the
// 99th percentile latency, and checks that no request failed and no record was lost: the
// service must hold exactly as many clients as were sent.
//
// The service is the one of VARELO_API_URL (and VARELO_API_CA) when set, as scripts/servico
// exports; otherwise the program starts build/bin/servidor-nuvem itself on the PostgreSQL
// cluster of VARELO_PG*.
//
//   bench_servico_carga [--clientes 16] [--segundos 30] [--lote 500] [--max-requisicoes 20000]
#include "ClienteHttp.h"
#include "Dto.Cliente.h"
#include "Erro.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <curl/curl.h>
#include <mutex>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QUrl>
#include <thread>
#include <vector>

namespace {
using Relogio = std::chrono::steady_clock;

size_t recebe(char* dados, size_t tamanho, size_t quantos, void* destino) {
    static_cast<QByteArray*>(destino)->append(dados, qsizetype(tamanho * quantos));
    return tamanho * quantos;
}

// GET or DELETE on the admin interface.
QByteArray admin(const QString& url, const QString& ca, const char* metodo = "GET") {
    CURL* c = curl_easy_init();
    const QByteArray u = url.toUtf8(), a = ca.toLocal8Bit();
    QByteArray corpo;
    curl_easy_setopt(c, CURLOPT_URL, u.constData());
    curl_easy_setopt(c, CURLOPT_CUSTOMREQUEST, metodo);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &recebe);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &corpo);
    if (!a.isEmpty())
        curl_easy_setopt(c, CURLOPT_CAINFO, a.constData());
    curl_easy_perform(c);
    curl_easy_cleanup(c);
    return corpo;
}

QByteArray lote(const QString& emitente, int primeiro, int tamanho) {
    TListaCliente lista;
    for (int i = 0; i < tamanho; ++i) {
        TCliente* c = lista.Items.Novo();
        c->CnpjcpfEmitente = emitente;
        c->Codcliente = primeiro + i;
        c->Razaosocialnome = QStringLiteral("Cliente de carga %1").arg(primeiro + i);
        c->Cnpjcpf = QStringLiteral("%1").arg(primeiro + i, 11, 10, QLatin1Char('0'));
        c->Logradouro = QStringLiteral("Rua das Acácias");
        c->Nomecidade = QStringLiteral("São Paulo");
        c->Uf = QStringLiteral("SP");
        c->Versao = 1;
    }
    return lista.AsJsonUtf8();
}

int opcao(const QStringList& args, const QString& nome, int padrao) {
    const qsizetype i = args.indexOf(nome);
    return i >= 0 && i + 1 < args.size() ? args.at(i + 1).toInt() : padrao;
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int clientes = opcao(args, QStringLiteral("--clientes"), 16);
    const int segundos = opcao(args, QStringLiteral("--segundos"), 30);
    const int tamanhoLote = opcao(args, QStringLiteral("--lote"), 500);
    const int maxRequisicoes = opcao(args, QStringLiteral("--max-requisicoes"), 20000);
    curl_global_init(CURL_GLOBAL_DEFAULT);

    QString url = qEnvironmentVariable("VARELO_API_URL");
    QString ca = qEnvironmentVariable("VARELO_API_CA");
    QProcess servico;
    if (url.isEmpty()) {
        servico.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        servico.start(QStringLiteral(VARELO_SERVIDOR_NUVEM),
                      {QStringLiteral("--porta"), QStringLiteral("0"), QStringLiteral("--bd-nome"),
                       QStringLiteral("nuvem_bench")});
        servico.waitForStarted(10000);
        QByteArray saida;
        const QDeadlineTimer prazo(30000);
        while (!saida.contains('\n') && !prazo.hasExpired() &&
               servico.state() == QProcess::Running) {
            servico.waitForReadyRead(200);
            saida += servico.readAllStandardOutput();
        }
        if (!saida.startsWith("URL ")) {
            std::fprintf(stderr, "servidor-nuvem não iniciou (VARELO_PG* definidos?)\n");
            return 1;
        }
        url = QString::fromUtf8(saida.mid(4, saida.indexOf('\n') - 4).trimmed());
    }
    const QString emitente = QStringLiteral("CARGA-%1").arg(QCoreApplication::applicationPid());
    std::printf("serviço %s; %d clientes, lotes de %d, %d s, no máximo %d requisições\n",
                qPrintable(url), clientes, tamanhoLote, segundos, maxRequisicoes);

    std::atomic<int> proxima{0};
    std::atomic<long long> enviados{0};
    std::atomic<int> erros{0};
    std::mutex trava;
    std::vector<double> latencias;
    QString primeiroErro;
    const auto fim = Relogio::now() + std::chrono::seconds(segundos);
    const auto inicio = Relogio::now();
    std::vector<std::thread> linhas;
    for (int t = 0; t < clientes; ++t) {
        linhas.emplace_back([&] {
            const TClienteHttp cliente(url, ca);
            std::vector<double> minhas;
            while (Relogio::now() < fim) {
                const int n = proxima.fetch_add(1);
                if (n >= maxRequisicoes)
                    break;
                const QString corpo =
                    QString::fromLatin1(lote(emitente, n * tamanhoLote + 1, tamanhoLote));
                const auto antes = Relogio::now();
                try {
                    const TRespostaHttp r =
                        cliente.Post(QStringLiteral("/atualizacliente"), emitente, corpo);
                    if (r.StatusCode != 200)
                        throw EErro(
                            QStringLiteral("status %1: %2").arg(r.StatusCode).arg(r.Mensagem));
                    enviados += tamanhoLote;
                } catch (const EErro& e) {
                    std::lock_guard<std::mutex> g(trava);
                    if (erros++ == 0)
                        primeiroErro = e.Mensagem();
                }
                minhas.push_back(
                    std::chrono::duration<double, std::milli>(Relogio::now() - antes).count());
            }
            std::lock_guard<std::mutex> g(trava);
            latencias.insert(latencias.end(), minhas.begin(), minhas.end());
        });
    }
    for (std::thread& t : linhas)
        t.join();
    const double decorrido = std::chrono::duration<double>(Relogio::now() - inicio).count();

    const QString base = url + QStringLiteral("/dev/registros?emitente=") +
                         QString::fromUtf8(QUrl::toPercentEncoding(emitente));
    const long long guardados = QJsonDocument::fromJson(admin(base, ca))
                                    .object()
                                    .value(QStringLiteral("cliente"))
                                    .toInteger();
    admin(url + QStringLiteral("/dev/dados?emitente=") +
              QString::fromUtf8(QUrl::toPercentEncoding(emitente)),
          ca, "DELETE");

    std::sort(latencias.begin(), latencias.end());
    auto percentil = [&](double p) {
        return latencias.empty() ? 0.0
                                 : latencias[std::min(latencias.size() - 1,
                                                      size_t(p * double(latencias.size())))];
    };
    std::printf("requisições: %zu em %.1f s = %.1f req/s (%.0f clientes/s)\n", latencias.size(),
                decorrido, double(latencias.size()) / decorrido, double(enviados) / decorrido);
    std::printf("latência: p50 %.1f ms, p99 %.1f ms, máxima %.1f ms\n", percentil(0.50),
                percentil(0.99), latencias.empty() ? 0.0 : latencias.back());
    std::printf("erros: %d; clientes enviados %lld, guardados %lld\n", erros.load(),
                enviados.load(), guardados);
    if (erros > 0)
        std::printf("primeiro erro: %s\n", qPrintable(primeiroErro));

    if (servico.state() == QProcess::Running) {
        servico.terminate();
        servico.waitForFinished(10000);
    }
    const bool ok = erros == 0 && guardados == enviados;
    std::printf("%s\n", ok ? "OK" : "FALHOU");
    return ok ? 0 : 1;
}
