// The export procedures and the version exchange against the real database and the real
// service: batches, the version test, refusals and what they leave behind, the tables sent
// on every run, and the products' pictures.
#include "ApiExportador.h"
#include "ApresentadorGravador.h"
#include "BancoTeste.h"
#include "Caminhos.h"
#include "Erro.h"
#include "IVisaoExportador.h"
#include "ServicoTeste.h"
#include "uDM1.h"
#include "uFuncoesExportador.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using namespace exportador;

namespace {
// Records the progress area as the window would show it.
class TVisaoGravadora : public IVisaoExportador {
public:
    void MostraEmitente(const QString&, const QString&) override {}
    void MostraProgresso(const QString& r1, const QString& r2, int posicao, int maximo,
                         bool mostra) override {
        Rotulo1 = r1;
        Rotulo2 = r2;
        Posicao = posicao;
        Maximo = maximo;
        Visivel = Visivel || mostra;
        ++Chamadas;
    }
    void ProcessaMensagens() override { ++Mensagens; }

    QString Rotulo1, Rotulo2;
    int Posicao = -1, Maximo = -1, Chamadas = 0, Mensagens = 0;
    bool Visivel = false;
};
} // namespace

class TstExportacao : public QObject {
    Q_OBJECT

    const QString FBanco = QStringLiteral("tst_exportacao_exportador");
    const QString FCnpj = QStringLiteral("12.345.678/0001-90");
    QTemporaryDir FPasta;
    TServicoTeste FServico{false};
    std::unique_ptr<TDM1> FDM;
    TVisaoGravadora FVisao;
    std::unique_ptr<TApresentadorGravador> FAlertas;
    std::unique_ptr<TExportador> FExp;

    void sql(const QString& texto) { QCOMPARE(ExecutaSqlTeste(FBanco, texto), QString()); }
    int versao(const QString& log) {
        return ConsultaTeste(FBanco, QStringLiteral("select coalesce(max(id),0) from ") + log)
            .toInt();
    }
    // The start of a run: local versions, the emitter, the service's versions.
    void inicia() {
        FDM->QVersao.Close();
        FDM->QVersao.Open();
        FExp->CarregaDadosEmitente();
        FExp->CarregaVersoes();
    }
    QList<QJsonArray> lotes(const QString& caminho) {
        QList<QJsonArray> r;
        for (const QJsonValue& v : FServico.Requisicoes(0, caminho))
            r.append(QJsonDocument::fromJson(v.toObject().value("corpo").toString().toUtf8())
                         .object()
                         .value("items")
                         .toArray());
        return r;
    }
    QJsonObject versaoNoServico() {
        return FServico
            .AdminJson(QStringLiteral("/dev/versao?emitente=") + QUrl::toPercentEncoding(FCnpj))
            .object();
    }
    void falha(const QString& caminho, int status, int vezes, const QString& corpo) {
        FServico.ProgramaFalha({{"caminho", caminho},
                                {"tipo", "status"},
                                {"status", status},
                                {"vezes", vezes},
                                {"corpo", corpo}});
    }
    static QImage desenho(int w, int h) {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(Qt::darkCyan);
        QPainter p(&img);
        p.setPen(Qt::yellow);
        p.drawEllipse(img.rect().adjusted(2, 2, -2, -2));
        return img;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(FPasta.isValid());
        DefineCaminhoExecutavel(FPasta.filePath(QStringLiteral("VareloExportadorApi")));
        QCOMPARE(CriaBancoTeste(FBanco), QString());
        sql(QStringLiteral("insert into emitente (razaosocial, cnpjcpf) values ('Loja Azul', '%1')")
                .arg(FCnpj));
        const QString erro = FServico.Inicia();
        QVERIFY2(erro.isEmpty(), qPrintable(erro));
        const TServidorTeste s = TServidorTeste::DoAmbiente();
        FDM = std::make_unique<TDM1>();
        FDM->ZConnection1.Server = s.Host;
        FDM->ZConnection1.Port = s.Porta;
        FDM->ZConnection1.User = s.Usuario;
        FDM->ZConnection1.Password = s.Senha;
        FDM->ZConnection1.Database = FBanco;
        FDM->ZConnection1.Connect();
        QDir().mkpath(FPasta.filePath("fotos"));
        FExp = std::make_unique<TExportador>(*FDM, FVisao, FServico.Cliente(),
                                             FPasta.filePath("fotos"));
    }
    void init() {
        FServico.Limpa();
        FAlertas = std::make_unique<TApresentadorGravador>();
        FVisao = TVisaoGravadora();
    }
    void cleanup() { FAlertas.reset(); }
    void cleanupTestCase() {
        FExp.reset();
        FDM.reset();
    }

