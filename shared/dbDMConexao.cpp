#include "dbDMConexao.h"

#include "Erro.h"
#include "uFuncoesUteis.h"

#include <QCoreApplication>

namespace {
std::unique_ptr<TDMConexao> modulo;

const char* const SqlFuncionarioLogado =
    "select f.codfuncionario, f.codcidade, f.nome as nomefuncionario, f.cpf, f.rg, "
    "f.logradouro, f.numero, f.bairro, f.cep, f.telefone as telefone01, f.celular as telefone02, "
    "f.email, f.datanascimento, f.usuario, f.senha, f.administrador from funcionario f "
    "where f.usuario = :usuario and f.senha = :senha";

const char* const SqlConfiguracao =
    "select c1.supervisor, c2.retaguardasupervisor, c1.pdvsenhafecharoperador, "
    "c2.retaguardasenhafecharoperador, c1.zerarsuprimentoaofecharoperador, "
    "c2.retaguardazerarsuprimentoaofecharoperador, c1.pdvgravasupsangrialivrocaixa, "
    "c2.retaguardagravasupsangrialivrocaixa, c1.pdvcodplanocontasangria, "
    "c2.retaguardacodplanocontasangria, c1.pdvcodplanocontasuprimento, "
    "c2.retaguardacodplanocontasuprimento, c1.pdvusarsaldolivrocaixasangria, "
    "c2.retaguardausarsaldolivrocaixasangria, c1.suprimentosangriacomsenha, "
    "c2.retaguardasuprimentosangriacomsenha, c1.senhaverificarsaldooperador, "
    "c2.retaguardasenhaverificarsaldooperador, c1.retiradadecaixaobrigatorio, "
    "c2.retaguardaretiradadecaixaobrigatorio, c1.valormaximocaixa, "
    "c2.retaguardavalormaximocaixa, c1.suprimentosangria2vias, "
    "c2.retaguardasuprimentosangria2vias, c1.pdvcontasareceber, c2.restcodplanocontasangria, "
    "c2.restcodplanocontasuprimento, c2.restgravasupsangrialivrocaixa, c1.operadorrestaurante, "
    "c2.restsuprimentosangria2vias, c1.pdvlogorelatorio, c1.linhacupomtroca01, "
    "c1.linhacupomtroca02, c1.linhacupomtroca03, c1.naoimprimipromissoriapdv, "
    "c1.pdvexibirlimiteclientepromissoria, c1.pdvexibirsaldodevedorpromissoria, "
    "c1.pdvpromissoriaprazomod02, c1.guiacontroleentrega, c1.pdvperguntaimprimircupom, "
    "c1.pdvperguntaimprimirdiretononao, c1.pdvgerencialtrocosolidario, c1.pdvtouch, "
    "c1.pdvusacartaosenhaadm, c2.retaguardausacartaosenhaadm, c1.pdvprefixocartao, "
    "c2.retaguardalogorelatorio, c1.pdvvisualizarimpressoes, c2.retaguardavisualizarimpressoes, "
    "c1.saircomesc, c1.pdvdatanascimentoclienteobrigatoria, c1.pdvtelefoneclienteobrigatorio, "
    "c2.pdvexibecodfichacliente, c1.pdvdestacarclientebloqueadoaopesquisar, "
    "c2.pdvnaoexibirclientebloqueado, c1.utilizarbaixaestoquerestaurante, c1.restaurante, "
    "c1.utilizabaixaautomaticacomposicao, c1.prodbaixardireto, c1.estoquenegativo, "
    "c1.alertaquantidademaxima, c2.restlogorelatorio, c1.reduziricmsbasepiscofins, "
    "c1.pdvexibirdescontoacrescimoitem, c1.pdvimprimiemumalinha, c1.rel_danfcasasdecimais, "
    "c1.pdvlogodanfe, c1.rel_algutalogo, c1.rel_larguralogo, c1.rel_largura, c1.rel_margemtopo, "
    "c1.rel_margemfundo, c1.rel_margemesquerda, c1.rel_margemdireita, "
    "c2.rest_supsang_motivo_obrigatorio, c2.rest_supsang_informa_planoconta, "
    "c2.restvalorsangriazerado, c2.caminhocopiaxmlnfce, c2.senhaadmalterarcadastrobairro, "
    "c2.visualizarimpressaorestaurante, c2.restconferirfechamentobrigatorio, "
    "c2.rest_supsang_informa_cliente, c2.rest_quitar_todas_contas_a_receber_no_suprimento "
    "from configuracao c1, configuracao2 c2";

const char* const SqlConfiguracaoNFCe =
    "SELECT codconfiguracao, certificadocaminho, certificadosenha, certificadonumerodeserie, "
    "certificadotipoemissao, geralatualizarxml, geralexibirerroschemas, geralformatoalerta, "
    "geralmodelodf, geralversaodf, geralidtoken, geraltoken, geralsalvar, geralretiraracentos, "
    "geralpathsalvar, geralpathschemas, webservicesuf, webservicesambiente, "
    "webservicesvisualizar, webservicessalvarsoap, webservicesajustaraut, webservicesaguardar, "
    "webservicestentativas, webservicesintervalo, arquivossalvar, arquivospastamensal, "
    "arquivosaddliteral, arquivosemissaopathnfe, arquivossalvarpathevento, "
    "arquivossepararporcnpj, arquivospathnfe, arquivospathcan, arquivospathinul, "
    "arquivospathdpec, arquivospathcce, arquivospathevento, emailhost, emailport, emailuser, "
    "emailpass, emailassunto, emailssl, emailmsg, CAST(danftipo AS VARCHAR(30)) AS danftipo, "
    "arquivosepararpormodelo, senhacertificado, qtdemcontigencia, temposaidacontigencia, "
    "naoentraremcontingencia, viascontingencia, exibirmsgalertaexcecao, "
    "naoatualizarnotascontingencia, motivopadraocancelamento, certificadopfx, senhapfx, "
    "sincrono, zipado FROM configuracaonfce";

const char* const SqlEmitente =
    "select e.codemitente, e.codcidade, e.razaosocial, e.nomefantasia, e.responsavel, e.cep, "
    "e.logradouro, e.numero, e.complemento, e.bairro, e.telefone, e.fax, e.celular, e.cnpjcpf, "
    "e.inscricaoestadualrg, e.inscricaomunicipal, e.email, e.site, e.cnaeprimario, "
    "e.cnaesecundario, rg.nomeregime, c.nomecidade, c.uf, c.codigomunicipio, e.codregime, "
    "e.dataliberacao, e.dataultimaabertura, e.versaosistema, e.versaobanco, e.versaosintegra, "
    "e.versaospedicms, e.versaospedpiscofins, e.versaovarelopdv, e.cpfresponsavel, e.cei, "
    "1058 as codpais, 'BRASIL' AS nomepais, '' as iest, "
    "case when (rg.nomeregime like '%Simples%') then 1 else 3 end as regimetrib, e.farmacia "
    "from emitente e inner join cidade c on c.codcidade=e.codcidade "
    "inner join regimetributario rg on rg.codregime=e.codregime";
} // namespace

