// Editing through the dataset helper against the back-office schema: a new row takes the
// table's defaults from the server, text is cut to the column's width, values always travel
// bound, an update writes only what changed, cached changes wait for ApplyUpdates, Cancel
// leaves nothing behind.

#include "ApresentadorGravador.h"
#include "BancoTeste.h"
#include "Conexao.h"
#include "Dataset.h"
#include "Erro.h"

#include <QDate>
#include <QSqlQuery>
#include <QTest>

namespace {
const QString Banco = QStringLiteral("tst_dataset");
const QString SqlCliente =
    QStringLiteral("select codcliente, codcidade, razaosocialnome, cnpjcpf, numero, datacadastro,"
                   " inativo, nascimento, codigoficha from cliente c"
                   " where c.codcliente = :codcliente");

// One value read straight from the database, beside the dataset.
QVariant consulta(TConexao& conexao, const QString& sql, const QVariantMap& p = {}) {
    QSqlQuery q = ExecutaSql(conexao, sql, p);
    return q.next() ? q.value(0) : QVariant();
}
} // namespace

class TstDataset : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void novaLinhaTemOsPadroesDoServidor();
    void colunasComTiposELarguras();
    void valoresTomamOTipoDaColuna();
    void postSemCacheInsereNaHora();
    void cacheEsperaApplyUpdatesECancelDescarta();
    void alteracaoGravaSoOQueMudouPelaChave();
    void alteracaoDeLinhaQueSumiuFalha();
    void avisosDasMudancas();

private:
    TConexao* FConexao = nullptr;
};

void TstDataset::initTestCase() {
    QCOMPARE(CriaBancoTeste(Banco), QString());
    const TServidorTeste s = TServidorTeste::DoAmbiente();
    FConexao = new TConexao(QStringLiteral("tst_dataset"));
    FConexao->Server = s.Host;
    FConexao->Port = s.Porta;
    FConexao->User = s.Usuario;
    FConexao->Password = s.Senha;
    FConexao->Database = Banco;
    FConexao->Connect();
}

void TstDataset::cleanupTestCase() {
    delete FConexao;
}

void TstDataset::init() {
    QCOMPARE(ExecutaSqlTeste(Banco, QStringLiteral("delete from cliente")), QString());
}

void TstDataset::novaLinhaTemOsPadroesDoServidor() {
    TDataset tab(*FConexao, SqlCliente);
    tab.SetParametro(QStringLiteral("codcliente"), -1);
    tab.Open();
    QVERIFY(tab.IsEmpty());
    const qint64 proximo =
        consulta(*FConexao, QStringLiteral("select last_value + 1 from cliente_codcliente_seq"))
            .toLongLong();
    tab.Insert();
    QCOMPARE(tab.Estado(), TEstadoDataset::Inserindo);
    // The key is drawn from the sequence at once, the other defaults evaluated likewise.
    QVERIFY(tab.FieldByName(QStringLiteral("codcliente")).toLongLong() >= proximo - 1);
    QVERIFY(tab.FieldByName(QStringLiteral("codcliente")).toInt() > 0);
    QCOMPARE(tab.FieldByName(QStringLiteral("datacadastro")).toDate(),
             consulta(*FConexao, QStringLiteral("select current_date")).toDate());
    QCOMPARE(tab.FieldByName(QStringLiteral("inativo")).toBool(), false);
    QVERIFY(tab.FieldByName(QStringLiteral("razaosocialnome")).isNull());
    QVERIFY(tab.FieldByName(QStringLiteral("nascimento")).isNull());
}

