// The exporter's data module on real data: the version query, the configuration query and the
// change-log queries (deletions, repeated changes, the whole table, the extra conditions).
#include "BancoTeste.h"
#include "uDM1.h"

#include <QtTest>

using exportador::TDM1;

class TstConsultas : public QObject {
    Q_OBJECT

    const QString FBanco = QStringLiteral("tst_consultas_exportador");
    std::unique_ptr<TDM1> FDM;

    void sql(const QString& texto) { QCOMPARE(ExecutaSqlTeste(FBanco, texto), QString()); }
    int versao(const QString& log) {
        return ConsultaTeste(FBanco, QStringLiteral("select coalesce(max(id),0) from ") + log)
            .toInt();
    }
    // Every row of a change-log query: key, deletado and one more column.
    struct TLinha {
        int Chave;
        bool Deletado;
        QVariant Coluna;
    };
    QList<TLinha> linhas(TDataset& q, int versao, const QString& chave, const QString& coluna) {
        exportador::AbreAlteracoes(q, versao);
        QList<TLinha> r;
        for (; !q.Eof(); q.Next())
            r.append({q.FieldByName(chave).toInt(), q.FieldByName("deletado").toBool(),
                      q.FieldByName(coluna)});
        // The separate count agrees with the rows read.
        const int n = exportador::ContaAlteracoes(FDM->ZConnection1, q, versao);
        if (n != r.size())
            qWarning("count %d, rows %lld", n, qlonglong(r.size()));
        return n == r.size() ? r : QList<TLinha>{};
    }

private Q_SLOTS:
    void initTestCase() {
        QCOMPARE(CriaBancoTeste(FBanco), QString());
        const TServidorTeste s = TServidorTeste::DoAmbiente();
        FDM = std::make_unique<TDM1>();
        FDM->ZConnection1.Server = s.Host;
        FDM->ZConnection1.Port = s.Porta;
        FDM->ZConnection1.User = s.Usuario;
        FDM->ZConnection1.Password = s.Senha;
        FDM->ZConnection1.Database = FBanco;
        FDM->ZConnection1.Connect();
    }
    void cleanupTestCase() { FDM.reset(); }

    void versoes() {
        FDM->QVersao.Close();
        FDM->QVersao.Open();
        QCOMPARE(FDM->QVersao.Registro().count(), 27);
        for (int i = 0; i < 27; ++i)
            QCOMPARE(FDM->QVersao.Registro().value(i).toInt(), 0);
        QCOMPARE(FDM->QVersao.Registro().fieldName(26), QStringLiteral("versao_historicopedido"));
        sql("insert into marca (marcadescricao) values ('A'), ('B')");
        FDM->QVersao.Close();
        FDM->QVersao.Open();
        QCOMPARE(FDM->QVersao.FieldByName("versao_marca").toInt(), versao("offline_marca"));
        QVERIFY(FDM->QVersao.FieldByName("versao_marca").toInt() > 0);
        QCOMPARE(FDM->QVersao.FieldByName("versao_cliente").toInt(), 0);
    }

    // No row while a configuration table is empty; one per pair of rows otherwise.
    void configuracao() {
        FDM->QConfiguracao.Close();
        FDM->QConfiguracao.Open();
        QVERIFY(FDM->QConfiguracao.IsEmpty());
        QCOMPARE(FDM->QConfiguracao.Registro().count(), 17);
        sql("insert into configuracao (usarmetodoimagempasta) values (true);"
            "insert into configuracao2 (exportarimagemprodutoordix, casasdecimaisquantidadeapp) "
            "values (true, 3)");
        FDM->QConfiguracao.Close();
        FDM->QConfiguracao.Open();
        QVERIFY(!FDM->QConfiguracao.Eof());
        QCOMPARE(FDM->QConfiguracao.FieldByName("usarmetodoimagempasta").toBool(), true);
        QCOMPARE(FDM->QConfiguracao.FieldByName("casasdecimaisquantidadeapp").toInt(), 3);
        sql("delete from configuracao; delete from configuracao2");
    }

    // Changes after a version: a deletion keeps its key, an insert then delete gives only the
    // delete, three changes one row; rows untouched since the version stay out; deletions
    // come first.
    void alteracoesDesdeUmaVersao() {
        sql("insert into cidade (nomecidade, uf) values ('Lages', 'SC');"
            "insert into cliente (codcliente, razaosocialnome, codcidade) values "
            "(101, 'Ana', (select max(codcidade) from cidade)), (102, 'Bia', null), "
            "(103, 'Caio', null)");
        const int v = versao("offline_cliente");
        sql("update cliente set razaosocialnome = 'Ana 1' where codcliente = 101;"
            "update cliente set razaosocialnome = 'Ana 2' where codcliente = 101;"
            "update cliente set razaosocialnome = 'Ana 3' where codcliente = 101;"
            "delete from cliente where codcliente = 102;"
            "insert into cliente (codcliente, razaosocialnome) values (104, 'Davi');"
            "delete from cliente where codcliente = 104");
        const QList<TLinha> r = linhas(FDM->QCliente, v, "codcliente", "razaosocialnome");
        QCOMPARE(r.size(), 3);
        QVERIFY(r[0].Deletado && r[1].Deletado);
        QCOMPARE((QSet<int>{r[0].Chave, r[1].Chave}), (QSet<int>{102, 104}));
        QVERIFY(r[0].Coluna.isNull());
        QCOMPARE(r[2].Chave, 101);
        QVERIFY(!r[2].Deletado);
        QCOMPARE(r[2].Coluna.toString(), QStringLiteral("Ana 3"));
        QCOMPARE(FDM->QCliente.Registro().fieldName(1), QStringLiteral("codcliente"));
        // The city comes from the extra join.
        exportador::AbreAlteracoes(FDM->QCliente, v);
        while (FDM->QCliente.FieldByName("codcliente").toInt() != 101)
            FDM->QCliente.Next();
        QCOMPARE(FDM->QCliente.FieldByName("nomecidade").toString(), QStringLiteral("Lages"));
        QCOMPARE(FDM->QCliente.FieldByName("uf").toString(), QStringLiteral("SC"));
        // Nothing after the current version.
        QCOMPARE(linhas(FDM->QCliente, versao("offline_cliente"), "codcliente", "razaosocialnome")
                     .size(),
                 0);
    }

