// The descriptor tables as other code reaches them, the date-time helpers and the layout of
// JSON text.
#include "tst_base.h"

#include "Dto.Cliente.h"
#include "Dto.Configuracao.h"
#include "Dto.Pedido.h"
#include "Dto.Produto.h"

#include <QtTest>

void TstBase::descritorDoPedido() {
    TPedido p;
    const TDescritor& d = p.Descritor();
    QCOMPARE(&d, &TPedido::DescritorClasse());
    QStringList nomes;
    for (const TCampo& c : d.Campos)
        nomes << c.Nome;
    QCOMPARE(nomes.size(), 34);
    QCOMPARE(nomes.first(), QStringLiteral("Acrescimo"));
    QCOMPARE(nomes.indexOf("Cliente"), 24);
    QCOMPARE(nomes.last(), QStringLiteral("NomeVendedor"));

    const TCampo* excluir = d.Campo(u"produtosexcluir");
    QVERIFY(excluir);
    QCOMPARE(excluir->Tipo, TTipoCampo::Lista);
    QCOMPARE(excluir->Chave, QByteArray("produtosexcluir"));
    QCOMPARE(excluir->ChaveEscrita, QByteArray("produtosExcluir"));
    QVERIFY(!excluir->Escalar());
    QVERIFY(!excluir->Le(p).isValid());

    const TCampo* cliente = d.Campo(u"CLIENTE");
    QVERIFY(cliente && cliente->Chave.isEmpty());
    QCOMPARE(cliente->ChaveEscrita, QByteArray("cliente"));
    QVERIFY(!cliente->Grava(p, QVariant(1)));

    const TCampo* emitente = d.Campo(u"cnpjcpfemitente");
    QVERIFY(emitente);
    QCOMPARE(emitente->Chave, QByteArray("cnpjcpf_emitente"));
    QVERIFY(!d.Campo(u"cnpjcpf_emitente"));

    // The odd member of the configuration is reached by its property name.
    QVERIFY(TConfiguracao::DescritorClasse().Campo(u"Casasdecimaisquantidadeapp"));
    QCOMPARE(TCliente::DescritorClasse().Campo(u"id")->Nome, QStringLiteral("ID"));
}

// Every scalar of a client copied by name into another client gives the same JSON.
void TstBase::copiaGenericaPorNome() {
    TCliente origem;
    origem.Acrescimoindividual = 2.5;
    origem.Bairro = QString::fromUtf8("Jardim Am\xC3\xA9rica");
    origem.Codcidade = 7;
    origem.Inativo = true;
    origem.ID = 12;
    TCliente destino;
    int copiados = 0;
    for (const TCampo& c : origem.Descritor().Campos) {
        if (!c.Escalar())
            continue;
        const TCampo* alvo = destino.Descritor().Campo(c.Nome.toUpper());
        QVERIFY(alvo);
        QVERIFY(alvo->Grava(destino, c.Le(origem)));
        ++copiados;
    }
    QCOMPARE(copiados, 30);
    QCOMPARE(destino.AsJsonUtf8(), origem.AsJsonUtf8());

    // Dates travel as QDateTime.
    TProduto a;
    a.DataUltimoPedido = EncodeDateTime(QDate(2024, 3, 5), QTime(10, 0, 0, 5));
    const TCampo* data = a.Descritor().Campo(u"DataUltimoPedido");
    QCOMPARE(data->Le(a).toDateTime(), QDateTime(QDate(2024, 3, 5), QTime(10, 0, 0, 5)));
    TProduto b;
    QVERIFY(data->Grava(b, data->Le(a)));
    QCOMPARE(b.DataUltimoPedido, a.DataUltimoPedido);
}

// Values as a query row gives them, into each type of field of TProduto.
void TstBase::gravaConverte_data() {
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QVariant>("valor");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("json"); // the member as written afterwards
    QTest::newRow("integer from int")
        << "Codproduto" << QVariant(12) << true << QByteArray("\"codproduto\":12");
    QTest::newRow("integer from text")
        << "codproduto" << QVariant("12") << true << QByteArray("\"codproduto\":12");
    QTest::newRow("integer from letters")
        << "codproduto" << QVariant("x1") << false << QByteArray("\"codproduto\":3");
    QTest::newRow("integer from null")
        << "codproduto" << QVariant() << true << QByteArray("\"codproduto\":0");
    QTest::newRow("double from numeric text")
        << "Preco" << QVariant("12.50") << true << QByteArray("\"preco\":12.5");
    QTest::newRow("double from letters")
        << "Preco" << QVariant("abc") << false << QByteArray("\"preco\":3");
    QTest::newRow("boolean") << "Promocao" << QVariant(true) << true
                             << QByteArray("\"promocao\":true");
    QTest::newRow("boolean from null") << "Promocao" << QVariant(QMetaType(QMetaType::Bool)) << true
                                       << QByteArray("\"promocao\":false");
    QTest::newRow("text from number")
        << "Ncm" << QVariant(19059090) << true << QByteArray("\"ncm\":\"19059090\"");
    QTest::newRow("text from null")
        << "Ncm" << QVariant(QMetaType(QMetaType::QString)) << true << QByteArray("\"ncm\":\"\"");
    QTest::newRow("date from QDate")
        << "DataUltimoPedido" << QVariant(QDate(2024, 3, 5)) << true
        << QByteArray("\"dataultimopedido\":\"2024-03-05T00:00:00.000Z\"");
    QTest::newRow("date from QDateTime")
        << "DataUltimoPedido" << QVariant(QDateTime(QDate(2024, 3, 5), QTime(1, 2, 3))) << true
        << QByteArray("\"dataultimopedido\":\"2024-03-05T01:02:03.000Z\"");
    QTest::newRow("date from null")
        << "DataUltimoPedido" << QVariant() << true
        << QByteArray("\"dataultimopedido\":\"1899-12-30T00:00:00.000Z\"");
    QTest::newRow("date from letters")
        << "DataUltimoPedido" << QVariant("ontem") << false
        << QByteArray("\"dataultimopedido\":\"1900-01-01T00:00:00.000Z\"");
}

