// The HTTP client against the real service: TLS verification, headers and body as sent,
// transport failures reported as errors, and the stall limit.
#include "ClienteHttp.h"
#include "Erro.h"
#include "ServicoTeste.h"

#include <QTcpServer>
#include <QtTest>

class TstClienteHttp : public QObject {
    Q_OBJECT

private:
    TServicoTeste FHttp{false};
    TServicoTeste FHttps{true};

    // The last request the service logged.
    QJsonObject ultima(const TServicoTeste& s) {
        const QJsonArray r = s.Requisicoes();
        return r.isEmpty() ? QJsonObject() : r.last().toObject();
    }
    static QString cabecalho(const QJsonObject& req, const QString& nome, bool* existe = nullptr) {
        for (const QJsonValue& c : req.value(QStringLiteral("cabecalhos")).toArray()) {
            const QJsonArray par = c.toArray();
            if (par.at(0).toString().compare(nome, Qt::CaseInsensitive) == 0) {
                if (existe)
                    *existe = true;
                return par.at(1).toString();
            }
        }
        if (existe)
            *existe = false;
        return {};
    }

private slots:
    void initTestCase() {
        QString erro = FHttp.Inicia();
        QVERIFY2(erro.isEmpty(), qPrintable(erro));
        erro = FHttps.Inicia();
        QVERIFY2(erro.isEmpty(), qPrintable(erro));
    }
    void init() {
        FHttp.Limpa();
        FHttps.Limpa();
    }

    void enviaCabecalhosECorpo_data() {
        QTest::addColumn<bool>("https");
        QTest::addColumn<QString>("token");
        QTest::addColumn<QString>("corpo");
        QTest::addColumn<bool>("comAutorizacao");
        QTest::addColumn<int>("status");
        QTest::newRow("http") << false << "12.345.678/0001-90"
                              << "{\"cnpjcpf_emitente\":\"x\"}" << true << 200;
        QTest::newRow("https") << true << "12.345.678/0001-90"
                               << "{\"a\":\"\\u00E7\"}" << true << 200;
        QTest::newRow("token em branco") << true << "  "
                                         << "{\"cnpjcpf_emitente\":\"\"}" << false << 401;
        // No body at all: the service refuses it as no JSON.
        QTest::newRow("corpo em branco") << false << "123"
                                         << " " << true << 400;
    }
    void enviaCabecalhosECorpo() {
        QFETCH(bool, https);
        QFETCH(QString, token);
        QFETCH(QString, corpo);
        QFETCH(bool, comAutorizacao);
        QFETCH(int, status);
        const TServicoTeste& s = https ? FHttps : FHttp;
        const TRespostaHttp r = s.Cliente().Post(QStringLiteral("/versaotabelas"), token, corpo);
        const QJsonObject req = ultima(s);
        QCOMPARE(req.value(QStringLiteral("caminho")).toString(), QStringLiteral("/versaotabelas"));
        bool existe = false;
        const QString autorizacao = cabecalho(req, QStringLiteral("Authorization"), &existe);
        QCOMPARE(existe, comAutorizacao);
        if (comAutorizacao)
            QCOMPARE(autorizacao, token);
        QCOMPARE(cabecalho(req, QStringLiteral("Accept")), QStringLiteral("application/json"));
        const bool temCorpo = !corpo.trimmed().isEmpty();
        QCOMPARE(req.value(QStringLiteral("corpo")).toString(), temCorpo ? corpo : QString());
        QCOMPARE(cabecalho(req, QStringLiteral("Content-Type")),
                 temCorpo ? QStringLiteral("application/json") : QString());
        QCOMPARE(r.StatusCode, status);
        QVERIFY(r.Mensagem.startsWith(QLatin1Char('{')));
    }

    void devolveStatusECorpoComoVieram_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("corpo");
        QTest::newRow("503") << 503 << "Servi\u00E7o indispon\u00EDvel";
        QTest::newRow("201") << 201 << "{\"ok\":true}";
        QTest::newRow("404 vazio") << 404 << "";
    }
    void devolveStatusECorpoComoVieram() {
        QFETCH(int, status);
        QFETCH(QString, corpo);
        FHttps.ProgramaFalha(
            {{"caminho", "/getpedidos"}, {"tipo", "status"}, {"status", status}, {"corpo", corpo}});
        const TRespostaHttp r =
            FHttps.Cliente().Post(QStringLiteral("/getpedidos"), QStringLiteral("1"), "{}");
        QCOMPARE(r.StatusCode, status);
        QCOMPARE(r.Mensagem, corpo);
    }

    // Each case must end in an error that names the address, never in a status.
    void falhasDeTransporte_data() {
        QTest::addColumn<QString>("caso");
        QTest::newRow("autoridade desconhecida") << "ca";
        QTest::newRow("conexão fechada sem resposta") << "fechar";
        QTest::newRow("servidor parado além do limite") << "atraso";
        QTest::newRow("porta sem servidor") << "recusada";
        QTest::newRow("https falando com http") << "protocolo";
    }
    void falhasDeTransporte() {
        QFETCH(QString, caso);
        TClienteHttp cliente = FHttps.Cliente();
        if (caso == QLatin1String("ca")) {
            cliente = TClienteHttp(FHttps.Url());
        } else if (caso == QLatin1String("fechar")) {
            FHttps.ProgramaFalha({{"caminho", "/getpedidos"}, {"tipo", "fechar"}});
        } else if (caso == QLatin1String("atraso")) {
            // libcurl measures the speed over the last few seconds, so the silence must last
            // a while longer than the limit itself.
            cliente.DefineLimites(10, 1);
            FHttps.ProgramaFalha(
                {{"caminho", "/getpedidos"}, {"tipo", "atraso"}, {"atraso_ms", 8000}});
        } else if (caso == QLatin1String("recusada")) {
            QTcpServer livre;
            QVERIFY(livre.listen(QHostAddress::LocalHost));
            const quint16 porta = livre.serverPort();
            livre.close();
            cliente = TClienteHttp(QStringLiteral("http://127.0.0.1:%1").arg(porta));
        } else if (caso == QLatin1String("protocolo")) {
            cliente = TClienteHttp(
                QString(FHttp.Url()).replace(QStringLiteral("http:"), QStringLiteral("https:")),
                FHttps.Ca());
        }
        try {
            const TRespostaHttp r = cliente.Post(QStringLiteral("/getpedidos"), "1", "{}");
            QFAIL(qPrintable(QStringLiteral("respondeu %1").arg(r.StatusCode)));
        } catch (const EErro& e) {
            QVERIFY2(e.Mensagem().contains(QStringLiteral("/api/ordix/getpedidos")),
                     qPrintable(e.Mensagem()));
        }
    }

    // The same client recovers at the next call: nothing of a failed exchange is kept.
    void depoisDeUmaFalhaAProximaChamadaFunciona() {
        FHttps.ProgramaFalha({{"caminho", "/getpedidos"}, {"tipo", "fechar"}});
        const TClienteHttp cliente = FHttps.Cliente();
        QVERIFY_THROWS_EXCEPTION(EErro, cliente.Post(QStringLiteral("/getpedidos"), "1", "{}"));
        QCOMPARE(cliente.Post(QStringLiteral("/getpedidos"), "1", "{}").StatusCode, 200);
    }
};

QTEST_GUILESS_MAIN(TstClienteHttp)
#include "tst_clientehttp.moc"
