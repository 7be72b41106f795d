#include "UPrincipal.h"

#include "ArquivoIni.h"
#include "ConexaoExportador.h"
#include "uDM1.h"
#include "uFuncoesExportador.h"
#include "uFuncoesUteis.h"
#include "Figuras.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>

namespace exportador {

const QString TituloAplicacao = QStringLiteral("Exportador Pedido Varelo");
const QString MensagemSemEmitente = QStringLiteral(
    "Banco de dados não conectado! Os dados do emitente não foram carregados.");

namespace {
QLabel* rotulo(QWidget* pai, const char* nome, const QString& texto, const QRect& area) {
    auto* l = new QLabel(texto, pai);
    l->setObjectName(QString::fromLatin1(nome));
    l->setAlignment(Qt::AlignCenter);
    l->setGeometry(area);
    return l;
}

QFont fonte(const QString& familia, int pixels, bool negrito = false) {
    QFont f(familia);
    f.setPixelSize(pixels);
    f.setBold(negrito);
    return f;
}
} // namespace

TFPrincipal::TFPrincipal(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("TFPrincipal"));
    setWindowTitle(QStringLiteral("Exportação API 14"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);
    setFixedSize(609, 308);
    setFont(fonte(QStringLiteral("Tahoma"), 11));

    pnBarraAzul = new QWidget(this);
    pnBarraAzul->setObjectName(QStringLiteral("pnBarraAzul"));
    pnBarraAzul->setGeometry(0, 0, 609, 32);
    pnBarraAzul->setStyleSheet(QStringLiteral("background-color: #1A3783;"));

    imgLogo = rotulo(this, "imgLogo", QString(), QRect(0, 32, 266, 126));
    imgLogo->setPixmap(figuras::Logo(QSize(250, 110)));

    pnDadosEmitente = new QWidget(this);
    pnDadosEmitente->setObjectName(QStringLiteral("pnDadosEmitente"));
    pnDadosEmitente->setGeometry(272, 32, 336, 126);
    const QFont roboto = fonte(QStringLiteral("Roboto Bk"), 13);
    Label7 = rotulo(pnDadosEmitente, "Label7", QStringLiteral("Razão social"), QRect(0, 0, 336, 15));
    LblRazaoSocialEmitente =
        rotulo(pnDadosEmitente, "LblRazaoSocialEmitente", QString(), QRect(0, 15, 336, 15));
    Label6 = rotulo(pnDadosEmitente, "Label6", QStringLiteral("CNPJ"), QRect(0, 30, 336, 15));
    LblCnpjEmitente = rotulo(pnDadosEmitente, "LblCnpjEmitente", QString(), QRect(0, 45, 336, 15));
    for (QLabel* l : {Label7, LblRazaoSocialEmitente, Label6, LblCnpjEmitente})
        l->setFont(roboto);
    Label7->setStyleSheet(QStringLiteral("color: #0E66AD;"));
    Label6->setStyleSheet(QStringLiteral("color: #0E66AD;"));
    LblRazaoSocialEmitente->setEnabled(false);
    LblCnpjEmitente->setEnabled(false);

    pnCarregando = new QWidget(this);
    pnCarregando->setObjectName(QStringLiteral("pnCarregando"));
    pnCarregando->setGeometry(0, 161, 608, 52);
    lbCarregando1 = rotulo(pnCarregando, "lbCarregando1", QString(), QRect(0, 0, 608, 21));
    lbCarregando2 = rotulo(pnCarregando, "lbCarregando2", QString(), QRect(0, 31, 608, 21));
    for (QLabel* l : {lbCarregando1, lbCarregando2}) {
        l->setFont(fonte(QStringLiteral("Segoe UI"), 16, true));
        l->hide();
    }

    imgLocal = rotulo(this, "imgLocal", QString(), QRect(0, 217, 78, 44));
    imgLocal->setPixmap(figuras::BancoLocal(QSize(78, 44)));
    pbStatus = new QProgressBar(this);
    pbStatus->setObjectName(QStringLiteral("pbStatus"));
    pbStatus->setGeometry(81, 219, 454, 44);
    // A range of 0..0 would make Qt draw a busy bar: an empty bar until the first run.
    pbStatus->setRange(0, 1);
    pbStatus->setValue(0);
    imgNuvem = rotulo(this, "imgNuvem", QString(), QRect(539, 217, 69, 44));
    imgNuvem->setPixmap(figuras::Nuvem(QSize(69, 44)));

    btnApagar = new QPushButton(QStringLiteral("Apagar Dados (Nuvem)"), this);
    btnApagar->setObjectName(QStringLiteral("btnApagar"));
    btnApagar->setGeometry(4, 263, 300, 46);
    btnApagar->setFont(fonte(QStringLiteral("Segoe UI"), 21, true));
    btnApagar->setStyleSheet(QStringLiteral("color: red;"));
    btnApagar->setFlat(true);
    btnExportar = new QPushButton(QStringLiteral("Exportar dados"), this);
    btnExportar->setObjectName(QStringLiteral("btnExportar"));
    btnExportar->setGeometry(306, 263, 300, 46);
    btnExportar->setFont(fonte(QStringLiteral("Segoe UI"), 21, true));
    btnExportar->setStyleSheet(QStringLiteral("color: #1A3783;"));
    btnExportar->setFlat(true);

    connect(btnExportar, &QPushButton::clicked, this, &TFPrincipal::btnExportarClick);
    connect(btnApagar, &QPushButton::clicked, this, &TFPrincipal::btnApagarClick);
    MostraErroPadrao = [this](const QString& mensagem) {
        QMessageBox::critical(this, TituloAplicacao, mensagem);
    };

    if (QScreen* tela = QGuiApplication::primaryScreen())
        move(tela->availableGeometry().center() - rect().center());
}

TFPrincipal::~TFPrincipal() = default;

TEmitente* TFPrincipal::Emitente() const {
    return FExportador ? FExportador->Emitente.get() : nullptr;
}

TVersao* TFPrincipal::Versoes() const {
    return FExportador ? FExportador->Versoes.get() : nullptr;
}

void TFPrincipal::MostraEmitente(const QString& razaoSocial, const QString& cnpjcpf) {
    setWindowTitle(windowTitle() + QStringLiteral(" - ") + razaoSocial);
    LblRazaoSocialEmitente->setText(razaoSocial);
    LblCnpjEmitente->setText(cnpjcpf);
}

void TFPrincipal::MostraProgresso(const QString& rotulo1, const QString& rotulo2, int posicao,
                                  int maximo, bool mostraRotulos) {
    lbCarregando1->setText(rotulo1);
    lbCarregando2->setText(rotulo2);
    // A range of 0..0 would make Qt draw a busy bar: an empty progress area shows an empty bar.
    pbStatus->setRange(0, qMax(1, maximo));
    pbStatus->setValue(maximo > 0 ? posicao : 0);
    if (mostraRotulos) {
        lbCarregando1->setVisible(true);
        lbCarregando2->setVisible(true);
    }
}

void TFPrincipal::ProcessaMensagens() { QCoreApplication::processEvents(); }

void TFPrincipal::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!FMostrado) {
        FMostrado = true;
        QMetaObject::invokeMethod(this, &TFPrincipal::FormShow, Qt::QueuedConnection);
    }
}

