#include "ClienteHttp.h"

#include "ArquivoIni.h"
#include "Erro.h"

#include <curl/curl.h>
#include <memory>
#include <mutex>

namespace {
struct TLiberaCurl {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
};
struct TLiberaLista {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

// curl_global_init is not thread-safe; it runs once, before the first request.
void iniciaCurl() {
    static std::once_flag feito;
    std::call_once(feito, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t recebe(char* dados, size_t tamanho, size_t quantos, void* destino) {
    static_cast<QByteArray*>(destino)->append(dados, qsizetype(tamanho * quantos));
    return tamanho * quantos;
}

void adiciona(std::unique_ptr<curl_slist, TLiberaLista>& lista, const QByteArray& linha) {
    curl_slist* nova = curl_slist_append(lista.get(), linha.constData());
    if (!nova)
        throw EErro(QStringLiteral("Sem memória para montar a requisição"));
    lista.release();
    lista.reset(nova);
}
} // namespace

TClienteHttp::TClienteHttp(QString urlBase, QString certificado)
    : FUrlBase(std::move(urlBase)), FCertificado(std::move(certificado)) {
    while (FUrlBase.endsWith(QLatin1Char('/')))
        FUrlBase.chop(1);
}

TClienteHttp TClienteHttp::DaConfiguracao(const TConfiguracaoIni& config) {
    return TClienteHttp(config.ApiUrl, config.ApiCertificado);
}

void TClienteHttp::DefineLimites(int segundosConexao, int segundosParado) {
    FSegundosConexao = segundosConexao;
    FSegundosParado = segundosParado;
}

TRespostaHttp TClienteHttp::Post(const QString& caminho, const QString& token,
                                 const QString& corpoJson) const {
    iniciaCurl();
    const QByteArray url = (FUrlBase + QStringLiteral("/api/ordix") + caminho).toUtf8();
    std::unique_ptr<CURL, TLiberaCurl> curl(curl_easy_init());
    if (!curl)
        throw EErro(QStringLiteral("Não foi possível iniciar o cliente HTTP"));
    CURL* c = curl.get();

    const bool temCorpo = !corpoJson.trimmed().isEmpty();
    const QByteArray corpo = temCorpo ? corpoJson.toUtf8() : QByteArray();
    std::unique_ptr<curl_slist, TLiberaLista> cabecalhos;
    adiciona(cabecalhos, "Accept: application/json");
    // An empty value removes the header libcurl would add on its own.
    adiciona(cabecalhos, temCorpo ? "Content-Type: application/json" : "Content-Type:");
    adiciona(cabecalhos, "Expect:");
    if (!token.trimmed().isEmpty())
        adiciona(cabecalhos, "Authorization: " + token.toUtf8());

    char erro[CURL_ERROR_SIZE] = {};
    QByteArray recebido;
    const QByteArray certificado = FCertificado.toLocal8Bit();
    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_POST, 1L);
    curl_easy_setopt(c, CURLOPT_POSTFIELDS, corpo.constData());
    curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(corpo.size()));
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, cabecalhos.get());
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &recebe);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &recebido);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, erro);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_SSLVERSION, long(CURL_SSLVERSION_TLSv1_2));
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
    // The extra file is added beside the system's folder of authorities (CAPATH stays at
    // libcurl's default), so a public certificate is still trusted.
    if (!certificado.isEmpty())
        curl_easy_setopt(c, CURLOPT_CAINFO, certificado.constData());
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, long(FSegundosConexao));
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, long(FSegundosParado));

    const CURLcode r = curl_easy_perform(c);
    if (r != CURLE_OK) {
        const QString motivo =
            erro[0] ? QString::fromUtf8(erro).trimmed() : QString::fromUtf8(curl_easy_strerror(r));
        throw EErro(QStringLiteral("Falha de comunicação com %1: %2 (curl %3)")
                        .arg(QString::fromUtf8(url), motivo)
                        .arg(int(r)));
    }
    long status = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
    return {int(status), QString::fromUtf8(recebido)};
}
