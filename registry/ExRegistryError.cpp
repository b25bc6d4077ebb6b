#include "registry/ExRegistryError.h"

#include "framework/SysUtils.h"

std::string SysErrorText(DWORD code)
{
    // Data file only: none of its code runs, we only want its message table.
    HMODULE netmsg = LoadLibraryExA("netmsg.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM;
    if (netmsg)
        flags |= FORMAT_MESSAGE_FROM_HMODULE;
    char* text = nullptr;
    const DWORD length = FormatMessageA(flags, netmsg, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                                        reinterpret_cast<char*>(&text), 0, nullptr);
    std::string result = length > 0 && text ? std::string(text, length) : std::string();
    if (text)
        LocalFree(text);
    if (netmsg)
        FreeLibrary(netmsg);
    return result;
}

static std::string ErrorPrefix(int32_t code)
{
    const std::string text = SysErrorText(static_cast<DWORD>(code));
    return text.empty() ? Format("Error %d", code) : Format("Error %d : %s", code, text.c_str());
}

EExRegistryException::EExRegistryException(int32_t code, const std::string& what)
    : ERegistryException(ErrorPrefix(code) + ":" + what), FErrorCode(code)
{
}
