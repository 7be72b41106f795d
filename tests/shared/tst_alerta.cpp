#include "ApresentadorJanelas.h"
#include "uAlerta.h"

#include <functional>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <QWindow>

Q_DECLARE_METATYPE(TTipoAlerta)

namespace {
QString pastaFotos() {
    QString pasta = qEnvironmentVariable("VARELO_SHOTS");
    if (pasta.isEmpty())
        pasta = QDir::currentPath();
    QDir().mkpath(pasta);
    return pasta;
}

QRect tela() {
    return QGuiApplication::primaryScreen()->geometry();
}

QList<TFAlerta*> alertasAbertos() {
    QList<TFAlerta*> alertas;
    for (QWidget* janela : QApplication::topLevelWidgets())
        if (auto* alerta = qobject_cast<TFAlerta*>(janela))
            alertas.append(alerta);
    return alertas;
}

// Sends one named gesture to the alert the way the user's keyboard or mouse would reach it.
void gesto(TFAlerta* alerta, const QString& nome) {
    QWindow* janela = alerta->windowHandle();
    if (nome == QLatin1String("Enter"))
        QTest::keyClick(janela, Qt::Key_Return);
    else if (nome == QLatin1String("Espaco"))
        QTest::keyClick(janela, Qt::Key_Space);
    else if (nome == QLatin1String("Esc"))
        QTest::keyClick(janela, Qt::Key_Escape);
    else if (nome == QLatin1String("Tab"))
        QTest::keyClick(janela, Qt::Key_Tab);
    else if (nome == QLatin1String("A"))
        QTest::keyClick(janela, Qt::Key_A);
    else if (nome == QLatin1String("CtrlC"))
        QTest::keyClick(janela, Qt::Key_C, Qt::ControlModifier);
    else if (nome == QLatin1String("AltF4"))
        QTest::keyClick(janela, Qt::Key_F4, Qt::AltModifier);
    else if (nome == QLatin1String("FechaPeloSistema")) {
        // What the window system sends on Alt+F4 or the task bar's close.
        QCloseEvent pedido;
        QSpontaneKeyEvent::setSpontaneous(&pedido);
        QCoreApplication::instance()->notify(janela, &pedido);
    } else if (nome == QLatin1String("ClicaConfirmar"))
        QTest::mouseClick(alerta->BtnConfirmar, Qt::LeftButton);
    else if (nome == QLatin1String("ClicaCancelar"))
        QTest::mouseClick(alerta->BtnCancelar, Qt::LeftButton);
    else
        qFatal("gesto desconhecido: %s", qPrintable(nome));
}

// Drives the alert showing Texto once it is up and active, from the modal loop that shows it.
// Whatever the steps leave open is closed afterwards, so a faulty alert cannot hang the test.
class TCondutor : public QObject {
public:
    TCondutor(const QString& texto, std::function<void(TFAlerta*)> passos)
        : textoEsperado(texto), passos(std::move(passos)) {
        connect(&relogio, &QTimer::timeout, this, &TCondutor::procura);
        relogio.start(5);
    }

    bool Conduziu = false;
    bool FicouAberto = false;

private:
    void procura() {
        auto* alerta = qobject_cast<TFAlerta*>(QApplication::activeModalWidget());
        if (!alerta || !alerta->isActiveWindow() || alerta->texto->text() != textoEsperado)
            return;
        relogio.stop();
        Conduziu = true;
        QPointer<TFAlerta> guarda(alerta);
        passos(alerta);
        if (guarda && guarda->isVisible()) {
            FicouAberto = true;
            guarda->reject();
        }
    }

