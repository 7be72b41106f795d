#include "UCarregando.h"

#include "uAlerta.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int Moldura = 3;
}

TIndicadorAtividade::TIndicadorAtividade(QWidget* parent)
    : QWidget(parent), relogio(new QTimer(this)) {
    setFixedSize(sizeHint());
    relogio->setInterval(80);
    connect(relogio, &QTimer::timeout, this, &TIndicadorAtividade::Avanca);
    relogio->start();
}

bool TIndicadorAtividade::Animando() const {
    return relogio->isActive();
}

void TIndicadorAtividade::Avanca() {
    passo = (passo + 1) % Pontos;
    update();
}

void TIndicadorAtividade::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setPen(Qt::NoPen);
    pintor.translate(width() / 2.0, height() / 2.0);
    const qreal lado = qMin(width(), height());
    const qreal raioPonto = lado / 12.0;
    const qreal raioAnel = lado / 2.0 - raioPonto - 1;
    for (int i = 0; i < Pontos; ++i) {
        // The dots behind the head fade out, which gives the ring its sense of direction.
        const int atraso = (passo - i + Pontos) % Pontos;
        QColor cor(0x2F, 0x74, 0xC8);
        cor.setAlphaF(1.0 - 0.8 * atraso / (Pontos - 1));
        pintor.save();
        pintor.rotate(360.0 * i / Pontos);
        pintor.setBrush(cor);
        pintor.drawEllipse(QPointF(0, -raioAnel), raioPonto, raioPonto);
        pintor.restore();
    }
}

TFCarregando::TFCarregando(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("FCarregando"));
    setWindowTitle(QStringLiteral("Carregando"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(ImagemMolduraAzul());
    Image1->setScaledContents(true);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAutoFillBackground(true);
    QPalette branco = Panel1->palette();
    branco.setColor(QPalette::Window, Qt::white);
    Panel1->setPalette(branco);

    GroupBox1 = new QGroupBox(Panel1);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* borda = new QVBoxLayout(Panel1);
    borda->setContentsMargins(2 * Moldura, 2 * Moldura, 2 * Moldura, 2 * Moldura);
    borda->addWidget(GroupBox1);

    Label1 = new QLabel(QStringLiteral("Processando..."), GroupBox1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setFixedHeight(70);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    QFont arial(QStringLiteral("Arial"));
    arial.setStyleHint(QFont::SansSerif);
    arial.setPixelSize(21);
    arial.setBold(true);
    Label1->setFont(arial);

    ProgressBar1 = new QProgressBar(GroupBox1);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setFixedHeight(21);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    ActivityIndicator1 = new TIndicadorAtividade(GroupBox1);
    ActivityIndicator1->setObjectName(QStringLiteral("ActivityIndicator1"));

    auto* coluna = new QVBoxLayout(GroupBox1);
    coluna->setContentsMargins(6, 0, 6, Moldura);
    coluna->setSpacing(0);
    coluna->addWidget(Label1);
    coluna->addWidget(ProgressBar1);
    coluna->addStretch(1);
    coluna->addWidget(ActivityIndicator1, 0, Qt::AlignHCenter);
    coluna->addStretch(1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &TFCarregando::Timer1Timer);
    Timer1->start();

    resize(512, 159);
    if (const QScreen* tela = QGuiApplication::primaryScreen())
        move(tela->geometry().x() + tela->geometry().width() / 2 - width() / 2,
             tela->geometry().y() + tela->geometry().height() / 2 - height() / 2);
}

void TFCarregando::Timer1Timer() {
    // The bar cannot hold a value past its maximum, so the wrap is decided before it is set.
    const int proximo = ProgressBar1->value() + PassoBarra;
    if (proximo < ProgressBar1->maximum()) {
        ProgressBar1->setValue(proximo);
        return;
    }
    ProgressBar1->setValue(1);
    // Last step: the messages let through here may close and destroy this window.
    QCoreApplication::processEvents();
}

void TFCarregando::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(evento);
}

void TFCarregando::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    Image1->setGeometry(rect());
    Panel1->setGeometry(rect().adjusted(Moldura, Moldura, -Moldura, -Moldura));
}
