#pragma once

#include <QByteArray>
#include <QString>

// What a request body holds at its top level, as far as the service must know before the data
// transfer objects read it.
struct TCorpoJson {
    enum class TForma { Objeto, Array, Nulo, Escalar };

    bool Valido = false;
    QString Erro; // why the text is not JSON, with the byte offset
    TForma Forma = TForma::Nulo;
    bool TemItemsMinusculo = false; // a top-level "items" member
    bool TemItems = false;          // a top-level "Items" member

    // Parses without building a tree and without recursion, so that no body can exhaust the
    // stack; nesting deeper than `nivelMaximo` counts as invalid.
    static TCorpoJson Analisa(const QByteArray& texto, int nivelMaximo = 512);
};

// The list body with its top-level "items" renamed "Items", the key the list wrappers read.
// The text is assumed valid and not nested beyond the limit of Analisa.
QByteArray RenomeiaItems(const QByteArray& texto);
