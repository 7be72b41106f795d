// Product pictures from real files: formats by extension in any case, the shrink to 420
// pixels, transparency dropped without blending, undecodable files, the Base64 JPEG.
#include "cFuncoesImagens.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using namespace exportador;

class TstImagens : public QObject {
    Q_OBJECT

    QTemporaryDir FPasta;

    // A drawn picture: a gradient with a diagonal, so a scaled copy is not uniform.
    static QImage desenho(int w, int h) {
        QImage img(w, h, QImage::Format_RGB32);
        QPainter p(&img);
        QLinearGradient g(0, 0, w, h);
        g.setColorAt(0, Qt::darkBlue);
        g.setColorAt(1, Qt::yellow);
        p.fillRect(img.rect(), g);
        p.setPen(QPen(Qt::red, qMax(1, w / 50)));
        p.drawLine(0, 0, w, h);
        return img;
    }
    QString salva(const QString& nome, const QImage& img, const char* formato) {
        const QString caminho = FPasta.filePath(nome);
        if (!img.save(caminho, formato))
            return {};
        return caminho;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(FPasta.isValid()); }

    void tamanhos_data() {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("formato");
        QTest::addColumn<QSize>("original");
        QTest::addColumn<QSize>("final");
        QTest::newRow("1000x500 JPG") << "a.JPG"
                                      << "JPEG" << QSize(1000, 500) << QSize(420, 210);
        QTest::newRow("500x1000 jpg") << "b.jpg"
                                      << "JPEG" << QSize(500, 1000) << QSize(210, 420);
        QTest::newRow("421x421 jpeg") << "c.Jpeg"
                                      << "JPEG" << QSize(421, 421) << QSize(420, 420);
        QTest::newRow("420x300 png") << "d.png"
                                     << "PNG" << QSize(420, 300) << QSize(420, 300);
        QTest::newRow("3x1000 bmp") << "e.BMP"
                                    << "BMP" << QSize(3, 1000) << QSize(1, 420);
        QTest::newRow("4000x3000 JPG") << "f.JPG"
                                       << "JPEG" << QSize(4000, 3000) << QSize(420, 315);
        QTest::newRow("2000x1500 jpg") << "g.jpg"
                                       << "JPEG" << QSize(2000, 1500) << QSize(420, 315);
        QTest::newRow("100x50 bmp") << "h.bmp"
                                    << "BMP" << QSize(100, 50) << QSize(100, 50);
    }
    void tamanhos() {
        QFETCH(QString, nome);
        QFETCH(QString, formato);
        QFETCH(QSize, original);
        QFETCH(QSize, final);
        QCOMPARE(TamanhoReduzido(original), final);
        const QString caminho =
            salva(nome, desenho(original.width(), original.height()), qPrintable(formato));
        QVERIFY(!caminho.isEmpty());
        const QImage img = CarregaImagem(caminho);
        QCOMPARE(img.size(), final);
        // The result is the picture, not a blank: its corners keep the gradient's ends.
        QVERIFY(qBlue(img.pixel(1, 1)) > qRed(img.pixel(1, 1)) ||
                qRed(img.pixel(1, 1)) > 200); // the red diagonal starts there
        QVERIFY(qBlue(img.pixel(final.width() - 2, 1)) < 200 ||
                qGreen(img.pixel(final.width() - 2, 1)) > 60);

        const QByteArray jpeg = QByteArray::fromBase64(ImagemParaBase64(caminho).toLatin1());
        QVERIFY(jpeg.startsWith("\xFF\xD8"));
        QBuffer b;
        b.setData(jpeg);
        QImageReader leitor(&b);
        QCOMPARE(leitor.format(), QByteArray("jpeg"));
        QCOMPARE(leitor.size(), final);
    }

    // The Base64 text: standard alphabet, padded, on one line.
    void base64() {
        const QString caminho = salva(QStringLiteral("base.png"), desenho(37, 23), "PNG");
        const QString texto = ImagemParaBase64(caminho);
        QVERIFY(!texto.isEmpty());
        QVERIFY(!texto.contains(QLatin1Char('\n')));
        QCOMPARE(texto.size() % 4, 0);
        QVERIFY(!texto.contains(QLatin1Char('-')) && !texto.contains(QLatin1Char('_')));
    }

    // Transparency goes without blending: a half-transparent red stays pure red, a
    // transparent palette entry keeps its colour.
    void pngTransparente() {
        QImage img(10, 10, QImage::Format_ARGB32);
        img.fill(qRgba(255, 0, 0, 40));
        const QString caminho = salva(QStringLiteral("alfa.png"), img, "PNG");
        const QImage lida = CarregaImagem(caminho);
        QVERIFY(!lida.hasAlphaChannel());
        QCOMPARE(qRed(lida.pixel(5, 5)), 255);
        QCOMPARE(qGreen(lida.pixel(5, 5)), 0);

        QImage paleta(10, 10, QImage::Format_Indexed8);
        paleta.setColorTable({qRgba(0, 200, 0, 0), qRgb(0, 0, 0)});
        paleta.fill(0);
        const QString caminhoPaleta = salva(QStringLiteral("paleta.png"), paleta, "PNG");
        const QImage lidaPaleta = CarregaImagem(caminhoPaleta);
        QVERIFY(!lidaPaleta.hasAlphaChannel());
        QCOMPARE(QColor(lidaPaleta.pixel(5, 5)), QColor(0, 200, 0));
    }

    // No picture: another format, a damaged file, a missing file, no extension.
    void semImagem_data() {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QByteArray>("conteudo");
        QTest::newRow("GIF") << "x.GIF" << QByteArray();
        QTest::newRow("JPG danificado") << "y.JPG" << QByteArray("\xFF\xD8\xFF\xE0 lixo", 10);
        QTest::newRow("PNG vazio") << "z.png" << QByteArray("");
        QTest::newRow("inexistente") << "nada.jpg" << QByteArray("-");
        QTest::newRow("sem extensão") << "semextensao" << QByteArray();
    }
    void semImagem() {
        QFETCH(QString, nome);
        QFETCH(QByteArray, conteudo);
        const QString caminho = FPasta.filePath(nome);
        if (conteudo.isNull()) {
            // A real picture whose extension is not one of the three.
            QVERIFY(desenho(30, 30).save(caminho, nome.endsWith("GIF") ? "PNG" : "JPEG"));
        } else if (conteudo != "-") {
            QFile f(caminho);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(conteudo);
        }
        QVERIFY(CarregaImagem(caminho).isNull());
        QCOMPARE(ImagemParaBase64(caminho), QString());
        // The next picture is unaffected.
        const QString boa = salva(QStringLiteral("boa.jpg"), desenho(500, 100), "JPEG");
        QCOMPARE(CarregaImagem(boa).size(), QSize(420, 84));
    }
};

QTEST_GUILESS_MAIN(TstImagens)
#include "tst_imagens.moc"
