#pragma once

#include "BancoTeste.h"
#include "Erro.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>

// The baseline of the benchmarks: psql on the test cluster (VARELO_PG*) running `sql` in one
// session, output thrown away; seconds. `extras` are more psql arguments (e.g. "-v", "x=1").
inline double SegundosPsql(const QString& banco, const QByteArray& sql,
                           const QStringList& extras = {}) {
    const TServidorTeste s = TServidorTeste::DoAmbiente();
    QProcess psql;
    QProcessEnvironment amb = QProcessEnvironment::systemEnvironment();
    amb.insert(QStringLiteral("PGPASSWORD"), s.Senha);
    psql.setProcessEnvironment(amb);
    psql.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer relogio;
    relogio.start();
    psql.start(QStringLiteral("psql"),
               QStringList{QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-h"), s.Host,
                           QStringLiteral("-p"), QString::number(s.Porta), QStringLiteral("-U"),
                           s.Usuario, QStringLiteral("-d"), banco} +
                   extras);
    psql.waitForStarted();
    psql.write(sql);
    psql.closeWriteChannel();
    psql.waitForFinished(-1);
    if (psql.exitCode() != 0)
        throw EErro(QStringLiteral("psql falhou: ") +
                    QString::fromUtf8(psql.readAllStandardError()));
    return relogio.elapsed() / 1000.0;
}
