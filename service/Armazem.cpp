#include "Armazem.h"

#include "Erro.h"

#include <libpq-fe.h>
#include <map>

namespace {
struct TLiberaResultado {
    void operator()(PGresult* r) const { PQclear(r); }
};
using TResultado = std::unique_ptr<PGresult, TLiberaResultado>;

// A libpq array literal of texts: every element quoted, quotes and reverse solidi escaped.
QByteArray arrayTexto(const std::vector<QByteArray>& itens) {
    qsizetype tamanho = 2;
    for (const QByteArray& i : itens)
        tamanho += i.size() + 3;
    QByteArray r;
    r.reserve(tamanho + tamanho / 8);
    r += '{';
    for (size_t n = 0; n < itens.size(); ++n) {
        if (n > 0)
            r += ',';
        r += '"';
        // Copies the runs between characters that need a reverse solidus in one go.
        const QByteArray& item = itens[n];
        qsizetype inicio = 0;
        for (qsizetype i = 0; i < item.size(); ++i) {
            if (item[i] != '"' && item[i] != '\\')
                continue;
            r.append(item.constData() + inicio, i - inicio);
            r += '\\';
            inicio = i;
        }
        r.append(item.constData() + inicio, item.size() - inicio);
        r += '"';
    }
    r += '}';
    return r;
}

QString texto(const PGresult* r, int linha, int coluna) {
    return QString::fromUtf8(PQgetvalue(r, linha, coluna), PQgetlength(r, linha, coluna));
}

QByteArray bytes(const PGresult* r, int linha, int coluna) {
    return QByteArray(PQgetvalue(r, linha, coluna), PQgetlength(r, linha, coluna));
}

std::optional<int> inteiroOuNulo(const PGresult* r, int linha, int coluna) {
    if (PQgetisnull(r, linha, coluna))
        return std::nullopt;
    return QByteArray(PQgetvalue(r, linha, coluna)).toInt();
}
} // namespace

// One libpq connection; statements take their values as bound text parameters.
class TArmazem::TConexao {
public:
    explicit TConexao(PGconn* c) : FConexao(c) {}
    ~TConexao() { PQfinish(FConexao); }
    TConexao(const TConexao&) = delete;
    TConexao& operator=(const TConexao&) = delete;

    bool Boa() const { return PQstatus(FConexao) == CONNECTION_OK; }

    TResultado Executa(const char* sql, const std::vector<QByteArray>& parametros = {}) {
        std::vector<const char*> valores;
        std::vector<int> tamanhos;
        for (const QByteArray& p : parametros) {
            valores.push_back(p.constData());
            tamanhos.push_back(int(p.size()));
        }
        TResultado r(PQexecParams(FConexao, sql, int(valores.size()), nullptr, valores.data(),
                                  tamanhos.data(), nullptr, 0));
        const ExecStatusType s = PQresultStatus(r.get());
        if (s != PGRES_COMMAND_OK && s != PGRES_TUPLES_OK)
            throw EErro(QStringLiteral("Erro no banco do serviço: ") +
                        QString::fromUtf8(PQerrorMessage(FConexao)).trimmed());
        return r;
    }

private:
    PGconn* FConexao;
};

// Lends a pooled connection for one call and gives it back afterwards, unless it broke.
class TEmprestimo {
public:
    explicit TEmprestimo(TArmazem& a) : FArmazem(a), FConexao(a.Pega()) {}
    ~TEmprestimo() {
        if (FConexao->Boa())
            FArmazem.Devolve(std::move(FConexao));
    }
    TEmprestimo(const TEmprestimo&) = delete;
    TEmprestimo& operator=(const TEmprestimo&) = delete;
    TArmazem::TConexao* operator->() { return FConexao.get(); }

private:
    TArmazem& FArmazem;
    std::unique_ptr<TArmazem::TConexao> FConexao;
};

