// The flat single-line edit: a three-pixel frame of its own around the
// system edit, flat while idle and lit while focused or under the pointer.
#pragma once

#include "controls/AdvColors.h"
#include "framework/StdEdit.h"

class TCustomFlatEdit : public TAdvColorControl<TCustomEdit> {
public:
    explicit TCustomFlatEdit(TComponent* owner);

    TColor ColorFocused() const { return FColorFocused; }
    void SetColorFocused(TColor color);
    TColor ColorBorder() const { return FColorBorder; }
    void SetColorBorder(TColor color);
    // The idle background; follows the parent's colour until set.
    TColor ColorFlat() const { return FColorFlat; }
    void SetColorFlat(TColor color);
    int AdvColorFocused() const { return FAdvColorFocused; }
    void SetAdvColorFocused(int percent);
    int AdvColorBorder() const { return FAdvColorBorder; }
    void SetAdvColorBorder(int percent);

    // Whether the edit shows its focused look (focus, or hover while the
    // focus is on no other flat edit).
    bool FocusedLook() const { return FFocusedLook; }
    bool MouseInControl() const { return FMouseIn; }

    // The three rings of the frame, in window coordinates (0, 0 is the
    // edit's outer corner). WM_NCPAINT and tests draw through this.
    void PaintFrame(TCanvas& canvas) const;

    void Loaded() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void ParentColorChanged() override;
    void SysColorChanged() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void FontChanged() override;
    void EnabledChanged() override;
    TColor BackgroundColor() const override;

private:
    // Works out the look with focus as the window holding the focus, and
    // has frame and background redrawn.
    void RedrawLook(HWND focus);
    // Focused lighter and border darker than ColorFlat.
    void DeriveAdvColors() override;
    void ShowAdvColors() override { RedrawLook(GetFocus()); }
    void AdjustHeight();
    void PaintNonClient();

    TColor FColorFocused = clWhite;
    TColor FColorBorder = RGBColor(0xA0, 0x96, 0x83);
    TColor FColorFlat = RGBColor(0xEB, 0xEA, 0xE1);
    int FAdvColorFocused = 10;
    int FAdvColorBorder = 50;
    bool FMouseIn = false;
    bool FFocusedLook = false;
};

class TFlatEdit : public TCustomFlatEdit {
public:
    using TCustomFlatEdit::TCustomFlatEdit;
};
