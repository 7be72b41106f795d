#pragma once

#include "Dataset.h"

#include <functional>
#include <memory>
#include <QFont>
#include <QLabel>
#include <QPointer>
#include <QString>
#include <QVariant>

class QObject;
class QWidget;

// A notify event: called with the control that raised it.
using TNotifyEvent = std::function<void(QObject* Sender)>;

// The font style bits a title label may carry.
struct TEstiloFonte {
    bool Negrito = false;
    bool Italico = false;
    bool Sublinhado = false;
    bool Riscado = false;

    static TEstiloFonte De(const QFont& fonte);
    void Aplica(QLabel* label) const;
    bool operator==(const TEstiloFonte&) const = default;
};

// What the three data-aware controls add to their base widget: the title label highlighted
// while the control has the focus, the required flag shown on that label, and the enter and
// exit events called after the highlighting.
class TRealceTitulo {
public:
    bool Obrigatorio() const { return FObrigatorio; }
    // Restyles the title label only when one is set already.
    void SetObrigatorio(bool valor);
    QLabel* Titulo() const { return FTitulo; }
    void SetTitulo(QLabel* label) { FTitulo = label; }
    TEstiloFonte oldStyle() const { return FOldStyle; }

    // The control's focus events. Entering and leaving are moves of the focus inside the
    // form: a popup of the control or another window in front (an alert) is neither.
    void FocoEntra(QWidget* sender, Qt::FocusReason motivo, const TNotifyEvent& onEnter);
    void FocoSai(QWidget* sender, Qt::FocusReason motivo, const TNotifyEvent& onExit);

    void Entra(QObject* sender, const TNotifyEvent& onEnter);
    void Sai(QObject* sender, const TNotifyEvent& onExit);

private:
    bool FDentro = false;
    bool FObrigatorio = false;
    QPointer<QLabel> FTitulo;
    TEstiloFonte FOldStyle;
};

// The link between a control and one column of a dataset: the control shows the column of
// the current row and writes what the user types into it.
class TVinculoCampo {
public:
    // `mostra` is called whenever the column may show another value.
    void Liga(TDataset* dataset, const QString& coluna, std::function<void()> mostra);
    TDataset* Dataset() const { return FDataset; }
    const QString& Coluna() const { return FColuna; }
    bool Ligado() const { return FDataset && !FColuna.isEmpty(); }

    QVariant Valor() const;
    // The column's width in characters, 0 when unknown or unlimited.
    int Tamanho() const;
    // Writes the value; a refusal of the dataset is shown in the alert and the column shown
    // again, so the control never keeps a value that was not stored.
    bool Grava(const QVariant& valor);

private:
    TDataset* FDataset = nullptr;
    QString FColuna;
    std::function<void()> FMostra;
    std::shared_ptr<TDataset::TAviso> FToken;
    bool FGravando = false;
};
