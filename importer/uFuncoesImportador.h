#pragma once

class TCliente;
class TClienteHttp;

namespace importador {

class IVisaoImportador;

// The local code of an order's client: the row with the object's Codcliente, else the row
// with its document exactly as typed, else a new row made from the object. When the service
// may not know the code yet (found by document or created), the code is reported to it; a
// report that fails is logged and shown and the code is still returned. A lookup error, or a
// new client the database refuses (logged and shown first), raises EErro: the order cannot be
// stored without a client row.
int GetCodCliente(const TCliente& cliente, const TClienteHttp& http);

// One import pass: fetches the waiting orders, stores each one (order, payment row, lines and
// instalments in one transaction, its client before on its own), confirms its local number to
// the service and updates the window. An order already stored under its idnuvem is not stored
// again, only confirmed again. When the pass ends early the error is logged and shown, and an
// EErro carrying the last service answer's text reaches the caller.
void ImportaPedidos(IVisaoImportador& visao, const TClienteHttp& http);
// The same with the service named by arquivo.ini.
void ImportaPedidos(IVisaoImportador& visao);

} // namespace importador
