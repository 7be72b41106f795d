#include "ApresentadorJanelas.h"

#include "uAlerta.h"
#include "UCarregando.h"

#include <memory>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace {
QPointer<TFCarregando> carregando;

void fechaCarregando() {
    // Forgotten before it goes, so nothing run by its destruction finds it half gone.
    TFCarregando* janela = carregando.data();
    carregando = nullptr;
    delete janela;
}
} // namespace

TApresentadorJanelas::TApresentadorJanelas() {
    InstalaApresentador(this);
}

TApresentadorJanelas::~TApresentadorJanelas() {
    fechaCarregando();
    if (ApresentadorAtual() == this)
        InstalaApresentador(nullptr);
}

bool TApresentadorJanelas::ExibeMensagem(const QString& Texto, TTipoAlerta Tipo,
                                         const QString& CaptionConfirmar,
                                         const QString& CaptionCancelar) {
    const auto alerta = std::make_unique<TFAlerta>();
    AjustaTamanhoAlerta(alerta.get(), Texto);

    const bool comBotoes = Tipo != TTipoAlerta::TAPressioneESC;
    alerta->GridPanel1->setVisible(comBotoes);
    alerta->BtnConfirmar->setVisible(comBotoes);
    alerta->BtnCancelar->setVisible(comBotoes);
    alerta->Label2->setVisible(!comBotoes);
    switch (Tipo) {
    case TTipoAlerta::TAConfirmaCancela:
        alerta->BtnConfirmar->setText(QStringLiteral("Confirmar"));
        alerta->BtnCancelar->setText(QStringLiteral("Cancelar"));
        break;
    case TTipoAlerta::TASimNao:
    case TTipoAlerta::TANaoSim:
        alerta->BtnConfirmar->setText(QStringLiteral("Sim"));
        alerta->BtnCancelar->setText(QStringLiteral("Não"));
        break;
    case TTipoAlerta::TAPressioneESC:
        break;
    case TTipoAlerta::TAPersonalizado:
        alerta->BtnConfirmar->setText(CaptionConfirmar);
        alerta->BtnCancelar->setText(CaptionCancelar);
        break;
    }

    alerta->texto->setText(Texto);
    alerta->TipoAlerta = Tipo;
    alerta->exec();
    return alerta->Resposta;
}

void TApresentadorJanelas::ExibeCarregando(bool Fechar) {
    if (Fechar) {
        fechaCarregando();
        return;
    }
    if (!carregando)
        carregando = new TFCarregando();
    carregando->show();
    QCoreApplication::processEvents();
    // Letting messages through may have closed it already.
    if (carregando) {
        carregando->raise();
        carregando->activateWindow();
    }
}

void TApresentadorJanelas::AtualizaCarregando(const QString& Texto) {
    if (!carregando || Texto.isEmpty())
        return;
    carregando->Label1->setText(Texto);
    QCoreApplication::processEvents();
}

TFCarregando* TApresentadorJanelas::JanelaCarregando() {
    return carregando.data();
}
