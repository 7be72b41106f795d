#pragma once

#include <QString>

namespace importador {

// Keeps a second importer from running on the same desktop. On Windows a named mutex; elsewhere
// an exclusive lock on a file in the runtime folder, which the system releases when the
// process dies, so a crash never leaves a stale lock behind.
class TInstanciaUnica {
public:
    explicit TInstanciaUnica(const QString& nome = QStringLiteral("VareloImportadorAPI"));
    ~TInstanciaUnica();
    TInstanciaUnica(const TInstanciaUnica&) = delete;
    TInstanciaUnica& operator=(const TInstanciaUnica&) = delete;

    // True when another process already held the name when this object was made.
    bool JaExistia() const { return FJaExistia; }

    static QString CaminhoTrava(const QString& nome);

private:
    bool FJaExistia = false;
#ifdef Q_OS_WIN
    void* FMutex = nullptr;
#else
    int FArquivo = -1;
#endif
};

} // namespace importador
