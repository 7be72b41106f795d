#pragma once

#include <QObject>

class TstBase : public QObject {
    Q_OBJECT
private slots:
    void descritorDoPedido();
    void copiaGenericaPorNome();
    void gravaConverte_data();
    void gravaConverte();
    void dataHora_data();
    void dataHora();
    void layout_data();
    void layout();
};
