// The back-office database of db/: the schema loads (also a second time, also through psql),
// the change logs follow every insert, update and delete, the statements of both programs run
// against it, its references refuse orphans, and the demo business is sound.

#include "ApresentadorGravador.h"
#include "BancoTeste.h"
#include "Caminhos.h"
#include "Conexao.h"
#include "Dataset.h"
#include "dbDMConexao.h"
#include "Erro.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include <memory>

namespace {

const QString BancoEsquema = QStringLiteral("tst_backoffice");
const QString BancoDemo = QStringLiteral("tst_backoffice_demo");
const QString BancoPsql = QStringLiteral("tst_backoffice_psql");

QString LeScript(const QString& nome) {
    QFile f(QStringLiteral(VARELO_SOURCE_DIR "/db/") + nome);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

// A connection of the test's own to one database of the test server.
class TSessao {
public:
    explicit TSessao(const QString& banco) : FNome(QUuid::createUuid().toString()) {
        const TServidorTeste s = TServidorTeste::DoAmbiente();
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), FNome);
        db.setHostName(s.Host);
        db.setPort(s.Porta);
        db.setUserName(s.Usuario);
        db.setPassword(s.Senha);
        db.setDatabaseName(banco);
        if (!db.open())
            Erro = db.lastError().text();
    }
    ~TSessao() {
        {
            QSqlDatabase db = QSqlDatabase::database(FNome, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(FNome);
    }
    TSessao(const TSessao&) = delete;
    TSessao& operator=(const TSessao&) = delete;

    QSqlDatabase Banco() const { return QSqlDatabase::database(FNome, false); }

    // Runs the statement, with bound values when there are any; Erro holds the server's text
    // (empty on success) and ErroCodigo its SQLSTATE.
    QSqlQuery Executa(const QString& sql, const QVariantMap& parametros = {}) {
        QSqlQuery q(Banco());
        q.setForwardOnly(true);
        bool ok;
        if (parametros.isEmpty()) {
            ok = q.exec(sql);
        } else {
            ok = q.prepare(sql);
            for (auto it = parametros.cbegin(); ok && it != parametros.cend(); ++it)
                q.bindValue(QLatin1Char(':') + it.key(), it.value());
            ok = ok && q.exec();
        }
        Erro = ok ? QString() : q.lastError().text();
        ErroCodigo = ok ? QString() : q.lastError().nativeErrorCode();
        return q;
    }

    // The first column of the first row (invalid when there is none or the statement failed).
    QVariant Valor(const QString& sql, const QVariantMap& parametros = {}) {
        QSqlQuery q = Executa(sql, parametros);
        return q.next() ? q.value(0) : QVariant();
    }

    // The rows of a change log above `desde`, oldest first: the key, marked when deleted.
    QStringList NovasAlteracoes(const QString& tabelaLog, int desde) {
        QSqlQuery q = Executa(QStringLiteral("select codigo, deletado from %1 where id > %2 "
                                             "order by id")
                                  .arg(tabelaLog)
                                  .arg(desde));
        QStringList linhas;
        while (q.next())
            linhas << q.value(0).toString() +
                          (q.value(1).toBool() ? QStringLiteral(" excluído") : QString());
        return linhas;
    }

    int UltimaAlteracao(const QString& tabelaLog) {
        return Valor(QStringLiteral("select coalesce(max(id), 0) from %1").arg(tabelaLog)).toInt();
    }

    QString Erro;
    QString ErroCodigo;

private:
    QString FNome;
};

int ContaLinhas(QSqlQuery& q) {
    int n = 0;
    while (q.next())
        ++n;
    return n;
}

// The local versions the exporter reads at the start of every run.
const char* const SqlVersao =
    "SELECT (select COALESCE(max(id),0) from offline_configuracao) as versao_configuracao, "
    "(select COALESCE(max(id),0) from offline_configuracao2) as versao_configuracao2, "
    "(select COALESCE(max(id),0) from offline_configuracaonfce) as versao_configuracaonfce, "
    "(select COALESCE(max(id),0) from offline_funcionario) as versao_funcionario, "
    "(select COALESCE(max(id),0) from offline_modeloserie) as versao_modeloserie, "
    "(select COALESCE(max(id),0) from offline_caixa) as versao_caixa, "
    "(select COALESCE(max(id),0) from offline_regimetributario) as versao_regimetributario, "
    "(select COALESCE(max(id),0) from offline_emitente) as versao_emitente, "
    "(select COALESCE(max(id),0) from offline_cliente) as versao_cliente, "
    "(select COALESCE(max(id),0) from offline_planoconta) as versao_planoconta, "
    "(select COALESCE(max(id),0) from offline_formapagamento) as versao_formapagamento, "
    "(select COALESCE(max(id),0) from offline_cfop) as versao_cfop, "
    "(select COALESCE(max(id),0) from offline_aliquotaecf) as versao_aliquotaecf, "
    "(select COALESCE(max(id),0) from offline_setor) as versao_setor, "
    "(select COALESCE(max(id),0) from offline_grupo) as versao_grupo, "
    "(select COALESCE(max(id),0) from offline_produto) as versao_produto, "
    "(select COALESCE(max(id),0) from offline_codigobarra) as versao_codigobarra, "
    "(select COALESCE(max(id),0) from offline_produtoorigemfinal) as "
    "versao_produtoorigemfinal, "
    "(select COALESCE(max(id),0) from offline_promocao) as versao_promocao, "
    "(select COALESCE(max(id),0) from offline_promocaoproduto) as versao_promocaoproduto, "
    "(select COALESCE(max(id),0) from offline_corcaixa) as versao_corcaixa, "
    "(select COALESCE(max(id),0) from offline_marca) as versao_marca, "
    "(select COALESCE(max(id),0) from offline_tabelaprecoproduto) as versao_tabelapreco, "
    "(select COALESCE(max(id),0) from offline_tabelaprecovendedor) as "
    "versao_tabelaprecovendedor, "
    "(select COALESCE(max(id),0) from offline_vendedor) as versao_vendedor, "
    "(select COALESCE(max(id),0) from offline_vinculoprodutocfop) as "
    "versao_vinculoprodutocfop, "
    "(select COALESCE(max(id),0) from offline_produtopedidovenda) as versao_historicopedido";

// The exporter's twelve change-log queries: the rows changed since the version ":versao"
// (every row for -1), deletions first.
const char* const SqlFormaPagamento =
    "select COALESCE(o.deletado,false) as deletado, "
    "case when fp.codformapagamento is null then o.codigo else fp.codformapagamento "
    "end as codformapagamento, fp.descricao, fp.tipotratamento, fp.intervalo, fp.parcelas "
    "from formapagamento fp "
    "full join offline_formapagamento o on o.codigo=fp.codformapagamento "
    "where case when o.deletado = false and fp.codformapagamento is null then false else true "
    "end and case when :versao > -1 then o.id > :versao else true end "
    "group by o.deletado, o.codigo, fp.codformapagamento, fp.descricao, fp.tipotratamento, "
    "fp.intervalo, fp.parcelas order by o.deletado desc";

const char* const SqlCliente =
    "select COALESCE(o.deletado,false) as deletado, "
    "case when c.codcliente is null then o.codigo else c.codcliente end as codcliente, "
    "c.codvendedor, c.codcidade, c.razaosocialnome, c.nomefantasia, c.contato, ci.nomecidade, "
    "ci.uf, c.cep, c.logradouro, c.numero, c.complemento, c.bairro, c.telefone, c.fax, "
    "c.celular, c.inscricaoestadualrg, c.inscricaomunicipal, c.email, c.cnpjcpf, c.tipopreco, "
    "c.exibirnodispositivo, c.inativo, c.acrescimoindividual, c.pedidocomst "
    "from cliente c left join cidade ci on ci.codcidade = c.codcidade "
    "full join offline_cliente o on o.codigo=c.codcliente "
    "where case when o.deletado = false and c.codcliente is null then false else true end "
    "and case when :versao > -1 then o.id > :versao else true end "
    "group by o.deletado, o.codigo, c.codcliente, c.codvendedor, c.codcidade, "
    "c.razaosocialnome, c.nomefantasia, c.contato, ci.nomecidade, ci.uf, c.cep, c.logradouro, "
    "c.numero, c.complemento, c.bairro, c.telefone, c.fax, c.celular, c.inscricaoestadualrg, "
    "c.inscricaomunicipal, c.email, c.cnpjcpf, c.tipopreco, c.exibirnodispositivo, c.inativo, "
    "c.acrescimoindividual, c.pedidocomst order by o.deletado desc";

const char* const SqlGrupo =
    "select COALESCE(o.deletado,false) as deletado, "
    "case when g.codgrupo is null then o.codigo else g.codgrupo end as codgrupo, "
    "g.codsetor, g.nomegrupo from grupo g full join offline_grupo o on o.codigo=g.codgrupo "
    "where case when o.deletado = false and g.codgrupo is null then false else true end "
    "and case when :versao > -1 then o.id > :versao else true end "
    "group by o.deletado, o.codigo, g.codgrupo, g.codsetor, g.nomegrupo "
    "order by o.deletado desc";

const char* const SqlMarca =
    "select COALESCE(o.deletado,false) as deletado, "
    "case when m.codmarca is null then o.codigo else m.codmarca end as codmarca, "
    "m.marcadescricao from marca m full join offline_marca o on o.codigo=m.codmarca "
    "where case when o.deletado = false and m.codmarca is null then false else true end "
    "and case when :versao > -1 then o.id > :versao else true end "
    "group by o.deletado, o.codigo, m.codmarca, m.marcadescricao order by o.deletado desc";

const char* const SqlCodigoBarra =
    "select COALESCE(o.deletado,false) as deletado, "
    "case when cb.codcodigobarra is null then o.codigo else cb.codcodigobarra "
    "end as codcodigobarra, cb.codproduto, cb.codigobarra from codigobarra cb "
    "full join offline_codigobarra o on o.codigo=cb.codcodigobarra "
    "where case when o.deletado = false and cb.codcodigobarra is null then false else true end "
    "and case when :versao > -1 then o.id > :versao else true end "
    "group by o.deletado, o.codigo, cb.codcodigobarra, cb.codproduto, cb.codigobarra "
    "order by o.deletado desc";

const char* const SqlProduto =
    "select COALESCE(o.deletado,false) as deletado, "
    "case when p.codproduto is null then o.codigo else p.codproduto end as codproduto, "
    "p.quantidade, p.descricao, p.aplicacao, p.preco, p.precorevenda, p.precorevista, p.mva, "
    "p.ncm, p.unidademedida, p.codgrupo, p.codalternativoa, p.promocao, p.codmarca, "
    "p.pesoparacalculo, p.tipo, p.imagem, p.exibirtablet, p.inativo from produto p "
    "full join offline_produto o on o.codigo=p.codproduto "
    "where case when o.deletado = false and p.codproduto is null then false else true end "
    "and case when :versao > -1 then o.id > :versao else true end "
    "group by o.deletado, o.codigo, p.codproduto, p.quantidade, p.descricao, p.aplicacao, "
    "p.preco, p.precorevenda, p.precorevista, p.mva, p.ncm, p.unidademedida, p.codgrupo, "
    "p.codalternativoa, p.promocao, p.codmarca, p.pesoparacalculo, p.tipo, p.imagem, "
    "p.exibirtablet, p.inativo order by o.deletado desc";

const char* const SqlTabelaPreco =
    "select COALESCE(o.deletado,false) as deletado, "
    "case when tpp.codtabpreco is null then o.codigo else tpp.codtabpreco end as codtabpreco, "
    "tp.codtabelapreco, tp.descricao, tp.regiao, tpp.codproduto, tpp.preco, tpp.precofaccao, "
    "tpp.precominimo from tabelaprecoproduto tpp "
    "inner join tabelapreco tp on tpp.codtabelapreco=tp.codtabelapreco "
    "full join offline_tabelaprecoproduto o on o.codigo=tpp.codtabpreco "
    "where case when o.deletado = false and tpp.codtabpreco is null then false else true end "
    "and case when :versao > -1 then o.id > :versao else true end "
    "group by o.deletado, o.codigo, tpp.codtabpreco, tp.codtabelapreco, tp.descricao, "
    "tp.regiao, tpp.codproduto, tpp.preco, tpp.precofaccao, tpp.precominimo "
    "order by o.deletado desc";

const char* const SqlTabelaPrecoVendedor =
    "select COALESCE(o.deletado,false) as deletado, "
    "case when tpv.codtabelaprecovendedor is null then o.codigo "
    "else tpv.codtabelaprecovendedor end as codtabelaprecovendedor, tpv.codvendedor, "
    "tpv.codtabelapreco from tabelaprecovendedor tpv "
    "full join offline_tabelaprecovendedor o on o.codigo=tpv.codtabelaprecovendedor "
    "where case when o.deletado = false and tpv.codtabelaprecovendedor is null then false "
    "else true end and case when :versao > -1 then o.id > :versao else true end "
    "group by o.deletado, o.codigo, tpv.codtabelaprecovendedor, tpv.codvendedor, "
    "tpv.codtabelapreco order by o.deletado desc";

const char* const SqlFuncionario =
    "select COALESCE(o.deletado,false) as deletado, "
    "case when f.codfuncionario is null then o.codigo else f.codfuncionario "
    "end as codfuncionario, f.nome, f.usuario, f.senha from funcionario f "
    "full join offline_funcionario o on o.codigo=f.codfuncionario "
    "where case when o.deletado = false and f.codfuncionario is null then false else true end "
    "and case when :versao > -1 then o.id > :versao else true end "
    "group by o.deletado, o.codigo, f.codfuncionario, f.nome, f.usuario, f.senha "
    "order by o.deletado desc";

const char* const SqlVendedor =
    "select COALESCE(o.deletado,false) as deletado, "
    "case when v.codvendedor is null then o.codigo else v.codvendedor end as codvendedor, "
    "v.nome, v.codfuncionario, v.ultilizarmultiplosprecostabelapreco, v.valormaxdesconto "
    "from vendedor v full join offline_vendedor o on o.codigo=v.codvendedor "
    "where case when o.deletado = false and v.codvendedor is null then false else true end "
    "and case when :versao > -1 then o.id > :versao else true end "
    "group by o.deletado, o.codigo, v.codvendedor, v.nome, v.codfuncionario, "
    "v.ultilizarmultiplosprecostabelapreco, v.valormaxdesconto order by o.deletado desc";

const char* const SqlVinculoProdutoCfop =
    "select COALESCE(o.deletado,false) as deletado, "
    "case when vp.codvinculoprodutocfop is null then o.codigo else vp.codvinculoprodutocfop "
    "end as codvinculoprodutocfop, vp.codproduto, vp.aliquotaicms, vp.mva, vp.ufemissao "
    "from vinculoprodutocfop vp "
    "full join offline_vinculoprodutocfop o on o.codigo=vp.codvinculoprodutocfop "
    "where case when o.deletado = false and vp.codvinculoprodutocfop is null then false "
    "else true end and case when :versao > -1 then o.id > :versao else true end "
    "and vp.cstcsosn = '201' "
    "group by o.deletado, o.codigo, vp.codvinculoprodutocfop, vp.codproduto, vp.aliquotaicms, "
    "vp.mva, vp.ufemissao order by o.deletado desc";

const char* const SqlHistoricoPedido =
    "select COALESCE(o.deletado,false) as deletado, "
    "case when ppv.codprodutopedidovenda is null then o.codigo "
    "else ppv.codprodutopedidovenda end as codprodutopedidovenda, pv.codpedidovenda, "
    "pv.codcliente, ppv.codproduto, pv.codvendedor, "
    "COALESCE(ppv.valorunitario,0) as valorunitario, "
    "COALESCE(pv.valortotalprodutos,0) as valortotalprodutos, "
    "COALESCE(pv.valortotalpedido,0) as valortotalpedido, "
    "COALESCE(pv.datapedido, now()) as datapedido, COALESCE(ppv.quantidade,0) as quantidade, "
    "pv.idnuvem from pedidovenda pv "
    "inner join produtopedidovenda ppv on ppv.codpedidovenda = pv.codpedidovenda "
    "full join offline_produtopedidovenda o on o.codigo=ppv.codprodutopedidovenda "
    "where case when o.deletado = false and ppv.codprodutopedidovenda is null then false "
    "else true end and case when :versao > -1 then o.id > :versao else true end "
    "and ppv.quantidade > 0 "
    "group by o.deletado, o.codigo, ppv.codprodutopedidovenda, pv.codpedidovenda, "
    "pv.codcliente, ppv.codproduto, pv.codvendedor, ppv.valorunitario, pv.valortotalprodutos, "
    "pv.valortotalpedido, pv.datapedido, ppv.quantidade, pv.idnuvem order by o.deletado desc";

// Check digits of a CPF (11 digits) or CNPJ (14 digits).
bool DocumentoValido(const QString& documento) {
    QString d = documento;
    d.remove(QRegularExpression(QStringLiteral("[^0-9]")));
    auto digito = [&](int tamanho, const QList<int>& pesos) {
        int soma = 0;
        for (int i = 0; i < tamanho; ++i)
            soma += d[i].digitValue() * pesos[i];
        const int resto = soma % 11;
        return resto < 2 ? 0 : 11 - resto;
    };
    if (d.size() == 11) {
        if (d == QString(11, d[0]))
            return false;
        return digito(9, {10, 9, 8, 7, 6, 5, 4, 3, 2}) == d[9].digitValue() &&
               digito(10, {11, 10, 9, 8, 7, 6, 5, 4, 3, 2}) == d[10].digitValue();
    }
    if (d.size() == 14)
        return digito(12, {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2}) == d[12].digitValue() &&
               digito(13, {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2}) == d[13].digitValue();
    return false;
}

} // namespace

class TstBackoffice : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void esquemaCarregaDeNovoSobreDados_data();
    void esquemaCarregaDeNovoSobreDados();
    void carregaPeloPsql();
    void colunasDosProgramas_data();
    void colunasDosProgramas();

