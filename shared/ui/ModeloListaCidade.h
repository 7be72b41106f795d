#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

class TDataset;

// The city list of the client form (QListaCidade) for its lookup box and for the grid of the
// city picker: all rows of the query, one visible column "Cidade / UF".
class TModeloListaCidade : public QAbstractTableModel {
    Q_OBJECT

public:
    struct TCidade {
        int Codcidade = 0;
        QString Nomecidade; // "name - UF"
        QString Uf;
        int Codigomunicipio = 0;
        bool Exterior = false;
    };

    explicit TModeloListaCidade(QObject* parent = nullptr);

    // Takes every row of the open dataset, from its current row on.
    void Carrega(TDataset& lista);
    void Limpa();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const TCidade& Cidade(int linha) const { return FCidades.at(linha); }
    // The first row whose name begins with `inicio`, ignoring case; -1 when none does.
    int Localiza(const QString& inicio) const;
    // The row of a city code; -1 when the list does not hold it.
    int LinhaDoCodigo(int codcidade) const;

private:
    QList<TCidade> FCidades;
};
