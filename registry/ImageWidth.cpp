// ImageWidthAtMost: loads a picture with the system's own loaders and compares
// its width. The toolbar bitmap picker uses it to refuse pictures that are too
// wide, so a file that does not load is simply "not acceptable".
#include "registry/RegHelpers.h"

#include "framework/SysUtils.h"

#include <ole2.h>
#include <olectl.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace {

class GdiObjectGuard {
public:
    explicit GdiObjectGuard(HGDIOBJ object) : FObject(object) {}
    GdiObjectGuard(const GdiObjectGuard&) = delete;
    GdiObjectGuard& operator=(const GdiObjectGuard&) = delete;
    ~GdiObjectGuard()
    {
        if (FObject)
            DeleteObject(FObject);
    }

private:
    HGDIOBJ FObject;
};

struct ScreenMetrics {
    int PixelsPerInch = 96;
    int HorzRes = 0;
    int HorzSizeMm = 0;
};

ScreenMetrics QueryScreen()
{
    ScreenMetrics m;
    if (HDC dc = GetDC(nullptr)) {
        m.PixelsPerInch = GetDeviceCaps(dc, LOGPIXELSX);
        m.HorzRes = GetDeviceCaps(dc, HORZRES);
        m.HorzSizeMm = GetDeviceCaps(dc, HORZSIZE);
        ReleaseDC(nullptr, dc);
    }
    return m;
}

int BitmapWidth(HBITMAP bitmap)
{
    BITMAP info{};
    if (!bitmap || GetObjectA(bitmap, sizeof info, &info) != sizeof info)
        return -1;
    return info.bmWidth;
}

