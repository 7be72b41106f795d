#pragma once

#include "uFuncoesUteis.h"

#include <QDialog>
#include <QPixmap>

class QKeyEvent;
class QLabel;
class QPushButton;
class QWidget;

// The small blue vertical gradient that the alert and the loading window stretch behind their
// white panel, so that it shows as a 3-pixel frame around it.
QPixmap ImagemMolduraAzul();

// Borderless modal box with one message and, by its kind, a pair of buttons or a hint line
// asking for Esc. Built for one message and destroyed after it.
class TFAlerta : public QDialog {
    Q_OBJECT

public:
    explicit TFAlerta(QWidget* parent = nullptr);

    // True only after the confirm button was pressed while the window was shown.
    bool Resposta = false;
    TTipoAlerta TipoAlerta = TTipoAlerta::TAPressioneESC;

    QLabel* Image1;
    QWidget* Panel2;
    QLabel* texto;
    QWidget* GridPanel1;
    QPushButton* BtnConfirmar;
    QPushButton* BtnCancelar;
    QLabel* Label2;

public slots:
    void BtnConfirmarClick();
    void BtnCancelarClick();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    bool TrataTecla(const QKeyEvent* tecla);
};

// Sizes the alert for Texto (wrapped at half the screen width, never below 406 x 136) and
// centres it on the screen.
void AjustaTamanhoAlerta(TFAlerta* Alerta, const QString& Texto);
