#pragma once

#include <QSqlDatabase>
#include <QString>

// A PostgreSQL connection of the programs (the data modules' ZConnection1 and the connection
// module's DBPostgres). Never prompts for anything; the values come from arquivo.ini. Text
// travels as UTF-8 so every character survives the trip.
class TConexao {
public:
    explicit TConexao(QString nomeConexao, QString nomeAplicacao = QString());
    ~TConexao();
    TConexao(const TConexao&) = delete;
    TConexao& operator=(const TConexao&) = delete;

    QString Server;
    int Port = 5432;
    QString Database;
    QString User;
    QString Password;

    // Opens the connection with the values above; throws EErro with the server's text.
    void Connect();
    void Disconnect();
    bool Connected() const;
    QSqlDatabase Banco() const;
    const QString& NomeConexao() const { return FNome; }

private:
    QString FNome;
    QString FAplicacao;
};