namespace {
// Runs `trabalho` inside a transaction: a failure rolls back and is raised again.
template <typename F> void emTransacao(TEmprestimo& c, F trabalho) {
    c->Executa("BEGIN");
    try {
        trabalho();
        c->Executa("COMMIT");
    } catch (...) {
        try {
            c->Executa("ROLLBACK");
        } catch (...) {
        }
        throw;
    }
}
} // namespace

TArmazem::TArmazem(TConfigBanco config) : FConfig(std::move(config)) {
    CriaBancoSeFaltar();
    CriaTabelas();
}

TArmazem::~TArmazem() = default;

std::unique_ptr<TArmazem::TConexao> TArmazem::Conecta(const QString& banco) const {
    const QByteArray host = FConfig.Host.toUtf8();
    const QByteArray porta = QByteArray::number(FConfig.Porta);
    const QByteArray usuario = FConfig.Usuario.toUtf8();
    const QByteArray senha = FConfig.Senha.toUtf8();
    const QByteArray nome = banco.toUtf8();
    const char* chaves[] = {
        "host", "port", "user", "password", "dbname", "client_encoding", "application_name",
        nullptr};
    const char* valores[] = {host.constData(),    porta.constData(),
                             usuario.constData(), senha.constData(),
                             nome.constData(),    "UTF8",
                             "servidor-nuvem",    nullptr};
    PGconn* conexao = PQconnectdbParams(chaves, valores, 0);
    // "already exists, skipping" and the like are of no use to anyone reading the output.
    PQsetNoticeProcessor(
        conexao, [](void*, const char*) {}, nullptr);
    auto c = std::make_unique<TConexao>(conexao);
    if (!c->Boa())
        throw EErro(QStringLiteral("Sem conexão com o banco do serviço (%1:%2/%3)")
                        .arg(FConfig.Host)
                        .arg(FConfig.Porta)
                        .arg(banco));
    return c;
}

std::unique_ptr<TArmazem::TConexao> TArmazem::Pega() {
    {
        std::lock_guard<std::mutex> trava(FTrava);
        if (!FLivres.empty()) {
            auto c = std::move(FLivres.back());
            FLivres.pop_back();
            return c;
        }
    }
    return Conecta(FConfig.Nome);
}

void TArmazem::Devolve(std::unique_ptr<TConexao> conexao) {
    std::lock_guard<std::mutex> trava(FTrava);
    FLivres.push_back(std::move(conexao));
}

void TArmazem::CriaBancoSeFaltar() {
    auto c = Conecta(QStringLiteral("postgres"));
    const QByteArray nome = FConfig.Nome.toUtf8();
    if (PQntuples(c->Executa("SELECT 1 FROM pg_database WHERE datname = $1", {nome}).get()) > 0)
        return;
    // The name travels as a quoted identifier; it cannot be a bound parameter here.
    QByteArray ident = nome;
    ident.replace('"', "\"\"");
    c->Executa(QByteArray("CREATE DATABASE \"" + ident + "\" ENCODING 'UTF8' TEMPLATE template0")
                   .constData());
}

void TArmazem::CriaTabelas() {
    TEmprestimo c(*this);
    c->Executa("CREATE TABLE IF NOT EXISTS registro ("
               " emitente text NOT NULL, tabela text NOT NULL, chave text NOT NULL,"
               " json text NOT NULL, PRIMARY KEY (emitente, tabela, chave))");
    c->Executa("CREATE TABLE IF NOT EXISTS versao ("
               " emitente text PRIMARY KEY, json text NOT NULL)");
    c->Executa("CREATE TABLE IF NOT EXISTS cliente ("
               " id serial PRIMARY KEY, emitente text NOT NULL, codcliente integer,"
               " json text NOT NULL)");
    c->Executa("CREATE TABLE IF NOT EXISTS pedido ("
               " idnuvem serial PRIMARY KEY, emitente text NOT NULL, idcliente integer NOT NULL,"
               " json text NOT NULL, codpedido integer, confirmado_em timestamptz)");
    c->Executa("CREATE INDEX IF NOT EXISTS pedido_pendente ON pedido (emitente, idnuvem)"
               " WHERE codpedido IS NULL");
}

