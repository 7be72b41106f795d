#pragma once

#include "Conexao.h"
#include "Dataset.h"

#include <memory>

namespace importador {

// The importer's data module: the main connection and its queries. The order tables' queries
// match no row: they serve to insert, each new row drawing its key from the table's sequence.
class TDM1 {
public:
    TDM1();

    TConexao ZConnection1;
    TDataset TabEmitente;
    TDataset QConfiguracao;
    TDataset TabPedido;
    TDataset TabProdutoPedido;
    TDataset TabPgtoPedido;
    TDataset TabParcelas;
    // Its condition is replaced before each lookup, with the value bound.
    TDataset TabCliente;
    // Orders already stored by an earlier pass: parameter :idnuvens, the service's ids as an
    // array literal ("{12,13}").
    TDataset QPedidoImportado;
    // Puts the order-line key sequence at the highest key present, in case rows were inserted
    // with keys of their own. Run with ExecutaSQL.
    TDataset QAtualizaSequencia;

    // Runs a query's statement as it stands, without reading a result.
    void ExecutaSQL(TDataset& query);
};

// The program's data module (null until CriaDM made it).
TDM1* DM1();
// Creates the data module when it does not exist yet; errors are logged and shown.
void CriaDM();
// Destroys the data module (at program end, and between tests).
void LiberaDM();

} // namespace importador
