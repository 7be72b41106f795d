#pragma once

#include "ControleC.h"

#include <QLineEdit>

class QKeyEvent;
class QLabel;

// An edit bound to a column of a dataset, with a title label highlighted while it has the
// focus, a required flag shown on that label and an optional numbers-only key filter.
class TDBEditC : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(bool _01Obrigatorio READ _01Obrigatorio WRITE set_01Obrigatorio STORED true)
    Q_PROPERTY(QLabel* _02Titulo READ _02Titulo WRITE set_02Titulo)
    Q_PROPERTY(bool _03SomenteNumeros READ _03SomenteNumeros WRITE set_03SomenteNumeros STORED true)
    Q_PROPERTY(bool _04VerificaDuplicado READ _04VerificaDuplicado WRITE set_04VerificaDuplicado
                   STORED true)
    Q_PROPERTY(QString _05FormulaEntrada READ _05FormulaEntrada WRITE set_05FormulaEntrada)
    Q_PROPERTY(QString _06FormulaSaida READ _06FormulaSaida WRITE set_06FormulaSaida)

public:
    explicit TDBEditC(QWidget* parent = nullptr);

    // The dataset column shown and edited (DataSource and DataField); null unbinds.
    void SetDataField(TDataset* dataset, const QString& coluna);
    QString DataField() const { return FVinculo.Coluna(); }
    TDataset* DataSet() const { return FVinculo.Dataset(); }

    bool _01Obrigatorio() const { return FRealce.Obrigatorio(); }
    void set_01Obrigatorio(bool valor) { FRealce.SetObrigatorio(valor); }
    QLabel* _02Titulo() const { return FRealce.Titulo(); }
    void set_02Titulo(QLabel* label) { FRealce.SetTitulo(label); }
    bool _03SomenteNumeros() const { return FSomenteNumeros; }
    void set_03SomenteNumeros(bool valor) { FSomenteNumeros = valor; }
    // Kept with the control for form definitions; they change nothing.
    bool _04VerificaDuplicado() const { return FVerificaDuplicado; }
    void set_04VerificaDuplicado(bool valor) { FVerificaDuplicado = valor; }
    QString _05FormulaEntrada() const { return FFormulaEntrada; }
    void set_05FormulaEntrada(const QString& valor) { FFormulaEntrada = valor; }
    QString _06FormulaSaida() const { return FFormulaSaida; }
    void set_06FormulaSaida(const QString& valor) { FFormulaSaida = valor; }

    // Called after the control's own enter and exit behaviour.
    TNotifyEvent _OnEnter;
    TNotifyEvent _OnExit;
    TEstiloFonte oldStyle() const { return FRealce.oldStyle(); }

    // The characters the numbers-only filter lets through.
    static bool TeclaNumerica(QChar c);

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void mostra();

    TRealceTitulo FRealce;
    TVinculoCampo FVinculo;
    bool FSomenteNumeros = false;
    bool FVerificaDuplicado = false;
    QString FFormulaEntrada;
    QString FFormulaSaida;
};

// Whether the numbers-only filter lets the key through: keys that type no character always
// pass, the others when `permitida` accepts the character.
bool PassaFiltro(const QKeyEvent* e, bool (*permitida)(QChar));

// The text a column's value shows in an edit.
QString TextoDoValor(const QVariant& valor);