    // n rows give ceil(n/500) requests of 500 but the last; records in the query's order
    // (deletions first), each with the local version and the emitter's document.
    void lotes_data() {
        QTest::addColumn<int>("linhas");
        QTest::addColumn<QList<int>>("tamanhos");
        QTest::newRow("500") << 500 << QList<int>{500};
        QTest::newRow("501") << 501 << QList<int>{500, 1};
        QTest::newRow("1000") << 1000 << QList<int>{500, 500};
        QTest::newRow("nenhuma") << 0 << QList<int>{};
    }
    void lotes() {
        QFETCH(int, linhas);
        QFETCH(QList<int>, tamanhos);
        sql("truncate cliente cascade; truncate offline_cliente");
        // One row more, then one deleted: the deletion is among the rows sent, first.
        if (linhas > 0)
            sql(QStringLiteral("insert into cliente (codcliente, razaosocialnome) select g, "
                               "'Cliente ' || g from generate_series(1, %1) g;"
                               "delete from cliente where codcliente = 1")
                    .arg(linhas));
        else
            sql("insert into offline_cliente (codigo, deletado) values (9, false)");
        inicia();
        const int local = versao("offline_cliente");
        QCOMPARE(FExp->Versoes->Cliente, -1);
        FExp->ExportaCliente();
        const QList<QJsonArray> enviados = lotes("/atualizacliente");
        QCOMPARE(enviados.size(), tamanhos.size());
        QSet<int> chaves;
        for (int i = 0; i < enviados.size(); ++i) {
            QCOMPARE(enviados[i].size(), tamanhos[i]);
            for (const QJsonValue& v : enviados[i]) {
                const QJsonObject o = v.toObject();
                QCOMPARE(o.value("versao").toInt(), local);
                QCOMPARE(o.value("cnpjcpf_emitente").toString(), FCnpj);
                chaves.insert(o.value("codcliente").toInt());
            }
        }
        if (linhas > 0) {
            QCOMPARE(chaves.size(), linhas);
            const QJsonObject primeiro = enviados[0][0].toObject();
            QCOMPARE(primeiro.value("codcliente").toInt(), 1);
            QCOMPARE(primeiro.value("deletado").toBool(), true);
            QCOMPARE(primeiro.value("razaosocialnome").toString(), QString());
            QCOMPARE(enviados[0][1].toObject().value("deletado").toBool(), false);
            QCOMPARE(FVisao.Rotulo1, QStringLiteral("Exportando Clientes"));
            QCOMPARE(FVisao.Rotulo2, QStringLiteral("%1 de %1").arg(linhas));
            QCOMPARE(FVisao.Posicao, linhas);
            QCOMPARE(FVisao.Mensagens, linhas + 1);
        } else {
            // No rows: no request, the bare caption, the version still raised.
            QCOMPARE(FVisao.Rotulo1, QStringLiteral("Clientes"));
            QCOMPARE(FVisao.Rotulo2, QString());
        }
        QCOMPARE(FExp->Versoes->Cliente, local);
        QVERIFY(FAlertas->Alertas.isEmpty());

        // The same table again with the version now held: no query, no request, no progress.
        const int chamadas = FVisao.Chamadas;
        FExp->ExportaCliente();
        QCOMPARE(lotes("/atualizacliente").size(), tamanhos.size());
        QCOMPARE(FVisao.Chamadas, chamadas);
    }

