// PrettyPrintJSON: JSON text laid out over indented lines.
#include "Pkg.Json.DTO.Leitura.h"

#include <rapidjson/reader.h>

#include <vector>

namespace {

using rapidjson::SizeType;

struct TNo {
    enum TTipo { Objeto, Array, Escalar } Tipo = Escalar;
    QByteArray Texto; // JSON text of a scalar
    std::vector<QByteArray> Chaves;
    std::vector<TNo> Filhos;
};

// Escapes as the writer does, except that characters outside 32..127 stay as they are.
QByteArray TextoJson(const char* s, SizeType n) {
    QByteArray r;
    r.reserve(n + 2);
    r += '"';
    for (SizeType i = 0; i < n; ++i) {
        const char c = s[i];
        switch (c) {
        case '\b':
            r += "\\b";
            break;
        case '\t':
            r += "\\t";
            break;
        case '\n':
            r += "\\n";
            break;
        case '\f':
            r += "\\f";
            break;
        case '\r':
            r += "\\r";
            break;
        case '"':
            r += "\\\"";
            break;
        case '/':
            r += "\\/";
            break;
        case '\\':
            r += "\\\\";
            break;
        default:
            r += c;
        }
    }
    r += '"';
    return r;
}

// Builds the tree from the parser's events; numbers keep their text.
class TConstrutorArvore {
public:
    TNo Raiz;
    bool Null() { return Escalar("null"); }
    bool Bool(bool b) { return Escalar(b ? "true" : "false"); }
    bool Int(int) { return false; }
    bool Uint(unsigned) { return false; }
    bool Int64(int64_t) { return false; }
    bool Uint64(uint64_t) { return false; }
    bool Double(double) { return false; }
    bool RawNumber(const char* s, SizeType n, bool) { return Escalar(QByteArray(s, n)); }
    bool String(const char* s, SizeType n, bool) { return Escalar(TextoJson(s, n)); }
    bool Key(const char* s, SizeType n, bool) {
        FPilha.back()->Chaves.push_back(TextoJson(s, n));
        return true;
    }
    bool StartObject() { return Abre(TNo::Objeto); }
    bool EndObject(SizeType) { return Fecha(); }
    bool StartArray() { return Abre(TNo::Array); }
    bool EndArray(SizeType) { return Fecha(); }

private:
    TNo& Novo() {
        if (FPilha.empty())
            return Raiz;
        FPilha.back()->Filhos.emplace_back();
        return FPilha.back()->Filhos.back();
    }
    bool Escalar(QByteArray texto) {
        Novo().Texto = std::move(texto);
        return true;
    }
    bool Abre(TNo::TTipo tipo) {
        if (static_cast<int>(FPilha.size()) >= ProfundidadeMaximaJson)
            return false;
        TNo& no = Novo();
        no.Tipo = tipo;
        FPilha.push_back(&no);
        return true;
    }
    bool Fecha() {
        FPilha.pop_back();
        return true;
    }
    std::vector<TNo*> FPilha; // a node's children only grow while it is the top
};

QByteArray Espacos(int n) {
    return QByteArray(n, ' ');
}

QByteArray Apara(const QByteArray& s) {
    qsizetype i = 0, f = s.size();
    while (i < f && static_cast<unsigned char>(s[i]) <= ' ')
        ++i;
    while (f > i && static_cast<unsigned char>(s[f - 1]) <= ' ')
        --f;
    return s.mid(i, f - i);
}

void Imprime(const TNo& no, int n, std::vector<QByteArray>& linhas) {
    switch (no.Tipo) {
    case TNo::Objeto: {
        linhas.push_back(Espacos(n + 2) + '{');
        const int k = n + 2;
        for (std::size_t i = 0; i < no.Filhos.size(); ++i) {
            std::vector<QByteArray> sub;
            Imprime(no.Filhos[i], k, sub);
            QByteArray bloco;
            for (std::size_t j = 0; j < sub.size(); ++j) {
                if (j > 0)
                    bloco += "\r\n";
                bloco += sub[j];
            }
            QByteArray linha = Espacos(k + 2) + no.Chaves[i] + ':' + Apara(bloco);
            if (i + 1 < no.Filhos.size())
                linha += ',';
            linhas.push_back(std::move(linha));
        }
        linhas.push_back(Espacos(n + 2) + '}');
        break;
    }
    case TNo::Array:
        linhas.push_back(Espacos(n + 4) + '[');
        for (std::size_t i = 0; i < no.Filhos.size(); ++i) {
            Imprime(no.Filhos[i], n + 2, linhas);
            if (i + 1 < no.Filhos.size())
                linhas.back() += ',';
        }
        linhas.push_back(Espacos(n + 2) + ']');
        break;
    case TNo::Escalar:
        linhas.push_back(Espacos(n + 2) + no.Texto);
        break;
    }
}

} // namespace

QString TJsonDTO::PrettyPrintJSON(const QString& texto) {
    QByteArray utf8 = texto.toUtf8();
    TConstrutorArvore arvore;
    rapidjson::GenericReader<rapidjson::UTF8<>, rapidjson::UTF8<>> leitor;
    rapidjson::InsituStringStream fluxo(utf8.data());
    constexpr unsigned opcoes = rapidjson::kParseInsituFlag | rapidjson::kParseIterativeFlag |
                                rapidjson::kParseNumbersAsStringsFlag;
    if (leitor.Parse<opcoes>(fluxo, arvore).IsError())
        return {};
    std::vector<QByteArray> linhas;
    Imprime(arvore.Raiz, 0, linhas);
    QByteArray r;
    for (const QByteArray& l : linhas) {
        r += l;
        r += "\r\n";
    }
    return QString::fromUtf8(r);
}
