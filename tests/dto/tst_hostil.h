#pragma once

#include <QObject>

class TstHostil : public QObject {
    Q_OBJECT
private slots:
    void aninhamento_data();
    void aninhamento();
    void textoEnorme();
    void numerosEnormes_data();
    void numerosEnormes();
    void utf8Invalido_data();
    void utf8Invalido();
    void muitosItens();
    void entradasDoFuzzer_data();
    void entradasDoFuzzer();
};
