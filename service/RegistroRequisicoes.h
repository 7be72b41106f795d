#pragma once

#include <deque>
#include <mutex>
#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

// One request received on the service's endpoints, as the client sent it.
struct TRequisicao {
    qint64 Numero = 0;
    QString Caminho; // without "/api/ordix"
    std::vector<std::pair<QString, QString>> Cabecalhos;
    QByteArray Corpo;
    int Status = 0; // the status answered; 0 when the connection was closed on purpose
    QString Falha;  // the scripted fault applied, if any
};

// The log of requests, so that tests can assert what a program sent. Bounded: the oldest
// entries go first once it holds too many or too many bytes of bodies.
class TRegistroRequisicoes {
public:
    explicit TRegistroRequisicoes(size_t maxEntradas = 20000, qint64 maxBytes = 256LL << 20)
        : FMaxEntradas(maxEntradas), FMaxBytes(maxBytes) {}

    qint64 Adiciona(TRequisicao requisicao);
    // The entries numbered after `desde`, of one path when `caminho` is not empty.
    std::vector<TRequisicao> Desde(qint64 desde, const QString& caminho = {}) const;
    void Limpa();

private:
    mutable std::mutex FTrava;
    std::deque<TRequisicao> FEntradas;
    qint64 FBytes = 0;
    qint64 FUltimo = 0;
    size_t FMaxEntradas;
    qint64 FMaxBytes;
};
