#pragma once

#include "IVisaoImportador.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

namespace importador {

// The importer's main window: the emitter it works for, the import state, the button to import
// by hand and the polling timer.
class TFPrincipal : public QWidget, public IVisaoImportador {
    Q_OBJECT
public:
    explicit TFPrincipal(QWidget* parent = nullptr);

    void MostraEmitente(const QString& razaoSocial, const QString& cnpjcpf) override;

    QLabel* Image1;
    QLabel* lbRazaosocial;
    QLabel* edtRazaoSocial;
    QLabel* lbcnpj;
    QLabel* edtCnpj;
    QLabel* lbStatus;
    QPushButton* btnImportar;
    QLabel* Label1;
    QTimer* tmImportaPedidos;
    bool Encerrar = false;

Q_SIGNALS:
    // The program must end (second instance, no database connection).
    void ProgramaEncerrado();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
};

} // namespace importador