    QString textoEsperado;
    std::function<void(TFAlerta*)> passos;
    QTimer relogio;
};

// Runs the gestures in order: all but the last must leave the alert open, the last must close
// it. Returns the problems found.
QStringList executaGestos(TFAlerta* alerta, const QStringList& gestos) {
    QStringList problemas;
    QPointer<TFAlerta> guarda(alerta);
    for (qsizetype i = 0; i < gestos.size(); ++i) {
        gesto(alerta, gestos.at(i));
        const bool aberto = guarda && guarda->isVisible();
        const bool ultimo = i == gestos.size() - 1;
        if (aberto == ultimo)
            problemas.append(gestos.at(i) +
                             (ultimo ? " deixou o alerta aberto" : " fechou o alerta"));
        if (!aberto)
            break;
    }
    return problemas;
}

QString textoLongo() {
    QStringList palavras;
    for (int i = 0; i < 60; ++i)
        palavras.append(QStringLiteral("palavra%1").arg(i));
    return palavras.join(QLatin1Char(' '));
}
} // namespace

class TestAlerta : public QObject {
    Q_OBJECT

private slots:
    void init() { apresentador = std::make_unique<TApresentadorJanelas>(); }

    void cleanup() {
        apresentador.reset();
        QVERIFY2(alertasAbertos().isEmpty(), "um alerta sobreviveu à chamada que o mostrou");
    }

    void aparencia_data() {
        QTest::addColumn<TTipoAlerta>("tipo");
        QTest::addColumn<QString>("confirmar");
        QTest::addColumn<QString>("cancelar");
        QTest::addColumn<QString>("legendaConfirmar");
        QTest::addColumn<QString>("legendaCancelar");
        QTest::addColumn<QString>("foco");
        QTest::addColumn<QString>("foto");

        QTest::newRow("ConfirmaCancela") << TTipoAlerta::TAConfirmaCancela << "ignorada"
                                         << "ignorada"
                                         << "Confirmar"
                                         << "Cancelar"
                                         << "BtnConfirmar"
                                         << "alerta-confirma.png";
        QTest::newRow("SimNao") << TTipoAlerta::TASimNao << ""
                                << ""
                                << "Sim"
                                << "Não"
                                << "BtnConfirmar"
                                << "";
        QTest::newRow("PressioneESC") << TTipoAlerta::TAPressioneESC << ""
                                      << ""
                                      << ""
                                      << ""
                                      << ""
                                      << "alerta.png";
        QTest::newRow("NaoSim") << TTipoAlerta::TANaoSim << ""
                                << ""
                                << "Sim"
                                << "Não"
                                << "BtnCancelar"
                                << "";
        QTest::newRow("Personalizado") << TTipoAlerta::TAPersonalizado << "Gravar"
                                       << "Descartar"
                                       << "Gravar"
                                       << "Descartar"
                                       << "BtnConfirmar"
                                       << "";
    }

    // What each kind shows, where the focus starts, and that a short message gets the
    // smallest box, centred.
    void aparencia() {
        QFETCH(TTipoAlerta, tipo);
        QFETCH(QString, confirmar);
        QFETCH(QString, cancelar);
        QFETCH(QString, legendaConfirmar);
        QFETCH(QString, legendaCancelar);
        QFETCH(QString, foco);
        QFETCH(QString, foto);
        const QString mensagem = QStringLiteral("  Pedido 12 gravado.\n");
        const bool comBotoes = !legendaConfirmar.isEmpty();

        QStringList problemas;
        auto confere = [&](bool certo, const QString& oque) {
            if (!certo)
                problemas.append(oque);
        };
        TCondutor condutor(mensagem, [&](TFAlerta* alerta) {
            confere(alerta->TipoAlerta == tipo, "TipoAlerta");
            confere(!alerta->Resposta, "Resposta começa verdadeira");
            confere(alerta->texto->text() == mensagem, "o texto foi alterado");
            confere(alerta->GridPanel1->isVisible() == comBotoes, "linha de botões");
            confere(alerta->BtnConfirmar->isVisible() == comBotoes, "BtnConfirmar visível");
            confere(alerta->BtnCancelar->isVisible() == comBotoes, "BtnCancelar visível");
            confere(alerta->Label2->isVisible() == !comBotoes, "Label2 visível");
            confere(alerta->Label2->text() == "Pressione ESC Para Continuar.", "Label2");
            if (comBotoes) {
                confere(alerta->BtnConfirmar->text() == legendaConfirmar, "legenda confirmar");
                confere(alerta->BtnCancelar->text() == legendaCancelar, "legenda cancelar");
            }
            QWidget* focado = QApplication::focusWidget();
            const QString nomeFocado = focado && focado != alerta ? focado->objectName() : "";
            confere(nomeFocado == foco, "foco em '" + nomeFocado + "'");
            confere(alerta->windowFlags().testFlag(Qt::FramelessWindowHint), "tem moldura");
            confere(alerta->size() == QSize(406, 136),
                    QStringLiteral("tamanho %1x%2").arg(alerta->width()).arg(alerta->height()));
            confere(alerta->pos() == QPoint(tela().width() / 2 - 203, tela().height() / 2 - 68),
                    "não está centrado");
            if (!foto.isEmpty())
                confere(alerta->grab().save(pastaFotos() + "/" + foto), "foto não gravada");
            gesto(alerta, "Esc");
        });

        QCOMPARE(ExibeMensagem(mensagem, tipo, confirmar, cancelar), false);
        QVERIFY(condutor.Conduziu);
        QVERIFY(!condutor.FicouAberto);
        QVERIFY2(problemas.isEmpty(), qPrintable(problemas.join("; ")));
    }

