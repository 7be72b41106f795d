#pragma once

#include "uFuncoesUteis.h"

#include <QList>
#include <QString>
#include <QStringList>

// Stands in for the alert and loading windows in tests: records every call and answers the
// alerts from a queue of answers given in advance (false when the queue is empty).
class TApresentadorGravador : public IApresentador {
public:
    struct TAlerta {
        QString Texto;
        TTipoAlerta Tipo;
    };

    TApresentadorGravador() { InstalaApresentador(this); }
    ~TApresentadorGravador() override {
        if (ApresentadorAtual() == this)
            InstalaApresentador(nullptr);
    }

    bool ExibeMensagem(const QString& Texto, TTipoAlerta Tipo, const QString& CaptionConfirmar,
                       const QString& CaptionCancelar) override;
    void ExibeCarregando(bool Fechar) override;
    void AtualizaCarregando(const QString& Texto) override;

    QStringList Textos() const;
    void Limpa();

    QList<TAlerta> Alertas;
    QList<bool> Respostas;          // answers to give, first to last
    QStringList Carregando;         // "abre", "fecha" and the texts set, in order
    bool CarregandoVisivel = false;
};
