#include "ApresentadorGravador.h"

bool TApresentadorGravador::ExibeMensagem(const QString& Texto, TTipoAlerta Tipo,
                                          const QString&, const QString&) {
    Alertas.append({Texto, Tipo});
    return Respostas.isEmpty() ? false : Respostas.takeFirst();
}

void TApresentadorGravador::ExibeCarregando(bool Fechar) {
    Carregando.append(Fechar ? QStringLiteral("fecha") : QStringLiteral("abre"));
    CarregandoVisivel = !Fechar;
}

void TApresentadorGravador::AtualizaCarregando(const QString& Texto) {
    if (CarregandoVisivel && !Texto.isEmpty())
        Carregando.append(Texto);
}

QStringList TApresentadorGravador::Textos() const {
    QStringList t;
    for (const auto& a : Alertas)
        t.append(a.Texto);
    return t;
}

void TApresentadorGravador::Limpa() {
    Alertas.clear();
    Carregando.clear();
}
