#pragma once

#include <QString>

namespace importador {

// What the importer's work needs of its main window. The window implements it; tests use a
// recorder.
class IVisaoImportador {
public:
    virtual ~IVisaoImportador() = default;
    // The emitter's company name and CNPJ/CPF, as stored.
    virtual void MostraEmitente(const QString& razaoSocial, const QString& cnpjcpf) = 0;
};

} // namespace importador
