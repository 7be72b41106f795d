#pragma once

#include <QObject>

class TstEscrita : public QObject {
    Q_OBJECT
private slots:
    void pedidoCompleto();
    void produtoCompleto();
    void objetosVazios_data();
    void objetosVazios();
    void numeros_data();
    void numeros();
    void textos_data();
    void textos();
    void datas_data();
    void datas();
    void listas();
    void corpoDoServico();
};
