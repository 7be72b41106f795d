#include "ConexaoBanco.h"

#include "ArquivoIni.h"
#include "Conexao.h"
#include "Erro.h"
#include "dbDMConexao.h"
#include "uFuncoesUteis.h"

const QString MensagemFalhaConexao =
    QStringLiteral("Não foi possível estabelecer conexão com o Banco de dados!");

namespace {
int portaComoInteiro(const QString& texto) {
    bool ok = false;
    const int porta = texto.toInt(&ok);
    if (!ok)
        throw EErro(QStringLiteral("'%1' não é um valor inteiro válido").arg(texto));
    return porta;
}
} // namespace

bool ConectarBanco(const TPassosConexao& passos) {
    TConexao* principal = passos.CriaDM ? passos.CriaDM() : nullptr;

    ExibeCarregando(false);
    AtualizaCarregando(QStringLiteral("Conectando ao banco de dados..."));

    const TConfiguracaoIni ini = TConfiguracaoIni::Le();
    try {
        if (!principal)
            throw EErro(QStringLiteral("O módulo de dados não foi criado"));
        principal->Disconnect();
        principal->Server = ini.Host;
        principal->Password = ini.Senha;
        principal->User = ini.Login;
        principal->Database = ini.Nome;
        principal->Port = portaComoInteiro(ini.Porta);
        principal->Connect();

        AtivarDB(*principal, 0);

        if (passos.AbreConsultas)
            passos.AbreConsultas();

        ExibeCarregando(true);

        if (passos.DepoisDeConectar)
            passos.DepoisDeConectar();
        return true;
    } catch (const EErro& e) {
        ExibeCarregando(true);
        GravaLogErro(QString(), QString(), QStringLiteral("ConectarBanco"), e.Mensagem(), false);
        ExibeMensagem(MensagemFalhaConexao, TTipoAlerta::TAPressioneESC);
        return false;
    }
}