void TArmazem::GravaLote(const QString& emitente, const QString& tabela,
                         const std::vector<TRegistro>& registros, bool substitui) {
    // The last record of a key wins, so that one statement can write the whole batch.
    std::map<QString, const TRegistro*> ultimo;
    for (const TRegistro& r : registros)
        ultimo[r.Chave] = &r;
    std::vector<QByteArray> apagar, chaves, jsons;
    for (const auto& [chave, r] : ultimo) {
        if (r->Deletado) {
            apagar.push_back(chave.toUtf8());
        } else {
            chaves.push_back(chave.toUtf8());
            jsons.push_back(r->Json);
        }
    }
    const QByteArray e = emitente.toUtf8(), t = tabela.toUtf8();
    TEmprestimo c(*this);
    emTransacao(c, [&] {
        if (substitui)
            c->Executa("DELETE FROM registro WHERE emitente = $1 AND tabela = $2", {e, t});
        else if (!apagar.empty())
            c->Executa("DELETE FROM registro WHERE emitente = $1 AND tabela = $2"
                       " AND chave = ANY($3::text[])",
                       {e, t, arrayTexto(apagar)});
        if (!chaves.empty())
            c->Executa("INSERT INTO registro (emitente, tabela, chave, json)"
                       " SELECT $1, $2, k, j FROM unnest($3::text[], $4::text[]) AS x(k, j)"
                       " ON CONFLICT (emitente, tabela, chave) DO UPDATE SET json = EXCLUDED.json",
                       {e, t, arrayTexto(chaves), arrayTexto(jsons)});
    });
}

void TArmazem::GravaRegistros(const QString& emitente, const QString& tabela,
                              const std::vector<TRegistro>& registros) {
    GravaLote(emitente, tabela, registros, false);
}

void TArmazem::SubstituiTabela(const QString& emitente, const QString& tabela,
                               const std::vector<TRegistro>& registros) {
    GravaLote(emitente, tabela, registros, true);
}

std::vector<TRegistroGuardado> TArmazem::Registros(const QString& emitente, const QString& tabela) {
    TEmprestimo c(*this);
    TResultado r = c->Executa("SELECT chave, json FROM registro WHERE emitente = $1 AND"
                              " tabela = $2 ORDER BY length(chave), chave",
                              {emitente.toUtf8(), tabela.toUtf8()});
    std::vector<TRegistroGuardado> lista;
    for (int i = 0; i < PQntuples(r.get()); ++i)
        lista.push_back({texto(r.get(), i, 0), bytes(r.get(), i, 1)});
    return lista;
}

qint64 TArmazem::ContaRegistros(const QString& emitente, const QString& tabela) {
    TEmprestimo c(*this);
    TResultado r = c->Executa("SELECT count(*) FROM registro WHERE emitente = $1 AND tabela = $2",
                              {emitente.toUtf8(), tabela.toUtf8()});
    return QByteArray(PQgetvalue(r.get(), 0, 0)).toLongLong();
}

std::vector<QString> TArmazem::Tabelas(const QString& emitente) {
    TEmprestimo c(*this);
    TResultado r = c->Executa("SELECT DISTINCT tabela FROM registro WHERE emitente = $1 ORDER BY 1",
                              {emitente.toUtf8()});
    std::vector<QString> lista;
    for (int i = 0; i < PQntuples(r.get()); ++i)
        lista.push_back(texto(r.get(), i, 0));
    return lista;
}