void TstDataset::colunasComTiposELarguras() {
    TDataset tab(*FConexao, SqlCliente);
    tab.SetParametro(QStringLiteral("codcliente"), -1);
    tab.Open();
    const QList<TColuna> colunas = tab.Colunas();
    QStringList nomes;
    for (const TColuna& c : colunas)
        nomes.append(c.Nome);
    QCOMPARE(nomes, QStringList({"codcliente", "codcidade", "razaosocialnome", "cnpjcpf", "numero",
                                 "datacadastro", "inativo", "nascimento", "codigoficha"}));
    const auto coluna = [&](const QString& nome) { return *tab.Coluna(nome); };
    QCOMPARE(coluna(QStringLiteral("razaosocialnome")).Tamanho, 65);
    QCOMPARE(coluna(QStringLiteral("razaosocialnome")).Tipo,
             QStringLiteral("character varying(65)"));
    QCOMPARE(coluna(QStringLiteral("cnpjcpf")).Tamanho, 18);
    QCOMPARE(coluna(QStringLiteral("codcliente")).Tamanho, 0);
    QCOMPARE(coluna(QStringLiteral("codcliente")).Obrigatorio, true);
    QVERIFY(coluna(QStringLiteral("codcliente")).Padrao.contains(QStringLiteral("nextval")));
    QCOMPARE(coluna(QStringLiteral("nascimento")).TipoQt.id(), int(QMetaType::QDate));
    QCOMPARE(coluna(QStringLiteral("inativo")).TipoQt.id(), int(QMetaType::Bool));

    // A computed column is listed too, with the width of its cast, outside the table.
    TDataset cidades(*FConexao, QStringLiteral("select codcidade, cast(nomecidade || ' - ' || uf as"
                                               " varchar(50)) as nomecidade from cidade"));
    cidades.Open();
    const TColuna nome = *cidades.Coluna(QStringLiteral("nomecidade"));
    QCOMPARE(nome.DaTabela, false);
    QCOMPARE(nome.Tamanho, 50);
}

void TstDataset::valoresTomamOTipoDaColuna() {
    TDataset tab(*FConexao, SqlCliente);
    tab.SetParametro(QStringLiteral("codcliente"), -1);
    tab.Open();
    tab.Insert();
    tab.SetCampo(QStringLiteral("razaosocialnome"), QString(70, QLatin1Char('x')));
    QCOMPARE(tab.AsString(QStringLiteral("razaosocialnome")).size(), 65);
    tab.SetCampo(QStringLiteral("codcidade"), QStringLiteral("12"));
    QCOMPARE(tab.FieldByName(QStringLiteral("codcidade")), QVariant(12));
    tab.SetCampo(QStringLiteral("codcidade"), QString());
    QVERIFY(tab.FieldByName(QStringLiteral("codcidade")).isNull());
    tab.SetCampo(QStringLiteral("nascimento"), QDate(1990, 5, 17));
    QCOMPARE(tab.FieldByName(QStringLiteral("nascimento")).toDate(), QDate(1990, 5, 17));
    QVERIFY_THROWS_EXCEPTION(EErro,
                             tab.SetCampo(QStringLiteral("codcidade"), QStringLiteral("doze")));
    QVERIFY_THROWS_EXCEPTION(EErro, tab.SetCampo(QStringLiteral("naoexiste"), 1));
}

void TstDataset::postSemCacheInsereNaHora() {
    TDataset tab(*FConexao, SqlCliente);
    tab.SetParametro(QStringLiteral("codcliente"), -1);
    tab.Open();
    tab.Insert();
    const int codigo = tab.FieldByName(QStringLiteral("codcliente")).toInt();
    // Quotes and SQL in a value are data; accents and symbols survive the trip.
    const QString nome = QStringLiteral("D'Ávila'); delete from cliente; -- ç€");
    tab.SetCampo(QStringLiteral("razaosocialnome"), nome);
    tab.Post();
    QCOMPARE(tab.Estado(), TEstadoDataset::Navegando);
    QVERIFY(!tab.AtualizacoesPendentes());
    const QVariantMap p{{QStringLiteral("c"), codigo}};
    QCOMPARE(consulta(*FConexao,
                      QStringLiteral("select razaosocialnome from cliente where codcliente = :c"),
                      p)
                 .toString(),
             nome);
    // Columns outside the statement took their table defaults.
    QCOMPARE(
        consulta(*FConexao,
                 QStringLiteral("select exibirnodispositivo from cliente where codcliente = :c"), p)
            .toBool(),
        true);
    QCOMPARE(tab.FieldByName(QStringLiteral("codcliente")).toInt(), codigo);
}