    void logDeAlteracoes_data();
    void logDeAlteracoes();
    void logDaChaveTrocadaEDosDependentes_data();
    void logDaChaveTrocadaEDosDependentes();
    void consultaDeAlteracoesSegueOLog();

    void consultasDeInicio();
    void ativarDBSemErros_data();
    void ativarDBSemErros();
    void consultasDosProgramas_data();
    void consultasDosProgramas();
    void consultasDeAlteracoes_data();
    void consultasDeAlteracoes();

    void referenciasRecusamOrfaos_data();
    void referenciasRecusamOrfaos();
    void pedidoDoAplicativoSemCodigosConhecidos();

    void demoTemDocumentosValidos();

private:
    QTemporaryDir FPasta;
    // One connection per database for the whole run: logging in costs more than most checks.
    std::unique_ptr<TSessao> FEsquema;
    std::unique_ptr<TSessao> FDemo;
};

void TstBackoffice::initTestCase() {
    QVERIFY(FPasta.isValid());
    // Errors of AtivarDB are logged beside the executable: keep them in a folder of the test.
    DefineCaminhoExecutavel(FPasta.filePath(QStringLiteral("tst_backoffice")));
    const QString esquema = CriaBancoTeste(BancoEsquema);
    QVERIFY2(esquema.isEmpty(), qPrintable(esquema));
    const QString demo = CriaBancoTeste(BancoDemo, {QStringLiteral("demo.sql")});
    QVERIFY2(demo.isEmpty(), qPrintable(demo));
    FEsquema = std::make_unique<TSessao>(BancoEsquema);
    QVERIFY2(FEsquema->Erro.isEmpty(), qPrintable(FEsquema->Erro));
    FDemo = std::make_unique<TSessao>(BancoDemo);
    QVERIFY2(FDemo->Erro.isEmpty(), qPrintable(FDemo->Erro));
}

