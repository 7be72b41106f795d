#include "uAlerta.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
constexpr int Moldura = 3;
constexpr int LarguraMinima = 406;
constexpr int AlturaMinima = 136;

QFont fonte(const QString& familia, int pixels, bool negrito) {
    QFont f(familia);
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    f.setBold(negrito);
    return f;
}

QPushButton* criaBotao(const QString& nome, const QString& legenda, QWidget* pai) {
    auto* botao = new QPushButton(legenda, pai);
    botao->setObjectName(nome);
    botao->setFixedSize(75, 28);
    return botao;
}

// Blanks and control characters at either end do not count when the box is sized.
QString aparaBrancos(const QString& texto) {
    qsizetype inicio = 0;
    qsizetype fim = texto.size();
    while (inicio < fim && texto.at(inicio).unicode() <= 0x20)
        ++inicio;
    while (fim > inicio && texto.at(fim - 1).unicode() <= 0x20)
        --fim;
    return texto.mid(inicio, fim - inicio);
}
} // namespace

QPixmap ImagemMolduraAzul() {
    QImage imagem(17, 64, QImage::Format_RGB32);
    QPainter pintor(&imagem);
    QLinearGradient gradiente(0, 0, 0, imagem.height());
    gradiente.setColorAt(0, QColor(0xA8, 0xD4, 0xF8));
    gradiente.setColorAt(1, QColor(0x2F, 0x74, 0xC8));
    pintor.fillRect(imagem.rect(), gradiente);
    pintor.end();
    return QPixmap::fromImage(imagem);
}

TFAlerta::TFAlerta(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("FAlerta"));
    setAutoFillBackground(true);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, paleta.color(QPalette::Button));
    setPalette(paleta);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(ImagemMolduraAzul());
    Image1->setScaledContents(true);

    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setAutoFillBackground(true);
    QPalette branco = Panel2->palette();
    branco.setColor(QPalette::Window, Qt::white);
    Panel2->setPalette(branco);

    texto = new QLabel(Panel2);
    texto->setObjectName(QStringLiteral("texto"));
    // Messages carry error texts from anywhere; they are never read as markup.
    texto->setTextFormat(Qt::PlainText);
    texto->setWordWrap(true);
    texto->setAlignment(Qt::AlignCenter);
    texto->setFont(fonte(QStringLiteral("MS Reference Sans Serif"), 16, true));

    GridPanel1 = new QWidget(Panel2);
    GridPanel1->setObjectName(QStringLiteral("GridPanel1"));
    GridPanel1->setFixedHeight(28);
    BtnConfirmar =
        criaBotao(QStringLiteral("BtnConfirmar"), QStringLiteral("Confirmar"), GridPanel1);
    BtnCancelar = criaBotao(QStringLiteral("BtnCancelar"), QStringLiteral("Cancelar"), GridPanel1);
    auto* grade = new QGridLayout(GridPanel1);
    grade->setContentsMargins(0, 0, 0, 0);
    grade->setHorizontalSpacing(2 * Moldura);
    grade->setColumnStretch(0, 1);
    grade->setColumnStretch(1, 1);
    grade->addWidget(BtnConfirmar, 0, 0, Qt::AlignRight);
    grade->addWidget(BtnCancelar, 0, 1, Qt::AlignLeft);

    Label2 = new QLabel(QStringLiteral("Pressione ESC para continuar."), Panel2);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFixedHeight(17);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setFont(fonte(QStringLiteral("MS Sans Serif"), 13, false));

    // The message keeps the space left by whichever bottom row is shown, so a text that
    // wrapped to many lines is never cut by the buttons.
    auto* coluna = new QVBoxLayout(Panel2);
    coluna->setContentsMargins(Moldura, Moldura, Moldura, Moldura);
    coluna->setSpacing(0);
    coluna->addWidget(texto, 1);
    coluna->addWidget(GridPanel1);
    coluna->addWidget(Label2);

    connect(BtnConfirmar, &QPushButton::clicked, this, &TFAlerta::BtnConfirmarClick);
    connect(BtnCancelar, &QPushButton::clicked, this, &TFAlerta::BtnCancelarClick);

    // Every key passes through the window first, whichever control has the focus.
    installEventFilter(this);
    for (QWidget* filho : findChildren<QWidget*>())
        filho->installEventFilter(this);

    resize(LarguraMinima, AlturaMinima);
}

void TFAlerta::BtnConfirmarClick() {
    Resposta = true;
    accept();
}

void TFAlerta::BtnCancelarClick() {
    Resposta = false;
    reject();
}

bool TFAlerta::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress && TrataTecla(static_cast<QKeyEvent*>(evento)))
        return true;
    return QDialog::eventFilter(objeto, evento);
}

bool TFAlerta::TrataTecla(const QKeyEvent* tecla) {
    const Qt::KeyboardModifiers modificadores =
        tecla->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    if (tecla->key() == Qt::Key_C && modificadores == Qt::ControlModifier) {
        QGuiApplication::clipboard()->setText(texto->text());
        return true;
    }
    if (tecla->key() == Qt::Key_F4 && (modificadores & Qt::AltModifier))
        return true;
    if (tecla->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return false;
}

void TFAlerta::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    Resposta = false;
    if (!BtnConfirmar->isHidden())
        (TipoAlerta == TTipoAlerta::TANaoSim ? BtnCancelar : BtnConfirmar)->setFocus();
    raise();
    Label2->setText(QStringLiteral("Pressione ESC Para Continuar."));
}

void TFAlerta::closeEvent(QCloseEvent* evento) {
    // A close asked by the system (Alt+F4, the task bar) is refused like the key itself:
    // the alert ends only through Esc or its buttons.
    if (evento->spontaneous()) {
        evento->ignore();
        return;
    }
    QDialog::closeEvent(evento);
}

void TFAlerta::resizeEvent(QResizeEvent* evento) {
    QDialog::resizeEvent(evento);
    Image1->setGeometry(rect());
    Panel2->setGeometry(rect().adjusted(Moldura, Moldura, -Moldura, -Moldura));
}

void AjustaTamanhoAlerta(TFAlerta* Alerta, const QString& Texto) {
    const QString aparado = aparaBrancos(Texto);
    const QScreen* tela = QGuiApplication::primaryScreen();
    const QRect area = tela ? tela->geometry() : QRect(0, 0, 1024, 768);

    const QFontMetrics metricas(Alerta->texto->font());
    const int alinhamento =
        Alerta->layoutDirection() == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft;
    const QRect medida =
        aparado.isEmpty()
            ? QRect()
            : metricas.boundingRect(QRect(0, 0, area.width() / 2, 0),
                                    alinhamento | Qt::TextWordWrap | Qt::TextExpandTabs, aparado);

    const int largura = qMax(medida.width() + 16, LarguraMinima);
    const int altura = qMax(medida.height() + 50, AlturaMinima);
    Alerta->resize(largura, altura);
    Alerta->move(area.x() + area.width() / 2 - largura / 2,
                 area.y() + area.height() / 2 - altura / 2);
}
