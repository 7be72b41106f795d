// The offline client form and its city picker on the back-office schema: what the form shows,
// Enter moving through the controls, every refusal of the confirm button, the duplicate
// document in both forms, saving a new and an existing client (with the card number when the
// setting asks for it), cancelling, a database refusal, and the picker's search and buttons.

#include "ApresentadorGravador.h"
#include "BancoTeste.h"
#include "Conexao.h"
#include "DBComboBoxC.h"
#include "DBDateEditC.h"
#include "DBEditC.h"
#include "Documentos.h"
#include "ModeloListaCidade.h"
#include "uCadastroClienteUtilOffline.h"
#include "uSelecioneacidadeOffline.h"

#include <functional>
#include <memory>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

namespace {
const QString Banco = QStringLiteral("tst_cadastrocliente");
const QString CpfNovo = QStringLiteral("012.345.678-90");
const QString CpfExistente = QStringLiteral("529.982.247-25");      // stored masked
const QString CnpjExistente = QStringLiteral("11.222.333/0001-81"); // stored bare

QString pastaFotos() {
    QString pasta = qEnvironmentVariable("VARELO_SHOTS");
    if (pasta.isEmpty())
        pasta = QDir::currentPath();
    QDir().mkpath(pasta);
    return pasta;
}

// Types text as a keyboard would, accented letters included.
void teclas(QWidget* controle, const QString& texto) {
    for (const QChar c : texto) {
        if (c.unicode() < 128)
            QTest::keyClick(controle, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, controle, Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
    }
}

// The user's way into a control: Tab to it (which selects its text) and type.
void digita(QWidget* controle, const QString& texto) {
    controle->setFocus(Qt::TabFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(controle))
        edit->selectAll();
    teclas(controle, texto);
}

using TForm = TFCadastroClienteUtilOffline;
} // namespace

class TstCadastroCliente : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void criaEscondidosNoInicio();
    void aoMostrar();
    void enterPassaAoProximoControle();
    void cadastroIncompleto_data();
    void cadastroIncompleto();
    void documentoRemascaradoAoSair();
    void documentoJaCadastrado_data();
    void documentoJaCadastrado();
    void mesmoDocumentoNoProprioRegistro();
    void salvaClienteNovo_data();
    void salvaClienteNovo();
    void recusaDoBancoDeixaOFormAberto();
    void cancela();
    void escNaoFechaOCadastro();
    void pesquisaDeCidade_data();
    void pesquisaDeCidade();
    void escolheCidadePeloTeclado();
    void escECancelarDoSeletor();

private:
    std::unique_ptr<TForm> abre(int codcliente, bool inserir);
    void preencheCompleto(TForm& f);
    void configura(bool nascimento, bool telefone, bool ficha);
    QVariant consulta(const QString& sql);
    int codCidade(const QString& nome);
    // Clicks the city button and runs `acao` inside the picker while it is shown modally.
    void usaSeletor(TForm& f, const std::function<void(TFSelecaoCidadeOffline*)>& acao);

    std::unique_ptr<TConexao> FConexao;
    std::unique_ptr<TApresentadorGravador> FApresentador;
};

void TstCadastroCliente::initTestCase() {
    QCOMPARE(CriaBancoTeste(Banco), QString());
    QCOMPARE(ExecutaSqlTeste(Banco, QStringLiteral("insert into configuracao default values;"
                                                   "insert into configuracao2 default values;"
                                                   "insert into cidade (nomecidade, uf) values"
                                                   " ('São Paulo', 'SP'), ('Santos', 'SP'),"
                                                   " ('Salvador', 'BA'), ('São José', 'SC'),"
                                                   " ('Belo Horizonte', 'MG'), ('Sorocaba', 'SP');"
                                                   "alter table cliente add constraint tst_recusa"
                                                   " check (razaosocialnome <> 'RECUSADO')")),
             QString());
    const TServidorTeste s = TServidorTeste::DoAmbiente();
    FConexao = std::make_unique<TConexao>(QStringLiteral("tst_cadastrocliente"));
    FConexao->Server = s.Host;
    FConexao->Port = s.Porta;
    FConexao->User = s.Usuario;
    FConexao->Password = s.Senha;
    FConexao->Database = Banco;
    FConexao->Connect();
}

void TstCadastroCliente::cleanupTestCase() {
    FConexao.reset();
}

