#pragma once

#include <QString>

namespace exportador {

// What the exporter's work needs of its main window. The window implements it; tests use a
// recorder.
class IVisaoExportador {
public:
    virtual ~IVisaoExportador() = default;
    // The emitter's company name and CNPJ/CPF, as stored; the window adds the name to its
    // caption.
    virtual void MostraEmitente(const QString& razaoSocial, const QString& cnpjcpf) = 0;
};

} // namespace exportador
