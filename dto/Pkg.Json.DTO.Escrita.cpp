// The writer: the service expects exactly these texts (member order, escapes, number forms).
#include "Pkg.Json.DTO.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

const char Hex[] = "0123456789ABCDEF";

void EscreveTexto(QByteArray& s, const QString& texto) {
    s += '"';
    for (const QChar qc : texto) {
        const char16_t c = qc.unicode();
        switch (c) {
        case u'\b':
            s += "\\b";
            break;
        case u'\t':
            s += "\\t";
            break;
        case u'\n':
            s += "\\n";
            break;
        case u'\f':
            s += "\\f";
            break;
        case u'\r':
            s += "\\r";
            break;
        case u'"':
            s += "\\\"";
            break;
        case u'/':
            s += "\\/";
            break;
        case u'\\':
            s += "\\\\";
            break;
        default:
            if (c < 32 || c > 127) {
                const char e[6] = {'\\',
                                   'u',
                                   Hex[(c >> 12) & 0xF],
                                   Hex[(c >> 8) & 0xF],
                                   Hex[(c >> 4) & 0xF],
                                   Hex[c & 0xF]};
                s.append(e, 6);
            } else {
                s += static_cast<char>(c);
            }
        }
    }
    s += '"';
}

void EscreveInteiro(QByteArray& s, long long v) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    s.append(buf, static_cast<qsizetype>(r.ptr - buf));
}

void EscreveObjeto(QByteArray& s, const TObjetoDTO& o) {
    const TDescritor& d = o.Descritor();
    s += '{';
    bool primeiro = true;
    for (const TCampo& c : d.Campos) {
        if (!primeiro)
            s += ',';
        primeiro = false;
        s += '"';
        s += c.ChaveEscrita;
        s += "\":";
        switch (c.Tipo) {
        case TTipoCampo::Inteiro:
            EscreveInteiro(s, o.*c.MembroInteiro);
            break;
        case TTipoCampo::Real:
            s += TextoReal(o.*c.MembroReal);
            break;
        case TTipoCampo::Booleano:
            s += (o.*c.MembroBooleano) ? "true" : "false";
            break;
        case TTipoCampo::Texto:
            EscreveTexto(s, o.*c.MembroTexto);
            break;
        case TTipoCampo::DataHora: {
            const TDateTime v = o.*c.MembroReal;
            s += '"';
            if (!(c.SuprimeZero && v == 0))
                s += TextoDataHora(v);
            s += '"';
            break;
        }
        case TTipoCampo::Objeto: {
            const TObjetoDTO* filho = c.LeObjeto(o);
            if (filho)
                EscreveObjeto(s, *filho);
            else
                s += "null";
            break;
        }
        case TTipoCampo::Lista: {
            // The writer only reads the list; the accessor is shared with the reader.
            const TListaBase& lista = c.LeLista(const_cast<TObjetoDTO&>(o));
            s += '[';
            for (int i = 0; i < lista.Count(); ++i) {
                if (i > 0)
                    s += ',';
                EscreveObjeto(s, *lista.ItemBase(i));
            }
            s += ']';
            break;
        }
        }
    }
    s += '}';
}

} // namespace

QByteArray TextoReal(double valor) {
    // NaN and infinities have no JSON text; the service gets 0 rather than a broken body.
    if (!std::isfinite(valor) || valor == 0)
        return QByteArrayLiteral("0");
    QByteArray s;
    if (std::fabs(valor) < 1e15 && valor == std::trunc(valor)) {
        EscreveInteiro(s, static_cast<long long>(valor));
        return s;
    }
    // 15 significant digits, correctly rounded: d.dddddddddddddde[+-]xx
    char buf[40];
    const auto r =
        std::to_chars(buf, buf + sizeof buf, std::fabs(valor), std::chars_format::scientific, 14);
    const char* e = std::find(buf, r.ptr, 'e');
    // The exponent: "e-05" gives -5, "e+15" gives 15.
    const char* x = e + 1;
    const bool negativo = *x == '-';
    int expoente = 0;
    std::from_chars(x + 1, r.ptr, expoente);
    if (negativo)
        expoente = -expoente;
    char digitos[16];
    int n = 0;
    for (const char* p = buf; p < e; ++p)
        if (*p != '.')
            digitos[n++] = *p;
    while (n > 1 && digitos[n - 1] == '0')
        --n;
    if (valor < 0)
        s += '-';
    // General format: positional while the decimal exponent stays within -4..14.
    const int posicao = expoente + 1; // digits before the point
    if (posicao > 15 || posicao < -3) {
        s += digitos[0];
        if (n > 1) {
            s += '.';
            s.append(digitos + 1, n - 1);
        }
        s += 'E';
        EscreveInteiro(s, expoente);
    } else if (posicao <= 0) {
        s += "0.";
        s.append(-posicao, '0');
        s.append(digitos, n);
    } else if (n <= posicao) {
        s.append(digitos, n);
        s.append(posicao - n, '0');
    } else {
        s.append(digitos, posicao);
        s += '.';
        s.append(digitos + posicao, n - posicao);
    }
    return s;
}

QByteArray EscreveJsonDTO(const TObjetoDTO& objeto) {
    QByteArray s;
    s.reserve(1024);
    EscreveObjeto(s, objeto);
    return s;
}