void TstCadastroCliente::init() {
    QCOMPARE(
        ExecutaSqlTeste(
            Banco, QStringLiteral("delete from cliente;"
                                  "insert into cliente (codcliente, razaosocialnome, cnpjcpf,"
                                  " logradouro, numero, bairro, codcidade, cep) values"
                                  " (900, 'Existente CPF', '529.982.247-25', 'Rua B', '5',"
                                  "  'Vila', (select min(codcidade) from cidade), '11000-000'),"
                                  " (901, 'Existente CNPJ', '11222333000181', null, null,"
                                  "  null, null, null)")),
        QString());
    configura(false, false, false);
    FApresentador = std::make_unique<TApresentadorGravador>();
}

void TstCadastroCliente::cleanup() {
    FApresentador.reset();
}

void TstCadastroCliente::configura(bool nascimento, bool telefone, bool ficha) {
    QCOMPARE(
        ExecutaSqlTeste(Banco, QStringLiteral("update configuracao set"
                                              " pdvdatanascimentoclienteobrigatoria = %1,"
                                              " pdvtelefoneclienteobrigatorio = %2;"
                                              "update configuracao2 set"
                                              " pdvexibecodfichacliente = %3")
                                   .arg(nascimento ? "true" : "false", telefone ? "true" : "false",
                                        ficha ? "true" : "false")),
        QString());
}

QVariant TstCadastroCliente::consulta(const QString& sql) {
    QSqlQuery q = ExecutaSql(*FConexao, sql);
    return q.next() ? q.value(0) : QVariant();
}

int TstCadastroCliente::codCidade(const QString& nome) {
    QSqlQuery q =
        ExecutaSql(*FConexao, QStringLiteral("select codcidade from cidade where nomecidade = :n"),
                   {{QStringLiteral("n"), nome}});
    return q.next() ? q.value(0).toInt() : 0;
}

std::unique_ptr<TForm> TstCadastroCliente::abre(int codcliente, bool inserir) {
    auto f = std::make_unique<TForm>(*FConexao);
    f->TabCliente.SetParametro(QStringLiteral("codcliente"), codcliente);
    f->TabCliente.Open();
    if (inserir)
        f->TabCliente.Insert();
    else
        f->TabCliente.Edit();
    f->show();
    if (!QTest::qWaitForWindowActive(f.get()))
        qWarning("the client form did not become active");
    return f;
}

void TstCadastroCliente::preencheCompleto(TForm& f) {
    digita(f.DBEdit2, QStringLiteral("Maria da Conceição"));
    digita(f.DBEdit3, QStringLiteral("01234567890"));
    digita(f.DBEdit4, QStringLiteral("12.345.678-9"));
    digita(f.DBEditC3, QStringLiteral("SSP"));
    digita(f.DBComboBoxC1, QStringLiteral("SP"));
    digita(f.DBEdit5, QStringLiteral("Rua das Flores"));
    digita(f.DBEdit6, QStringLiteral("100"));
    digita(f.DBEdit8, QStringLiteral("Centro"));
    digita(f.edtTelefone, QStringLiteral("1332221111"));
    digita(f.DBCIDADE, QStringLiteral("Santos"));
    digita(f.DBEditC1, QStringLiteral("11010000"));
    digita(f.edtNascimento, QStringLiteral("17051990"));
    digita(f.DBEditC2, QStringLiteral("Perto da praça"));
}

void TstCadastroCliente::usaSeletor(TForm& f,
                                    const std::function<void(TFSelecaoCidadeOffline*)>& acao) {
    bool chamado = false;
    QTimer::singleShot(0, this, [&] {
        auto* seletor = qobject_cast<TFSelecaoCidadeOffline*>(QApplication::activeModalWidget());
        if (!seletor) {
            seletor = f.SelecaoCidade();
        }
        chamado = true;
        seletor->activateWindow();
        // A transient window counts as active while its parent is; wait for its own turn.
        if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == seletor; }))
            qWarning("the city picker did not become active");
        acao(seletor);
        if (seletor->isVisible())
            seletor->done(QDialog::Rejected); // never leave the test waiting on it
    });
    f.btnLocalizaCidade->click();
    QVERIFY(chamado);
    QCOMPARE(f.SelecaoCidade(), nullptr); // destroyed after use
}