std::optional<QByteArray> TArmazem::Versao(const QString& emitente) {
    TEmprestimo c(*this);
    TResultado r = c->Executa("SELECT json FROM versao WHERE emitente = $1", {emitente.toUtf8()});
    if (PQntuples(r.get()) == 0)
        return std::nullopt;
    return bytes(r.get(), 0, 0);
}

void TArmazem::GravaVersao(const QString& emitente, const QByteArray& json) {
    TEmprestimo c(*this);
    c->Executa("INSERT INTO versao (emitente, json) VALUES ($1, $2)"
               " ON CONFLICT (emitente) DO UPDATE SET json = EXCLUDED.json",
               {emitente.toUtf8(), json});
}

void TArmazem::ApagaEmitente(const QString& emitente) {
    const QByteArray e = emitente.toUtf8();
    TEmprestimo c(*this);
    emTransacao(c, [&] {
        c->Executa("DELETE FROM registro WHERE emitente = $1", {e});
        c->Executa("DELETE FROM versao WHERE emitente = $1", {e});
        c->Executa("DELETE FROM pedido WHERE emitente = $1", {e});
        c->Executa("DELETE FROM cliente WHERE emitente = $1", {e});
    });
}

void TArmazem::ApagaTudo() {
    TEmprestimo c(*this);
    c->Executa("TRUNCATE registro, versao, pedido, cliente");
}

std::vector<QString> TArmazem::Emitentes() {
    TEmprestimo c(*this);
    TResultado r = c->Executa("SELECT emitente FROM registro UNION SELECT emitente FROM versao"
                              " UNION SELECT emitente FROM pedido UNION SELECT emitente FROM"
                              " cliente ORDER BY 1");
    std::vector<QString> lista;
    for (int i = 0; i < PQntuples(r.get()); ++i)
        lista.push_back(texto(r.get(), i, 0));
    return lista;
}

std::vector<int> TArmazem::NovosIds(const char* sql, int quantos) {
    std::vector<int> ids;
    if (quantos <= 0)
        return ids;
    TEmprestimo c(*this);
    TResultado r = c->Executa(sql, {QByteArray::number(quantos)});
    for (int i = 0; i < PQntuples(r.get()); ++i)
        ids.push_back(QByteArray(PQgetvalue(r.get(), i, 0)).toInt());
    return ids;
}

std::vector<int> TArmazem::NovosIdsCliente(int quantos) {
    return NovosIds("SELECT nextval(pg_get_serial_sequence('cliente', 'id'))"
                    " FROM generate_series(1, $1::int)",
                    quantos);
}

std::vector<int> TArmazem::NovosIdsPedido(int quantos) {
    return NovosIds("SELECT nextval(pg_get_serial_sequence('pedido', 'idnuvem'))"
                    " FROM generate_series(1, $1::int)",
                    quantos);
}

void TArmazem::GravaFila(const std::vector<TClienteNovo>& clientes,
                         const std::vector<TPedidoNovo>& pedidos) {
    std::vector<QByteArray> ce, ci, cj, pe, pi, pc, pj;
    for (const TClienteNovo& n : clientes) {
        ce.push_back(n.Emitente.toUtf8());
        ci.push_back(QByteArray::number(n.Id));
        cj.push_back(n.Json);
    }
    for (const TPedidoNovo& n : pedidos) {
        pe.push_back(n.Emitente.toUtf8());
        pi.push_back(QByteArray::number(n.IdNuvem));
        pc.push_back(QByteArray::number(n.IdCliente));
        pj.push_back(n.Json);
    }
    TEmprestimo c(*this);
    emTransacao(c, [&] {
        if (!clientes.empty())
            c->Executa("INSERT INTO cliente (emitente, id, json)"
                       " SELECT * FROM unnest($1::text[], $2::int[], $3::text[])",
                       {arrayTexto(ce), arrayTexto(ci), arrayTexto(cj)});
        if (!pedidos.empty())
            c->Executa("INSERT INTO pedido (emitente, idnuvem, idcliente, json)"
                       " SELECT * FROM unnest($1::text[], $2::int[], $3::int[], $4::text[])",
                       {arrayTexto(pe), arrayTexto(pi), arrayTexto(pc), arrayTexto(pj)});
    });
}

