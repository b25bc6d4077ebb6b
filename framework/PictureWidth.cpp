#include "framework/PictureWidth.h"

#include "framework/GdiHandles.h"
#include "framework/Graphics.h"
#include "framework/SysUtils.h"

#include <ole2.h>
#include <olectl.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

using Width = std::optional<int>;

// A COM interface pointer, released at the end.
template <typename T>
struct ComRelease {
    void operator()(T* object) const { object->Release(); }
};
template <typename T>
using ComPtr = std::unique_ptr<T, ComRelease<T>>;

struct ScreenMetrics {
    int PixelsPerInch = 96;
    int HorzRes = 0;
    int HorzSizeMm = 0;
};

ScreenMetrics QueryScreen()
{
    ScreenMetrics m;
    const WindowDC screen(nullptr);
    if (HDC dc = screen.Get()) {
        m.PixelsPerInch = GetDeviceCaps(dc, LOGPIXELSX);
        m.HorzRes = GetDeviceCaps(dc, HORZRES);
        m.HorzSizeMm = GetDeviceCaps(dc, HORZSIZE);
    }
    return m;
}

Width BitmapWidth(HBITMAP bitmap)
{
    BITMAP info{};
    if (!bitmap || GetObjectA(bitmap, sizeof info, &info) != sizeof info)
        return std::nullopt;
    return info.bmWidth;
}

std::optional<std::vector<BYTE>> ReadWholeFile(const std::string& fileName)
{
    const UniqueFile file(CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    // A picture for a toolbar is small; anything near the 32-bit limit is not one.
    if (!file || !GetFileSizeEx(file.Get(), &size) || size.QuadPart >= 0x40000000)
        return std::nullopt;
    std::vector<BYTE> data(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!data.empty() &&
        (!ReadFile(file.Get(), data.data(), static_cast<DWORD>(data.size()), &read, nullptr) || read != data.size()))
        return std::nullopt;
    return data;
}

Width BmpWidth(const std::string& fileName)
{
    TBitmap bitmap;
    if (!bitmap.LoadFromFile(fileName))
        return std::nullopt;
    return bitmap.Width();
}

Width IconWidth(const std::string& fileName)
{
    // Width and height 0: the icon at its own size, not stretched to the system's.
    const UniqueIcon icon(static_cast<HICON>(LoadImageA(nullptr, fileName.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE)));
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon.get(), &info))
        return std::nullopt;
    const UniqueBitmap color(info.hbmColor);
    const UniqueBitmap mask(info.hbmMask);
    // A monochrome icon has only the mask, which is as wide as the icon.
    return BitmapWidth(color ? color.Get() : mask.Get());
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

Width EnhancedMetafileWidth(const std::vector<BYTE>& bytes)
{
    const UniqueEnhMetafile meta(SetEnhMetaFileBits(static_cast<UINT>(bytes.size()), bytes.data()));
    ENHMETAHEADER header{};
    const ScreenMetrics screen = QueryScreen();
    if (!meta || GetEnhMetaFileHeader(meta.get(), sizeof header, &header) == 0 || screen.HorzSizeMm <= 0)
        return std::nullopt;
    // The frame is in 1/100 mm; the screen's own ratio turns it into pixels.
    return MulDiv(header.rclFrame.right - header.rclFrame.left, screen.HorzRes, screen.HorzSizeMm * 100);
}

// A Windows metafile carries its size only in the placeable header in front
// of it, so one without that header has no width and is no readable picture.
Width PlaceableMetafileWidth(const std::vector<BYTE>& bytes)
{
    PlaceableMetaHeader wmf{};
    if (bytes.size() <= sizeof wmf)
        return std::nullopt;
    std::memcpy(&wmf, bytes.data(), sizeof wmf);
    if (wmf.Key != PlaceableKey || wmf.Inch == 0)
        return std::nullopt;
    WORD checksum = 0;
    const auto* words = reinterpret_cast<const WORD*>(&wmf);
    for (size_t i = 0; i < offsetof(PlaceableMetaHeader, Checksum) / sizeof(WORD); ++i)
        checksum ^= words[i];
    if (checksum != wmf.Checksum)
        return std::nullopt;
    const UniqueMetafile meta(SetMetaFileBitsEx(static_cast<UINT>(bytes.size() - sizeof wmf), bytes.data() + sizeof wmf));
    if (!meta)
        return std::nullopt;
    return MulDiv(std::abs(wmf.Right - wmf.Left), QueryScreen().PixelsPerInch, wmf.Inch);
}

// .wmf and .emf alike: the content tells which kind of metafile it is.
Width MetafileWidth(const std::string& fileName)
{
    const auto data = ReadWholeFile(fileName);
    if (!data)
        return std::nullopt;
    ENHMETAHEADER emf{};
    if (data->size() >= sizeof emf) {
        std::memcpy(&emf, data->data(), sizeof emf);
        if (emf.iType == EMR_HEADER && emf.dSignature == ENHMETA_SIGNATURE)
            return EnhancedMetafileWidth(*data);
    }
    return PlaceableMetafileWidth(*data);
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

// A stream over a copy of bytes; the stream frees the copy.
ComPtr<IStream> MemoryStream(const std::vector<BYTE>& bytes)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    void* target = memory ? GlobalLock(memory) : nullptr;
    if (!target) {
        if (memory)
            GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(target, bytes.data(), bytes.size());
    GlobalUnlock(memory);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
        GlobalFree(memory);
        return nullptr;
    }
    return ComPtr<IStream>(stream);
}

Width JpegWidth(const std::string& fileName)
{
    const auto data = ReadWholeFile(fileName);
    // The system's picture loader takes any format it knows; a .jpg must be a JPEG.
    if (!data || data->size() < 4 || (*data)[0] != 0xFF || (*data)[1] != 0xD8 || (*data)[2] != 0xFF)
        return std::nullopt;
    const ComScope com;
    const ComPtr<IStream> stream = MemoryStream(*data);
    IPicture* loaded = nullptr;
    if (!stream || FAILED(OleLoadPicture(stream.get(), static_cast<LONG>(data->size()), FALSE, IID_IPicture,
                                         reinterpret_cast<void**>(&loaded))) || !loaded)
        return std::nullopt;
    const ComPtr<IPicture> picture(loaded);
    SHORT type = PICTYPE_NONE;
    OLE_HANDLE handle = 0;
    // The bitmap's own width, not the HIMETRIC size, which would round.
    if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP || FAILED(picture->get_Handle(&handle)))
        return std::nullopt;
    return BitmapWidth(reinterpret_cast<HBITMAP>(static_cast<ULONG_PTR>(handle)));
}

} // namespace

std::optional<int> PictureWidth(const std::string& fileName)
{
    try {
        const std::string ext = LowerCase(ExtractFileExt(fileName));
        if (ext == ".bmp")
            return BmpWidth(fileName);
        if (ext == ".ico")
            return IconWidth(fileName);
        if (ext == ".wmf" || ext == ".emf")
            return MetafileWidth(fileName);
        if (ext == ".jpg" || ext == ".jpeg")
            return JpegWidth(fileName);
        return std::nullopt;
    } catch (...) {
        return std::nullopt;
    }
}
