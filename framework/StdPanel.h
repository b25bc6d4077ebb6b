// The plain panel: a windowed container filled with its colour, with a
// one-line caption. The flat panel builds on it.
#pragma once

#include "framework/Controls.h"

class TCustomPanel : public TCustomControl {
public:
    explicit TCustomPanel(TComponent* owner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment alignment);

    void Paint(TCanvas& canvas) override;

protected:
    void CreateParams(TCreateParams& params) override;
    bool PaintsOffScreen() const override { return true; }
    // The caption over the whole client area, one line, vertically centred,
    // placed by Alignment; embossed when disabled.
    void PaintCaption(TCanvas& canvas);

    TAlignment FAlignment = taCenter;
};

class TPanel : public TCustomPanel {
public:
    using TCustomPanel::TCustomPanel;
};
