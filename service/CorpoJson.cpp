#include "CorpoJson.h"

#include <rapidjson/document.h>
#include <rapidjson/error/en.h>
#include <rapidjson/reader.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

namespace {
struct TValidador : rapidjson::BaseReaderHandler<rapidjson::UTF8<>, TValidador> {
    int Nivel = 0;
    int NivelMaximo = 512;
    bool Fundo = false;
    bool Primeiro = true;
    TCorpoJson* Corpo = nullptr;

    void Topo(TCorpoJson::TForma forma) {
        if (Primeiro)
            Corpo->Forma = forma;
        Primeiro = false;
    }
    bool Default() {
        Topo(TCorpoJson::TForma::Escalar);
        return true;
    }
    bool Null() {
        Topo(TCorpoJson::TForma::Nulo);
        return true;
    }
    bool Abre(TCorpoJson::TForma forma) {
        Topo(forma);
        if (++Nivel > NivelMaximo) {
            Fundo = true;
            return false;
        }
        return true;
    }
    bool StartObject() { return Abre(TCorpoJson::TForma::Objeto); }
    bool StartArray() { return Abre(TCorpoJson::TForma::Array); }
    bool EndObject(rapidjson::SizeType) {
        --Nivel;
        return true;
    }
    bool EndArray(rapidjson::SizeType) {
        --Nivel;
        return true;
    }
    bool Key(const char* texto, rapidjson::SizeType tamanho, bool) {
        if (Nivel == 1 && Corpo->Forma == TCorpoJson::TForma::Objeto) {
            const std::string_view k(texto, tamanho);
            if (k == "items")
                Corpo->TemItemsMinusculo = true;
            else if (k == "Items")
                Corpo->TemItems = true;
        }
        return true;
    }
};
} // namespace

TCorpoJson TCorpoJson::Analisa(const QByteArray& texto, int nivelMaximo) {
    TCorpoJson corpo;
    TValidador v;
    v.NivelMaximo = nivelMaximo;
    v.Corpo = &corpo;
    rapidjson::Reader leitor;
    rapidjson::MemoryStream bruto(texto.constData(), size_t(texto.size()));
    rapidjson::EncodedInputStream<rapidjson::UTF8<>, rapidjson::MemoryStream> entrada(bruto);
    const rapidjson::ParseResult r =
        leitor.Parse<rapidjson::kParseIterativeFlag | rapidjson::kParseValidateEncodingFlag |
                     rapidjson::kParseNumbersAsStringsFlag>(entrada, v);
    if (r) {
        corpo.Valido = true;
        return corpo;
    }
    if (v.Fundo)
        corpo.Erro = QStringLiteral("JSON aninhado além de %1 níveis").arg(nivelMaximo);
    else
        corpo.Erro = QStringLiteral("JSON inválido na posição %1: %2")
                         .arg(r.Offset())
                         .arg(QString::fromUtf8(rapidjson::GetParseError_En(r.Code())));
    return corpo;
}

QByteArray RenomeiaItems(const QByteArray& texto) {
    // The exporter's bodies begin exactly so; renaming the key in place saves a parse.
    static const QByteArray inicio = QByteArrayLiteral("{\"items\":");
    if (texto.startsWith(inicio))
        return QByteArrayLiteral("{\"Items\":") + texto.mid(inicio.size());

    rapidjson::Document doc;
    doc.Parse<rapidjson::kParseIterativeFlag | rapidjson::kParseNumbersAsStringsFlag>(
        texto.constData(), size_t(texto.size()));
    if (doc.HasParseError() || !doc.IsObject())
        return texto;
    bool temItems = false;
    for (auto& m : doc.GetObject())
        temItems = temItems || std::string_view(m.name.GetString()) == "Items";
    if (temItems)
        return texto;
    for (auto& m : doc.GetObject())
        if (std::string_view(m.name.GetString()) == "items") {
            m.name.SetString("Items", doc.GetAllocator());
            break;
        }
    rapidjson::StringBuffer saida;
    rapidjson::Writer<rapidjson::StringBuffer> escritor(saida);
    doc.Accept(escritor);
    return QByteArray(saida.GetString(), qsizetype(saida.GetSize()));
}
