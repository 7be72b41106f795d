#pragma once

#include <QByteArray>
#include <QString>
#include <exception>
#include <utility>

// The one exception type of both programs: it carries the message shown to the user and
// written to the log. Database and transport errors are wrapped with their own text.
class EErro : public std::exception {
public:
    explicit EErro(QString mensagem) : FMensagem(std::move(mensagem)), FUtf8(FMensagem.toUtf8()) {}
    const QString& Mensagem() const noexcept { return FMensagem; }
    const char* what() const noexcept override { return FUtf8.constData(); }

private:
    QString FMensagem;
    QByteArray FUtf8;
};
