#pragma once

// The data transfer objects of the cloud service and their JSON text.
//
//   TPedido pedido;                        // every field zero, empty, false or absent
//   pedido.Codpedidovenda = 12;
//   pedido.setCliente(std::make_unique<TCliente>());   // also copies Codcliente and ID
//   QString corpo = pedido.AsJson();       // the wire text: ASCII, member order fixed
//
//   TListaPedido lista;
//   lista.SetAsJson(resposta);             // EJsonDTO on a conversion error; text that is not
//                                          // JSON at all changes nothing and raises nothing
//   for (TPedido* p : lista.Items) { ... p->Cliente() ... p->Produtos.Count() ... }
//
//   // Generic access, e.g. to copy an object into a table row by column name:
//   for (const TCampo& c : pedido.Descritor().Campos)
//       if (c.Escalar()) row[c.Nome] = c.Le(pedido);
//
// Ownership: a DTO owns its lists with their items and its nested objects (Cliente,
// FormaPagamento, Produto, AliquotaST); all are released with it. Lists never hold null items.
// Everything here is QtCore only.

#include <cstddef>
#include <exception>
#include <iterator>
#include <memory>
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <utility>
#include <vector>

// The conversion error of the JSON reader (and of the writer for a date that has no text).
class EJsonDTO : public std::exception {
public:
    explicit EJsonDTO(QString mensagem)
        : FMensagem(std::move(mensagem)), FUtf8(FMensagem.toUtf8()) {}
    const QString& Mensagem() const noexcept { return FMensagem; }
    const char* what() const noexcept override { return FUtf8.constData(); }

private:
    QString FMensagem;
    QByteArray FUtf8;
};

// Local date-time: days since 30 December 1899 00:00, the fraction being the time of day.
using TDateTime = double;

class TDescritor;

// Root of every DTO: reachable through its descriptor table.
class TObjetoDTO {
public:
    TObjetoDTO() = default;
    TObjetoDTO(const TObjetoDTO&) = delete;
    TObjetoDTO& operator=(const TObjetoDTO&) = delete;
    virtual ~TObjetoDTO() = default;
    virtual const TDescritor& Descritor() const = 0;
};

// An owning list of DTO items, untyped; TLista<T> is the typed face that program code uses.
class TListaBase {
public:
    int Count() const { return static_cast<int>(FItens.size()); }
    bool isEmpty() const { return FItens.empty(); }
    TObjetoDTO* ItemBase(int i) const { return FItens.at(static_cast<std::size_t>(i)).get(); }
    void Clear() { FItens.clear(); }
    void Delete(int i) { FItens.erase(FItens.begin() + Indice(i)); }
    // Replaces the whole content (the reader builds a new list before it takes its place).
    void Substitui(std::vector<std::unique_ptr<TObjetoDTO>>&& itens) { FItens = std::move(itens); }

protected:
    std::ptrdiff_t Indice(int i) const {
        (void)FItens.at(static_cast<std::size_t>(i)); // std::out_of_range when outside
        return i;
    }
    std::vector<std::unique_ptr<TObjetoDTO>> FItens;
};

