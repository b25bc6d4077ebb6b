#include "framework/StdImage.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner)
{
    FWidth = 105;
    FHeight = 105;
}

TImage::~TImage()
{
    if (FIcon)
        DestroyIcon(FIcon);
}

void TImage::SetPicture(const TBitmap& bitmap)
{
    FPicture = bitmap;
    Invalidate();
}

void TImage::SetIcon(HICON icon)
{
    if (FIcon)
        DestroyIcon(FIcon);
    FIcon = icon;
    Invalidate();
}

void TImage::SetCenter(bool value)
{
    FCenter = value;
    Invalidate();
}

void TImage::SetTransparent(bool value)
{
    FTransparent = value;
    Invalidate();
}

void TImage::Paint(TCanvas& canvas)
{
    if (FIcon) {
        ICONINFO info{};
        int w = GetSystemMetrics(SM_CXICON), h = GetSystemMetrics(SM_CYICON);
        if (GetIconInfo(FIcon, &info)) {
            BITMAP bm{};
            if (info.hbmColor && GetObjectA(info.hbmColor, sizeof bm, &bm)) {
                w = bm.bmWidth;
                h = bm.bmHeight;
            }
            if (info.hbmColor)
                DeleteObject(info.hbmColor);
            if (info.hbmMask)
                DeleteObject(info.hbmMask);
        }
        const int x = FCenter ? (FWidth - w) / 2 : 0;
        const int y = FCenter ? (FHeight - h) / 2 : 0;
        // Icons carry their own mask: always drawn transparently.
        DrawIconEx(canvas.Handle(), x, y, FIcon, w, h, 0, nullptr, DI_NORMAL);
        return;
    }
    if (FPicture.Empty())
        return;
    const int x = FCenter ? (FWidth - FPicture.Width()) / 2 : 0;
    const int y = FCenter ? (FHeight - FPicture.Height()) / 2 : 0;
    if (FTransparent)
        canvas.Draw(x, y, FPicture, FPicture.Pixel(0, FPicture.Height() - 1));
    else
        canvas.Draw(x, y, FPicture);
}