void TstBackoffice::cleanupTestCase() {
    FEsquema.reset();
    FDemo.reset();
}

void TstBackoffice::cleanup() {
    LiberaDMConexao();
}

// ---------------------------------------------------------------------------------------------
// Loading

void TstBackoffice::esquemaCarregaDeNovoSobreDados_data() {
    QTest::addColumn<QString>("banco");
    QTest::newRow("esquema vazio") << BancoEsquema;
    QTest::newRow("com a demonstração") << BancoDemo;
}

// Installers run the schema on databases that already hold it; nothing may fail or be lost.
void TstBackoffice::esquemaCarregaDeNovoSobreDados() {
    QFETCH(QString, banco);
    TSessao& s = banco == BancoDemo ? *FDemo : *FEsquema;
    const int clientes = s.Valor(QStringLiteral("select count(*) from cliente")).toInt();
    const int versao = s.UltimaAlteracao(QStringLiteral("offline_cliente"));

    const QString erro = ExecutaSqlTeste(banco, LeScript(QStringLiteral("backoffice.sql")));
    QVERIFY2(erro.isEmpty(), qPrintable(erro));
    QCOMPARE(s.Valor(QStringLiteral("select count(*) from cliente")).toInt(), clientes);
    QCOMPARE(s.UltimaAlteracao(QStringLiteral("offline_cliente")), versao);
    // Still three triggers per table: a second load must not double the change logs.
    QCOMPARE(s.Valor(QStringLiteral("select count(*) from pg_trigger where tgrelid = "
                                    "to_regclass('cliente') and not tgisinternal"))
                 .toInt(),
             3);
}