template <class T> class TLista : public TListaBase {
public:
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T*;
        using difference_type = std::ptrdiff_t;
        using pointer = T* const*;
        using reference = T*;
        const_iterator() = default;
        explicit const_iterator(std::vector<std::unique_ptr<TObjetoDTO>>::const_iterator i)
            : FI(i) {}
        T* operator*() const { return static_cast<T*>(FI->get()); }
        const_iterator& operator++() {
            ++FI;
            return *this;
        }
        const_iterator operator++(int) {
            auto c = *this;
            ++FI;
            return c;
        }
        bool operator==(const const_iterator& o) const { return FI == o.FI; }

    private:
        std::vector<std::unique_ptr<TObjetoDTO>>::const_iterator FI;
    };

    const_iterator begin() const { return const_iterator(FItens.cbegin()); }
    const_iterator end() const { return const_iterator(FItens.cend()); }

    // Items(i) and [i] throw std::out_of_range outside 0..Count()-1.
    T* Items(int i) const { return static_cast<T*>(ItemBase(i)); }
    T* operator[](int i) const { return Items(i); }
    T* First() const { return Items(0); }
    T* Last() const { return Items(Count() - 1); }

    // Takes ownership; a null item is not added. Returns the item.
    T* Add(std::unique_ptr<T> item) {
        T* p = item.get();
        if (p)
            FItens.push_back(std::move(item));
        return p;
    }
    // A new empty item at the end.
    T* Novo() { return Add(std::make_unique<T>()); }

    int IndexOf(const T* item) const {
        for (std::size_t i = 0; i < FItens.size(); ++i)
            if (FItens[i].get() == item)
                return static_cast<int>(i);
        return -1;
    }
    // Frees the first occurrence; false when the item is not in the list.
    bool Remove(const T* item) {
        int i = IndexOf(item);
        if (i < 0)
            return false;
        Delete(i);
        return true;
    }
    // Puts `item` at position i and frees the one that was there.
    void Replace(int i, std::unique_ptr<T> item) { FItens.at(Indice(i)) = std::move(item); }
};

enum class TTipoCampo {
    Inteiro,  // qint32
    Real,     // double
    Booleano, // bool
    Texto,    // QString
    DataHora, // TDateTime
    Objeto,   // nested DTO owned through std::unique_ptr, may be absent
    Lista,    // TLista<item>
};

// One field of a DTO class, in declaration order (the order of the written members).
struct TCampo {
    QString Nome;            // the property as the class names it: "Codpedidovenda", "ID"
    QByteArray Chave;        // JSON key mark, matched exactly when read; empty when none
    QByteArray ChaveEscrita; // the key written: Chave, or Nome with its first letter lowered
    QByteArray Prefixo;      // "key": as the writer puts it before the value
    TTipoCampo Tipo = TTipoCampo::Inteiro;
    bool SuprimeZero = false; // DataHora written as "" when zero and read from ""

    // Accessors, set by type (the member pointers address members of the class itself).
    qint32 TObjetoDTO::*MembroInteiro = nullptr;
    double TObjetoDTO::*MembroReal = nullptr; // Real and DataHora
    bool TObjetoDTO::*MembroBooleano = nullptr;
    QString TObjetoDTO::*MembroTexto = nullptr;
    TObjetoDTO* (*LeObjeto)(const TObjetoDTO&) = nullptr;
    // Stores a nested object without the effects of the class's setter (as the reader does).
    void (*GravaObjeto)(TObjetoDTO&, std::unique_ptr<TObjetoDTO>) = nullptr;
    TListaBase& (*LeLista)(TObjetoDTO&) = nullptr;
    const TDescritor& (*Filho)() = nullptr; // item or nested class (Objeto, Lista)

    bool Escalar() const { return Tipo != TTipoCampo::Objeto && Tipo != TTipoCampo::Lista; }
    // Scalars as QVariant: int, double, bool, QString, and QDateTime for DataHora (its
    // date and time as stored, no zone conversion). Objects and lists give an invalid QVariant.
    QVariant Le(const TObjetoDTO& objeto) const;
    // Sets a scalar from a QVariant (a null QVariant gives zero, empty or false). False, with
    // nothing changed, when the value does not convert or the field is no scalar.
    bool Grava(TObjetoDTO& objeto, const QVariant& valor) const;
};

class TDescritor {
public:
    const char* Classe = "";
    std::vector<TCampo> Campos;
    bool TemOpcoes = false; // TJsonDTO classes carry the (never written) options member
    std::unique_ptr<TObjetoDTO> (*Cria)() = nullptr;

    // By property name, without regard to ASCII case; nullptr when none.
    const TCampo* Campo(QStringView nome) const;
};

