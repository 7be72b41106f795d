#pragma once

#include "uFuncoesUteis.h"

class TFCarregando;

// The alert and the loading window on screen. Installs itself on construction and uninstalls
// itself (closing the loading window) on destruction; the program keeps one for its whole run.
class TApresentadorJanelas : public IApresentador {
public:
    TApresentadorJanelas();
    ~TApresentadorJanelas() override;
    TApresentadorJanelas(const TApresentadorJanelas&) = delete;
    TApresentadorJanelas& operator=(const TApresentadorJanelas&) = delete;

    // Every call builds its own alert, so an alert requested while another is open (from a
    // timer running in the modal loop) is shown on its own and never closes the outer one.
    bool ExibeMensagem(const QString& Texto, TTipoAlerta Tipo, const QString& CaptionConfirmar,
                       const QString& CaptionCancelar) override;
    void ExibeCarregando(bool Fechar) override;
    void AtualizaCarregando(const QString& Texto) override;

    // The loading window while it exists, else null. Callers that must not let messages
    // through write its Label1 directly.
    static TFCarregando* JanelaCarregando();
};
