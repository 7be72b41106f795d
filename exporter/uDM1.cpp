#include "uDM1.h"

#include "Erro.h"
#include "uFuncoesUteis.h"

namespace exportador {

namespace {
std::unique_ptr<TDM1> modulo;
}

TDM1::TDM1()
    : ZConnection1(QStringLiteral("exportador.ZConnection1")),
      TabEmitente(ZConnection1,
                  QStringLiteral("select codemitente, razaosocial, telefone, cnpjcpf, email, "
                                 "nomefantasia, responsavel, logradouro, numero, bairro from "
                                 "emitente")) {}

TDM1* DM1() { return modulo.get(); }

void CriaDM() {
    if (modulo)
        return;
    try {
        modulo = std::make_unique<TDM1>();
    } catch (const EErro& e) {
        GravaLogErro(QString(), QString(), QStringLiteral("CriaDM"), e.Mensagem(), true);
    } catch (const std::exception& e) {
        GravaLogErro(QString(), QString(), QStringLiteral("CriaDM"), QString::fromUtf8(e.what()),
                     true);
    }
}

void LiberaDM() { modulo.reset(); }

} // namespace exportador
