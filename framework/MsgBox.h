// The one helper through which the program puts its own messages and
// questions before the user.
#pragma once

#include <cstdint>
#include <string>

using MsgKind = std::uint8_t;
inline constexpr MsgKind mkError = 0;
inline constexpr MsgKind mkInformation = 1;
inline constexpr MsgKind mkQuestion = 2;
inline constexpr MsgKind mkWarning = 3;
inline constexpr MsgKind mkConfirmation = 4;

// A set of button layouts, one bit each; callers pass exactly one.
using MsgButtons = std::uint8_t;
inline constexpr MsgButtons btAbortRetryIgnore = 0x01;
inline constexpr MsgButtons btOK = 0x02;
inline constexpr MsgButtons btOKCancel = 0x04;
inline constexpr MsgButtons btRetryCancel = 0x08;
inline constexpr MsgButtons btYesNo = 0x10;
inline constexpr MsgButtons btYesNoCancel = 0x20;

// Shows a message box owned by the active window (if any), always brought to
// the foreground; an empty caption takes the kind's default. Returns the
// system's result code (IDYES, IDNO, ...), or 0 when no box could be shown.
int ShowMsg(const std::string& text, const std::string& caption, MsgKind kind, MsgButtons buttons);

// The flags and caption ShowMsg hands to the system.
unsigned MsgBoxFlags(MsgKind kind, MsgButtons buttons);
std::string MsgBoxCaption(const std::string& caption, MsgKind kind);
