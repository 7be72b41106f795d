// Feeds arbitrary bytes to the JSON reader of every kind of DTO that reads service answers,
// then writes what was read and reads it back.
#include "Dto.Pedido.h"
#include "Dto.Versao.h"

#include <cstddef>
#include <cstdint>

namespace {

template <class T> void Le(const QByteArray& texto) {
    T objeto;
    try {
        objeto.SetAsJsonUtf8(texto);
    } catch (const EJsonDTO&) {
    }
    QByteArray escrito;
    try {
        escrito = objeto.AsJsonUtf8();
    } catch (const EJsonDTO&) {
        return; // a date read from the text may have no four-digit year
    }
    T relido;
    try {
        relido.SetAsJsonUtf8(escrito);
    } catch (const EJsonDTO&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const QByteArray texto(reinterpret_cast<const char*>(dados), static_cast<qsizetype>(tamanho));
    Le<TListaPedido>(texto);
    Le<TPedido>(texto);
    Le<TVersao>(texto);
    TJsonDTO::PrettyPrintJSON(QString::fromUtf8(texto));
    return 0;
}
