#pragma once

#include <QObject>

class TstPedido : public QObject {
    Q_OBJECT
private slots:
    void arredondamento_data();
    void arredondamento();
    void addProduto();
    void addProdutoSemProdutoOuVazio();
    void addParcela();
    void apagarProduto();
    void totais();
    void totalParcelas();
    void localiza();
    void setters();
    void posseELiberacao();
};
