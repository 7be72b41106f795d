// Hostile input: the reader never crashes, never runs out of stack, and either reads a text
// or refuses it as a whole.
#include "tst_hostil.h"

#include "Dto.Pedido.h"
#include "LancaErro.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

QByteArray Aninha(int niveis, const QByteArray& abre, const QByteArray& fecha) {
    return abre.repeated(niveis) + fecha.repeated(niveis);
}

} // namespace

void TstHostil::aninhamento_data() {
    QTest::addColumn<QByteArray>("texto");
    QTest::addColumn<bool>("lido");
    // The object itself is one level.
    QTest::newRow("arrays, 511 levels inside") << "{\"x\":" + Aninha(511, "[", "]") + "}" << true;
    QTest::newRow("arrays, 512 levels inside") << "{\"x\":" + Aninha(512, "[", "]") + "}" << false;
    QTest::newRow("objects, 511 levels inside")
        << "{\"x\":" + Aninha(511, "{\"a\":", "}").replace("\"a\":}", "}") + "}" << true;
    QTest::newRow("arrays, 200000 levels") << "{\"x\":" + Aninha(200000, "[", "]") + "}" << false;
    QTest::newRow("objects, 200000 levels") << "{\"x\":" + QByteArray("{\"a\":").repeated(200000) +
                                                   "1" + QByteArray("}").repeated(200000) + "}"
                                            << false;
    QTest::newRow("unclosed, 200000 levels") << QByteArray("[").repeated(200000) << false;
    QTest::newRow("deep inside a nested client")
        << "{\"cliente\":{\"bairro\":" + Aninha(100000, "[", "]") + "}}" << false;
    QTest::newRow("deep inside a list element")
        << "{\"produtos\":[{\"observacaoitem\":" + Aninha(100000, "{\"a\":", "}") + "}]}" << false;
}

void TstHostil::aninhamento() {
    QFETCH(QByteArray, texto);
    QFETCH(bool, lido);
    // The member that tells whether the text was read comes after the deep one.
    texto.chop(1);
    texto += ",\"codpedidovenda\":9}";
    TPedido p;
    p.Codpedidovenda = 5;
    const QString erro = ErroJson([&] { p.SetAsJsonUtf8(texto); });
    QVERIFY(erro.isNull() || lido);
    QCOMPARE(p.Codpedidovenda, lido ? 9 : 5);
    QCOMPARE(TJsonDTO::PrettyPrintJSON(QString::fromLatin1(texto)).isEmpty(), !lido);
}

void TstHostil::textoEnorme() {
    const qsizetype tamanho = 50 * 1024 * 1024;
    QByteArray texto;
    texto.reserve(tamanho + 64);
    texto += "{\"observacao\":\"";
    texto += QByteArray(tamanho, 'a');
    texto += "\",\"idnuvem\":3}";
    TPedido p;
    p.SetAsJsonUtf8(texto);
    QCOMPARE(p.Observacao.size(), tamanho);
    QCOMPARE(p.IdNuvem, 3);
    QCOMPARE(p.AsJsonUtf8().size(), p.AsJsonUtf8().size());
    QVERIFY(p.AsJsonUtf8().contains(QByteArray(1000, 'a')));

    // A string that never ends.
    TPedido q;
    q.SetAsJsonUtf8("{\"observacao\":\"" + QByteArray(tamanho, 'b'));
    QVERIFY(q.Observacao.isEmpty());
}

// A number of thousands of digits is either read (as 0 where it does not fit) or refused
// with the whole text; never half of each.
void TstHostil::numerosEnormes_data() {
    QTest::addColumn<QByteArray>("numero");
    QTest::newRow("5000-digit integer") << "1" + QByteArray(4999, '7');
    QTest::newRow("5000-digit fraction") << "0." + QByteArray(5000, '3');
    QTest::newRow("5000 zeros then 1") << "0." + QByteArray(5000, '0') + "1";
    QTest::newRow("exponent beyond double") << QByteArray("1e400");
    QTest::newRow("exponent of 5000 digits") << "1e" + QByteArray(5000, '9');
    QTest::newRow("negative exponent of 5000 digits") << "1e-" + QByteArray(5000, '9');
    QTest::newRow("minus zero") << QByteArray("-0");
}