void TFPrincipal::FormShow() {
    CriaDM();
    if (DM1()) {
        const TConfiguracaoIni ini = TConfiguracaoIni::Le();
        FExportador = std::make_unique<TExportador>(*DM1(), *this, TClienteHttp::DaConfiguracao(ini),
                                                    ini.PastaImagens);
        FExportador->LimpaProgresso();
    }
    // The result is not needed: without a connection the window stays open, without emitter.
    ConectarBanco(*this, [this] {
        if (FExportador)
            FExportador->CarregaDadosEmitente();
    });
}

void TFPrincipal::Executa(const std::function<void()>& trabalho) {
    if (!btnExportar->isEnabled())
        return;
    if (!FExportador || !FExportador->Emitente) {
        ExibeMensagem(MensagemSemEmitente, TTipoAlerta::TAPressioneESC);
        return;
    }
    btnExportar->setEnabled(false);
    btnApagar->setEnabled(false);
    QString erro;
    bool falhou = false;
    try {
        trabalho();
    } catch (const std::exception& e) {
        falhou = true;
        erro = QString::fromUtf8(e.what());
    }
    btnExportar->setEnabled(true);
    btnApagar->setEnabled(true);
    if (falhou)
        MostraErroPadrao(erro);
}

void TFPrincipal::btnExportarClick() {
    Executa([this] { FExportador->ExportaTabelas(); });
}

void TFPrincipal::btnApagarClick() {
    Executa([this] { FExportador->ApagarTabelas(); });
}

void TFPrincipal::closeEvent(QCloseEvent* event) {
    // A run or a wipe in progress keeps the window (and the program) open.
    if (!btnExportar->isEnabled())
        event->ignore();
    else
        event->accept();
}

} // namespace exportador
