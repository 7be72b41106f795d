#include "Caminhos.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
QString& caminhoDefinido() {
    static QString caminho;
    return caminho;
}
} // namespace

QString CaminhoExecutavel() {
    if (!caminhoDefinido().isEmpty())
        return caminhoDefinido();
    return QCoreApplication::applicationFilePath();
}

QString PastaExecutavel() { return QFileInfo(CaminhoExecutavel()).absolutePath(); }

void DefineCaminhoExecutavel(const QString& caminho) { caminhoDefinido() = caminho; }
