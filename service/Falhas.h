#pragma once

#include <deque>
#include <mutex>
#include <optional>
#include <QByteArray>
#include <QString>

// A fault scripted on purpose for the next requests to an endpoint.
struct TFalha {
    enum class TTipo {
        Status,  // answer with Status and Corpo
        Atraso,  // wait AtrasoMs, then answer normally
        Fechar,  // close the connection without an answer
        NaoJson, // answer 200 with a body that is not JSON
        Texto,   // answer 200 with Corpo as it is
    };
    TTipo Tipo = TTipo::Status;
    QString Caminho; // "/getpedidos", ... or "*" for every endpoint
    int Vezes = 1;
    int Status = 500;
    QByteArray Corpo;
    int AtrasoMs = 0;

    static std::optional<TTipo> TipoDoNome(const QString& nome);
    static QString NomeDoTipo(TTipo tipo);
};

// The scripted faults, consumed in the order they were added: a fault applies to the next
// `Vezes` requests of its endpoint and then disappears.
class TFalhas {
public:
    void Adiciona(TFalha falha);
    // The fault that applies to this request of `caminho`, counted as used.
    std::optional<TFalha> Proxima(const QString& caminho);
    void Limpa();
    std::deque<TFalha> Pendentes() const;

private:
    mutable std::mutex FTrava;
    std::deque<TFalha> FFila;
};