std::optional<std::vector<BYTE>> ReadWholeFile(const std::string& fileName)
{
    HANDLE file = CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::optional<std::vector<BYTE>> result;
    LARGE_INTEGER size{};
    // A picture for a toolbar is small; anything near the 32-bit limit is not one.
    if (GetFileSizeEx(file, &size) && size.QuadPart < 0x40000000) {
        std::vector<BYTE> data(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        if (data.empty() || (ReadFile(file, data.data(), static_cast<DWORD>(data.size()), &read, nullptr) && read == data.size()))
            result = std::move(data);
    }
    CloseHandle(file);
    return result;
}

int BmpWidth(const std::string& fileName)
{
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(nullptr, fileName.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    GdiObjectGuard guard(bitmap);
    return BitmapWidth(bitmap);
}

int IconWidth(const std::string& fileName)
{
    // Width and height 0: the icon at its own size, not stretched to the system's.
    HICON icon = static_cast<HICON>(LoadImageA(nullptr, fileName.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
    if (!icon)
        return -1;
    ICONINFO info{};
    int width = -1;
    if (GetIconInfo(icon, &info)) {
        GdiObjectGuard color(info.hbmColor);
        GdiObjectGuard mask(info.hbmMask);
        // A monochrome icon has only the mask, which is as wide as the icon.
        width = BitmapWidth(info.hbmColor ? info.hbmColor : info.hbmMask);
    }
    DestroyIcon(icon);
    return width;
}

#pragma pack(push, 2)
struct PlaceableMetaHeader {
    DWORD Key;
    WORD Handle;
    SHORT Left, Top, Right, Bottom;
    WORD Inch;
    DWORD Reserved;
    WORD Checksum;
};
#pragma pack(pop)
static_assert(sizeof(PlaceableMetaHeader) == 22);

constexpr DWORD PlaceableKey = 0x9AC6CDD7;

// .wmf and .emf alike: the content tells which kind of metafile it is. A
// Windows metafile carries its size only in the placeable header in front of
// it, so one without that header has no width and counts as not loadable.
int MetafileWidth(const std::string& fileName)
{
    const auto data = ReadWholeFile(fileName);
    if (!data)
        return -1;
    const std::vector<BYTE>& bytes = *data;
    const ScreenMetrics screen = QueryScreen();

    ENHMETAHEADER emf{};
    if (bytes.size() >= sizeof emf) {
        std::memcpy(&emf, bytes.data(), sizeof emf);
        if (emf.iType == EMR_HEADER && emf.dSignature == ENHMETA_SIGNATURE) {
            HENHMETAFILE meta = SetEnhMetaFileBits(static_cast<UINT>(bytes.size()), bytes.data());
            if (!meta)
                return -1;
            ENHMETAHEADER header{};
            const UINT got = GetEnhMetaFileHeader(meta, sizeof header, &header);
            DeleteEnhMetaFile(meta);
            if (got == 0 || screen.HorzSizeMm <= 0)
                return -1;
            // The frame is in 1/100 mm; the screen's own ratio turns it into pixels.
            return MulDiv(header.rclFrame.right - header.rclFrame.left, screen.HorzRes, screen.HorzSizeMm * 100);
        }
    }

    PlaceableMetaHeader wmf{};
    if (bytes.size() <= sizeof wmf)
        return -1;
    std::memcpy(&wmf, bytes.data(), sizeof wmf);
    if (wmf.Key != PlaceableKey || wmf.Inch == 0)
        return -1;
    WORD checksum = 0;
    const auto* words = reinterpret_cast<const WORD*>(&wmf);
    for (size_t i = 0; i < offsetof(PlaceableMetaHeader, Checksum) / sizeof(WORD); ++i)
        checksum ^= words[i];
    if (checksum != wmf.Checksum)
        return -1;
    HMETAFILE meta = SetMetaFileBitsEx(static_cast<UINT>(bytes.size() - sizeof wmf), bytes.data() + sizeof wmf);
    if (!meta)
        return -1;
    DeleteMetaFile(meta);
    return MulDiv(std::abs(wmf.Right - wmf.Left), screen.PixelsPerInch, wmf.Inch);
}

class ComScope {
public:
    ComScope() : FResult(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    // S_FALSE (already initialised) must be balanced as well; a thread that
    // runs in another apartment mode keeps its own initialisation.
    ~ComScope()
    {
        if (SUCCEEDED(FResult))
            CoUninitialize();
    }

private:
    HRESULT FResult;
};

int JpegWidth(const std::string& fileName)
{
    const auto data = ReadWholeFile(fileName);
    // The system's picture loader takes any format it knows; a .jpg must be a JPEG.
    if (!data || data->size() < 4 || (*data)[0] != 0xFF || (*data)[1] != 0xD8 || (*data)[2] != 0xFF)
        return -1;

    ComScope com;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, data->size());
    if (!memory)
        return -1;
    if (void* target = GlobalLock(memory)) {
        std::memcpy(target, data->data(), data->size());
        GlobalUnlock(memory);
    } else {
        GlobalFree(memory);
        return -1;
    }
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
        GlobalFree(memory);
        return -1;
    }
    IPicture* picture = nullptr;
    int width = -1;
    if (SUCCEEDED(OleLoadPicture(stream, static_cast<LONG>(data->size()), FALSE, IID_IPicture, reinterpret_cast<void**>(&picture))) && picture) {
        SHORT type = PICTYPE_NONE;
        OLE_HANDLE handle = 0;
        // The bitmap's own width, not the HIMETRIC size, which would round.
        if (SUCCEEDED(picture->get_Type(&type)) && type == PICTYPE_BITMAP && SUCCEEDED(picture->get_Handle(&handle)))
            width = BitmapWidth(reinterpret_cast<HBITMAP>(static_cast<ULONG_PTR>(handle)));
        picture->Release();
    }
    stream->Release();
    return width;
}

} // namespace

bool ImageWidthAtMost(const std::string& fileName, int maxWidth)
{
    try {
        const std::string ext = LowerCase(ExtractFileExt(fileName));
        int width = -1;
        if (ext == ".bmp")
            width = BmpWidth(fileName);
        else if (ext == ".ico")
            width = IconWidth(fileName);
        else if (ext == ".wmf" || ext == ".emf")
            width = MetafileWidth(fileName);
        else if (ext == ".jpg" || ext == ".jpeg")
            width = JpegWidth(fileName);
        return width >= 0 && width <= maxWidth;
    } catch (...) {
        return false;
    }
}
