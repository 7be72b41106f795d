#pragma once

#include <QString>

// CPF (11 digits) and CNPJ (14 digits) numbers as the client table keeps them: masked
// ("ddd.ddd.ddd-dd", "dd.ddd.ddd/dddd-dd") or as bare digits.

// True when Valor is a valid CPF or CNPJ: separators and every other non-digit are dropped
// first, and the number of digits left tells which of the two it is. Never shows anything.
// A CPF must have all of its 11 digits: shorter numbers are not filled with leading zeros.
bool ValidaCnpjCpf(const QString& Valor);

// A valid number in its mask, made from its digits. Any other value: without Validar, Valor
// without ".", "/" and "-" in the mask its length fits (11 or 14 characters, letters too);
// with Validar, an empty text and the CPF or CNPJ alert (none for 12 or 13 characters).
QString FormataCnpjCpf(const QString& Valor, bool Validar);

// The characters "0" to "9" of texto, in order.
QString SoDigitos(const QString& texto);

// The alerts FormataCnpjCpf may show.
extern const QString MensagemCpfInvalido;
extern const QString MensagemCnpjInvalido;
extern const QString MensagemValorIncorreto;
