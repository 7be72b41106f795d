#include "ArquivoIni.h"

#include "Caminhos.h"

#include <QDir>
#include <QFile>

const QString UrlApiPadrao = QStringLiteral("https://api.varelo.com.br");

namespace {
constexpr int TamanhoMaximoValor = 2047;

QString pastaImagensPadrao() {
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\varelo\\IMAGENS\\PRODUTOS\\");
#else
    return QDir::homePath() + QStringLiteral("/varelo/IMAGENS/PRODUTOS/");
#endif
}
} // namespace

QString LeValorIni(const QString& arquivo, const QString& secao, const QString& chave,
                   const QString& padrao) {
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return padrao;
    const QString texto = QString::fromUtf8(f.readAll());
    bool naSecao = false;
    for (QString linha : texto.split(QLatin1Char('\n'))) {
        linha = linha.trimmed();
        if (linha.startsWith(QLatin1Char('['))) {
            const int fim = linha.indexOf(QLatin1Char(']'));
            const QString nome = linha.mid(1, fim < 0 ? -1 : fim - 1).trimmed();
            naSecao = nome.compare(secao, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!naSecao)
            continue;
        const int igual = linha.indexOf(QLatin1Char('='));
        if (igual < 0)
            continue;
        if (linha.left(igual).trimmed().compare(chave, Qt::CaseInsensitive) != 0)
            continue;
        return linha.mid(igual + 1).trimmed().left(TamanhoMaximoValor);
    }
    return padrao;
}

QString CaminhoArquivoIni() { return PastaExecutavel() + QStringLiteral("/arquivo.ini"); }

TConfiguracaoIni TConfiguracaoIni::Le(const QString& arquivo) {
    TConfiguracaoIni c;
    c.Host = LeValorIni(arquivo, QStringLiteral("bd"), QStringLiteral("host"),
                        QStringLiteral("127.0.0.1"));
    c.Senha = LeValorIni(arquivo, QStringLiteral("dadosbanco"), QStringLiteral("senha"),
                         QStringLiteral("X83PLUMAGE47"));
    c.Login = LeValorIni(arquivo, QStringLiteral("dadosbanco"), QStringLiteral("login"),
                         QStringLiteral("postgres"));
    c.Porta = LeValorIni(arquivo, QStringLiteral("dadosbanco"), QStringLiteral("porta"),
                         QStringLiteral("5432"));
    c.Nome = LeValorIni(arquivo, QStringLiteral("bd"), QStringLiteral("nome"),
                        QStringLiteral("varelo"));
    c.ApiUrl = LeValorIni(arquivo, QStringLiteral("api"), QStringLiteral("url"), UrlApiPadrao);
    c.ApiCertificado =
        LeValorIni(arquivo, QStringLiteral("api"), QStringLiteral("certificado"), QString());
    c.PastaImagens = LeValorIni(arquivo, QStringLiteral("imagens"), QStringLiteral("pasta"),
                                pastaImagensPadrao());
    return c;
}
