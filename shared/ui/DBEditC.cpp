#include "DBEditC.h"

#include <QDate>
#include <QFocusEvent>
#include <QKeyEvent>

QString TextoDoValor(const QVariant& valor) {
    if (valor.isNull())
        return {};
    if (valor.metaType().id() == QMetaType::QDate)
        return valor.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    return valor.toString();
}

TDBEditC::TDBEditC(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textEdited, this, [this](const QString& texto) {
        if (FVinculo.Ligado())
            FVinculo.Grava(texto);
    });
}

void TDBEditC::SetDataField(TDataset* dataset, const QString& coluna) {
    FVinculo.Liga(dataset, coluna, [this] { mostra(); });
}

void TDBEditC::mostra() {
    const int tamanho = FVinculo.Tamanho();
    setMaxLength(tamanho > 0 ? tamanho : 32767);
    const QString texto = TextoDoValor(FVinculo.Valor());
    if (texto != text())
        setText(texto);
}

bool PassaFiltro(const QKeyEvent* e, bool (*permitida)(QChar)) {
    // Only keys that type a character are filtered: arrows, Delete and the like type none.
    if (e->text().isEmpty() || e->text().front() == QChar(0x7f))
        return true;
    return permitida(e->text().front());
}

bool TDBEditC::TeclaNumerica(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(',') ||
           c == QLatin1Char('.') || c == QLatin1Char('\b');
}

void TDBEditC::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    FRealce.FocoEntra(this, e->reason(), _OnEnter);
}

void TDBEditC::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    FRealce.FocoSai(this, e->reason(), _OnExit);
}

void TDBEditC::keyPressEvent(QKeyEvent* e) {
    if (FSomenteNumeros && !PassaFiltro(e, TeclaNumerica)) {
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}