void TstBase::gravaConverte() {
    QFETCH(QString, campo);
    QFETCH(QVariant, valor);
    QFETCH(bool, ok);
    QFETCH(QByteArray, json);
    TProduto p;
    p.Codproduto = 3;
    p.Preco = 3;
    p.Ncm = "3";
    p.Promocao = true;
    p.DataUltimoPedido = 2;
    const TCampo* c = p.Descritor().Campo(campo);
    QVERIFY(c);
    QCOMPARE(c->Grava(p, valor), ok);
    QVERIFY2(p.AsJsonUtf8().contains(json), p.AsJsonUtf8().constData());
}

void TstBase::dataHora_data() {
    QTest::addColumn<QDateTime>("data");
    QTest::addColumn<double>("valor");
    QTest::newRow("zero") << QDateTime(QDate(1899, 12, 30), QTime(0, 0)) << 0.0;
    QTest::newRow("noon") << QDateTime(QDate(2024, 3, 5), QTime(12, 0)) << 45356.5;
    QTest::newRow("a quarter past six") << QDateTime(QDate(1900, 1, 1), QTime(6, 0)) << 2.25;
    QTest::newRow("day before zero, noon") << QDateTime(QDate(1899, 12, 29), QTime(12, 0)) << -1.5;
    QTest::newRow("first day") << QDateTime(QDate(1, 1, 1), QTime(0, 0)) << -693593.0;
    QTest::newRow("last day") << QDateTime(QDate(9999, 12, 31), QTime(0, 0)) << 2958465.0;
}

void TstBase::dataHora() {
    QFETCH(QDateTime, data);
    QFETCH(double, valor);
    QCOMPARE(DataHoraParaTDateTime(data), valor);
    QCOMPARE(EncodeDateTime(data.date(), data.time()), valor);
    QCOMPARE(TDateTimeParaDataHora(valor), data);
    QDate d;
    QTime h;
    QVERIFY(DecodeDateTime(valor, d, h));
    QCOMPARE(d, data.date());
    QCOMPARE(h, data.time());
    // Outside years 1..9999 and not-a-number: no date.
    QVERIFY(!TDateTimeParaDataHora(3e6).isValid());
    QVERIFY(!TDateTimeParaDataHora(-7e5).isValid());
    QVERIFY(!TDateTimeParaDataHora(std::numeric_limits<double>::quiet_NaN()).isValid());
    QCOMPARE(DataHoraParaTDateTime(QDateTime()), 0.0);
}

void TstBase::layout_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("object") << QString::fromUtf8(
                                   R"({"a":1.50,"b":[1,{"c":null}],"d":{},"e":"x/\u00e7\t"})")
                            << QString::fromUtf8("  {\r\n"
                                                 "    \"a\":1.50,\r\n"
                                                 "    \"b\":[\r\n"
                                                 "      1,\r\n"
                                                 "      {\r\n"
                                                 "        \"c\":null\r\n"
                                                 "      }\r\n"
                                                 "    ],\r\n"
                                                 "    \"d\":{\r\n"
                                                 "    },\r\n"
                                                 "    \"e\":\"x\\/\xC3\xA7\\t\"\r\n"
                                                 "  }\r\n");
    QTest::newRow("array") << QStringLiteral("[true, false]")
                           << QStringLiteral("    [\r\n    true,\r\n    false\r\n  ]\r\n");
    QTest::newRow("empty array") << QStringLiteral("[]") << QStringLiteral("    [\r\n  ]\r\n");
    QTest::newRow("scalar") << QStringLiteral(" 42 ") << QStringLiteral("  42\r\n");
    QTest::newRow("not JSON") << QStringLiteral("{") << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TstBase::layout() {
    QFETCH(QString, texto);
    QFETCH(QString, esperado);
    QCOMPARE(TJsonDTO::PrettyPrintJSON(texto), esperado);
}

QTEST_APPLESS_MAIN(TstBase)
