#pragma once

#include "Conexao.h"
#include "Dataset.h"

#include <memory>

// The connection module both programs share: a second connection, announced to the server
// as "VareloRetaguarda", and the start-up queries it opens. Nothing reads their rows; opening
// them checks at start-up that the back office's tables are in place.
class TDMConexao {
public:
    TDMConexao();

    TConexao DBPostgres;
    TDataset QFuncionarioLogado;
    TDataset QConfiguracao;
    TDataset QConfiguracaoNFCe;
    TDataset TabEmitente;
};

// The program's connection module, created by AtivarDB on first use (null before).
TDMConexao* DMConexao();
// Destroys the connection module (at program end, and between tests).
void LiberaDMConexao();

// Connects DBPostgres with the values of the main connection (its own user name "postgres")
// and opens the start-up queries. Errors are logged and shown here, never passed on.
void AtivarDB(const TConexao& principal, int codigoFuncionario);
