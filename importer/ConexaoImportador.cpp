#include "ConexaoImportador.h"

#include "ConexaoBanco.h"
#include "IVisaoImportador.h"
#include "UDM1.h"

namespace importador {

bool ConectarBanco(IVisaoImportador& visao) {
    TPassosConexao passos;
    passos.CriaDM = []() -> TConexao* {
        CriaDM();
        return DM1() ? &DM1()->ZConnection1 : nullptr;
    };
    passos.AbreConsultas = [&visao] {
        TDM1& dm = *DM1();
        dm.TabEmitente.Close();
        dm.TabEmitente.Open();
        dm.QConfiguracao.Close();
        dm.QConfiguracao.Open();
        visao.MostraEmitente(dm.TabEmitente.AsString(QStringLiteral("razaosocial")),
                             dm.TabEmitente.AsString(QStringLiteral("cnpjcpf")));
    };
    return ::ConectarBanco(passos);
}

} // namespace importador
