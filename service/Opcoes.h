#pragma once

#include "Armazem.h"

#include <QString>
#include <QStringList>

// The command line of servidor-nuvem.
struct TOpcoes {
    QString Endereco = QStringLiteral("127.0.0.1");
    int Porta = 0;       // 0: any free port, printed at start
    QString Certificado; // PEM certificate chain; with Chave, the service speaks HTTPS
    QString Chave;
    int Linhas = 64; // worker threads; each keeps one connection open at a time
    TConfigBanco Banco;

    bool Https() const { return !Certificado.isEmpty(); }
};

// Reads the options; the defaults of the database come from VARELO_PG* when set. On --help
// or an error, `saida` receives the text to print and the result is false; `codigo` is then
// the exit code.
bool LeOpcoes(const QStringList& argumentos, TOpcoes& opcoes, QString& saida, int& codigo);

// Loopback addresses only: the service is for trying and testing, never for a network.
bool EnderecoLoopback(const QString& endereco);
