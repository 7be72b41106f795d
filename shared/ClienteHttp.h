#pragma once

#include <QByteArray>
#include <QString>

struct TConfiguracaoIni;

// The answer of one exchange: HTTP status and body text, unparsed.
struct TRespostaHttp {
    int StatusCode = 0;
    QString Mensagem;
};

// Blocking HTTP client of the cloud service (libcurl easy interface), one request per call and
// no connection kept between calls. Only TLS 1.2 or newer, certificates always verified
// against the system's authorities plus, when given, a PEM file of more. A dead server cannot
// hold a call for ever: connecting gives up after 10 s, and a transfer that moves no byte for
// 60 s is abandoned. A transport failure raises EErro with the address and libcurl's reason.
class TClienteHttp {
public:
    // `urlBase` is the service's address without "/api/ordix" (http or https).
    explicit TClienteHttp(QString urlBase, QString certificado = {});
    // From arquivo.ini's [api] url and certificado.
    static TClienteHttp DaConfiguracao(const TConfiguracaoIni& config);

    // POST to base + "/api/ordix" + caminho with "Accept: application/json"; "Authorization"
    // carries `token` unchanged unless it is blank, and `corpoJson` goes as the body with
    // "Content-Type: application/json" unless it is blank. Any status is returned as it came.
    TRespostaHttp Post(const QString& caminho, const QString& token,
                       const QString& corpoJson) const;

    QString UrlBase() const { return FUrlBase; }
    QString Certificado() const { return FCertificado; }

    // Limits in whole seconds; the defaults are 10 and 60. Tests shorten them.
    void DefineLimites(int segundosConexao, int segundosParado);

private:
    QString FUrlBase;
    QString FCertificado;
    int FSegundosConexao = 10;
    int FSegundosParado = 60;
};
