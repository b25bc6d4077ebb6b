#include "framework/LateBound.h"

#include <string>

FARPROC SystemProc(const char* library, const char* name)
{
    // Loaded by full path, so that no DLL of the same name beside the program
    // or in the current folder is taken instead.
    HMODULE module = GetModuleHandleA(library);
    if (!module) {
        char folder[MAX_PATH] = {};
        const UINT length = GetSystemDirectoryA(folder, sizeof folder);
        if (length == 0 || length >= sizeof folder)
            return nullptr;
        module = LoadLibraryA((std::string(folder, length) + "\\" + library).c_str());
        if (!module)
            return nullptr;
    }
    return GetProcAddress(module, name);
}
