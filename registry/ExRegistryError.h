// The system's error texts and the exception of the registry-file walk.
#pragma once

#include "framework/Exceptions.h"

#include <windows.h>

#include <cstdint>
#include <string>

// The system's message text for an error code, also from netmsg.dll's table
// (network errors); empty when there is none.
std::string SysErrorText(DWORD code);

// An error of the export walk with the system error code that caused it. The
// message is "Error <code> : <system text>:<what>", or "Error <code>:<what>"
// when the system has no text for the code.
class EExRegistryException : public ERegistryException {
public:
    EExRegistryException(int32_t code, const std::string& what);
    int32_t ErrorCode() const { return FErrorCode; }

private:
    int32_t FErrorCode;
};