    void respostas_data() {
        QTest::addColumn<TTipoAlerta>("tipo");
        QTest::addColumn<QStringList>("gestos");
        QTest::addColumn<bool>("resposta");

        const auto cc = TTipoAlerta::TAConfirmaCancela;
        const auto sn = TTipoAlerta::TASimNao;
        const auto esc = TTipoAlerta::TAPressioneESC;
        const auto ns = TTipoAlerta::TANaoSim;
        const auto pe = TTipoAlerta::TAPersonalizado;
        QTest::newRow("ConfirmaCancela Enter") << cc << QStringList{"Enter"} << true;
        QTest::newRow("ConfirmaCancela Espaço") << cc << QStringList{"Espaco"} << true;
        QTest::newRow("ConfirmaCancela Esc") << cc << QStringList{"Esc"} << false;
        QTest::newRow("ConfirmaCancela Tab Enter") << cc << QStringList{"Tab", "Enter"} << false;
        QTest::newRow("ConfirmaCancela clique Confirmar")
            << cc << QStringList{"ClicaConfirmar"} << true;
        QTest::newRow("ConfirmaCancela clique Cancelar")
            << cc << QStringList{"ClicaCancelar"} << false;
        QTest::newRow("SimNao Enter") << sn << QStringList{"Enter"} << true;
        QTest::newRow("SimNao Esc") << sn << QStringList{"Esc"} << false;
        QTest::newRow("SimNao Tab Espaço") << sn << QStringList{"Tab", "Espaco"} << false;
        QTest::newRow("NaoSim Enter") << ns << QStringList{"Enter"} << false;
        QTest::newRow("NaoSim Espaço") << ns << QStringList{"Espaco"} << false;
        QTest::newRow("NaoSim Tab Enter") << ns << QStringList{"Tab", "Enter"} << true;
        QTest::newRow("NaoSim clique Sim") << ns << QStringList{"ClicaConfirmar"} << true;
        QTest::newRow("PressioneESC Esc") << esc << QStringList{"Esc"} << false;
        QTest::newRow("PressioneESC só fecha com Esc")
            << esc << QStringList{"Enter", "Espaco", "A", "Tab", "Enter", "Esc"} << false;
        QTest::newRow("Personalizado Enter") << pe << QStringList{"Enter"} << true;
        QTest::newRow("Personalizado Esc") << pe << QStringList{"Esc"} << false;
        QTest::newRow("Alt+F4 não fecha") << sn << QStringList{"AltF4", "Enter"} << true;
        QTest::newRow("Alt+F4 não fecha sem botões") << esc << QStringList{"AltF4", "Esc"} << false;
        QTest::newRow("fechar pelo sistema não fecha")
            << cc << QStringList{"FechaPeloSistema", "Enter"} << true;
        QTest::newRow("Ctrl+C não fecha") << ns << QStringList{"CtrlC", "Tab", "Enter"} << true;
    }

