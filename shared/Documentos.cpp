#include "Documentos.h"

#include "uFuncoesUteis.h"

#include <array>
#include <exception>

const QString MensagemCpfInvalido = QStringLiteral("CPF Inválido, tente novamente.");
const QString MensagemCnpjInvalido = QStringLiteral("CNPJ Inválido, tente novamente.");
const QString MensagemValorIncorreto = QStringLiteral("Valor digitado incorreto.");

namespace {
QString semSeparadores(QString valor) {
    valor.remove(QLatin1Char('.'));
    valor.remove(QLatin1Char('/'));
    valor.remove(QLatin1Char('-'));
    return valor;
}

// One modulo-11 check digit over the first `pesos.size()` digits.
template <std::size_t N>
int digitoVerificador(const QString& digitos, const std::array<int, N>& pesos) {
    int soma = 0;
    for (std::size_t i = 0; i < N; ++i)
        soma += (digitos[static_cast<qsizetype>(i)].unicode() - '0') * pesos[i];
    const int resto = soma % 11;
    return resto < 2 ? 0 : 11 - resto;
}

bool digitoConfere(const QString& digitos, qsizetype posicao, int esperado) {
    return digitos[posicao].unicode() - '0' == esperado;
}

bool todosIguais(const QString& digitos) {
    return digitos.count(digitos.front()) == digitos.size();
}

bool cpfValido(const QString& d) {
    if (d.size() != 11 || todosIguais(d))
        return false;
    static constexpr std::array<int, 9> pesos1{10, 9, 8, 7, 6, 5, 4, 3, 2};
    static constexpr std::array<int, 10> pesos2{11, 10, 9, 8, 7, 6, 5, 4, 3, 2};
    return digitoConfere(d, 9, digitoVerificador(d, pesos1)) &&
           digitoConfere(d, 10, digitoVerificador(d, pesos2));
}

bool cnpjValido(const QString& d) {
    if (d.size() != 14 || d.count(QLatin1Char('0')) == 14)
        return false;
    static constexpr std::array<int, 12> pesos1{5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    static constexpr std::array<int, 13> pesos2{6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    return digitoConfere(d, 12, digitoVerificador(d, pesos1)) &&
           digitoConfere(d, 13, digitoVerificador(d, pesos2));
}

// ddd.ddd.ddd-dd
QString mascaraCpf(const QString& s) {
    return s.left(3) + QLatin1Char('.') + s.mid(3, 3) + QLatin1Char('.') + s.mid(6, 3) +
           QLatin1Char('-') + s.mid(9, 2);
}

// dd.ddd.ddd/dddd-dd
QString mascaraCnpj(const QString& s) {
    return s.left(2) + QLatin1Char('.') + s.mid(2, 3) + QLatin1Char('.') + s.mid(5, 3) +
           QLatin1Char('/') + s.mid(8, 4) + QLatin1Char('-') + s.mid(12, 2);
}
} // namespace

QString SoDigitos(const QString& texto) {
    QString digitos;
    digitos.reserve(texto.size());
    for (const QChar c : texto)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digitos.append(c);
    return digitos;
}

bool ValidaCnpjCpf(const QString& Valor) {
    const QString digitos = SoDigitos(semSeparadores(Valor));
    if (digitos.size() >= 1 && digitos.size() <= 11)
        return cpfValido(digitos);
    if (digitos.size() == 14)
        return cnpjValido(digitos);
    return false;
}

QString FormataCnpjCpf(const QString& Valor, bool Validar) {
    try {
        const QString s = semSeparadores(Valor);
        // A valid number is masked from its own digits, whatever else was typed around them
        // (spaces, commas): a CPF never comes out in the CNPJ mask, nor a valid CNPJ as empty.
        if (ValidaCnpjCpf(s)) {
            const QString digitos = SoDigitos(s);
            return digitos.size() == 11 ? mascaraCpf(digitos) : mascaraCnpj(digitos);
        }
        if (s.size() >= 1 && s.size() <= 11) {
            if (!Validar)
                return s.size() == 11 ? mascaraCpf(s) : QString();
            ExibeMensagem(MensagemCpfInvalido, TTipoAlerta::TAPressioneESC);
            return {};
        }
        if (s.size() >= 14) {
            if (!Validar)
                return s.size() == 14 ? mascaraCnpj(s) : QString();
            ExibeMensagem(MensagemCnpjInvalido, TTipoAlerta::TAPressioneESC);
            return {};
        }
        return {};
    } catch (const std::exception&) {
        ExibeMensagem(MensagemValorIncorreto, TTipoAlerta::TAPressioneESC);
        return {};
    }
}
