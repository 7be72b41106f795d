#include "BancoTeste.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUuid>

namespace {
QString textoErro(const QSqlError& e) { return e.text(); }

// Runs `sql` on database `banco` through a connection of its own.
QString executa(const QString& banco, const QString& sql, QVariant* primeiro = nullptr) {
    const TServidorTeste s = TServidorTeste::DoAmbiente();
    const QString nome = QStringLiteral("teste-") + QUuid::createUuid().toString();
    QString erro;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), nome);
        db.setHostName(s.Host);
        db.setPort(s.Porta);
        db.setUserName(s.Usuario);
        db.setPassword(s.Senha);
        db.setDatabaseName(banco);
        if (!db.open()) {
            erro = textoErro(db.lastError());
        } else {
            QSqlQuery q(db);
            if (!q.exec(sql))
                erro = textoErro(q.lastError());
            else if (primeiro && q.next())
                *primeiro = q.value(0);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(nome);
    return erro;
}
} // namespace

TServidorTeste TServidorTeste::DoAmbiente() {
    TServidorTeste s;
    s.Host = qEnvironmentVariable("VARELO_PGHOST", QStringLiteral("127.0.0.1"));
    s.Porta = qEnvironmentVariableIntValue("VARELO_PGPORT");
    s.Usuario = qEnvironmentVariable("VARELO_PGUSER", QStringLiteral("postgres"));
    s.Senha = qEnvironmentVariable("VARELO_PGPASSWORD");
    return s;
}

QString CriaBancoTeste(const QString& nome, const QStringList& scriptsExtras) {
    if (!TServidorTeste::DoAmbiente().Disponivel())
        return QStringLiteral("VARELO_PGPORT não definido: rode os testes com scripts/test");
    QString erro = executa(QStringLiteral("postgres"),
                           QStringLiteral("DROP DATABASE IF EXISTS \"%1\" WITH (FORCE)").arg(nome));
    if (erro.isEmpty())
        erro = executa(QStringLiteral("postgres"),
                       QStringLiteral("CREATE DATABASE \"%1\" ENCODING 'UTF8' TEMPLATE template0")
                           .arg(nome));
    QStringList scripts{QStringLiteral("backoffice.sql")};
    scripts += scriptsExtras;
    for (const QString& script : scripts) {
        if (!erro.isEmpty())
            break;
        QFile f(QStringLiteral(VARELO_SOURCE_DIR "/db/") + script);
        if (!f.open(QIODevice::ReadOnly))
            return QStringLiteral("não abriu ") + f.fileName();
        erro = executa(nome, QString::fromUtf8(f.readAll()));
    }
    return erro;
}

QVariant ConsultaTeste(const QString& nome, const QString& sql) {
    QVariant valor;
    executa(nome, sql, &valor);
    return valor;
}

QString ExecutaSqlTeste(const QString& nome, const QString& sql) { return executa(nome, sql); }

void EscreveArquivoIni(const QString& pasta, const QString& nome) {
    const TServidorTeste s = TServidorTeste::DoAmbiente();
    QFile f(pasta + QStringLiteral("/arquivo.ini"));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    f.write(QStringLiteral("[bd]\r\nhost=%1\r\nnome=%2\r\n[dadosbanco]\r\nlogin=%3\r\nsenha=%4\r\n"
                           "porta=%5\r\n")
                .arg(s.Host, nome, s.Usuario, s.Senha)
                .arg(s.Porta)
                .toUtf8());
}
