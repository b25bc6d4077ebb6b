#include "settings/BackupList.h"

#include "framework/SysUtils.h"
#include "settings/RegFileReader.h"

#include <algorithm>
#include <cctype>

namespace {

bool Digits(const std::string& s, size_t from, size_t count)
{
    for (size_t i = from; i < from + count; ++i)
        if (i >= s.size() || !std::isdigit(static_cast<unsigned char>(s[i])))
            return false;
    return true;
}

WORD Number(const std::string& s, size_t from, size_t count)
{
    return static_cast<WORD>(std::stoi(s.substr(from, count)));
}

// "2026-12-08_14-03-27_<label>[_02].reg": the time and the label.
bool ParseName(const std::string& name, SYSTEMTIME& when, std::string& label)
{
    static const char kShape[] = "0000-00-00_00-00-00_";
    if (name.size() < sizeof kShape + 4)
        return false;
    for (size_t i = 0; i + 1 < sizeof kShape; ++i)
        if (kShape[i] == '0' ? !Digits(name, i, 1) : name[i] != kShape[i])
            return false;
    when = {};
    when.wYear = Number(name, 0, 4);
    when.wMonth = Number(name, 5, 2);
    when.wDay = Number(name, 8, 2);
    when.wHour = Number(name, 11, 2);
    when.wMinute = Number(name, 14, 2);
    when.wSecond = Number(name, 17, 2);
    label = name.substr(20, name.size() - 20 - 4);
    // A second backup of the same second carries a number.
    if (label.size() > 3 && label[label.size() - 3] == '_' && Digits(label, label.size() - 2, 2))
        label.resize(label.size() - 3);
    return true;
}

int ValueCount(const std::string& fileName)
{
    try {
        const TRegFileContent content = ReadRegFile(fileName);
        int count = 0;
        for (const TRegFileKey& key : content.Keys)
            count += static_cast<int>(key.Values.size());
        return count;
    } catch (const Exception&) {
        return -1;
    }
}

} // namespace

std::string BackupWhat(const std::string& label)
{
    static const struct {
        const char* prefix;
        const char* shown;
    } kLabels[] = {
        {"Allgemein", "Allgemeine Einstellungen"},
        {"Identitaeten_alle", "Alle Identitäten"},
        {"Identitaet_", "Identität "},
        {"Profil_", "Profil "},
        {"Wiederherstellung", "Wiederherstellung"},
        {"Gesamtsicherung", "Gesamtsicherung"},
    };
    for (const auto& l : kLabels) {
        const std::string prefix = l.prefix;
        const bool open = prefix.back() == '_';
        if (open ? label.compare(0, prefix.size(), prefix) == 0 : label == prefix)
            return l.shown + label.substr(open ? prefix.size() : label.size());
    }
    return label;
}

std::vector<TBackupEntry> ListBackups(const std::string& folder)
{
    std::vector<TBackupEntry> entries;
    if (folder.empty())
        return entries;
    WIN32_FIND_DATAA found;
    struct TSearch {
        HANDLE handle;
        ~TSearch()
        {
            if (handle != INVALID_HANDLE_VALUE)
                FindClose(handle);
        }
    } search{FindFirstFileA((IncludeTrailingBackslash(folder) + "*.reg").c_str(), &found)};
    if (search.handle == INVALID_HANDLE_VALUE)
        return entries;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        TBackupEntry entry;
        entry.FileName = IncludeTrailingBackslash(folder) + found.cFileName;
        std::string label;
        if (ParseName(found.cFileName, entry.When, label)) {
            entry.What = BackupWhat(label);
        } else {
            FILETIME local;
            FileTimeToLocalFileTime(&found.ftLastWriteTime, &local);
            FileTimeToSystemTime(&local, &entry.When);
            entry.What = found.cFileName;
        }
        entry.Values = ValueCount(entry.FileName);
        entries.push_back(std::move(entry));
    } while (FindNextFileA(search.handle, &found));
    auto key = [](const TBackupEntry& e) {
        return Format("%04u%02u%02u%02u%02u%02u", e.When.wYear, e.When.wMonth, e.When.wDay, e.When.wHour, e.When.wMinute,
                      e.When.wSecond) + ExtractFileName(e.FileName);
    };
    std::sort(entries.begin(), entries.end(), [&](const TBackupEntry& a, const TBackupEntry& b) { return key(a) > key(b); });
    return entries;
}
