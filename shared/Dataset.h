#pragma once

#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <QVariantMap>

class TConexao;

// A query of a data module: a stored statement, an optional condition that replaces the
// statement's own (values always bound, never pasted into the text), and the current row.
// Rows are read forward only, so an open dataset holds one row at a time.
class TDataset {
public:
    TDataset(TConexao& conexao, QString sql);

    // Replaces the statement's WHERE condition; ":name" placeholders are bound from parametros.
    void SetCondicao(const QString& condicao, const QVariantMap& parametros = {});
    void RemoveCondicao();

    void Open();  // throws EErro with the database's text
    void Close();
    void Refresh();
    bool Active() const { return FAtivo; }
    bool Eof() const { return !FTemLinha; }
    bool IsEmpty() const { return !FTemLinha && FLinhasLidas == 0; }
    void Next();

    // A column of the current row, by name without regard to case; null when there is no row.
    QVariant FieldByName(const QString& coluna) const;
    QString AsString(const QString& coluna) const { return FieldByName(coluna).toString(); }
    const QSqlRecord& Registro() const { return FRegistro; }

    QString TextoSql() const;

private:
    TConexao& FConexao;
    QString FSql;
    QString FCondicao;
    QVariantMap FParametros;
    QSqlQuery FQuery;
    QSqlRecord FRegistro;
    bool FAtivo = false;
    bool FTemLinha = false;
    qint64 FLinhasLidas = 0;
};

// Runs one statement on the connection with bound values; throws EErro on failure.
QSqlQuery ExecutaSql(TConexao& conexao, const QString& sql, const QVariantMap& parametros = {});