    void respostas() {
        QFETCH(TTipoAlerta, tipo);
        QFETCH(QStringList, gestos);
        QFETCH(bool, resposta);

        const QString mensagem = QStringLiteral("Deseja continuar?");
        QStringList problemas;
        TCondutor condutor(mensagem,
                           [&](TFAlerta* alerta) { problemas = executaGestos(alerta, gestos); });

        QCOMPARE(ExibeMensagem(mensagem, tipo, "Ok", "Voltar"), resposta);
        QVERIFY(condutor.Conduziu);
        QVERIFY2(problemas.isEmpty(), qPrintable(problemas.join("; ")));
        QVERIFY(!condutor.FicouAberto);
    }

    void ctrlCCopiaAMensagem_data() {
        QTest::addColumn<TTipoAlerta>("tipo");
        QTest::newRow("sem botões") << TTipoAlerta::TAPressioneESC;
        QTest::newRow("foco num botão") << TTipoAlerta::TANaoSim;
    }

    void ctrlCCopiaAMensagem() {
        QFETCH(TTipoAlerta, tipo);
        const QString mensagem = QStringLiteral("\tErro ao gravar:\r\nchave <duplicada> & ç ");
        QGuiApplication::clipboard()->setText("antes");
        QString copiado;
        TCondutor condutor(mensagem, [&](TFAlerta* alerta) {
            gesto(alerta, "CtrlC");
            copiado = QGuiApplication::clipboard()->text();
            gesto(alerta, "Esc");
        });

        QCOMPARE(ExibeMensagem(mensagem, tipo), false);
        QVERIFY(condutor.Conduziu);
        QCOMPARE(copiado, mensagem);
    }

    void tamanhoMinimo_data() {
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("vazia") << QString();
        QTest::newRow("só brancos e controles") << QStringLiteral(" \t\r\n\x01 \n");
        QTest::newRow("curta") << QStringLiteral("Ok");
    }

    void tamanhoMinimo() {
        QFETCH(QString, mensagem);
        TFAlerta alerta;
        AjustaTamanhoAlerta(&alerta, mensagem);
        QCOMPARE(alerta.size(), QSize(406, 136));
        QCOMPARE(alerta.pos(), QPoint(tela().width() / 2 - 406 / 2, tela().height() / 2 - 136 / 2));
    }

    // Blanks and control characters at either end do not change the size.
    void tamanhoIgnoraBrancosNasPontas() {
        TFAlerta limpo;
        AjustaTamanhoAlerta(&limpo, textoLongo());
        TFAlerta comBrancos;
        AjustaTamanhoAlerta(&comBrancos, "\r\n\r\n  \t" + textoLongo() + "  \r\n\r\n\r\n");
        QCOMPARE(comBrancos.geometry(), limpo.geometry());
    }

    void mensagemLonga_data() {
        QTest::addColumn<TTipoAlerta>("tipo");
        QTest::newRow("com botões") << TTipoAlerta::TAConfirmaCancela;
        QTest::newRow("com a dica") << TTipoAlerta::TAPressioneESC;
    }

