#include "DBDateEditC.h"

#include "DBEditC.h"
#include "uFuncoesUteis.h"

#include <QAction>
#include <QCalendarWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

const QString TDBDateEditC::MensagemDataInvalida = QStringLiteral("'%1' não é uma data válida");

namespace {
const QString FormatoData = QStringLiteral("dd/MM/yyyy");

QIcon iconeCalendario() {
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setPen(QColor(60, 60, 60));
    g.setBrush(Qt::white);
    g.drawRect(1, 2, 13, 12);
    g.fillRect(2, 3, 12, 3, QColor(190, 40, 40));
    g.setPen(QColor(90, 90, 90));
    for (int y = 8; y <= 12; y += 2)
        for (int x = 3; x <= 12; x += 3)
            g.drawPoint(x, y);
    return QIcon(p);
}
} // namespace

TDBDateEditC::TDBDateEditC(QWidget* parent) : QLineEdit(parent) {
    setInputMask(QStringLiteral("99/99/9999;_"));
    QAction* calendario = addAction(iconeCalendario(), QLineEdit::TrailingPosition);
    calendario->setObjectName(QStringLiteral("acCalendario"));
    connect(calendario, &QAction::triggered, this, &TDBDateEditC::AbreCalendario);
    connect(this, &QLineEdit::textEdited, this, [this] {
        // Written as soon as the text is a whole date (or blank), so a button that reads
        // the record sees it even while the focus stays here.
        if (EmBranco() || Data().isValid())
            gravaTexto();
    });
}

void TDBDateEditC::SetDataField(TDataset* dataset, const QString& coluna) {
    FVinculo.Liga(dataset, coluna, [this] { mostra(); });
}

void TDBDateEditC::mostra() {
    const QVariant valor = FVinculo.Valor();
    const QString texto = valor.isNull() ? QString() : valor.toDate().toString(FormatoData);
    if (texto.isEmpty() ? !EmBranco() : texto != text())
        setText(texto);
}

bool TDBDateEditC::EmBranco() const {
    for (const QChar c : text())
        if (c.isDigit())
            return false;
    return true;
}

QDate TDBDateEditC::Data() const {
    return QDate::fromString(text(), FormatoData);
}

void TDBDateEditC::gravaTexto() {
    if (!FVinculo.Ligado())
        return;
    const QVariant valor = EmBranco() ? QVariant(QMetaType(QMetaType::QDate)) : QVariant(Data());
    if (FVinculo.Valor() != valor || FVinculo.Valor().isNull() != valor.isNull())
        FVinculo.Grava(valor);
}

void TDBDateEditC::AbreCalendario() {
    if (!FCalendario) {
        FCalendario = new QCalendarWidget(this);
        FCalendario->setObjectName(QStringLiteral("calendario"));
        FCalendario->setWindowFlags(Qt::Popup);
        auto escolhe = [this](QDate data) {
            setText(data.toString(FormatoData));
            gravaTexto();
            FCalendario->hide();
            setFocus(Qt::PopupFocusReason);
        };
        connect(FCalendario, &QCalendarWidget::clicked, this, escolhe);
        connect(FCalendario, &QCalendarWidget::activated, this, escolhe);
    }
    if (Data().isValid())
        FCalendario->setSelectedDate(Data());
    FCalendario->move(mapToGlobal(QPoint(0, height())));
    FCalendario->show();
}

bool TDBDateEditC::TeclaNumerica(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(',') ||
           c == QLatin1Char('\b');
}

void TDBDateEditC::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    FRealce.FocoEntra(this, e->reason(), _OnEnter);
}

void TDBDateEditC::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    const bool deixaOControle =
        e->reason() != Qt::PopupFocusReason && e->reason() != Qt::ActiveWindowFocusReason;
    if (deixaOControle && !EmBranco() && !Data().isValid()) {
        // Refused: the control is not left (its title keeps the focus style). The focus is
        // taken back once the move in progress has ended, then the error is shown.
        QTimer::singleShot(0, this, [this] {
            if (isVisible() && isEnabled())
                setFocus(Qt::OtherFocusReason);
            ExibeMensagem(MensagemDataInvalida.arg(displayText()), TTipoAlerta::TAPressioneESC);
        });
        return;
    }
    if (deixaOControle)
        gravaTexto();
    FRealce.FocoSai(this, e->reason(), _OnExit);
}

void TDBDateEditC::keyPressEvent(QKeyEvent* e) {
    if (FSomenteNumeros && !PassaFiltro(e, TeclaNumerica)) {
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}
