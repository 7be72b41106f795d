#pragma once

#include "ClienteHttp.h"

#include <memory>
#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

class QProcess;

// The reference service (build/bin/servidor-nuvem) run by a test: its own process on a free
// port of 127.0.0.1, over HTTP or HTTPS (a throwaway CA made once per test program), with a
// database of its own on the test cluster (VARELO_PG*). Stopped when destroyed.
class TServicoTeste {
public:
    // `banco` empty: a name made from the program's name and process id.
    explicit TServicoTeste(bool https = false, QString banco = {});
    ~TServicoTeste();
    TServicoTeste(const TServicoTeste&) = delete;
    TServicoTeste& operator=(const TServicoTeste&) = delete;

    // Starts the process and waits until it answers; the error text otherwise.
    QString Inicia();
    void Para();
    bool Rodando() const;

    QString Url() const { return FUrl; } // without "/api/ordix"
    QString Ca() const;                  // the CA file to trust over HTTPS, empty over HTTP
    QString Banco() const { return FBanco; }
    TClienteHttp Cliente() const { return TClienteHttp(FUrl, Ca()); }

    // The admin interface under /dev/ ("GET", "POST" or "DELETE").
    TRespostaHttp Admin(const char* metodo, const QString& caminho,
                        const QByteArray& corpo = {}) const;
    QJsonDocument AdminJson(const QString& caminho) const;
    // Scripts a fault: {"caminho":..., "tipo":..., "vezes":..., "status":..., ...}.
    void ProgramaFalha(const QJsonObject& falha) const;
    // The requests received after number `desde`, of one endpoint when `caminho` is given.
    QJsonArray Requisicoes(qint64 desde = 0, const QString& caminho = {}) const;
    // Removes every tenant's data, the faults and the request log.
    void Limpa() const;
    // Queues orders (TPedido JSON, or an array of them) for `emitente`; the service's answer.
    QJsonObject EnfileiraPedidos(const QString& emitente, const QByteArray& json) const;

    // The folder with ca.pem, servidor.pem and servidor.key, made once per process.
    static QString PastaCertificados();

private:
    bool FHttps;
    QString FBanco;
    QString FUrl;
    std::unique_ptr<QProcess> FProcesso;
};