bool TArmazem::ClienteExiste(const QString& emitente, int id) {
    TEmprestimo c(*this);
    TResultado r = c->Executa("SELECT 1 FROM cliente WHERE emitente = $1 AND id = $2",
                              {emitente.toUtf8(), QByteArray::number(id)});
    return PQntuples(r.get()) > 0;
}

bool TArmazem::AtualizaCodCliente(const QString& emitente, int id, int codcliente) {
    TEmprestimo c(*this);
    TResultado r =
        c->Executa("UPDATE cliente SET codcliente = $3 WHERE emitente = $1 AND id = $2",
                   {emitente.toUtf8(), QByteArray::number(id), QByteArray::number(codcliente)});
    return QByteArray(PQcmdTuples(r.get())).toInt() > 0;
}

std::vector<TClienteGuardado> TArmazem::Clientes(const QString& emitente) {
    TEmprestimo c(*this);
    TResultado r =
        c->Executa("SELECT id, codcliente, json FROM cliente WHERE emitente = $1 ORDER BY id",
                   {emitente.toUtf8()});
    std::vector<TClienteGuardado> lista;
    for (int i = 0; i < PQntuples(r.get()); ++i)
        lista.push_back({QByteArray(PQgetvalue(r.get(), i, 0)).toInt(),
                         inteiroOuNulo(r.get(), i, 1), bytes(r.get(), i, 2)});
    return lista;
}

std::vector<TPedidoGuardado> TArmazem::LePedidos(const QString& emitente, bool soPendentes) {
    TEmprestimo c(*this);
    const char* todos = "SELECT p.idnuvem, p.idcliente, p.json, p.codpedido, c.codcliente"
                        " FROM pedido p LEFT JOIN cliente c ON c.id = p.idcliente"
                        " WHERE p.emitente = $1 ORDER BY p.idnuvem";
    const char* pendentes = "SELECT p.idnuvem, p.idcliente, p.json, p.codpedido, c.codcliente"
                            " FROM pedido p LEFT JOIN cliente c ON c.id = p.idcliente"
                            " WHERE p.emitente = $1 AND p.codpedido IS NULL ORDER BY p.idnuvem";
    TResultado r = c->Executa(soPendentes ? pendentes : todos, {emitente.toUtf8()});
    std::vector<TPedidoGuardado> lista;
    for (int i = 0; i < PQntuples(r.get()); ++i) {
        TPedidoGuardado p;
        p.IdNuvem = QByteArray(PQgetvalue(r.get(), i, 0)).toInt();
        p.IdCliente = QByteArray(PQgetvalue(r.get(), i, 1)).toInt();
        p.Json = bytes(r.get(), i, 2);
        p.CodPedido = inteiroOuNulo(r.get(), i, 3);
        p.CodCliente = inteiroOuNulo(r.get(), i, 4);
        lista.push_back(std::move(p));
    }
    return lista;
}

std::vector<TPedidoGuardado> TArmazem::PedidosPendentes(const QString& emitente) {
    return LePedidos(emitente, true);
}

std::vector<TPedidoGuardado> TArmazem::Pedidos(const QString& emitente) {
    return LePedidos(emitente, false);
}

bool TArmazem::ConfirmaPedido(const QString& emitente, int idnuvem, int codpedido) {
    TEmprestimo c(*this);
    TResultado r =
        c->Executa("UPDATE pedido SET codpedido = $3, confirmado_em = now()"
                   " WHERE emitente = $1 AND idnuvem = $2",
                   {emitente.toUtf8(), QByteArray::number(idnuvem), QByteArray::number(codpedido)});
    return QByteArray(PQcmdTuples(r.get())).toInt() > 0;
}
