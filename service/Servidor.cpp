#include "Servidor.h"

#include "Erro.h"

#include <arpa/inet.h>
#include <chrono>
#include <dirent.h>
#include <httplib.h>
#include <openssl/ssl.h>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <sys/socket.h>
#include <thread>

namespace {
const std::string TipoJson = "application/json";
constexpr size_t TamanhoMaximoCorpo = size_t(64) << 20;
const QString Prefixo = QStringLiteral("/api/ordix");
// Marks an answer made by a scripted fault, which goes out exactly as scripted.
const char* const CabecalhoFalha = "X-Falha-Programada";

void responde(httplib::Response& res, const TResposta& r) {
    res.status = r.Status;
    res.set_content(r.Corpo.constData(), size_t(r.Corpo.size()), TipoJson.c_str());
}

void respondeJson(httplib::Response& res, const QJsonDocument& doc, int status = 200) {
    responde(res, {status, doc.toJson(QJsonDocument::Compact)});
}

void respondeMensagem(httplib::Response& res, int status, const QString& mensagem) {
    responde(res, RespostaMensagem(status, mensagem));
}

QString texto(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QString parametro(const httplib::Request& req, const char* nome) {
    return texto(req.get_param_value(nome));
}

int porta(const sockaddr_storage& a) {
    if (a.ss_family == AF_INET)
        return ntohs(reinterpret_cast<const sockaddr_in&>(a).sin_port);
    if (a.ss_family == AF_INET6)
        return ntohs(reinterpret_cast<const sockaddr_in6&>(a).sin6_port);
    return -1;
}

// The socket of the request's connection: the TLS session knows it; for plain HTTP it is the
// open socket whose two ends have the request's ports.
int socketDaRequisicao(const httplib::Request& req) {
    if (req.ssl)
        return SSL_get_fd(req.ssl);
    DIR* pasta = opendir("/proc/self/fd");
    if (!pasta)
        return -1;
    int achado = -1;
    while (dirent* e = readdir(pasta)) {
        const int fd = atoi(e->d_name);
        if (fd <= 2 || fd == dirfd(pasta))
            continue;
        sockaddr_storage local{}, remoto{};
        socklen_t n1 = sizeof local, n2 = sizeof remoto;
        if (getsockname(fd, reinterpret_cast<sockaddr*>(&local), &n1) != 0 ||
            getpeername(fd, reinterpret_cast<sockaddr*>(&remoto), &n2) != 0)
            continue;
        if (porta(local) == req.local_port && porta(remoto) == req.remote_port) {
            achado = fd;
            break;
        }
    }
    closedir(pasta);
    return achado;
}

// Ends the connection at once: the client receives no status line at all. The server's own
// attempt to answer afterwards fails quietly and closes the socket.
void fechaConexao(const httplib::Request& req) {
    const int fd = socketDaRequisicao(req);
    if (fd >= 0)
        shutdown(fd, SHUT_RDWR);
}

bool clienteLoopback(const httplib::Request& req) {
    QHostAddress a;
    return a.setAddress(texto(req.remote_addr)) && a.isLoopback();
}

QByteArray numeroOuNulo(const std::optional<int>& v) {
    return v ? QByteArray::number(*v) : QByteArrayLiteral("null");
}

// Stored records are already JSON text: they are answered as they are kept, member order
// included, rather than re-encoded.
QByteArray arrayJson(const std::vector<QByteArray>& itens) {
    QByteArray r = "[";
    for (size_t i = 0; i < itens.size(); ++i) {
        if (i > 0)
            r += ',';
        r += itens[i];
    }
    return r + ']';
}
} // namespace

TServidor::TServidor(const TOpcoes& opcoes, TArmazem& armazem)
    : FOpcoes(opcoes), FArmazem(armazem), FApi(armazem) {}

TServidor::~TServidor() = default;

int TServidor::Liga() {
    if (FOpcoes.Https()) {
        const QByteArray cert = FOpcoes.Certificado.toLocal8Bit();
        const QByteArray chave = FOpcoes.Chave.toLocal8Bit();
        FServidor = std::make_unique<httplib::SSLServer>([&](SSL_CTX& ctx) {
            return SSL_CTX_set_min_proto_version(&ctx, TLS1_2_VERSION) == 1 &&
                   SSL_CTX_use_certificate_chain_file(&ctx, cert.constData()) == 1 &&
                   SSL_CTX_use_PrivateKey_file(&ctx, chave.constData(), SSL_FILETYPE_PEM) == 1 &&
                   SSL_CTX_check_private_key(&ctx) == 1;
        });
    } else {
        FServidor = std::make_unique<httplib::Server>();
    }
    if (!FServidor->is_valid())
        throw EErro(QStringLiteral("certificado ou chave inválidos: %1, %2")
                        .arg(FOpcoes.Certificado, FOpcoes.Chave));
    const int linhas = FOpcoes.Linhas;
    FServidor->new_task_queue = [linhas] { return new httplib::ThreadPool(size_t(linhas)); };
    FServidor->set_payload_max_length(TamanhoMaximoCorpo);
    FServidor->set_read_timeout(60);
    FServidor->set_write_timeout(60);
    FServidor->set_keep_alive_max_count(100000);
    FServidor->set_tcp_nodelay(true);
    RegistraRotas();
    RegistraAdmin();

    const std::string endereco = FOpcoes.Endereco.toStdString();
    if (FOpcoes.Porta == 0) {
        FPorta = FServidor->bind_to_any_port(endereco);
        if (FPorta <= 0)
            throw EErro(QStringLiteral("não foi possível escutar em %1").arg(FOpcoes.Endereco));
    } else {
        if (!FServidor->bind_to_port(endereco, FOpcoes.Porta))
            throw EErro(QStringLiteral("não foi possível escutar em %1:%2")
                            .arg(FOpcoes.Endereco)
                            .arg(FOpcoes.Porta));
        FPorta = FOpcoes.Porta;
    }
    return FPorta;
}

QString TServidor::Url() const {
    QString host = FOpcoes.Endereco;
    if (host.contains(QLatin1Char(':')))
        host = QLatin1Char('[') + host + QLatin1Char(']');
    return QStringLiteral("%1://%2:%3")
        .arg(FOpcoes.Https() ? QStringLiteral("https") : QStringLiteral("http"), host)
        .arg(FPorta);
}

bool TServidor::Escuta() {
    return FServidor->listen_after_bind();
}

void TServidor::Para() {
    if (FServidor)
        FServidor->stop();
}

void TServidor::RegistraRotas() {
    FServidor->set_pre_routing_handler([](const httplib::Request& req, httplib::Response& res) {
        if (req.path.rfind("/dev/", 0) == 0 && !clienteLoopback(req)) {
            respondeMensagem(res, 403, QStringLiteral("Administração só pelo loopback"));
            return httplib::Server::HandlerResponse::Handled;
        }
        return httplib::Server::HandlerResponse::Unhandled;
    });
    // Every failure answer carries a JSON message, also those httplib makes itself (unknown
    // path, a body over the limit).
    FServidor->set_error_handler([](const httplib::Request& req, httplib::Response& res) {
        if (!res.body.empty() || res.has_header(CabecalhoFalha))
            return;
        const QString motivo = res.status == 404   ? QStringLiteral("caminho desconhecido")
                               : res.status == 413 ? QStringLiteral("corpo acima de 64 MiB")
                                                   : QStringLiteral("requisição recusada");
        respondeMensagem(
            res, res.status,
            QStringLiteral("%1 %2: %3").arg(texto(req.method), texto(req.path), motivo));
    });
    FServidor->set_exception_handler(
        [](const httplib::Request&, httplib::Response& res, std::exception_ptr e) {
            QString mensagem = QStringLiteral("Erro interno");
            try {
                std::rethrow_exception(e);
            } catch (const EErro& erro) {
                mensagem = erro.Mensagem();
            } catch (const std::exception& erro) {
                mensagem = QString::fromUtf8(erro.what());
            } catch (...) {
            }
            respondeMensagem(res, 500, mensagem);
        });
    // The body is read here rather than by httplib, which would refuse a form-encoded body
    // over 8 KiB: a client that does not say "application/json" still gets a JSON answer.
    FServidor->Post(R"(/api/ordix/([A-Za-z]+))", [this](const httplib::Request& req,
                                                        httplib::Response& res,
                                                        const httplib::ContentReader& leitor) {
        std::string corpo;
        corpo.reserve(
            std::min<size_t>(req.get_header_value<uint64_t>("Content-Length"), TamanhoMaximoCorpo));
        bool excedeu = false;
        const bool inteiro = leitor([&](const char* dados, size_t tamanho) {
            excedeu = corpo.size() + tamanho > TamanhoMaximoCorpo;
            if (!excedeu)
                corpo.append(dados, tamanho);
            return !excedeu;
        });
        excedeu = excedeu || req.get_header_value<uint64_t>("Content-Length") > TamanhoMaximoCorpo;
        if (!inteiro) {
            // The rest of the body is never read: the connection must end.
            res.set_header("Connection", "close");
            respondeMensagem(res, excedeu ? 413 : 400,
                             excedeu ? QStringLiteral("Corpo acima de 64 MiB")
                                     : QStringLiteral("Corpo incompleto"));
            return;
        }
        TrataApi(req, corpo, res);
    });
}

void TServidor::TrataApi(const httplib::Request& req, const std::string& corpo,
                         httplib::Response& res) {
    const QString caminho = texto(req.path).mid(Prefixo.size());
    TRequisicao entrada;
    entrada.Caminho = caminho;
    for (const auto& [nome, valor] : req.headers)
        entrada.Cabecalhos.emplace_back(texto(nome), texto(valor));
    entrada.Corpo = QByteArray(corpo.data(), qsizetype(corpo.size()));

    std::optional<TFalha> falha = FFalhas.Proxima(caminho);
    if (falha)
        entrada.Falha = TFalha::NomeDoTipo(falha->Tipo);
    if (falha && falha->Tipo == TFalha::TTipo::Atraso)
        std::this_thread::sleep_for(std::chrono::milliseconds(falha->AtrasoMs));

    TResposta resposta;
    bool fechar = false;
    if (falha && falha->Tipo == TFalha::TTipo::Status) {
        resposta = {falha->Status, falha->Corpo};
    } else if (falha && falha->Tipo == TFalha::TTipo::Texto) {
        resposta = {200, falha->Corpo};
    } else if (falha && falha->Tipo == TFalha::TTipo::NaoJson) {
        resposta = {200, QByteArrayLiteral("<html><body>Servi\xc3\xa7o em manuten\xc3\xa7\xc3\xa3o"
                                           "</body></html>")};
    } else if (falha && falha->Tipo == TFalha::TTipo::Fechar) {
        fechar = true;
    } else if (!TServicoApi::Conhece(caminho)) {
        resposta = RespostaMensagem(404, QStringLiteral("Endpoint desconhecido: ") + caminho);
    } else {
        const QString emitente = texto(req.get_header_value("Authorization"));
        if (emitente.trimmed().isEmpty()) {
            resposta = RespostaMensagem(401, QStringLiteral("Cabeçalho Authorization ausente"));
        } else {
            try {
                resposta = FApi.Trata(caminho, emitente, entrada.Corpo);
            } catch (const EErro& e) {
                resposta = RespostaMensagem(500, e.Mensagem());
            } catch (const std::exception& e) {
                resposta = RespostaMensagem(500, QString::fromUtf8(e.what()));
            }
        }
    }
    entrada.Status = fechar ? 0 : resposta.Status;
    FRegistro.Adiciona(std::move(entrada));
    if (fechar) {
        fechaConexao(req);
        res.status = 500;
        return;
    }
    if (falha && falha->Tipo != TFalha::TTipo::Atraso)
        res.set_header(CabecalhoFalha, TFalha::NomeDoTipo(falha->Tipo).toStdString());
    responde(res, resposta);
}

void TServidor::RegistraAdmin() {
    auto& s = *FServidor;
    using httplib::Request;
    using httplib::Response;

    s.Get("/dev/saude", [](const Request&, Response& res) {
        respondeJson(res, QJsonDocument(QJsonObject{{QStringLiteral("ok"), true}}));
    });

    s.Get("/dev/emitentes", [this](const Request&, Response& res) {
        QJsonArray lista;
        for (const QString& e : FArmazem.Emitentes())
            lista.append(e);
        respondeJson(res, QJsonDocument(lista));
    });

    s.Post("/dev/pedidos", [this](const Request& req, Response& res) {
        responde(res,
                 FApi.EnfileiraPedidos(parametro(req, "emitente"),
                                       QByteArray(req.body.data(), qsizetype(req.body.size()))));
    });

    s.Get("/dev/pedidos", [this](const Request& req, Response& res) {
        std::vector<QByteArray> lista;
        for (const TPedidoGuardado& p : FArmazem.Pedidos(parametro(req, "emitente")))
            lista.push_back("{\"idnuvem\":" + QByteArray::number(p.IdNuvem) +
                            ",\"idcliente\":" + QByteArray::number(p.IdCliente) +
                            ",\"confirmado\":" + (p.CodPedido ? "true" : "false") +
                            ",\"codpedido\":" + numeroOuNulo(p.CodPedido) + ",\"codcliente\":" +
                            numeroOuNulo(p.CodCliente) + ",\"pedido\":" + p.Json + '}');
        responde(res, {200, arrayJson(lista)});
    });

    // What "/getpedidos" would answer now, without counting as a request of the shop.
    s.Get("/dev/pendentes", [this](const Request& req, Response& res) {
        responde(res, {200, FApi.ListaPedidosJson(parametro(req, "emitente"))});
    });

    s.Get("/dev/clientes", [this](const Request& req, Response& res) {
        std::vector<QByteArray> lista;
        for (const TClienteGuardado& c : FArmazem.Clientes(parametro(req, "emitente")))
            lista.push_back("{\"id\":" + QByteArray::number(c.Id) + ",\"codcliente\":" +
                            numeroOuNulo(c.CodCliente) + ",\"cliente\":" + c.Json + '}');
        responde(res, {200, arrayJson(lista)});
    });

    s.Get("/dev/registros", [this](const Request& req, Response& res) {
        const QString emitente = parametro(req, "emitente");
        const QString tabela = parametro(req, "tabela");
        if (tabela.isEmpty()) {
            QJsonObject contagem;
            for (const QString& t : FArmazem.Tabelas(emitente))
                contagem.insert(t, double(FArmazem.ContaRegistros(emitente, t)));
            respondeJson(res, QJsonDocument(contagem));
            return;
        }
        std::vector<QByteArray> lista;
        for (const TRegistroGuardado& r : FArmazem.Registros(emitente, tabela))
            lista.push_back(r.Json);
        responde(res, {200, arrayJson(lista)});
    });

    s.Get("/dev/versao", [this](const Request& req, Response& res) {
        responde(res, {200, FApi.VersaoJson(parametro(req, "emitente"))});
    });

    s.Post("/dev/falhas", [this](const Request& req, Response& res) {
        const QJsonDocument d =
            QJsonDocument::fromJson(QByteArray(req.body.data(), qsizetype(req.body.size())));
        const QJsonObject o = d.object();
        const auto tipo = TFalha::TipoDoNome(o.value(QStringLiteral("tipo")).toString());
        QString caminho = o.value(QStringLiteral("caminho")).toString();
        if (caminho.startsWith(Prefixo))
            caminho = caminho.mid(Prefixo.size());
        if (!d.isObject() || !tipo || caminho.isEmpty()) {
            respondeMensagem(res, 400,
                             QStringLiteral("Falha inválida: informe caminho e tipo (status, "
                                            "atraso, fechar, naojson, texto)"));
            return;
        }
        TFalha f;
        f.Tipo = *tipo;
        f.Caminho = caminho;
        f.Vezes = o.value(QStringLiteral("vezes")).toInt(1);
        f.Status = o.value(QStringLiteral("status")).toInt(500);
        f.Corpo = o.value(QStringLiteral("corpo")).toString().toUtf8();
        f.AtrasoMs = o.value(QStringLiteral("atraso_ms")).toInt(0);
        if (f.Vezes < 1 || f.Status < 100 || f.Status > 599 || f.AtrasoMs < 0 ||
            f.AtrasoMs > 600000) {
            respondeMensagem(res, 400,
                             QStringLiteral("Falha inválida: vezes ≥ 1, status de 100 a 599, "
                                            "atraso_ms de 0 a 600000"));
            return;
        }
        FFalhas.Adiciona(f);
        respondeMensagem(res, 200, QStringLiteral("Falha programada"));
    });

    s.Get("/dev/falhas", [this](const Request&, Response& res) {
        QJsonArray lista;
        for (const TFalha& f : FFalhas.Pendentes())
            lista.append(QJsonObject{{QStringLiteral("caminho"), f.Caminho},
                                     {QStringLiteral("tipo"), TFalha::NomeDoTipo(f.Tipo)},
                                     {QStringLiteral("vezes"), f.Vezes},
                                     {QStringLiteral("status"), f.Status},
                                     {QStringLiteral("corpo"), QString::fromUtf8(f.Corpo)},
                                     {QStringLiteral("atraso_ms"), f.AtrasoMs}});
        respondeJson(res, QJsonDocument(lista));
    });

    s.Delete("/dev/falhas", [this](const Request&, Response& res) {
        FFalhas.Limpa();
        respondeMensagem(res, 200, QStringLiteral("Falhas removidas"));
    });

    s.Get("/dev/requisicoes", [this](const Request& req, Response& res) {
        const qint64 desde = parametro(req, "desde").toLongLong();
        QJsonArray lista;
        for (const TRequisicao& r : FRegistro.Desde(desde, parametro(req, "caminho"))) {
            QJsonArray cabecalhos;
            for (const auto& [nome, valor] : r.Cabecalhos)
                cabecalhos.append(QJsonArray{nome, valor});
            lista.append(QJsonObject{{QStringLiteral("numero"), double(r.Numero)},
                                     {QStringLiteral("caminho"), r.Caminho},
                                     {QStringLiteral("cabecalhos"), cabecalhos},
                                     {QStringLiteral("corpo"), QString::fromUtf8(r.Corpo)},
                                     {QStringLiteral("status"), r.Status},
                                     {QStringLiteral("falha"), r.Falha}});
        }
        respondeJson(res, QJsonDocument(lista));
    });

    s.Delete("/dev/requisicoes", [this](const Request&, Response& res) {
        FRegistro.Limpa();
        respondeMensagem(res, 200, QStringLiteral("Registro de requisições limpo"));
    });

    // Everything of one tenant, or of every tenant when none is given; faults and the request
    // log are cleared with it.
    s.Delete("/dev/dados", [this](const Request& req, Response& res) {
        const QString emitente = parametro(req, "emitente");
        if (emitente.isEmpty()) {
            FArmazem.ApagaTudo();
            FFalhas.Limpa();
            FRegistro.Limpa();
        } else {
            FArmazem.ApagaEmitente(emitente);
        }
        respondeMensagem(res, 200, QStringLiteral("Dados apagados"));
    });
}
