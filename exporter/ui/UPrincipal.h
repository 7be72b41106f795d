#pragma once

#include "IVisaoExportador.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>

namespace exportador {

// The exporter's main window: the emitter, the progress area and the two buttons.
class TFPrincipal : public QWidget, public IVisaoExportador {
    Q_OBJECT
public:
    explicit TFPrincipal(QWidget* parent = nullptr);

    void MostraEmitente(const QString& razaoSocial, const QString& cnpjcpf) override;
    void MostraProgresso(const QString& rotulo1, const QString& rotulo2, int posicao, int maximo,
                         bool mostraRotulos) override;
    void ProcessaMensagens() override;

    QWidget* pnBarraAzul;
    QLabel* imgLogo;
    QWidget* pnDadosEmitente;
    QLabel* Label7;
    QLabel* LblRazaoSocialEmitente;
    QLabel* Label6;
    QLabel* LblCnpjEmitente;
    QWidget* pnCarregando;
    QLabel* lbCarregando1;
    QLabel* lbCarregando2;
    QLabel* imgLocal;
    QProgressBar* pbStatus;
    QLabel* imgNuvem;
    QPushButton* btnApagar;
    QPushButton* btnExportar;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    bool FMostrado = false;
};

} // namespace exportador
