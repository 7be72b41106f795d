#pragma once

// JSON parsing shared by the reader and the layout of JSON text.

#include "Pkg.Json.DTO.h"

#include <rapidjson/document.h>

// Nesting deeper than this is refused as text that is not JSON.
constexpr int ProfundidadeMaximaJson = 512;

// Parses `texto` (NUL-terminated, changed in place and referenced by the result) keeping each
// number as the text it was written with. False when the text is not JSON.
bool ParseJsonLimitado(rapidjson::Document& doc, char* texto);
