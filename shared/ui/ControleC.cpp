#include "ControleC.h"

#include "Erro.h"
#include "uFuncoesUteis.h"

#include <QLabel>
#include <QWidget>

TEstiloFonte TEstiloFonte::De(const QFont& fonte) {
    return {fonte.bold(), fonte.italic(), fonte.underline(), fonte.strikeOut()};
}

void TEstiloFonte::Aplica(QLabel* label) const {
    QFont fonte = label->font();
    fonte.setBold(Negrito);
    fonte.setItalic(Italico);
    fonte.setUnderline(Sublinhado);
    fonte.setStrikeOut(Riscado);
    label->setFont(fonte);
}

void TRealceTitulo::SetObrigatorio(bool valor) {
    FObrigatorio = valor;
    if (FTitulo) {
        TEstiloFonte estilo;
        estilo.Negrito = valor;
        estilo.Sublinhado = valor;
        estilo.Aplica(FTitulo);
    }
}

void TRealceTitulo::FocoEntra(QWidget* sender, Qt::FocusReason motivo,
                              const TNotifyEvent& onEnter) {
    if (motivo == Qt::PopupFocusReason || FDentro)
        return;
    FDentro = true;
    Entra(sender, onEnter);
}

void TRealceTitulo::FocoSai(QWidget* sender, Qt::FocusReason motivo, const TNotifyEvent& onExit) {
    if (motivo == Qt::PopupFocusReason || !FDentro)
        return;
    if (motivo == Qt::ActiveWindowFocusReason && sender->window()->isVisible())
        return;
    FDentro = false;
    Sai(sender, onExit);
}

void TRealceTitulo::Entra(QObject* sender, const TNotifyEvent& onEnter) {
    if (FTitulo) {
        FOldStyle = TEstiloFonte::De(FTitulo->font());
        TEstiloFonte negrito;
        negrito.Negrito = true;
        negrito.Aplica(FTitulo);
    }
    if (onEnter)
        onEnter(sender);
}

void TRealceTitulo::Sai(QObject* sender, const TNotifyEvent& onExit) {
    if (FTitulo)
        FOldStyle.Aplica(FTitulo);
    if (onExit)
        onExit(sender);
}

void TVinculoCampo::Liga(TDataset* dataset, const QString& coluna, std::function<void()> mostra) {
    FToken.reset();
    FDataset = dataset;
    FColuna = coluna;
    FMostra = std::move(mostra);
    if (FDataset) {
        FToken = FDataset->Observa([this](const QString& alterada) {
            // The control's own write needs no redisplay: it already shows what was typed.
            if (!FGravando &&
                (alterada.isEmpty() || alterada.compare(FColuna, Qt::CaseInsensitive) == 0))
                FMostra();
        });
    }
    if (FMostra)
        FMostra();
}

QVariant TVinculoCampo::Valor() const {
    if (!Ligado())
        return {};
    return FDataset->FieldByName(FColuna);
}

int TVinculoCampo::Tamanho() const {
    if (!Ligado() || !FDataset->Active())
        return 0;
    try {
        const std::optional<TColuna> c = FDataset->Coluna(FColuna);
        return c ? c->Tamanho : 0;
    } catch (const EErro&) {
        return 0;
    }
}

bool TVinculoCampo::Grava(const QVariant& valor) {
    if (!Ligado())
        return false;
    try {
        FGravando = true;
        FDataset->SetCampo(FColuna, valor);
        FGravando = false;
        return true;
    } catch (const EErro& e) {
        FGravando = false;
        ExibeMensagem(e.Mensagem(), TTipoAlerta::TAPressioneESC);
        if (FMostra)
            FMostra();
        return false;
    }
}
