#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <QByteArray>
#include <QString>
#include <vector>

struct pg_conn;

// Where the service's own PostgreSQL database lives.
struct TConfigBanco {
    QString Host = QStringLiteral("127.0.0.1");
    int Porta = 5432;
    QString Usuario = QStringLiteral("postgres");
    QString Senha;
    QString Nome = QStringLiteral("servico_nuvem");
};

// One master-data record as a batch brings it: its key in its table, its JSON text, and
// whether the batch removes it.
struct TRegistro {
    QString Chave;
    QByteArray Json;
    bool Deletado = false;
};

struct TRegistroGuardado {
    QString Chave;
    QByteArray Json;
};

struct TPedidoGuardado {
    int IdNuvem = 0;
    int IdCliente = 0;
    QByteArray Json;
    std::optional<int> CodPedido;  // set once the shop confirmed the order
    std::optional<int> CodCliente; // the client's local code, once the shop reported it
};

struct TClienteNovo {
    QString Emitente;
    int Id = 0;
    QByteArray Json;
};

struct TPedidoNovo {
    QString Emitente;
    int IdNuvem = 0;
    int IdCliente = 0;
    QByteArray Json;
};

struct TClienteGuardado {
    int Id = 0;
    std::optional<int> CodCliente;
    QByteArray Json;
};

// The service's storage: one table of master-data records per tenant, table and key (JSON
// text), one of the tenants' versions, one of clients and one of orders. Safe to call from
// many threads: each call borrows a connection from a small pool. Errors raise EErro.
class TArmazem {
public:
    // Creates the database when it does not exist yet and the tables when they are missing.
    explicit TArmazem(TConfigBanco config);
    ~TArmazem();
    TArmazem(const TArmazem&) = delete;
    TArmazem& operator=(const TArmazem&) = delete;

    // Upserts every record of the batch by key and removes the deleted ones, all or nothing.
    // Within a batch the last record of a key wins.
    void GravaRegistros(const QString& emitente, const QString& tabela,
                        const std::vector<TRegistro>& registros);
    // Replaces the whole table of the tenant by these records.
    void SubstituiTabela(const QString& emitente, const QString& tabela,
                         const std::vector<TRegistro>& registros);
    std::vector<TRegistroGuardado> Registros(const QString& emitente, const QString& tabela);
    qint64 ContaRegistros(const QString& emitente, const QString& tabela);
    std::vector<QString> Tabelas(const QString& emitente);

    std::optional<QByteArray> Versao(const QString& emitente);
    void GravaVersao(const QString& emitente, const QByteArray& json);

    // Removes everything held for the tenant: records, versions, clients and orders.
    void ApagaEmitente(const QString& emitente);
    void ApagaTudo();
    std::vector<QString> Emitentes();

    std::vector<int> NovosIdsCliente(int quantos);
    bool ClienteExiste(const QString& emitente, int id);
    bool AtualizaCodCliente(const QString& emitente, int id, int codcliente);
    std::vector<TClienteGuardado> Clientes(const QString& emitente);

    std::vector<int> NovosIdsPedido(int quantos);
    // Stores new clients and queued orders together, all or nothing.
    void GravaFila(const std::vector<TClienteNovo>& clientes,
                   const std::vector<TPedidoNovo>& pedidos);
    // The orders that wait for their confirmation, oldest first.
    std::vector<TPedidoGuardado> PedidosPendentes(const QString& emitente);
    std::vector<TPedidoGuardado> Pedidos(const QString& emitente);
    bool ConfirmaPedido(const QString& emitente, int idnuvem, int codpedido);

    class TConexao;

private:
    std::unique_ptr<TConexao> Pega();
    void Devolve(std::unique_ptr<TConexao> conexao);
    std::unique_ptr<TConexao> Conecta(const QString& banco) const;
    void CriaBancoSeFaltar();
    void CriaTabelas();
    void GravaLote(const QString& emitente, const QString& tabela,
                   const std::vector<TRegistro>& registros, bool substitui);
    std::vector<TPedidoGuardado> LePedidos(const QString& emitente, bool soPendentes);
    std::vector<int> NovosIds(const char* sql, int quantos);

    friend class TEmprestimo;
    TConfigBanco FConfig;
    std::mutex FTrava;
    std::vector<std::unique_ptr<TConexao>> FLivres;
};