void TstDataset::cacheEsperaApplyUpdatesECancelDescarta() {
    TDataset tab(*FConexao, SqlCliente);
    tab.CachedUpdates = true;
    tab.SetParametro(QStringLiteral("codcliente"), -1);
    tab.Open();
    tab.Insert();
    tab.SetCampo(QStringLiteral("razaosocialnome"), QStringLiteral("Pendente"));
    tab.Post();
    QVERIFY(tab.AtualizacoesPendentes());
    QCOMPARE(tab.AsString(QStringLiteral("razaosocialnome")), QStringLiteral("Pendente"));
    QCOMPARE(consulta(*FConexao, QStringLiteral("select count(*) from cliente")).toInt(), 0);
    tab.Cancel();
    QVERIFY(!tab.AtualizacoesPendentes());
    QCOMPARE(tab.Estado(), TEstadoDataset::Navegando);
    QVERIFY(tab.IsEmpty());
    tab.ApplyUpdates();
    QCOMPARE(consulta(*FConexao, QStringLiteral("select count(*) from cliente")).toInt(), 0);

    // ApplyUpdates posts the row being edited first.
    tab.Insert();
    tab.SetCampo(QStringLiteral("razaosocialnome"), QStringLiteral("Gravado"));
    tab.ApplyUpdates();
    QVERIFY(!tab.AtualizacoesPendentes());
    QCOMPARE(consulta(*FConexao, QStringLiteral("select razaosocialnome from cliente")).toString(),
             QStringLiteral("Gravado"));
}

void TstDataset::alteracaoGravaSoOQueMudouPelaChave() {
    QCOMPARE(ExecutaSqlTeste(
                 Banco, QStringLiteral("insert into cliente (codcliente, razaosocialnome, numero)"
                                       " values (501, 'Antes', '10'), (502, 'Outro', '20')")),
             QString());
    TDataset tab(*FConexao, SqlCliente);
    tab.SetParametro(QStringLiteral("codcliente"), 501);
    tab.Open();
    // Someone else changes another column meanwhile; the update must not put it back.
    QCOMPARE(ExecutaSqlTeste(
                 Banco, QStringLiteral("update cliente set numero = '11' where codcliente = 501")),
             QString());
    tab.Edit();
    tab.SetCampo(QStringLiteral("razaosocialnome"), QStringLiteral("Depois"));
    tab.Cancel();
    QCOMPARE(tab.AsString(QStringLiteral("razaosocialnome")), QStringLiteral("Antes"));
    tab.SetCampo(QStringLiteral("razaosocialnome"), QStringLiteral("Depois")); // edits by itself
    QCOMPARE(tab.Estado(), TEstadoDataset::Editando);
    tab.Post();
    QCOMPARE(
        consulta(*FConexao, QStringLiteral("select razaosocialnome || '/' || numero from cliente"
                                           " where codcliente = 501"))
            .toString(),
        QStringLiteral("Depois/11"));
    QCOMPARE(tab.AsString(QStringLiteral("numero")), QStringLiteral("11"));
    QCOMPARE(consulta(*FConexao,
                      QStringLiteral("select razaosocialnome from cliente where codcliente = 502"))
                 .toString(),
             QStringLiteral("Outro"));
}

void TstDataset::alteracaoDeLinhaQueSumiuFalha() {
    QCOMPARE(
        ExecutaSqlTeste(Banco, QStringLiteral("insert into cliente (codcliente) values (601)")),
        QString());
    TDataset tab(*FConexao, SqlCliente);
    tab.SetParametro(QStringLiteral("codcliente"), 601);
    tab.Open();
    QCOMPARE(ExecutaSqlTeste(Banco, QStringLiteral("delete from cliente")), QString());
    tab.SetCampo(QStringLiteral("razaosocialnome"), QStringLiteral("Ninguém"));
    QVERIFY_THROWS_EXCEPTION(EErro, tab.Post());
    QCOMPARE(tab.Estado(), TEstadoDataset::Editando);
}

void TstDataset::avisosDasMudancas() {
    TDataset tab(*FConexao, SqlCliente);
    tab.SetParametro(QStringLiteral("codcliente"), -1);
    QStringList avisos;
    auto token = tab.Observa([&](const QString& coluna) {
        avisos.append(coluna.isEmpty() ? QStringLiteral("*") : coluna);
    });
    tab.Open();
    tab.Insert();
    tab.SetCampo(QStringLiteral("RazaoSocialNome"), QStringLiteral("x"));
    tab.Cancel();
    QCOMPARE(avisos, QStringList({"*", "*", "razaosocialnome", "*"}));
    token.reset();
    tab.Close();
    QCOMPARE(avisos.size(), 4);
}

QTEST_GUILESS_MAIN(TstDataset)
#include "tst_dataset.moc"
