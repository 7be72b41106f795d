#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <QList>
#include <QMetaType>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <vector>

class TConexao;

// A column of a dataset as the database describes it.
struct TColuna {
    QString Nome;
    QString Tipo;             // the database's name for the type, e.g. "character varying(65)"
    QMetaType TipoQt;         // the type its values carry
    int Tamanho = 0;          // characters, for text columns of limited width; 0 otherwise
    bool Obrigatorio = false; // NOT NULL
    QString Padrao;           // the column's default expression; empty when it has none
    bool DaTabela = false;    // a column of the table that Post and ApplyUpdates write
};

enum class TEstadoDataset { Inativo, Navegando, Inserindo, Editando };

// A query of a data module: a stored statement, an optional condition that replaces the
// statement's own (values always bound, never pasted into the text), and the current row.
// Rows are read forward only, so an open dataset holds one row at a time.
//
// The current row can also be edited and written back to the statement's table (the first
// table after FROM unless SetTabelaAtualizacao names another; the key is its primary key):
// Insert starts a row with the table's defaults evaluated by the server (so a key drawn
// from a sequence is known at once), Edit changes the current row, SetCampo writes a column,
// Post ends the change and Cancel drops it. Without CachedUpdates, Post writes at once; with
// it, the change stays here until ApplyUpdates (one pending change at a time).
class TDataset {
public:
    TDataset(TConexao& conexao, QString sql);

    // Replaces the statement's WHERE condition; ":name" placeholders are bound from parametros.
    void SetCondicao(const QString& condicao, const QVariantMap& parametros = {});
    void RemoveCondicao();
    // Binds one ":name" placeholder of the statement or its condition at the next Open.
    void SetParametro(const QString& nome, const QVariant& valor);

    // Open and Close drop a change that was not posted or applied.
    void Open(); // throws EErro with the database's text
    void Close();
    void Refresh();
    bool Active() const { return FAtivo; }
    bool Eof() const { return !FTemLinha; }
    bool IsEmpty() const { return !FTemLinha && FLinhasLidas == 0; }
    void Next();

    // A column of the current row, by name without regard to case; null when there is no row.
    QVariant FieldByName(const QString& coluna) const;
    QString AsString(const QString& coluna) const { return FieldByName(coluna).toString(); }
    const QSqlRecord& Registro() const { return FRegistro; }

    QString TextoSql() const;

    // Editing. Every operation throws EErro with the reason when it cannot be done.
    bool CachedUpdates = false;
    void SetTabelaAtualizacao(const QString& tabela, const QString& chave = {});
    TEstadoDataset Estado() const;
    void Insert();
    void Edit();
    // Writes a column of the row being edited (a browsed row is put into edit first). The
    // value takes the column's type: an empty text is null in a column that is not text,
    // and text is cut to the column's width.
    void SetCampo(const QString& coluna, const QVariant& valor);
    void Post();
    void ApplyUpdates();
    void Cancel();
    bool AtualizacoesPendentes() const { return FPendente.has_value(); }

    // The columns of the open statement, in its order.
    QList<TColuna> Colunas();
    std::optional<TColuna> Coluna(const QString& nome);

    // Calls `aviso` after every change of the current row: with the column's name when one
    // column was written, with an empty text when the whole row may have changed. The call
    // stays registered while the returned token is kept.
    using TAviso = std::function<void(const QString& coluna)>;
    [[nodiscard]] std::shared_ptr<TAviso> Observa(TAviso aviso);

private:
    enum class TMudanca { Insercao, Alteracao };
    struct TPendente {
        TMudanca Mudanca;
        QSqlRecord Novo;
        QSqlRecord Original; // the row before the first change
        bool TinhaLinha = false;
    };

    void carregaCatalogo();
    void grava(TMudanca mudanca, QSqlRecord& novo, const QSqlRecord& original);
    void avisa(const QString& coluna);
    bool editando() const {
        return FEstado == TEstadoDataset::Inserindo || FEstado == TEstadoDataset::Editando;
    }

    TConexao& FConexao;
    QString FSql;
    QString FCondicao;
    QVariantMap FParametros;
    QSqlQuery FQuery;
    QSqlRecord FRegistro;
    bool FAtivo = false;
    bool FTemLinha = false;
    qint64 FLinhasLidas = 0;

    TEstadoDataset FEstado = TEstadoDataset::Inativo;
    QSqlRecord FAntes; // the row as it was before the change in progress
    bool FTinhaLinha = false;
    std::optional<TPendente> FPendente;
    QString FTabela;
    QString FChave;
    bool FCatalogoCarregado = false;
    QList<TColuna> FCatalogo;               // the table's columns
    std::optional<QList<TColuna>> FColunas; // the statement's columns, once asked for
    std::vector<std::weak_ptr<TAviso>> FAvisos;
    // The last write statement, kept prepared: rows of one table reuse it.
    QString FTextoGravacao;
    QSqlQuery FGravacao;
};

// Runs one statement on the connection with bound values; throws EErro on failure.
QSqlQuery ExecutaSql(TConexao& conexao, const QString& sql, const QVariantMap& parametros = {});
