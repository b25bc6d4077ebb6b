#include "app/CommandArgs.h"

#include "framework/SysUtils.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

struct TSwitch {
    const char* name;
    TCommand::Kind kind;                 // None: the switch does not choose the job
    std::string TCommand::*value;        // nullptr: a switch without a value
    bool TCommand::*flag;
};

const TSwitch kSwitches[] = {
    {"/?", TCommand::Usage, nullptr, nullptr},
    {"/profil", TCommand::Apply, &TCommand::file, nullptr},
    {"/profilspeichern", TCommand::Save, &TCommand::file, nullptr},
    {"/identitaet", TCommand::None, &TCommand::identity, nullptr},
    {"/alle", TCommand::None, nullptr, &TCommand::all},
    {"/still", TCommand::None, nullptr, &TCommand::quiet},
};

const TSwitch* FindSwitch(const std::string& word)
{
    for (const TSwitch& s : kSwitches)
        if (SameText(word, s.name))
            return &s;
    return nullptr;
}

const char* const kExitCodes[] = {
    "erledigt, oder nichts zu ändern",
    "falsche Argumente oder ein abgelehntes Profil; nichts geschrieben",
    "Outlook Express fehlt, ist zu alt oder läuft; nichts geschrieben",
    "einzelne Einstellungen abgelehnt; die übrigen geschrieben",
    "die Sicherung konnte nicht geschrieben werden; nichts geschrieben",
};

} // namespace

std::vector<std::string> CommandLineArguments(const char* commandLine)
{
    const std::string line = commandLine ? commandLine : "";
    size_t i = 0;
    // The program's name: quotes group, backslashes are plain characters.
    for (bool quoted = false; i < line.size() && (quoted || !IsBlank(line[i])); ++i)
        if (line[i] == '"')
            quoted = !quoted;
    std::vector<std::string> args;
    for (;;) {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        if (i >= line.size())
            return args;
        std::string arg;
        bool quoted = false;
        for (; i < line.size() && (quoted || !IsBlank(line[i])); ++i) {
            size_t backslashes = 0;
            while (i < line.size() && line[i] == '\\') {
                ++backslashes;
                ++i;
            }
            if (i < line.size() && line[i] == '"') {
                // 2n backslashes and a quote: n backslashes, the quote groups;
                // 2n + 1: n backslashes and a plain quote.
                arg.append(backslashes / 2, '\\');
                if (backslashes % 2)
                    arg += '"';
                else
                    quoted = !quoted;
                continue;
            }
            arg.append(backslashes, '\\');
            if (i >= line.size() || (!quoted && IsBlank(line[i])))
                break;
            arg += line[i];
        }
        args.push_back(std::move(arg));
    }
}

TCommand ParseCommand(const std::vector<std::string>& args)
{
    TCommand command;
    std::vector<const TSwitch*> seen;
    auto fail = [&](const std::string& error) {
        if (command.error.empty())
            command.error = error;
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const TSwitch* s = FindSwitch(args[i]);
        if (!s) {
            fail(args[i].starts_with("/") ? "Unbekannter Schalter \"" + args[i] + "\"."
                                          : "Unerwartetes Argument \"" + args[i] + "\".");
            continue;
        }
        for (const TSwitch* earlier : seen)
            if (earlier == s)
                fail(std::string("Der Schalter ") + s->name + " steht zweimal da.");
        seen.push_back(s);
        if (s->kind == TCommand::Usage) {
            command.kind = TCommand::Usage;
            continue;
        }
        if (s->kind != TCommand::None) {
            if (command.kind == TCommand::Apply || command.kind == TCommand::Save)
                fail("Nur einer der Schalter /profil und /profilspeichern ist möglich.");
            else if (command.kind == TCommand::None)
                command.kind = s->kind;
        }
        if (s->flag)
            command.*(s->flag) = true;
        if (!s->value)
            continue;
        if (i + 1 >= args.size() || args[i + 1].empty()) {
            fail(std::string("Nach ") + s->name + (s->value == &TCommand::file ? " fehlt der Dateiname." : " fehlt der Name."));
            continue;
        }
        command.*(s->value) = args[++i];
    }
    if (command.kind == TCommand::Usage)
        return command;
    if (command.kind == TCommand::None)
        fail("Es fehlt /profil oder /profilspeichern.");
    if (command.all && command.kind == TCommand::Save)
        fail("/alle gilt nur für /profil: gespeichert wird eine Identität.");
    if (command.all && !command.identity.empty())
        fail("Nur einer der Schalter /identitaet und /alle ist möglich.");
    return command;
}

std::string UsageText()
{
    std::string text =
        "Ohne Argumente startet Zorvane wie gewohnt. Für Anmeldeskripte:\r\n\r\n"
        "zorvane.exe /profil DATEI [/identitaet NAME | /alle] [/still]\r\n"
        "Übernimmt das Profil DATEI: die allgemeinen Einstellungen und die der Identität NAME, aller Identitäten "
        "(/alle) oder sonst der ersten. Vorher legt Zorvane eine Sicherung an.\r\n\r\n"
        "zorvane.exe /profilspeichern DATEI [/identitaet NAME] [/still]\r\n"
        "Speichert die allgemeinen Einstellungen und die der Identität NAME (sonst der ersten) als Profil DATEI.\r\n\r\n"
        "/still zeigt keine Meldung und schreibt das Ergebnis als eine Zeile in "
        "%APPDATA%\\Zorvane\\Protokoll.txt. Namen mit Leerzeichen stehen in Anführungszeichen.\r\n\r\n"
        "Rückgabewerte:";
    for (size_t code = 0; code < std::size(kExitCodes); ++code)
        text += "\r\n" + std::to_string(code) + " - " + kExitCodes[code];
    return text;
}
