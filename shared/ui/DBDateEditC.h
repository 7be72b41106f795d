#pragma once

#include "ControleC.h"

#include <QDate>
#include <QLineEdit>

class QCalendarWidget;
class QLabel;

// A date edit bound to a date column of a dataset ("dd/mm/yyyy", with a calendar button),
// with the title label, required flag and numbers-only filter of the other controls. Leaving
// it with a text that is not a date is refused: the error is shown and the focus comes back.
class TDBDateEditC : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(bool _01Obrigatorio READ _01Obrigatorio WRITE set_01Obrigatorio STORED true)
    Q_PROPERTY(QLabel* _02Titulo READ _02Titulo WRITE set_02Titulo)
    Q_PROPERTY(bool _03SomenteNumeros READ _03SomenteNumeros WRITE set_03SomenteNumeros STORED true)

public:
    explicit TDBDateEditC(QWidget* parent = nullptr);

    void SetDataField(TDataset* dataset, const QString& coluna);
    QString DataField() const { return FVinculo.Coluna(); }
    TDataset* DataSet() const { return FVinculo.Dataset(); }

    bool _01Obrigatorio() const { return FRealce.Obrigatorio(); }
    void set_01Obrigatorio(bool valor) { FRealce.SetObrigatorio(valor); }
    QLabel* _02Titulo() const { return FRealce.Titulo(); }
    void set_02Titulo(QLabel* label) { FRealce.SetTitulo(label); }
    bool _03SomenteNumeros() const { return FSomenteNumeros; }
    void set_03SomenteNumeros(bool valor) { FSomenteNumeros = valor; }

    TNotifyEvent _OnEnter;
    TNotifyEvent _OnExit;
    TEstiloFonte oldStyle() const { return FRealce.oldStyle(); }

    // The date typed; null when the edit is blank or holds no valid date.
    QDate Data() const;
    bool EmBranco() const;
    void AbreCalendario();

    static bool TeclaNumerica(QChar c);
    static const QString MensagemDataInvalida; // "'%1' não é uma data válida"

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void mostra();
    void gravaTexto();

    TRealceTitulo FRealce;
    TVinculoCampo FVinculo;
    bool FSomenteNumeros = false;
    QCalendarWidget* FCalendario = nullptr;
};
