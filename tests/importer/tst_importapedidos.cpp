// The import pass against the real database and the reference service: one full order stored
// column by column in every setting, the failure table, and that an order is stored once.
#include "ApiImportador.h"
#include "ApresentadorGravador.h"
#include "BancoTeste.h"
#include "Caminhos.h"
#include "ConexaoImportador.h"
#include "Erro.h"
#include "LogTeste.h"
#include "PedidosTeste.h"
#include "ServicoTeste.h"
#include "UDM1.h"
#include "uFuncoesImportador.h"
#include "VisaoGravadora.h"

#include <optional>
#include <QFile>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

class TstImportaPedidos : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;
    const QString banco = QStringLiteral("tst_importapedidos_importador");
    TServicoTeste FServico;
    TApresentadorGravador apresentador;

    QVariant consulta(const QString& sql) { return ConsultaTeste(banco, sql); }
    // Every column of the first row, as text.
    QStringList linha(const QString& sql) {
        QSqlQuery q(importador::DM1()->ZConnection1.Banco());
        QStringList valores;
        if (q.exec(sql) && q.next())
            for (int i = 0; i < q.record().count(); ++i)
                valores << (q.isNull(i) ? QStringLiteral("null") : q.value(i).toString());
        return valores;
    }
    int pedidosDe(int idnuvem) {
        return consulta(QStringLiteral("select count(*) from pedidovenda where idnuvem = %1")
                            .arg(idnuvem))
            .toInt();
    }

    static QString texto(bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); }

    void configura(bool automatico, bool multiplo, bool fechado) {
        QCOMPARE(
            ExecutaSqlTeste(banco, QStringLiteral("update configuracao set"
                                                  " importarpedidoautomaticoimportador = %1,"
                                                  " utilizamultiplopgtopedido = %2,"
                                                  " gravarpedidofechadoimportadoordixmobile"
                                                  " = %3")
                                       .arg(texto(automatico), texto(multiplo), texto(fechado))),
            QString());
        TVisaoGravadora visao;
        QVERIFY(importador::ConectarBanco(visao));
    }

    QList<int> enfileira(const QList<std::shared_ptr<TPedido>>& pedidos) {
        QByteArray json = "[";
        for (const auto& p : pedidos)
            json += (json.size() > 1 ? "," : "") + p->AsJsonUtf8();
        json += "]";
        QList<int> ids;
        for (const QJsonValue& v :
             FServico.EnfileiraPedidos(pedidosteste::Emitente, json).value("pedidos").toArray())
            ids << v.toObject().value("idnuvem").toInt();
        return ids;
    }

    // Runs a pass; the text of the error it raised, if any.
    std::optional<QString> passa(TVisaoGravadora& visao) {
        try {
            importador::ImportaPedidos(visao, FServico.Cliente());
        } catch (const EErro& e) {
            return e.Mensagem();
        }
        return std::nullopt;
    }

    // The local number the service holds for each order (0 when unconfirmed).
    QMap<int, int> numerosNaNuvem() {
        QMap<int, int> m;
        for (const QJsonValue& v :
             FServico.AdminJson("/dev/pedidos?emitente=34.719.526%2F0001-48").array())
            m.insert(v.toObject().value("idnuvem").toInt(),
                     v.toObject().value("codpedido").toInt());
        return m;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(pasta.isValid());
        DefineCaminhoExecutavel(pasta.filePath(QStringLiteral("VareloImportadorAPI")));
        QCOMPARE(CriaBancoTeste(banco, {QStringLiteral("demo.sql")}), QString());
        EscreveArquivoIni(pasta.path(), banco);
        const QString erro = FServico.Inicia();
        QVERIFY2(erro.isEmpty(), qPrintable(erro));
        configura(true, false, false);
    }
    void cleanupTestCase() { importador::LiberaDM(); }
    void init() {
        FServico.Limpa();
        logteste::Limpa();
        apresentador.Limpa();
        QCOMPARE(ExecutaSqlTeste(banco, "delete from pedidovenda where codpedidovenda > 3"),
                 QString());
    }

    void pedidoCompleto_data() {
        QTest::addColumn<bool>("multiplo");
        QTest::addColumn<bool>("fechado");
        QTest::newRow("uma forma, aberto") << false << false;
        QTest::newRow("uma forma, fechado") << false << true;
        QTest::newRow("várias formas, aberto") << true << false;
        QTest::newRow("várias formas, fechado") << true << true;
    }
    void pedidoCompleto() {
        QFETCH(bool, multiplo);
        QFETCH(bool, fechado);
        configura(true, multiplo, fechado);
        const int idnuvem = enfileira({pedidosteste::PedidoCompleto()}).value(0);
        const int idcliente = FServico.AdminJson("/dev/pedidos?emitente=34.719.526%2F0001-48")
                                  .array()
                                  .at(0)
                                  .toObject()
                                  .value("idcliente")
                                  .toInt();
        TVisaoGravadora visao;
        QCOMPARE(passa(visao), std::nullopt);

        const int numero =
            consulta(QStringLiteral("select codpedidovenda from pedidovenda where idnuvem = %1")
                         .arg(idnuvem))
                .toInt();
        const int codcliente =
            consulta("select codcliente from cliente where cnpjcpf = '123.456.789-09'").toInt();
        QVERIFY(numero > 3 && codcliente > 7);
        const QString n = QString::number(numero);
        QCOMPARE(
            linha("select datapedido, dataentrega, horapedido, codcliente, codvendedor,"
                  " codformapagamento, desconto, acrescimo, valortotalprodutos,"
                  " valortotalpedido, observacao, tipo, condicional, faturamento, stpedido,"
                  " tipobonificacaoapp, status, idnuvem from pedidovenda where"
                  " codpedidovenda = " +
                  n),
            (QStringList{"2026-12-10", "2026-12-14", "14:35:12.000", QString::number(codcliente),
                         "2", multiplo ? "null" : "4", "1.5", "0.75", "100.7", "99.95",
                         "Entregar após as 14h — portão azul ☺", "P", "N", "BOLETO", "true",
                         "false", fechado ? "F " : "A ", QString::number(idnuvem)}));
        QCOMPARE(linha("select count(*), min(codformapagamento), min(valorpagamento), min(troco)"
                       " from pgtopedidovenda where codpedidovenda = " +
                       n),
                 (multiplo ? QStringList{"1", "4", "100.7", "0"}
                           : QStringList{"0", "null", "null", "null"}));
        QCOMPARE(linha("select string_agg(concat_ws('|', codproduto, quantidade, valorunitario,"
                       " valortotal, descontoitem, descontoitemporcentagem, acrescimoitem,"
                       " acrescimoitemporcentagem, observacaoitem, outros, precoalterado,"
                       " sequencia is not null), ';' order by codprodutopedidovenda)"
                       " from produtopedidovenda where codpedidovenda = " +
                       n),
                 QStringList{"3|2|18.9|37.8|0.5|1.32|0.25|0.66|Moído fino|7|t|t;"
                             "5|9|6.99|62.9|0|0|0|0||0|f|t"});
        QCOMPARE(linha("select string_agg(concat_ws('|', codpedidowebimportacao,"
                       " codformapagamento, dataemissao, datavencimento, valorparcela, numeronf),"
                       " ';' order by codpgtopedidoimportacao) from pgtopedidoimportacao where"
                       " codpedidoimportacao = " +
                       n),
                 QStringList{QStringLiteral("%1|4|2026-12-10|2027-01-09|50|0;"
                                            "%1|4|2026-12-10|2027-02-08|49.95|0")
                                 .arg(idnuvem)});

        // What the service heard: the list, the new client's code, the order's number.
        const QJsonArray reqs = FServico.Requisicoes();
        QCOMPARE(reqs.size(), 3);
        QStringList caminhos, corpos;
        for (const QJsonValue& r : reqs) {
            caminhos << r.toObject().value("caminho").toString();
            corpos << r.toObject().value("corpo").toString();
            bool autorizacao = false;
            for (const QJsonValue& c : r.toObject().value("cabecalhos").toArray())
                if (c.toArray().at(0).toString() == QLatin1String("Authorization"))
                    autorizacao = c.toArray().at(1).toString() == pedidosteste::Emitente;
            QVERIFY(autorizacao);
        }
        QCOMPARE(caminhos,
                 (QStringList{"/getpedidos", "/atualizacodcliente", "/atualizacodpedido"}));
        QCOMPARE(corpos.at(1), QStringLiteral("{\"cnpjcpf_emitente\":\"34.719.526\\/0001-48\","
                                              "\"codcliente\":%1,\"id\":%2}")
                                   .arg(codcliente)
                                   .arg(idcliente));
        QCOMPARE(corpos.at(2), QStringLiteral("{\"codpedido\":%1,\"idnuvem\":%2,"
                                              "\"cnpjcpf_emitente\":\"34.719.526\\/0001-48\"}")
                                   .arg(numero)
                                   .arg(idnuvem));
        QCOMPARE(numerosNaNuvem().value(idnuvem), numero);

        QCOMPARE(visao.Status, (QStringList{QStringLiteral("Importando Pedido Nº%1").arg(idnuvem),
                                            "Importação Automática"}));
        QCOMPARE(visao.Processamentos, 1);
        QCOMPARE(visao.Avisos, 1);
        QVERIFY(visao.TimerLigado);
        QVERIFY(!visao.BotaoHabilitado);
        QCOMPARE(logteste::Descritas(), QStringList());
        QCOMPARE(apresentador.Textos(), QStringList());
        configura(true, false, false);
    }

    void listaVazia_data() {
        QTest::addColumn<bool>("automatico");
        QTest::newRow("automático") << true;
        QTest::newRow("manual") << false;
    }
    void listaVazia() {
        QFETCH(bool, automatico);
        configura(automatico, false, false);
        TVisaoGravadora visao;
        visao.BotaoHabilitado = automatico;
        const int antes = consulta("select count(*) from pedidovenda").toInt();
        QCOMPARE(passa(visao), std::nullopt);
        QCOMPARE(consulta("select count(*) from pedidovenda").toInt(), antes);
        QCOMPARE(visao.Avisos, 0);
        QCOMPARE(visao.TimerLigado, automatico);
        QCOMPARE(visao.BotaoHabilitado, !automatico);
        QCOMPARE(visao.Status.last(), automatico ? QStringLiteral("Importação Automática")
                                                 : QStringLiteral("Nenhum Novo Pedido"));
        configura(true, false, false);
    }

    // Three orders of existing clients; the second one's product comes from `produto`.
    // roteiro: faults scripted on the service. log: a pattern per entry. gravados and
    // confirmados: which of the three orders end stored and confirmed ("SSN": 1st, 2nd yes).
    void falhas_data() {
        QTest::addColumn<QJsonArray>("roteiro");
        QTest::addColumn<int>("produto");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QString>("erro"); // pattern of the raised text; empty: none raised
        QTest::addColumn<QString>("gravados");
        QTest::addColumn<QString>("confirmados");
        const QJsonObject lista503{{"caminho", "/getpedidos"},
                                   {"tipo", "status"},
                                   {"status", 503},
                                   {"vezes", 3},
                                   {"corpo", "fora do ar"}};
        QTest::newRow("lista recusada")
            << QJsonArray{lista503} << 5
            << QStringList{"ImportaPedidos => fora do ar",
                           "ImportaPedidos => Erro ao Receber os Pedidosfora do ar"}
            << "fora do ar"
            << "NNN"
            << "NNN";
        QTest::newRow("serviço inalcançável")
            << QJsonArray{QJsonObject{{"caminho", "/getpedidos"}, {"tipo", "fechar"}}} << 5
            << QStringList{"ImportaPedidos => " + importador::MensagemSemConexao} << "^$"
            << "NNN"
            << "NNN";
        QTest::newRow("lista ilegível")
            << QJsonArray{QJsonObject{
                   {"caminho", "/getpedidos"}, {"tipo", "texto"}, {"corpo", "[1]"}}}
            << 5 << QStringList{"ImportaPedidos => " + importador::MensagemSemConexao}
            << "^\\[1\\]$"
            << "NNN"
            << "NNN";
        // The second order's line names a product the shop does not have: nothing of it is
        // kept, the first stays stored and confirmed, the third is not touched.
        QTest::newRow("erro do banco no segundo pedido")
            << QJsonArray{} << 4242 << QStringList{"ImportaPedidos => .*produtopedidovenda.*"}
            << ".*confirmado.*"
            << "SNN"
            << "SNN";
        QTest::newRow("confirmação recusada")
            << QJsonArray{QJsonObject{{"caminho", "/atualizacodpedido"},
                                      {"tipo", "status"},
                                      {"status", 404},
                                      {"vezes", 3},
                                      {"corpo", "desconhecido"}}}
            << 5 << QStringList{"AtualizaCodpedido => desconhecido"} << ""
            << "SSS"
            << "NSS";
        QTest::newRow("confirmação sem conexão")
            << QJsonArray{QJsonObject{{"caminho", "/atualizacodpedido"}, {"tipo", "fechar"}}} << 5
            << QStringList{"ImportaPedidos => .*/api/ordix/atualizacodpedido.* - $"} << ""
            << "SSS"
            << "NSS";
        QTest::newRow("confirmação com erro do servidor")
            << QJsonArray{QJsonObject{{"caminho", "/atualizacodpedido"},
                                      {"tipo", "status"},
                                      {"status", 503},
                                      {"vezes", 3},
                                      {"corpo", "ocupado"}}}
            << 5
            << QStringList{"ImportaPedidos => Erro no servidor \\(HTTP 503\\): ocupado - ocupado"}
            << ""
            << "SSS"
            << "NSS";
    }
    void falhas() {
        QFETCH(QJsonArray, roteiro);
        QFETCH(int, produto);
        QFETCH(QStringList, log);
        QFETCH(QString, erro);
        QFETCH(QString, gravados);
        QFETCH(QString, confirmados);
        const QList<int> ids =
            enfileira({pedidosteste::PedidoSimples(1), pedidosteste::PedidoSimples(2, produto),
                       pedidosteste::PedidoSimples(3)});
        for (const QJsonValue& f : roteiro)
            FServico.ProgramaFalha(f.toObject());
        TVisaoGravadora visao;
        visao.BotaoHabilitado = false;

        const std::optional<QString> levantado = passa(visao);

        QCOMPARE(levantado.has_value(), !erro.isEmpty());
        if (levantado)
            QVERIFY2(QRegularExpression(erro).match(*levantado).hasMatch(), qPrintable(*levantado));
        const QStringList entradas = logteste::Descritas();
        QCOMPARE(entradas.size(), log.size());
        for (int i = 0; i < log.size(); ++i)
            QVERIFY2(QRegularExpression("^" + log[i] + "$",
                                        QRegularExpression::DotMatchesEverythingOption)
                         .match(entradas[i])
                         .hasMatch(),
                     qPrintable(entradas[i]));
        // Each log entry was shown once, with its error text.
        QCOMPARE(apresentador.Alertas.size(), log.size());

        const QMap<int, int> nuvem = numerosNaNuvem();
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(pedidosDe(ids[i]), gravados[i] == QLatin1Char('S') ? 1 : 0);
            QCOMPARE(nuvem.value(ids[i]) > 0, confirmados[i] == QLatin1Char('S'));
        }
        // No line, payment or instalment is left without its order.
        QCOMPARE(consulta("select count(*) from produtopedidovenda l where not exists"
                          " (select 1 from pedidovenda p where p.codpedidovenda ="
                          " l.codpedidovenda)")
                     .toInt(),
                 0);
        QCOMPARE(consulta("select count(*) from produtopedidovenda l join pedidovenda p using"
                          " (codpedidovenda) where p.idnuvem = " +
                          QString::number(ids[1]))
                     .toInt(),
                 gravados[1] == QLatin1Char('S') ? 1 : 0);
        // A pass that ended early leaves the window as it was: the timer stays off.
        QCOMPARE(visao.TimerLigado, !levantado.has_value());
        QCOMPARE(visao.Avisos, levantado ? 0 : 1);
    }

    // A confirmation lost on the way: the next pass finds the order listed again, stores
    // nothing and confirms it with the number it already has.
    void confirmacaoPerdida() {
        const int idnuvem = enfileira({pedidosteste::PedidoCompleto()}).value(0);
        FServico.ProgramaFalha({{"caminho", "/atualizacodpedido"}, {"tipo", "fechar"}});
        TVisaoGravadora visao;
        QCOMPARE(passa(visao), std::nullopt);
        QCOMPARE(numerosNaNuvem().value(idnuvem), 0);
        const int numero =
            consulta(QStringLiteral("select codpedidovenda from pedidovenda where idnuvem = %1")
                         .arg(idnuvem))
                .toInt();
        const int clientes = consulta("select count(*) from cliente").toInt();
        const int linhas = consulta("select count(*) from produtopedidovenda").toInt();

        const qint64 antes =
            qint64(FServico.Requisicoes().last().toObject().value("numero").toDouble());
        QCOMPARE(passa(visao), std::nullopt);
        QCOMPARE(pedidosDe(idnuvem), 1);
        QCOMPARE(consulta("select count(*) from cliente").toInt(), clientes);
        QCOMPARE(consulta("select count(*) from produtopedidovenda").toInt(), linhas);
        QCOMPARE(numerosNaNuvem().value(idnuvem), numero);
        QStringList caminhos;
        for (const QJsonValue& r : FServico.Requisicoes(antes))
            caminhos << r.toObject().value("caminho").toString();
        QCOMPARE(caminhos, (QStringList{"/getpedidos", "/atualizacodpedido"}));
        QCOMPARE(visao.Avisos, 2);
    }

    // An order the list carries twice is stored once and confirmed twice with one number.
    void pedidoRepetidoNaLista() {
        const int idnuvem = enfileira({pedidosteste::PedidoSimples(2)}).value(0);
        const QJsonArray itens = FServico.AdminJson("/dev/pendentes?emitente=34.719.526%2F0001-48")
                                     .object()
                                     .value("Items")
                                     .toArray();
        QCOMPARE(itens.size(), 1);
        FServico.ProgramaFalha(
            {{"caminho", "/getpedidos"},
             {"tipo", "texto"},
             {"corpo", QString::fromUtf8(
                           QJsonDocument(QJsonObject{{"Items", QJsonArray{itens[0], itens[0]}}})
                               .toJson(QJsonDocument::Compact))}});
        TVisaoGravadora visao;
        QCOMPARE(passa(visao), std::nullopt);
        QCOMPARE(pedidosDe(idnuvem), 1);
        const QJsonArray confirmacoes = FServico.Requisicoes(0, "/atualizacodpedido");
        QCOMPARE(confirmacoes.size(), 2);
        QCOMPARE(confirmacoes[0].toObject().value("corpo"),
                 confirmacoes[1].toObject().value("corpo"));
        QCOMPARE(
            numerosNaNuvem().value(idnuvem),
            consulta(QStringLiteral("select codpedidovenda from pedidovenda where idnuvem = %1")
                         .arg(idnuvem))
                .toInt());
    }

    // A new client the database refuses: shown once by the client step, once by the pass;
    // the order is not stored with a code no client row holds.
    void clienteRecusado() {
        QCOMPARE(ExecutaSqlTeste(banco, "alter table cliente add constraint sem_recusado"
                                        " check (razaosocialnome <> 'RECUSADO')"),
                 QString());
        auto cliente = pedidosteste::ClienteNovo(QStringLiteral("321.654.987-00"));
        cliente->Razaosocialnome = QStringLiteral("RECUSADO");
        const int idnuvem = enfileira({pedidosteste::PedidoCompleto(std::move(cliente))}).value(0);
        TVisaoGravadora visao;
        const std::optional<QString> levantado = passa(visao);
        QCOMPARE(ExecutaSqlTeste(banco, "alter table cliente drop constraint sem_recusado"),
                 QString());
        QVERIFY(levantado.has_value());
        QCOMPARE(pedidosDe(idnuvem), 0);
        QCOMPARE(logteste::Funcoes().size(), 2);
        QVERIFY(logteste::Funcoes().at(0).startsWith("GetCodCliente : {"));
        QCOMPARE(logteste::Funcoes().at(1), QStringLiteral("ImportaPedidos"));
        QCOMPARE(apresentador.Alertas.size(), 2);
        QVERIFY(apresentador.Textos().at(1).contains("sem_recusado"));
    }

    // The pass the window runs reads the service's address and certificate from arquivo.ini.
    void servicoDoArquivoIni() {
        TServicoTeste https(true);
        const QString erro = https.Inicia();
        QVERIFY2(erro.isEmpty(), qPrintable(erro));
        EscreveArquivoIni(pasta.path(), banco);
        QFile ini(pasta.filePath("arquivo.ini"));
        QVERIFY(ini.open(QIODevice::Append));
        ini.write(QStringLiteral("[api]\r\nurl=%1\r\ncertificado=%2\r\n")
                      .arg(https.Url(), https.Ca())
                      .toUtf8());
        ini.close();
        auto pedido = pedidosteste::PedidoSimples(1);
        const int idnuvem = https.EnfileiraPedidos(pedidosteste::Emitente, pedido->AsJsonUtf8())
                                .value("pedidos")
                                .toArray()
                                .at(0)
                                .toObject()
                                .value("idnuvem")
                                .toInt();
        TVisaoGravadora visao;
        importador::ImportaPedidos(visao);
        EscreveArquivoIni(pasta.path(), banco);
        QCOMPARE(pedidosDe(idnuvem), 1);
        QCOMPARE(https.Requisicoes().size(), 2);
        QCOMPARE(logteste::Descritas(), QStringList());
    }
};

QTEST_GUILESS_MAIN(TstImportaPedidos)
#include "tst_importapedidos.moc"
