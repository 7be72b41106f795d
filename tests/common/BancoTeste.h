#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

// The throwaway PostgreSQL cluster that scripts/test starts, described by the VARELO_PG*
// variables. Each test program builds its own database from db/backoffice.sql.
struct TServidorTeste {
    QString Host;
    int Porta = 0;
    QString Usuario;
    QString Senha;

    static TServidorTeste DoAmbiente();  // QSKIP-free: fails the test when unset
    bool Disponivel() const { return Porta > 0; }
};

// Drops and creates the database `nome` and loads db/backoffice.sql (and, when given, more
// scripts of db/ such as demo.sql) into it. Returns an empty text on success, the error otherwise.
QString CriaBancoTeste(const QString& nome, const QStringList& scriptsExtras = {});

// Runs SQL text (several statements allowed) on the database `nome`; empty text on success.
QString ExecutaSqlTeste(const QString& nome, const QString& sql);

// The first column of the first row of a query on the database `nome` (invalid on error).
QVariant ConsultaTeste(const QString& nome, const QString& sql);

// Writes an arquivo.ini in `pasta` that points at the test server and the database `nome`.
void EscreveArquivoIni(const QString& pasta, const QString& nome);
