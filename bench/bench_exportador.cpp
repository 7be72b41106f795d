// The exporter's run measured against the real database and the reference service.
//
//   bench_exportador            full export of 100,000 clients, 50,000 products and 200,000
//                               order-history lines, beside psql running the same change-log
//                               queries; then the peak memory at 2,000 and at 200,000 clients
//                               (each in a process of its own); then the pictures
//   bench_exportador memoria N  one export of N clients; prints the peak memory in kB
//   bench_exportador imagens    200 photographs of 2000 x 1500 shrunk and encoded, beside
//                               ImageMagick's convert -resize 420x420 on the same files
//
// Needs the VARELO_PG* variables of a PostgreSQL cluster (scripts/pg-dev writes them).
#include "BancoTeste.h"
#include "cFuncoesImagens.h"
#include "Erro.h"
#include "IVisaoExportador.h"
#include "Psql.h"
#include "ServicoTeste.h"
#include "uDM1.h"
#include "uFuncoesExportador.h"
#include "uFuncoesUteis.h"

#include <cstdio>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

using namespace exportador;

namespace {
class TVisaoMuda : public IVisaoExportador {
public:
    void MostraEmitente(const QString&, const QString&) override {}
    void MostraProgresso(const QString&, const QString&, int, int, bool) override {}
    void ProcessaMensagens() override {}
};

class TApresentadorMudo : public IApresentador {
public:
    bool ExibeMensagem(const QString& t, TTipoAlerta, const QString&, const QString&) override {
        std::fprintf(stderr, "alerta: %s\n", qPrintable(t));
        return false;
    }
    void ExibeCarregando(bool) override {}
    void AtualizaCarregando(const QString&) override {}
};

// The process's own high-water mark of resident memory (VmHWM): unlike getrusage, it starts
// afresh at exec, so a child process does not report its parent's peak.
long picoKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& linha : status.readAll().split('\n'))
        if (linha.startsWith("VmHWM:"))
            return linha.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

bool sql(const QString& banco, const QString& texto) {
    const QString erro = ExecutaSqlTeste(banco, texto);
    if (!erro.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(erro));
    return erro.isEmpty();
}

void conecta(TDM1& dm, const QString& banco) {
    const TServidorTeste s = TServidorTeste::DoAmbiente();
    dm.ZConnection1.Server = s.Host;
    dm.ZConnection1.Port = s.Porta;
    dm.ZConnection1.User = s.Usuario;
    dm.ZConnection1.Password = s.Senha;
    dm.ZConnection1.Database = banco;
    dm.ZConnection1.Connect();
}

bool preparaBanco(const QString& banco, int clientes, int produtos, int pedidos) {
    if (const QString erro = CriaBancoTeste(banco); !erro.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(erro));
        return false;
    }
    return sql(banco,
               QStringLiteral(
                   "insert into emitente (razaosocial, cnpjcpf) values ('Bench', "
                   "'11.222.333/0001-81');"
                   "insert into cidade (nomecidade, uf) values ('Lages', 'SC');"
                   "insert into cliente (razaosocialnome, nomefantasia, cnpjcpf, logradouro, "
                   "bairro, telefone, email, codcidade) select 'Cliente ' || g, 'Fantasia ' || g, "
                   "lpad(g::text, 11, '0'), 'Rua das Flores', 'Centro', '4933221100', "
                   "'cliente' || g || '@exemplo.com.br', 1 from generate_series(1, %1) g;"
                   "insert into produto (descricao, aplicacao, preco, ncm, quantidade) select "
                   "'Produto ' || g, 'Uso geral', g % 100 + 0.5, '12345678', g % 7 from "
                   "generate_series(1, %2) g;"
                   "insert into pedidovenda (codcliente, valortotalprodutos, valortotalpedido) "
                   "select 1 + g % greatest(%1, 1), 100, 100 from generate_series(1, %3) g;"
                   "insert into produtopedidovenda (codpedidovenda, codproduto, quantidade, "
                   "valorunitario) select p, 1 + (p * 10 + l) % greatest(%2, 1), l, 10 from "
                   "generate_series(1, %3) p, generate_series(1, 10) l;"
                   "analyze")
                   .arg(clientes)
                   .arg(produtos)
                   .arg(pedidos));
}

// psql running a query with "versao" -1, output thrown away; seconds.
double tempoPsql(const QString& banco, const QString& consulta) {
    return SegundosPsql(banco, consulta.toUtf8() + ";\n",
                        {QStringLiteral("-v"), QStringLiteral("versao=-1")});
}

int exportaClientes(int clientes) {
    const QString banco = QStringLiteral("bench_exportador_memoria");
    if (!preparaBanco(banco, clientes, 0, 0))
        return 1;
    TServicoTeste servico(false, QStringLiteral("bench_exportador_memoria_servico"));
    if (const QString erro = servico.Inicia(); !erro.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(erro));
        return 1;
    }
    TDM1 dm;
    conecta(dm, banco);
    TVisaoMuda visao;
    TExportador exp(dm, visao, servico.Cliente(), QString());
    dm.QVersao.Open();
    exp.CarregaDadosEmitente();
    exp.CarregaVersoes();
    const long antes = picoKb();
    exp.ExportaCliente();
    std::printf("%ld %ld\n", antes, picoKb());
    return 0;
}