    // The second batch refused: the run stops with the service's message, two log entries
    // with alerts, the versions stay where they were; the next run sends both batches again.
    void segundoLoteRecusado() {
        sql("truncate cliente cascade; truncate offline_cliente;"
            "insert into cliente (codcliente, razaosocialnome) select g, 'C' || g from "
            "generate_series(1, 1000) g");
        inicia();
        FServico.ProgramaFalha({{"caminho", "/atualizacliente"}, {"tipo", "atraso"}});
        falha("/atualizacliente", 422, 3, "lote inválido");
        try {
            FExp->ExportaCliente();
            QFAIL("sem erro");
        } catch (const EErro& e) {
            QCOMPARE(e.Mensagem(), QStringLiteral("lote inválido"));
        }
        QCOMPARE(FAlertas->Textos(), (QStringList{"lote inválido", "lote inválido"}));
        QCOMPARE(FExp->Versoes->Cliente, -1);
        QCOMPARE(FServico.Requisicoes(0, "/atualizacliente").size(), 4);
        QCOMPARE(versaoNoServico().value("cliente").toInt(), -1);
        QVERIFY(FServico.Requisicoes(0, "/salvaversao").isEmpty());
        QFile log(CaminhoArquivoLog());
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(log.readAll()).count(QStringLiteral("ExportaCliente")), 2);

