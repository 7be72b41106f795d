#include "Opcoes.h"

#include <QCommandLineParser>
#include <QHostAddress>

bool EnderecoLoopback(const QString& endereco) {
    if (endereco == QLatin1String("localhost"))
        return true;
    QHostAddress a;
    return a.setAddress(endereco) && a.isLoopback();
}

bool LeOpcoes(const QStringList& argumentos, TOpcoes& opcoes, QString& saida, int& codigo) {
    const TConfigBanco padrao;
    const QString host = qEnvironmentVariable("VARELO_PGHOST", padrao.Host);
    const QString porta = qEnvironmentVariable("VARELO_PGPORT", QString::number(padrao.Porta));
    const QString usuario = qEnvironmentVariable("VARELO_PGUSER", padrao.Usuario);

    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "Serviço de nuvem de referência: recebe os cadastros do exportador e entrega os\n"
        "pedidos ao importador, sob /api/ordix; administração em /dev/ (só loopback).\n"
        "A senha do banco vem de --bd-senha ou da variável VARELO_PGPASSWORD."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Mostra esta ajuda."));
    const QCommandLineOption endereco(
        QStringLiteral("endereco"),
        QStringLiteral("Endereço de escuta, só loopback (padrão: %1).").arg(opcoes.Endereco),
        QStringLiteral("ip"), opcoes.Endereco);
    const QCommandLineOption portaOp(
        QStringLiteral("porta"), QStringLiteral("Porta de escuta; 0 (o padrão) escolhe uma livre."),
        QStringLiteral("n"), QString::number(opcoes.Porta));
    const QCommandLineOption certificado(
        QStringLiteral("certificado"),
        QStringLiteral("Certificado do servidor (PEM, com a cadeia); liga o HTTPS."),
        QStringLiteral("arquivo"));
    const QCommandLineOption chave(QStringLiteral("chave"),
                                   QStringLiteral("Chave privada do certificado (PEM)."),
                                   QStringLiteral("arquivo"));
    const QCommandLineOption linhas(
        QStringLiteral("linhas"),
        QStringLiteral("Linhas de execução que atendem conexões (padrão: %1).").arg(opcoes.Linhas),
        QStringLiteral("n"), QString::number(opcoes.Linhas));
    const QCommandLineOption bdHost(
        QStringLiteral("bd-host"),
        QStringLiteral("Servidor PostgreSQL do serviço (padrão: %1).").arg(host),
        QStringLiteral("host"), host);
    const QCommandLineOption bdPorta(QStringLiteral("bd-porta"),
                                     QStringLiteral("Porta do PostgreSQL (padrão: %1).").arg(porta),
                                     QStringLiteral("n"), porta);
    const QCommandLineOption bdUsuario(
        QStringLiteral("bd-usuario"),
        QStringLiteral("Usuário do PostgreSQL (padrão: %1).").arg(usuario), QStringLiteral("nome"),
        usuario);
    const QCommandLineOption bdSenha(QStringLiteral("bd-senha"),
                                     QStringLiteral("Senha do PostgreSQL."),
                                     QStringLiteral("senha"));
    const QCommandLineOption bdNome(
        QStringLiteral("bd-nome"),
        QStringLiteral("Banco do serviço, criado com as tabelas quando falta (padrão: %1).")
            .arg(padrao.Nome),
        QStringLiteral("nome"), padrao.Nome);
    p.addOptions({help, endereco, portaOp, certificado, chave, linhas, bdHost, bdPorta, bdUsuario,
                  bdSenha, bdNome});

    if (!p.parse(argumentos)) {
        saida = p.errorText() + QLatin1Char('\n');
        codigo = 2;
        return false;
    }
    if (p.isSet(help)) {
        saida = p.helpText();
        codigo = 0;
        return false;
    }
    codigo = 2;
    if (!p.positionalArguments().isEmpty()) {
        saida = QStringLiteral("argumento inesperado: %1\n").arg(p.positionalArguments().first());
        return false;
    }
    bool ok = false;
    opcoes.Endereco = p.value(endereco);
    if (!EnderecoLoopback(opcoes.Endereco)) {
        saida =
            QStringLiteral("o serviço só escuta em endereços loopback: %1\n").arg(opcoes.Endereco);
        return false;
    }
    opcoes.Porta = p.value(portaOp).toInt(&ok);
    if (!ok || opcoes.Porta < 0 || opcoes.Porta > 65535) {
        saida = QStringLiteral("porta inválida: %1\n").arg(p.value(portaOp));
        return false;
    }
    opcoes.Certificado = p.value(certificado);
    opcoes.Chave = p.value(chave);
    if (opcoes.Certificado.isEmpty() != opcoes.Chave.isEmpty()) {
        saida = QStringLiteral("--certificado e --chave andam juntos\n");
        return false;
    }
    opcoes.Linhas = p.value(linhas).toInt(&ok);
    if (!ok || opcoes.Linhas < 2 || opcoes.Linhas > 1024) {
        saida = QStringLiteral("--linhas deve estar entre 2 e 1024\n");
        return false;
    }
    opcoes.Banco.Host = p.value(bdHost);
    opcoes.Banco.Porta = p.value(bdPorta).toInt(&ok);
    if (!ok) {
        saida = QStringLiteral("porta do banco inválida: %1\n").arg(p.value(bdPorta));
        return false;
    }
    opcoes.Banco.Usuario = p.value(bdUsuario);
    opcoes.Banco.Senha =
        p.isSet(bdSenha) ? p.value(bdSenha) : qEnvironmentVariable("VARELO_PGPASSWORD");
    opcoes.Banco.Nome = p.value(bdNome);
    codigo = 0;
    return true;
}
