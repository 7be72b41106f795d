#include "UAlertaPedido.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

using importador::TFAlertaPedido;

// The new-order notice: its slide, step by step, driven by calling the timer handlers.
class TstAlertaPedido : public QObject {
    Q_OBJECT

    // Runs one slide to its end; returns the number of steps it took.
    static int sobe(TFAlertaPedido& a) {
        int passos = 0;
        while (a.TimerSobeAviso->isActive() && passos < 10000) {
            a.SobeAviso();
            ++passos;
        }
        return passos;
    }
    static int desce(TFAlertaPedido& a) {
        int passos = 0;
        while (a.TimerDesceAviso->isActive() && passos < 10000) {
            a.DesceAviso();
            ++passos;
        }
        return passos;
    }

private Q_SLOTS:
    void aparencia() {
        TFAlertaPedido a;
        QCOMPARE(a.size(), QSize(337, 76)); // 335 x 74 inside a 1-pixel frame
        QVERIFY(a.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(a.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(a.Label1->text(), QStringLiteral("Pedido novo Importado"));
        QVERIFY(a.Label1->font().bold());
        QCOMPARE(a.Label1->font().pixelSize(), 19);
        QCOMPARE(a.palette().color(QPalette::Window), QColor(38, 58, 83));
        QCOMPARE(a.TimerSobeAviso->interval(), 1);
        QCOMPARE(a.TimerEspera->interval(), 1000);
        QCOMPARE(a.TimerDesceAviso->interval(), 1);
        for (QTimer* t : {a.TimerSobeAviso, a.TimerEspera, a.TimerDesceAviso})
            QVERIFY(!t->isActive());
        QVERIFY(!a.isVisible());

        const QString pasta = qEnvironmentVariable("VARELO_SHOTS", QStringLiteral("."));
        QDir().mkpath(pasta);
        QVERIFY(a.grab().save(pasta + QStringLiteral("/aviso-pedido.png")));
    }

    void deslizaSobeEsperaEDesce() {
        TFAlertaPedido a;
        const QRect tela = QGuiApplication::primaryScreen()->geometry();
        const int b = tela.height() - a.height();
        QCOMPARE(a.Base(), b);

        a.Mostra();
        QVERIFY(a.isVisible());
        QCOMPARE(a.pos(), QPoint(tela.width() - a.width(), b + 100));
        QVERIFY(a.TimerSobeAviso->isActive());

        QCOMPARE(sobe(a), 71);
        QCOMPARE(a.y(), b - 42);
        QVERIFY(a.TimerEspera->isActive());

        // Shown again while visible: the running notice goes on untouched.
        a.Mostra();
        QCOMPARE(a.y(), b - 42);
        QVERIFY(a.TimerEspera->isActive());
        QVERIFY(!a.TimerSobeAviso->isActive());

        a.TimerEsperaTimer();
        QVERIFY(!a.TimerEspera->isActive());
        QVERIFY(a.TimerDesceAviso->isActive());
        QCOMPARE(desce(a), 72);
        QCOMPARE(a.y(), b + 102);
        QVERIFY(!a.isVisible());

        // After it disappeared, a new show starts again from below the screen.
        a.Mostra();
        QCOMPARE(a.y(), b + 100);
        QVERIFY(a.TimerSobeAviso->isActive());
    }

    // A target missed by an odd offset (the screen changed under the slide) still ends it.
    void alvoPerdidoAindaPara() {
        TFAlertaPedido a;
        a.Mostra();
        a.move(a.x(), a.y() + 1);
        QVERIFY(sobe(a) <= 72);
        QVERIFY(a.TimerEspera->isActive());
        a.TimerEsperaTimer();
        a.move(a.x(), a.y() + 1);
        QVERIFY(desce(a) <= 73);
        QVERIFY(!a.isVisible());
    }
};

QTEST_MAIN(TstAlertaPedido)
#include "tst_alertapedido.moc"
