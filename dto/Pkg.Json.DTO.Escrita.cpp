// The writer: the service expects exactly these texts (member order, escapes, number forms).
#include "Pkg.Json.DTO.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

const char Hex[] = "0123456789ABCDEF";

// An output buffer that grows by doubling and is written through a plain pointer.
class TSaida {
public:
    TSaida() { FB.resize(4096); }
    char* Reserva(qsizetype k) {
        if (FN + k > FB.size())
            FB.resize(std::max(FB.size() * 2, FN + k));
        return FB.data() + FN;
    }
    void Avanca(qsizetype k) { FN += k; }
    void Poe(char c) {
        *Reserva(1) = c;
        ++FN;
    }
    void Poe(const char* p, qsizetype k) {
        std::memcpy(Reserva(k), p, static_cast<std::size_t>(k));
        FN += k;
    }
    void Poe(const QByteArray& b) { Poe(b.constData(), b.size()); }
    QByteArray Fim() {
        FB.truncate(FN);
        return std::move(FB);
    }

private:
    QByteArray FB;
    qsizetype FN = 0;
};

void EscreveTexto(TSaida& s, const QString& texto) {
    const qsizetype n = texto.size();
    char* o = s.Reserva(n * 6 + 2);
    char* const inicio = o;
    *o++ = '"';
    const char16_t* p = reinterpret_cast<const char16_t*>(texto.constData());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i];
        if (c >= 32 && c <= 127 && c != u'"' && c != u'/' && c != u'\\') {
            *o++ = static_cast<char>(c);
            continue;
        }
        char letra = 0;
        switch (c) {
        case u'\b':
            letra = 'b';
            break;
        case u'\t':
            letra = 't';
            break;
        case u'\n':
            letra = 'n';
            break;
        case u'\f':
            letra = 'f';
            break;
        case u'\r':
            letra = 'r';
            break;
        case u'"':
        case u'/':
        case u'\\':
            letra = static_cast<char>(c);
            break;
        default:
            break;
        }
        *o++ = '\\';
        if (letra) {
            *o++ = letra;
        } else {
            *o++ = 'u';
            *o++ = Hex[(c >> 12) & 0xF];
            *o++ = Hex[(c >> 8) & 0xF];
            *o++ = Hex[(c >> 4) & 0xF];
            *o++ = Hex[c & 0xF];
        }
    }
    *o++ = '"';
    s.Avanca(o - inicio);
}

char* Inteiro(char* o, long long v) {
    return std::to_chars(o, o + 24, v).ptr;
}

// The general form with 15 significant digits; `o` has room for 32 characters.
char* Real(char* o, double valor) {
    // NaN and infinities have no JSON text; the service gets 0 rather than a broken body.
    if (!std::isfinite(valor) || valor == 0) {
        *o++ = '0';
        return o;
    }
    if (std::fabs(valor) < 1e15 && valor == std::trunc(valor))
        return Inteiro(o, static_cast<long long>(valor));
    // Correctly rounded to 15 digits: d.dddddddddddddde[+-]xx
    char buf[40];
    const auto r =
        std::to_chars(buf, buf + sizeof buf, std::fabs(valor), std::chars_format::scientific, 14);
    const char* e = std::find(buf, r.ptr, 'e');
    const bool expoenteNegativo = e[1] == '-';
    int expoente = 0;
    std::from_chars(e + 2, r.ptr, expoente);
    if (expoenteNegativo)
        expoente = -expoente;
    char digitos[16];
    int n = 0;
    for (const char* p = buf; p < e; ++p)
        if (*p != '.')
            digitos[n++] = *p;
    while (n > 1 && digitos[n - 1] == '0')
        --n;
    if (valor < 0)
        *o++ = '-';
    // Positional while the decimal exponent stays within -4..14, as 0.0001 and 1E-5 show.
    const int posicao = expoente + 1; // digits before the point
    if (posicao > 15 || posicao < -3) {
        *o++ = digitos[0];
        if (n > 1) {
            *o++ = '.';
            o = std::copy(digitos + 1, digitos + n, o);
        }
        *o++ = 'E';
        return Inteiro(o, expoente);
    }
    if (posicao <= 0) {
        *o++ = '0';
        *o++ = '.';
        o = std::fill_n(o, -posicao, '0');
        return std::copy(digitos, digitos + n, o);
    }
    if (n <= posicao) {
        o = std::copy(digitos, digitos + n, o);
        return std::fill_n(o, posicao - n, '0');
    }
    o = std::copy(digitos, digitos + posicao, o);
    *o++ = '.';
    return std::copy(digitos + posicao, digitos + n, o);
}

