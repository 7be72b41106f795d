#include "InstanciaUnica.h"

#include <QDir>
#include <QFile>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace importador {

QString TInstanciaUnica::CaminhoTrava(const QString& nome) {
    // The session's runtime folder, read from the environment alone so that every process
    // of the desktop arrives at the same file (Qt's own lookup may create or reject folders).
    QString pasta = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (pasta.isEmpty() || !QDir(pasta).exists())
        pasta = QDir::tempPath();
    return pasta + QLatin1Char('/') + nome;
}

#ifdef Q_OS_WIN
TInstanciaUnica::TInstanciaUnica(const QString& nome) {
    FMutex = CreateMutexW(nullptr, FALSE, reinterpret_cast<LPCWSTR>(nome.utf16()));
    FJaExistia = GetLastError() == ERROR_ALREADY_EXISTS;
}

TInstanciaUnica::~TInstanciaUnica() {
    if (FMutex)
        CloseHandle(FMutex);
}
#else
TInstanciaUnica::TInstanciaUnica(const QString& nome) {
    const QByteArray caminho = QFile::encodeName(CaminhoTrava(nome));
    FArquivo = ::open(caminho.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (FArquivo < 0)
        return; // no lock possible: do not keep the program from starting
    FJaExistia = ::flock(FArquivo, LOCK_EX | LOCK_NB) != 0;
}

TInstanciaUnica::~TInstanciaUnica() {
    if (FArquivo >= 0)
        ::close(FArquivo);
}
#endif

} // namespace importador
