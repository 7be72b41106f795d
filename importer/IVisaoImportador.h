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

    // What an import pass changes on the window.
    virtual void DefineStatus(const QString& texto) = 0;
    virtual void HabilitaBotao(bool habilitado) = 0;
    virtual void LigaTimer(bool ligado) = 0;
    // Lets the window process its pending messages once, so the status label repaints.
    virtual void ProcessaMensagens() = 0;
    // Shows the new-order notice (once per pass with orders).
    virtual void MostraAviso() = 0;
};

} // namespace importador
