#include "BotaoFigura.h"

#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

namespace {
QPixmap desenha(TFigura figura) {
    const int lado = figura == TFigura::Localizar ? 14 : 24;
    QPixmap p(lado, lado);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    switch (figura) {
    case TFigura::Confirmar: {
        g.setPen(QPen(QColor(30, 140, 60), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath visto;
        visto.moveTo(4, 13);
        visto.lineTo(10, 19);
        visto.lineTo(20, 5);
        g.drawPath(visto);
        break;
    }
    case TFigura::Cancelar:
        g.setPen(QPen(QColor(200, 40, 40), 4, Qt::SolidLine, Qt::RoundCap));
        g.drawLine(5, 5, 19, 19);
        g.drawLine(19, 5, 5, 19);
        break;
    case TFigura::Localizar:
        g.setPen(QPen(QColor(40, 40, 40), 2));
        g.drawEllipse(QRectF(1.5, 1.5, 8, 8));
        g.drawLine(QPointF(8.5, 8.5), QPointF(13, 13));
        break;
    }
    return p;
}
} // namespace

QToolButton* CriaBotaoFigura(QWidget* pai, const QString& nome, const QString& texto,
                             TFigura figura) {
    auto* botao = new QToolButton(pai);
    botao->setObjectName(nome);
    botao->setText(texto);
    botao->setIcon(QIcon(desenha(figura)));
    if (figura == TFigura::Localizar) {
        botao->setFocusPolicy(Qt::NoFocus);
        botao->resize(22, 21);
    } else {
        botao->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        botao->setIconSize(QSize(24, 24));
        botao->setFocusPolicy(Qt::StrongFocus);
        botao->resize(57, 49);
    }
    return botao;
}

QFont FonteFormulario(const QFont& base) {
    QFont fonte = base;
    fonte.setPixelSize(11);
    return fonte;
}
