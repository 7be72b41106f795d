#include "Dataset.h"

#include "Conexao.h"
#include "Erro.h"

#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>

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

void TDataset::SetParametro(const QString& nome, const QVariant& valor) {
    FParametros.insert(nome, valor);
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
    FEstado = TEstadoDataset::Navegando;
    FLinhasLidas = 0;
    FColunas.reset();
    // The column names are known even when no row comes back (a new row needs them).
    FRegistro = FQuery.record();
    Next();
}

void TDataset::Close() {
    const bool avisar = FAtivo;
    FQuery = QSqlQuery();
    // A reconnection drops the server's prepared statements: none outlives the open dataset.
    FGravacao = QSqlQuery();
    FTextoGravacao.clear();
    FRegistro = QSqlRecord();
    FAntes = QSqlRecord();
    FPendente.reset();
    FAtivo = false;
    FTemLinha = false;
    FLinhasLidas = 0;
    FEstado = TEstadoDataset::Inativo;
    if (avisar)
        avisa({});
}

void TDataset::Refresh() {
    Open();
}

void TDataset::Next() {
    if (editando())
        Post();
    FTemLinha = FAtivo && FQuery.next();
    if (FTemLinha) {
        FRegistro = FQuery.record();
        ++FLinhasLidas;
    } else {
        FRegistro.clearValues();
    }
    avisa({});
}

QVariant TDataset::FieldByName(const QString& coluna) const {
    const int i = FRegistro.indexOf(coluna);
    if (i < 0)
        return {};
    if (!editando() && !FTemLinha && FLinhasLidas == 0)
        return {};
    return FRegistro.value(i);
}

void TDataset::SetTabelaAtualizacao(const QString& tabela, const QString& chave) {
    FTabela = tabela;
    FChave = chave;
    FCatalogoCarregado = false;
    FColunas.reset();
}

TEstadoDataset TDataset::Estado() const {
    return FEstado;
}

void TDataset::carregaCatalogo() {
    if (FCatalogoCarregado)
        return;
    QString tabela = FTabela;
    if (tabela.isEmpty()) {
        static const QRegularExpression from(QStringLiteral("\\bfrom\\s+([A-Za-z_][\\w.]*)"),
                                             QRegularExpression::CaseInsensitiveOption);
        const auto m = from.match(FSql);
        if (m.hasMatch())
            tabela = m.captured(1);
    }
    FCatalogo.clear();
    FCatalogoCarregado = true;
    if (tabela.isEmpty())
        return;
    const QVariantMap p{{QStringLiteral("tabela"), tabela.toLower()}};
    QSqlQuery colunas = ExecutaSql(
        FConexao,
        QStringLiteral(
            "select a.attname, format_type(a.atttypid, a.atttypmod),"
            " case when a.atttypid in (1042, 1043) and a.atttypmod > 4"
            " then a.atttypmod - 4 else 0 end, a.attnotnull, pg_get_expr(d.adbin, d.adrelid)"
            " from pg_attribute a left join pg_attrdef d"
            " on d.adrelid = a.attrelid and d.adnum = a.attnum"
            " where a.attrelid = to_regclass(:tabela) and a.attnum > 0 and not a.attisdropped"
            " order by a.attnum"),
        p);
    QList<TColuna> catalogo;
    while (colunas.next()) {
        TColuna c;
        c.Nome = colunas.value(0).toString();
        c.Tipo = colunas.value(1).toString();
        c.Tamanho = colunas.value(2).toInt();
        c.Obrigatorio = colunas.value(3).toBool();
        c.Padrao = colunas.value(4).toString();
        c.DaTabela = true;
        catalogo.append(c);
    }
    QString chave = FChave;
    if (chave.isEmpty()) {
        QSqlQuery pk = ExecutaSql(
            FConexao,
            QStringLiteral("select a.attname from pg_index i join pg_attribute a"
                           " on a.attrelid = i.indrelid and a.attnum = any(i.indkey)"
                           " where i.indrelid = to_regclass(:tabela) and i.indisprimary"),
            p);
        if (pk.next())
            chave = pk.value(0).toString();
    }
    FTabela = tabela;
    FChave = chave;
    FCatalogo = catalogo;
}

