// The data-aware edit, date edit and combo box: the title label's styles through real focus
// moves, the enter and exit events after them, the numbers-only filters, and the link to a
// column of a dataset on the back-office schema.

#include "ApresentadorGravador.h"
#include "BancoTeste.h"
#include "Conexao.h"
#include "Dataset.h"
#include "DBComboBoxC.h"
#include "DBDateEditC.h"
#include "DBEditC.h"

#include <memory>
#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {
const QString Banco = QStringLiteral("tst_controles");

const TEstiloFonte Simples{};
const TEstiloFonte Negrito{true, false, false, false};
const TEstiloFonte Obrigatorio{true, false, true, false};

TEstiloFonte estilo(const QLabel* label) {
    return TEstiloFonte::De(label->font());
}

// A window holding one control of the kind asked for, its title label and another edit to
// take the focus away.
struct TBancada {
    QWidget Janela;
    QLabel* Titulo = nullptr;
    QWidget* Controle = nullptr;
    QLineEdit* Outro = nullptr;
    QStringList Eventos; // "enter:<style of the title at the call>", "exit:..."

    explicit TBancada(const QString& tipo) {
        Janela.resize(300, 120);
        Titulo = new QLabel(QStringLiteral("Título"), &Janela);
        Titulo->move(8, 8);
        if (tipo == QLatin1String("edit"))
            Controle = new TDBEditC(&Janela);
        else if (tipo == QLatin1String("date"))
            Controle = new TDBDateEditC(&Janela);
        else
            Controle = new TDBComboBoxC(&Janela);
        Controle->setGeometry(8, 26, 150, 22);
        Outro = new QLineEdit(&Janela);
        Outro->setGeometry(8, 60, 150, 22);
        DefineEventos([this](QObject* s) { anota(QStringLiteral("enter"), s); },
                      [this](QObject* s) { anota(QStringLiteral("exit"), s); });
    }

    void DefineEventos(TNotifyEvent entra, TNotifyEvent sai) {
        if (auto* e = qobject_cast<TDBEditC*>(Controle)) {
            e->_OnEnter = entra;
            e->_OnExit = sai;
        } else if (auto* d = qobject_cast<TDBDateEditC*>(Controle)) {
            d->_OnEnter = entra;
            d->_OnExit = sai;
        } else if (auto* c = qobject_cast<TDBComboBoxC*>(Controle)) {
            c->_OnEnter = entra;
            c->_OnExit = sai;
        }
    }

    // Form definitions set the controls through their properties.
    void Obrigatorio(bool valor) { QVERIFY(Controle->setProperty("_01Obrigatorio", valor)); }
    void DefineTitulo(QLabel* label) {
        QVERIFY(Controle->setProperty("_02Titulo", QVariant::fromValue(label)));
    }

    bool Mostra() {
        Janela.show();
        return QTest::qWaitForWindowActive(&Janela);
    }

private:
    void anota(const QString& evento, QObject* sender) {
        QString texto = evento;
        if (sender != Controle)
            texto += QStringLiteral(":wrong sender");
        else if (Titulo && estilo(Titulo) == Negrito)
            texto += QStringLiteral(":bold");
        else if (Titulo && estilo(Titulo) == ::Obrigatorio)
            texto += QStringLiteral(":required");
        Eventos.append(texto);
    }
};

void tipos() {
    QTest::addColumn<QString>("tipo");
    QTest::newRow("edit") << "edit";
    QTest::newRow("date edit") << "date";
    QTest::newRow("combo box") << "combo";
}
} // namespace

class TstControles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void tituloObrigatorioNasMudancasDeFoco_data() { tipos(); }
    void tituloObrigatorioNasMudancasDeFoco();
    void semTituloOsEventosAindaVem_data() { tipos(); }
    void semTituloOsEventosAindaVem();
    void obrigatorioAntesDoTituloNaoMexeNoTitulo_data() { tipos(); }
    void obrigatorioAntesDoTituloNaoMexeNoTitulo();
    void filtroNumerico_data();
    void filtroNumerico();
    void filtroDeixaAsTeclasDeEdicao();
    void comboSemFiltro();

    void editMostraEGravaAColuna();
    void dataGravaAColuna();
    void dataRecusaTextoQueNaoEData_data();
    void dataRecusaTextoQueNaoEData();
    void comboMostraEGravaAColuna();

