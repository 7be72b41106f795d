#pragma once

#include <QString>
#include <functional>

class TConexao;

// What differs between the two programs in the start-up connection.
struct TPassosConexao {
    // Creates the program's data module when it does not exist yet (errors logged and shown
    // there) and gives its main connection, or null when the module could not be made.
    std::function<TConexao*()> CriaDM;
    // Reopens the data module's emitter (and settings) queries and shows the emitter.
    std::function<void()> AbreConsultas;
    // Runs after the loading window is gone; its errors fail the connection too. Optional.
    std::function<void()> DepoisDeConectar;
};

extern const QString MensagemFalhaConexao;

// The start-up connection step of both programs: shows the loading window, reads
// arquivo.ini, connects the main connection and the connection module, opens the start-up
// queries. On failure: one log entry, the connection alert, false.
bool ConectarBanco(const TPassosConexao& passos);
