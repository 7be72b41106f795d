#include "Dataset.h"

#include "Conexao.h"
#include "Erro.h"

#include <QRegularExpression>
#include <QSqlError>

namespace {
QString textoErro(const QSqlError& erro) {
    const QString banco = erro.databaseText().trimmed();
    return banco.isEmpty() ? erro.text() : banco;
}

// The statement without its own WHERE condition (a trailing "where ..." at the top level).
QString semCondicao(const QString& sql) {
    static const QRegularExpression where(QStringLiteral("\\bwhere\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    int ultima = -1;
    int nivel = 0;
    for (int i = 0; i < sql.size(); ++i) {
        if (sql[i] == QLatin1Char('('))
            ++nivel;
        else if (sql[i] == QLatin1Char(')'))
            --nivel;
        else if (nivel == 0) {
            const auto m = where.match(sql, i, QRegularExpression::NormalMatch,
                                       QRegularExpression::AnchorAtOffsetMatchOption);
            if (m.hasMatch())
                ultima = i;
        }
    }
    return ultima < 0 ? sql : sql.left(ultima).trimmed();
}

void preparaEExecuta(QSqlQuery& query, const QString& sql, const QVariantMap& parametros) {
    query.setForwardOnly(true);
    if (parametros.isEmpty()) {
        if (!query.exec(sql))
            throw EErro(textoErro(query.lastError()));
        return;
    }
    if (!query.prepare(sql))
        throw EErro(textoErro(query.lastError()));
    for (auto it = parametros.cbegin(); it != parametros.cend(); ++it)
        query.bindValue(QLatin1Char(':') + it.key(), it.value());
    if (!query.exec())
        throw EErro(textoErro(query.lastError()));
}
} // namespace

TDataset::TDataset(TConexao& conexao, QString sql) : FConexao(conexao), FSql(std::move(sql)) {}

void TDataset::SetCondicao(const QString& condicao, const QVariantMap& parametros) {
    FCondicao = condicao;
    FParametros = parametros;
}

void TDataset::RemoveCondicao() {
    FCondicao = QStringLiteral("");
    FParametros.clear();
    FSql = semCondicao(FSql);
}

QString TDataset::TextoSql() const {
    if (FCondicao.isEmpty())
        return FSql;
    return semCondicao(FSql) + QStringLiteral(" where ") + FCondicao;
}

void TDataset::Open() {
    Close();
    FQuery = QSqlQuery(FConexao.Banco());
    preparaEExecuta(FQuery, TextoSql(), FParametros);
    FAtivo = true;
    FLinhasLidas = 0;
    Next();
}

void TDataset::Close() {
    FQuery = QSqlQuery();
    FRegistro = QSqlRecord();
    FAtivo = false;
    FTemLinha = false;
    FLinhasLidas = 0;
}

void TDataset::Refresh() { Open(); }

void TDataset::Next() {
    FTemLinha = FAtivo && FQuery.next();
    if (FTemLinha) {
        FRegistro = FQuery.record();
        ++FLinhasLidas;
    } else {
        FRegistro.clearValues();
    }
}

QVariant TDataset::FieldByName(const QString& coluna) const {
    const int i = FRegistro.indexOf(coluna);
    if (i < 0 || (!FTemLinha && FLinhasLidas == 0))
        return {};
    return FRegistro.value(i);
}

QSqlQuery ExecutaSql(TConexao& conexao, const QString& sql, const QVariantMap& parametros) {
    QSqlQuery query(conexao.Banco());
    preparaEExecuta(query, sql, parametros);
    return query;
}
