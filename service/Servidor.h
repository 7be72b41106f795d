#pragma once

#include "Armazem.h"
#include "Falhas.h"
#include "Opcoes.h"
#include "RegistroRequisicoes.h"
#include "ServicoApi.h"

#include <memory>
#include <string>

namespace httplib {
class Server;
struct Request;
struct Response;
} // namespace httplib

// The HTTP or HTTPS server: the endpoints under "/api/ordix" with scripted faults, the
// tenant check and the request log, and the admin interface under "/dev/".
class TServidor {
public:
    TServidor(const TOpcoes& opcoes, TArmazem& armazem);
    ~TServidor();
    TServidor(const TServidor&) = delete;
    TServidor& operator=(const TServidor&) = delete;

    // Binds the address and port of the options (a free one for port 0) and returns the port;
    // raises EErro when the certificate cannot be loaded or the port cannot be bound.
    int Liga();
    QString Url() const;
    // Serves until Para() is called (from any thread).
    bool Escuta();
    void Para();

private:
    void RegistraRotas();
    void RegistraAdmin();
    void TrataApi(const httplib::Request& req, const std::string& corpo, httplib::Response& res);

    TOpcoes FOpcoes;
    TArmazem& FArmazem;
    TServicoApi FApi;
    TFalhas FFalhas;
    TRegistroRequisicoes FRegistro;
    std::unique_ptr<httplib::Server> FServidor;
    int FPorta = 0;
};
