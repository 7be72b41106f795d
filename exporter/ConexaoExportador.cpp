#include "ConexaoExportador.h"

#include "ConexaoBanco.h"
#include "IVisaoExportador.h"
#include "uDM1.h"

namespace exportador {

bool ConectarBanco(IVisaoExportador& visao, const std::function<void()>& carregaEmitente) {
    TPassosConexao passos;
    passos.CriaDM = []() -> TConexao* {
        CriaDM();
        return DM1() ? &DM1()->ZConnection1 : nullptr;
    };
    passos.AbreConsultas = [&visao] {
        TDM1& dm = *DM1();
        dm.TabEmitente.Close();
        dm.TabEmitente.Open();
        visao.MostraEmitente(dm.TabEmitente.AsString(QStringLiteral("razaosocial")),
                             dm.TabEmitente.AsString(QStringLiteral("cnpjcpf")));
    };
    passos.DepoisDeConectar = carregaEmitente;
    return ::ConectarBanco(passos);
}

} // namespace exportador
