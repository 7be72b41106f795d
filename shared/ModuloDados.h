#pragma once

#include "uFuncoesUteis.h"

#include <QCoreApplication>
#include <exception>
#include <memory>

// Creates a program's data module once. A failure is logged and shown ("CriaDM") and leaves
// the module absent, so the connection step that follows fails on its own path. The module is
// released before the SQL drivers go, at the application's end.
template <class T> void CriaModuloDados(std::unique_ptr<T>& modulo, void (*libera)()) {
    if (modulo)
        return;
    try {
        modulo = std::make_unique<T>();
        qAddPostRoutine(libera);
    } catch (const std::exception& e) {
        GravaLogErro(QString(), QString(), QStringLiteral("CriaDM"), QString::fromUtf8(e.what()),
                     true);
    }
}
