#pragma once

#include "Dto.AttRequest.h"
#include "Dto.Cliente.h"
#include "Dto.Pedido.h"
#include "Dto.Retorno.h"

#include <memory>
#include <QString>

class TClienteHttp;
struct TRespostaHttp;

namespace importador {

// What the order list and the client report raise for any failure of theirs (transport, TLS,
// an order list that cannot be read).
extern const QString MensagemSemConexao;

// The outcome of one exchange as the import pass judges it.
std::unique_ptr<TRetorno> RespostaParaRetorno(const TRespostaHttp& resposta);

// The importer's three calls. Each posts its object's JSON to its endpoint with the object's
// CnpjcpfEmitente as the token, and sends it again while the status is not 200, up to the
// third attempt (`tentativa` is the number of the first one). `retorno` receives the outcome
// of every attempt, replacing the one before: after an error it still holds the last answer
// that arrived (or stays as it was when none did).

// "/getpedidos". `lista` receives the orders when the status is 200 and is emptied otherwise.
// Raises EErro(MensagemSemConexao) for any failure.
void ApiGetPedidos(const TClienteHttp& http, const TAttRequest& requisicao,
                   std::unique_ptr<TRetorno>& retorno, std::unique_ptr<TListaPedido>& lista,
                   int tentativa = 1);

// "/atualizacodcliente". Raises EErro(MensagemSemConexao) for any failure.
void ApiAtualizaCodCliente(const TClienteHttp& http, const TAtualizaCliente& cliente,
                           std::unique_ptr<TRetorno>& retorno, int tentativa = 1);

// "/atualizacodpedido". Transport errors reach the caller as they are; a server error status
// (500 or above) at the third attempt raises EErro, leaving `retorno` with the attempt before.
void ApiAtualizaCodPedido(const TClienteHttp& http, const TAtualizaCodpedido& pedido,
                          std::unique_ptr<TRetorno>& retorno, int tentativa = 1);

} // namespace importador
