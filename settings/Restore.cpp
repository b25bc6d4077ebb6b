#include "settings/Restore.h"

#include "framework/FileWrite.h"
#include "framework/Registry.h"
#include "framework/SysUtils.h"
#include "registry/ExactNames.h"
#include "registry/RegBackup.h"
#include "registry/RegError.h"
#include "registry/RegText.h"
#include "settings/ClientKeys.h"
#include "settings/MailTemplate.h"

#include <algorithm>
#include <functional>

namespace {

std::string Narrow(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int length = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, "?", nullptr);
    std::string out(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), length, "?", nullptr);
    return out;
}

RootCode CodeOf(HKEY root)
{
    if (root == HKEY_LOCAL_MACHINE)
        return rcLocalMachine;
    if (root == HKEY_CLASSES_ROOT)
        return rcClassesRoot;
    return rcCurrentUser;
}

std::string KeyName(const TKeyPlace& place)
{
    return std::string(RootKeyName(place.Root)) + (place.Path.empty() ? "" : '\\' + Narrow(place.Path));
}

TRegStored ReadStored(const TKeyPlace& place, const std::wstring& name)
{
    TRegStored stored;
    HKEY key = nullptr;
    if (RegOpenKeyExW(place.Root, place.Path.c_str(), 0, KEY_QUERY_VALUE | place.View, &key) != ERROR_SUCCESS)
        return stored;
    const UniqueHKey owner(key);
    stored.KeyExists = true;
    stored.Exists = QueryValueExact(key, name, stored.Type, stored.Data) == ERROR_SUCCESS;
    if (!stored.Exists)
        stored.Data.clear();
    return stored;
}

bool KeyExists(const TKeyPlace& place)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(place.Root, place.Path.c_str(), 0, KEY_QUERY_VALUE | place.View, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// Deletes key with everything below it (the wide tree call is not on
// Windows XP). ERROR_SUCCESS also when it was not there.
LONG DeleteTree(HKEY root, const std::wstring& path, REGSAM view)
{
    HKEY key = nullptr;
    LONG rc = RegOpenKeyExW(root, path.c_str(), 0, KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE | view, &key);
    if (rc == ERROR_FILE_NOT_FOUND)
        return ERROR_SUCCESS;
    if (rc != ERROR_SUCCESS)
        return rc;
    std::vector<std::wstring> children;
    {
        const UniqueHKey owner(key);
        wchar_t name[256];
        for (DWORD i = 0;; ++i) {
            DWORD length = 256;
            if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                break;
            children.emplace_back(name, length);
        }
    }
    for (const std::wstring& child : children)
        if ((rc = DeleteTree(root, path + L"\\" + child, view)) != ERROR_SUCCESS)
            return rc;
    // Below HKEY_LOCAL_MACHINE the last level goes through its parent,
    // opened in the view the key lives in.
    const size_t slash = path.rfind(L'\\');
    HKEY parent = root;
    UniqueHKey parentOwner;
    if (slash != std::wstring::npos) {
        if ((rc = RegOpenKeyExW(root, path.substr(0, slash).c_str(), 0, KEY_ENUMERATE_SUB_KEYS | view, &parent)) !=
            ERROR_SUCCESS)
            return rc;
        parentOwner.Reset(parent);
    }
    rc = RegDeleteKeyW(parent, slash == std::wstring::npos ? path.c_str() : path.c_str() + slash + 1);
    return rc == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : rc;
}

std::string ValueTitle(const TKeyPlace& place, const std::wstring& name)
{
    return KeyName(place) + ", Wert " + (name.empty() ? std::string("(Standard)") : '"' + Narrow(name) + '"');
}

bool SameValue(const TRegStored& now, const TRegFileValue& value)
{
    if (value.Delete)
        return !now.Exists;
    return now.Exists && now.Type == value.Type && now.Data == value.Data;
}

} // namespace

std::string ShownValue(DWORD type, const std::vector<BYTE>& data)
{
    if ((type == REG_SZ || type == REG_EXPAND_SZ) && data.size() % 2 == 0) {
        std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / 2);
        while (!text.empty() && text.back() == L'\0')
            text.pop_back();
        return '"' + Narrow(text) + '"';
    }
    if (type == REG_DWORD && data.size() == 4)
        return std::to_string(data[0] | data[1] << 8 | data[2] << 16 | static_cast<DWORD>(data[3]) << 24);
    std::string shown = "hex(" + Format("%lx", static_cast<unsigned long>(type)) + "):";
    for (size_t i = 0; i < data.size() && i < 12; ++i)
        shown += Format(i ? ",%02x" : "%02x", data[i]);
    return data.size() > 12 ? shown + ",..." : shown;
}

