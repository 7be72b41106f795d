#include "ModeloListaCidade.h"

#include "Dataset.h"

TModeloListaCidade::TModeloListaCidade(QObject* parent) : QAbstractTableModel(parent) {}

void TModeloListaCidade::Carrega(TDataset& lista) {
    beginResetModel();
    FCidades.clear();
    for (; lista.Active() && !lista.Eof(); lista.Next()) {
        TCidade c;
        c.Codcidade = lista.FieldByName(QStringLiteral("codcidade")).toInt();
        c.Nomecidade = lista.AsString(QStringLiteral("nomecidade"));
        c.Uf = lista.AsString(QStringLiteral("uf"));
        c.Codigomunicipio = lista.FieldByName(QStringLiteral("codigomunicipio")).toInt();
        c.Exterior = lista.FieldByName(QStringLiteral("exterior")).toBool();
        FCidades.append(c);
    }
    endResetModel();
}

void TModeloListaCidade::Limpa() {
    beginResetModel();
    FCidades.clear();
    endResetModel();
}

int TModeloListaCidade::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(FCidades.size());
}

int TModeloListaCidade::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1;
}

QVariant TModeloListaCidade::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= FCidades.size())
        return {};
    if (role == Qt::DisplayRole)
        return FCidades.at(index.row()).Nomecidade;
    if (role == Qt::UserRole)
        return FCidades.at(index.row()).Codcidade;
    return {};
}

QVariant TModeloListaCidade::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section == 0)
        return QStringLiteral("Cidade / UF");
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags TModeloListaCidade::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

int TModeloListaCidade::Localiza(const QString& inicio) const {
    for (int i = 0; i < FCidades.size(); ++i)
        if (FCidades.at(i).Nomecidade.startsWith(inicio, Qt::CaseInsensitive))
            return i;
    return -1;
}

int TModeloListaCidade::LinhaDoCodigo(int codcidade) const {
    for (int i = 0; i < FCidades.size(); ++i)
        if (FCidades.at(i).Codcidade == codcidade)
            return i;
    return -1;
}
