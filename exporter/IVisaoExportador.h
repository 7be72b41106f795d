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

    // The progress area: the upper and lower labels' texts and the bar's position and maximum.
    // `mostraRotulos` makes both labels visible; otherwise their visibility stays as it is.
    virtual void MostraProgresso(const QString& rotulo1, const QString& rotulo2, int posicao,
                                 int maximo, bool mostraRotulos) = 0;
    // Lets pending window messages through (repaints, clicks) in the middle of long work.
    virtual void ProcessaMensagens() = 0;
};

} // namespace exportador
