#include "PreencheCampos.h"

#include "Dataset.h"
#include "Erro.h"
#include "Pkg.Json.DTO.h"

namespace importador {

void PreencheCampos(TDataset& query, const TObjetoDTO& objeto) {
    const QSqlRecord& registro = query.Registro();
    for (const TCampo& campo : objeto.Descritor().Campos) {
        if (!campo.Escalar())
            continue;
        // The one property whose column is spelt differently.
        const QString coluna =
            campo.Nome.compare(QLatin1String("cnpjcpfemitente"), Qt::CaseInsensitive) == 0
                ? QStringLiteral("cnpjcpf_emitente")
                : campo.Nome;
        if (!registro.contains(coluna))
            continue;
        try {
            query.SetCampo(coluna, campo.Le(objeto));
        } catch (const EErro&) {
            // The column cannot take this value: it keeps its default, the others go on.
        }
    }
}

} // namespace importador
