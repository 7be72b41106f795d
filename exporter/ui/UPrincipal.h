#pragma once

#include "IVisaoExportador.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <memory>

class TEmitente;
class TVersao;

namespace exportador {

class TExportador;

// The application title, also the caption of the standard error box.
extern const QString TituloAplicacao;
// Shown when a button is clicked without an emitter (no database at start-up).
extern const QString MensagemSemEmitente;

// The exporter's main window: the emitter, the progress area and the two buttons.
class TFPrincipal : public QWidget, public IVisaoExportador {
    Q_OBJECT
public:
    explicit TFPrincipal(QWidget* parent = nullptr);
    ~TFPrincipal() override;

    // The business and the service's versions as the exporter holds them (null until loaded).
    TEmitente* Emitente() const;
    TVersao* Versoes() const;
    TExportador* Exportador() const { return FExportador.get(); }

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

    // The platform's standard error box (one OK button, the application title as caption).
    std::function<void(const QString&)> MostraErroPadrao;

public Q_SLOTS:
    void btnExportarClick();
    void btnApagarClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormShow();
    // Runs a run or a wipe with both buttons disabled (so a close request is refused too).
    void Executa(const std::function<void()>& trabalho);
    bool FMostrado = false;
    std::unique_ptr<TExportador> FExportador;
};

} // namespace exportador
