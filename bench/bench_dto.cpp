// The JSON of the service: reading a 500-order list (ten lines each) and writing a 500-client
// batch, each beside plain RapidJSON parsing and writing the same text in the same run.
#include "Dto.Cliente.h"
#include "Dto.Pedido.h"

#include <benchmark/benchmark.h>
#include <rapidjson/document.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

namespace {

const char* const Emitente = "12.345.678/0001-90";

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

std::unique_ptr<TPedido> Pedido(int n) {
    auto p = std::make_unique<TPedido>();
    p->CnpjcpfEmitente = Emitente;
    p->Codvendedor = 3;
    p->Datapedido = EncodeDateTime(QDate(2024, 3, 5));
    p->Horapedido = EncodeDateTime(QDate(2024, 3, 5), QTime(14, 30, 15));
    p->Idapp = n;
    p->IdNuvem = 100000 + n;
    p->Observacao = U("Entregar ap\xC3\xB3s as 14h");
    p->Razaosocialnome = U("Padaria S\xC3\xA3o Jo\xC3\xA3o Ltda");
    p->Status = "A";
    auto c = std::make_unique<TCliente>();
    c->Bairro = "Centro";
    c->Cnpjcpf = "123.456.789-09";
    c->Logradouro = "Rua das Flores";
    c->Nomecidade = U("S\xC3\xA3o Paulo");
    c->Razaosocialnome = p->Razaosocialnome;
    c->ID = n;
    p->setCliente(std::move(c));
    auto fp = std::make_unique<TFormaPagamento>();
    fp->Codformapagamento = 2;
    fp->Descricao = "Boleto 30/60";
    p->setFormaPagamento(std::move(fp));
    for (int i = 0; i < 10; ++i) {
        auto l = std::make_unique<TProdutoPedido>();
        auto produto = std::make_unique<TProduto>();
        produto->Codproduto = 1000 + i;
        produto->Descricao = U("P\xC3\xA3o franc\xC3\xAAs");
        produto->Preco = 12.5 + i;
        produto->Unidademedida = "KG";
        produto->CodigodeBarras.Novo()->Codigobarra = "7891234567895";
        l->setProduto(std::move(produto));
        l->Quantidade = 1.5 + i;
        l->Valorunitario = 12.5 + i;
        l->Valortotal = l->Quantidade * l->Valorunitario;
        p->AddProduto(std::move(l));
    }
    for (int i = 0; i < 2; ++i) {
        auto parcela = std::make_unique<TParcela>();
        parcela->Indice = i;
        parcela->Dataemissao = p->Datapedido;
        parcela->Datavencimento = p->Datapedido + 30 * (i + 1);
        parcela->Valorparcela = p->Valortotalpedido / 2;
        p->AddParcela(std::move(parcela));
    }
    return p;
}

// The order list as the service sends it: a top-level array, keys as they are read.
const QByteArray& TextoPedidos() {
    static const QByteArray texto = [] {
        QByteArray t = "[";
        for (int n = 0; n < 500; ++n) {
            if (n > 0)
                t += ',';
            t += Pedido(n)->AsJsonUtf8();
        }
        t += ']';
        return t.replace("\"codigodeBarras\"", "\"codigodebarras\"");
    }();
    return texto;
}

std::unique_ptr<TListaCliente> Clientes() {
    auto lista = std::make_unique<TListaCliente>();
    for (int n = 0; n < 500; ++n) {
        TCliente* c = lista->Items.Novo();
        c->Acrescimoindividual = 2.5;
        c->Bairro = "Centro";
        c->Celular = "(11) 98888-7777";
        c->Cep = "01001-000";
        c->Cnpjcpf = "123.456.789-09";
        c->CnpjcpfEmitente = Emitente;
        c->Codcidade = 3550308;
        c->Codcliente = n + 1;
        c->Email = "cliente@example.com";
        c->Logradouro = U("Avenida S\xC3\xA3o Jo\xC3\xA3o");
        c->Nomecidade = U("S\xC3\xA3o Paulo");
        c->Numero = QString::number(n);
        c->Razaosocialnome = U("Padaria S\xC3\xA3o Jo\xC3\xA3o Ltda");
        c->Uf = "SP";
        c->Versao = 1234;
    }
    return lista;
}

void LeituraPedidosDTO(benchmark::State& state) {
    const QByteArray& texto = TextoPedidos();
    for (auto _ : state) {
        TListaPedido lista;
        lista.SetAsJsonUtf8(texto);
        benchmark::DoNotOptimize(lista.Items.Count());
    }
    state.SetBytesProcessed(state.iterations() * texto.size());
}

void LeituraPedidosDTODeQString(benchmark::State& state) {
    const QString texto = QString::fromUtf8(TextoPedidos());
    for (auto _ : state) {
        TListaPedido lista;
        lista.SetAsJson(texto);
        benchmark::DoNotOptimize(lista.Items.Count());
    }
    state.SetBytesProcessed(state.iterations() * TextoPedidos().size());
}

void LeituraPedidosRapidJSON(benchmark::State& state) {
    const QByteArray& texto = TextoPedidos();
    for (auto _ : state) {
        rapidjson::Document doc;
        doc.Parse(texto.constData(), static_cast<size_t>(texto.size()));
        benchmark::DoNotOptimize(doc.Size());
    }
    state.SetBytesProcessed(state.iterations() * texto.size());
}

void EscritaClientesDTO(benchmark::State& state) {
    const auto lista = Clientes();
    qsizetype tamanho = 0;
    for (auto _ : state) {
        const QByteArray texto = lista->AsJsonUtf8();
        tamanho = texto.size();
        benchmark::DoNotOptimize(texto.constData());
    }
    state.SetBytesProcessed(state.iterations() * tamanho);
}

void EscritaClientesRapidJSON(benchmark::State& state) {
    const QByteArray texto = Clientes()->AsJsonUtf8();
    rapidjson::Document doc;
    doc.Parse(texto.constData(), static_cast<size_t>(texto.size()));
    for (auto _ : state) {
        rapidjson::StringBuffer saida;
        rapidjson::Writer<rapidjson::StringBuffer> escritor(saida);
        doc.Accept(escritor);
        benchmark::DoNotOptimize(saida.GetString());
    }
    state.SetBytesProcessed(state.iterations() * texto.size());
}

} // namespace

BENCHMARK(LeituraPedidosDTO)->Unit(benchmark::kMillisecond);
BENCHMARK(LeituraPedidosDTODeQString)->Unit(benchmark::kMillisecond);
BENCHMARK(LeituraPedidosRapidJSON)->Unit(benchmark::kMillisecond);
BENCHMARK(EscritaClientesDTO)->Unit(benchmark::kMillisecond);
BENCHMARK(EscritaClientesRapidJSON)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
