#pragma once

#include "Pkg.Json.DTO.h"

#include <functional>
#include <QString>

// The message of the EJsonDTO that `f` raises; a null QString when it raises none.
inline QString ErroJson(const std::function<void()>& f) {
    try {
        f();
    } catch (const EJsonDTO& e) {
        return e.Mensagem().isNull() ? QStringLiteral("") : e.Mensagem();
    }
    return {};
}