private:
    std::unique_ptr<TConexao> FConexao;
    std::unique_ptr<TDataset> novoCliente();
};

void TstControles::initTestCase() {
    QCOMPARE(CriaBancoTeste(Banco), QString());
    const TServidorTeste s = TServidorTeste::DoAmbiente();
    FConexao = std::make_unique<TConexao>(QStringLiteral("tst_controles"));
    FConexao->Server = s.Host;
    FConexao->Port = s.Porta;
    FConexao->User = s.Usuario;
    FConexao->Password = s.Senha;
    FConexao->Database = Banco;
    FConexao->Connect();
}

void TstControles::cleanupTestCase() {
    FConexao.reset();
}

std::unique_ptr<TDataset> TstControles::novoCliente() {
    auto tab = std::make_unique<TDataset>(
        *FConexao, QStringLiteral("select codcliente, razaosocialnome, nascimento, ufexpeditor"
                                  " from cliente c where c.codcliente = :codcliente"));
    tab->SetParametro(QStringLiteral("codcliente"), -1);
    tab->Open();
    tab->Insert();
    return tab;
}

void TstControles::tituloObrigatorioNasMudancasDeFoco() {
    QFETCH(QString, tipo);
    TBancada b(tipo);
    b.DefineTitulo(b.Titulo);
    b.Obrigatorio(true);
    QCOMPARE(estilo(b.Titulo), Obrigatorio);
    QVERIFY(b.Mostra());

    b.Controle->setFocus(Qt::TabFocusReason);
    QCOMPARE(estilo(b.Titulo), Negrito); // the underline goes while the control has the focus
    QCOMPARE(b.Eventos, QStringList{"enter:bold"});

    // Another window in front (an alert) is not leaving the control.
    QWidget alerta;
    alerta.show();
    alerta.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&alerta));
    alerta.close();
    b.Janela.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&b.Janela));
    QVERIFY(b.Controle->hasFocus());
    QCOMPARE(estilo(b.Titulo), Negrito);
    QCOMPARE(b.Eventos, QStringList{"enter:bold"});

    b.Outro->setFocus(Qt::TabFocusReason);
    QCOMPARE(estilo(b.Titulo), Obrigatorio);
    QCOMPARE(b.Eventos, QStringList({"enter:bold", "exit:required"}));

    b.Controle->setFocus(Qt::MouseFocusReason);
    b.Outro->setFocus(Qt::MouseFocusReason);
    QCOMPARE(estilo(b.Titulo), Obrigatorio);
    QCOMPARE(b.Eventos.size(), 4);
}

void TstControles::semTituloOsEventosAindaVem() {
    QFETCH(QString, tipo);
    TBancada b(tipo);
    QFont italico = b.Titulo->font();
    italico.setItalic(true);
    b.Titulo->setFont(italico);
    b.Obrigatorio(true);
    QVERIFY(b.Mostra());
    b.Controle->setFocus(Qt::TabFocusReason);
    b.Outro->setFocus(Qt::TabFocusReason);
    QCOMPARE(b.Eventos, QStringList({"enter", "exit"}));
    QCOMPARE(estilo(b.Titulo), (TEstiloFonte{false, true, false, false}));
}

void TstControles::obrigatorioAntesDoTituloNaoMexeNoTitulo() {
    QFETCH(QString, tipo);
    TBancada b(tipo);
    QFont italico = b.Titulo->font();
    italico.setItalic(true);
    b.Titulo->setFont(italico);
    b.Obrigatorio(true); // form definitions store the flag before the title
    b.DefineTitulo(b.Titulo);
    QCOMPARE(estilo(b.Titulo), (TEstiloFonte{false, true, false, false}));

    // Turning the flag off makes the title plain, also one that was bold by definition.
    QFont negrito = b.Titulo->font();
    negrito.setBold(true);
    b.Titulo->setFont(negrito);
    b.Obrigatorio(false);
    QCOMPARE(estilo(b.Titulo), Simples);
    QCOMPARE(b.Controle->property("_01Obrigatorio").toBool(), false);
}

