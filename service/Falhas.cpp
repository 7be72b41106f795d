#include "Falhas.h"

namespace {
struct TNomeTipo {
    const char* Nome;
    TFalha::TTipo Tipo;
};
constexpr TNomeTipo Nomes[] = {
    {"status", TFalha::TTipo::Status}, {"atraso", TFalha::TTipo::Atraso},
    {"fechar", TFalha::TTipo::Fechar}, {"naojson", TFalha::TTipo::NaoJson},
    {"texto", TFalha::TTipo::Texto},
};
} // namespace

std::optional<TFalha::TTipo> TFalha::TipoDoNome(const QString& nome) {
    for (const TNomeTipo& n : Nomes)
        if (nome == QLatin1String(n.Nome))
            return n.Tipo;
    return std::nullopt;
}

QString TFalha::NomeDoTipo(TTipo tipo) {
    for (const TNomeTipo& n : Nomes)
        if (n.Tipo == tipo)
            return QLatin1String(n.Nome);
    return {};
}

void TFalhas::Adiciona(TFalha falha) {
    if (falha.Vezes <= 0)
        return;
    std::lock_guard<std::mutex> trava(FTrava);
    FFila.push_back(std::move(falha));
}

std::optional<TFalha> TFalhas::Proxima(const QString& caminho) {
    std::lock_guard<std::mutex> trava(FTrava);
    for (auto i = FFila.begin(); i != FFila.end(); ++i) {
        if (i->Caminho != caminho && i->Caminho != QLatin1String("*"))
            continue;
        TFalha usada = *i;
        if (--i->Vezes <= 0)
            FFila.erase(i);
        return usada;
    }
    return std::nullopt;
}

void TFalhas::Limpa() {
    std::lock_guard<std::mutex> trava(FTrava);
    FFila.clear();
}

std::deque<TFalha> TFalhas::Pendentes() const {
    std::lock_guard<std::mutex> trava(FTrava);
    return FFila;
}
