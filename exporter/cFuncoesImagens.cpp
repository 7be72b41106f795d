#include "cFuncoesImagens.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

namespace exportador {

QSize TamanhoReduzido(const QSize& tamanho) {
    const int w = tamanho.width();
    const int h = tamanho.height();
    if (w > h)
        return w <= LadoMaximoImagem ? tamanho : QSize(LadoMaximoImagem, h * LadoMaximoImagem / w);
    return h <= LadoMaximoImagem ? tamanho : QSize(w * LadoMaximoImagem / h, LadoMaximoImagem);
}

void RedimensionaImagem(QImage& imagem) {
    if (imagem.isNull())
        return;
    const QSize novo = TamanhoReduzido(imagem.size());
    if (novo == imagem.size())
        return;
    imagem = imagem.scaled(novo, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

namespace {
// Decodes a JPEG; when it is at least twice the final size, the decoder's own reduction
// (1/2, 1/4 or 1/8, done on the compressed data) brings it near that size first, keeping each
// side at or above its final value so the exact shrink that follows still has the detail.
QImage leJpeg(const QString& caminho) {
    QImageReader leitor(caminho, "jpeg");
    const QSize original = leitor.size();
    const QSize final = TamanhoReduzido(original);
    if (original.isValid() && final != original) {
        int divisor = 1;
        while (divisor < 8 && original.width() / (divisor * 2) >= final.width() &&
               original.height() / (divisor * 2) >= final.height())
            divisor *= 2;
        if (divisor > 1)
            leitor.setScaledSize(QSize((original.width() + divisor - 1) / divisor,
                                       (original.height() + divisor - 1) / divisor));
    }
    return leitor.read();
}

QImage lePng(const QString& caminho) {
    QImage imagem = QImageReader(caminho, "png").read();
    if (imagem.isNull())
        return imagem;
    if (imagem.format() == QImage::Format_Indexed8 || imagem.format() == QImage::Format_Mono ||
        imagem.format() == QImage::Format_MonoLSB) {
        // Transparent palette entries keep their colour, made opaque.
        QList<QRgb> cores = imagem.colorTable();
        for (QRgb& c : cores)
            c = qRgb(qRed(c), qGreen(c), qBlue(c));
        imagem.setColorTable(cores);
    } else if (imagem.hasAlphaChannel()) {
        // Straight (not premultiplied) colours, then the alpha dropped: no blending.
        imagem = imagem.convertToFormat(QImage::Format_ARGB32);
    }
    return imagem.convertToFormat(QImage::Format_RGB32);
}
} // namespace

QImage CarregaImagem(const QString& caminho) {
    const QString extensao = QLatin1Char('.') + QFileInfo(caminho).suffix().toUpper();
    QImage imagem;
    if (extensao == QLatin1String(".JPG") || extensao == QLatin1String(".JPEG"))
        imagem = leJpeg(caminho);
    else if (extensao == QLatin1String(".PNG"))
        imagem = lePng(caminho);
    else if (extensao == QLatin1String(".BMP"))
        imagem = QImageReader(caminho, "bmp").read();
    RedimensionaImagem(imagem);
    return imagem;
}

QString ImagemParaBase64(const QString& caminho) {
    const QImage imagem = CarregaImagem(caminho);
    if (imagem.isNull())
        return {};
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter escritor(&buffer, "jpeg");
    if (!escritor.write(imagem))
        return {};
    return QString::fromLatin1(jpeg.toBase64());
}

} // namespace exportador