void TstCadastroCliente::criaEscondidosNoInicio() {
    QCOMPARE(FCadastroClienteUtilOffline(), nullptr);
    CriaFormulariosOffline(*FConexao);
    TForm* f = FCadastroClienteUtilOffline();
    QVERIFY(f);
    QVERIFY(!f->isVisible());
    QVERIFY(f->SelecaoCidade());
    QVERIFY(!f->SelecaoCidade()->isVisible());
    QVERIFY(f->Nome.isEmpty() && f->CPF.isEmpty());
    LiberaFormulariosOffline();
    QCOMPARE(FCadastroClienteUtilOffline(), nullptr);
}

void TstCadastroCliente::aoMostrar() {
    configura(true, true, false);
    auto f = std::make_unique<TForm>(*FConexao);
    f->Nome = QStringLiteral("João Pré-preenchido");
    f->CPF = CpfNovo;
    f->TabCliente.SetParametro(QStringLiteral("codcliente"), -1);
    f->TabCliente.Open();
    f->TabCliente.Insert();
    f->confirmou = true;
    f->CodCliente = 7;
    f->show();
    QVERIFY(QTest::qWaitForWindowActive(f.get()));

    QCOMPARE(f->windowTitle(), QStringLiteral("Cadastrar Cliente"));
    QCOMPARE(f->size(), QSize(604, 284));
    QCOMPARE(f->confirmou, false);
    QCOMPARE(f->CodCliente, 0);
    QCOMPARE(QApplication::focusWidget(), f->DBEdit2);
    QCOMPARE(f->DBEdit2->text(), QStringLiteral("João Pré-preenchido"));
    QCOMPARE(f->DBEdit3->text(), CpfNovo);
    QCOMPARE(f->lbCodigo->text(), QStringLiteral("Código"));
    QCOMPARE(f->dbCodigo->DataField(), QStringLiteral("codcliente"));
    QCOMPARE(f->dbCodigo->text(), f->TabCliente.AsString(QStringLiteral("codcliente")));
    QVERIFY(!f->dbCodigo->isEnabled());
    // Required by the settings: bold and underlined titles.
    QCOMPARE(TEstiloFonte::De(f->Label13->font()), (TEstiloFonte{true, false, true, false}));
    QCOMPARE(TEstiloFonte::De(f->lbTelefone->font()), (TEstiloFonte{true, false, true, false}));
    QCOMPARE(TEstiloFonte::De(f->lbCodigo->font()), (TEstiloFonte{true, false, true, false}));
    QCOMPARE(f->DBCIDADE->count(), 6);
    QCOMPARE(f->DBComboBoxC1->count(), 29); // no state and the 27 units plus "EX"
    QVERIFY(!f->DBComboBoxC1->isEditable());
    QCOMPARE(f->btnConfirmar->text(), QStringLiteral("Confirmar"));
    QCOMPARE(f->btnCancelar->size(), QSize(57, 49));
    QCOMPARE(f->btnLocalizaCidade->focusPolicy(), Qt::NoFocus);

    // Without the settings the two titles are plain again on the next show.
    f->hide();
    configura(false, false, false);
    f->show();
    QCOMPARE(TEstiloFonte::De(f->Label13->font()), TEstiloFonte{});
    QCOMPARE(TEstiloFonte::De(f->lbTelefone->font()), TEstiloFonte{});
}