    // -1 gives every master row, rows without any change-log row first; 0 only logged rows.
    void tabelaInteira() {
        sql("insert into setor (nomesetor) values ('S');"
            "insert into grupo (codgrupo, nomegrupo) values (201, 'G1'), (202, 'G2');"
            "delete from offline_grupo;"
            "update grupo set nomegrupo = 'G2b' where codgrupo = 202");
        QList<TLinha> r = linhas(FDM->QGrupo, -1, "codgrupo", "nomegrupo");
        QCOMPARE(r.size(), 2);
        QCOMPARE(r[0].Chave, 201);
        QCOMPARE(r[1].Chave, 202);
        r = linhas(FDM->QGrupo, 0, "codgrupo", "nomegrupo");
        QCOMPARE(r.size(), 1);
        QCOMPARE(r[0].Coluna.toString(), QStringLiteral("G2b"));
        r = linhas(FDM->QGrupo, -5, "codgrupo", "nomegrupo");
        QCOMPARE(r.size(), 2);
    }

    // Order lines: deleted lines, lines of quantity 0 or less never come; a missing order
    // date reads as the time of the query.
    void historicoPedido() {
        sql("insert into produto (codproduto, descricao) values (301, 'P');"
            "insert into cliente (codcliente, razaosocialnome) values (302, 'C');"
            "insert into pedidovenda (codpedidovenda, codcliente, datapedido, idnuvem) values "
            "(401, 302, null, 77);"
            "insert into produtopedidovenda (codprodutopedidovenda, codpedidovenda, codproduto,"
            " quantidade, valorunitario) values (501, 401, 301, 2, 10), (502, 401, 301, 0, 10),"
            " (503, 401, 301, 1, 5);"
            "delete from produtopedidovenda where codprodutopedidovenda = 503");
        const QList<TLinha> r =
            linhas(FDM->QHistoricoPedido, 0, "codprodutopedidovenda", "datapedido");
        QCOMPARE(r.size(), 1);
        QCOMPARE(r[0].Chave, 501);
        QVERIFY(r[0].Coluna.toDateTime().isValid());
        QVERIFY(qAbs(r[0].Coluna.toDateTime().secsTo(QDateTime::currentDateTime())) < 3600 * 24);
        exportador::AbreAlteracoes(FDM->QHistoricoPedido, 0);
        QCOMPARE(FDM->QHistoricoPedido.FieldByName("idnuvem").toInt(), 77);
        QCOMPARE(FDM->QHistoricoPedido.FieldByName("valorunitario").toDouble(), 10.0);
    }

    // Tax links: only those of CST/CSOSN 201, never a deleted one.
    void vinculoProdutoCfop() {
        sql("insert into produto (codproduto, descricao) values (601, 'Q');"
            "insert into vinculoprodutocfop (codvinculoprodutocfop, codproduto, ufemissao, "
            "cstcsosn) values (701, 601, 'SC', '201'), (702, 601, 'PR', '101'), "
            "(703, 601, 'RS', '201');"
            "delete from vinculoprodutocfop where codvinculoprodutocfop = 703");
        const QList<TLinha> r =
            linhas(FDM->QVinculoProdutoCfop, 0, "codvinculoprodutocfop", "ufemissao");
        QCOMPARE(r.size(), 1);
        QCOMPARE(r[0].Chave, 701);
        QCOMPARE(r[0].Coluna.toString(), QStringLiteral("SC"));
    }

    // Every change-log query opens on the schema and gives its key under its own name.
    void todasAbrem_data() {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("chave");
        const QStringList chaves{"codformapagamento",
                                 "codcliente",
                                 "codgrupo",
                                 "codmarca",
                                 "codcodigobarra",
                                 "codproduto",
                                 "codtabpreco",
                                 "codtabelaprecovendedor",
                                 "codfuncionario",
                                 "codvendedor",
                                 "codvinculoprodutocfop",
                                 "codprodutopedidovenda"};
        for (int i = 0; i < chaves.size(); ++i)
            QTest::newRow(qPrintable(chaves[i])) << i << chaves[i];
    }
    void todasAbrem() {
        QFETCH(int, indice);
        QFETCH(QString, chave);
        TDataset* consultas[] = {&FDM->QFormaPagamento,
                                 &FDM->QCliente,
                                 &FDM->QGrupo,
                                 &FDM->QMarca,
                                 &FDM->QCodigoBarra,
                                 &FDM->QProduto,
                                 &FDM->QTabelaPreco,
                                 &FDM->QTabelaPrecoVendedor,
                                 &FDM->QFuncionario,
                                 &FDM->QVendedor,
                                 &FDM->QVinculoProdutoCfop,
                                 &FDM->QHistoricoPedido};
        TDataset& q = *consultas[indice];
        exportador::AbreAlteracoes(q, -1);
        QCOMPARE(q.Registro().fieldName(0), QStringLiteral("deletado"));
        QCOMPARE(q.Registro().fieldName(1), chave);
        QVERIFY(q.TextoSql().contains(QLatin1String("o.id > :versao")));
    }
};

QTEST_GUILESS_MAIN(TstConsultas)
#include "tst_consultas.moc"
