// THintWindow: the tooltip window the application shows hints in.
#include "framework/Forms.h"

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner)
{
    FVisible = false;
    FParentColor = false;
    FParentFont = false;
    FColor = clInfoBk;
}

void THintWindow::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.Style = WS_POPUP | WS_BORDER;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    params.WndParent = nullptr;
    params.WindowClassStyle = CS_SAVEBITS;
    params.WinClassName = "ZorvaneHintWindow";
}

RECT THintWindow::CalcHintRect(int maxWidth, const std::string& hint)
{
    WindowDC screen(nullptr);
    TCanvas canvas(screen.Get());
    canvas.Font = FFont;
    RECT r{0, 0, maxWidth, 0};
    canvas.DrawText(hint, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    r.right += 6;
    r.bottom += 2;
    return r;
}

void THintWindow::ActivateHint(RECT r, const std::string& hint)
{
    FCaption = hint;
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    SetWindowPos(Handle(), HWND_TOPMOST, r.left, r.top, w, h, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    FLeft = r.left;
    FTop = r.top;
    FWidth = w;
    FHeight = h;
    FVisible = true;
    InvalidateRect(FHandle, nullptr, TRUE);
}

void THintWindow::ReleaseHint()
{
    if (FHandle)
        ShowWindow(FHandle, SW_HIDE);
    FVisible = false;
}

void THintWindow::Paint(TCanvas& canvas)
{
    RECT r = ClientRect();
    canvas.FillRect(r, FColor);
    InflateRect(&r, -2, -1);
    canvas.DrawText(FCaption, r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

LRESULT THintWindow::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    default:
        return TCustomControl::WndProc(msg, wParam, lParam);
    }
}
