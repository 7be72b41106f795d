#pragma once

#include <QByteArray>
#include <QString>

class TArmazem;

// An answer of the service: status and JSON body.
struct TResposta {
    int Status = 200;
    QByteArray Corpo;
};

// An answer whose body is the JSON of a TRetorno carrying the status and the message.
TResposta RespostaMensagem(int status, const QString& mensagem);

// The endpoints under "/api/ordix", read and answered with the data transfer objects, kept in
// the storage per tenant (the value of the "Authorization" header).
class TServicoApi {
public:
    explicit TServicoApi(TArmazem& armazem) : FArmazem(armazem) {}

    static bool Conhece(const QString& caminho);
    // `caminho` is the endpoint without "/api/ordix" ("/getpedidos"); `emitente` not empty.
    TResposta Trata(const QString& caminho, const QString& emitente, const QByteArray& corpo);

    // Queues orders as the mobile app would: one TPedido object or an array of them. The
    // service assigns each order its idnuvem and each new client its id.
    TResposta EnfileiraPedidos(const QString& emitente, const QByteArray& corpo);
    // The tenant's TVersao as "/versaotabelas" gives it.
    QByteArray VersaoJson(const QString& emitente);
    // The orders waiting for their confirmation as "/getpedidos" gives them.
    QByteArray ListaPedidosJson(const QString& emitente);

private:
    TArmazem& FArmazem;
};