QList<TColuna> TDataset::Colunas() {
    if (!FAtivo)
        throw EErro(QStringLiteral("Dataset fechado"));
    if (FColunas)
        return *FColunas;
    carregaCatalogo();
    QList<TColuna> lista;
    for (int i = 0; i < FRegistro.count(); ++i) {
        const QSqlField campo = FRegistro.field(i);
        TColuna c;
        // A computed column may carry a table column's name ("... as nomecidade"): a column
        // named by an alias is never written back.
        const QRegularExpression apelido(QStringLiteral("\\bas\\s+\"?%1\"?(\\s|,|$)")
                                             .arg(QRegularExpression::escape(campo.name())),
                                         QRegularExpression::CaseInsensitiveOption);
        const bool daTabela = !apelido.match(FSql).hasMatch();
        for (const TColuna& t : std::as_const(FCatalogo))
            if (daTabela && t.Nome.compare(campo.name(), Qt::CaseInsensitive) == 0)
                c = t;
        if (!c.DaTabela) {
            c.Nome = campo.name();
            c.Tipo = QString::fromLatin1(campo.metaType().name());
            c.Tamanho = campo.metaType().id() == QMetaType::QString && campo.length() > 0
                            ? campo.length()
                            : 0;
        }
        c.Nome = campo.name();
        c.TipoQt = campo.metaType();
        lista.append(c);
    }
    FColunas = lista;
    return lista;
}

std::optional<TColuna> TDataset::Coluna(const QString& nome) {
    for (const TColuna& c : Colunas())
        if (c.Nome.compare(nome, Qt::CaseInsensitive) == 0)
            return c;
    return std::nullopt;
}

void TDataset::Insert() {
    if (!FAtivo)
        throw EErro(QStringLiteral("Dataset fechado"));
    if (editando())
        Post();
    if (FPendente)
        throw EErro(QStringLiteral("Há uma alteração pendente: aplique-a ou cancele-a antes"));
    carregaCatalogo();
    FAntes = FRegistro;
    FTinhaLinha = FTemLinha;
    FRegistro.clearValues();

    // The defaults are evaluated by the server now, so the new row knows its key.
    QStringList expressoes;
    QList<int> posicoes;
    for (const TColuna& c : Colunas())
        if (c.DaTabela && !c.Padrao.isEmpty()) {
            expressoes.append(c.Padrao);
            posicoes.append(FRegistro.indexOf(c.Nome));
        }
    if (!expressoes.isEmpty()) {
        QSqlQuery padroes =
            ExecutaSql(FConexao, QStringLiteral("select ") + expressoes.join(QStringLiteral(", ")));
        if (padroes.next())
            for (int i = 0; i < posicoes.size(); ++i)
                FRegistro.setValue(posicoes[i], padroes.value(i));
    }
    FEstado = TEstadoDataset::Inserindo;
    avisa({});
}

void TDataset::Edit() {
    if (editando())
        return;
    if (!FAtivo || (!FTemLinha && !FPendente))
        throw EErro(QStringLiteral("Não há registro para alterar"));
    carregaCatalogo();
    FAntes = FRegistro;
    FTinhaLinha = FTemLinha;
    FEstado = TEstadoDataset::Editando;
    avisa({});
}

void TDataset::SetCampo(const QString& coluna, const QVariant& valor) {
    if (!editando())
        Edit();
    const int i = FRegistro.indexOf(coluna);
    if (i < 0)
        throw EErro(QStringLiteral("Campo não encontrado: ") + coluna);
    const std::optional<TColuna> c = Coluna(coluna);
    const QMetaType tipo = FRegistro.field(i).metaType();
    QVariant v = valor;
    const bool textoVazio = v.metaType().id() == QMetaType::QString && v.toString().isEmpty();
    if (v.isNull() || (textoVazio && tipo.id() != QMetaType::QString)) {
        v = QVariant(tipo);
    } else if (tipo.id() == QMetaType::QString) {
        QString texto = v.toString();
        if (c && c->Tamanho > 0 && texto.size() > c->Tamanho)
            texto.truncate(c->Tamanho);
        v = texto;
    } else if (v.metaType() != tipo) {
        QVariant convertido = v;
        if (!convertido.convert(tipo))
            throw EErro(QStringLiteral("'%1' não é um valor válido para o campo %2")
                            .arg(valor.toString(), coluna));
        v = convertido;
    }
    FRegistro.setValue(i, v);
    avisa(FRegistro.fieldName(i));
}

void TDataset::Post() {
    if (!editando())
        return;
    const TMudanca mudanca =
        FEstado == TEstadoDataset::Inserindo ? TMudanca::Insercao : TMudanca::Alteracao;
    if (CachedUpdates) {
        if (FPendente) {
            FPendente->Novo = FRegistro; // a pending insert stays an insert
        } else {
            FPendente = TPendente{mudanca, FRegistro, FAntes, FTinhaLinha};
        }
    } else {
        grava(mudanca, FRegistro, FAntes);
    }
    FEstado = TEstadoDataset::Navegando;
    FTemLinha = true;
    avisa({});
}

void TDataset::ApplyUpdates() {
    if (editando())
        Post();
    if (!FPendente)
        return;
    TPendente p = *FPendente;
    grava(p.Mudanca, p.Novo, p.Original);
    FPendente.reset();
    FRegistro = p.Novo;
    avisa({});
}

