#include "ServicoTeste.h"

#include "BancoTeste.h"
#include "Erro.h"

#include <curl/curl.h>
#include <memory>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

namespace {
size_t recebe(char* dados, size_t tamanho, size_t quantos, void* destino) {
    static_cast<QByteArray*>(destino)->append(dados, qsizetype(tamanho * quantos));
    return tamanho * quantos;
}

QString nomeBanco() {
    static int contador = 0;
    QString nome = QFileInfo(QCoreApplication::applicationFilePath()).baseName().toLower();
    nome.replace(QLatin1Char('-'), QLatin1Char('_'));
    return QStringLiteral("nuvem_%1_%2_%3")
        .arg(nome)
        .arg(QCoreApplication::applicationPid())
        .arg(++contador);
}
} // namespace

TServicoTeste::TServicoTeste(bool https, QString banco)
    : FHttps(https), FBanco(banco.isEmpty() ? nomeBanco() : std::move(banco)) {}

TServicoTeste::~TServicoTeste() {
    Para();
    if (qEnvironmentVariableIntValue("VARELO_PGPORT") > 0)
        ExecutaSqlTeste(QStringLiteral("postgres"),
                        QStringLiteral("DROP DATABASE IF EXISTS \"%1\" WITH (FORCE)").arg(FBanco));
}

QString TServicoTeste::PastaCertificados() {
    static QTemporaryDir pasta;
    static bool feito = false;
    if (!feito) {
        QProcess p;
        p.start(QStringLiteral(VARELO_SOURCE_DIR "/scripts/certificados"), {pasta.path()});
        p.waitForFinished(60000);
        feito = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
        if (!feito)
            qWarning("scripts/certificados falhou: %s", p.readAllStandardError().constData());
    }
    return pasta.path();
}

QString TServicoTeste::Ca() const {
    return FHttps ? PastaCertificados() + QStringLiteral("/ca.pem") : QString();
}

bool TServicoTeste::Rodando() const {
    return FProcesso && FProcesso->state() == QProcess::Running;
}

QString TServicoTeste::Inicia() {
    Para();
    if (qEnvironmentVariableIntValue("VARELO_PGPORT") <= 0)
        return QStringLiteral("VARELO_PGPORT não definido: rode os testes com scripts/test");
    QStringList args{QStringLiteral("--porta"), QStringLiteral("0"), QStringLiteral("--bd-nome"),
                     FBanco};
    if (FHttps) {
        const QString pasta = PastaCertificados();
        args << QStringLiteral("--certificado") << pasta + QStringLiteral("/servidor.pem")
             << QStringLiteral("--chave") << pasta + QStringLiteral("/servidor.key");
    }
    FProcesso = std::make_unique<QProcess>();
    FProcesso->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    FProcesso->start(QStringLiteral(VARELO_SERVIDOR_NUVEM), args);
    if (!FProcesso->waitForStarted(10000))
        return QStringLiteral("servidor-nuvem não iniciou: ") + FProcesso->errorString();
    QByteArray saida;
    const QDeadlineTimer prazo(30000);
    while (!saida.contains('\n') && !prazo.hasExpired()) {
        if (!FProcesso->waitForReadyRead(200) && FProcesso->state() != QProcess::Running)
            return QStringLiteral("servidor-nuvem terminou ao iniciar (código %1)")
                .arg(FProcesso->exitCode());
        saida += FProcesso->readAllStandardOutput();
    }
    const QByteArray linha = saida.left(saida.indexOf('\n')).trimmed();
    if (!linha.startsWith("URL "))
        return QStringLiteral("servidor-nuvem não informou o endereço: ") +
               QString::fromUtf8(saida);
    FUrl = QString::fromUtf8(linha.mid(4));
    return Admin("GET", QStringLiteral("/dev/saude")).StatusCode == 200
               ? QString()
               : QStringLiteral("servidor-nuvem não responde em ") + FUrl;
}

void TServicoTeste::Para() {
    if (!FProcesso)
        return;
    if (FProcesso->state() != QProcess::NotRunning) {
        FProcesso->terminate();
        if (!FProcesso->waitForFinished(10000)) {
            FProcesso->kill();
            FProcesso->waitForFinished(5000);
        }
    }
    FProcesso.reset();
}

TRespostaHttp TServicoTeste::Admin(const char* metodo, const QString& caminho,
                                   const QByteArray& corpo) const {
    std::unique_ptr<CURL, void (*)(CURL*)> curl(curl_easy_init(), &curl_easy_cleanup);
    CURL* c = curl.get();
    const QByteArray url = (FUrl + caminho).toUtf8();
    const QByteArray ca = Ca().toLocal8Bit();
    QByteArray recebido;
    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_CUSTOMREQUEST, metodo);
    if (qstrcmp(metodo, "POST") == 0) {
        curl_easy_setopt(c, CURLOPT_POSTFIELDS, corpo.constData());
        curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(corpo.size()));
    }
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &recebe);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &recebido);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_TIMEOUT, 120L);
    if (!ca.isEmpty())
        curl_easy_setopt(c, CURLOPT_CAINFO, ca.constData());
    if (curl_easy_perform(c) != CURLE_OK)
        return {0, QString()};
    long status = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
    return {int(status), QString::fromUtf8(recebido)};
}

QJsonDocument TServicoTeste::AdminJson(const QString& caminho) const {
    return QJsonDocument::fromJson(Admin("GET", caminho).Mensagem.toUtf8());
}

void TServicoTeste::ProgramaFalha(const QJsonObject& falha) const {
    const TRespostaHttp r =
        Admin("POST", QStringLiteral("/dev/falhas"), QJsonDocument(falha).toJson());
    if (r.StatusCode != 200)
        throw EErro(QStringLiteral("falha não programada: ") + r.Mensagem);
}

QJsonArray TServicoTeste::Requisicoes(qint64 desde, const QString& caminho) const {
    QString url = QStringLiteral("/dev/requisicoes?desde=%1").arg(desde);
    if (!caminho.isEmpty())
        url += QStringLiteral("&caminho=") + caminho;
    return AdminJson(url).array();
}

void TServicoTeste::Limpa() const {
    Admin("DELETE", QStringLiteral("/dev/dados"));
}

QJsonObject TServicoTeste::EnfileiraPedidos(const QString& emitente, const QByteArray& json) const {
    const TRespostaHttp r = Admin("POST",
                                  QStringLiteral("/dev/pedidos?emitente=") +
                                      QString::fromUtf8(QUrl::toPercentEncoding(emitente)),
                                  json);
    return QJsonDocument::fromJson(r.Mensagem.toUtf8()).object();
}
