#pragma once

#include "Dataset.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QToolButton;
class QWidget;
class TConexao;
class TDBComboBoxC;
class TDBDateEditC;
class TDBEditC;
class TFSelecaoCidadeOffline;
class TModeloListaCidade;

// The form that registers or completes a client record directly in the local database
// ("Cadastrar Cliente"). A caller sets Nome and CPF if it wants, opens TabCliente with the
// parameter codcliente, puts it into insert or edit state and shows the form modally;
// afterwards `confirmou` tells whether the record was saved and CodCliente holds its code.
class TFCadastroClienteUtilOffline : public QDialog {
    Q_OBJECT

public:
    explicit TFCadastroClienteUtilOffline(TConexao& conexao, QWidget* parent = nullptr);
    ~TFCadastroClienteUtilOffline() override;

    QString Nome;
    QString CPF;
    bool confirmou = false;
    int CodCliente = 0;

    TDataset TabCliente;
    TDataset QListaCidade;
    TDataset QConfiguracao;
    TDataset QProximoCodFicha;
    TDataset QVerificaCnpj;
    TModeloListaCidade* ModeloCidades = nullptr;

    QLabel* lbCodigo = nullptr;
    TDBEditC* dbCodigo = nullptr;
    TDBEditC* DBEdit2 = nullptr;
    TDBEditC* DBEdit3 = nullptr;
    TDBEditC* DBEdit4 = nullptr;
    TDBEditC* DBEditC3 = nullptr;
    TDBComboBoxC* DBComboBoxC1 = nullptr;
    TDBEditC* DBEdit5 = nullptr;
    TDBEditC* DBEdit6 = nullptr;
    TDBEditC* DBEdit7 = nullptr;
    TDBEditC* DBEdit8 = nullptr;
    QLabel* lbTelefone = nullptr;
    TDBEditC* edtTelefone = nullptr;
    TDBEditC* DBEdit10 = nullptr;
    TDBEditC* DBEdit11 = nullptr;
    TDBEditC* DBEdit12 = nullptr;
    QComboBox* DBCIDADE = nullptr;
    QToolButton* btnLocalizaCidade = nullptr;
    TDBEditC* DBEditC1 = nullptr;
    QLabel* Label13 = nullptr;
    TDBDateEditC* edtNascimento = nullptr;
    QLabel* Label1 = nullptr;
    TDBEditC* DBEditC2 = nullptr;
    QToolButton* btnConfirmar = nullptr;
    QToolButton* btnCancelar = nullptr;

    // The city picker of this form: the one made at start-up, or null after its first use
    // (each use of the city button makes a fresh one and destroys it afterwards).
    TFSelecaoCidadeOffline* SelecaoCidade() const { return FSelecaoCidade; }
    void CriaSelecaoCidade();

    // Used by the city picker: closes and reopens the city list.
    void ReabreListaCidade();
    // Puts the lookup box on a city and stores it in the record; with codcidade 0 the lookup
    // shows no city and the record holds none, so what is saved is what the form shows.
    void DefineCidade(int codcidade);

    void btnConfirmarClick();
    void btnCancelarClick();
    void btnLocalizaCidadeClick();

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void montaTela();
    void FormShow();
    void documentoSai();
    void mostraCidade();
    void fecha(int resultado);
    bool configuracao(const QString& coluna) const;

    TFSelecaoCidadeOffline* FSelecaoCidade = nullptr;
    bool FFechando = false;
    std::shared_ptr<TDataset::TAviso> FAvisoCidade;
};

extern const QString MensagemCadastroIncompleto;
extern const QString MensagemCnpjCpfJaCadastrado;
extern const QString MensagemOperacaoRealizada;
extern const QString MensagemOperacaoCancelada;

// The program's client form (null before CriaFormulariosOffline).
TFCadastroClienteUtilOffline* FCadastroClienteUtilOffline();
// Creates, hidden, the client form and then its city picker, on the program's connection
// (which need not be connected yet: nothing is read before the form is shown). Call it at
// start-up after the main window is made.
void CriaFormulariosOffline(TConexao& conexao);
// Destroys both forms (at program end, and between tests).
void LiberaFormulariosOffline();