    // A long message wraps at half the screen, the box grows in height and stays centred, and
    // every wrapped line is visible above the bottom row.
    void mensagemLonga() {
        QFETCH(TTipoAlerta, tipo);
        const QString mensagem = textoLongo();
        const int metade = tela().width() / 2;
        const int linha = QFontMetrics(TFAlerta().texto->font()).lineSpacing();

        QStringList problemas;
        auto confere = [&](bool certo, const QString& oque) {
            if (!certo)
                problemas.append(oque);
        };
        TCondutor condutor(mensagem, [&](TFAlerta* alerta) {
            const QSize tamanho = alerta->size();
            const QString medida =
                QStringLiteral("%1x%2").arg(tamanho.width()).arg(tamanho.height());
            confere(tamanho.width() >= 406 && tamanho.width() <= metade + 16, "largura " + medida);
            confere(tamanho.height() >= 50 + 4 * linha, "altura " + medida);
            confere(alerta->pos() == QPoint(tela().width() / 2 - tamanho.width() / 2,
                                            tela().height() / 2 - tamanho.height() / 2),
                    "não está centrado");
            QLabel* texto = alerta->texto;
            confere(texto->heightForWidth(texto->width()) <= texto->height(),
                    QStringLiteral("texto cortado: precisa de %1, tem %2")
                        .arg(texto->heightForWidth(texto->width()))
                        .arg(texto->height()));
            QWidget* linhaDeBaixo =
                alerta->GridPanel1->isVisible() ? alerta->GridPanel1 : alerta->Label2;
            confere(texto->geometry().bottom() < linhaDeBaixo->geometry().top(),
                    "o texto invade a linha de baixo");
            if (tipo == TTipoAlerta::TAConfirmaCancela)
                alerta->grab().save(pastaFotos() + "/alerta-longo.png");
            gesto(alerta, "Esc");
        });

        QCOMPARE(ExibeMensagem(mensagem, tipo), false);
        QVERIFY(condutor.Conduziu);
        QVERIFY2(problemas.isEmpty(), qPrintable(problemas.join("; ")));
    }

    // An alert requested from a timer while another is open gets a window of its own; the
    // outer one stays, blocked, and still gives its own answer afterwards.
    void alertaDentroDeAlerta() {
        const QString externa = QStringLiteral("Confirma a exportação?");
        const QString interna = QStringLiteral("Falha na importação do pedido 12");
        QPointer<TFAlerta> janelaExterna;
        QPointer<TFAlerta> janelaInterna;
        QStringList problemas;
        auto confere = [&](bool certo, const QString& oque) {
            if (!certo)
                problemas.append(oque);
        };
        bool respostaInterna = true;

        TCondutor condutorExterno(externa, [&](TFAlerta* alerta) {
            janelaExterna = alerta;
            TCondutor condutorInterno(interna, [&](TFAlerta* outro) {
                janelaInterna = outro;
                confere(outro != janelaExterna, "a mesma janela foi reaproveitada");
                confere(alertasAbertos().size() == 2, "não há duas janelas");
                confere(janelaExterna && janelaExterna->isVisible(), "a externa sumiu");
                confere(janelaExterna && janelaExterna->texto->text() == externa,
                        "a externa perdeu seu texto");
                // The outer alert is blocked while the inner one is up.
                gesto(janelaExterna, "Esc");
                confere(janelaExterna && janelaExterna->isVisible(), "a externa fechou por baixo");
                gesto(outro, "Esc");
            });
            QTimer::singleShot(
                0, [&] { respostaInterna = ExibeMensagem(interna, TTipoAlerta::TAPressioneESC); });
            // Waits in this loop, like any handler would, until the inner alert is gone.
            confere(QTest::qWaitFor([&] { return condutorInterno.Conduziu && !janelaInterna; }),
                    "a interna não foi destruída");
            confere(janelaExterna && janelaExterna->isVisible(), "a externa sumiu depois");
            confere(janelaExterna && janelaExterna->texto->text() == externa,
                    "a externa perdeu seu texto depois");
            confere(janelaExterna && janelaExterna->focusWidget() == janelaExterna->BtnConfirmar,
                    "a externa perdeu o foco em Sim");
            gesto(alerta, "Enter");
        });

        QCOMPARE(ExibeMensagem(externa, TTipoAlerta::TASimNao), true);
        QVERIFY(condutorExterno.Conduziu);
        QVERIFY(!condutorExterno.FicouAberto);
        QCOMPARE(respostaInterna, false);
        QVERIFY2(problemas.isEmpty(), qPrintable(problemas.join("; ")));
        QVERIFY(!janelaExterna);
    }

private:
    std::unique_ptr<TApresentadorJanelas> apresentador;
};

QTEST_MAIN(TestAlerta)
#include "tst_alerta.moc"