void TstCadastroCliente::enterPassaAoProximoControle() {
    auto f = abre(-1, true);
    QCOMPARE(QApplication::focusWidget(), f->DBEdit2);
    QStringList caminho;
    for (int i = 0; i < 17; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        caminho.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(caminho,
             QStringList({"DBEdit3", "DBEdit4", "DBEditC3", "DBComboBoxC1", "DBEdit5", "DBEdit6",
                          "DBEdit7", "DBEdit8", "edtTelefone", "DBEdit10", "DBEdit11", "DBEdit12",
                          "DBCIDADE", "DBEditC1", "edtNascimento", "DBEditC2", "btnConfirmar"}));
    QVERIFY(FApresentador->Alertas.isEmpty());
    // Enter on a button presses it.
    QTest::keyClick(f->btnConfirmar, Qt::Key_Return);
    QCOMPARE(FApresentador->Textos(), QStringList{MensagemCadastroIncompleto});
}

void TstCadastroCliente::cadastroIncompleto_data() {
    QTest::addColumn<QString>("coluna");
    QTest::addColumn<QVariant>("valor");
    QTest::addColumn<bool>("nascimentoObrigatorio");
    QTest::addColumn<bool>("telefoneObrigatorio");

    QTest::newRow("no document") << "cnpjcpf" << QVariant(QString()) << false << false;
    QTest::newRow("wrong document") << "cnpjcpf" << QVariant("012.345.678-91") << false << false;
    QTest::newRow("no name") << "razaosocialnome" << QVariant(QString()) << false << false;
    QTest::newRow("blank name") << "razaosocialnome" << QVariant("   ") << false << false;
    QTest::newRow("no street") << "logradouro" << QVariant(QString()) << false << false;
    QTest::newRow("no number") << "numero" << QVariant(" ") << false << false;
    QTest::newRow("no district") << "bairro" << QVariant(QString()) << false << false;
    QTest::newRow("no city") << "codcidade" << QVariant() << false << false;
    QTest::newRow("cep of 7 digits") << "cep" << QVariant("11010-00") << false << false;
    QTest::newRow("cep of 9 digits") << "cep" << QVariant("110100001") << false << false;
    QTest::newRow("birth date required") << "nascimento" << QVariant() << true << false;
    QTest::newRow("phone required") << "telefone" << QVariant(QString()) << false << true;
}

void TstCadastroCliente::cadastroIncompleto() {
    QFETCH(QString, coluna);
    QFETCH(QVariant, valor);
    QFETCH(bool, nascimentoObrigatorio);
    QFETCH(bool, telefoneObrigatorio);
    configura(nascimentoObrigatorio, telefoneObrigatorio, false);
    auto f = abre(-1, true);
    preencheCompleto(*f);
    FApresentador->Limpa();
    f->TabCliente.SetCampo(coluna, valor);
    f->btnConfirmar->click();
    QCOMPARE(FApresentador->Textos(), QStringList{MensagemCadastroIncompleto});
    QCOMPARE(FApresentador->Alertas.first().Tipo, TTipoAlerta::TAPressioneESC);
    QVERIFY(f->isVisible());
    QCOMPARE(f->confirmou, false);
    QCOMPARE(consulta(QStringLiteral("select count(*) from cliente")).toInt(), 2);

    // The same record with the field back in place is saved.
    f->TabCliente.SetCampo(QStringLiteral("cnpjcpf"), CpfNovo);
    f->TabCliente.SetCampo(coluna,
                           coluna == QLatin1String("codcidade")    ? QVariant(codCidade("Santos"))
                           : coluna == QLatin1String("nascimento") ? QVariant(QDate(1990, 5, 17))
                           : coluna == QLatin1String("cep")        ? QVariant("11010-000")
                           : coluna == QLatin1String("cnpjcpf")    ? QVariant(CpfNovo)
                                                                   : QVariant("12"));
    f->btnConfirmar->click();
    QCOMPARE(FApresentador->Textos().last(), MensagemOperacaoRealizada);
    QCOMPARE(consulta(QStringLiteral("select count(*) from cliente")).toInt(), 3);
}

void TstCadastroCliente::documentoRemascaradoAoSair() {
    auto f = abre(-1, true);
    digita(f->DBEdit3, QStringLiteral("01234567890"));
    f->DBEdit4->setFocus(Qt::TabFocusReason);
    QCOMPARE(f->DBEdit3->text(), CpfNovo);
    QCOMPARE(f->TabCliente.AsString(QStringLiteral("cnpjcpf")), CpfNovo);
    QVERIFY(FApresentador->Alertas.isEmpty());

    digita(f->DBEdit3, QStringLiteral("01234567891"));
    f->DBEdit4->setFocus(Qt::TabFocusReason);
    QCOMPARE(FApresentador->Textos(), QStringList{MensagemCpfInvalido});
    QCOMPARE(f->DBEdit3->text(), QString());
    QCOMPARE(f->TabCliente.AsString(QStringLiteral("cnpjcpf")), QString());

    digita(f->DBEdit3, QStringLiteral("112223330001811"));
    f->DBEdit4->setFocus(Qt::TabFocusReason);
    QCOMPARE(FApresentador->Textos().last(), MensagemCnpjInvalido);
    QCOMPARE(f->DBEdit3->text(), QString());
}

void TstCadastroCliente::documentoJaCadastrado_data() {
    QTest::addColumn<QString>("digitado");
    QTest::newRow("cpf stored masked, typed bare") << "52998224725";
    QTest::newRow("cpf stored masked, typed masked") << "529.982.247-25";
    QTest::newRow("cnpj stored bare, typed bare") << "11222333000181";
    QTest::newRow("cnpj stored bare, typed masked") << "11.222.333/0001-81";
}

void TstCadastroCliente::documentoJaCadastrado() {
    QFETCH(QString, digitado);
    auto f = abre(-1, true);
    preencheCompleto(*f);
    // The filter of the document field drops "/" and "-": pasting keeps them.
    f->DBEdit3->setFocus(Qt::TabFocusReason);
    f->DBEdit3->selectAll();
    f->DBEdit3->insert(digitado);
    f->DBEdit4->setFocus(Qt::TabFocusReason);
    FApresentador->Limpa();
    f->btnConfirmar->click();
    QCOMPARE(FApresentador->Textos(), QStringList{MensagemCnpjCpfJaCadastrado});
    QVERIFY(f->isVisible());
    QCOMPARE(f->confirmou, false);
    QCOMPARE(f->CodCliente, 0);
    QCOMPARE(consulta(QStringLiteral("select count(*) from cliente")).toInt(), 2);
}

void TstCadastroCliente::mesmoDocumentoNoProprioRegistro() {
    auto f = abre(900, false);
    QCOMPARE(f->DBEdit3->text(), CpfExistente);
    QCOMPARE(f->DBCIDADE->currentIndex() >= 0, true);
    digita(f->DBEdit2, QStringLiteral("Existente Alterado"));
    f->btnConfirmar->click();
    QCOMPARE(FApresentador->Textos(), QStringList{MensagemOperacaoRealizada});
    QCOMPARE(f->confirmou, true);
    QCOMPARE(f->CodCliente, 900);
    QVERIFY(!f->isVisible());
    QCOMPARE(consulta(QStringLiteral("select razaosocialnome from cliente where codcliente = 900"))
                 .toString(),
             QStringLiteral("Existente Alterado"));
    QCOMPARE(consulta(QStringLiteral("select count(*) from cliente")).toInt(), 2);
}

void TstCadastroCliente::salvaClienteNovo_data() {
    QTest::addColumn<bool>("ficha");
    QTest::addColumn<QString>("fichasAntes");
    QTest::addColumn<QVariant>("fichaEsperada");
    QTest::newRow("without card number") << false << "" << QVariant();
    QTest::newRow("first card number") << true << "" << QVariant(1);
    QTest::newRow("card after 41")
        << true << "update cliente set codigoficha = 41 where codcliente = 901" << QVariant(42);
}

void TstCadastroCliente::salvaClienteNovo() {
    QFETCH(bool, ficha);
    QFETCH(QString, fichasAntes);
    QFETCH(QVariant, fichaEsperada);
    configura(true, true, ficha);
    if (!fichasAntes.isEmpty())
        QCOMPARE(ExecutaSqlTeste(Banco, fichasAntes), QString());
    auto f = abre(-1, true);
    const int codigo = f->TabCliente.FieldByName(QStringLiteral("codcliente")).toInt();
    QCOMPARE(f->lbCodigo->text(), ficha ? QStringLiteral("Cód. Ficha") : QStringLiteral("Código"));
    QCOMPARE(f->dbCodigo->text(), ficha ? fichaEsperada.toString() : QString::number(codigo));
    preencheCompleto(*f);
    QCOMPARE(f->DBEditC1->text(), QStringLiteral("11010-000"));
    if (ficha) {
        f->grab().save(pastaFotos() + QStringLiteral("/cadastrocliente.png"));
    }
    FApresentador->Limpa();
    f->btnConfirmar->click();

    QCOMPARE(FApresentador->Textos(), QStringList{MensagemOperacaoRealizada});
    QCOMPARE(f->confirmou, true);
    QCOMPARE(f->CodCliente, codigo);
    QVERIFY(!f->isVisible());
    QSqlQuery q = ExecutaSql(
        *FConexao,
        QStringLiteral("select razaosocialnome, cnpjcpf, inscricaoestadualrg, orgaoemissor,"
                       " ufexpeditor, logradouro, numero, bairro, telefone, codcidade, cep,"
                       " nascimento, pontoreferencia, codigoficha, datacadastro = current_date,"
                       " inativo from cliente where codcliente = :c"),
        {{QStringLiteral("c"), codigo}});
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("Maria da Conceição"));
    QCOMPARE(q.value(1).toString(), CpfNovo);
    QCOMPARE(q.value(2).toString(), QStringLiteral("12.345.678-9"));
    QCOMPARE(q.value(3).toString(), QStringLiteral("SSP"));
    QCOMPARE(q.value(4).toString(), QStringLiteral("SP"));
    QCOMPARE(q.value(5).toString(), QStringLiteral("Rua das Flores"));
    QCOMPARE(q.value(6).toString(), QStringLiteral("100"));
    QCOMPARE(q.value(7).toString(), QStringLiteral("Centro"));
    QCOMPARE(q.value(8).toString(), QStringLiteral("1332221111"));
    QCOMPARE(q.value(9).toInt(), codCidade(QStringLiteral("Santos")));
    QCOMPARE(q.value(10).toString(), QStringLiteral("11010-000"));
    QCOMPARE(q.value(11).toDate(), QDate(1990, 5, 17));
    QCOMPARE(q.value(12).toString(), QStringLiteral("Perto da praça"));
    QCOMPARE(q.value(13).isNull(), fichaEsperada.isNull());
    if (!fichaEsperada.isNull())
        QCOMPARE(q.value(13).toInt(), fichaEsperada.toInt());
    QCOMPARE(q.value(14).toBool(), true);
    QCOMPARE(q.value(15).toBool(), false);
}

