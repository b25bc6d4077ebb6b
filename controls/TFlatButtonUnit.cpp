#include "controls/TFlatButtonUnit.h"

TFlatButton::TFlatButton(TComponent* owner) : TFlatButtonCore<TCustomControl>(owner)
{
    FTabStop = true;
}

void TFlatButton::CreateParams(TCreateParams& params)
{
    TFlatButtonCore<TCustomControl>::CreateParams(params);
    params.WinClassName = "TFlatButton";
}

void TFlatButton::SetDefault(bool value)
{
    if (value == FDefault)
        return;
    FDefault = value;
    Invalidate();
}

void TFlatButton::PaintBehind(TCanvas& canvas)
{
    DrawParentImage(*this, canvas);
}

void TFlatButton::PressTakesFocus()
{
    if (CanFocus())
        SetFocus();
}

void TFlatButton::KeyDown(WORD& key, TShiftState shift)
{
    if (key == VK_SPACE) {
        if (GroupIndex() != 0)
            SetDown(true);
        else
            FState = bsDown;
        Invalidate();
    }
    TFlatButtonCore<TCustomControl>::KeyDown(key, shift);
}

void TFlatButton::KeyUp(WORD& key, TShiftState shift)
{
    if (key == VK_SPACE) {
        if (GroupIndex() != 0)
            SetDown(false);
        else
            FState = bsUp;
        Click();
        Invalidate();
    }
    TFlatButtonCore<TCustomControl>::KeyUp(key, shift);
}

void TFlatButton::DoEnter()
{
    // The focused button wears the hover look.
    FMouseIn = true;
    Invalidate();
    TFlatButtonCore<TCustomControl>::DoEnter();
}

void TFlatButton::DoExit()
{
    HoverTracker().Leave(*this);
    TFlatButtonCore<TCustomControl>::DoExit();
}
