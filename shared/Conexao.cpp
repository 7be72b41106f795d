#include "Conexao.h"

#include "Erro.h"

#include <QSqlError>

namespace {
// A dead or unreachable server must not freeze the window for ever.
constexpr int TempoLimiteConexao = 10;
} // namespace

TConexao::TConexao(QString nomeConexao, QString nomeAplicacao)
    : FNome(std::move(nomeConexao)), FAplicacao(std::move(nomeAplicacao)) {
    QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), FNome);
}

TConexao::~TConexao() {
    {
        QSqlDatabase db = QSqlDatabase::database(FNome, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(FNome);
}

void TConexao::Connect() {
    QSqlDatabase db = QSqlDatabase::database(FNome, false);
    if (!db.isValid())
        throw EErro(QStringLiteral("Driver do PostgreSQL (QPSQL) não disponível"));
    if (db.isOpen())
        db.close();
    db.setHostName(Server);
    db.setPort(Port);
    db.setDatabaseName(Database);
    db.setUserName(User);
    db.setPassword(Password);
    QString opcoes = QStringLiteral("connect_timeout=%1").arg(TempoLimiteConexao);
    if (!FAplicacao.isEmpty())
        opcoes += QStringLiteral(";application_name=") + FAplicacao;
    db.setConnectOptions(opcoes);
    if (!db.open()) {
        const QSqlError erro = db.lastError();
        throw EErro(erro.databaseText().isEmpty() ? erro.text() : erro.databaseText().trimmed());
    }
}

void TConexao::Disconnect() {
    QSqlDatabase db = QSqlDatabase::database(FNome, false);
    if (db.isOpen())
        db.close();
}

bool TConexao::Connected() const { return QSqlDatabase::database(FNome, false).isOpen(); }

QSqlDatabase TConexao::Banco() const { return QSqlDatabase::database(FNome, false); }
