#include "uCadastroClienteUtilOffline.h"

#include "BotaoFigura.h"
#include "DBComboBoxC.h"
#include "DBDateEditC.h"
#include "DBEditC.h"
#include "Documentos.h"
#include "EnterTab.h"
#include "Erro.h"
#include "ModeloListaCidade.h"
#include "uFuncoesUteis.h"
#include "uSelecioneacidadeOffline.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QToolButton>

const QString MensagemCadastroIncompleto =
    QStringLiteral("Cadastro Incompleto, Verifique os Campos em Negrito e Tente Novamente!");
const QString MensagemCnpjCpfJaCadastrado = QStringLiteral("CNPJ/CPF Já Cadastrado.");
const QString MensagemOperacaoRealizada = QStringLiteral("Operação Realizada Com Sucesso!");
const QString MensagemOperacaoCancelada = QStringLiteral("Operação Cancelada Com Sucesso!");

namespace {
TFCadastroClienteUtilOffline* instancia = nullptr;

void alerta(const QString& texto) {
    ExibeMensagem(texto, TTipoAlerta::TAPressioneESC);
}

// Wide enough for the bold style the title takes while its control has the focus.
void ajustaTitulo(QLabel* label) {
    QFont largo = label->font();
    largo.setBold(true);
    label->resize(QFontMetrics(largo).horizontalAdvance(label->text()) + 4, 15);
}

QLabel* titulo(QWidget* pai, const QString& nome, const QString& texto, int x, int y,
               bool negrito = false) {
    auto* label = new QLabel(texto, pai);
    label->setObjectName(nome);
    label->move(x, y);
    ajustaTitulo(label);
    if (negrito) {
        QFont fonte = label->font();
        fonte.setBold(true);
        label->setFont(fonte);
    }
    return label;
}

} // namespace

TFCadastroClienteUtilOffline::TFCadastroClienteUtilOffline(TConexao& conexao, QWidget* parent)
    : QDialog(parent),
      TabCliente(conexao,
                 QStringLiteral(
                     "select codcliente, codcidade, razaosocialnome, nomefantasia, contato, cep,"
                     " logradouro, numero, complemento, bairro, telefone, celular,"
                     " inscricaoestadualrg, email, observacao, datacadastro, cnpjcpf, inativo,"
                     " nascimento, pontoreferencia, codigoficha, orgaoemissor, ufexpeditor"
                     " FROM cliente c where c.codcliente =:codcliente")),
      QListaCidade(conexao, QStringLiteral("select codcidade, cast(nomecidade || ' - ' || uf as "
                                           "varchar(50)) as nomecidade, uf, codigomunicipio,"
                                           " exterior from cidade order by nomecidade,uf")),
      QConfiguracao(conexao, QStringLiteral("select pdvdatanascimentoclienteobrigatoria,"
                                            " pdvtelefoneclienteobrigatorio,"
                                            " pdvexibecodfichacliente"
                                            " from configuracao c, configuracao2 as c2")),
      QProximoCodFicha(conexao, QStringLiteral("SELECT coalesce(MAX(CODIGOFICHA),0)+1 as "
                                               "codigoficha FROM CLIENTE")),
      QVerificaCnpj(conexao, QStringLiteral("select codcliente from cliente c"
                                            " where c.codcliente <> :codcliente"
                                            " and (c.cnpjcpf =:cnpjformatado or"
                                            " c.cnpjcpf =:cnpjsemformatar)")) {
    TabCliente.CachedUpdates = true;
    TabCliente.SetTabelaAtualizacao(QStringLiteral("cliente"), QStringLiteral("codcliente"));
    ModeloCidades = new TModeloListaCidade(this);
    montaTela();
    new TEnterTab(this);
}

TFCadastroClienteUtilOffline::~TFCadastroClienteUtilOffline() {
    delete FSelecaoCidade;
    if (instancia == this)
        instancia = nullptr;
}

