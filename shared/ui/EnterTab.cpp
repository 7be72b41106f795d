#include "EnterTab.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

TEnterTab::TEnterTab(QWidget* form) : QObject(form), FForm(form) {
    for (QWidget* filho : form->findChildren<QWidget*>())
        filho->installEventFilter(this);
}

bool TEnterTab::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() != QEvent::KeyPress)
        return false;
    const auto* tecla = static_cast<QKeyEvent*>(evento);
    if (tecla->key() != Qt::Key_Return && tecla->key() != Qt::Key_Enter)
        return false;
    if (tecla->modifiers() & ~Qt::KeypadModifier)
        return false;
    if (auto* botao = qobject_cast<QAbstractButton*>(objeto)) {
        botao->click();
        return true;
    }
    auto* controle = qobject_cast<QWidget*>(objeto);
    if (!controle || controle->window() != FForm)
        return false;
    // The focus chain is the tab order the form set; skip what Tab would skip.
    QWidget* proximo = controle->nextInFocusChain();
    while (proximo && proximo != controle &&
           (!(proximo->focusPolicy() & Qt::TabFocus) || !proximo->isEnabled() ||
            !proximo->isVisibleTo(FForm) || proximo->window() != FForm))
        proximo = proximo->nextInFocusChain();
    if (proximo && proximo != controle)
        proximo->setFocus(Qt::TabFocusReason);
    return true;
}
