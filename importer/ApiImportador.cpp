#include "ApiImportador.h"

#include "ClienteHttp.h"
#include "Erro.h"

namespace importador {

const QString MensagemSemConexao = QStringLiteral("Sem Conexão com o Servidor, Tente Novamente");

namespace {
constexpr int UltimaTentativa = 3;

TRespostaHttp envia(const TClienteHttp& http, const QString& caminho, const TJsonDTO& objeto,
                    const QString& token) {
    return http.Post(caminho, token, objeto.AsJson());
}
} // namespace

std::unique_ptr<TRetorno> RespostaParaRetorno(const TRespostaHttp& resposta) {
    auto retorno = std::make_unique<TRetorno>();
    retorno->StatusCode = resposta.StatusCode;
    retorno->Mensagem = resposta.Mensagem;
    return retorno;
}

void ApiGetPedidos(const TClienteHttp& http, const TAttRequest& requisicao,
                   std::unique_ptr<TRetorno>& retorno, std::unique_ptr<TListaPedido>& lista,
                   int tentativa) {
    lista.reset();
    try {
        for (int t = tentativa;; ++t) {
            retorno = RespostaParaRetorno(
                envia(http, QStringLiteral("/getpedidos"), requisicao, requisicao.CnpjcpfEmitente));
            if (retorno->StatusCode == 200) {
                auto pedidos = std::make_unique<TListaPedido>();
                pedidos->SetAsJson(retorno->Mensagem);
                lista = std::move(pedidos);
                return;
            }
            if (t >= UltimaTentativa)
                return;
        }
    } catch (const std::exception&) {
        throw EErro(MensagemSemConexao);
    }
}

void ApiAtualizaCodCliente(const TClienteHttp& http, const TAtualizaCliente& cliente,
                           std::unique_ptr<TRetorno>& retorno, int tentativa) {
    try {
        for (int t = tentativa;; ++t) {
            retorno = RespostaParaRetorno(envia(http, QStringLiteral("/atualizacodcliente"),
                                                cliente, cliente.CnpjcpfEmitente));
            if (retorno->StatusCode == 200 || t >= UltimaTentativa)
                return;
        }
    } catch (const std::exception&) {
        throw EErro(MensagemSemConexao);
    }
}

void ApiAtualizaCodPedido(const TClienteHttp& http, const TAtualizaCodpedido& pedido,
                          std::unique_ptr<TRetorno>& retorno, int tentativa) {
    for (int t = tentativa;; ++t) {
        const TRespostaHttp resposta =
            envia(http, QStringLiteral("/atualizacodpedido"), pedido, pedido.CnpjcpfEmitente);
        if (t >= UltimaTentativa && resposta.StatusCode >= 500)
            throw EErro(QStringLiteral("Erro no servidor (HTTP %1): %2")
                            .arg(resposta.StatusCode)
                            .arg(resposta.Mensagem));
        retorno = RespostaParaRetorno(resposta);
        if (retorno->StatusCode == 200 || t >= UltimaTentativa)
            return;
    }
}

} // namespace importador
