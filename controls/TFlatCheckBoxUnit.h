// The flat check box: an 11 x 11 box with a drawn tick and a word-wrapped
// caption beside it. Its state is one byte; every change of that byte, by the
// user or by code, fires OnClick.
#pragma once

#include "controls/FlatColors.h"
#include "controls/FlatHover.h"

#include <cstdint>

enum TCheckBoxLayout { checkboxLeft, checkboxRight };

class TFlatCheckBox : public TFlatColorControl<TCustomControl>, public TFlatHoverTarget {
public:
    explicit TFlatCheckBox(TComponent* owner);
    ~TFlatCheckBox() override;

    // Any nonzero byte is checked; the byte is kept as it was set.
    std::uint8_t Checked() const { return FChecked; }
    void SetChecked(std::uint8_t value);
    TColor ColorCheck() const { return FColorCheck; }
    void SetColorCheck(TColor color);
    TCheckBoxLayout Layout() const { return FLayout; }
    void SetLayout(TCheckBoxLayout layout);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool Pressed() const { return FPressed; }

    // The box in client coordinates.
    RECT BoxRect() const;

    // The hover timer shared by all check boxes.
    static TFlatHoverTracker& HoverTracker();
    static TTimer* HoverTimer() { return HoverTracker().Timer(); }

    void Paint(TCanvas& canvas) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DialogChar(char key) override;
    void KeyUp(WORD& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;
    void EnabledChanged() override;

    TControl& HoverControl() override { return *this; }

protected:
    void CreateParams(TCreateParams& params) override;
    bool HoverHeld() const override { return FPressed; }

private:
    // A toggle by the user stores 1 or 0.
    void Toggle();

    std::uint8_t FChecked = 0;
    TColor FColorCheck = clBlack;
    TCheckBoxLayout FLayout = checkboxLeft;
    bool FTransparent = false;
    bool FPressed = false;
};