void TDataset::Cancel() {
    if (!editando() && !FPendente)
        return;
    if (FPendente) {
        // Back to the row as it was before the first change that is still pending.
        FRegistro = FPendente->Original;
        FTemLinha = FPendente->TinhaLinha;
        FPendente.reset();
    } else {
        FRegistro = FAntes;
        FTemLinha = FTinhaLinha;
    }
    FEstado = FAtivo ? TEstadoDataset::Navegando : TEstadoDataset::Inativo;
    avisa({});
}

void TDataset::grava(TMudanca mudanca, QSqlRecord& novo, const QSqlRecord& original) {
    carregaCatalogo();
    if (FCatalogo.isEmpty())
        throw EErro(QStringLiteral("Tabela de atualização não encontrada em: ") + FSql);
    QSqlDriver* driver = FConexao.Banco().driver();
    auto nome = [driver](const QString& n) {
        return driver ? driver->escapeIdentifier(n, QSqlDriver::FieldName) : n;
    };
    QStringList colunas;
    QStringList marcadores;
    QVariantMap parametros;
    for (const TColuna& c : Colunas()) {
        if (!c.DaTabela)
            continue;
        const QVariant valor = novo.value(c.Nome);
        if (mudanca == TMudanca::Alteracao) {
            const QVariant antes = original.value(c.Nome);
            if (valor.isNull() == antes.isNull() && (valor.isNull() || valor == antes))
                continue;
        }
        const QString marcador = QStringLiteral("p%1").arg(parametros.size());
        colunas.append(nome(c.Nome));
        marcadores.append(QLatin1Char(':') + marcador);
        parametros.insert(marcador, valor);
    }

    QString sql;
    if (mudanca == TMudanca::Insercao) {
        if (colunas.isEmpty())
            sql = QStringLiteral("insert into %1 default values returning *").arg(FTabela);
        else
            sql = QStringLiteral("insert into %1 (%2) values (%3) returning *")
                      .arg(FTabela, colunas.join(QStringLiteral(", ")),
                           marcadores.join(QStringLiteral(", ")));
    } else {
        if (colunas.isEmpty())
            return;
        if (FChave.isEmpty())
            throw EErro(QStringLiteral("Tabela sem chave primária: ") + FTabela);
        QStringList atribuicoes;
        for (int i = 0; i < colunas.size(); ++i)
            atribuicoes.append(colunas[i] + QStringLiteral(" = ") + marcadores[i]);
        parametros.insert(QStringLiteral("chave"), original.value(FChave));
        sql = QStringLiteral("update %1 set %2 where %3 = :chave returning *")
                  .arg(FTabela, atribuicoes.join(QStringLiteral(", ")), nome(FChave));
    }
    // Rows of one table share their statement: prepared once while the dataset stays open,
    // each further row costs the server one round trip instead of three.
    if (FTextoGravacao != sql) {
        FGravacao = QSqlQuery(FConexao.Banco());
        FTextoGravacao.clear();
        if (!FGravacao.prepare(sql))
            throw EErro(textoErro(FGravacao.lastError()));
        FTextoGravacao = sql;
    }
    QSqlQuery& q = FGravacao;
    for (auto it = parametros.cbegin(); it != parametros.cend(); ++it)
        q.bindValue(QLatin1Char(':') + it.key(), it.value());
    if (!q.exec())
        throw EErro(textoErro(q.lastError()));
    if (!q.next())
        throw EErro(
            QStringLiteral("Registro não encontrado na tabela %1 para gravar").arg(FTabela));
    // The row as the database keeps it: values it filled in or changed are seen at once.
    const QSqlRecord gravado = q.record();
    q.finish();
    for (int i = 0; i < gravado.count(); ++i) {
        const int j = novo.indexOf(gravado.fieldName(i));
        if (j >= 0)
            novo.setValue(j, gravado.value(i));
    }
}

void TDataset::avisa(const QString& coluna) {
    std::vector<std::shared_ptr<TAviso>> vivos;
    for (auto it = FAvisos.begin(); it != FAvisos.end();) {
        if (auto a = it->lock()) {
            vivos.push_back(std::move(a));
            ++it;
        } else {
            it = FAvisos.erase(it);
        }
    }
    for (const auto& a : vivos)
        (*a)(coluna);
}

std::shared_ptr<TDataset::TAviso> TDataset::Observa(TAviso aviso) {
    auto token = std::make_shared<TAviso>(std::move(aviso));
    FAvisos.push_back(token);
    return token;
}

QSqlQuery ExecutaSql(TConexao& conexao, const QString& sql, const QVariantMap& parametros) {
    QSqlQuery query(conexao.Banco());
    preparaEExecuta(query, sql, parametros);
    return query;
}
