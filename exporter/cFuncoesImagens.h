#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace exportador {

// The longest side a product picture keeps.
constexpr int LadoMaximoImagem = 420;

// The size RedimensionaImagem gives a picture of `tamanho`: the longer side at most 420, the
// other in proportion (integer division), never larger than it was.
QSize TamanhoReduzido(const QSize& tamanho);

// Shrinks the picture in place to TamanhoReduzido.
void RedimensionaImagem(QImage& imagem);

// The picture of a ".jpg"/".jpeg", ".png" or ".bmp" file (extension in any case), already
// shrunk; PNG transparency is dropped without blending. A null image for any other extension
// or a file that cannot be decoded. Large JPEGs are decoded at a reduced scale first, so a big
// photograph costs little more than a small one.
QImage CarregaImagem(const QString& caminho);

// The file's picture, shrunk and encoded as JPEG, in Base64 (standard alphabet, padded, one
// line); empty when the file gives no picture.
QString ImagemParaBase64(const QString& caminho);

} // namespace exportador
