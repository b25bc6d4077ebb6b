#include "controls/TFlatEditUnit.h"

#include "controls/FlatUtilitys.h"
#include "framework/FontMetrics.h"
#include "framework/Forms.h"

#include <algorithm>

namespace {

constexpr int kFrame = 3;   // the non-client border on every side

bool IsFlatEdit(HWND wnd)
{
    return dynamic_cast<TCustomFlatEdit*>(FindControl(wnd)) != nullptr;
}

} // namespace

TCustomFlatEdit::TCustomFlatEdit(TComponent* owner) : TAdvColorControl<TCustomEdit>(owner)
{
    FWidth = 121;
    FHeight = 19;
    // The idle background is the parent's colour until ColorFlat is set.
    FParentColor = true;
    FColor = FColorFlat;
}

void TCustomFlatEdit::CreateParams(TCreateParams& params)
{
    TCustomEdit::CreateParams(params);
    params.WinClassName = "TFlatEdit";
    // The frame is ours (WM_NCCALCSIZE, WM_NCPAINT), not the system's edge.
    params.ExStyle &= ~WS_EX_CLIENTEDGE;
    params.Style &= ~WS_BORDER;
}

void TCustomFlatEdit::SetColorFocused(TColor color)
{
    if (color == FColorFocused)
        return;
    FColorFocused = color;
    CalcAdvColors();
    RedrawLook(GetFocus());
}

void TCustomFlatEdit::SetColorBorder(TColor color)
{
    if (color == FColorBorder)
        return;
    FColorBorder = color;
    CalcAdvColors();
    RedrawLook(GetFocus());
}

void TCustomFlatEdit::SetColorFlat(TColor color)
{
    FParentColor = false;
    if (color == FColorFlat)
        return;
    FColorFlat = color;
    CalcAdvColors();
    RedrawLook(GetFocus());
}

void TCustomFlatEdit::SetAdvColorFocused(int percent)
{
    SetAdvPercent(FAdvColorFocused, percent);
}

void TCustomFlatEdit::SetAdvColorBorder(int percent)
{
    SetAdvPercent(FAdvColorBorder, percent);
}

void TCustomFlatEdit::DeriveAdvColors()
{
    FColorFocused = CalcAdvancedColor(FColorFlat, FColorFocused, FAdvColorFocused, lighten);
    FColorBorder = CalcAdvancedColor(FColorFlat, FColorBorder, FAdvColorBorder, darken);
}

void TCustomFlatEdit::ParentColorChanged()
{
    if (!FParentColor || !FParent || FParent->Color() == FColorFlat)
        return;
    FColorFlat = FParent->Color();
    CalcAdvColors();
    RedrawLook(GetFocus());
}

void TCustomFlatEdit::SysColorChanged()
{
    CalcAdvColors();
    RedrawLook(GetFocus());
}

void TCustomFlatEdit::RedrawLook(HWND focus)
{
    const bool focused = FHandle && focus == FHandle;
    FFocusedLook = focused || (FMouseIn && !IsFlatEdit(focus));
    FColor = FFocusedLook ? FColorFocused : FColorFlat;
    if (FHandle)
        RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_NOCHILDREN);
}

TColor TCustomFlatEdit::BackgroundColor() const
{
    return FFocusedLook ? FColorFocused : FColorFlat;
}

void TCustomFlatEdit::MouseEnter()
{
    // A window of another program in front: no hover look.
    if (FEnabled && !FMouseIn && Application()->ActiveWindow()) {
        FMouseIn = true;
        RedrawLook(GetFocus());
    }
    TCustomEdit::MouseEnter();
}

void TCustomFlatEdit::MouseLeave()
{
    if (FMouseIn) {
        FMouseIn = false;
        RedrawLook(GetFocus());
    }
    TCustomEdit::MouseLeave();
}

void TCustomFlatEdit::EnabledChanged()
{
    if (!FEnabled)
        FMouseIn = false;
    TCustomEdit::EnabledChanged();
    RedrawLook(GetFocus());
}

void TCustomFlatEdit::FontChanged()
{
    TCustomEdit::FontChanged();
    AdjustHeight();
}

void TCustomFlatEdit::Loaded()
{
    TCustomEdit::Loaded();
    AdjustHeight();
}

void TCustomFlatEdit::AdjustHeight()
{
    SetHeight(FontCharHeight(FFont) + 2 * kFrame);
}

void TCustomFlatEdit::PaintFrame(TCanvas& canvas) const
{
    const TColor inner = FFocusedLook ? FColorFocused : FColorFlat;
    RECT r{0, 0, FWidth, FHeight};
    Frame3D(canvas, r, FColorBorder, FColorBorder, 1);
    InflateRect(&r, -1, -1);
    Frame3D(canvas, r, inner, inner, kFrame - 1);
}

void TCustomFlatEdit::PaintNonClient()
{
    WindowDC dc(FHandle, true);
    if (!dc.Get())
        return;
    RECT window;
    GetWindowRect(FHandle, &window);
    SaveDCGuard save(dc.Get());
    // The client area is the system edit's own.
    ExcludeClipRect(dc.Get(), kFrame, kFrame, window.right - window.left - kFrame, window.bottom - window.top - kFrame);
    TCanvas canvas(dc.Get());
    PaintFrame(canvas);
}

LRESULT TCustomFlatEdit::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_NCCALCSIZE: {
        RECT* r = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
        r->left += kFrame;
        r->top += kFrame;
        r->right = std::max(r->left, r->right - kFrame);
        r->bottom = std::max(r->top, r->bottom - kFrame);
        return 0;
    }
    case WM_NCPAINT:
        PaintNonClient();
        return 0;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(FHandle, &client);
        TCanvas canvas(reinterpret_cast<HDC>(wParam));
        canvas.FillRect(client, BackgroundColor());
        return 1;
    }
    case WM_SETFOCUS: {
        const LRESULT result = TCustomEdit::WndProc(msg, wParam, lParam);
        RedrawLook(FHandle);
        return result;
    }
    case WM_KILLFOCUS: {
        const LRESULT result = TCustomEdit::WndProc(msg, wParam, lParam);
        // The window named here gets the focus; GetFocus may not say so yet.
        RedrawLook(reinterpret_cast<HWND>(wParam));
        return result;
    }
    default:
        return TCustomEdit::WndProc(msg, wParam, lParam);
    }
}