TRestore::TRestore(TRegFileContent content, std::string templatesFolder)
    : FContent(std::move(content)), FTemplatesFolder(std::move(templatesFolder))
{
    for (const TRegFileKey& key : FContent.Keys) {
        const TKeyPlace place = PlaceOfFileKey(key.Root, key.Path);
        if (!IsClientKey(place))
            throw ERegFileError("Zeile " + std::to_string(key.Line) + ": Der Schlüssel " + KeyName(place) +
                                " gehört nicht zu Outlook Express. Zorvane stellt nur die Einstellungen von Outlook "
                                "Express wieder her.");
        // The backup plan names keys in the code page.
        if (!NarrowExact(place.Path))
            throw ERegFileError("Zeile " + std::to_string(key.Line) + ": Der Name des Schlüssels " + KeyName(place) +
                                " enthält Zeichen, die Zorvane nicht sichern kann.");
    }
}

size_t TRestore::ValueCount() const
{
    size_t count = 0;
    for (const TRegFileKey& key : FContent.Keys)
        count += key.Values.size();
    return count;
}

namespace {

// Walks what the file would change against the registry now, until found
// returns true: a whole key to be deleted (value nullptr), or a value that
// differs (now is what is stored).
bool FindDifference(const TRegFileContent& content,
                    const std::function<bool(const TKeyPlace&, const TRegFileValue*, const TRegStored&)>& found)
{
    for (const TRegFileKey& key : content.Keys) {
        const TKeyPlace place = PlaceOfFileKey(key.Root, key.Path);
        if (key.Delete) {
            if (KeyExists(place) && found(place, nullptr, {}))
                return true;
            continue;
        }
        for (const TRegFileValue& value : key.Values) {
            const TRegStored now = ReadStored(place, value.Name);
            if (!SameValue(now, value) && found(place, &value, now))
                return true;
        }
    }
    return false;
}

} // namespace

std::vector<TSettingChange> TRestore::Changes() const
{
    std::vector<TSettingChange> changes;
    FindDifference(FContent, [&](const TKeyPlace& place, const TRegFileValue* value, const TRegStored& now) {
        if (!value)
            changes.push_back({KeyName(place), "(ganzer Schlüssel)", "vorhanden", "gelöscht"});
        else
            changes.push_back({KeyName(place), value->Name.empty() ? "(Standard)" : Narrow(value->Name),
                               now.Exists ? ShownValue(now.Type, now.Data) : "(fehlt)",
                               value->Delete ? "(gelöscht)" : ShownValue(value->Type, value->Data)});
        return false;
    });
    return changes;
}

bool TRestore::HasChange() const
{
    // The first difference is enough.
    return FindDifference(FContent, [](const TKeyPlace&, const TRegFileValue*, const TRegStored&) { return true; });
}

void TRestore::PlanBackup(TBackupPlan& plan) const
{
    for (const TRegFileKey& key : FContent.Keys) {
        const TKeyPlace place = PlaceOfFileKey(key.Root, key.Path);
        // Every path fits the code page: the constructor saw to it.
        const std::string path = NarrowExact(place.Path).value_or(std::string());
        if (key.Delete) {
            plan.Key(CodeOf(place.Root), path);
            continue;
        }
        for (const TRegFileValue& value : key.Values)
            plan.Value(CodeOf(place.Root), path, value.Name);
    }
}

void TRestore::Apply(std::vector<TRefusedWrite>& refused)
{
    const std::string ownTemplate = MailTemplatePath(FTemplatesFolder);
    bool templateBack = false;
    for (const TRegFileKey& key : FContent.Keys) {
        const TKeyPlace place = PlaceOfFileKey(key.Root, key.Path);
        if (key.Delete) {
            if (const LONG rc = DeleteTree(place.Root, place.Path, place.View); rc != ERROR_SUCCESS)
                refused.push_back({KeyName(place), RefusalText(rc)});
            continue;
        }
        HKEY handle = nullptr;
        const LONG rc = RegCreateKeyExW(place.Root, place.Path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                        KEY_SET_VALUE | place.View, nullptr, &handle, nullptr);
        if (rc != ERROR_SUCCESS) {
            for (const TRegFileValue& value : key.Values)
                refused.push_back({ValueTitle(place, value.Name), RefusalText(rc)});
            continue;
        }
        const UniqueHKey owner(handle);
        for (const TRegFileValue& value : key.Values) {
            LONG written = value.Delete ? RegDeleteValueW(handle, value.Name.c_str())
                                        : RegSetValueExW(handle, value.Name.c_str(), 0, value.Type, value.Data.data(),
                                                         static_cast<DWORD>(value.Data.size()));
            if (written == ERROR_FILE_NOT_FOUND && value.Delete)
                written = ERROR_SUCCESS;
            if (written != ERROR_SUCCESS) {
                refused.push_back({ValueTitle(place, value.Name), RefusalText(written)});
                continue;
            }
            // The "New" entry back: its file is the program's own and went
            // when the entry was removed.
            if (!value.Delete && value.Name == L"FileName" && !ownTemplate.empty() &&
                (value.Type == REG_SZ || value.Type == REG_EXPAND_SZ) &&
                CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, ShownValue(value.Type, value.Data).c_str(), -1,
                               ("\"" + ownTemplate + "\"").c_str(), -1) == CSTR_EQUAL)
                templateBack = true;
        }
    }
    if (templateBack)
        WriteWholeFile(ownTemplate, MailTemplateBytes());
}