int completo() {
    const QString banco = QStringLiteral("bench_exportador");
    const int clientes = 100000, produtos = 50000, pedidos = 20000;
    std::printf("preparando %d clientes, %d produtos, %d linhas de pedido...\n", clientes, produtos,
                pedidos * 10);
    std::fflush(stdout);
    if (!preparaBanco(banco, clientes, produtos, pedidos))
        return 1;
    TServicoTeste servico(false, QStringLiteral("bench_exportador_servico"));
    if (const QString erro = servico.Inicia(); !erro.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(erro));
        return 1;
    }
    TDM1 dm;
    conecta(dm, banco);
    TVisaoMuda visao;
    TExportador exp(dm, visao, servico.Cliente(), QString());
    QElapsedTimer relogio;
    relogio.start();
    dm.QVersao.Open();
    exp.CarregaDadosEmitente();
    exp.CarregaVersoes();
    struct TPasso {
        const char* Nome;
        void (TExportador::*Procedimento)();
        TDataset* Consulta;
        int Linhas;
    } passos[] = {
        {"clientes", &TExportador::ExportaCliente, &dm.QCliente, clientes},
        {"produtos", &TExportador::ExportaProduto, &dm.QProduto, produtos},
        {"historico", &TExportador::ExportaHistoricoPedido, &dm.QHistoricoPedido, pedidos * 10}};
    double psqlTotal = 0;
    for (const TPasso& p : passos) {
        QElapsedTimer t;
        t.start();
        (exp.*p.Procedimento)();
        const double s = t.elapsed() / 1000.0;
        const double baseline = tempoPsql(banco, p.Consulta->TextoSql());
        psqlTotal += baseline;
        std::printf("%-10s %7d registros  %6.2f s  %8.0f registros/s   psql %5.2f s\n", p.Nome,
                    p.Linhas, s, p.Linhas / s, baseline);
    }
    exp.ExportaVersoes();
    const double total = relogio.elapsed() / 1000.0;
    std::printf("exportação completa %.2f s, psql nas mesmas consultas %.2f s: %.1fx; pico de "
                "memória %ld kB\n",
                total, psqlTotal, total / psqlTotal, picoKb());

    // Peak memory at 2,000 and at 200,000 rows, each export in a process of its own.
    long pico[2] = {0, 0};
    const int tamanhos[2] = {2000, 200000};
    for (int i = 0; i < 2; ++i) {
        QProcess filho;
        filho.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("memoria"), QString::number(tamanhos[i])});
        filho.waitForFinished(-1);
        const QList<QByteArray> v = filho.readAllStandardOutput().trimmed().split(' ');
        pico[i] = v.value(1).toLong();
        std::printf("%6d clientes: pico de memória %ld kB (antes da exportação %ld kB)\n",
                    tamanhos[i], pico[i], v.value(0).toLong());
    }
    if (pico[0] > 0)
        std::printf("razão 200.000 / 2.000: %.3f\n", double(pico[1]) / double(pico[0]));
    return 0;
}

int imagens() {
    QTemporaryDir pasta;
    const int quantas = 200;
    QImage base(2000, 1500, QImage::Format_RGB32);
    {
        QPainter p(&base);
        QLinearGradient g(0, 0, 2000, 1500);
        g.setColorAt(0, Qt::darkGreen);
        g.setColorAt(1, Qt::white);
        p.fillRect(base.rect(), g);
        for (int i = 0; i < 60; ++i) {
            p.setBrush(QColor::fromHsv((i * 37) % 360, 200, 220));
            p.drawEllipse(QPoint((i * 211) % 2000, (i * 137) % 1500), 40 + i * 3, 30 + i * 2);
        }
    }
    QStringList arquivos;
    for (int i = 0; i < quantas; ++i) {
        const QString nome = pasta.filePath(QStringLiteral("foto%1.jpg").arg(i));
        QImage img = base;
        img.setPixel(i, i, qRgb(i, 0, 0));
        img.save(nome, "JPEG", 90);
        arquivos << nome;
    }
    QElapsedTimer t;
    t.start();
    qint64 bytes = 0;
    for (const QString& a : arquivos)
        bytes += QByteArray::fromBase64(ImagemParaBase64(a).toLatin1()).size();
    const double nosso = t.elapsed() / 1000.0;
    t.restart();
    qint64 bytesConvert = 0;
    for (int i = 0; i < quantas; ++i) {
        const QString saida = pasta.filePath(QStringLiteral("saida%1.jpg").arg(i));
        QProcess::execute(QStringLiteral("convert"), {arquivos[i], QStringLiteral("-resize"),
                                                      QStringLiteral("420x420"), saida});
        bytesConvert += QFileInfo(saida).size();
    }
    const double convert = t.elapsed() / 1000.0;
    std::printf("%d fotos 2000x1500: %.2f s (%.1f ms cada), %lld bytes em média; convert "
                "-resize 420x420: %.2f s, %lld bytes em média; %.1fx mais rápido\n",
                quantas, nosso, nosso * 1000 / quantas, bytes / quantas, convert,
                bytesConvert / quantas, convert / nosso);
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    TApresentadorMudo mudo;
    InstalaApresentador(&mudo);
    const QStringList args = app.arguments();
    try {
        if (args.value(1) == QLatin1String("memoria"))
            return exportaClientes(args.value(2).toInt());
        if (args.value(1) == QLatin1String("imagens"))
            return imagens();
        const int r = completo();
        return r ? r : imagens();
    } catch (const EErro& e) {
        std::fprintf(stderr, "erro: %s\n", qPrintable(e.Mensagem()));
        return 1;
    }
}