void TFCadastroClienteUtilOffline::montaTela() {
    setObjectName(QStringLiteral("FCadastroClienteUtilOffline"));
    setWindowTitle(QStringLiteral("Cadastrar Cliente"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(604, 284);
    setFont(FonteFormulario(font()));

    auto edit = [this](const QString& nome, QLabel* label, int x, int y, int largura,
                       const QString& coluna) {
        auto* e = new TDBEditC(this);
        e->setObjectName(nome);
        e->setGeometry(x, y, largura, 21);
        e->set_02Titulo(label);
        e->SetDataField(&TabCliente, coluna);
        return e;
    };

    // Row 1: code, name, document.
    lbCodigo = titulo(this, QStringLiteral("lbCodigo"), QStringLiteral("Código"), 8, 8);
    dbCodigo = new TDBEditC(this);
    dbCodigo->setObjectName(QStringLiteral("dbCodigo"));
    dbCodigo->setGeometry(8, 23, 72, 21);
    dbCodigo->setEnabled(false);
    // The flag is set before the title (it leaves the title alone); the title carries its
    // required style itself.
    dbCodigo->set_01Obrigatorio(true);
    dbCodigo->set_02Titulo(lbCodigo);
    TEstiloFonte{true, false, true, false}.Aplica(lbCodigo);
    dbCodigo->SetDataField(&TabCliente, QStringLiteral("codcliente"));

    DBEdit2 = edit(QStringLiteral("DBEdit2"),
                   titulo(this, QStringLiteral("lbRazaoSocial"),
                          QStringLiteral("Razão Social / Nome"), 86, 8, true),
                   86, 23, 322, QStringLiteral("razaosocialnome"));
    DBEdit3 =
        edit(QStringLiteral("DBEdit3"),
             titulo(this, QStringLiteral("lbCnpjCpf"), QStringLiteral("CPF / CNPJ"), 414, 8, true),
             414, 23, 182, QStringLiteral("cnpjcpf"));
    DBEdit3->set_03SomenteNumeros(true);
    DBEdit3->_OnExit = [this](QObject*) { documentoSai(); };

    // Row 2: registration, issuer, state, street, number.
    DBEdit4 =
        edit(QStringLiteral("DBEdit4"),
             titulo(this, QStringLiteral("lbInscricao"), QStringLiteral("Insc. Est. / RG"), 8, 50),
             8, 65, 130, QStringLiteral("inscricaoestadualrg"));
    DBEditC3 = edit(
        QStringLiteral("DBEditC3"),
        titulo(this, QStringLiteral("lbOrgaoEmissor"), QStringLiteral("Órg. Emissor"), 144, 50),
        144, 65, 72, QStringLiteral("orgaoemissor"));
    QLabel* lbUf = titulo(this, QStringLiteral("lbUf"), QStringLiteral("UF"), 222, 50);
    DBComboBoxC1 = new TDBComboBoxC(this);
    DBComboBoxC1->setObjectName(QStringLiteral("DBComboBoxC1"));
    DBComboBoxC1->setGeometry(222, 65, 52, 21);
    DBComboBoxC1->addItems({QString(),
                            QStringLiteral("AC"),
                            QStringLiteral("AL"),
                            QStringLiteral("AM"),
                            QStringLiteral("AP"),
                            QStringLiteral("BA"),
                            QStringLiteral("CE"),
                            QStringLiteral("DF"),
                            QStringLiteral("ES"),
                            QStringLiteral("EX"),
                            QStringLiteral("GO"),
                            QStringLiteral("MA"),
                            QStringLiteral("MG"),
                            QStringLiteral("MS"),
                            QStringLiteral("MT"),
                            QStringLiteral("PA"),
                            QStringLiteral("PB"),
                            QStringLiteral("PE"),
                            QStringLiteral("PI"),
                            QStringLiteral("PR"),
                            QStringLiteral("RJ"),
                            QStringLiteral("RN"),
                            QStringLiteral("RO"),
                            QStringLiteral("RR"),
                            QStringLiteral("RS"),
                            QStringLiteral("SC"),
                            QStringLiteral("SE"),
                            QStringLiteral("SP"),
                            QStringLiteral("TO")});
    DBComboBoxC1->set_02Titulo(lbUf);
    DBComboBoxC1->SetDataField(&TabCliente, QStringLiteral("ufexpeditor"));
    DBEdit5 =
        edit(QStringLiteral("DBEdit5"),
             titulo(this, QStringLiteral("lbEndereco"), QStringLiteral("Endereço"), 280, 50, true),
             280, 65, 246, QStringLiteral("logradouro"));
    DBEdit6 = edit(QStringLiteral("DBEdit6"),
                   titulo(this, QStringLiteral("lbNumero"), QStringLiteral("Nº"), 532, 50, true),
                   532, 65, 64, QStringLiteral("numero"));

    // Row 3: complement, district, phones.
    DBEdit7 =
        edit(QStringLiteral("DBEdit7"),
             titulo(this, QStringLiteral("lbComplemento"), QStringLiteral("Complemento"), 8, 92), 8,
             107, 164, QStringLiteral("complemento"));
    DBEdit8 =
        edit(QStringLiteral("DBEdit8"),
             titulo(this, QStringLiteral("lbBairro"), QStringLiteral("Bairro"), 178, 92, true), 178,
             107, 164, QStringLiteral("bairro"));
    lbTelefone = titulo(this, QStringLiteral("lbTelefone"), QStringLiteral("Telefone"), 348, 92);
    edtTelefone =
        edit(QStringLiteral("edtTelefone"), lbTelefone, 348, 107, 121, QStringLiteral("telefone"));
    edtTelefone->set_03SomenteNumeros(true);
    DBEdit10 = edit(QStringLiteral("DBEdit10"),
                    titulo(this, QStringLiteral("lbCelular"), QStringLiteral("Celular"), 475, 92),
                    475, 107, 121, QStringLiteral("celular"));
    DBEdit10->set_03SomenteNumeros(true);

    // Row 4: contact, e-mail, city.
    DBEdit11 = edit(QStringLiteral("DBEdit11"),
                    titulo(this, QStringLiteral("lbContato"), QStringLiteral("Contato"), 8, 134), 8,
                    149, 164, QStringLiteral("contato"));
    DBEdit12 = edit(QStringLiteral("DBEdit12"),
                    titulo(this, QStringLiteral("lbEmail"), QStringLiteral("E-Mail"), 178, 134),
                    178, 149, 198, QStringLiteral("email"));
    titulo(this, QStringLiteral("lbCidade"), QStringLiteral("Cidade"), 382, 134, true);
    DBCIDADE = new QComboBox(this);
    DBCIDADE->setObjectName(QStringLiteral("DBCIDADE"));
    DBCIDADE->setGeometry(382, 149, 188, 21);
    DBCIDADE->setModel(ModeloCidades);
    DBCIDADE->setCurrentIndex(-1);
    connect(DBCIDADE, &QComboBox::activated, this,
            [this](int linha) { DefineCidade(ModeloCidades->Cidade(linha).Codcidade); });
    connect(ModeloCidades, &QAbstractItemModel::modelReset, this, [this] { mostraCidade(); });
    FAvisoCidade = TabCliente.Observa([this](const QString& coluna) {
        if (coluna.isEmpty() || coluna == QStringLiteral("codcidade"))
            mostraCidade();
    });
    btnLocalizaCidade =
        CriaBotaoFigura(this, QStringLiteral("btnLocalizaCidade"), QString(), TFigura::Localizar);
    btnLocalizaCidade->move(574, 149);
    connect(btnLocalizaCidade, &QToolButton::clicked, this,
            &TFCadastroClienteUtilOffline::btnLocalizaCidadeClick);

    // Row 5: postcode, birth date, reference point.
    DBEditC1 = edit(QStringLiteral("DBEditC1"),
                    titulo(this, QStringLiteral("lbCep"), QStringLiteral("CEP"), 8, 176, true), 8,
                    191, 80, QStringLiteral("cep"));
    DBEditC1->setInputMask(QStringLiteral("00000-999;_"));
    DBEditC1->set_03SomenteNumeros(true);
    Label13 = titulo(this, QStringLiteral("Label13"), QStringLiteral("Data Nascimento"), 94, 176);
    edtNascimento = new TDBDateEditC(this);
    edtNascimento->setObjectName(QStringLiteral("edtNascimento"));
    edtNascimento->setGeometry(94, 191, 112, 21);
    edtNascimento->set_02Titulo(Label13);
    edtNascimento->SetDataField(&TabCliente, QStringLiteral("nascimento"));
    Label1 =
        titulo(this, QStringLiteral("Label1"), QStringLiteral("Ponto de Referência"), 212, 176);
    DBEditC2 =
        edit(QStringLiteral("DBEditC2"), Label1, 212, 191, 384, QStringLiteral("pontoreferencia"));

    // The button strip.
    auto* faixa = new QWidget(this);
    faixa->setObjectName(QStringLiteral("pnlBotoes"));
    faixa->setGeometry(0, 224, 604, 60);
    faixa->setAutoFillBackground(true);
    QPalette branca = faixa->palette();
    branca.setColor(QPalette::Window, Qt::white);
    faixa->setPalette(branca);
    btnConfirmar = CriaBotaoFigura(faixa, QStringLiteral("btnConfirmar"),
                                   QStringLiteral("Confirmar"), TFigura::Confirmar);
    btnConfirmar->move(474, 5);
    btnCancelar = CriaBotaoFigura(faixa, QStringLiteral("btnCancelar"), QStringLiteral("Cancelar"),
                                  TFigura::Cancelar);
    btnCancelar->move(537, 5);
    connect(btnConfirmar, &QToolButton::clicked, this,
            &TFCadastroClienteUtilOffline::btnConfirmarClick);
    connect(btnCancelar, &QToolButton::clicked, this,
            &TFCadastroClienteUtilOffline::btnCancelarClick);

    const QList<QWidget*> ordem{dbCodigo,     DBEdit2,       DBEdit3,  DBEdit4,      DBEditC3,
                                DBComboBoxC1, DBEdit5,       DBEdit6,  DBEdit7,      DBEdit8,
                                edtTelefone,  DBEdit10,      DBEdit11, DBEdit12,     DBCIDADE,
                                DBEditC1,     edtNascimento, DBEditC2, btnConfirmar, btnCancelar};
    for (int i = 1; i < ordem.size(); ++i)
        setTabOrder(ordem[i - 1], ordem[i]);
}

void TFCadastroClienteUtilOffline::CriaSelecaoCidade() {
    if (!FSelecaoCidade)
        FSelecaoCidade = new TFSelecaoCidadeOffline(*this, this);
}

bool TFCadastroClienteUtilOffline::configuracao(const QString& coluna) const {
    return QConfiguracao.Active() && !QConfiguracao.IsEmpty() &&
           QConfiguracao.FieldByName(coluna).toBool();
}

void TFCadastroClienteUtilOffline::ReabreListaCidade() {
    QListaCidade.Close();
    QListaCidade.Open();
    ModeloCidades->Carrega(QListaCidade);
}

void TFCadastroClienteUtilOffline::mostraCidade() {
    const QVariant codigo = TabCliente.FieldByName(QStringLiteral("codcidade"));
    const int linha = codigo.isNull() ? -1 : ModeloCidades->LinhaDoCodigo(codigo.toInt());
    if (DBCIDADE->currentIndex() != linha)
        DBCIDADE->setCurrentIndex(linha);
}

void TFCadastroClienteUtilOffline::DefineCidade(int codcidade) {
    try {
        TabCliente.SetCampo(QStringLiteral("codcidade"),
                            codcidade > 0 ? QVariant(codcidade) : QVariant());
    } catch (const EErro& e) {
        alerta(e.Mensagem());
    }
    mostraCidade();
}

void TFCadastroClienteUtilOffline::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    if (const QScreen* tela = screen())
        move(tela->availableGeometry().center() - rect().center());
    FormShow();
}

void TFCadastroClienteUtilOffline::FormShow() {
    try {
        QConfiguracao.Close();
        QConfiguracao.Open();
        ReabreListaCidade();
        CodCliente = 0;
        confirmou = false;
        const bool ficha = configuracao(QStringLiteral("pdvexibecodfichacliente"));
        if (TabCliente.Estado() == TEstadoDataset::Inserindo && ficha) {
            QProximoCodFicha.Close();
            QProximoCodFicha.Open();
            TabCliente.SetCampo(QStringLiteral("codigoficha"),
                                QProximoCodFicha.FieldByName(QStringLiteral("codigoficha")));
        }
        if (!Nome.isEmpty())
            TabCliente.SetCampo(QStringLiteral("razaosocialnome"), Nome);
        if (!CPF.isEmpty())
            TabCliente.SetCampo(QStringLiteral("cnpjcpf"), CPF);
        edtNascimento->set_01Obrigatorio(
            configuracao(QStringLiteral("pdvdatanascimentoclienteobrigatoria")));
        edtTelefone->set_01Obrigatorio(
            configuracao(QStringLiteral("pdvtelefoneclienteobrigatorio")));
        if (ficha) {
            lbCodigo->setText(QStringLiteral("Cód. Ficha"));
            dbCodigo->SetDataField(&TabCliente, QStringLiteral("codigoficha"));
        } else {
            lbCodigo->setText(QStringLiteral("Código"));
            dbCodigo->SetDataField(&TabCliente, QStringLiteral("codcliente"));
        }
        ajustaTitulo(lbCodigo);
    } catch (const EErro& e) {
        alerta(e.Mensagem());
    }
    DBEdit2->setFocus();
}

void TFCadastroClienteUtilOffline::documentoSai() {
    if (FFechando || !isVisible())
        return;
    const QString formatado = FormataCnpjCpf(DBEdit3->text(), true);
    try {
        TabCliente.SetCampo(QStringLiteral("cnpjcpf"), formatado);
    } catch (const EErro&) {
        alerta(MensagemValorIncorreto);
        DBEdit11->setFocus();
    }
}

void TFCadastroClienteUtilOffline::btnConfirmarClick() {
    if (!ValidaCnpjCpf(TabCliente.AsString(QStringLiteral("cnpjcpf")))) {
        alerta(MensagemCadastroIncompleto);
        return;
    }
    auto vazio = [this](const char* coluna) {
        return TabCliente.AsString(QString::fromLatin1(coluna)).trimmed().isEmpty();
    };
    const QString cep = SoDigitos(TabCliente.AsString(QStringLiteral("cep"))).trimmed();
    if (vazio("razaosocialnome") || vazio("logradouro") || vazio("numero") || vazio("bairro") ||
        TabCliente.FieldByName(QStringLiteral("codcidade")).toInt() <= 0 || cep.size() != 8) {
        alerta(MensagemCadastroIncompleto);
        return;
    }
    if (configuracao(QStringLiteral("pdvdatanascimentoclienteobrigatoria")) &&
        TabCliente.FieldByName(QStringLiteral("nascimento")).isNull()) {
        alerta(MensagemCadastroIncompleto);
        return;
    }
    if (configuracao(QStringLiteral("pdvtelefoneclienteobrigatorio")) && vazio("telefone")) {
        alerta(MensagemCadastroIncompleto);
        return;
    }
    try {
        const QString documento = DBEdit3->text();
        QVerificaCnpj.Close();
        QVerificaCnpj.SetParametro(QStringLiteral("codcliente"),
                                   TabCliente.FieldByName(QStringLiteral("codcliente")));
        QVerificaCnpj.SetParametro(QStringLiteral("cnpjformatado"),
                                   FormataCnpjCpf(documento, true));
        QVerificaCnpj.SetParametro(QStringLiteral("cnpjsemformatar"), SoDigitos(documento));
        QVerificaCnpj.Open();
        if (QVerificaCnpj.FieldByName(QStringLiteral("codcliente")).toInt() > 0) {
            alerta(MensagemCnpjCpfJaCadastrado);
            return;
        }
        TabCliente.ApplyUpdates();
    } catch (const EErro& e) {
        // The record stays pending and the form open, so nothing typed is lost.
        alerta(e.Mensagem());
        return;
    }
    CodCliente = TabCliente.FieldByName(QStringLiteral("codcliente")).toInt();
    confirmou = true;
    alerta(MensagemOperacaoRealizada);
    fecha(QDialog::Accepted);
}

void TFCadastroClienteUtilOffline::btnCancelarClick() {
    confirmou = false;
    TabCliente.Cancel();
    alerta(MensagemOperacaoCancelada);
    fecha(QDialog::Rejected);
}

void TFCadastroClienteUtilOffline::btnLocalizaCidadeClick() {
    CriaSelecaoCidade();
    FSelecaoCidade->exec();
    delete FSelecaoCidade;
    FSelecaoCidade = nullptr;
}

void TFCadastroClienteUtilOffline::fecha(int resultado) {
    FFechando = true;
    done(resultado);
    FFechando = false;
}

void TFCadastroClienteUtilOffline::keyPressEvent(QKeyEvent* e) {
    // Only Confirmar and Cancelar close the form: Esc does nothing here.
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TFCadastroClienteUtilOffline::closeEvent(QCloseEvent* e) {
    if (!FFechando)
        e->ignore();
}

TFCadastroClienteUtilOffline* FCadastroClienteUtilOffline() {
    return instancia;
}

void CriaFormulariosOffline(TConexao& conexao) {
    if (instancia)
        return;
    instancia = new TFCadastroClienteUtilOffline(conexao);
    instancia->CriaSelecaoCidade();
}

void LiberaFormulariosOffline() {
    delete instancia;
}
