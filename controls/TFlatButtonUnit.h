// The windowed flat push button: takes the focus, answers the space bar, can
// be the form's default button, paints off-screen.
#pragma once

#include "controls/FlatButtonCore.h"

class TFlatButton : public TFlatButtonCore<TCustomControl> {
public:
    explicit TFlatButton(TComponent* owner);

    // A default button has a two-pixel border; Enter is left to the form.
    bool Default() const { return FDefault; }
    void SetDefault(bool value);

    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyUp(WORD& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;

protected:
    void CreateParams(TCreateParams& params) override;
    // Off-screen first: the frame and the glyph never flicker.
    bool PaintsOffScreen() const override { return true; }
    void PaintBehind(TCanvas& canvas) override;
    int UpBorderWidth() const override { return FDefault ? 2 : 1; }
    void PressTakesFocus() override;

private:
    bool FDefault = false;
};
