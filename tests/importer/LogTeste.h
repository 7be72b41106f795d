#pragma once

// Reads back the entries of the error log beside the test's executable.

#include "uFuncoesUteis.h"

#include <QFile>
#include <QList>
#include <QString>

namespace logteste {

struct TEntrada {
    QString Funcao;
    QString Erro;
};

inline QList<TEntrada> Entradas() {
    QList<TEntrada> lista;
    QFile f(CaminhoArquivoLog());
    if (!f.open(QIODevice::ReadOnly))
        return lista;
    const QString tracos(70, QLatin1Char('-'));
    const QString funcao = QStringLiteral("Função      : ");
    const QString erro = QStringLiteral("Erro        : ");
    bool noErro = false;
    for (const QString& linha : QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"))) {
        if (linha == tracos) {
            if (!noErro)
                lista.append(TEntrada{});
            noErro = false;
        } else if (linha.startsWith(funcao) && !lista.isEmpty()) {
            lista.last().Funcao = linha.mid(funcao.size());
        } else if (linha.startsWith(erro) && !lista.isEmpty()) {
            lista.last().Erro = linha.mid(erro.size());
            noErro = true;
        } else if (noErro) {
            // An error text of several lines goes on until the closing dashes.
            lista.last().Erro += QStringLiteral("\r\n") + linha;
        }
    }
    // The split leaves an empty entry after the last closing line.
    while (!lista.isEmpty() && lista.last().Funcao.isEmpty() && lista.last().Erro.isEmpty())
        lista.removeLast();
    return lista;
}

inline QStringList Funcoes() {
    QStringList f;
    for (const TEntrada& e : Entradas())
        f << e.Funcao;
    return f;
}

// Each entry as "function => error", for comparisons that print well.
inline QStringList Descritas() {
    QStringList f;
    for (const TEntrada& e : Entradas())
        f << e.Funcao + QStringLiteral(" => ") + e.Erro;
    return f;
}

inline void Limpa() {
    QFile::remove(CaminhoArquivoLog());
}

} // namespace logteste
