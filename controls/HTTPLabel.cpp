#include "controls/HTTPLabel.h"

#include "framework/Forms.h"
#include "framework/Seams.h"

namespace {

TCustomForm* FindOwnerForm(TComponent* owner)
{
    for (auto* control = dynamic_cast<TControl*>(owner); control; control = control->Parent())
        if (auto* form = dynamic_cast<TCustomForm*>(control))
            return form;
    return nullptr;
}

} // namespace

THTTPLabel::THTTPLabel(TComponent* owner) : TCustomLabel(owner)
{
    FOwnerForm = FindOwnerForm(owner);
    if (FOwnerForm)
        FOwnerFormHandle = FOwnerForm->Handle();

    // A cursor loaded from resources is shared by the system; it is never
    // destroyed, so the screen table may keep it after the label is gone.
    FHandCursor = LoadCursorA(GetModuleHandleA(nullptr), "HAND");
    if (FHandCursor)
        Screen()->SetCursors(crLinkHand, FHandCursor);

    SetColor(clBtnFace);
    SetCursor(crDefault);
    SetShowHint(true);
    SetHint("");
    RefreshLook();
}

bool THTTPLabel::FormActive() const
{
    return FOwnerFormHandle && GetActiveWindow() == FOwnerFormHandle;
}

void THTTPLabel::PlaySelectSound() const
{
    Seams::PlaySound()("CCSelect", nullptr, SND_ALIAS | SND_ASYNC | SND_NODEFAULT);
}

void THTTPLabel::ApplyLook(TColor fontColor, TFontStyles style, TColor background)
{
    // Our own font changes must not start another look refresh.
    FApplyingLook = true;
    FFont.SetColor(fontColor);
    FFont.SetStyle(style);
    SetColor(background);
    FApplyingLook = false;
    Invalidate();
}

void THTTPLabel::RefreshLook()
{
    if (!FHovering) {
        ApplyLook(FFontColorNormal, FFontStyleNormal, FBGColorNormal);
    } else if (FormActive()) {
        if (FPlaySoundOnFocus)
            PlaySelectSound();
        ApplyLook(FFontColHighlightFocused, FFontStyleHighlightFocused, FBGColorHighlight);
    } else {
        ApplyLook(FFontColHighlightNoneFocused, FFontStyleHighlightNoneFocused, FBGColorNormal);
    }
}

void THTTPLabel::FontChanged()
{
    TCustomLabel::FontChanged();
    // A font set from outside (or taken from the parent) gets the look's
    // colour and style back.
    if (!FApplyingLook)
        RefreshLook();
}

void THTTPLabel::SetLookColor(TColor& field, TColor value)
{
    if (value == field)
        return;
    field = value;
    RefreshLook();
}

void THTTPLabel::SetLookStyle(TFontStyles& field, TFontStyles value)
{
    if (value == field)
        return;
    field = value;
    RefreshLook();
}

void THTTPLabel::SetUrl(const std::string& value)
{
    if (value == FUrl)
        return;
    FUrl = value;
    SetCursor(FUrl.empty() ? crDefault : crLinkHand);
    if (FShowUrlAsHint)
        SetHint(FUrl);
    RefreshLook();
}

void THTTPLabel::SetShowUrlAsHint(bool value)
{
    if (value == FShowUrlAsHint)
        return;
    FShowUrlAsHint = value;
    SetShowHint(value);
    SetHint(FUrl);
}

void THTTPLabel::MouseEnter()
{
    TCustomLabel::MouseEnter();
    FHovering = true;
    if (FormActive()) {
        if (FPlaySoundOnFocus)
            PlaySelectSound();
        if (!FUrl.empty())
            ApplyLook(FFontColHighlightFocused, FFontStyleHighlightFocused, FBGColorHighlight);
        Fire(OnGetFocusWindowActive);
    } else {
        if (!FUrl.empty())
            ApplyLook(FFontColHighlightNoneFocused, FFontStyleHighlightNoneFocused, FColor);
        Fire(OnGetFocusWindowInActive);
    }
    Fire(OnGetFocus);
}

void THTTPLabel::MouseLeave()
{
    TCustomLabel::MouseLeave();
    FHovering = false;
    ApplyLook(FFontColorNormal, FFontStyleNormal, FBGColorNormal);
    Fire(FormActive() ? OnLooseFocusWindowActive : OnLooseFocusWindowInActive);
    Fire(OnLooseFocus);
}

void THTTPLabel::Click()
{
    // Whether a handler opened the address is not our concern.
    if (!FUrl.empty())
        Seams::ShellExecute()(FOwnerFormHandle, "open", FUrl.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    TCustomLabel::Click();
}
