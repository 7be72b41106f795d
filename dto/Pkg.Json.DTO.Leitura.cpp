// The reader: fills a DTO from JSON text by its descriptor table.
#include "Pkg.Json.DTO.Leitura.h"

#include <rapidjson/document.h>
#include <rapidjson/reader.h>

#include <charconv>
#include <cmath>
#include <cstring>

namespace {

using rapidjson::SizeType;
using rapidjson::Value;

// Forwards the parser's events into a document and refuses nesting deeper than the limit.
// The parser calls StartObject/StartArray before it descends, so its recursion (and anything
// after it) never goes deeper than the limit: a few hundred small frames at most.
class TLimitador {
public:
    TLimitador(rapidjson::Document& d, int limite) : FD(d), FLimite(limite) {}
    bool Null() { return FD.Null(); }
    bool Bool(bool b) { return FD.Bool(b); }
    bool Int(int i) { return FD.Int(i); }
    bool Uint(unsigned i) { return FD.Uint(i); }
    bool Int64(int64_t i) { return FD.Int64(i); }
    bool Uint64(uint64_t i) { return FD.Uint64(i); }
    bool Double(double d) { return FD.Double(d); }
    bool RawNumber(const char* s, SizeType n, bool copia) { return FD.RawNumber(s, n, copia); }
    bool String(const char* s, SizeType n, bool copia) { return FD.String(s, n, copia); }
    bool Key(const char* s, SizeType n, bool copia) { return FD.Key(s, n, copia); }
    bool StartObject() { return ++FProfundidade <= FLimite && FD.StartObject(); }
    bool EndObject(SizeType n) {
        --FProfundidade;
        return FD.EndObject(n);
    }
    bool StartArray() { return ++FProfundidade <= FLimite && FD.StartArray(); }
    bool EndArray(SizeType n) {
        --FProfundidade;
        return FD.EndArray(n);
    }

private:
    rapidjson::Document& FD;
    int FLimite;
    int FProfundidade = 0;
};

struct TTexto {
    const char* p;
    qsizetype n;
};

TTexto Texto(const Value& v) {
    return {v.GetString(), static_cast<qsizetype>(v.GetStringLength())};
}

QString ParaQString(const Value& v) {
    const char* p = v.GetString();
    const SizeType n = v.GetStringLength();
    QString s = QString::fromUtf8(p, n);
    // fromUtf8 drops a leading byte order mark; in a JSON string it is a character.
    if (n >= 3 && std::memcmp(p, "\xEF\xBB\xBF", 3) == 0)
        s.prepend(QChar(0xFEFF));
    return s;
}

bool IgualSemCaixa(const char* a, const char* b, qsizetype n) {
    for (qsizetype i = 0; i < n; ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

// The whole text as a decimal integer in 32 bits; 0 otherwise (12.5 gives 0).
qint32 TextoParaInteiro(TTexto t) {
    const char* p = t.p;
    const char* fim = t.p + t.n;
    if (p < fim && *p == '+')
        ++p;
    qint32 v = 0;
    const auto r = std::from_chars(p, fim, v);
    if (r.ec != std::errc() || r.ptr != fim || p == fim)
        return 0;
    return v;
}

// The whole text as a decimal number with "."; 0 otherwise (also for out-of-range values).
double TextoParaReal(TTexto t, bool* ok = nullptr) {
    const char* p = t.p;
    const char* fim = t.p + t.n;
    if (p < fim && *p == '+')
        ++p;
    double v = 0;
    const auto r = std::from_chars(p, fim, v, std::chars_format::general);
    const bool valido = r.ec == std::errc() && r.ptr == fim && p != fim && std::isfinite(v);
    if (ok)
        *ok = valido;
    return valido ? v : 0;
}

bool TextoParaBooleano(TTexto t) {
    if (t.n == 4 && IgualSemCaixa(t.p, "true", 4))
        return true;
    return TextoParaReal(t) != 0;
}

[[noreturn]] void ErroConversao(const TDescritor& d, const TCampo& c) {
    throw EJsonDTO(
        QStringLiteral("Invalid JSON value for %1.%2").arg(QString::fromLatin1(d.Classe), c.Nome));
}

void LeObjeto(const Value& json, TObjetoDTO& o);

void LeArray(const Value& json, TObjetoDTO& o, const TDescritor& d, const TCampo& c) {
    const TDescritor& filho = c.Filho();
    std::vector<std::unique_ptr<TObjetoDTO>> itens;
    itens.reserve(json.Size());
    for (const Value& elemento : json.GetArray()) {
        if (elemento.IsNull())
            continue; // lists never hold absent items
        if (!elemento.IsObject())
            throw EJsonDTO(QStringLiteral("Invalid array element for %1.%2")
                               .arg(QString::fromLatin1(d.Classe), c.Nome));
        std::unique_ptr<TObjetoDTO> item = filho.Cria();
        LeObjeto(elemento, *item);
        itens.push_back(std::move(item));
    }
    c.LeLista(o).Substitui(std::move(itens));
}

void LeMembro(const Value& v, TObjetoDTO& o, const TDescritor& d, const TCampo& c,
              bool formaArray) {
    switch (c.Tipo) {
    case TTipoCampo::DataHora:
        if (v.IsString()) {
            o.*c.MembroReal =
                (c.SuprimeZero && v.GetStringLength() == 0) ? 0 : LeDataHoraISO8601(ParaQString(v));
        } else if (!v.IsNull()) {
            ErroConversao(d, c);
        }
        return;
    case TTipoCampo::Lista:
        if (formaArray) {
            if (v.IsArray())
                LeArray(v, o, d, c);
            else if (v.IsNull())
                c.LeLista(o).Clear();
            else if (!v.IsObject())
                ErroConversao(d, c);
        } else if (!v.IsArray() && !v.IsNull()) {
            // Found by its name rather than its key: an array is read and dropped.
            ErroConversao(d, c);
        }
        return;
    case TTipoCampo::Objeto:
        if (v.IsObject()) {
            // Whatever fails inside a nested object only costs that object.
            try {
                std::unique_ptr<TObjetoDTO> novo = c.Filho().Cria();
                LeObjeto(v, *novo);
                c.GravaObjeto(o, std::move(novo));
            } catch (const std::exception&) {
            }
        } else if (v.IsNull()) {
            c.GravaObjeto(o, nullptr);
        } else {
            ErroConversao(d, c);
        }
        return;
    default:
        break;
    }

    // Scalars. Numbers arrive as the text they were written with.
    if (v.IsString()) {
        switch (c.Tipo) {
        case TTipoCampo::Inteiro:
            o.*c.MembroInteiro = TextoParaInteiro(Texto(v));
            break;
        case TTipoCampo::Real:
            o.*c.MembroReal = TextoParaReal(Texto(v));
            break;
        case TTipoCampo::Booleano:
            o.*c.MembroBooleano = TextoParaBooleano(Texto(v));
            break;
        default:
            o.*c.MembroTexto = ParaQString(v);
            break;
        }
    } else if (v.IsBool()) {
        const bool b = v.GetBool();
        switch (c.Tipo) {
        case TTipoCampo::Inteiro:
            o.*c.MembroInteiro = b ? 1 : 0;
            break;
        case TTipoCampo::Real:
            o.*c.MembroReal = b ? 1 : 0;
            break;
        case TTipoCampo::Booleano:
            o.*c.MembroBooleano = b;
            break;
        default:
            o.*c.MembroTexto = b ? QStringLiteral("true") : QStringLiteral("false");
            break;
        }
    } else if (v.IsNull()) {
        switch (c.Tipo) {
        case TTipoCampo::Inteiro:
            o.*c.MembroInteiro = 0;
            break;
        case TTipoCampo::Real:
            o.*c.MembroReal = 0;
            break;
        case TTipoCampo::Booleano:
            o.*c.MembroBooleano = false;
            break;
        default:
            (o.*c.MembroTexto).clear();
            break;
        }
    } else if (v.IsArray()) {
        ErroConversao(d, c);
    }
    // An object for a scalar is ignored.
}

void LeObjeto(const Value& json, TObjetoDTO& o) {
    const TDescritor& d = o.Descritor();
    const std::size_t total = d.Campos.size();
    std::size_t dica = 0; // members usually come in declaration order
    for (const auto& m : json.GetObject()) {
        const char* chave = m.name.GetString();
        const qsizetype n = m.name.GetStringLength();

        // A JSON key matches exactly, letter case included.
        const TCampo* campo = nullptr;
        for (std::size_t k = 0; k < total; ++k) {
            const std::size_t i = (dica + k) % total;
            const TCampo& c = d.Campos[i];
            if (c.Chave.size() == n && std::memcmp(c.Chave.constData(), chave, n) == 0) {
                campo = &c;
                dica = i + 1;
                break;
            }
        }
        if (campo) {
            LeMembro(m.value, o, d, *campo, true);
            continue;
        }
        // Otherwise "F" + key against the member names of the fields without a JSON key
        // (nested objects, the lists themselves), without regard to ASCII case. The written
        // key of such a field is its name with the first letter lowered.
        for (const TCampo& c : d.Campos) {
            const bool semChave = c.Chave.isEmpty() || c.Tipo == TTipoCampo::Lista;
            if (semChave && c.ChaveEscrita.size() == n &&
                IgualSemCaixa(c.ChaveEscrita.constData(), chave, n)) {
                campo = &c;
                break;
            }
        }
        if (campo) {
            LeMembro(m.value, o, d, *campo, false);
        } else if (d.TemOpcoes && n == 7 && IgualSemCaixa(chave, "Options", 7)) {
            // The options set: nothing can be stored in it, and only null or an object
            // (ignored) is accepted.
            if (!m.value.IsNull() && !m.value.IsObject())
                throw EJsonDTO(QStringLiteral("Invalid JSON value for %1.Options")
                                   .arg(QString::fromLatin1(d.Classe)));
        }
    }
}

} // namespace

bool ParseJsonLimitado(rapidjson::Document& doc, char* texto) {
    rapidjson::GenericReader<rapidjson::UTF8<>, rapidjson::UTF8<>> leitor;
    rapidjson::InsituStringStream fluxo(texto);
    bool ok = false;
    auto gerador = [&](rapidjson::Document& d) {
        TLimitador limitador(d, ProfundidadeMaximaJson);
        constexpr unsigned opcoes =
            rapidjson::kParseInsituFlag | rapidjson::kParseNumbersAsStringsFlag;
        ok = !leitor.Parse<opcoes>(fluxo, limitador).IsError();
        return ok;
    };
    doc.Populate(gerador);
    return ok;
}

void LeJsonDTO(TObjetoDTO& objeto, const QByteArray& utf8) {
    QByteArray copia(utf8.constData(), utf8.size()); // parsed in place
    rapidjson::Document doc;
    if (!ParseJsonLimitado(doc, copia.data()))
        return;
    if (doc.IsNull())
        return;
    const TDescritor& d = objeto.Descritor();
    if (doc.IsArray()) {
        for (const TCampo& c : d.Campos)
            if (c.Tipo == TTipoCampo::Lista && c.Chave == "Items")
                LeArray(doc, objeto, d, c);
        return;
    }
    if (!doc.IsObject())
        throw EJsonDTO(QStringLiteral("The input value is not a valid Object"));
    LeObjeto(doc, objeto);
}
