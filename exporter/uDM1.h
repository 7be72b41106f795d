#pragma once

#include "Conexao.h"
#include "Dataset.h"

#include <memory>

namespace exportador {

// The exporter's data module: the main connection and its queries.
class TDM1 {
public:
    TDM1();

    TConexao ZConnection1;
    TDataset TabEmitente;
};

// The program's data module (null until CriaDM made it).
TDM1* DM1();
// Creates the data module when it does not exist yet; errors are logged and shown.
void CriaDM();
// Destroys the data module (at program end, and between tests).
void LiberaDM();

} // namespace exportador
