// The flat panel: the plain panel with a one-pixel frame in two colours and
// an optional see-through background.
#pragma once

#include "framework/StdPanel.h"

class TFlatPanel : public TCustomPanel {
public:
    explicit TFlatPanel(TComponent* owner);

    TColor ColorHighLight() const { return FColorHighLight; }
    void SetColorHighLight(TColor color);
    TColor ColorShadow() const { return FColorShadow; }
    void SetColorShadow(TColor color);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);

    void Paint(TCanvas& canvas) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Moved() override;

private:
    TColor FColorHighLight;
    TColor FColorShadow;
    bool FTransparent = false;
};
