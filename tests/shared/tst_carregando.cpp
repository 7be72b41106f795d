#include "ApresentadorJanelas.h"
#include "UCarregando.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <QWindow>

namespace {
QString pastaFotos() {
    QString pasta = qEnvironmentVariable("VARELO_SHOTS");
    if (pasta.isEmpty())
        pasta = QDir::currentPath();
    QDir().mkpath(pasta);
    return pasta;
}

int janelasDeCarregando() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int total = 0;
    for (QWidget* janela : QApplication::topLevelWidgets())
        total += qobject_cast<TFCarregando*>(janela) != nullptr;
    return total;
}
} // namespace

class TestCarregando : public QObject {
    Q_OBJECT

private slots:
    void init() { apresentador = std::make_unique<TApresentadorJanelas>(); }

    void cleanup() {
        apresentador.reset();
        QCOMPARE(TApresentadorJanelas::JanelaCarregando(), nullptr);
        QCOMPARE(janelasDeCarregando(), 0);
    }

    void janelaNova() {
        ExibeCarregando(false);
        TFCarregando* janela = TApresentadorJanelas::JanelaCarregando();
        QVERIFY(janela);
        QVERIFY(janela->isVisible());
        QVERIFY(janela->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(janela->windowTitle(), QStringLiteral("Carregando"));
        QCOMPARE(janela->size(), QSize(512, 159));
        const QRect tela = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(janela->pos(), QPoint(tela.width() / 2 - 256, tela.height() / 2 - 159 / 2));
        QCOMPARE(janela->Label1->text(), QStringLiteral("Processando..."));
        QCOMPARE(janela->ProgressBar1->minimum(), 0);
        QCOMPARE(janela->ProgressBar1->maximum(), 100);
        QCOMPARE(janela->Timer1->interval(), 1);
        QVERIFY(janela->Timer1->isActive());
        QVERIFY(janela->ActivityIndicator1->Animando());

        // Both animations really run while messages flow.
        const int passo = janela->ActivityIndicator1->Passo();
        QTRY_VERIFY(janela->ActivityIndicator1->Passo() != passo);
        QTRY_VERIFY(janela->ProgressBar1->value() > 0);

        AtualizaCarregando(QStringLiteral("Conectando ao banco de dados..."));
        QCOMPARE(janela->Label1->text(), QStringLiteral("Conectando ao banco de dados..."));
        janela->Timer1->stop();
        janela->ProgressBar1->setValue(46);
        QVERIFY(janela->grab().save(pastaFotos() + "/carregando.png"));
    }

    // From 0 the bar steps by 5 to 95 and wraps to 1; from then on it runs 6, 11, ..., 96 and
    // wraps to 1 again. Pending messages go through on the wrap and only there.
    void cicloDaBarra() {
        TFCarregando janela;
        janela.Timer1->stop();
        QList<int> esperado;
        for (int v = 5; v <= 95; v += 5)
            esperado.append(v);
        for (int volta = 0; volta < 3; ++volta) {
            esperado.append(1);
            for (int v = 6; v <= 96; v += 5)
                esperado.append(v);
        }

        bool entregue = false;
        QMetaObject::invokeMethod(
            this, [&] { entregue = true; }, Qt::QueuedConnection);
        QList<int> valores;
        QList<int> entregasNoPasso;
        for (qsizetype i = 0; i < esperado.size(); ++i) {
            janela.Timer1Timer();
            valores.append(janela.ProgressBar1->value());
            if (entregue) {
                entregasNoPasso.append(int(i));
                entregue = false;
                QMetaObject::invokeMethod(
                    this, [&] { entregue = true; }, Qt::QueuedConnection);
            }
        }
        QCOMPARE(valores, esperado);
        QCOMPARE(entregasNoPasso, (QList<int>{19, 39, 59}));
    }

    // A close that arrives among the messages let through by the bar's wrap destroys the
    // window from inside its own timer handler.
    void fechadaDuranteOCiclo() {
        ExibeCarregando(false);
        QPointer<TFCarregando> janela = TApresentadorJanelas::JanelaCarregando();
        janela->Timer1->stop();
        janela->ProgressBar1->setValue(95);
        QMetaObject::invokeMethod(
            this, [] { ExibeCarregando(true); }, Qt::QueuedConnection);
        janela->Timer1Timer();
        QVERIFY(!janela);
        QCOMPARE(TApresentadorJanelas::JanelaCarregando(), nullptr);
    }

    // Esc only hides the window: showing it again brings back the same one with its text.
    void escEsconde() {
        ExibeCarregando(false);
        QPointer<TFCarregando> janela = TApresentadorJanelas::JanelaCarregando();
        AtualizaCarregando(QStringLiteral("Conectando ao banco de dados..."));

        QTest::keyClick(janela->windowHandle(), Qt::Key_Escape);
        QVERIFY(janela);
        QVERIFY(!janela->isVisible());
        QCOMPARE(TApresentadorJanelas::JanelaCarregando(), janela.data());

        ExibeCarregando(false);
        QCOMPARE(TApresentadorJanelas::JanelaCarregando(), janela.data());
        QVERIFY(janela->isVisible());
        QCOMPARE(janela->Label1->text(), QStringLiteral("Conectando ao banco de dados..."));
    }

    void fecharDestroiEUmaNovaRecomeca() {
        ExibeCarregando(false);
        QPointer<TFCarregando> primeira = TApresentadorJanelas::JanelaCarregando();
        AtualizaCarregando(QStringLiteral("Conectando ao banco de dados..."));
        ExibeCarregando(true);
        QVERIFY(!primeira);
        QCOMPARE(TApresentadorJanelas::JanelaCarregando(), nullptr);

        ExibeCarregando(false);
        TFCarregando* segunda = TApresentadorJanelas::JanelaCarregando();
        QVERIFY(segunda);
        QCOMPARE(segunda->Label1->text(), QStringLiteral("Processando..."));
        QCOMPARE(janelasDeCarregando(), 1);
    }

    void semJanelaNadaAcontece() {
        ExibeCarregando(true);
        AtualizaCarregando(QStringLiteral("Conectando ao banco de dados..."));
        QCOMPARE(TApresentadorJanelas::JanelaCarregando(), nullptr);
        QCOMPARE(janelasDeCarregando(), 0);
    }

    void textoVazioNaoMuda() {
        ExibeCarregando(false);
        AtualizaCarregando(QStringLiteral("Conectando ao banco de dados..."));
        AtualizaCarregando(QString());
        QCOMPARE(TApresentadorJanelas::JanelaCarregando()->Label1->text(),
                 QStringLiteral("Conectando ao banco de dados..."));
    }

private:
    std::unique_ptr<TApresentadorJanelas> apresentador;
};

QTEST_MAIN(TestCarregando)
#include "tst_carregando.moc"
