#include "VersionResource.h"

#include "framework/SysUtils.h"

#include <cstring>
#include <fstream>

namespace {

struct Node {
    std::wstring key;
    std::vector<BYTE> value;
    WORD valueLength = 0;  // bytes for binary values, characters for text
    WORD type = 0;         // 1 text, 0 binary
    std::vector<Node> children;
};

void Pad4(std::vector<BYTE>& bytes)
{
    while (bytes.size() % 4)
        bytes.push_back(0);
}

void PutWord(std::vector<BYTE>& bytes, size_t at, WORD value)
{
    bytes[at] = static_cast<BYTE>(value & 0xFF);
    bytes[at + 1] = static_cast<BYTE>(value >> 8);
}

std::vector<BYTE> Serialize(const Node& node)
{
    std::vector<BYTE> out(6, 0);
    for (wchar_t c : node.key + L'\0') {
        out.push_back(static_cast<BYTE>(c & 0xFF));
        out.push_back(static_cast<BYTE>(c >> 8));
    }
    Pad4(out);
    out.insert(out.end(), node.value.begin(), node.value.end());
    for (const Node& child : node.children) {
        Pad4(out);
        const std::vector<BYTE> bytes = Serialize(child);
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    PutWord(out, 0, static_cast<WORD>(out.size()));
    PutWord(out, 2, node.valueLength);
    PutWord(out, 4, node.type);
    return out;
}

Node Text(const std::wstring& key, const std::wstring& text)
{
    Node node{key, {}, static_cast<WORD>(text.size() + 1), 1, {}};
    for (wchar_t c : text + L'\0') {
        node.value.push_back(static_cast<BYTE>(c & 0xFF));
        node.value.push_back(static_cast<BYTE>(c >> 8));
    }
    return node;
}

std::string TempName(const char* prefix)
{
    char dir[MAX_PATH] = {};
    char name[MAX_PATH] = {};
    GetTempPathA(sizeof dir, dir);
    GetTempFileNameA(dir, prefix, 0, name);
    return name;
}

} // namespace

std::vector<BYTE> BuildVersionResource(const VersionRecordLayout& layout)
{
    VS_FIXEDFILEINFO fixed = {};
    fixed.dwSignature = 0xFEEF04BD;
    fixed.dwStrucVersion = 0x00010000;
    fixed.dwFileVersionMS = MAKELONG(layout.fixed[1], layout.fixed[0]);
    fixed.dwFileVersionLS = MAKELONG(layout.fixed[3], layout.fixed[2]);
    fixed.dwProductVersionMS = fixed.dwFileVersionMS;
    fixed.dwProductVersionLS = fixed.dwFileVersionLS;
    fixed.dwFileFlagsMask = 0x3F;
    fixed.dwFileOS = VOS__WINDOWS32;
    fixed.dwFileType = VFT_APP;

    Node root{L"VS_VERSION_INFO", {}, sizeof fixed, 0, {}};
    root.value.resize(sizeof fixed);
    std::memcpy(root.value.data(), &fixed, sizeof fixed);

    Node table{L"040704E4", {}, 0, 1, {}};
    table.children.push_back(Text(L"FileVersion", layout.fileVersion));
    table.children.push_back(Text(L"ProductName", L"Zorvane"));
    root.children.push_back(Node{L"StringFileInfo", {}, 0, 1, {table}});

    if (layout.withTranslation) {
        Node translation{L"Translation", {0x07, 0x04, 0xE4, 0x04}, 4, 0, {}};
        root.children.push_back(Node{L"VarFileInfo", {}, 0, 1, {translation}});
    }
    return Serialize(root);
}

TempVersionedExe::TempVersionedExe(const VersionRecordLayout& layout)
{
    const std::string path = TempName("zvx");
    if (!CopyFileA(ModuleFileName().c_str(), path.c_str(), FALSE)) {
        FError = "CopyFile " + IntToStr(GetLastError());
        DeleteFileA(path.c_str());
        return;
    }
    std::vector<BYTE> record = BuildVersionResource(layout);
    HANDLE update = BeginUpdateResourceA(path.c_str(), FALSE);
    if (!update) {
        FError = "BeginUpdateResource " + IntToStr(GetLastError());
        DeleteFileA(path.c_str());
        return;
    }
    // Same type, name and language as the record from the resource script,
    // so it is replaced rather than joined by a second one.
    const BOOL put = UpdateResourceA(update, RT_VERSION, MAKEINTRESOURCEA(VS_VERSION_INFO),
                                     MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), record.data(),
                                     static_cast<DWORD>(record.size()));
    const DWORD putError = GetLastError();
    // Discards the update when the resource could not be put.
    const BOOL written = EndUpdateResourceA(update, !put);
    if (!put || !written) {
        FError = (put ? "EndUpdateResource " + IntToStr(GetLastError()) : "UpdateResource " + IntToStr(putError));
        DeleteFileA(path.c_str());
        return;
    }
    FPath = path;
}

TempVersionedExe::~TempVersionedExe()
{
    if (!FPath.empty())
        DeleteFileA(FPath.c_str());
}

TempTextFile::TempTextFile() : FPath(TempName("zvt"))
{
    std::ofstream(FPath, std::ios::binary) << "Keine Versionsinformation.\r\n";
}

TempTextFile::~TempTextFile()
{
    DeleteFileA(FPath.c_str());
}
