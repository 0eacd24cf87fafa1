// The window's texts: the language library's strings are UTF-8; the file's bytes are shown
// as Latin-1, one byte to a character, as the sheets show them (fromBytes).
#pragma once

#include "sheet_text.h"
#include "tela_environment.h"

#include <QString>

inline QString userString(int id) {
    return QString::fromUtf8(TelaEnvironment::GetUserString(id));
}
