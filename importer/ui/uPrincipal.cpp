#include "uPrincipal.h"

#include "ConexaoImportador.h"
#include "Erro.h"
#include "Figuras.h"
#include "UAlertaPedido.h"
#include "UDM1.h"
#include "uFuncoesUteis.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>

namespace importador {

namespace {
const QString TituloAplicacao = QStringLiteral("Varelo Importação de pedidos");

QLabel* rotulo(QWidget* pai, const char* nome, const QString& texto, const QRect& area,
               int pixels, bool negrito, const QString& cor = QString()) {
    auto* l = new QLabel(texto, pai);
    l->setObjectName(QString::fromLatin1(nome));
    l->setAlignment(Qt::AlignCenter);
    l->setGeometry(area);
    QFont f = l->font();
    f.setPixelSize(pixels);
    f.setBold(negrito);
    l->setFont(f);
    if (!cor.isEmpty())
        l->setStyleSheet(QStringLiteral("color: %1;").arg(cor));
    return l;
}
} // namespace

TFPrincipal::TFPrincipal(TFAlertaPedido* aviso, const QString& nomeInstancia, QWidget* parent)
    : QWidget(parent, Qt::Window), FAviso(aviso) {
    setObjectName(QStringLiteral("TFPrincipal"));
    setWindowTitle(QStringLiteral("Varelo Importação Versão: 16"));
    // Only the system menu and the minimise button; the close box of the system menu stays.
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(401, 328);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setWindowIcon(QIcon(figuras::IconeBandeja(64)));

    Image1 = rotulo(this, "Image1", QString(), QRect(0, 0, 401, 146), 12, false);
    Image1->setPixmap(figuras::Logo(QSize(380, 140)));
    const QString azul = QStringLiteral("#0E66AD");
    lbRazaosocial = rotulo(this, "lbRazaosocial", QStringLiteral("Razão social"),
                           QRect(0, 150, 401, 17), 13, true, azul);
    edtRazaoSocial = rotulo(this, "edtRazaoSocial", QString(), QRect(0, 167, 401, 19), 14, false,
                            QStringLiteral("#404040"));
    lbcnpj = rotulo(this, "lbcnpj", QStringLiteral("CNPJ"), QRect(0, 190, 401, 17), 13, true, azul);
    edtCnpj = rotulo(this, "edtCnpj", QString(), QRect(0, 207, 401, 19), 14, false,
                     QStringLiteral("#404040"));
    lbStatus = rotulo(this, "lbStatus", QString(), QRect(0, 232, 401, 20), 14, true,
                      QStringLiteral("#1A3783"));

    btnImportar = new QPushButton(QStringLiteral(" Importar"), this);
    btnImportar->setObjectName(QStringLiteral("btnImportar"));
    btnImportar->setGeometry(136, 256, 129, 40);
    btnImportar->setIcon(QIcon(figuras::IconeImportar(28)));
    btnImportar->setIconSize(QSize(28, 28));
    connect(btnImportar, &QPushButton::clicked, this, &TFPrincipal::btnImportarClick);

    Label1 = rotulo(this, "Label1",
                    QStringLiteral("Pedidos são baixados automaticamente de 6 em 6 segundos"),
                    QRect(0, 302, 401, 20), 11, true, QStringLiteral("#404040"));

    tmImportaPedidos = new QTimer(this);
    tmImportaPedidos->setObjectName(QStringLiteral("tmImportaPedidos"));
    tmImportaPedidos->setInterval(6000);
    connect(tmImportaPedidos, &QTimer::timeout, this, &TFPrincipal::tmImportaPedidosTimer);

    PMRxAplication = new QMenu(this);
    PMRxAplication->setObjectName(QStringLiteral("PMRxAplication"));
    PMSAbrir = PMRxAplication->addAction(QStringLiteral("Abrir"));
    PMSAbrir->setObjectName(QStringLiteral("PMSAbrir"));
    Sair1 = PMRxAplication->addAction(QStringLiteral("Sair"));
    Sair1->setObjectName(QStringLiteral("Sair1"));
    connect(PMSAbrir, &QAction::triggered, this, &TFPrincipal::PMSAbrirClick);
    connect(Sair1, &QAction::triggered, this, &TFPrincipal::Sair1Click);

    RxTrayIcon1 = new QSystemTrayIcon(QIcon(figuras::IconeBandeja(32)), this);
    RxTrayIcon1->setObjectName(QStringLiteral("RxTrayIcon1"));
    RxTrayIcon1->setToolTip(QStringLiteral("Importador de Pedidos Quandor"));
    RxTrayIcon1->setContextMenu(PMRxAplication);
    connect(RxTrayIcon1, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason motivo) {
                if (motivo == QSystemTrayIcon::DoubleClick)
                    RxTrayIcon1DblClick();
            });
    RxTrayIcon1->show();