void TstCadastroCliente::recusaDoBancoDeixaOFormAberto() {
    auto f = abre(-1, true);
    preencheCompleto(*f);
    digita(f->DBEdit2, QStringLiteral("RECUSADO"));
    FApresentador->Limpa();
    f->btnConfirmar->click();
    QCOMPARE(FApresentador->Alertas.size(), 1);
    QVERIFY(FApresentador->Alertas.first().Texto.contains(QStringLiteral("tst_recusa")));
    QVERIFY(f->isVisible());
    QCOMPARE(f->confirmou, false);
    QCOMPARE(f->CodCliente, 0);
    QCOMPARE(consulta(QStringLiteral("select count(*) from cliente")).toInt(), 2);
    // Nothing typed was lost: the record goes in once the refused value is corrected.
    digita(f->DBEdit2, QStringLiteral("Aceito"));
    f->btnConfirmar->click();
    QCOMPARE(FApresentador->Textos().last(), MensagemOperacaoRealizada);
    QCOMPARE(consulta(QStringLiteral("select count(*) from cliente where razaosocialnome = 'Aceito'"
                                     " and bairro = 'Centro'"))
                 .toInt(),
             1);
}

void TstCadastroCliente::cancela() {
    auto f = abre(-1, true);
    preencheCompleto(*f);
    FApresentador->Limpa();
    f->btnCancelar->click();
    QCOMPARE(FApresentador->Textos(), QStringList{MensagemOperacaoCancelada});
    QCOMPARE(f->confirmou, false);
    QVERIFY(!f->isVisible());
    QVERIFY(!f->TabCliente.AtualizacoesPendentes());
    QCOMPARE(f->TabCliente.Estado(), TEstadoDataset::Navegando);
    QCOMPARE(consulta(QStringLiteral("select count(*) from cliente")).toInt(), 2);
}

