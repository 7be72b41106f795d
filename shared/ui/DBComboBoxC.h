#pragma once

#include "ControleC.h"

#include <QComboBox>

class QLabel;

// A combo box of fixed items bound to a text column of a dataset, with the title label and
// required flag of the other controls. It has no key filter.
class TDBComboBoxC : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(bool _01Obrigatorio READ _01Obrigatorio WRITE set_01Obrigatorio STORED true)
    Q_PROPERTY(QLabel* _02Titulo READ _02Titulo WRITE set_02Titulo)

public:
    explicit TDBComboBoxC(QWidget* parent = nullptr);

    void SetDataField(TDataset* dataset, const QString& coluna);
    QString DataField() const { return FVinculo.Coluna(); }
    TDataset* DataSet() const { return FVinculo.Dataset(); }

    bool _01Obrigatorio() const { return FRealce.Obrigatorio(); }
    void set_01Obrigatorio(bool valor) { FRealce.SetObrigatorio(valor); }
    QLabel* _02Titulo() const { return FRealce.Titulo(); }
    void set_02Titulo(QLabel* label) { FRealce.SetTitulo(label); }

    TNotifyEvent _OnEnter;
    TNotifyEvent _OnExit;
    TEstiloFonte oldStyle() const { return FRealce.oldStyle(); }

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void mostra();

    TRealceTitulo FRealce;
    TVinculoCampo FVinculo;
};
