#pragma once

#include "IVisaoImportador.h"

#include <QStringList>

// Stands in for the importer's main window: records what the work did to it.
struct TVisaoGravadora : importador::IVisaoImportador {
    QString Razao, Cnpj;
    int Chamadas = 0;
    QStringList Status;
    bool BotaoHabilitado = true;
    bool TimerLigado = false;
    int Avisos = 0;
    int Processamentos = 0;

    void MostraEmitente(const QString& r, const QString& c) override {
        Razao = r;
        Cnpj = c;
        ++Chamadas;
    }
    void DefineStatus(const QString& texto) override { Status << texto; }
    void HabilitaBotao(bool habilitado) override { BotaoHabilitado = habilitado; }
    void LigaTimer(bool ligado) override { TimerLigado = ligado; }
    void ProcessaMensagens() override { ++Processamentos; }
    void MostraAviso() override { ++Avisos; }
};
