#include "uSelecioneacidadeOffline.h"

#include "BotaoFigura.h"
#include "Erro.h"
#include "ModeloListaCidade.h"
#include "uCadastroClienteUtilOffline.h"
#include "uFuncoesUteis.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTableView>
#include <QToolButton>

namespace {
void negrito(QWidget* w, bool valor) {
    QFont fonte = w->font();
    fonte.setBold(valor);
    w->setFont(fonte);
}
} // namespace

TFSelecaoCidadeOffline::TFSelecaoCidadeOffline(TFCadastroClienteUtilOffline& cadastro,
                                               QWidget* parent)
    : QDialog(parent), FCadastro(cadastro) {
    setObjectName(QStringLiteral("FSelecaoCidadeOffline"));
    setWindowTitle(QStringLiteral("Selecione a cidade"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(406, 307);
    setFont(FonteFormulario(font()));

    Label1 = new QLabel(QStringLiteral("Nome Cidade"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 8, 200, 14);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(8, 24, 390, 21);
    connect(Edit1, &QLineEdit::textChanged, this, &TFSelecaoCidadeOffline::Edit1Change);

    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setGeometry(8, 52, 390, 187);
    DBGrid1->setModel(cadastro.ModeloCidades);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setTabKeyNavigation(false);
    DBGrid1->verticalHeader()->setDefaultSectionSize(18);
    DBGrid1->verticalHeader()->setVisible(false);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* faixa = new QWidget(this);
    faixa->setObjectName(QStringLiteral("pnlBotoes"));
    faixa->setGeometry(0, 247, 406, 60);
    faixa->setAutoFillBackground(true);
    QPalette branca = faixa->palette();
    branca.setColor(QPalette::Window, Qt::white);
    faixa->setPalette(branca);
    BitBtn1 = CriaBotaoFigura(faixa, QStringLiteral("BitBtn1"), QStringLiteral("Confirmar"),
                              TFigura::Confirmar);
    BitBtn1->move(276, 5);
    BitBtn2 = CriaBotaoFigura(faixa, QStringLiteral("BitBtn2"), QStringLiteral("Cancelar"),
                              TFigura::Cancelar);
    BitBtn2->move(339, 5);
    connect(BitBtn1, &QToolButton::clicked, this, &TFSelecaoCidadeOffline::BitBtn1Click);
    connect(BitBtn2, &QToolButton::clicked, this, &TFSelecaoCidadeOffline::BitBtn2Click);

    setTabOrder(Edit1, DBGrid1);
    setTabOrder(DBGrid1, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);

    // Keys are seen by the form before its controls.
    installEventFilter(this);
    for (QWidget* filho : findChildren<QWidget*>())
        filho->installEventFilter(this);
}

int TFSelecaoCidadeOffline::CidadeAtual() const {
    const QModelIndex atual = DBGrid1->currentIndex();
    return atual.isValid() ? FCadastro.ModeloCidades->Cidade(atual.row()).Codcidade : 0;
}

void TFSelecaoCidadeOffline::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    if (const QScreen* tela = screen())
        move(tela->availableGeometry().center() - rect().center());
    try {
        FCadastro.ReabreListaCidade();
    } catch (const EErro& erro) {
        ExibeMensagem(erro.Mensagem(), TTipoAlerta::TAPressioneESC);
    }
    if (FCadastro.ModeloCidades->rowCount() > 0)
        DBGrid1->setCurrentIndex(FCadastro.ModeloCidades->index(0, 0));
    Edit1->setFocus();
}

void TFSelecaoCidadeOffline::Edit1Change(const QString& texto) {
    const int linha = FCadastro.ModeloCidades->Localiza(texto);
    if (linha < 0)
        return;
    const QModelIndex indice = FCadastro.ModeloCidades->index(linha, 0);
    DBGrid1->setCurrentIndex(indice);
    DBGrid1->scrollTo(indice);
}

void TFSelecaoCidadeOffline::BitBtn1Click() {
    FCadastro.DefineCidade(CidadeAtual());
    done(QDialog::Accepted);
    FCadastro.DBCIDADE->setFocus();
}

void TFSelecaoCidadeOffline::BitBtn2Click() {
    Edit1->clear();
    done(QDialog::Rejected);
}

void TFSelecaoCidadeOffline::fechaComEsc() {
    done(QDialog::Rejected);
    FCadastro.DefineCidade(0);
}

void TFSelecaoCidadeOffline::done(int resultado) {
    {
        // Emptying the box is not a search: the list stays on the chosen city.
        const QSignalBlocker bloqueio(Edit1);
        Edit1->clear();
    }
    QDialog::done(resultado);
}

bool TFSelecaoCidadeOffline::eventFilter(QObject* objeto, QEvent* evento) {
    const QEvent::Type tipo = evento->type();
    if (tipo == QEvent::FocusIn || tipo == QEvent::FocusOut) {
        const auto* foco = static_cast<QFocusEvent*>(evento);
        if (foco->reason() == Qt::ActiveWindowFocusReason || foco->reason() == Qt::PopupFocusReason)
            return false;
        const bool entra = tipo == QEvent::FocusIn;
        if (objeto == Edit1)
            negrito(Label1, entra);
        else if (objeto == DBGrid1)
            negrito(DBGrid1, entra);
        else if (objeto == BitBtn1 || objeto == BitBtn2)
            negrito(static_cast<QWidget*>(objeto), entra);
        return false;
    }
    if (tipo != QEvent::KeyPress)
        return false;
    const auto* tecla = static_cast<QKeyEvent*>(evento);
    if (tecla->key() == Qt::Key_Escape) {
        fechaComEsc();
        return true;
    }
    if (tecla->key() != Qt::Key_Return && tecla->key() != Qt::Key_Enter)
        return false;
    if (objeto == Edit1) {
        DBGrid1->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (objeto == DBGrid1) {
        BitBtn1->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (auto* botao = qobject_cast<QToolButton*>(objeto)) {
        botao->click();
        return true;
    }
    return false;
}