TDMConexao::TDMConexao()
    : DBPostgres(QStringLiteral("DBPostgres"), QStringLiteral("VareloRetaguarda")),
      QFuncionarioLogado(DBPostgres, QString::fromUtf8(SqlFuncionarioLogado)),
      QConfiguracao(DBPostgres, QString::fromUtf8(SqlConfiguracao)),
      QConfiguracaoNFCe(DBPostgres, QString::fromUtf8(SqlConfiguracaoNFCe)),
      TabEmitente(DBPostgres, QString::fromUtf8(SqlEmitente)) {
    DBPostgres.User = QStringLiteral("postgres");
}

TDMConexao* DMConexao() { return modulo.get(); }

void LiberaDMConexao() { modulo.reset(); }

void AtivarDB(const TConexao& principal, int codigoFuncionario) {
    try {
        if (!modulo) {
            modulo = std::make_unique<TDMConexao>();
            // The connection must go before the SQL drivers do, at the application's end.
            qAddPostRoutine(LiberaDMConexao);
        }
        TDMConexao& dm = *modulo;
        dm.DBPostgres.Disconnect();
        dm.DBPostgres.Database = principal.Database;
        dm.DBPostgres.Port = principal.Port;
        dm.DBPostgres.Password = principal.Password;
        dm.DBPostgres.Server = principal.Server;
        dm.DBPostgres.Connect();

        dm.QFuncionarioLogado.Close();
        dm.QFuncionarioLogado.RemoveCondicao();
        dm.QFuncionarioLogado.SetCondicao(QStringLiteral("codfuncionario = :codfuncionario"),
                                          {{QStringLiteral("codfuncionario"), codigoFuncionario}});
        dm.QFuncionarioLogado.Open();
        dm.QConfiguracao.Close();
        dm.QConfiguracao.Open();
        dm.QConfiguracaoNFCe.Close();
        dm.QConfiguracaoNFCe.Open();
        dm.TabEmitente.Close();
        dm.TabEmitente.Open();
        // Nothing reads these rows after start-up: the connection is not kept busy.
        dm.QFuncionarioLogado.Close();
        dm.QConfiguracao.Close();
        dm.QConfiguracaoNFCe.Close();
        dm.TabEmitente.Close();
        dm.DBPostgres.Disconnect();
    } catch (const EErro& e) {
        if (modulo) {
            modulo->QFuncionarioLogado.Close();
            modulo->QConfiguracao.Close();
            modulo->QConfiguracaoNFCe.Close();
            modulo->TabEmitente.Close();
            modulo->DBPostgres.Disconnect();
        }
        GravaLogErro(QStringLiteral("ConexaoBanco"), QString(), QStringLiteral("AtivarDB"),
                     e.Mensagem(), true);
    }
}
