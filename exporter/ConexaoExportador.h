#pragma once

#include <functional>

namespace exportador {

class IVisaoExportador;

// The exporter's start-up connection: connects, reopens the emitter query and shows the
// emitter; then runs carregaEmitente (loading the emitter object), whose errors also fail the
// connection. False after a failure (logged and shown); the program stays open.
bool ConectarBanco(IVisaoExportador& visao, const std::function<void()>& carregaEmitente = {});

} // namespace exportador
