#include "uFuncoesUteis.h"

#include "Caminhos.h"
#include "Relogio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <cstdio>

namespace {
IApresentador* apresentador = nullptr;

// The short date of the current locale and a time with seconds, as the entry's stamp.
QString textoDataHora(const QDateTime& momento) {
    return QLocale().toString(momento.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           momento.time().toString(QStringLiteral("HH:mm:ss"));
}

bool gravaEntrada(const QString& Modulo, const QString& Tabela, const QString& Funcao,
                  const QString& Erro) {
    const QString pastaFoto = PastaExecutavel() + QStringLiteral("/LOG");
    if (!QDir().mkpath(pastaFoto))
        return false;

    QFile arquivo(CaminhoArquivoLog());
    if (!arquivo.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;

    QString carimbo = textoDataHora(Agora());
    carimbo.replace(QLatin1Char('/'), QLatin1Char('-'));
    carimbo.replace(QLatin1Char(' '), QLatin1Char('_'));
    carimbo.replace(QLatin1Char(':'), QLatin1Char('-'));
    const QString foto = QDir::toNativeSeparators(pastaFoto + QLatin1Char('/') + Modulo +
                                                  QLatin1Char('_') + carimbo +
                                                  QStringLiteral(".bmp"));

    const QString tracos(70, QLatin1Char('-'));
    const QString crlf = QStringLiteral("\r\n");
    QString entrada;
    entrada += tracos + crlf;
    entrada += QStringLiteral("Data / Hora : ") + textoDataHora(Agora()) + crlf;
    entrada += QStringLiteral("Modulo      : ") + Modulo + crlf;
    entrada += QStringLiteral("Tabela      : ") + Tabela + crlf;
    entrada += QStringLiteral("Função      : ") + Funcao + crlf;
    entrada += QStringLiteral("Foto        : ") + foto + crlf;
    entrada += QStringLiteral("Erro        : ") + Erro + crlf;
    entrada += tracos + crlf;

    const QByteArray bytes = entrada.toUtf8();
    const bool gravou = arquivo.write(bytes) == bytes.size();
    arquivo.close();
    return gravou && arquivo.error() == QFileDevice::NoError;
}
} // namespace

void InstalaApresentador(IApresentador* novo) { apresentador = novo; }

IApresentador* ApresentadorAtual() { return apresentador; }

bool ExibeMensagem(const QString& Texto, TTipoAlerta Tipo, const QString& CaptionConfirmar,
                   const QString& CaptionCancelar) {
    if (!apresentador) {
        std::fprintf(stderr, "%s\n", Texto.toLocal8Bit().constData());
        return false;
    }
    return apresentador->ExibeMensagem(Texto, Tipo, CaptionConfirmar, CaptionCancelar);
}

void ExibeCarregando(bool Fechar) {
    if (apresentador)
        apresentador->ExibeCarregando(Fechar);
}

void AtualizaCarregando(const QString& Texto) {
    if (apresentador)
        apresentador->AtualizaCarregando(Texto);
}

QString CaminhoArquivoLog() {
    const QString exe = CaminhoExecutavel();
    const QFileInfo info(exe);
    if (info.suffix().isEmpty())
        return exe + QStringLiteral(".log");
    return exe.left(exe.size() - info.suffix().size()) + QStringLiteral("log");
}

void GravaLogErro(const QString& Modulo, const QString& Tabela, const QString& Funcao,
                  const QString& Erro, bool MostrarAlerta) {
    if (!gravaEntrada(Modulo, Tabela, Funcao, Erro))
        std::fprintf(stderr, "Não foi possível gravar o log %s: %s\n",
                     CaminhoArquivoLog().toLocal8Bit().constData(),
                     Erro.toLocal8Bit().constData());
    if (MostrarAlerta)
        ExibeMensagem(Erro, TTipoAlerta::TAPressioneESC);
}