void TstControles::filtroNumerico_data() {
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<bool>("filtro");
    QTest::addColumn<QString>("teclas");
    QTest::addColumn<QString>("texto");

    QTest::newRow("edit, filter on") << "edit" << true << "1a2/3,4.5-x \t"
                                     << "123,4.5";
    QTest::newRow("edit, filter off") << "edit" << false << "1a2/3,4.5-x"
                                      << "1a2/3,4.5-x";
    // The date edit's own mask places the slashes; the filter lets digits and "," through.
    QTest::newRow("date edit, filter on") << "date" << true << "2a5.1,2/2x024"
                                          << "25/12/2024";
}

void TstControles::filtroNumerico() {
    QFETCH(QString, tipo);
    QFETCH(bool, filtro);
    QFETCH(QString, teclas);
    QFETCH(QString, texto);
    TBancada b(tipo);
    QVERIFY(b.Controle->setProperty("_03SomenteNumeros", filtro));
    QVERIFY(b.Mostra());
    b.Controle->setFocus();
    QTest::keyClicks(b.Controle, teclas);
    QCOMPARE(static_cast<QLineEdit*>(b.Controle)->text(), texto);
    // Text set by code is not filtered.
    static_cast<QLineEdit*>(b.Controle)->setText(QStringLiteral("ab"));
    if (tipo == QLatin1String("edit"))
        QCOMPARE(static_cast<QLineEdit*>(b.Controle)->text(), QStringLiteral("ab"));
}

void TstControles::filtroDeixaAsTeclasDeEdicao() {
    TBancada b(QStringLiteral("edit"));
    auto* edit = static_cast<TDBEditC*>(b.Controle);
    edit->set_03SomenteNumeros(true);
    QVERIFY(b.Mostra());
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("1234"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QStringLiteral("123"));
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClicks(edit, QStringLiteral("9"));
    QCOMPARE(edit->text(), QStringLiteral("293"));
}

void TstControles::comboSemFiltro() {
    TBancada b(QStringLiteral("combo"));
    auto* combo = static_cast<TDBComboBoxC*>(b.Controle);
    QCOMPARE(combo->metaObject()->indexOfProperty("_03SomenteNumeros"), -1);
    combo->addItems({QString(), QStringLiteral("RJ"), QStringLiteral("SP"), QStringLiteral("12")});
    QVERIFY(b.Mostra());
    combo->setFocus();
    QTest::keyClicks(combo, QStringLiteral("1"));
    QCOMPARE(combo->currentText(), QStringLiteral("12"));
    QTest::qWait(QApplication::keyboardInputInterval() + 50);
    QTest::keyClicks(combo, QStringLiteral("S"));
    QCOMPARE(combo->currentText(), QStringLiteral("SP"));
}

void TstControles::editMostraEGravaAColuna() {
    auto tab = novoCliente();
    TBancada b(QStringLiteral("edit"));
    auto* edit = static_cast<TDBEditC*>(b.Controle);
    edit->SetDataField(tab.get(), QStringLiteral("razaosocialnome"));
    QCOMPARE(edit->maxLength(), 65);
    QVERIFY(b.Mostra());
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("Maria"));
    QCOMPARE(tab->AsString(QStringLiteral("razaosocialnome")), QStringLiteral("Maria"));
    QTest::keyClicks(edit, QString(70, QLatin1Char('x')));
    QCOMPARE(tab->AsString(QStringLiteral("razaosocialnome")).size(), 65);
    QCOMPARE(edit->text(), tab->AsString(QStringLiteral("razaosocialnome")));

    tab->SetCampo(QStringLiteral("razaosocialnome"), QStringLiteral("José Ção"));
    QCOMPARE(edit->text(), QStringLiteral("José Ção"));
    tab->Cancel();
    QCOMPARE(edit->text(), QString());

    // An integer column shows as its number.
    TDBEditC codigo;
    tab->Insert();
    codigo.SetDataField(tab.get(), QStringLiteral("codcliente"));
    QCOMPARE(codigo.text(), tab->AsString(QStringLiteral("codcliente")));
    QVERIFY(codigo.text().toInt() > 0);
}