// Builds a descriptor table in declaration order; used by each class's DescritorClasse().
template <class C> class TConstrutorDescritor {
public:
    TConstrutorDescritor(const char* classe, bool opcoes) {
        FD.Classe = classe;
        FD.TemOpcoes = opcoes;
        FD.Cria = []() -> std::unique_ptr<TObjetoDTO> { return std::make_unique<C>(); };
    }
    TConstrutorDescritor& Inteiro(const char* nome, qint32 C::*m, const char* chave) {
        TCampo& c = Novo(nome, chave, TTipoCampo::Inteiro);
        c.MembroInteiro = static_cast<qint32 TObjetoDTO::*>(m);
        return *this;
    }
    TConstrutorDescritor& Real(const char* nome, double C::*m, const char* chave) {
        TCampo& c = Novo(nome, chave, TTipoCampo::Real);
        c.MembroReal = static_cast<double TObjetoDTO::*>(m);
        return *this;
    }
    TConstrutorDescritor& Booleano(const char* nome, bool C::*m, const char* chave) {
        TCampo& c = Novo(nome, chave, TTipoCampo::Booleano);
        c.MembroBooleano = static_cast<bool TObjetoDTO::*>(m);
        return *this;
    }
    TConstrutorDescritor& Texto(const char* nome, QString C::*m, const char* chave) {
        TCampo& c = Novo(nome, chave, TTipoCampo::Texto);
        c.MembroTexto = static_cast<QString TObjetoDTO::*>(m);
        return *this;
    }
    TConstrutorDescritor& DataHora(const char* nome, TDateTime C::*m, const char* chave,
                                   bool suprimeZero) {
        TCampo& c = Novo(nome, chave, TTipoCampo::DataHora);
        c.MembroReal = static_cast<double TObjetoDTO::*>(m);
        c.SuprimeZero = suprimeZero;
        return *this;
    }
    // A nested object held in `M`; chave may be nullptr (found in any letter case when read).
    template <class I, std::unique_ptr<I> C::*M>
    TConstrutorDescritor& Objeto(const char* nome, const char* chave) {
        TCampo& c = Novo(nome, chave, TTipoCampo::Objeto);
        c.LeObjeto = [](const TObjetoDTO& o) -> TObjetoDTO* {
            return (static_cast<const C&>(o).*M).get();
        };
        c.GravaObjeto = [](TObjetoDTO& o, std::unique_ptr<TObjetoDTO> v) {
            (static_cast<C&>(o).*M).reset(static_cast<I*>(v.release()));
        };
        c.Filho = &I::DescritorClasse;
        return *this;
    }
    // A list: written under the key derived from its name, read from `chaveArray` exactly.
    template <class I, TLista<I> C::*M>
    TConstrutorDescritor& Lista(const char* nome, const char* chaveArray) {
        TCampo& c = Novo(nome, nullptr, TTipoCampo::Lista);
        c.Chave = chaveArray;
        c.LeLista = [](TObjetoDTO& o) -> TListaBase& { return static_cast<C&>(o).*M; };
        c.Filho = &I::DescritorClasse;
        return *this;
    }
    TDescritor Fim() { return std::move(FD); }

private:
    TCampo& Novo(const char* nome, const char* chave, TTipoCampo tipo) {
        TCampo c;
        c.Nome = QString::fromLatin1(nome);
        c.Tipo = tipo;
        if (chave) {
            c.Chave = chave;
            c.ChaveEscrita = chave;
        } else {
            // The member name without its "F", first letter lowered: "aliquotaST".
            c.ChaveEscrita = nome;
            if (c.ChaveEscrita[0] >= 'A' && c.ChaveEscrita[0] <= 'Z')
                c.ChaveEscrita[0] = static_cast<char>(c.ChaveEscrita[0] - 'A' + 'a');
        }
        c.Prefixo = '"' + c.ChaveEscrita + "\":";
        FD.Campos.push_back(std::move(c));
        return FD.Campos.back();
    }
    TDescritor FD;
};

// Writes the JSON text of any DTO (item classes included) by its descriptor.
QByteArray EscreveJsonDTO(const TObjetoDTO& objeto);
// Fills any DTO from JSON text by the reading rules (see TJsonDTO::SetAsJson).
void LeJsonDTO(TObjetoDTO& objeto, const QByteArray& utf8);

// Kept for the names the service's code base uses; it adds nothing.
class TArrayMapper : public TObjetoDTO {};

