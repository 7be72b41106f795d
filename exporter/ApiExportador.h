#pragma once

#include "ClienteHttp.h"
#include "Dto.Cliente.h"
#include "Dto.CodigoBarra.h"
#include "Dto.Configuracao.h"
#include "Dto.Emitente.h"
#include "Dto.FormaPagamento.h"
#include "Dto.Funcionario.h"
#include "Dto.Grupo.h"
#include "Dto.HistoricoPedido.h"
#include "Dto.Marca.h"
#include "Dto.Produto.h"
#include "Dto.Retorno.h"
#include "Dto.TabelaPreco.h"
#include "Dto.TabelaPrecoVendedor.h"
#include "Dto.Vendedor.h"
#include "Dto.Versao.h"
#include "Dto.VinculoProdutoCfop.h"

#include <memory>

// The exporter's calls of the cloud service. Each one POSTs its payload's JSON with the
// emitter's CNPJ/CPF as "Authorization" and tries again, up to the third attempt, while the
// status is not 200; the outcome of the last attempt comes back for the caller to judge.
// `tentativa` is 1 for every caller. A transport failure raises EErro at once; a status of 500
// or more on the third attempt raises EErro too (but in ApiVersaoTabelas). Nothing is logged
// or shown here.
namespace exportador {

using TRetornoPtr = std::unique_ptr<TRetorno>;

// The raised error of a server status on the last attempt.
QString MensagemErroServidor(int status, const QString& corpo);
// The error that replaces every failure of ApiVersaoTabelas.
extern const QString MensagemSemConexao;

// The body {"cnpjcpf_emitente":"..."}, the token written as a JSON string.
QString CorpoCnpj(const QString& token);

TRetornoPtr ApiAtualizaCliente(const TClienteHttp& http, const QString& token,
                               const TListaCliente& lista, int tentativa = 1);
TRetornoPtr ApiAtualizaCodigoBarra(const TClienteHttp& http, const QString& token,
                                   const TListaCodigoBarra& lista, int tentativa = 1);
TRetornoPtr ApiAtualizaConfiguracao(const TClienteHttp& http, const QString& token,
                                    const TListaConfiguracao& lista, int tentativa = 1);
TRetornoPtr ApiAtualizaFormaPagamento(const TClienteHttp& http, const QString& token,
                                      const TListaFormaPagamento& lista, int tentativa = 1);
TRetornoPtr ApiAtualizaFuncionario(const TClienteHttp& http, const QString& token,
                                   const TListaFuncionario& lista, int tentativa = 1);
TRetornoPtr ApiAtualizaGrupo(const TClienteHttp& http, const QString& token,
                             const TListaGrupo& lista, int tentativa = 1);
TRetornoPtr ApiAtualizaHistoricoPedido(const TClienteHttp& http, const QString& token,
                                       const TListaHistoricoPedido& lista, int tentativa = 1);
TRetornoPtr ApiAtualizaMarca(const TClienteHttp& http, const QString& token,
                             const TListaMarca& lista, int tentativa = 1);
TRetornoPtr ApiAtualizaProduto(const TClienteHttp& http, const QString& token,
                               const TListaProduto& lista, int tentativa = 1);
TRetornoPtr ApiAtualizaTabelaPreco(const TClienteHttp& http, const QString& token,
                                   const TListaTabelaPreco& lista, int tentativa = 1);
TRetornoPtr ApiAtualizaTabelaPrecoVendedor(const TClienteHttp& http, const QString& token,
                                           const TListaTabelaPrecoVendedor& lista,
                                           int tentativa = 1);
TRetornoPtr ApiAtualizaVendedor(const TClienteHttp& http, const QString& token,
                                const TListaVendedor& lista, int tentativa = 1);
TRetornoPtr ApiAtualizaVinculoProdutoCfop(const TClienteHttp& http, const QString& token,
                                          const TListaVinculoProdutoCfop& lista, int tentativa = 1);
TRetornoPtr ApiSalvaVersao(const TClienteHttp& http, const QString& token, const TVersao& versao,
                           int tentativa = 1);

// The service's versions: on a status of 200 `versao` receives a new TVersao read from the
// body (a body that is not JSON, empty, an array or null leaves every version at 0); after
// three refusals it stays null. Every error raised inside, a body that cannot fill the version
// object included, becomes EErro(MensagemSemConexao).
TRetornoPtr ApiVersaoTabelas(const TClienteHttp& http, const QString& token,
                             std::unique_ptr<TVersao>& versao, int tentativa = 1);
// Asks the service to delete everything it holds for the emitter.
TRetornoPtr ApiApagaTabelas(const TClienteHttp& http, const QString& token, int tentativa = 1);
// Sends the emitter itself; its Cnpjcpf is the token.
TRetornoPtr ApiAtualizaEmitente(const TClienteHttp& http, const TEmitente& emitente,
                                int tentativa = 1);

} // namespace exportador