// The demo script loads both files with psql, stopping at the first error.
void TstBackoffice::carregaPeloPsql() {
    const QString psql = QStandardPaths::findExecutable(QStringLiteral("psql"));
    QVERIFY2(!psql.isEmpty(), "psql não encontrado no PATH");
    QCOMPARE(
        ExecutaSqlTeste(QStringLiteral("postgres"),
                        QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(BancoPsql)),
        QString());
    QCOMPARE(ExecutaSqlTeste(QStringLiteral("postgres"),
                             QStringLiteral("CREATE DATABASE %1 ENCODING 'UTF8' TEMPLATE "
                                            "template0")
                                 .arg(BancoPsql)),
             QString());

    const TServidorTeste s = TServidorTeste::DoAmbiente();
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("PGPASSWORD"), s.Senha);
    for (const QString& script : {QStringLiteral("backoffice.sql"), QStringLiteral("demo.sql")}) {
        QProcess p;
        p.setProcessEnvironment(ambiente);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(psql, {QStringLiteral("-q"), QStringLiteral("-X"), QStringLiteral("-v"),
                       QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-h"), s.Host,
                       QStringLiteral("-p"), QString::number(s.Porta), QStringLiteral("-U"),
                       s.Usuario, QStringLiteral("-d"), BancoPsql, QStringLiteral("-f"),
                       QStringLiteral(VARELO_SOURCE_DIR "/db/") + script});
        QVERIFY(p.waitForFinished(60000));
        QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0,
                 qPrintable(script + QStringLiteral(": ") + QString::fromUtf8(p.readAll())));
    }
    TSessao sessao(BancoPsql);
    QCOMPARE(sessao.Valor(QStringLiteral("select razaosocial from emitente")).toString(),
             QStringLiteral("Distribuidora Serra Dourada Ltda"));
}

void TstBackoffice::colunasDosProgramas_data() {
    QTest::addColumn<QString>("tabela");
    QTest::addColumn<QString>("coluna");
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QString>("padrao"); // "*": any

    const QString vc = QStringLiteral("character varying(%1)");
    const QString dp = QStringLiteral("double precision");
    const QString in = QStringLiteral("integer");
    const QString bo = QStringLiteral("boolean");
    auto seq = [](const char* nome) {
        return QStringLiteral("nextval('%1'::regclass)").arg(QLatin1String(nome));
    };
    auto linha = [](const char* tabela, const char* coluna, const QString& tipo,
                    const QString& padrao = QStringLiteral("*")) {
        QTest::addRow("%s.%s", tabela, coluna)
            << QString::fromLatin1(tabela) << QString::fromLatin1(coluna) << tipo << padrao;
    };

    // Keys the importer draws from their sequences when it starts a row.
    linha("pedidovenda", "codpedidovenda", in, seq("pedidovenda_codpedidovenda_seq"));
    linha("produtopedidovenda", "codprodutopedidovenda", in,
          seq("produtopedidovenda_codprodutopedidovenda_seq"));
    linha("produtopedidovenda", "sequencia", in, seq("produtopedidovenda_sequencia_seq"));
    linha("pgtopedidovenda", "codpgtopedidovenda", in,
          seq("pgtopedidovenda_codpgtopedidovenda_seq"));
    linha("pgtopedidoimportacao", "codpgtopedidoimportacao", in,
          seq("pgtopedidoimportacao_codpgtopedidoimportacao_seq"));
    linha("cliente", "codcliente", in, seq("cliente_codcliente_seq"));
    linha("emitente", "codemitente", in, seq("emitente_codemitente_seq"));

    // Settings and columns the importer leaves to their defaults.
    linha("configuracao", "importarpedidoautomaticoimportador", bo, QStringLiteral("true"));
    linha("configuracao", "utilizamultiplopgtopedido", bo, QStringLiteral("false"));
    linha("configuracao", "gravarpedidofechadoimportadoordixmobile", bo, QStringLiteral("false"));
    linha("pgtopedidovenda", "troco", dp, QStringLiteral("0"));
    linha("pgtopedidoimportacao", "numeronf", in, QStringLiteral("0"));

    // Types and widths the importer cuts its values to.
    linha("emitente", "razaosocial", vc.arg(60));
    linha("emitente", "cnpjcpf", vc.arg(18));
    linha("pedidovenda", "datapedido", QStringLiteral("date"));
    linha("pedidovenda", "horapedido", QStringLiteral("time without time zone"));
    linha("pedidovenda", "observacao", vc.arg(1000));
    linha("pedidovenda", "tipo", QStringLiteral("character(1)"));
    linha("pedidovenda", "condicional", QStringLiteral("character(1)"));
    linha("pedidovenda", "faturamento", vc.arg(10));
    linha("pedidovenda", "status", QStringLiteral("character(2)"));
    linha("pedidovenda", "valortotalprodutos", dp);
    linha("pedidovenda", "idnuvem", in);
    linha("produtopedidovenda", "observacaoitem", vc.arg(1000));
    linha("produtopedidovenda", "precoalterado", bo);
    linha("pgtopedidoimportacao", "datavencimento", QStringLiteral("date"));
    linha("cliente", "razaosocialnome", vc.arg(65));
    linha("cliente", "nomefantasia", vc.arg(41));
    linha("cliente", "cnpjcpf", vc.arg(18));
    linha("cliente", "inscricaoestadualrg", vc.arg(20));
    linha("cliente", "inscricaomunicipal", vc.arg(10));
    linha("cliente", "contato", vc.arg(30));
    linha("cliente", "cep", vc.arg(9));
    linha("cliente", "numero", vc.arg(20));
    linha("cliente", "complemento", vc.arg(40));
    linha("cliente", "email", vc.arg(1000));
    linha("cliente", "tipopreco", vc.arg(15));
    linha("cliente", "acrescimoindividual", dp);

    // Read by the exporter with fixed-width types.
    linha("cidade", "uf", QStringLiteral("character(2)"));
    linha("produto", "ncm", QStringLiteral("character(10)"));
    linha("codigobarra", "codigobarra", vc.arg(14));
}

// The programs cut text to these widths and draw keys from these sequences by name.
void TstBackoffice::colunasDosProgramas() {
    QFETCH(QString, tabela);
    QFETCH(QString, coluna);
    QFETCH(QString, tipo);
    QFETCH(QString, padrao);
    TSessao& s = *FEsquema;
    QSqlQuery q = s.Executa(
        QStringLiteral("select format_type(a.atttypid, a.atttypmod), "
                       "coalesce(pg_get_expr(d.adbin, d.adrelid), '') from pg_attribute a "
                       "left join pg_attrdef d on d.adrelid = a.attrelid and d.adnum = a.attnum "
                       "where a.attrelid = to_regclass(:tabela) and a.attname = :coluna "
                       "and not a.attisdropped"),
        {{QStringLiteral("tabela"), tabela}, {QStringLiteral("coluna"), coluna}});
    QVERIFY2(s.Erro.isEmpty(), qPrintable(s.Erro));
    QVERIFY2(q.next(), "coluna ausente");
    QCOMPARE(q.value(0).toString(), tipo);
    if (padrao != QStringLiteral("*"))
        QCOMPARE(q.value(1).toString(), padrao);
}

// ---------------------------------------------------------------------------------------------
// Change logs

