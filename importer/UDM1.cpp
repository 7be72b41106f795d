#include "UDM1.h"

#include "Erro.h"
#include "ModuloDados.h"
#include "uFuncoesUteis.h"

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
                                   "c, configuracao2 c2")),
      TabPedido(ZConnection1, QStringLiteral("select * from pedidovenda where codpedidovenda = 0")),
      TabProdutoPedido(ZConnection1,
                       QStringLiteral("select * from produtopedidovenda where codpedidovenda= 0")),
      TabPgtoPedido(ZConnection1,
                    QStringLiteral("select * from pgtopedidovenda where codpedidovenda = 0")),
      TabParcelas(ZConnection1, QStringLiteral("select * from pgtopedidoimportacao where "
                                               "codpedidoimportacao =0")),
      TabCliente(ZConnection1, QStringLiteral("Select * from cliente")),
      QPedidoImportado(ZConnection1,
                       QStringLiteral("select idnuvem, codpedidovenda from pedidovenda where "
                                      "idnuvem = any(cast(:idnuvens as integer[])) order by "
                                      "codpedidovenda")),
      QAtualizaSequencia(ZConnection1,
                         QStringLiteral("select setval('produtopedidovenda_codprodutopedidovenda_"
                                        "seq' ,(select max(codprodutopedidovenda) from "
                                        "produtopedidovenda));")) {
    for (TDataset* q : {&TabPedido, &TabProdutoPedido, &TabPgtoPedido, &TabParcelas, &TabCliente})
        q->CachedUpdates = true;
}

void TDM1::ExecutaSQL(TDataset& query) {
    ExecutaSql(ZConnection1, query.TextoSql());
}

TDM1* DM1() {
    return modulo.get();
}

void CriaDM() {
    CriaModuloDados(modulo, LiberaDM);
}

void LiberaDM() {
    modulo.reset();
}

} // namespace importador
