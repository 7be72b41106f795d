#pragma once

#include <QString>

// CPF (11 digits) and CNPJ (14 digits) numbers as the client table keeps them: masked
// ("ddd.ddd.ddd-dd", "dd.ddd.ddd/dddd-dd") or as bare digits.

// True when Valor is a valid CPF or CNPJ: separators and every other non-digit are dropped
// first, and the number of digits left tells which of the two it is. Never shows anything.
// A CPF must have all of its 11 digits: shorter numbers are not filled with leading zeros.
bool ValidaCnpjCpf(const QString& Valor);

// Valor without ".", "/" and "-", in the CPF or CNPJ mask; an empty text when the length fits
// neither mask or, with Validar, when the check digits are wrong (an alert says so).
QString FormataCnpjCpf(const QString& Valor, bool Validar);

// The alerts FormataCnpjCpf may show.
extern const QString MensagemCpfInvalido;
extern const QString MensagemCnpjInvalido;
extern const QString MensagemValorIncorreto;
