#pragma once

#include <QObject>

class TstLeitura : public QObject {
    Q_OBJECT
private slots:
    void pedidoCompletoCampoACampo();
    void entradasDeTopo_data();
    void entradasDeTopo();
    void chaves_data();
    void chaves();
    void listas_data();
    void listas();
    void datas_data();
    void datas();
    void numerosETextos_data();
    void numerosETextos();
    void objetoAninhado_data();
    void objetoAninhado();
    void falhaNoMeioGuardaOQueFoiLido();
    void wrappers();
    void versao();
};
