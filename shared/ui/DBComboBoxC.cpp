#include "DBComboBoxC.h"

#include <QFocusEvent>

TDBComboBoxC::TDBComboBoxC(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    connect(this, &QComboBox::activated, this, [this](int) {
        if (FVinculo.Ligado())
            FVinculo.Grava(currentText());
    });
}

void TDBComboBoxC::SetDataField(TDataset* dataset, const QString& coluna) {
    FVinculo.Liga(dataset, coluna, [this] { mostra(); });
}

void TDBComboBoxC::mostra() {
    const int i = findText(FVinculo.Valor().toString(), Qt::MatchFixedString);
    if (i != currentIndex())
        setCurrentIndex(i);
}

void TDBComboBoxC::focusInEvent(QFocusEvent* e) {
    QComboBox::focusInEvent(e);
    FRealce.FocoEntra(this, e->reason(), _OnEnter);
}

void TDBComboBoxC::focusOutEvent(QFocusEvent* e) {
    QComboBox::focusOutEvent(e);
    FRealce.FocoSai(this, e->reason(), _OnExit);
}
