#pragma once

#include <QString>

// Reads values from an INI file the way Windows does: section and key names without regard to
// letter case, the value is the text after the first '=' without surrounding blanks, a key
// present with an empty value gives the empty string, and a missing file, section or key gives
// the default. Values are cut to 2047 characters.
QString LeValorIni(const QString& arquivo, const QString& secao, const QString& chave,
                   const QString& padrao);

// The configuration file "arquivo.ini" beside the running executable.
QString CaminhoArquivoIni();

// The keys of arquivo.ini, each with its default.
struct TConfiguracaoIni {
    QString Host;
    QString Senha;
    QString Login;
    QString Porta;
    QString Nome;
    QString ApiUrl;
    QString ApiCertificado;
    QString PastaImagens;

    static TConfiguracaoIni Le(const QString& arquivo = CaminhoArquivoIni());
};

// The production address of the cloud service, used when [api] url is absent.
extern const QString UrlApiPadrao;
