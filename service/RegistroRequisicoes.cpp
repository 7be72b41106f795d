#include "RegistroRequisicoes.h"

qint64 TRegistroRequisicoes::Adiciona(TRequisicao requisicao) {
    std::lock_guard<std::mutex> trava(FTrava);
    requisicao.Numero = ++FUltimo;
    FBytes += requisicao.Corpo.size();
    FEntradas.push_back(std::move(requisicao));
    while (FEntradas.size() > 1 && (FEntradas.size() > FMaxEntradas || FBytes > FMaxBytes)) {
        FBytes -= FEntradas.front().Corpo.size();
        FEntradas.pop_front();
    }
    return FUltimo;
}

std::vector<TRequisicao> TRegistroRequisicoes::Desde(qint64 desde, const QString& caminho) const {
    std::lock_guard<std::mutex> trava(FTrava);
    std::vector<TRequisicao> lista;
    for (const TRequisicao& r : FEntradas)
        if (r.Numero > desde && (caminho.isEmpty() || r.Caminho == caminho))
            lista.push_back(r);
    return lista;
}

void TRegistroRequisicoes::Limpa() {
    std::lock_guard<std::mutex> trava(FTrava);
    FEntradas.clear();
    FBytes = 0;
}
