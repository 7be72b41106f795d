#pragma once

#include <QString>
#include <QtGlobal>

// Kinds of the modal alert, in the order they are stored.
enum class TTipoAlerta : quint8 {
    TAConfirmaCancela = 0,
    TASimNao = 1,
    TAPressioneESC = 2,
    TANaoSim = 3,
    TAPersonalizado = 4,
};

// How the alert and loading operations reach the screen. The program installs the real
// windows at start; a test installs a recorder that answers in advance, so no test ever waits
// on a modal dialog.
class IApresentador {
public:
    virtual ~IApresentador() = default;
    virtual bool ExibeMensagem(const QString& Texto, TTipoAlerta Tipo,
                               const QString& CaptionConfirmar,
                               const QString& CaptionCancelar) = 0;
    virtual void ExibeCarregando(bool Fechar) = 0;
    virtual void AtualizaCarregando(const QString& Texto) = 0;
};

// Installs the presenter used from now on (null: alerts go to the standard error stream and
// answer false). The caller keeps ownership.
void InstalaApresentador(IApresentador* apresentador);
IApresentador* ApresentadorAtual();

bool ExibeMensagem(const QString& Texto, TTipoAlerta Tipo, const QString& CaptionConfirmar = {},
                   const QString& CaptionCancelar = {});
void ExibeCarregando(bool Fechar);
void AtualizaCarregando(const QString& Texto);

// Appends one eight-line entry to the log file beside the executable and, when MostrarAlerta
// is true, shows Erro in the alert. A log that cannot be written never hides the error being
// handled: the alert is still shown.
void GravaLogErro(const QString& Modulo, const QString& Tabela, const QString& Funcao,
                  const QString& Erro, bool MostrarAlerta);

// The log file's path: the executable's path with ".log" in place of its extension.
QString CaminhoArquivoLog();
