#pragma once

namespace importador {

class IVisaoImportador;

// The importer's start-up connection: connects, reopens the emitter and settings queries and
// shows the emitter in the window. False after a failure (logged and shown).
bool ConectarBanco(IVisaoImportador& visao);

} // namespace importador
