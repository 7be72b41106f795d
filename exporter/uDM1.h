#pragma once

#include "Conexao.h"
#include "Dataset.h"

#include <memory>

namespace exportador {

// The exporter's data module: the main connection and its queries. The twelve change-log
// queries take the parameter "versao" (the service's version of their table): 0 or more gives
// the rows changed after that version, -1 or less every row of the table.
class TDM1 {
public:
    TDM1();

    TConexao ZConnection1;
    TDataset TabEmitente;
    TDataset QVersao;
    TDataset QConfiguracao;
    TDataset QFormaPagamento;
    TDataset QCliente;
    TDataset QGrupo;
    TDataset QMarca;
    TDataset QCodigoBarra;
    TDataset QProduto;
    TDataset QTabelaPreco;
    TDataset QTabelaPrecoVendedor;
    TDataset QFuncionario;
    TDataset QVendedor;
    TDataset QVinculoProdutoCfop;
    TDataset QHistoricoPedido;
};

// Opens a change-log query for `versao` (closed first).
void AbreAlteracoes(TDataset& consulta, int versao);
// The number of rows that a change-log query gives for `versao`, counted by the server, so
// the rows themselves are read one at a time.
int ContaAlteracoes(TConexao& conexao, const TDataset& consulta, int versao);

// The program's data module (null until CriaDM made it).
TDM1* DM1();
// Creates the data module when it does not exist yet; errors are logged and shown.
void CriaDM();
// Destroys the data module (at program end, and between tests).
void LiberaDM();

} // namespace exportador
