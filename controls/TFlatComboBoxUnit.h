// The flat combo box: the system combo box with a thin frame, a small
// drop-down button and a list whose height follows its items.
#pragma once

#include "controls/AdvColors.h"
#include "framework/StdCombo.h"

class TFlatComboBox : public TAdvColorControl<TCustomComboBox> {
public:
    explicit TFlatComboBox(TComponent* owner);

    TColor ColorArrow() const { return FColorArrow; }
    void SetColorArrow(TColor color);
    TColor ColorArrowBackground() const { return FColorArrowBackground; }
    void SetColorArrowBackground(TColor color);
    TColor ColorBorder() const { return FColorBorder; }
    void SetColorBorder(TColor color);
    int AdvColorBorder() const { return FAdvColorBorder; }
    void SetAdvColorBorder(int percent);
    int AdvColorArrowBackground() const { return FAdvColorArrowBackground; }
    void SetAdvColorArrowBackground(int percent);

    // min(DropDownCount, items) rows of ItemHeight (owner-drawn) or of the
    // font's character height * 9/8 - 2, plus 4; 10 for an empty list.
    int DropDownListHeight() const override;

    // In client coordinates: the drop-down button inside the frame, and the
    // text area left of it.
    RECT ButtonRect() const;
    RECT TextAreaRect() const;
    // clHighlight in the list styles while focused and closed, else Color.
    TColor TextAreaColor() const;

    // Frame, button and (list styles) the text area with the chosen item,
    // drawn over what the system painted. WM_PAINT and tests draw with it.
    void PaintFrame(TCanvas& canvas) const;

    void ParentColorChanged() override;
    void SysColorChanged() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void FontChanged() override;

private:
    // Border and button background darker than the parent's colour; the
    // combo box keeps its own Color.
    void DeriveAdvColors() override;
    bool FollowsParentColor() const override { return false; }
    void PlaceEdit();
    void DrawArrow(TCanvas& canvas, const RECT& button) const;
    LRESULT HandleFlatPaint();

    TColor FColorArrow = clBlack;
    TColor FColorArrowBackground = RGBColor(0xD9, 0xD6, 0xC5);
    TColor FColorBorder = RGBColor(0xA0, 0x96, 0x83);
    int FAdvColorBorder = 50;
    int FAdvColorArrowBackground = 10;
};
