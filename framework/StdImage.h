// The toolkit's picture control: a bitmap or an icon, optionally centred and
// drawn with a transparent colour (the bitmap's bottom-left pixel).
#pragma once

#include "framework/Controls.h"

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);
    ~TImage() override;

    TBitmap& Picture() { return FPicture; }
    void SetPicture(const TBitmap& bitmap);
    // Takes an icon (owned from then on) in place of the bitmap.
    void SetIcon(HICON icon);
    HICON Icon() const { return FIcon; }
    bool Center() const { return FCenter; }
    void SetCenter(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);

    void Paint(TCanvas& canvas) override;

private:
    TBitmap FPicture;
    HICON FIcon = nullptr;
    bool FCenter = false;
    bool FTransparent = false;
};
