// Local date-time values (Delphi's TDateTime convention) and their wire texts.
#include "Pkg.Json.DTO.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr qint64 MsPorDia = 86400000;
const qint64 DiaJulianoBase = QDate(1899, 12, 30).toJulianDay();
// 0001-01-01 and 9999-12-31 counted from 1899-12-30.
constexpr double PrimeiroDia = -693593;
constexpr double UltimoDia = 2958466; // exclusive

// Days and milliseconds of the day, as TDateTime stores them: before 1899-12-30 the whole part
// counts the days backwards and the fraction still adds time (-1.5 is 1899-12-29 12:00).
bool Decompoe(TDateTime valor, qint64& dias, qint64& ms) {
    if (!std::isfinite(valor) || valor <= PrimeiroDia - 1 || valor >= UltimoDia)
        return false;
    const double x = valor * MsPorDia;
    qint64 total = static_cast<qint64>(std::trunc(x));
    if (std::fabs(x - static_cast<double>(total)) >= 0.5)
        total += (x < 0 ? -1 : 1);
    ms = (total < 0 ? -total : total) % MsPorDia;
    dias = total / MsPorDia;
    return dias >= PrimeiroDia && dias < UltimoDia;
}

TDateTime Compoe(qint64 dias, qint64 ms) {
    const double fracao = static_cast<double>(ms) / MsPorDia;
    return dias >= 0 ? static_cast<double>(dias) + fracao : static_cast<double>(dias) - fracao;
}

// A position-by-position reader of the ISO 8601 text.
struct TCursor {
    const QString& s;
    int i;
    int fim;
    bool Acabou() const { return i >= fim; }
    QChar Atual() const { return i < fim ? s[i] : QChar(); }
    bool Le(QChar c) {
        if (i < fim && s[i] == c) {
            ++i;
            return true;
        }
        return false;
    }
    // Exactly n digits.
    bool Digitos(int n, int& valor) {
        if (fim - i < n)
            return false;
        valor = 0;
        for (int k = 0; k < n; ++k) {
            const QChar c = s[i + k];
            if (c < u'0' || c > u'9')
                return false;
            valor = valor * 10 + (c.unicode() - u'0');
        }
        i += n;
        return true;
    }
};

[[noreturn]] void Falha(const char* formato, const QString& texto) {
    throw EJsonDTO(QString::fromLatin1(formato).arg(texto));
}

} // namespace

TDateTime EncodeDateTime(const QDate& data, const QTime& hora) {
    if (!data.isValid())
        return 0;
    const qint64 dias = data.toJulianDay() - DiaJulianoBase;
    return Compoe(dias, hora.isValid() ? hora.msecsSinceStartOfDay() : 0);
}

TDateTime DataHoraParaTDateTime(const QDateTime& valor) {
    if (!valor.isValid())
        return 0;
    return EncodeDateTime(valor.date(), valor.time());
}

bool DecodeDateTime(TDateTime valor, QDate& data, QTime& hora) {
    qint64 dias = 0;
    qint64 ms = 0;
    if (!Decompoe(valor, dias, ms))
        return false;
    data = QDate::fromJulianDay(DiaJulianoBase + dias);
    hora = QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms));
    return true;
}

QDateTime TDateTimeParaDataHora(TDateTime valor, Qt::TimeSpec zona) {
    QDate data;
    QTime hora;
    if (!DecodeDateTime(valor, data, hora))
        return {};
    return QDateTime(data, hora, zona);
}

TDateTime LeDataHoraISO8601(const QString& texto) {
    const int t = texto.indexOf(u'T');
    const int fimData = t < 0 ? int(texto.size()) : t;

    // Date: YYYY-MM-DD or YYYYMMDD.
    TCursor c{texto, 0, fimData};
    int ano = 0, mes = 0, dia = 0;
    bool ok = c.Digitos(4, ano);
    if (ok) {
        if (c.Le(u'-'))
            ok = c.Digitos(2, mes) && c.Le(u'-') && c.Digitos(2, dia);
        else
            ok = c.Digitos(2, mes) && c.Digitos(2, dia);
    }
    const QDate data(ano, mes, dia);
    if (!ok || !c.Acabou() || !data.isValid() || ano < 1)
        Falha("Invalid date string: %1", texto);

    qint64 ms = 0;
    qint64 deslocamentoMin = 0;
    if (t >= 0) {
        // Time: hh, hh:mm, hh:mm:ss[.f...], or the same without colons; then the zone.
        int fimHora = int(texto.size());
        for (int k = t + 1; k < texto.size(); ++k) {
            const QChar z = texto[k];
            if (z == u'Z' || z == u'+' || z == u'-') {
                fimHora = k;
                break;
            }
        }
        TCursor h{texto, t + 1, fimHora};
        int hora = 0, minuto = 0, segundo = 0, milis = 0;
        bool okh = h.Digitos(2, hora);
        if (okh && !h.Acabou()) {
            const bool doisPontos = h.Le(u':');
            okh = h.Digitos(2, minuto);
            if (okh && !h.Acabou()) {
                okh = (doisPontos ? h.Le(u':') : true) && h.Digitos(2, segundo);
                if (okh && h.Le(u'.')) {
                    // Any number of fraction digits; milliseconds are the first three.
                    int casas = 0;
                    okh = !h.Acabou();
                    while (okh && !h.Acabou()) {
                        int dig = 0;
                        okh = h.Digitos(1, dig);
                        if (casas < 3)
                            milis = milis * 10 + dig;
                        ++casas;
                    }
                    for (; casas < 3; ++casas)
                        milis *= 10;
                }
            }
        }
        if (!okh || !h.Acabou() || hora > 23 || minuto > 59 || segundo > 59)
            Falha("Invalid time string: %1", texto);
        ms = ((hora * 60LL + minuto) * 60 + segundo) * 1000 + milis;

        if (fimHora < texto.size()) {
            TCursor z{texto, fimHora, int(texto.size())};
            bool okz = true;
            if (z.Le(u'Z')) {
                okz = z.Acabou();
            } else {
                int sinal = 1;
                if (z.Le(u'-'))
                    sinal = -1;
                else
                    okz = z.Le(u'+');
                int zh = 0, zm = 0;
                okz = okz && z.Digitos(2, zh);
                if (okz && !z.Acabou()) {
                    z.Le(u':');
                    okz = z.Digitos(2, zm) && z.Acabou();
                }
                okz = okz && zh <= 23 && zm <= 59;
                deslocamentoMin = sinal * (zh * 60LL + zm);
            }
            if (!okz)
                Falha("Invalid time Offset string: %1", texto);
        }
    }

    // The offset is taken away on the plain time line, then the value goes back to the
    // TDateTime convention.
    const qint64 linear =
        (data.toJulianDay() - DiaJulianoBase) * MsPorDia + ms - deslocamentoMin * 60000;
    qint64 dias = linear / MsPorDia;
    qint64 resto = linear % MsPorDia;
    if (resto < 0) {
        resto += MsPorDia;
        dias -= 1;
    }
    // An offset may carry the first or the last day out of the years that have a text.
    if (dias < PrimeiroDia || dias >= UltimoDia)
        Falha("Invalid date string: %1", texto);
    return Compoe(dias, resto);
}