void TstBackoffice::logDeAlteracoes_data() {
    QTest::addColumn<QString>("tabela");
    QTest::addColumn<QString>("chave");
    QTest::addColumn<QString>("preparo");
    QTest::addColumn<QString>("insercao");  // inserts the row with key 900
    QTest::addColumn<QString>("alteracao"); // SET clause that changes it

    const QString produto =
        QStringLiteral("insert into produto (codproduto, descricao) values (901, 'Produto');");
    const QString tabelaPreco = QStringLiteral(
        "insert into tabelapreco (codtabelapreco, descricao) values (901, 'Tabela');");
    auto linha = [](const char* tabela, const char* chave, const QString& preparo,
                    const char* insercao, const char* alteracao) {
        QTest::newRow(tabela) << QString::fromLatin1(tabela) << QString::fromLatin1(chave)
                              << preparo << QString::fromUtf8(insercao)
                              << QString::fromUtf8(alteracao);
    };
    linha("configuracao", "codconfiguracao", {},
          "insert into configuracao (codconfiguracao) values (900)", "restaurante = true");
    linha("configuracao2", "codconfiguracao2", {},
          "insert into configuracao2 (codconfiguracao2) values (900)",
          "pdvexibecodfichacliente = true");
    linha("configuracaonfce", "codconfiguracao", {},
          "insert into configuracaonfce (codconfiguracao) values (900)", "webservicesambiente = 1");
    linha("regimetributario", "codregime", {},
          "insert into regimetributario (codregime, nomeregime) values (900, 'Lucro Real')",
          "nomeregime = 'Lucro Presumido'");
    linha("emitente", "codemitente",
          QStringLiteral("insert into cidade (codcidade, nomecidade, uf) values (901, 'Goiás', "
                         "'GO'); insert into regimetributario (codregime, nomeregime) values "
                         "(901, 'Simples Nacional');"),
          "insert into emitente (codemitente, codcidade, codregime, razaosocial, cnpjcpf) values "
          "(900, 901, 901, 'Empresa', '34.719.526/0001-48')",
          "razaosocial = 'Empresa Nova'");
    linha("funcionario", "codfuncionario", {},
          "insert into funcionario (codfuncionario, nome) values (900, 'Fulano')",
          "senha = 'nova'");
    linha("vendedor", "codvendedor", {},
          "insert into vendedor (codvendedor, nome) values (900, 'Vendedor')",
          "valormaxdesconto = 10");
    linha("cliente", "codcliente", {},
          "insert into cliente (codcliente, razaosocialnome) values (900, 'Cliente')",
          "inativo = true");
    linha("setor", "codsetor", {}, "insert into setor (codsetor, nomesetor) values (900, 'Setor')",
          "nomesetor = 'Outro'");
    linha("grupo", "codgrupo", {}, "insert into grupo (codgrupo, nomegrupo) values (900, 'Grupo')",
          "nomegrupo = 'Outro'");
    linha("marca", "codmarca", {},
          "insert into marca (codmarca, marcadescricao) values (900, 'Marca')",
          "marcadescricao = 'Outra'");
    linha("produto", "codproduto", {},
          "insert into produto (codproduto, descricao) values (900, 'Produto')", "preco = 12.5");
    linha("codigobarra", "codcodigobarra", produto,
          "insert into codigobarra (codcodigobarra, codproduto, codigobarra) values "
          "(900, 901, '7896314001016')",
          "codigobarra = '7896314001023'");
    linha("vinculoprodutocfop", "codvinculoprodutocfop", produto,
          "insert into vinculoprodutocfop (codvinculoprodutocfop, codproduto, ufemissao, "
          "cstcsosn) values (900, 901, 'GO', '201')",
          "aliquotaicms = 17");
    linha("tabelaprecoproduto", "codtabpreco", produto + tabelaPreco,
          "insert into tabelaprecoproduto (codtabpreco, codtabelapreco, codproduto, preco) "
          "values (900, 901, 901, 10)",
          "preco = 11");
    linha("tabelaprecovendedor", "codtabelaprecovendedor",
          tabelaPreco + QStringLiteral("insert into vendedor (codvendedor, nome) values (901, "
                                       "'Vendedor'); insert into tabelapreco (codtabelapreco, "
                                       "descricao) values (902, 'Outra');"),
          "insert into tabelaprecovendedor (codtabelaprecovendedor, codvendedor, codtabelapreco) "
          "values (900, 901, 901)",
          "codtabelapreco = 902");
    linha("formapagamento", "codformapagamento", {},
          "insert into formapagamento (codformapagamento, descricao) values (900, 'PIX')",
          "parcelas = 2");
    linha("produtopedidovenda", "codprodutopedidovenda",
          produto + QStringLiteral("insert into cliente (codcliente) values (901); insert into "
                                   "pedidovenda (codpedidovenda, codcliente) values (901, 901);"),
          "insert into produtopedidovenda (codprodutopedidovenda, codpedidovenda, codproduto, "
          "quantidade) values (900, 901, 901, 1)",
          "quantidade = 3");
}

// Each insert, real update and delete adds one row with a higher id; an update that changes
// nothing adds none, so saving an unchanged form does not resend the record.
void TstBackoffice::logDeAlteracoes() {
    QFETCH(QString, tabela);
    QFETCH(QString, chave);
    QFETCH(QString, preparo);
    QFETCH(QString, insercao);
    QFETCH(QString, alteracao);
    TSessao& s = *FEsquema;
    QVERIFY(s.Banco().transaction());
    const auto desfaz = qScopeGuard([&] { s.Banco().rollback(); });
    if (!preparo.isEmpty()) {
        s.Executa(preparo);
        QVERIFY2(s.Erro.isEmpty(), qPrintable(s.Erro));
    }
    const QString log = QStringLiteral("offline_") + tabela;
    const QString altera =
        QStringLiteral("update %1 set %2 where %3 = 900").arg(tabela, alteracao, chave);

    const int inicio = s.UltimaAlteracao(log);
    s.Executa(insercao);
    QVERIFY2(s.Erro.isEmpty(), qPrintable(s.Erro));
    QCOMPARE(s.NovasAlteracoes(log, inicio), QStringList{QStringLiteral("900")});

    const int inserido = s.UltimaAlteracao(log);
    s.Executa(altera);
    QVERIFY2(s.Erro.isEmpty(), qPrintable(s.Erro));
    QCOMPARE(s.NovasAlteracoes(log, inserido), QStringList{QStringLiteral("900")});

    const int alterado = s.UltimaAlteracao(log);
    QVERIFY(alterado > inserido);
    s.Executa(altera);
    QVERIFY2(s.Erro.isEmpty(), qPrintable(s.Erro));
    QCOMPARE(s.NovasAlteracoes(log, alterado), QStringList());

    s.Executa(QStringLiteral("delete from %1 where %2 = 900").arg(tabela, chave));
    QVERIFY2(s.Erro.isEmpty(), qPrintable(s.Erro));
    QCOMPARE(s.NovasAlteracoes(log, alterado), QStringList{QStringLiteral("900 excluído")});
    QVERIFY(s.UltimaAlteracao(log) > alterado);
}