void TstCadastroCliente::escNaoFechaOCadastro() {
    auto f = abre(-1, true);
    QTest::keyClick(f->DBEdit2, Qt::Key_Escape);
    QTest::keyClick(f.get(), Qt::Key_Escape);
    f->close();
    QVERIFY(f->isVisible());
}

void TstCadastroCliente::pesquisaDeCidade_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("cidade");
    QTest::newRow("lower case") << "sant"
                                << "Santos - SP";
    QTest::newRow("mixed case") << "sAlV"
                                << "Salvador - BA";
    QTest::newRow("first in order") << "SA"
                                    << "Salvador - BA";
    QTest::newRow("accent, lower") << "são p"
                                   << "São Paulo - SP";
    QTest::newRow("accent, upper") << "SÃO J"
                                   << "São José - SC";
    QTest::newRow("with the state") << "santos - s"
                                    << "Santos - SP";
    // Each letter searches again: once nothing matches, the list stays where it was.
    QTest::newRow("no match stays") << "sorox"
                                    << "Sorocaba - SP";
}

void TstCadastroCliente::pesquisaDeCidade() {
    QFETCH(QString, texto);
    QFETCH(QString, cidade);
    auto f = abre(-1, true);
    QString atual;
    usaSeletor(*f, [&](TFSelecaoCidadeOffline* s) {
        teclas(s->Edit1, texto);
        atual = s->DBGrid1->currentIndex().data().toString();
    });
    QCOMPARE(atual, cidade);
}

