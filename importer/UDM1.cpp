#include "UDM1.h"

#include "Erro.h"
#include "uFuncoesUteis.h"

#include <QCoreApplication>

namespace importador {

namespace {
std::unique_ptr<TDM1> modulo;
}

TDM1::TDM1()
    : ZConnection1(QStringLiteral("importador.ZConnection1")),
      TabEmitente(ZConnection1,
                  QStringLiteral("select codemitente, razaosocial, telefone, cnpjcpf, email, "
                                 "nomefantasia, responsavel, logradouro, numero, bairro from "
                                 "emitente")),
      QConfiguracao(ZConnection1,
                    QStringLiteral("select c.IMPORTARPEDIDOAUTOMATICOIMPORTADOR, "
                                   "c.utilizamultiplopgtopedido, "
                                   "c.GravarPedidoFechadoImportadoOrdixMobile from configuracao "
                                   "c, configuracao2 c2")) {}

TDM1* DM1() { return modulo.get(); }

void CriaDM() {
    if (modulo)
        return;
    try {
        modulo = std::make_unique<TDM1>();
        // The connections must go before the SQL drivers do, at the application's end.
        qAddPostRoutine(LiberaDM);
    } catch (const EErro& e) {
        GravaLogErro(QString(), QString(), QStringLiteral("CriaDM"), e.Mensagem(), true);
    } catch (const std::exception& e) {
        GravaLogErro(QString(), QString(), QStringLiteral("CriaDM"), QString::fromUtf8(e.what()),
                     true);
    }
}

void LiberaDM() { modulo.reset(); }

} // namespace importador