void TstControles::dataGravaAColuna() {
    auto tab = novoCliente();
    TBancada b(QStringLiteral("date"));
    auto* data = static_cast<TDBDateEditC*>(b.Controle);
    data->SetDataField(tab.get(), QStringLiteral("nascimento"));
    QVERIFY(b.Mostra());
    data->setFocus();
    QTest::keyClicks(data, QStringLiteral("1705199"));
    QVERIFY(tab->FieldByName(QStringLiteral("nascimento")).isNull());
    QTest::keyClicks(data, QStringLiteral("0"));
    QCOMPARE(tab->FieldByName(QStringLiteral("nascimento")).toDate(), QDate(1990, 5, 17));

    data->selectAll();
    QTest::keyClick(data, Qt::Key_Backspace);
    QVERIFY(data->EmBranco());
    QVERIFY(tab->FieldByName(QStringLiteral("nascimento")).isNull());

    tab->SetCampo(QStringLiteral("nascimento"), QDate(2001, 2, 3));
    QCOMPARE(data->text(), QStringLiteral("03/02/2001"));

    // The calendar button opens on the date shown; a day chosen with the keyboard is written.
    data->actions().first()->trigger();
    auto* calendario = data->findChild<QCalendarWidget*>();
    QVERIFY(calendario && calendario->isVisible());
    QCOMPARE(calendario->selectedDate(), QDate(2001, 2, 3));
    auto* dias = calendario->findChild<QAbstractItemView*>();
    QVERIFY(dias);
    QTest::keyClick(dias, Qt::Key_Right);
    QTest::keyClick(dias, Qt::Key_Return);
    QVERIFY(!calendario->isVisible());
    QCOMPARE(data->text(), QStringLiteral("04/02/2001"));
    QCOMPARE(tab->FieldByName(QStringLiteral("nascimento")).toDate(), QDate(2001, 2, 4));
    data->setFocus();

    TApresentadorGravador apresentador;
    b.Outro->setFocus(Qt::TabFocusReason);
    QTest::qWait(20);
    QVERIFY(apresentador.Alertas.isEmpty());
    QCOMPARE(b.Eventos, QStringList({"enter", "exit"}));
}

void TstControles::dataRecusaTextoQueNaoEData_data() {
    QTest::addColumn<QString>("teclas");
    QTest::addColumn<QString>("mostrado");
    QTest::newRow("no such day") << "31021990"
                                 << "31/02/1990";
    QTest::newRow("month 13") << "01131990"
                              << "01/13/1990";
    QTest::newRow("year cut short") << "170519"
                                    << "17/05/19__";
}

void TstControles::dataRecusaTextoQueNaoEData() {
    QFETCH(QString, teclas);
    QFETCH(QString, mostrado);
    auto tab = novoCliente();
    tab->SetCampo(QStringLiteral("nascimento"), QDate(1980, 1, 1));
    TBancada b(QStringLiteral("date"));
    auto* data = static_cast<TDBDateEditC*>(b.Controle);
    data->SetDataField(tab.get(), QStringLiteral("nascimento"));
    data->set_02Titulo(b.Titulo);
    QVERIFY(b.Mostra());
    TApresentadorGravador apresentador;

    data->setFocus(Qt::TabFocusReason);
    data->selectAll();
    QTest::keyClicks(data, teclas);
    b.Outro->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(apresentador.Textos(),
                 QStringList{TDBDateEditC::MensagemDataInvalida.arg(mostrado)});
    QTRY_VERIFY(data->hasFocus());
    // Not left: no exit event, the title keeps the focus style, the column its date.
    QCOMPARE(b.Eventos, QStringList{"enter:bold"});
    QCOMPARE(estilo(b.Titulo), Negrito);
    QCOMPARE(tab->FieldByName(QStringLiteral("nascimento")).toDate(), QDate(1980, 1, 1));
}

void TstControles::comboMostraEGravaAColuna() {
    auto tab = novoCliente();
    TBancada b(QStringLiteral("combo"));
    auto* combo = static_cast<TDBComboBoxC*>(b.Controle);
    combo->addItems({QString(), QStringLiteral("RJ"), QStringLiteral("SP")});
    combo->SetDataField(tab.get(), QStringLiteral("ufexpeditor"));
    QCOMPARE(combo->currentText(), QString());
    tab->SetCampo(QStringLiteral("ufexpeditor"), QStringLiteral("SP"));
    QCOMPARE(combo->currentText(), QStringLiteral("SP"));
    QVERIFY(b.Mostra());
    combo->setFocus();
    QTest::keyClicks(combo, QStringLiteral("R"));
    QCOMPARE(tab->AsString(QStringLiteral("ufexpeditor")), QStringLiteral("RJ"));
}

QTEST_MAIN(TstControles)
#include "tst_controles.moc"
