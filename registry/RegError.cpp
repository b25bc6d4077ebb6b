#include "registry/RegError.h"

#include "registry/ExRegistryError.h"

std::string RefusalText(LONG code)
{
    if (code == ERROR_ACCESS_DENIED)
        return "keine Berechtigung (dafür sind Administratorrechte nötig)";
    std::string text = SysErrorText(static_cast<DWORD>(code));
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    return text.empty() ? "Fehler " + std::to_string(code) : text;
}