    MostraErroPadrao = [this](const QString& mensagem) {
        QMessageBox::critical(this, TituloAplicacao, mensagem);
    };

    if (QScreen* tela = QGuiApplication::primaryScreen())
        move(tela->availableGeometry().center() - rect().center());

    FormCreate(nomeInstancia);
}

TFPrincipal::~TFPrincipal() = default;

void TFPrincipal::FormCreate(const QString& nomeInstancia) {
    Encerrar = false;
    FInstancia = std::make_unique<TInstanciaUnica>(nomeInstancia);
    if (FInstancia->JaExistia()) {
        ExibeMensagem(QStringLiteral("Varelo Importador Já Está Sendo Executado!"),
                      TTipoAlerta::TAPressioneESC);
        Encerrar = true;
    }
}

void TFPrincipal::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        QMetaObject::invokeMethod(this, &TFPrincipal::FormShow, Qt::QueuedConnection);
}

void TFPrincipal::FormShow() {
    if (Encerrar) {
        Q_EMIT ProgramaEncerrado();
        return;
    }
    // A show from the tray while a pass lets messages through must not reconnect under it.
    if (FPassoEmAndamento || FConectando)
        return;
    lbStatus->clear();
    FConectando = true;
    const bool conectou = ConectarBanco(*this);
    FConectando = false;
    if (!conectou) {
        Q_EMIT ProgramaEncerrado();
        return;
    }
    const bool automatico =
        DM1()->QConfiguracao.FieldByName(QStringLiteral("importarpedidoautomaticoimportador"))
            .toBool();
    if (automatico) {
        lbStatus->setText(QStringLiteral("Importação Automática"));
        btnImportar->setEnabled(false);
        tmImportaPedidos->start();
    } else {
        tmImportaPedidos->stop();
        btnImportar->setEnabled(true);
    }
}

void TFPrincipal::tmImportaPedidosTimer() {
    tmImportaPedidos->stop();
    ExecutaPasso();
}

void TFPrincipal::btnImportarClick() { ExecutaPasso(); }

void TFPrincipal::ExecutaPasso() {
    // A click that arrives while a pass lets messages through is ignored.
    if (FPassoEmAndamento || !ImportaPedidos)
        return;
    FPassoEmAndamento = true;
    try {
        ImportaPedidos(*this);
    } catch (const EErro& e) {
        FPassoEmAndamento = false;
        MostraErroPadrao(e.Mensagem());
        return;
    }
    FPassoEmAndamento = false;
}

void TFPrincipal::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        QMetaObject::invokeMethod(this, &TFPrincipal::ApplicationEvents1Minimize,
                                  Qt::QueuedConnection);
}

void TFPrincipal::ApplicationEvents1Minimize() {
    // Without a notification area the window could never be brought back: it stays minimised.
    if (QSystemTrayIcon::isSystemTrayAvailable())
        hide();
}

void TFPrincipal::MostraJanela() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TFPrincipal::RxTrayIcon1DblClick() { MostraJanela(); }

void TFPrincipal::PMSAbrirClick() { MostraJanela(); }

void TFPrincipal::Sair1Click() { close(); }

void TFPrincipal::closeEvent(QCloseEvent* event) {
    tmImportaPedidos->stop();
    RxTrayIcon1->hide();
    event->accept();
    Q_EMIT ProgramaEncerrado();
}

void TFPrincipal::MostraEmitente(const QString& razaoSocial, const QString& cnpjcpf) {
    edtRazaoSocial->setText(razaoSocial);
    edtCnpj->setText(cnpjcpf);
}

void TFPrincipal::DefineStatus(const QString& texto) { lbStatus->setText(texto); }

void TFPrincipal::HabilitaBotao(bool habilitado) { btnImportar->setEnabled(habilitado); }

void TFPrincipal::LigaTimer(bool ligado) {
    if (ligado)
        tmImportaPedidos->start();
    else
        tmImportaPedidos->stop();
}

void TFPrincipal::ProcessaMensagens() { QCoreApplication::processEvents(); }

void TFPrincipal::MostraAviso() {
    if (FAviso)
        FAviso->Mostra();
}

} // namespace importador