char* Digitos(char* o, int v, int largura) {
    for (int i = largura - 1; i >= 0; --i) {
        o[i] = static_cast<char>('0' + v % 10);
        v /= 10;
    }
    return o + largura;
}

// "%.4d-%.2d-%.2dT%.2d:%.2d:%.2d.%.3dZ"; `o` has room for 24 characters.
char* DataHora(char* o, TDateTime valor) {
    QDate d;
    QTime h;
    if (!DecodeDateTime(valor, d, h))
        throw EJsonDTO(QStringLiteral("Invalid date value: %1").arg(valor));
    o = Digitos(o, d.year(), 4);
    *o++ = '-';
    o = Digitos(o, d.month(), 2);
    *o++ = '-';
    o = Digitos(o, d.day(), 2);
    *o++ = 'T';
    o = Digitos(o, h.hour(), 2);
    *o++ = ':';
    o = Digitos(o, h.minute(), 2);
    *o++ = ':';
    o = Digitos(o, h.second(), 2);
    *o++ = '.';
    o = Digitos(o, h.msec(), 3);
    *o++ = 'Z';
    return o;
}

void EscreveObjeto(TSaida& s, const TObjetoDTO& o) {
    const TDescritor& d = o.Descritor();
    s.Poe('{');
    bool primeiro = true;
    for (const TCampo& c : d.Campos) {
        if (!primeiro)
            s.Poe(',');
        primeiro = false;
        s.Poe(c.Prefixo);
        switch (c.Tipo) {
        case TTipoCampo::Inteiro: {
            char* p = s.Reserva(24);
            s.Avanca(Inteiro(p, o.*c.MembroInteiro) - p);
            break;
        }
        case TTipoCampo::Real: {
            char* p = s.Reserva(32);
            s.Avanca(Real(p, o.*c.MembroReal) - p);
            break;
        }
        case TTipoCampo::Booleano:
            if (o.*c.MembroBooleano)
                s.Poe("true", 4);
            else
                s.Poe("false", 5);
            break;
        case TTipoCampo::Texto:
            EscreveTexto(s, o.*c.MembroTexto);
            break;
        case TTipoCampo::DataHora: {
            const TDateTime v = o.*c.MembroReal;
            char* p = s.Reserva(32);
            char* f = p;
            *f++ = '"';
            if (!(c.SuprimeZero && v == 0))
                f = DataHora(f, v);
            *f++ = '"';
            s.Avanca(f - p);
            break;
        }
        case TTipoCampo::Objeto: {
            const TObjetoDTO* filho = c.LeObjeto(o);
            if (filho)
                EscreveObjeto(s, *filho);
            else
                s.Poe("null", 4);
            break;
        }
        case TTipoCampo::Lista: {
            // The writer only reads the list; the accessor is shared with the reader.
            const TListaBase& lista = c.LeLista(const_cast<TObjetoDTO&>(o));
            s.Poe('[');
            for (int i = 0; i < lista.Count(); ++i) {
                if (i > 0)
                    s.Poe(',');
                EscreveObjeto(s, *lista.ItemBase(i));
            }
            s.Poe(']');
            break;
        }
        }
    }
    s.Poe('}');
}

} // namespace

QByteArray TextoReal(double valor) {
    char buf[32];
    return QByteArray(buf, Real(buf, valor) - buf);
}

QByteArray TextoDataHora(TDateTime valor) {
    char buf[32];
    return QByteArray(buf, DataHora(buf, valor) - buf);
}

QByteArray EscreveJsonDTO(const TObjetoDTO& objeto) {
    TSaida s;
    EscreveObjeto(s, objeto);
    return s.Fim();
}
