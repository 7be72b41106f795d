#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QTableView;
class QToolButton;
class TFCadastroClienteUtilOffline;

// The city picker of the client form ("Selecione a cidade"): a search box that moves the
// form's city list to the first city beginning with what is typed, the list itself, and the
// buttons that put the chosen city into the client record or give up.
class TFSelecaoCidadeOffline : public QDialog {
    Q_OBJECT

public:
    explicit TFSelecaoCidadeOffline(TFCadastroClienteUtilOffline& cadastro,
                                    QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QTableView* DBGrid1 = nullptr;
    QToolButton* BitBtn1 = nullptr;
    QToolButton* BitBtn2 = nullptr;

    // The city the list is on; 0 when none.
    int CidadeAtual() const;

    void BitBtn1Click();
    void BitBtn2Click();
    void done(int resultado) override;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Edit1Change(const QString& texto);
    void fechaComEsc();

    TFCadastroClienteUtilOffline& FCadastro;
};
