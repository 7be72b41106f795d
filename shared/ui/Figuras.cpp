#include "Figuras.h"

#include <QPainter>
#include <QPainterPath>

namespace figuras {

namespace {
const QColor Azul(0x1A, 0x37, 0x83);
const QColor AzulClaro(0x0E, 0x66, 0xAD);
const QColor Laranja(0xF2, 0x8C, 0x28);

QPixmap transparente(const QSize& tamanho) {
    QPixmap p(tamanho);
    p.fill(Qt::transparent);
    return p;
}

void desenhaSacola(QPainter& g, const QRectF& r) {
    // Handle first, then the bag body over it.
    g.setPen(QPen(Azul, r.width() * 0.07, Qt::SolidLine, Qt::RoundCap));
    g.setBrush(Qt::NoBrush);
    const QRectF alca(r.left() + r.width() * 0.3, r.top(), r.width() * 0.4, r.height() * 0.4);
    g.drawArc(alca, 0, 180 * 16);
    QPainterPath corpo;
    corpo.moveTo(r.left() + r.width() * 0.12, r.top() + r.height() * 0.22);
    corpo.lineTo(r.right() - r.width() * 0.12, r.top() + r.height() * 0.22);
    corpo.lineTo(r.right(), r.bottom());
    corpo.lineTo(r.left(), r.bottom());
    corpo.closeSubpath();
    g.setPen(Qt::NoPen);
    g.setBrush(Azul);
    g.drawPath(corpo);
    // A rising arrow: sales going up.
    g.setPen(QPen(Laranja, r.width() * 0.08, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath seta;
    seta.moveTo(r.left() + r.width() * 0.22, r.bottom() - r.height() * 0.18);
    seta.lineTo(r.left() + r.width() * 0.45, r.bottom() - r.height() * 0.4);
    seta.lineTo(r.left() + r.width() * 0.58, r.bottom() - r.height() * 0.3);
    seta.lineTo(r.right() - r.width() * 0.2, r.top() + r.height() * 0.42);
    g.setBrush(Qt::NoBrush);
    g.drawPath(seta);
    const QPointF ponta(r.right() - r.width() * 0.2, r.top() + r.height() * 0.42);
    g.drawLine(ponta, ponta + QPointF(-r.width() * 0.13, r.height() * 0.01));
    g.drawLine(ponta, ponta + QPointF(0, r.height() * 0.13));
}

void desenhaNuvem(QPainter& g, const QRectF& r, const QColor& cor) {
    QPainterPath p;
    p.addEllipse(QRectF(r.left(), r.top() + r.height() * 0.4, r.width() * 0.45, r.height() * 0.6));
    p.addEllipse(QRectF(r.left() + r.width() * 0.2, r.top(), r.width() * 0.5, r.height() * 0.8));
    p.addEllipse(QRectF(r.left() + r.width() * 0.5, r.top() + r.height() * 0.25, r.width() * 0.5,
                        r.height() * 0.75));
    p.setFillRule(Qt::WindingFill);
    g.setPen(Qt::NoPen);
    g.setBrush(cor);
    g.drawPath(p.simplified());
}
} // namespace

QPixmap Logo(const QSize& tamanho) {
    QPixmap p = transparente(tamanho);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QFont fonte(QStringLiteral("DejaVu Sans"));
    fonte.setBold(true);
    fonte.setPixelSize(100);
    // Text width per pixel of bag height, so bag and name always fit side by side.
    const qreal razao =
        QFontMetricsF(fonte).horizontalAdvance(QStringLiteral("varelo")) / 100 * 0.55;
    const qreal lado = qMin(tamanho.height() * 0.8, tamanho.width() * 0.95 / (1.15 + razao));
    fonte.setPixelSize(qMax(1, int(lado * 0.55)));
    const QFontMetricsF m(fonte);
    const qreal larguraTexto = m.horizontalAdvance(QStringLiteral("varelo"));
    const qreal total = lado + lado * 0.15 + larguraTexto;
    const qreal x = (tamanho.width() - total) / 2;
    const qreal y = (tamanho.height() - lado) / 2;
    desenhaSacola(g, QRectF(x, y, lado, lado));
    g.setFont(fonte);
    g.setPen(Azul);
    g.drawText(QRectF(x + lado * 1.15, y, larguraTexto + 2, lado), Qt::AlignVCenter,
               QStringLiteral("varelo"));
    return p;
}

QPixmap IconeBandeja(int lado) {
    QPixmap p = transparente(QSize(lado, lado));
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(Qt::NoPen);
    g.setBrush(Qt::white);
    g.drawRoundedRect(QRectF(0, 0, lado, lado), lado * 0.2, lado * 0.2);
    desenhaSacola(g, QRectF(lado * 0.12, lado * 0.1, lado * 0.76, lado * 0.8));
    return p;
}

QPixmap IconePedido(int lado) {
    QPixmap p = transparente(QSize(lado, lado));
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const QRectF folha(lado * 0.18, lado * 0.08, lado * 0.64, lado * 0.84);
    g.setPen(QPen(QColor(255, 255, 128), lado * 0.04));
    g.setBrush(Qt::white);
    g.drawRoundedRect(folha, lado * 0.06, lado * 0.06);
    g.setPen(QPen(QColor(38, 58, 83), lado * 0.05, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const qreal y = folha.top() + folha.height() * (0.22 + i * 0.18);
        g.drawLine(QPointF(folha.left() + folha.width() * 0.18, y),
                   QPointF(folha.right() - folha.width() * (i == 3 ? 0.45 : 0.18), y));
    }
    g.setPen(Qt::NoPen);
    g.setBrush(Laranja);
    g.drawEllipse(QPointF(folha.right() - lado * 0.05, folha.bottom() - lado * 0.08), lado * 0.16,
                  lado * 0.16);
    g.setPen(QPen(Qt::white, lado * 0.05, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF c(folha.right() - lado * 0.05, folha.bottom() - lado * 0.08);
    g.drawLine(c + QPointF(-lado * 0.07, 0), c + QPointF(-lado * 0.02, lado * 0.05));
    g.drawLine(c + QPointF(-lado * 0.02, lado * 0.05), c + QPointF(lado * 0.07, -lado * 0.05));
    return p;
}

QPixmap IconeImportar(int lado) {
    QPixmap p = transparente(QSize(lado, lado));
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    desenhaNuvem(g, QRectF(0, lado * 0.05, lado, lado * 0.6), AzulClaro);
    g.setPen(QPen(Laranja, lado * 0.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal cx = lado / 2.0;
    g.drawLine(QPointF(cx, lado * 0.35), QPointF(cx, lado * 0.9));
    g.drawLine(QPointF(cx, lado * 0.9), QPointF(cx - lado * 0.17, lado * 0.73));
    g.drawLine(QPointF(cx, lado * 0.9), QPointF(cx + lado * 0.17, lado * 0.73));
    return p;
}

QPixmap BancoLocal(const QSize& tamanho) {
    QPixmap p = transparente(tamanho);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const qreal h = tamanho.height() * 0.9;
    const qreal w = h * 0.8;
    const QRectF r((tamanho.width() - w) / 2, (tamanho.height() - h) / 2, w, h);
    const qreal tampa = h * 0.22;
    g.setPen(QPen(Qt::white, 1.5));
    for (int i = 2; i >= 0; --i) {
        const QRectF faixa(r.left(), r.top() + i * (h - tampa) / 3, w, (h - tampa) / 3 + tampa);
        g.setBrush(i % 2 ? AzulClaro : Azul);
        QPainterPath cilindro;
        cilindro.moveTo(faixa.left(), faixa.top() + tampa / 2);
        cilindro.lineTo(faixa.left(), faixa.bottom() - tampa / 2);
        cilindro.arcTo(QRectF(faixa.left(), faixa.bottom() - tampa, w, tampa), 180, 180);
        cilindro.lineTo(faixa.right(), faixa.top() + tampa / 2);
        cilindro.arcTo(QRectF(faixa.left(), faixa.top(), w, tampa), 0, -180);
        g.drawPath(cilindro);
    }
    g.setBrush(QColor(0x5B, 0x9B, 0xD5));
    g.drawEllipse(QRectF(r.left(), r.top(), w, tampa));
    return p;
}

QPixmap Nuvem(const QSize& tamanho) {
    QPixmap p = transparente(tamanho);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const qreal w = qMin<qreal>(tamanho.width(), tamanho.height() * 1.6);
    const qreal h = w / 1.6;
    desenhaNuvem(g, QRectF((tamanho.width() - w) / 2, (tamanho.height() - h) / 2, w, h), AzulClaro);
    return p;
}

} // namespace figuras