void TstCadastroCliente::escolheCidadePeloTeclado() {
    auto f = abre(-1, true);
    QStringList estilos;
    QString titulo;
    QSize tamanho;
    QString cabecalho;
    int colunasVisiveis = 0;
    usaSeletor(*f, [&](TFSelecaoCidadeOffline* s) {
        titulo = s->windowTitle();
        tamanho = s->size();
        cabecalho = s->DBGrid1->model()->headerData(0, Qt::Horizontal).toString();
        colunasVisiveis = s->DBGrid1->model()->columnCount();
        auto negrito = [](QWidget* w) {
            return w->font().bold() ? QStringLiteral("B") : QStringLiteral("n");
        };
        auto anota = [&] {
            estilos.append(negrito(s->Label1) + negrito(s->DBGrid1) + negrito(s->BitBtn1));
        };
        anota(); // the search box has the focus on show
        QTest::keyClicks(s->Edit1, QStringLiteral("SOR"));
        s->grab().save(pastaFotos() + QStringLiteral("/selecaocidade.png"));
        QTest::keyClick(s->Edit1, Qt::Key_Return);
        anota();
        QTest::keyClick(s->DBGrid1, Qt::Key_Return);
        anota();
        QTest::keyClick(s->BitBtn1, Qt::Key_Return);
    });
    QCOMPARE(titulo, QStringLiteral("Selecione a cidade"));
    QCOMPARE(tamanho, QSize(406, 307));
    QCOMPARE(cabecalho, QStringLiteral("Cidade / UF"));
    QCOMPARE(colunasVisiveis, 1);
    QCOMPARE(estilos, QStringList({"Bnn", "nBn", "nnB"}));
    QCOMPARE(f->TabCliente.FieldByName(QStringLiteral("codcidade")).toInt(),
             codCidade(QStringLiteral("Sorocaba")));
    QCOMPARE(f->DBCIDADE->currentText(), QStringLiteral("Sorocaba - SP"));
    QCOMPARE(f->focusWidget(), f->DBCIDADE);
}

void TstCadastroCliente::escECancelarDoSeletor() {
    auto f = abre(900, false);
    const int antes = f->TabCliente.FieldByName(QStringLiteral("codcidade")).toInt();
    QVERIFY(antes > 0);
    QString buscaAoFechar = QStringLiteral("?");
    usaSeletor(*f, [&](TFSelecaoCidadeOffline* s) {
        QTest::keyClicks(s->Edit1, QStringLiteral("Belo"));
        s->BitBtn2->click();
        buscaAoFechar = s->Edit1->text();
    });
    QCOMPARE(buscaAoFechar, QString());
    QCOMPARE(f->TabCliente.FieldByName(QStringLiteral("codcidade")).toInt(), antes);

    // Esc leaves no city on the screen and, so that what is saved is what is shown, none in
    // the record either.
    usaSeletor(*f, [&](TFSelecaoCidadeOffline* s) {
        QTest::keyClicks(s->Edit1, QStringLiteral("Belo"));
        QTest::keyClick(s->Edit1, Qt::Key_Escape);
        buscaAoFechar = s->Edit1->text();
    });
    QCOMPARE(buscaAoFechar, QString());
    QCOMPARE(f->DBCIDADE->currentIndex(), -1);
    QVERIFY(f->TabCliente.FieldByName(QStringLiteral("codcidade")).isNull());
    f->btnConfirmar->click();
    QCOMPARE(FApresentador->Textos(), QStringList{MensagemCadastroIncompleto});
}

QTEST_MAIN(TstCadastroCliente)
#include "tst_cadastrocliente.moc"
