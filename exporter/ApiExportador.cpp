#include "ApiExportador.h"

#include "Erro.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace exportador {

const QString MensagemSemConexao = QStringLiteral("Sem Conexão com o Servidor, Tente Novamente");

QString MensagemErroServidor(int status, const QString& corpo) {
    return QStringLiteral("O servidor respondeu com o status %1: %2").arg(status).arg(corpo);
}

QString CorpoCnpj(const QString& token) {
    // A quote or backslash in the stored document must not break the body or add members.
    QByteArray texto = QJsonDocument(QJsonArray{token}).toJson(QJsonDocument::Compact);
    texto = texto.mid(1, texto.size() - 2);
    return QStringLiteral("{\"cnpjcpf_emitente\":") + QString::fromUtf8(texto) + QLatin1Char('}');
}

namespace {
TRetornoPtr RespostaParaRetorno(const TRespostaHttp& resposta) {
    auto retorno = std::make_unique<TRetorno>();
    retorno->StatusCode = resposta.StatusCode;
    retorno->Mensagem = resposta.Mensagem;
    return retorno;
}

// The steps every call shares: one POST per attempt until a status of 200 or the third
// attempt. `erroNoServidor` raises a server error status of the third attempt.
TRetornoPtr Envia(const TClienteHttp& http, const QString& caminho, const QString& token,
                  const QString& corpo, int tentativa, bool erroNoServidor = true) {
    const QString corpoEnviado = corpo.trimmed().isEmpty() ? QString() : corpo;
    for (;; ++tentativa) {
        const TRespostaHttp resposta = http.Post(caminho, token, corpoEnviado);
        if (erroNoServidor && tentativa >= 3 && resposta.StatusCode >= 500)
            throw EErro(MensagemErroServidor(resposta.StatusCode, resposta.Mensagem));
        if (resposta.StatusCode == 200 || tentativa >= 3)
            return RespostaParaRetorno(resposta);
    }
}

TRetornoPtr EnviaObjeto(const TClienteHttp& http, const char* caminho, const QString& token,
                        const TJsonDTO& objeto, int tentativa) {
    return Envia(http, QLatin1String(caminho), token, objeto.AsJson(), tentativa);
}
} // namespace

TRetornoPtr ApiAtualizaCliente(const TClienteHttp& http, const QString& token,
                               const TListaCliente& lista, int tentativa) {
    return EnviaObjeto(http, "/atualizacliente", token, lista, tentativa);
}

TRetornoPtr ApiAtualizaCodigoBarra(const TClienteHttp& http, const QString& token,
                                   const TListaCodigoBarra& lista, int tentativa) {
    return EnviaObjeto(http, "/atualizacodigobarra", token, lista, tentativa);
}

TRetornoPtr ApiAtualizaConfiguracao(const TClienteHttp& http, const QString& token,
                                    const TListaConfiguracao& lista, int tentativa) {
    return EnviaObjeto(http, "/atualizaconfiguracao", token, lista, tentativa);
}

TRetornoPtr ApiAtualizaFormaPagamento(const TClienteHttp& http, const QString& token,
                                      const TListaFormaPagamento& lista, int tentativa) {
    return EnviaObjeto(http, "/atualizaformapagamento", token, lista, tentativa);
}

TRetornoPtr ApiAtualizaFuncionario(const TClienteHttp& http, const QString& token,
                                   const TListaFuncionario& lista, int tentativa) {
    return EnviaObjeto(http, "/atualizafuncionario", token, lista, tentativa);
}

TRetornoPtr ApiAtualizaGrupo(const TClienteHttp& http, const QString& token,
                             const TListaGrupo& lista, int tentativa) {
    return EnviaObjeto(http, "/atualizagrupo", token, lista, tentativa);
}

TRetornoPtr ApiAtualizaHistoricoPedido(const TClienteHttp& http, const QString& token,
                                       const TListaHistoricoPedido& lista, int tentativa) {
    return EnviaObjeto(http, "/atualizahistoricopedido", token, lista, tentativa);
}

TRetornoPtr ApiAtualizaMarca(const TClienteHttp& http, const QString& token,
                             const TListaMarca& lista, int tentativa) {
    return EnviaObjeto(http, "/atualizamarca", token, lista, tentativa);
}

TRetornoPtr ApiAtualizaProduto(const TClienteHttp& http, const QString& token,
                               const TListaProduto& lista, int tentativa) {
    return EnviaObjeto(http, "/atualizaproduto", token, lista, tentativa);
}

TRetornoPtr ApiAtualizaTabelaPreco(const TClienteHttp& http, const QString& token,
                                   const TListaTabelaPreco& lista, int tentativa) {
    return EnviaObjeto(http, "/atualizatabelapreco", token, lista, tentativa);
}

TRetornoPtr ApiAtualizaTabelaPrecoVendedor(const TClienteHttp& http, const QString& token,
                                           const TListaTabelaPrecoVendedor& lista, int tentativa) {
    return EnviaObjeto(http, "/atualizatabelaprecovendedor", token, lista, tentativa);
}

TRetornoPtr ApiAtualizaVendedor(const TClienteHttp& http, const QString& token,
                                const TListaVendedor& lista, int tentativa) {
    return EnviaObjeto(http, "/atualizavendedor", token, lista, tentativa);
}

TRetornoPtr ApiAtualizaVinculoProdutoCfop(const TClienteHttp& http, const QString& token,
                                          const TListaVinculoProdutoCfop& lista, int tentativa) {
    return EnviaObjeto(http, "/atualizavinculoprodutocfop", token, lista, tentativa);
}

TRetornoPtr ApiSalvaVersao(const TClienteHttp& http, const QString& token, const TVersao& versao,
                           int tentativa) {
    return EnviaObjeto(http, "/salvaversao", token, versao, tentativa);
}

TRetornoPtr ApiVersaoTabelas(const TClienteHttp& http, const QString& token,
                             std::unique_ptr<TVersao>& versao, int tentativa) {
    versao.reset();
    try {
        TRetornoPtr retorno = Envia(http, QStringLiteral("/versaotabelas"), token, CorpoCnpj(token),
                                    tentativa, false);
        if (retorno->StatusCode == 200) {
            auto lida = std::make_unique<TVersao>();
            lida->SetAsJson(retorno->Mensagem);
            versao = std::move(lida);
        }
        return retorno;
    } catch (const std::exception&) {
        throw EErro(MensagemSemConexao);
    }
}

TRetornoPtr ApiApagaTabelas(const TClienteHttp& http, const QString& token, int tentativa) {
    return Envia(http, QStringLiteral("/apagatabelas"), token, CorpoCnpj(token), tentativa);
}

TRetornoPtr ApiAtualizaEmitente(const TClienteHttp& http, const TEmitente& emitente,
                                int tentativa) {
    return EnviaObjeto(http, "/atualizaemitente", emitente.Cnpjcpf, emitente, tentativa);
}

} // namespace exportador
