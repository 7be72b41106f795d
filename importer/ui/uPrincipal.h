#pragma once

#include "IVisaoImportador.h"
#include "InstanciaUnica.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace importador {

class TFAlertaPedido;

// The importer's main window: the emitter it works for, the import state, the button to import
// by hand, the polling timer and the notification-area icon.
class TFPrincipal : public QWidget, public IVisaoImportador {
    Q_OBJECT
public:
    explicit TFPrincipal(TFAlertaPedido* aviso = nullptr,
                         const QString& nomeInstancia = QStringLiteral("VareloImportadorAPI"),
                         QWidget* parent = nullptr);
    ~TFPrincipal() override;

    // IVisaoImportador
    void MostraEmitente(const QString& razaoSocial, const QString& cnpjcpf) override;
    void DefineStatus(const QString& texto) override;
    void HabilitaBotao(bool habilitado) override;
    void LigaTimer(bool ligado) override;
    void ProcessaMensagens() override;
    void MostraAviso() override;

    QLabel* Image1;
    QLabel* lbRazaosocial;
    QLabel* edtRazaoSocial;
    QLabel* lbcnpj;
    QLabel* edtCnpj;
    QLabel* lbStatus;
    QPushButton* btnImportar;
    QLabel* Label1;
    QTimer* tmImportaPedidos;
    QSystemTrayIcon* RxTrayIcon1;
    QMenu* PMRxAplication;
    QAction* PMSAbrir;
    QAction* Sair1;
    bool Encerrar = false;

    // The import pass the window runs; errors it raises reach MostraErroPadrao.
    std::function<void(IVisaoImportador&)> ImportaPedidos;
    // The platform's standard error box (one OK button, the application title as caption).
    std::function<void(const QString&)> MostraErroPadrao;

    bool PassoEmAndamento() const { return FPassoEmAndamento; }

public Q_SLOTS:
    void tmImportaPedidosTimer();
    void btnImportarClick();
    void ApplicationEvents1Minimize();
    void RxTrayIcon1DblClick();
    void PMSAbrirClick();
    void Sair1Click();

Q_SIGNALS:
    // The program must end (second instance, no database connection, window closed).
    void ProgramaEncerrado();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate(const QString& nomeInstancia);
    void FormShow();
    void ExecutaPasso();
    void MostraJanela();

    TFAlertaPedido* FAviso;
    std::unique_ptr<TInstanciaUnica> FInstancia;
    bool FPassoEmAndamento = false;
    bool FConectando = false;
};

} // namespace importador
