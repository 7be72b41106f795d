#pragma once

class TDataset;
class TObjetoDTO;

namespace importador {

// Copies every scalar property of `objeto` into the same-named column of the row that `query`
// is inserting or editing (names compared without regard to case; "CnpjcpfEmitente" goes to
// "cnpjcpf_emitente"). A property without such a column is ignored, and a value the column
// cannot take is skipped, the column keeping what it had. Objects and lists are never copied.
void PreencheCampos(TDataset& query, const TObjetoDTO& objeto);

} // namespace importador
