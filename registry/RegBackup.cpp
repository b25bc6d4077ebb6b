#include "registry/RegBackup.h"

#include "framework/Exceptions.h"
#include "framework/Registry.h"
#include "framework/SysUtils.h"
#include "registry/ExRegistryError.h"
#include "registry/ExactNames.h"
#include "registry/PathComp.h"
#include "registry/RegFile.h"
#include "registry/RegText.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>

namespace {

std::string KeyPathOf(const std::string& path)
{
    std::string result = NormalizeKeyPath(path);
    while (!result.empty() && result.back() == '\\')
        result.pop_back();
    return result;
}

// The registry compares names without regard to case.
bool SamePath(const std::string& a, const std::string& b)
{
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}

// path is key or lies below it.
bool Within(const std::string& path, const std::string& key)
{
    if (path.size() == key.size())
        return SamePath(path, key);
    return path.size() > key.size() && path[key.size()] == '\\' && SamePath(path.substr(0, key.size()), key);
}

enum class TKeyState { Exists, Missing };

LONG OpenWide(HKEY root, const std::string& path, UniqueHKey& key)
{
    return RegOpenKeyExW(root, WidenCodePage(path).c_str(), 0, InClientView(root, KEY_QUERY_VALUE), key.Put());
}

// Exists, or Missing with the topmost level of path that does not exist.
// A key that exists but cannot be read raises: its values cannot be saved.
TKeyState Probe(HKEY root, const std::string& path, std::string& topmostMissing)
{
    UniqueHKey key;
    LONG rc = OpenWide(root, path, key);
    if (rc == ERROR_SUCCESS)
        return TKeyState::Exists;
    if (rc != ERROR_FILE_NOT_FOUND)
        throw EExRegistryException(rc, "Unable to open key " + path);
    // Level by level from the root: the first one missing goes, and with it
    // everything the apply creates below it.
    for (size_t end = 0;; ++end) {
        end = path.find('\\', end);
        topmostMissing = path.substr(0, end);
        UniqueHKey level;
        if (OpenWide(root, topmostMissing, level) != ERROR_SUCCESS || end == std::string::npos)
            return TKeyState::Missing;
    }
}

// The value's type and bytes as the wide calls give them (text in UTF-16);
// false when the value does not exist.
bool ReadValue(HKEY key, const std::wstring& name, DWORD& type, std::vector<BYTE>& data)
{
    const LONG rc = QueryValueExact(key, name, type, data);
    if (rc == ERROR_FILE_NOT_FOUND)
        return false;
    if (rc != ERROR_SUCCESS)
        throw EExRegistryException(rc, "Unable to get value info");
    return true;
}

// Makes every missing level; levels that cannot be made (a drive, a network
// share's server) are passed over, and only the folder itself must exist.
void ForceFolder(const std::string& folder)
{
    for (size_t end = folder.find('\\'); end != std::string::npos; end = folder.find('\\', end + 1))
        CreateDirectoryA(folder.substr(0, end).c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        throw EFileError(Format(Msg::FileCreateError, folder.c_str()));
}

// Windows XP counts the whole path against MAX_PATH (260 characters), and
// the folder alone takes about 70 characters and the user's name:
// "C:\Dokumente und Einstellungen\<user>\Anwendungsdaten\Zorvane\Sicherungen".
// With the label cut to 48, a file name takes at most 75 more.
constexpr size_t MaxLabelLength = 48;
constexpr size_t KeptLabelLength = MaxLabelLength - 9;

// FNV-1a: a hash that stays the same from one run and build to the next.
uint32_t LabelHash(const std::string& label)
{
    uint32_t hash = 2166136261u;
    for (const char c : label)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash;
}

std::string BaseName(const SYSTEMTIME& when, const std::string& label)
{
    std::string safe = FileSafeName(label);
    if (safe.size() > MaxLabelLength)
        safe = safe.substr(0, KeptLabelLength) + Format("~%08x", LabelHash(label));
    return Format("%04u-%02u-%02u_%02u-%02u-%02u_", when.wYear, when.wMonth, when.wDay, when.wHour, when.wMinute,
                  when.wSecond)
        + safe;
}

} // namespace

void TBackupPlan::Value(RootCode root, const std::string& path, const std::string& name, const TRegStored* asRead)
{
    Value(root, path, WidenCodePage(name));
    if (asRead)
        FItems.back().AsRead = *asRead;
}

void TBackupPlan::Value(RootCode root, const std::string& path, const std::wstring& exactName)
{
    FItems.push_back({RootKeyOf(root), KeyPathOf(path), exactName, false});
}

void TBackupPlan::Key(RootCode root, const std::string& path)
{
    FItems.push_back({RootKeyOf(root), KeyPathOf(path), std::wstring(), true});
}

void TBackupPlan::Note(const std::string& comment)
{
    FNotes.push_back(comment);
}

void TBackupPlan::WriteRestore(TRegFileWriter& writer) const
{
    for (const std::string& note : FNotes)
        writer.Comment(note);

    // Keys to be deleted come back whole. Deleting first also takes away
    // what was added to them after the backup. A whole key that does not
    // exist yet is one the apply may create: it goes again, from its topmost
    // missing level.
    std::vector<const TItem*> whole;
    std::vector<std::pair<HKEY, std::string>> deleted;
    for (const TItem& item : FItems) {
        if (!item.WholeKey)
            continue;
        const bool seen = std::any_of(whole.begin(), whole.end(), [&](const TItem* w) {
            return w->Root == item.Root && Within(item.Path, w->Path);
        });
        if (seen)
            continue;
        std::string missing;
        if (Probe(item.Root, item.Path, missing) != TKeyState::Exists) {
            writer.KeyDeletion(item.Root, missing);
            deleted.emplace_back(item.Root, missing);
            continue;
        }
        // A key the file cannot name stays out, and so does everything
        // planned below it (whole then covers it).
        if (writer.KeyDeletion(item.Root, item.Path))
            writer.Branch(item.Root, item.Path);
        whole.push_back(&item);
    }

    // Values, one section per key, in the order first planned; values in
    // keys that come back whole are already there. The values are grouped by
    // key first: an apply to every identity plans thousands of them.
    std::vector<std::vector<const TItem*>> keys;
    std::map<std::pair<HKEY, std::string>, size_t> keyIndex;
    for (const TItem& item : FItems) {
        if (item.WholeKey)
            continue;
        const auto [at, fresh] = keyIndex.try_emplace({item.Root, UpperCase(item.Path)}, keys.size());
        if (fresh)
            keys.emplace_back();
        keys[at->second].push_back(&item);
    }
    std::vector<BYTE> data(4096);
    for (const std::vector<const TItem*>& values : keys) {
        const TItem& item = *values.front();
        if (std::any_of(whole.begin(), whole.end(),
                        [&](const TItem* w) { return w->Root == item.Root && Within(item.Path, w->Path); }))
            continue;
        // Bytes read just now stand for the key's values; a key that was
        // missing then is looked at here, as is every other key.
        const bool asRead = FUseValuesAsRead && std::all_of(values.begin(), values.end(), [](const TItem* value) {
            return value->AsRead && value->AsRead->KeyExists;
        });
        UniqueHKey key;
        const LONG rc = asRead ? ERROR_SUCCESS : OpenWide(item.Root, item.Path, key);
        std::string missing;
        if (rc != ERROR_SUCCESS && Probe(item.Root, item.Path, missing) == TKeyState::Missing) {
            const bool again = std::any_of(deleted.begin(), deleted.end(), [&](const auto& d) {
                return d.first == item.Root && SamePath(d.second, missing);
            });
            if (!again) {
                writer.KeyDeletion(item.Root, missing);
                deleted.emplace_back(item.Root, missing);
            }
            continue;
        }
        if (rc != ERROR_SUCCESS)
            throw EExRegistryException(rc, "Unable to open key " + item.Path);
        if (!writer.Header(item.Root, item.Path))
            continue;
        std::vector<std::wstring> names;
        for (const TItem* value : values) {
            if (std::find(names.begin(), names.end(), value->Name) != names.end())
                continue;
            names.push_back(value->Name);
            // A name with a NUL cannot be asked for; the writer leaves it out.
            if (value->Name.find(L'\0') != std::wstring::npos) {
                writer.ValueDeletion(value->Name);
            } else if (asRead) {
                const TRegStored& stored = *value->AsRead;
                if (stored.Exists)
                    writer.Value(value->Name, stored.Type, stored.Data.data(), stored.Data.size());
                else
                    writer.ValueDeletion(value->Name);
            } else {
                DWORD type = REG_NONE;
                if (ReadValue(key.Get(), value->Name, type, data))
                    writer.Value(value->Name, type, data.data(), data.size());
                else
                    writer.ValueDeletion(value->Name);
                data.resize(std::max<size_t>(data.capacity(), 4096));
            }
        }
    }
}

std::string BackupFolder()
{
    const std::string appData = TPathComponent().ShellAppDataFolder();
    if (appData.empty())
        return {};
    return IncludeTrailingBackslash(appData) + "Zorvane\\Sicherungen";
}

std::string FileSafeName(const std::string& text)
{
    std::string result = text;
    for (char& c : result)
        if (static_cast<unsigned char>(c) < 0x20 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
            c = '_';
    // The system drops blanks and dots at the end of a name.
    while (!result.empty() && (result.back() == ' ' || result.back() == '.'))
        result.back() = '_';
    return result;
}

TBackupResult WriteBackup(const TBackupPlan& plan, const std::string& label)
{
    return WriteBackup(plan, label, BackupFolder(), Now());
}

TBackupResult WriteBackup(const TBackupPlan& plan, const std::string& label, const std::string& folder,
                          const SYSTEMTIME& when)
{
    TBackupResult result;
    if (plan.Empty())
        return result;
    result.Status = TBackupStatus::Failed;
    const std::string base = IncludeTrailingBackslash(folder) + BaseName(when, label);
    try {
        if (folder.empty())
            throw EFileError(Format(Msg::FileCreateError, (base + ".reg").c_str()));
        ForceFolder(ExcludeTrailingBackslash(folder));
        TExportLines lines;
        std::string lastKeyPath;
        TRegFile file(lines, lastKeyPath, TRegFileFormat::Unicode);
        file.Begin(IncludeTrailingBackslash(folder), base + ".reg");
        plan.WriteRestore(file.Writer());
        file.Finish();
        // Never over an earlier backup: two applies in one second get
        // numbered names, which still sort by time.
        for (int number = 1; number < 100; ++number) {
            const std::string name = number == 1 ? base + ".reg" : base + Format("_%02d.reg", number);
            if (file.PlaceAs(name, false)) {
                result.Status = TBackupStatus::Written;
                result.FileName = name;
                result.LeftOut = file.Writer().LeftOut();
                return result;
            }
            const DWORD error = GetLastError();
            if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS)
                break;
        }
        throw EFileError(Format(Msg::FileCreateError, (base + ".reg").c_str()));
    } catch (const Exception& error) {
        result.Error = error.Message();
    } catch (const std::exception& error) {
        result.Error = error.what();
    }
    return result;
}