        // The next run.
        FServico.Limpa();
        FAlertas->Limpa();
        inicia();
        FExp->ExportaCliente();
        FExp->ExportaVersoes();
        QCOMPARE(lotes("/atualizacliente").size(), 2);
        const QJsonObject salvo = versaoNoServico();
        QCOMPARE(salvo.value("cliente").toInt(), versao("offline_cliente"));
        // Entries no procedure moved go back as received.
        QCOMPARE(salvo.value("produto").toInt(), -1);
        QCOMPARE(salvo.value("dispositivo").toInt(), -1);
        QCOMPARE(salvo.value("cnpjcpf_emitente").toString(), FCnpj);
        QCOMPARE(FVisao.Rotulo1, QStringLiteral("Exportando "));
        QCOMPARE(FVisao.Rotulo2, QStringLiteral("1 de 1"));
        QVERIFY(FAlertas->Alertas.isEmpty());
    }

    // Service version -1 with an empty change log: every row goes, with version 0, and the
    // service's version becomes 0. A table whose service version is ahead is skipped and the
    // higher value is kept.
    void tabelaInteiraEVersaoAFrente() {
        sql("truncate marca cascade; truncate offline_marca;"
            "insert into marca (codmarca, marcadescricao) values (1, 'A'), (2, 'B');"
            "truncate offline_marca");
        inicia();
        FExp->ExportaMarca();
        QList<QJsonArray> enviados = lotes("/atualizamarca");
        QCOMPARE(enviados.size(), 1);
        QCOMPARE(enviados[0].size(), 2);
        QCOMPARE(enviados[0][0].toObject().value("versao").toInt(), 0);
        QCOMPARE(FExp->Versoes->Marca, 0);

        FExp->Versoes->Marca = 50;
        sql("update marca set marcadescricao = 'A2' where codmarca = 1");
        FExp->ExportaMarca();
        QCOMPARE(lotes("/atualizamarca").size(), 1);
        FExp->ExportaVersoes();
        QCOMPARE(versaoNoServico().value("marca").toInt(), 50);
    }

    // The emitter refused: two alerts, no error, its version not raised; then accepted.
    void emitenteRecusado() {
        inicia();
        QVERIFY(FExp->Versoes->Emitente < versao("offline_emitente"));
        falha("/atualizaemitente", 404, 3, "emitente recusado");
        FExp->ExportaEmitente();
        QCOMPARE(FAlertas->Textos(), (QStringList{"emitente recusado", "emitente recusado"}));
        QCOMPARE(FExp->Versoes->Emitente, -1);
        FExp->ExportaEmitente();
        QCOMPARE(FExp->Versoes->Emitente, versao("offline_emitente"));
        const QJsonArray ultimas = FServico.Requisicoes(0, "/atualizaemitente");
        QCOMPARE(ultimas.size(), 4);
        QVERIFY(ultimas.last().toObject().value("corpo").toString().contains("Loja Azul"));
    }

    // Sent on every run: the configuration (also without rows), the payment forms as one
    // list (an empty list when nothing changed).
    void configuracaoEFormasDePagamento() {
        sql("delete from configuracao; delete from configuracao2; truncate formapagamento "
            "cascade; truncate offline_formapagamento;"
            "insert into offline_formapagamento (codigo, deletado) values (5, false)");
        inicia();
        FExp->ExportaConfiguracao();
        FExp->ExportaFormaPagamento();
        QList<QJsonArray> config = lotes("/atualizaconfiguracao");
        QCOMPARE(config.size(), 1);
        QCOMPARE(config[0].size(), 0);
        QList<QJsonArray> formas = lotes("/atualizaformapagamento");
        QCOMPARE(formas.size(), 1);
        QCOMPARE(formas[0].size(), 0);
        QCOMPARE(FExp->Versoes->FormaPagamento, versao("offline_formapagamento"));
        QVERIFY(!FExp->ExportaImagens());

        sql("insert into configuracao (usarmetodoimagempasta) values (true);"
            "insert into configuracao2 (exportarimagemprodutoordix) values (true);"
            "insert into formapagamento (descricao, parcelas) values ('Boleto', 3), ('Pix', 1)");
        FServico.Limpa();
        inicia();
        FExp->ExportaConfiguracao();
        FExp->ExportaFormaPagamento();
        config = lotes("/atualizaconfiguracao");
        QCOMPARE(config[0].size(), 1);
        QCOMPARE(config[0][0].toObject().value("cnpjcpf_emitente").toString(), FCnpj);
        QVERIFY(!config[0][0].toObject().contains("versao"));
        QVERIFY(FExp->ExportaImagens());
        formas = lotes("/atualizaformapagamento");
        QCOMPARE(formas.size(), 1);
        QCOMPARE(formas[0].size(), 2);
        QCOMPARE(FVisao.Rotulo2, QStringLiteral("2 de 2"));
        sql("delete from configuracao; delete from configuracao2");
    }

    // Versions that cannot be received or saved stop the run.
    void versoesRecusadas() {
        falha("/versaotabelas", 503, 3, "fora do ar");
        FDM->QVersao.Close();
        FDM->QVersao.Open();
        try {
            FExp->CarregaVersoes();
            QFAIL("sem erro");
        } catch (const EErro& e) {
            QCOMPARE(e.Mensagem(), QStringLiteral("Não foi possível Receber Versões"));
        }
        QVERIFY(FAlertas->Alertas.isEmpty());
        inicia();
        falha("/salvaversao", 400, 3, "versão recusada");
        QVERIFY_THROWS_EXCEPTION(EErro, FExp->ExportaVersoes());
        QCOMPARE(FAlertas->Textos(), (QStringList{"versão recusada", "versão recusada"}));
    }

    // Pictures: the switch, blanks, the name as stored, the shrink, bad files.
    void produtosComFotos() {
        const QString fotos = FPasta.filePath("fotos/");
        QVERIFY(desenho(1000, 500).save(fotos + "grande.jpg", "JPEG"));
        QVERIFY(desenho(50, 50).save(fotos + "gif.GIF", "PNG"));
        QFile ruim(fotos + "ruim.JPG");
        QVERIFY(ruim.open(QIODevice::WriteOnly));
        ruim.write("\xFF\xD8\xFF not a jpeg");
        ruim.close();
        QVERIFY(desenho(300, 600).save(fotos + "alto.png", "PNG"));
        sql("truncate produto cascade; truncate offline_produto;"
            "insert into produto (codproduto, descricao, imagem) values "
            "(1, 'Grande', 'grande.jpg'), (2, 'Gif', 'gif.GIF'), (3, 'Ruim', 'ruim.JPG'),"
            "(4, 'Alto', 'alto.png'), (5, 'Brancos', '   '), (6, 'Fim', 'grande.jpg  '),"
            "(7, 'Sem', null), (8, 'Falta', 'nao.jpg')");
        sql("insert into configuracao (usarmetodoimagempasta) values (true);"
            "insert into configuracao2 (exportarimagemprodutoordix) values (false)");

        auto fotosEnviadas = [this] {
            QMap<int, QString> r;
            for (const QJsonArray& lote : lotes("/atualizaproduto"))
                for (const QJsonValue& v : lote)
                    r.insert(v.toObject().value("codproduto").toInt(),
                             v.toObject().value("foto").toString());
            return r;
        };
        // Switch off (one of the two flags false): no product carries a picture.
        inicia();
        FExp->ExportaConfiguracao();
        FExp->ExportaProduto();
        QMap<int, QString> r = fotosEnviadas();
        QCOMPARE(r.size(), 8);
        for (const QString& f : r)
            QVERIFY(f.isEmpty());

        sql("update configuracao2 set exportarimagemprodutoordix = true");
        FServico.Limpa();
        inicia();
        FExp->ExportaConfiguracao();
        FExp->ExportaProduto();
        r = fotosEnviadas();
        QCOMPARE(r.size(), 8);
        auto tamanho = [](const QString& base64) {
            QBuffer b;
            b.setData(QByteArray::fromBase64(base64.toLatin1()));
            QImageReader leitor(&b, "jpeg");
            return leitor.size();
        };
        QCOMPARE(tamanho(r[1]), QSize(420, 210));
        QCOMPARE(r[2], QString());
        QCOMPARE(r[3], QString());
        QCOMPARE(tamanho(r[4]), QSize(210, 420));
        QCOMPARE(r[5], QString());
        QCOMPARE(r[6], QString()); // "grande.jpg  " names no file
        QCOMPARE(r[7], QString());
        QCOMPARE(r[8], QString());
        QVERIFY(FAlertas->Alertas.isEmpty());
        sql("delete from configuracao; delete from configuracao2");
    }

    // A run with nothing changed sends the configuration and the versions and ends with
    // "Exportação Finalizada"; a run that fails in the products sent the earlier tables but
    // saved no version, so the next run sends them again.
    void execucaoCompleta() {
        auto ultima = [this] {
            const QJsonArray log = FServico.Requisicoes();
            return log.isEmpty() ? qint64(0)
                                 : qint64(log.last().toObject().value("numero").toDouble());
        };
        auto caminhosDesde = [this](qint64 n, const QString& caminho = {}) {
            QStringList r;
            for (const QJsonValue& v : FServico.Requisicoes(n, caminho))
                r << v.toObject().value("caminho").toString();
            return r;
        };
        FExp->ExportaTabelas(); // a tenant the service does not know: everything goes once
        QVERIFY(caminhosDesde(0).contains("/atualizaproduto"));
        qint64 n = ultima();
        FExp->ExportaTabelas();
        QCOMPARE(caminhosDesde(n),
                 (QStringList{"/versaotabelas", "/atualizaconfiguracao", "/salvaversao"}));
        QCOMPARE(FVisao.Rotulo1, QStringLiteral("Exportação Finalizada"));
        QCOMPARE(FVisao.Rotulo2, QString());
        QCOMPARE(FVisao.Posicao, 0);

        sql("update cliente set contato = 'x' where codcliente = 2;"
            "update produto set descricao = 'Outro' where codproduto = 1");
        falha("/atualizaproduto", 422, 3, "produto recusado");
        n = ultima();
        QVERIFY_THROWS_EXCEPTION(EErro, FExp->ExportaTabelas());
        QCOMPARE(caminhosDesde(n, "/atualizacliente").size(), 1);
        QVERIFY(caminhosDesde(n, "/salvaversao").isEmpty());
        QCOMPARE(FVisao.Rotulo1, QStringLiteral("Exportando Produtos"));
        n = ultima();
        FExp->ExportaTabelas();
        QCOMPARE(caminhosDesde(n, "/atualizacliente").size(), 1);
        QCOMPARE(caminhosDesde(n, "/atualizaproduto").size(), 1);
        QCOMPARE(caminhosDesde(n, "/salvaversao").size(), 1);
        QCOMPARE(FVisao.Rotulo1, QStringLiteral("Exportação Finalizada"));
    }

    // The wipe: accepted shows "Tabelas Apagadas"; refused leaves the area empty and writes
    // two log entries without alerts.
    void apagarTabelas() {
        FExp->CarregaDadosEmitente();
        FExp->ApagarTabelas();
        QCOMPARE(FVisao.Rotulo1, QStringLiteral("Tabelas Apagadas"));
        QCOMPARE(FServico.Requisicoes(0, "/apagatabelas").size(), 1);
        falha("/apagatabelas", 404, 3, "não apagou");
        FExp->ApagarTabelas();
        QCOMPARE(FVisao.Rotulo1, QString());
        QVERIFY(FAlertas->Alertas.isEmpty());
        QFile log(CaminhoArquivoLog());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString texto = QString::fromUtf8(log.readAll());
        QVERIFY(texto.contains(QStringLiteral("não apagou")));
        QVERIFY(texto.contains(QStringLiteral("Não foi possível Apagar as Tabelas")));
    }
};

QTEST_MAIN(TstExportacao)
#include "tst_exportacao.moc"