void TstBackoffice::logDaChaveTrocadaEDosDependentes_data() {
    QTest::addColumn<QString>("alteracao");
    QTest::addColumn<QString>("log");
    QTest::addColumn<QStringList>("esperado");

    QTest::newRow("chave do cliente trocada")
        << QStringLiteral("update cliente set codcliente = 70 where codcliente = 7")
        << QStringLiteral("offline_cliente")
        << QStringList{QStringLiteral("7 excluído"), QStringLiteral("70")};
    QTest::newRow("nome da cidade: seus clientes")
        << QStringLiteral("update cidade set nomecidade = 'Goiania' where codcidade = 2")
        << QStringLiteral("offline_cliente")
        << QStringList{QStringLiteral("2"), QStringLiteral("3")};
    QTest::newRow("descrição da tabela de preço: seus preços")
        << QStringLiteral("update tabelapreco set descricao = 'Distribuidores do DF' "
                          "where codtabelapreco = 3")
        << QStringLiteral("offline_tabelaprecoproduto")
        << QStringList{QStringLiteral("19"), QStringLiteral("20"), QStringLiteral("21"),
                       QStringLiteral("22")};
    QTest::newRow("pedido fechado: suas linhas")
        << QStringLiteral("update pedidovenda set status = 'F' where codpedidovenda = 3")
        << QStringLiteral("offline_produtopedidovenda")
        << QStringList{QStringLiteral("6"), QStringLiteral("7")};
    QTest::newRow("pedido sem mudança: nada")
        << QStringLiteral("update pedidovenda set status = status where codpedidovenda = 3")
        << QStringLiteral("offline_produtopedidovenda") << QStringList();
}

// A record that carries a parent's columns (a client its city's name, a price its table's
// description, a history line its order's totals) is sent again when the parent changes; a
// changed key is sent as the old key deleted and the new one changed.
void TstBackoffice::logDaChaveTrocadaEDosDependentes() {
    QFETCH(QString, alteracao);
    QFETCH(QString, log);
    QFETCH(QStringList, esperado);
    TSessao& s = *FDemo;
    QVERIFY(s.Banco().transaction());
    const auto desfaz = qScopeGuard([&] { s.Banco().rollback(); });
    const int antes = s.UltimaAlteracao(log);
    s.Executa(alteracao);
    QVERIFY2(s.Erro.isEmpty(), qPrintable(s.Erro));
    QCOMPARE(s.NovasAlteracoes(log, antes), esperado);
}

