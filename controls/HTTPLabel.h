// A label that works as a link: hand cursor when it has an address, a
// hover look that depends on whether its form is the active window, the
// system's select sound on entering, and the shell's "open" on a click.
#pragma once

#include "framework/StdLabel.h"

#include <string>

class TCustomForm;

// The screen cursor number under which the link hand is registered.
inline constexpr TCursor crLinkHand = 17999;

using TOnFocus = std::function<void(TObject* sender)>;

class THTTPLabel : public TCustomLabel {
public:
    explicit THTTPLabel(TComponent* owner);

    const std::string& Url() const { return FUrl; }
    void SetUrl(const std::string& value);
    TColor BGColorNormal() const { return FBGColorNormal; }
    void SetBGColorNormal(TColor value) { SetLookColor(FBGColorNormal, value); }
    TColor BGColorHighlight() const { return FBGColorHighlight; }
    void SetBGColorHighlight(TColor value) { SetLookColor(FBGColorHighlight, value); }
    TColor FontColorNormal() const { return FFontColorNormal; }
    void SetFontColorNormal(TColor value) { SetLookColor(FFontColorNormal, value); }
    TColor FontColHighlightFocused() const { return FFontColHighlightFocused; }
    void SetFontColHighlightFocused(TColor value) { SetLookColor(FFontColHighlightFocused, value); }
    TColor FontColHighlightNoneFocused() const { return FFontColHighlightNoneFocused; }
    void SetFontColHighlightNoneFocused(TColor value) { SetLookColor(FFontColHighlightNoneFocused, value); }
    TFontStyles FontStyleNormal() const { return FFontStyleNormal; }
    void SetFontStyleNormal(TFontStyles value) { SetLookStyle(FFontStyleNormal, value); }
    TFontStyles FontStyleHighlightFocused() const { return FFontStyleHighlightFocused; }
    void SetFontStyleHighlightFocused(TFontStyles value) { SetLookStyle(FFontStyleHighlightFocused, value); }
    TFontStyles FontStyleHighlightNoneFocused() const { return FFontStyleHighlightNoneFocused; }
    void SetFontStyleHighlightNoneFocused(TFontStyles value) { SetLookStyle(FFontStyleHighlightNoneFocused, value); }
    bool ShowUrlAsHint() const { return FShowUrlAsHint; }
    void SetShowUrlAsHint(bool value);
    bool PlaySoundOnFocus() const { return FPlaySoundOnFocus; }
    void SetPlaySoundOnFocus(bool value) { FPlaySoundOnFocus = value; }

    bool Hovering() const { return FHovering; }
    // The form that holds the label, found when it was made, and its window.
    TCustomForm* OwnerForm() const { return FOwnerForm; }
    HWND OwnerFormHandle() const { return FOwnerFormHandle; }
    // The "HAND" cursor of the program's resources, or none.
    HCURSOR HandCursor() const { return FHandCursor; }

    TOnFocus OnGetFocus;
    TOnFocus OnLooseFocus;
    TOnFocus OnGetFocusWindowActive;
    TOnFocus OnLooseFocusWindowActive;
    TOnFocus OnGetFocusWindowInActive;
    TOnFocus OnLooseFocusWindowInActive;

    void MouseEnter() override;
    void MouseLeave() override;
    void Click() override;
    void FontChanged() override;

private:
    bool FormActive() const;
    void PlaySelectSound() const;
    // Sets the look of the current state (normal or one of the highlights).
    void RefreshLook();
    void ApplyLook(TColor fontColor, TFontStyles style, TColor background);
    void Fire(const TOnFocus& event) { if (event) event(this); }
    void SetLookColor(TColor& field, TColor value);
    void SetLookStyle(TFontStyles& field, TFontStyles value);

    HCURSOR FHandCursor = nullptr;
    TCustomForm* FOwnerForm = nullptr;
    HWND FOwnerFormHandle = nullptr;
    TColor FBGColorNormal = clBtnFace;
    TColor FBGColorHighlight = clBtnFace;
    TColor FFontColorNormal = clCaptionText;
    TColor FFontColHighlightFocused = clHighlightText;
    TColor FFontColHighlightNoneFocused = clHighlight;
    TFontStyles FFontStyleNormal = 0;
    TFontStyles FFontStyleHighlightFocused = fsUnderline;
    TFontStyles FFontStyleHighlightNoneFocused = fsUnderline;
    std::string FUrl;
    bool FShowUrlAsHint = false;
    bool FHovering = false;
    bool FPlaySoundOnFocus = true;
    bool FApplyingLook = false;
};
