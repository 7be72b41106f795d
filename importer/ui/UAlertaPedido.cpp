#include "UAlertaPedido.h"

#include "Figuras.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QScreen>

namespace importador {

namespace {
const QColor Fundo(38, 58, 83);
constexpr int Passo = 2;

QRect tela() {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry() : QRect(0, 0, 1024, 768);
}
} // namespace

TFAlertaPedido::TFAlertaPedido(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("TFAlertaPedido"));
    setWindowTitle(QStringLiteral("Alerta"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    // 335 x 74 inside a 1-pixel frame.
    setFixedSize(337, 76);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Fundo);
    setPalette(p);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedWidth(64);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(figuras::IconePedido(56));
    Label1 = new QLabel(QStringLiteral("Pedido novo Importado"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    QFont f = Label1->font();
    f.setBold(true);
    f.setPixelSize(19);
    Label1->setFont(f);
    Label1->setStyleSheet(QStringLiteral("color: rgb(255, 255, 128);"));
    layout->addWidget(Image1);
    layout->addWidget(Label1, 1);

    auto timer = [this](const char* nome, int intervalo) {
        auto* t = new QTimer(this);
        t->setObjectName(QString::fromLatin1(nome));
        t->setInterval(intervalo);
        return t;
    };
    TimerSobeAviso = timer("TimerSobeAviso", 1);
    TimerEspera = timer("TimerEspera", 1000);
    TimerDesceAviso = timer("TimerDesceAviso", 1);
    connect(TimerSobeAviso, &QTimer::timeout, this, &TFAlertaPedido::SobeAviso);
    connect(TimerEspera, &QTimer::timeout, this, &TFAlertaPedido::TimerEsperaTimer);
    connect(TimerDesceAviso, &QTimer::timeout, this, &TFAlertaPedido::DesceAviso);
}

int TFAlertaPedido::Base() const { return tela().height() - height(); }

void TFAlertaPedido::Mostra() {
    if (isVisible())
        return;
    FormShow();
    show();
}

void TFAlertaPedido::FormShow() {
    move(tela().width() - width(), Base() + 100);
    TimerSobeAviso->start();
}

// The slide stops once it has reached or passed its target, so a screen that changed size
// under a running notice cannot send it off for ever.
void TFAlertaPedido::SobeAviso() {
    if (y() <= Base() - 40) {
        TimerSobeAviso->stop();
        TimerEspera->start();
    }
    move(x(), y() - Passo);
}

void TFAlertaPedido::TimerEsperaTimer() {
    TimerEspera->stop();
    TimerDesceAviso->start();
}

void TFAlertaPedido::DesceAviso() {
    if (y() >= Base() + 100) {
        TimerDesceAviso->stop();
        hide();
    }
    move(x(), y() + Passo);
}

void TFAlertaPedido::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter g(this);
    g.setPen(QColor(255, 255, 128, 90));
    g.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace importador