// The change log as the exporter reads it: since a version, one row per changed client, the
// deletions first; a client added and deleted in between goes only as a deletion.
void TstBackoffice::consultaDeAlteracoesSegueOLog() {
    TSessao& s = *FEsquema;
    QVERIFY(s.Banco().transaction());
    const auto desfaz = qScopeGuard([&] { s.Banco().rollback(); });
    s.Executa(QStringLiteral(
        "insert into cidade (codcidade, nomecidade, uf) values (1, 'Anápolis', 'GO');"
        "insert into cliente (codcliente, razaosocialnome, codcidade) values "
        "(1, 'Um', 1), (2, 'Dois', 1), (3, 'Três', 1), (5, 'Cinco', 1)"));
    QVERIFY2(s.Erro.isEmpty(), qPrintable(s.Erro));
    const int versao = s.UltimaAlteracao(QStringLiteral("offline_cliente"));
    QVERIFY(versao > 0);
    s.Executa(
        QStringLiteral("update cliente set razaosocialnome = 'Um A' where codcliente = 1;"
                       "update cliente set razaosocialnome = 'Um B' where codcliente = 1;"
                       "delete from cliente where codcliente = 2;"
                       "update cliente set codcliente = 30 where codcliente = 3;"
                       "insert into cliente (codcliente, razaosocialnome) values (4, 'Quatro');"
                       "delete from cliente where codcliente = 4"));
    QVERIFY2(s.Erro.isEmpty(), qPrintable(s.Erro));

    QSqlQuery q = s.Executa(QString::fromLatin1(SqlCliente), {{QStringLiteral("versao"), versao}});
    QVERIFY2(s.Erro.isEmpty(), qPrintable(s.Erro));
    QStringList excluidos;
    QStringList alterados;
    bool alteradoVisto = false;
    while (q.next()) {
        const QString codigo = q.value(QStringLiteral("codcliente")).toString();
        if (q.value(QStringLiteral("deletado")).toBool()) {
            QVERIFY2(!alteradoVisto, "exclusões vêm primeiro");
            QVERIFY(q.value(QStringLiteral("razaosocialnome")).isNull());
            excluidos << codigo;
        } else {
            alteradoVisto = true;
            alterados << codigo + QLatin1Char(' ') +
                             q.value(QStringLiteral("razaosocialnome")).toString() +
                             QLatin1Char(' ') + q.value(QStringLiteral("nomecidade")).toString();
        }
    }
    excluidos.sort();
    alterados.sort();
    QCOMPARE(excluidos,
             (QStringList{QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")}));
    QCOMPARE(alterados,
             (QStringList{QStringLiteral("1 Um B Anápolis"), QStringLiteral("30 Três Anápolis")}));

    // The local version moved to the last change, and nothing lies above it.
    QSqlQuery v = s.Executa(QString::fromLatin1(SqlVersao));
    QVERIFY(v.next());
    const int local = v.value(QStringLiteral("versao_cliente")).toInt();
    QCOMPARE(local, s.UltimaAlteracao(QStringLiteral("offline_cliente")));
    QSqlQuery nada =
        s.Executa(QString::fromLatin1(SqlCliente), {{QStringLiteral("versao"), local}});
    QCOMPARE(ContaLinhas(nada), 0);
}

// ---------------------------------------------------------------------------------------------
// The programs' statements

// The connection module's start-up queries, exactly as the programs open them.
void TstBackoffice::consultasDeInicio() {
    const TServidorTeste servidor = TServidorTeste::DoAmbiente();
    TDMConexao dm;
    dm.DBPostgres.Server = servidor.Host;
    dm.DBPostgres.Port = servidor.Porta;
    dm.DBPostgres.Password = servidor.Senha;
    dm.DBPostgres.Database = BancoDemo;
    try {
        dm.DBPostgres.Connect();

        dm.QFuncionarioLogado.RemoveCondicao();
        dm.QFuncionarioLogado.SetCondicao(QStringLiteral("codfuncionario = :codfuncionario"),
                                          {{QStringLiteral("codfuncionario"), 1}});
        dm.QFuncionarioLogado.Open();
        QCOMPARE(dm.QFuncionarioLogado.AsString(QStringLiteral("nomefuncionario")),
                 QStringLiteral("Helena Batista Moura"));
        QCOMPARE(dm.QFuncionarioLogado.FieldByName(QStringLiteral("administrador")).toBool(), true);

        dm.QConfiguracao.Open();
        QVERIFY(!dm.QConfiguracao.IsEmpty());
        QCOMPARE(dm.QConfiguracao.FieldByName(QStringLiteral("saircomesc")).toBool(), true);

        dm.QConfiguracaoNFCe.Open();
        QVERIFY(!dm.QConfiguracaoNFCe.IsEmpty());
        QCOMPARE(dm.QConfiguracaoNFCe.AsString(QStringLiteral("danftipo")), QStringLiteral("0"));

        dm.TabEmitente.Open();
        QCOMPARE(dm.TabEmitente.AsString(QStringLiteral("cnpjcpf")),
                 QStringLiteral("34.719.526/0001-48"));
        QCOMPARE(dm.TabEmitente.AsString(QStringLiteral("nomecidade")), QStringLiteral("Anápolis"));
        QCOMPARE(dm.TabEmitente.AsString(QStringLiteral("uf")), QStringLiteral("GO"));
        QCOMPARE(dm.TabEmitente.FieldByName(QStringLiteral("codigomunicipio")).toInt(), 5201108);
        QCOMPARE(dm.TabEmitente.FieldByName(QStringLiteral("regimetrib")).toInt(), 1);
    } catch (const EErro& e) {
        QFAIL(qPrintable(e.Mensagem()));
    }
}

void TstBackoffice::ativarDBSemErros_data() {
    QTest::addColumn<QString>("banco");
    QTest::newRow("tabelas vazias") << BancoEsquema;
    QTest::newRow("demonstração") << BancoDemo;
}

// AtivarDB shows any failing start-up query to the user; on this schema none fails.
void TstBackoffice::ativarDBSemErros() {
    QFETCH(QString, banco);
    const TServidorTeste servidor = TServidorTeste::DoAmbiente();
    TApresentadorGravador apresentador;
    TConexao principal(QStringLiteral("tst_backoffice.principal"));
    principal.Server = servidor.Host;
    principal.Port = servidor.Porta;
    principal.Password = servidor.Senha;
    principal.Database = banco;
    AtivarDB(principal, 0);
    QCOMPARE(apresentador.Textos(), QStringList());
    QVERIFY(!QFile::exists(CaminhoArquivoLog()));
}

void TstBackoffice::consultasDosProgramas_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QVariantMap>("parametros");
    QTest::addColumn<int>("linhas");

    auto linha = [](const char* nome, const char* sql, int linhas,
                    const QVariantMap& parametros = {}) {
        QTest::newRow(nome) << QString::fromUtf8(sql) << parametros << linhas;
    };
    const char* const emitente = "select codemitente, razaosocial, telefone, cnpjcpf, email, "
                                 "nomefantasia, responsavel, logradouro, numero, bairro from "
                                 "emitente";
    // Importer
    linha("importador TabEmitente", emitente, 1);
    linha("importador QConfiguracao",
          "select c.IMPORTARPEDIDOAUTOMATICOIMPORTADOR, c.utilizamultiplopgtopedido, "
          "c.GravarPedidoFechadoImportadoOrdixMobile from configuracao c, configuracao2 c2",
          1);
    linha("TabPedido", "select * from pedidovenda where codpedidovenda = 0", 0);
    linha("TabProdutoPedido", "select * from produtopedidovenda where codpedidovenda= 0", 0);
    linha("TabPgtoPedido", "select * from pgtopedidovenda where codpedidovenda = 0", 0);
    linha("TabParcelas", "select * from pgtopedidoimportacao where codpedidoimportacao =0", 0);
    linha("TabCliente pelo código", "Select * from cliente where codcliente = '5'", 1);
    linha("TabCliente pelo documento", "Select * from cliente where cnpjcpf = '96421507867'", 1);
    linha("QAtualizaSequencia",
          "select setval('produtopedidovenda_codprodutopedidovenda_seq' ,(select "
          "max(codprodutopedidovenda) from produtopedidovenda));",
          1);
    // Exporter
    linha("exportador TabEmitente", emitente, 1);
    linha("QVersao", SqlVersao, 1);
    linha("exportador QConfiguracao",
          "select c.utilizarmultiplosprecospedidovenda, c.alteracaoprecobalcao, "
          "c.utilizarvendedortabelapreco, c.exibirestoquedispositivo, c.clienteporvendedor, "
          "c.exportaprodutonegativo, c.alterarprecoprodutodispositivo, "
          "c.ultilizardadoscontratuaiscadastrocliente, "
          "c.camposfacultativoscadastroclienteordixmobile, c.utilizaracrescimoindividual, "
          "c.utilizarvalormaxdescontoporvendedorapppedido, c.atualizarcadastroclientevarelo, "
          "c.usarmetodoimagempasta, c2.exportarimagemprodutoordix, "
          "c.ultilizarestoquenegativodispositovos, c2.casasdecimaisquantidadeapp, "
          "c2.ordixpesquisaprodutocodalternativo from configuracao c, configuracao2 c2",
          1);
    // Offline client form and city picker
    linha("cadastro TabCliente",
          "select codcliente, codcidade, razaosocialnome, nomefantasia, contato, cep, "
          "logradouro, numero, complemento, bairro, telefone, celular, inscricaoestadualrg, "
          "email, observacao, datacadastro, cnpjcpf, inativo, nascimento, pontoreferencia, "
          "codigoficha, orgaoemissor, ufexpeditor FROM cliente c where c.codcliente "
          "=:codcliente",
          1, {{QStringLiteral("codcliente"), 4}});
    linha("QListaCidade",
          "select codcidade, cast(nomecidade || ' - ' || uf as varchar(50)) as nomecidade, uf, "
          "codigomunicipio, exterior from cidade order by nomecidade,uf",
          6);
    linha("cadastro QConfiguracao",
          "select pdvdatanascimentoclienteobrigatoria, pdvtelefoneclienteobrigatorio, "
          "pdvexibecodfichacliente from configuracao c, configuracao2 as c2",
          1);
    linha("QProximoCodFicha", "SELECT coalesce(MAX(CODIGOFICHA),0)+1 as codigoficha FROM CLIENTE",
          1);
    linha("QVerificaCnpj",
          "select codcliente from cliente c where c.codcliente <> :codcliente and (c.cnpjcpf "
          "=:cnpjformatado or c.cnpjcpf =:cnpjsemformatar)",
          1,
          {{QStringLiteral("codcliente"), 0},
           {QStringLiteral("cnpjformatado"), QStringLiteral("18.362.057/0001-04")},
           {QStringLiteral("cnpjsemformatar"), QStringLiteral("18362057000104")}});
}

// Every other statement the two programs and their forms run, on the demo business.
void TstBackoffice::consultasDosProgramas() {
    QFETCH(QString, sql);
    QFETCH(QVariantMap, parametros);
    QFETCH(int, linhas);
    TSessao& s = *FDemo;
    QSqlQuery q = s.Executa(sql, parametros);
    QVERIFY2(s.Erro.isEmpty(), qPrintable(s.Erro));
    QCOMPARE(ContaLinhas(q), linhas);
}

void TstBackoffice::consultasDeAlteracoes_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("colunaVersao");
    QTest::addColumn<QString>("chave");
    QTest::addColumn<int>("linhas");

    auto linha = [](const char* nome, const char* sql, const char* versao, const char* chave,
                    int linhas) {
        QTest::newRow(nome) << QString::fromLatin1(sql) << QString::fromLatin1(versao)
                            << QString::fromLatin1(chave) << linhas;
    };
    linha("QFormaPagamento", SqlFormaPagamento, "versao_formapagamento", "codformapagamento", 6);
    linha("QCliente", SqlCliente, "versao_cliente", "codcliente", 7);
    linha("QGrupo", SqlGrupo, "versao_grupo", "codgrupo", 5);
    linha("QMarca", SqlMarca, "versao_marca", "codmarca", 5);
    linha("QCodigoBarra", SqlCodigoBarra, "versao_codigobarra", "codcodigobarra", 11);
    linha("QProduto", SqlProduto, "versao_produto", "codproduto", 10);
    // Nine active products in two tables, four in the third.
    linha("QTabelaPreco", SqlTabelaPreco, "versao_tabelapreco", "codtabpreco", 22);
    linha("QTabelaPrecoVendedor", SqlTabelaPrecoVendedor, "versao_tabelaprecovendedor",
          "codtabelaprecovendedor", 5);
    linha("QFuncionario", SqlFuncionario, "versao_funcionario", "codfuncionario", 4);
    linha("QVendedor", SqlVendedor, "versao_vendedor", "codvendedor", 3);
    // Only CST 201 links.
    linha("QVinculoProdutoCfop", SqlVinculoProdutoCfop, "versao_vinculoprodutocfop",
          "codvinculoprodutocfop", 4);
    // The zeroed line of order 2 stays out.
    linha("QHistoricoPedido", SqlHistoricoPedido, "versao_historicopedido", "codprodutopedidovenda",
          6);
}

// The exporter's change-log queries with the version bound: the whole table for -1 and for 0
// (every demo row was logged when it was inserted), nothing at the local version.
void TstBackoffice::consultasDeAlteracoes() {
    QFETCH(QString, sql);
    QFETCH(QString, colunaVersao);
    QFETCH(QString, chave);
    QFETCH(int, linhas);
    TSessao& s = *FDemo;
    QSqlQuery versoes = s.Executa(QString::fromLatin1(SqlVersao));
    QVERIFY2(s.Erro.isEmpty(), qPrintable(s.Erro));
    QVERIFY(versoes.next());
    const int local = versoes.value(colunaVersao).toInt();
    QVERIFY(local > 0);

    for (const int versao : {-1, 0}) {
        QSqlQuery q = s.Executa(sql, {{QStringLiteral("versao"), versao}});
        QVERIFY2(s.Erro.isEmpty(), qPrintable(s.Erro));
        int n = 0;
        while (q.next()) {
            ++n;
            QVERIFY(!q.value(QStringLiteral("deletado")).toBool());
            QVERIFY(q.value(chave).toInt() > 0);
        }
        QCOMPARE(n, linhas);
    }
    QSqlQuery nada = s.Executa(sql, {{QStringLiteral("versao"), local}});
    QVERIFY2(s.Erro.isEmpty(), qPrintable(s.Erro));
    QCOMPARE(ContaLinhas(nada), 0);
}

// ---------------------------------------------------------------------------------------------
// References

void TstBackoffice::referenciasRecusamOrfaos_data() {
    QTest::addColumn<QString>("sql"); // %1: the referenced code
    QTest::addColumn<int>("valido");
    QTest::addColumn<int>("orfao");

    auto linha = [](const char* nome, const char* sql, int valido, int orfao) {
        QTest::newRow(nome) << QString::fromLatin1(sql) << valido << orfao;
    };
    linha("linha de pedido: produto",
          "insert into produtopedidovenda (codpedidovenda, codproduto, quantidade) "
          "values (1, %1, 1)",
          1, 9999);
    linha("linha de pedido: pedido",
          "insert into produtopedidovenda (codpedidovenda, codproduto, quantidade) "
          "values (%1, 1, 1)",
          1, 9999);
    linha("pedido: cliente", "insert into pedidovenda (codcliente) values (%1)", 1, 9999);
    linha("pagamento: pedido",
          "insert into pgtopedidovenda (codpedidovenda, codformapagamento, valorpagamento) "
          "values (%1, 1, 10)",
          1, 9999);
    linha("parcela: pedido",
          "insert into pgtopedidoimportacao (codpedidoimportacao, valorparcela) values (%1, 10)", 3,
          9999);
    linha("código de barras: produto",
          "insert into codigobarra (codproduto, codigobarra) values (%1, '7890000000000')", 1,
          9999);
    linha("preço: tabela de preço",
          "insert into tabelaprecoproduto (codtabelapreco, codproduto) values (%1, 1)", 1, 9999);
    // Deleting: a product or client without orders goes, one with orders stays.
    linha("produto vendido não se exclui", "delete from produto where codproduto = %1", 8, 1);
    linha("cliente com pedidos não se exclui", "delete from cliente where codcliente = %1", 6, 1);
}

void TstBackoffice::referenciasRecusamOrfaos() {
    QFETCH(QString, sql);
    QFETCH(int, valido);
    QFETCH(int, orfao);
    TSessao& s = *FDemo;
    QVERIFY(s.Banco().transaction());
    const auto desfaz = qScopeGuard([&] { s.Banco().rollback(); });
    s.Executa(sql.arg(valido));
    QVERIFY2(s.Erro.isEmpty(), qPrintable(s.Erro));
    s.Executa(sql.arg(orfao));
    QCOMPARE(s.ErroCodigo, QStringLiteral("23503")); // foreign_key_violation
}

// Clients and orders from the mobile side carry 0 for a salesperson, city or payment form the
// device did not know; the back office must take them as they come.
void TstBackoffice::pedidoDoAplicativoSemCodigosConhecidos() {
    TSessao& s = *FDemo;
    QVERIFY(s.Banco().transaction());
    const auto desfaz = qScopeGuard([&] { s.Banco().rollback(); });
    const int cliente =
        s.Valor(QStringLiteral("insert into cliente (razaosocialnome, codcidade, codvendedor) "
                               "values ('Novo', 0, 0) returning codcliente"))
            .toInt();
    QVERIFY2(s.Erro.isEmpty(), qPrintable(s.Erro));
    QVERIFY(cliente > 7); // the sequence follows the demo's own keys
    s.Executa(QStringLiteral("insert into pedidovenda (codcliente, codvendedor, "
                             "codformapagamento, idnuvem) values (%1, 0, 0, 1532)")
                  .arg(cliente));
    QVERIFY2(s.Erro.isEmpty(), qPrintable(s.Erro));
}

// ---------------------------------------------------------------------------------------------
// Demo business

void TstBackoffice::demoTemDocumentosValidos() {
    TSessao& s = *FDemo;
    QCOMPARE(s.Valor(QStringLiteral("select count(*) from emitente")).toInt(), 1);
    const QString cnpj = s.Valor(QStringLiteral("select cnpjcpf from emitente")).toString();
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{2}\\.\\d{3}\\.\\d{3}/\\d{4}-\\d{2}$"))
                 .match(cnpj)
                 .hasMatch(),
             qPrintable(cnpj));

    QSqlQuery q = s.Executa(QStringLiteral(
        "select cnpjcpf from emitente union all select cpfresponsavel from emitente "
        "union all select cnpjcpf from cliente union all select cpf from funcionario"));
    QVERIFY2(s.Erro.isEmpty(), qPrintable(s.Erro));
    int cpfs = 0;
    int cnpjs = 0;
    while (q.next()) {
        const QString documento = q.value(0).toString();
        QVERIFY2(DocumentoValido(documento), qPrintable(documento));
        (documento.count(QRegularExpression(QStringLiteral("\\d"))) == 11 ? cpfs : cnpjs)++;
    }
    QVERIFY(cpfs >= 2);
    QVERIFY(cnpjs >= 2);
    QVERIFY(!DocumentoValido(QStringLiteral("34.719.526/0001-49")));
    QVERIFY(!DocumentoValido(QStringLiteral("528.173.946-28")));
}

QTEST_MAIN(TstBackoffice)
#include "tst_backoffice.moc"