// Base of every top-level DTO.
class TJsonDTO : public TArrayMapper {
public:
    // The wire text: members in declaration order, no blanks, plain ASCII.
    QString AsJson() const { return QString::fromLatin1(AsJsonUtf8()); }
    QByteArray AsJsonUtf8() const { return EscreveJsonDTO(*this); }
    // Fills the object from JSON text, members in document order:
    //  - text that is not JSON (or nests deeper than 512 levels) changes nothing, no error;
    //  - null changes nothing; a string, number or boolean raises EJsonDTO
    //    "The input value is not a valid Object"; a top-level array fills the "Items" list;
    //  - keys with a JSON key match exactly; nested objects and lists also by their name in any
    //    ASCII case (a list found that way is read and dropped);
    //  - a failure inside a nested object is swallowed (the field keeps its value); any other
    //    conversion error raises EJsonDTO, the members read before it keeping their values;
    //  - numbers keep their written text: an Integer field given 12.5 gets 0, a text field given
    //    1.50 gets "1.50"; true/false into Integer or Double gives 1/0, into text "true"/"false";
    //    a number or string into a Boolean is true when it is "true" (any case) or a non-zero
    //    number; null elements of arrays are left out.
    void SetAsJson(const QString& texto) { LeJsonDTO(*this, texto.toUtf8()); }
    // The same from UTF-8 bytes; invalid UTF-8 counts as text that is not JSON.
    void SetAsJsonUtf8(const QByteArray& utf8) { LeJsonDTO(*this, utf8); }
    QString ToString() const { return AsJson(); }
    // The same JSON laid out over indented lines joined by CR LF; "" for text that is not JSON.
    static QString PrettyPrintJSON(const QString& texto);
};

// The two shapes of list wrappers.
template <class T> class TListaPaginada : public TJsonDTO {
public:
    TLista<T> Items;
    TLista<T> Data;
    qint32 CurrentPage = 0;
    qint32 LastPage = 0;
    qint32 Total = 0;

    const TDescritor& Descritor() const override { return DescritorClasse(); }
    static const TDescritor& DescritorClasse() {
        using C = TListaPaginada<T>;
        static const TDescritor d = TConstrutorDescritor<C>("TListaPaginada", true)
                                        .template Lista<T, &C::Items>("Items", "Items")
                                        .template Lista<T, &C::Data>("Data", "data")
                                        .Inteiro("CurrentPage", &C::CurrentPage, "current_page")
                                        .Inteiro("LastPage", &C::LastPage, "last_page")
                                        .Inteiro("Total", &C::Total, "total")
                                        .Fim();
        return d;
    }
};

template <class T> class TListaSimples : public TJsonDTO {
public:
    TLista<T> Items;

    const TDescritor& Descritor() const override { return DescritorClasse(); }
    static const TDescritor& DescritorClasse() {
        using C = TListaSimples<T>;
        static const TDescritor d = TConstrutorDescritor<C>("TListaSimples", true)
                                        .template Lista<T, &C::Items>("Items", "Items")
                                        .Fim();
        return d;
    }
};

// Date-time helpers. Values are taken as they read, without any time-zone conversion.
TDateTime EncodeDateTime(const QDate& data, const QTime& hora = QTime(0, 0));
TDateTime DataHoraParaTDateTime(const QDateTime& valor); // invalid QDateTime gives 0
QDateTime TDateTimeParaDataHora(TDateTime valor, Qt::TimeSpec zona = Qt::LocalTime);
// Splits into date and time of day (milliseconds rounded); false when outside years 1..9999.
bool DecodeDateTime(TDateTime valor, QDate& data, QTime& hora);
// "%.4d-%.2d-%.2dT%.2d:%.2d:%.2d.%.3dZ"; EJsonDTO when outside years 1..9999.
QByteArray TextoDataHora(TDateTime valor);
// The ISO 8601 forms the service sends; a zone offset converts to UTC. EJsonDTO with
// "Invalid date string: %s", "Invalid time string: %s" or "Invalid time Offset string: %s".
TDateTime LeDataHoraISO8601(const QString& texto);
// A Double as the wire writes it: up to 15 significant digits, capital E for exponents.
QByteArray TextoReal(double valor);
