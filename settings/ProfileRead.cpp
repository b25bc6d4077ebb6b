// The strict reader of profiles: the first fault refuses the whole file, so
// that a half-understood profile never reaches the registry.
#include "settings/Profile.h"

#include "framework/FileRead.h"
#include "framework/SysUtils.h"
#include "settings/GlobalSettings.h"
#include "settings/IdentitySettings.h"

#include <algorithm>
#include <span>

namespace {

constexpr const char* kHeaderSection = "Zorvane-Profil";

struct TSection {
    const char* name;
    std::span<const TSettingDef> (*defs)();   // nullptr for the header
    TNamedStates TProfile::*states;
};

const TSection kSections[] = {
    {kHeaderSection, nullptr, nullptr},
    {"Allgemein", GlobalSettingDefs, &TProfile::Global},
    {"Identitaet", IdentitySettingDefs, &TProfile::Identity},
};

const TSection* FindSection(const std::string& name)
{
    for (const TSection& section : kSections)
        if (SameText(name, section.name))
            return &section;
    return nullptr;
}

// Names are matched as Windows matches names in INI files: case aside.
const TSettingDef* FindDef(const TSection& section, const std::string& name)
{
    for (const TSettingDef& def : section.defs())
        if (SameText(name, def.name))
            return &def;
    return nullptr;
}

// Where a name that is not in its section belongs, for the message.
std::string BelongsElsewhere(const TSection& section, const std::string& name)
{
    for (const TSection& other : kSections)
        if (&other != &section && other.defs && FindDef(other, name))
            return std::string(" (sie gehört in den Abschnitt [") + other.name + "])";
    return {};
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// Splits at LF; a CR before it belongs to the line break.
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

class TReader {
public:
    TProfile Read(const std::string& text)
    {
        // Saved by an editor as UTF-8 or UTF-16, the first line would only
        // look like the header.
        if (text.starts_with("\xEF\xBB\xBF") || text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF"))
            throw EProfileError(1, "die Datei ist als Unicode gespeichert; ein Profil ist Text in der Codepage "
                                   "Windows-1252 (ANSI)");
        for (const std::string& line : Lines(text)) {
            ++FLine;
            Take(line);
        }
        FLine = std::max(FLine, 1);
        if (!FSection)
            Fail(std::string("das Profil muss mit dem Abschnitt [") + kHeaderSection + "] beginnen");
        if (!FVersion)
            Fail(std::string("\"Version=1\" fehlt im Abschnitt [") + kHeaderSection + "]");
        return FProfile;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const { throw EProfileError(FLine, what); }

    void Take(const std::string& raw)
    {
        if (raw.find_first_of(std::string("\r\0", 2)) != std::string::npos)
            Fail("die Zeile enthält ein CR- oder NUL-Zeichen, das ein Profil nicht tragen kann");
        const std::string line = Trim(raw);
        if (line.empty() || line[0] == ';')
            return;
        if (line[0] == '[')
            return Open(line);
        if (!FSection)
            Fail(std::string("das Profil muss mit dem Abschnitt [") + kHeaderSection + "] beginnen");
        const size_t equals = line.find('=');
        const std::string name = Trim(line.substr(0, equals));
        if (equals == std::string::npos || name.empty())
            Fail("keine Zeile der Form Name=Wert: " + Quoted(line));
        const std::string value = Trim(line.substr(equals + 1));
        if (FSection->defs)
            Setting(name, value);
        else
            Version(name, value);
    }

    void Open(const std::string& line)
    {
        if (line.back() != ']')
            Fail("keine Abschnittszeile der Form [Name]: " + Quoted(line));
        const std::string name = Trim(line.substr(1, line.size() - 2));
        const TSection* section = FindSection(name);
        if (!section)
            Fail("unbekannter Abschnitt [" + name + "]");
        if (!FSection && section->defs)
            Fail(std::string("das Profil muss mit dem Abschnitt [") + kHeaderSection + "] beginnen");
        if (FSection && !FVersion)
            Fail(std::string("\"Version=1\" fehlt im Abschnitt [") + kHeaderSection + "]");
        for (const TSection* seen : FSeen)
            if (seen == section)
                Fail(std::string("der Abschnitt [") + section->name + "] steht zweimal im Profil");
        FSeen.push_back(section);
        FSection = section;
    }

    void Version(const std::string& name, const std::string& value)
    {
        if (!SameText(name, "Version"))
            Fail("unbekannter Eintrag " + Quoted(name) + " im Abschnitt [" + kHeaderSection + "]");
        if (FVersion)
            Fail(std::string("\"Version\" steht zweimal im Abschnitt [") + kHeaderSection + "]");
        if (value != "1")
            Fail("Version " + Quoted(value) + " wird nicht unterstützt, nur Version 1");
        FVersion = true;
    }

    void Setting(const std::string& name, const std::string& value)
    {
        const TSection& section = *FSection;
        const TSettingDef* def = FindDef(section, name);
        if (!def)
            Fail("unbekannte Einstellung " + Quoted(name) + " im Abschnitt [" + section.name + "]" +
                 BelongsElsewhere(section, name));
        TNamedStates& states = FProfile.*section.states;
        for (const auto& given : states)
            if (given.first == def->name)
                Fail("die Einstellung " + Quoted(def->name) + " steht zweimal im Abschnitt [" + section.name + "]");
        if (!def->IsText() && value != "0" && value != "1")
            Fail(Quoted(def->name) + " ist ein Kontrollkästchen und verlangt 0 oder 1, nicht " + Quoted(value));
        states.emplace_back(def->name, value);
    }

    TProfile FProfile;
    const TSection* FSection = nullptr;
    std::vector<const TSection*> FSeen;
    bool FVersion = false;
    int FLine = 0;
};

} // namespace

EProfileError::EProfileError(int line, const std::string& what)
    : Exception("Zeile " + std::to_string(line) + ": " + what), FLine(line)
{
}

TProfile ReadProfile(const std::string& text)
{
    return TReader().Read(text);
}

TProfile ReadProfileFile(const std::string& fileName)
{
    return ReadProfile(ReadFileBytes(fileName));
}
