#include "Relogio.h"

namespace {
std::function<QDateTime()>& relogioAtual() {
    static std::function<QDateTime()> relogio;
    return relogio;
}
} // namespace

QDateTime Agora() {
    const auto& relogio = relogioAtual();
    return relogio ? relogio() : QDateTime::currentDateTime();
}

void DefineRelogio(std::function<QDateTime()> relogio) { relogioAtual() = std::move(relogio); }
