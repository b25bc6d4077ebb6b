#include "framework/MsgBox.h"

#include "framework/Seams.h"

#include <windows.h>

namespace {

struct KindLook {
    MsgKind kind;
    const char* caption;
    unsigned icon;
};

// Kind 0 is an error but carries the exclamation mark, kind 3 a warning with
// the stop sign; the program's messages have always looked like this.
constexpr KindLook kKinds[] = {
    {mkWarning, "Warnung", MB_ICONHAND},
    {mkQuestion, "Frage", MB_ICONQUESTION},
    {mkConfirmation, "Bestätigung", MB_ICONQUESTION},
    {mkInformation, "Information", MB_ICONINFORMATION},
    {mkError, "Fehler", MB_ICONEXCLAMATION},
};

constexpr unsigned kButtonCodes[6] = {MB_ABORTRETRYIGNORE, MB_OK, MB_OKCANCEL, MB_RETRYCANCEL, MB_YESNO, MB_YESNOCANCEL};

const KindLook* FindKind(MsgKind kind)
{
    for (const KindLook& look : kKinds)
        if (look.kind == kind)
            return &look;
    return nullptr;
}

} // namespace

unsigned MsgBoxFlags(MsgKind kind, MsgButtons buttons)
{
    unsigned flags = MB_SETFOREGROUND;
    if (const KindLook* look = FindKind(kind))
        flags += look->icon;
    for (int bit = 0; bit < 6; ++bit)
        if (buttons & (1u << bit))
            flags += kButtonCodes[bit];
    return flags;
}

std::string MsgBoxCaption(const std::string& caption, MsgKind kind)
{
    if (!caption.empty())
        return caption;
    const KindLook* look = FindKind(kind);
    return look ? look->caption : "";
}

int ShowMsg(const std::string& text, const std::string& caption, MsgKind kind, MsgButtons buttons)
{
    const std::string title = MsgBoxCaption(caption, kind);
    return Seams::MessageBox()(GetActiveWindow(), text.c_str(), title.c_str(), MsgBoxFlags(kind, buttons));
}
