#pragma once

#include "ClienteHttp.h"
#include "Dto.Emitente.h"
#include "Dto.Versao.h"
#include "Pkg.Json.DTO.h"

#include <memory>
#include <QString>

class TDataset;

namespace exportador {

class IVisaoExportador;
class TDM1;
struct TMembroExportacao;

// The exporter's work on one data module, one window and one service: the emitter, the
// progress area, the versions and the export procedures. Every procedure runs on the window
// thread and reports a failure by raising EErro (after its log entries and alerts), which ends
// the run; ExportaEmitente alone lets the run go on.
class TExportador {
public:
    // `pastaImagens`: the product picture folder; a picture's path is the folder followed by
    // the product's "imagem" as stored.
    TExportador(TDM1& dm, IVisaoExportador& visao, TClienteHttp http, QString pastaImagens);
    ~TExportador();

    // The business itself (its Cnpjcpf is the token of every request); null until loaded.
    std::unique_ptr<TEmitente> Emitente;
    // The service's versions of the current run; null before the first run.
    std::unique_ptr<TVersao> Versoes;

    void CarregaDadosEmitente();

    // One complete export run; its first error ends it (raised to the caller) before the
    // versions are saved, so the next run sends again what this one moved.
    void ExportaTabelas();
    // Asks the service to delete everything it holds for the emitter; a refusal or a failure
    // is only logged.
    void ApagarTabelas();

    // The progress area: "Exportando <texto>" over "0 de <total>" (the bare text over nothing
    // when the total is 0); one record more; everything emptied.
    void IniciaProgresso(const QString& texto, int total);
    void AvancaProgresso();
    void LimpaProgresso();

    void CarregaVersoes();
    void ExportaVersoes();

    void ExportaEmitente();
    void ExportaConfiguracao();
    void ExportaFormaPagamento();
    void ExportaCliente();
    void ExportaGrupo();
    void ExportaMarca();
    void ExportaCodigoBarra();
    void ExportaProduto();
    void ExportaTabelaPreco();
    void ExportaTabelaPrecoVendedor();
    void ExportaFuncionario();
    void ExportaVendedor();
    void ExportaVinculoProdutoCfop();
    void ExportaHistoricoPedido();

    // The picture switch as the last configuration row read left it (both flags true).
    bool ExportaImagens() const { return FUsarMetodoImagemPasta && FExportarImagem; }

    static constexpr int TamanhoLote = 500;

private:
    void Exporta(const TMembroExportacao& membro);
    void Envia(const TMembroExportacao& membro, std::unique_ptr<TJsonDTO> lista);
    void LeConfiguracao(TObjetoDTO& registro, const TDataset& linha);
    void AdicionaFoto(TObjetoDTO& registro, const TDataset& linha);
    QString Token() const;
    int VersaoLocal(const char* coluna) const;

    TDM1& FDM;
    IVisaoExportador& FVisao;
    TClienteHttp FHttp;
    QString FPastaImagens;
    QString FRotulo1;
    int FPosicao = 0;
    int FMaximo = 0;
    bool FUsarMetodoImagemPasta = false;
    bool FExportarImagem = false;
};

} // namespace exportador