void TstHostil::numerosEnormes() {
    QFETCH(QByteArray, numero);
    TPedido p;
    p.Codpedidovenda = 5;
    p.Desconto = 5;
    p.Observacao = "5";
    p.SetAsJsonUtf8("{\"codpedidovenda\":" + numero + ",\"desconto\":" + numero +
                    ",\"observacao\":" + numero + "}");
    if (p.Observacao == QStringLiteral("5")) {
        QCOMPARE(p.Codpedidovenda, 5);
        QCOMPARE(p.Desconto, 5.0);
    } else {
        QCOMPARE(p.Observacao, QString::fromLatin1(numero));
        QCOMPARE(p.Codpedidovenda, 0);
        QVERIFY(std::isfinite(p.Desconto));
    }
    // Whatever was read is written as valid JSON again.
    TPedido relido;
    relido.SetAsJsonUtf8(p.AsJsonUtf8());
    QCOMPARE(relido.AsJsonUtf8(), p.AsJsonUtf8());
}

void TstHostil::utf8Invalido_data() {
    QTest::addColumn<QByteArray>("valor"); // bytes between the quotes of "observacao"
    QTest::newRow("lone continuation byte") << QByteArray("a\x80z");
    QTest::newRow("FF FE") << QByteArray("\xFF\xFE");
    QTest::newRow("cut sequence") << QByteArray("a\xC3");
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF");
    QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80");
    QTest::newRow("lone high surrogate escape") << QByteArray("\\uD800");
    QTest::newRow("lone low surrogate escape") << QByteArray("\\uDC00x");
    QTest::newRow("reversed pair") << QByteArray("\\uDE00\\uD83D");
    QTest::newRow("bad escape") << QByteArray("\\x41");
    QTest::newRow("short escape") << QByteArray("\\u12");
    QTest::newRow("raw control") << QByteArray("a\x01z");
    QTest::newRow("NUL byte") << QByteArray("a\0z", 3);
    QTest::newRow("escaped NUL") << QByteArray("a\\u0000z");
}

void TstHostil::utf8Invalido() {
    QFETCH(QByteArray, valor);
    TPedido p;
    p.Observacao = "antes";
    p.SetAsJsonUtf8("{\"observacao\":\"" + valor + "\",\"idnuvem\":3}");
    QVERIFY(p.Observacao == QStringLiteral("antes") || p.IdNuvem == 3);
    if (p.IdNuvem == 0)
        QCOMPARE(p.Observacao, QStringLiteral("antes"));
    // The written text is plain ASCII and reads back to the same text.
    const QByteArray escrito = p.AsJsonUtf8();
    for (const char c : escrito)
        QVERIFY(static_cast<unsigned char>(c) >= 32 && static_cast<unsigned char>(c) < 128);
    TPedido relido;
    relido.SetAsJsonUtf8(escrito);
    QCOMPARE(relido.Observacao, p.Observacao);
}

void TstHostil::muitosItens() {
    QByteArray texto = "[";
    for (int i = 0; i < 100000; ++i)
        texto += i ? ",{\"idnuvem\":" + QByteArray::number(i) + "},null" : "{\"idnuvem\":0}";
    texto += "]";
    TListaPedido lista;
    lista.SetAsJsonUtf8(texto);
    QCOMPARE(lista.Items.Count(), 100000);
    QCOMPARE(lista.Items.Last()->IdNuvem, 99999);
}

// Inputs kept from the fuzzer's runs (tests/dto/fuzz/achados): each is read without a crash.
void TstHostil::entradasDoFuzzer_data() {
    QTest::addColumn<QString>("arquivo");
    const QDir pasta(QStringLiteral(VARELO_SOURCE_DIR "/tests/dto/fuzz/achados"));
    const QStringList nomes = pasta.entryList(QDir::Files, QDir::Name);
    for (const QString& nome : nomes)
        QTest::newRow(qPrintable(nome)) << pasta.filePath(nome);
    if (nomes.isEmpty())
        QTest::newRow("none kept") << QString();
}

void TstHostil::entradasDoFuzzer() {
    QFETCH(QString, arquivo);
    if (arquivo.isEmpty())
        return;
    QFile f(arquivo);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray texto = f.readAll();
    TListaPedido lista;
    ErroJson([&] { lista.SetAsJsonUtf8(texto); });
    TPedido pedido;
    ErroJson([&] { pedido.SetAsJsonUtf8(texto); });
    TListaPedido relida;
    ErroJson([&] { relida.SetAsJsonUtf8(lista.AsJsonUtf8()); });
    QCOMPARE(relida.Items.Count(), lista.Items.Count());
    TJsonDTO::PrettyPrintJSON(QString::fromUtf8(texto));
}

QTEST_APPLESS_MAIN(TstHostil)
