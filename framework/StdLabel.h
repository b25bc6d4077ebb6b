// The toolkit's text label: a windowless control that shows its caption,
// optionally with an accelerator that moves the focus to another control.
#pragma once

#include "framework/Controls.h"

enum TTextLayout { tlTop, tlCenter, tlBottom };

class TCustomLabel : public TGraphicControl {
public:
    explicit TCustomLabel(TComponent* owner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool value);
    // The control that takes the focus when the caption's accelerator is
    // pressed. It must live as long as the label (both belong to one form).
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* control) { FFocusControl = control; }

    void Paint(TCanvas& canvas) override;
    bool DialogChar(char key) override;
    void TextChanged() override;
    void FontChanged() override;
    void Loaded() override;

protected:
    // Draws (or with DT_CALCRECT measures) the caption in r.
    void DoDrawText(TCanvas& canvas, RECT& r, UINT flags) const;
    // With AutoSize: fits the bounds to the caption, keeping the right edge
    // of a right-aligned label in place.
    void AdjustBounds();

private:
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FWordWrap = false;
    bool FAutoSize = true;
    bool FTransparent = false;
    bool FShowAccelChar = true;
    TWinControl* FFocusControl = nullptr;
};

class TLabel : public TCustomLabel {
public:
    using TCustomLabel::TCustomLabel;
};
