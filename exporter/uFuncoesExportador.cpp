#include "uFuncoesExportador.h"

#include "ApiExportador.h"
#include "cFuncoesImagens.h"
#include "Erro.h"
#include "IVisaoExportador.h"
#include "uDM1.h"
#include "uFuncoesUteis.h"

#include <QFileInfo>
#include <QSqlRecord>
#include <utility>
#include <vector>

namespace exportador {

// One exported table: what differs between the procedures that share Exporta.
struct TMembroExportacao {
    const char* Nome;    // the procedure, also the function of its log entries
    const char* Legenda; // the progress caption; null: no progress
    TDataset TDM1::*Consulta;
    const char* ColunaVersao; // QVersao's column; null: no version, sent on every run
    qint32 TVersao::*CampoVersao;
    std::unique_ptr<TJsonDTO> (*CriaLista)();
    TRetornoPtr (*Chamada)(const TClienteHttp&, const QString&, const TJsonDTO&);
    bool LoteUnico; // every row in one request, sent even when there is none
    void (TExportador::*AoLerLinha)(TObjetoDTO& registro, const TDataset& linha);
};

namespace {
template <class L> std::unique_ptr<TJsonDTO> cria() {
    return std::make_unique<L>();
}

template <class L, TRetornoPtr (*F)(const TClienteHttp&, const QString&, const L&, int)>
TRetornoPtr chama(const TClienteHttp& http, const QString& token, const TJsonDTO& lista) {
    return F(http, token, static_cast<const L&>(lista), 1);
}

#define VARELO_MEMBRO(nome, legenda, consulta, coluna, campo, lista, api)                          \
    TMembroExportacao {                                                                            \
        nome, legenda, &TDM1::consulta, coluna, campo, &cria<lista>, &chama<lista, &api>, false,   \
            nullptr                                                                                \
    }

const TMembroExportacao Cliente =
    VARELO_MEMBRO("ExportaCliente", "Clientes", QCliente, "versao_cliente", &TVersao::Cliente,
                  TListaCliente, ApiAtualizaCliente);
const TMembroExportacao Grupo = VARELO_MEMBRO("ExportaGrupo", "Grupo", QGrupo, "versao_grupo",
                                              &TVersao::Grupo, TListaGrupo, ApiAtualizaGrupo);
const TMembroExportacao Marca = VARELO_MEMBRO("ExportaMarca", "Marca", QMarca, "versao_marca",
                                              &TVersao::Marca, TListaMarca, ApiAtualizaMarca);
const TMembroExportacao CodigoBarra =
    VARELO_MEMBRO("ExportaCodigoBarra", "Código de Barras", QCodigoBarra, "versao_codigobarra",
                  &TVersao::CodBarra, TListaCodigoBarra, ApiAtualizaCodigoBarra);
const TMembroExportacao TabelaPreco =
    VARELO_MEMBRO("ExportaTabelaPreco", "Tabela de Preco", QTabelaPreco, "versao_tabelapreco",
                  &TVersao::TabelaPreco, TListaTabelaPreco, ApiAtualizaTabelaPreco);
const TMembroExportacao TabelaPrecoVendedor =
    VARELO_MEMBRO("ExportaTabelaPrecoVendedor", "Tabela de Preco por Vendedor",
                  QTabelaPrecoVendedor, "versao_tabelaprecovendedor", &TVersao::TabelaPrecovendedor,
                  TListaTabelaPrecoVendedor, ApiAtualizaTabelaPrecoVendedor);
const TMembroExportacao Funcionario =
    VARELO_MEMBRO("ExportaFuncionario", "Funcionarios", QFuncionario, "versao_funcionario",
                  &TVersao::Funcionario, TListaFuncionario, ApiAtualizaFuncionario);
const TMembroExportacao Vendedor =
    VARELO_MEMBRO("ExportaVendedor", "Vendedores", QVendedor, "versao_vendedor", &TVersao::Vendedor,
                  TListaVendedor, ApiAtualizaVendedor);
const TMembroExportacao VinculoProdutoCfop =
    VARELO_MEMBRO("ExportaVinculoProdutoCfop", "Vinculo Produto CFOP", QVinculoProdutoCfop,
                  "versao_vinculoprodutocfop", &TVersao::ProdutosST, TListaVinculoProdutoCfop,
                  ApiAtualizaVinculoProdutoCfop);
const TMembroExportacao HistoricoPedido = VARELO_MEMBRO(
    "ExportaHistoricoPedido", "Histórico Pedido", QHistoricoPedido, "versao_historicopedido",
    &TVersao::HistoricoPedido, TListaHistoricoPedido, ApiAtualizaHistoricoPedido);

TMembroExportacao comDiferenca(TMembroExportacao m, bool loteUnico,
                               void (TExportador::*aoLerLinha)(TObjetoDTO&, const TDataset&)) {
    m.LoteUnico = loteUnico;
    m.AoLerLinha = aoLerLinha;
    return m;
}

QString mensagemDe(const std::exception& e) {
    if (const auto* erro = dynamic_cast<const EErro*>(&e))
        return erro->Mensagem();
    if (const auto* erro = dynamic_cast<const EJsonDTO*>(&e))
        return erro->Mensagem();
    return QString::fromUtf8(e.what());
}

// Which field of a record each column of the current statement fills (by JSON key).
std::vector<std::pair<int, const TCampo*>> colunasDoRegistro(const QSqlRecord& linha,
                                                             const TDescritor& descritor) {
    std::vector<std::pair<int, const TCampo*>> mapa;
    for (int i = 0; i < linha.count(); ++i)
        for (const TCampo& c : descritor.Campos)
            if (c.Escalar() && linha.fieldName(i).compare(QLatin1String(c.ChaveEscrita),
                                                          Qt::CaseInsensitive) == 0) {
                mapa.emplace_back(i, &c);
                break;
            }
    return mapa;
}

const TCampo* campoPorChave(const TDescritor& descritor, const char* chave) {
    for (const TCampo& c : descritor.Campos)
        if (c.ChaveEscrita == chave)
            return &c;
    return nullptr;
}

const QString Vazio;
} // namespace

TExportador::TExportador(TDM1& dm, IVisaoExportador& visao, TClienteHttp http, QString pastaImagens)
    : FDM(dm), FVisao(visao), FHttp(std::move(http)), FPastaImagens(std::move(pastaImagens)) {
    if (!FPastaImagens.isEmpty() && !FPastaImagens.endsWith(QLatin1Char('/')) &&
        !FPastaImagens.endsWith(QLatin1Char('\\')))
        FPastaImagens += QLatin1Char('/');
}

TExportador::~TExportador() = default;

QString TExportador::Token() const {
    return Emitente ? Emitente->Cnpjcpf : QString();
}

int TExportador::VersaoLocal(const char* coluna) const {
    return FDM.QVersao.FieldByName(QLatin1String(coluna)).toInt();
}

void TExportador::CarregaDadosEmitente() {
    FDM.TabEmitente.Refresh();
    if (!Emitente)
        Emitente = std::make_unique<TEmitente>();
    for (const TCampo& c : Emitente->Descritor().Campos)
        if (c.Escalar())
            c.Grava(*Emitente, FDM.TabEmitente.FieldByName(QLatin1String(c.ChaveEscrita)));
}

void TExportador::ExportaTabelas() {
    LimpaProgresso();
    FDM.QVersao.Close();
    FDM.QVersao.Open();
    CarregaVersoes();
    ExportaEmitente();
    ExportaConfiguracao();
    ExportaFormaPagamento();
    ExportaCliente();
    ExportaGrupo();
    ExportaMarca();
    ExportaCodigoBarra();
    ExportaProduto();
    ExportaTabelaPreco();
    ExportaTabelaPrecoVendedor();
    ExportaFuncionario();
    ExportaVendedor();
    ExportaVinculoProdutoCfop();
    ExportaHistoricoPedido();
    ExportaVersoes();
    LimpaProgresso();
    IniciaProgresso(QStringLiteral("Exportação Finalizada"), 0);
}

void TExportador::ApagarTabelas() {
    const QString nome = QStringLiteral("ApagarTabelas");
    LimpaProgresso();
    try {
        TRetornoPtr retorno = ApiApagaTabelas(FHttp, Token());
        if (retorno->StatusCode == 200) {
            IniciaProgresso(QStringLiteral("Tabelas Apagadas"), 0);
            return;
        }
        GravaLogErro(Vazio, Vazio, nome, retorno->Mensagem, false);
        GravaLogErro(Vazio, Vazio, nome, QStringLiteral("Não foi possível Apagar as Tabelas"),
                     false);
    } catch (const std::exception& e) {
        GravaLogErro(Vazio, Vazio, nome, mensagemDe(e), false);
    }
}

void TExportador::IniciaProgresso(const QString& texto, int total) {
    FPosicao = 0;
    FMaximo = total;
    FRotulo1 = total != 0 ? QStringLiteral("Exportando ") + texto : texto;
    FVisao.MostraProgresso(FRotulo1, total != 0 ? QStringLiteral("0 de %1").arg(total) : QString(),
                           0, total, true);
    FVisao.ProcessaMensagens();
}

void TExportador::AvancaProgresso() {
    // A bar never goes past its maximum.
    if (FPosicao < FMaximo)
        ++FPosicao;
    FVisao.MostraProgresso(FRotulo1, QStringLiteral("%1 de %2").arg(FPosicao).arg(FMaximo),
                           FPosicao, FMaximo, false);
    FVisao.ProcessaMensagens();
}

void TExportador::LimpaProgresso() {
    FRotulo1.clear();
    FPosicao = 0;
    FMaximo = 0;
    FVisao.MostraProgresso(QString(), QString(), 0, 0, false);
}

void TExportador::CarregaVersoes() {
    std::unique_ptr<TVersao> versoes;
    TRetornoPtr retorno = ApiVersaoTabelas(FHttp, Token(), versoes);
    if (retorno->StatusCode != 200) {
        GravaLogErro(Vazio, Vazio, QStringLiteral("CarregaVersoes"), retorno->Mensagem, false);
        throw EErro(QStringLiteral("Não foi possível Receber Versões"));
    }
    Versoes = std::move(versoes);
}

void TExportador::ExportaVersoes() {
    const QString nome = QStringLiteral("ExportaVersoes");
    IniciaProgresso(QString(), 1);
    try {
        if (!Versoes)
            throw EErro(QStringLiteral("Versões não carregadas"));
        TRetornoPtr retorno = ApiSalvaVersao(FHttp, Token(), *Versoes);
        if (retorno->StatusCode != 200) {
            GravaLogErro(Vazio, Vazio, nome, retorno->Mensagem, true);
            throw EErro(retorno->Mensagem);
        }
        AvancaProgresso();
    } catch (const std::exception& e) {
        const QString mensagem = mensagemDe(e);
        GravaLogErro(Vazio, Vazio, nome, mensagem, true);
        throw EErro(mensagem);
    }
}

void TExportador::ExportaEmitente() {
    const int local = VersaoLocal("versao_emitente");
    if (!Versoes)
        throw EErro(QStringLiteral("Versões não carregadas"));
    if (Versoes->Emitente >= local)
        return;
    CarregaDadosEmitente();
    const QString nome = QStringLiteral("ExportaEmitente");
    try {
        TRetornoPtr retorno = ApiAtualizaEmitente(FHttp, *Emitente);
        if (retorno->StatusCode != 200) {
            GravaLogErro(Vazio, Vazio, nome, retorno->Mensagem, true);
            throw EErro(retorno->Mensagem);
        }
        Versoes->Emitente = local;
    } catch (const std::exception& e) {
        // The emitter is tried again on the next run; the other tables go on.
        GravaLogErro(Vazio, Vazio, nome, mensagemDe(e), true);
    }
}

void TExportador::ExportaConfiguracao() {
    static const TMembroExportacao membro{"ExportaConfiguracao",
                                          nullptr,
                                          &TDM1::QConfiguracao,
                                          nullptr,
                                          nullptr,
                                          &cria<TListaConfiguracao>,
                                          &chama<TListaConfiguracao, &ApiAtualizaConfiguracao>,
                                          true,
                                          &TExportador::LeConfiguracao};
    // Without a row the picture switch reads off.
    FUsarMetodoImagemPasta = false;
    FExportarImagem = false;
    Exporta(membro);
}

void TExportador::ExportaFormaPagamento() {
    static const TMembroExportacao membro =
        comDiferenca(VARELO_MEMBRO("ExportaFormaPagamento", "Formas de Pagamento", QFormaPagamento,
                                   "versao_formapagamento", &TVersao::FormaPagamento,
                                   TListaFormaPagamento, ApiAtualizaFormaPagamento),
                     true, nullptr);
    Exporta(membro);
}

void TExportador::ExportaProduto() {
    static const TMembroExportacao membro =
        comDiferenca(VARELO_MEMBRO("ExportaProduto", "Produtos", QProduto, "versao_produto",
                                   &TVersao::Produto, TListaProduto, ApiAtualizaProduto),
                     false, &TExportador::AdicionaFoto);
    Exporta(membro);
}

void TExportador::ExportaCliente() {
    Exporta(Cliente);
}
void TExportador::ExportaGrupo() {
    Exporta(Grupo);
}
void TExportador::ExportaMarca() {
    Exporta(Marca);
}
void TExportador::ExportaCodigoBarra() {
    Exporta(CodigoBarra);
}
void TExportador::ExportaTabelaPreco() {
    Exporta(TabelaPreco);
}
void TExportador::ExportaTabelaPrecoVendedor() {
    Exporta(TabelaPrecoVendedor);
}
void TExportador::ExportaFuncionario() {
    Exporta(Funcionario);
}
void TExportador::ExportaVendedor() {
    Exporta(Vendedor);
}
void TExportador::ExportaVinculoProdutoCfop() {
    Exporta(VinculoProdutoCfop);
}
void TExportador::ExportaHistoricoPedido() {
    Exporta(HistoricoPedido);
}

void TExportador::LeConfiguracao(TObjetoDTO& registro, const TDataset&) {
    const auto& configuracao = static_cast<const TConfiguracao&>(registro);
    FUsarMetodoImagemPasta = configuracao.Usarmetodoimagempasta;
    FExportarImagem = configuracao.Exportarimagemprodutoordix;
}

void TExportador::AdicionaFoto(TObjetoDTO& registro, const TDataset& linha) {
    if (!FUsarMetodoImagemPasta || !FExportarImagem)
        return;
    const QString imagem = linha.AsString(QStringLiteral("imagem"));
    if (imagem.trimmed().isEmpty())
        return;
    // The name as stored: only the emptiness test ignores blanks.
    const QString caminho = FPastaImagens + imagem;
    if (!QFileInfo(caminho).isFile())
        return;
    static_cast<TProduto&>(registro).Foto = ImagemParaBase64(caminho);
}

void TExportador::Envia(const TMembroExportacao& membro, std::unique_ptr<TJsonDTO> lista) {
    TRetornoPtr retorno = membro.Chamada(FHttp, Token(), *lista);
    if (retorno->StatusCode != 200) {
        GravaLogErro(Vazio, Vazio, QLatin1String(membro.Nome), retorno->Mensagem, true);
        throw EErro(retorno->Mensagem);
    }
}

void TExportador::Exporta(const TMembroExportacao& membro) {
    const QString nome = QLatin1String(membro.Nome);
    int local = 0;
    if (membro.ColunaVersao) {
        if (!Versoes)
            throw EErro(QStringLiteral("Versões não carregadas"));
        local = VersaoLocal(membro.ColunaVersao);
        if (Versoes.get()->*membro.CampoVersao >= local)
            return;
    }
    try {
        TDataset& consulta = FDM.*membro.Consulta;
        int total = 0;
        if (membro.ColunaVersao) {
            const int servico = Versoes.get()->*membro.CampoVersao;
            // Counted apart so that the rows can be read one at a time.
            total = ContaAlteracoes(FDM.ZConnection1, consulta, servico);
            AbreAlteracoes(consulta, servico);
        } else {
            consulta.Close();
            consulta.Open();
        }
        if (membro.Legenda)
            IniciaProgresso(QString::fromUtf8(membro.Legenda), total);

        std::unique_ptr<TJsonDTO> modelo = membro.CriaLista();
        const TCampo* itens = modelo->Descritor().Campo(u"Items");
        const TDescritor& descritor = itens->Filho();
        const auto mapa = colunasDoRegistro(consulta.Registro(), descritor);
        const TCampo* emitente = campoPorChave(descritor, "cnpjcpf_emitente");
        const TCampo* versao = membro.ColunaVersao ? campoPorChave(descritor, "versao") : nullptr;
        const QString token = Token();

        std::vector<std::unique_ptr<TObjetoDTO>> lote;
        auto envia = [&] {
            std::unique_ptr<TJsonDTO> lista = membro.CriaLista();
            itens->LeLista(*lista).Substitui(std::move(lote));
            lote.clear();
            Envia(membro, std::move(lista));
        };
        int linha = 0;
        for (; !consulta.Eof(); consulta.Next()) {
            ++linha;
            std::unique_ptr<TObjetoDTO> registro = descritor.Cria();
            if (emitente)
                emitente->Grava(*registro, token);
            for (const auto& [coluna, campo] : mapa)
                campo->Grava(*registro, consulta.Registro().value(coluna));
            if (versao)
                versao->Grava(*registro, local);
            if (membro.AoLerLinha)
                (this->*membro.AoLerLinha)(*registro, consulta);
            lote.push_back(std::move(registro));
            if (!membro.LoteUnico &&
                (static_cast<int>(lote.size()) >= TamanhoLote || linha == total))
                envia();
            if (membro.Legenda)
                AvancaProgresso();
        }
        // Rows the count did not see (changed in between) still go, and a single list goes
        // even when empty.
        if (!lote.empty() || membro.LoteUnico)
            envia();
        if (membro.ColunaVersao)
            Versoes.get()->*membro.CampoVersao = local;
    } catch (const std::exception& e) {
        const QString mensagem = mensagemDe(e);
        GravaLogErro(Vazio, Vazio, nome, mensagem, true);
        throw EErro(mensagem);
    }
}

} // namespace exportador
