#include "controls/TFlatComboBoxUnit.h"

#include "controls/FlatUtilitys.h"
#include "framework/FontMetrics.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kFrame = 3;         // outer ring plus two inner rings
constexpr int kButtonWidth = 11;
constexpr int kDefaultItemHeight = 13;

} // namespace

TFlatComboBox::TFlatComboBox(TComponent* owner) : TAdvColorControl<TCustomComboBox>(owner) {}

void TFlatComboBox::CreateParams(TCreateParams& params)
{
    TCustomComboBox::CreateParams(params);
    params.WinClassName = "TFlatComboBox";
}

void TFlatComboBox::SetColorArrow(TColor color)
{
    if (color == FColorArrow)
        return;
    FColorArrow = color;
    Invalidate();
}

void TFlatComboBox::SetColorArrowBackground(TColor color)
{
    if (color == FColorArrowBackground)
        return;
    FColorArrowBackground = color;
    CalcAdvColors();
    Invalidate();
}

void TFlatComboBox::SetColorBorder(TColor color)
{
    if (color == FColorBorder)
        return;
    FColorBorder = color;
    CalcAdvColors();
    Invalidate();
}

void TFlatComboBox::SetAdvColorBorder(int percent)
{
    SetAdvPercent(FAdvColorBorder, percent);
}

void TFlatComboBox::SetAdvColorArrowBackground(int percent)
{
    SetAdvPercent(FAdvColorArrowBackground, percent);
}

void TFlatComboBox::DeriveAdvColors()
{
    const TColor base = FParent ? FParent->Color() : FColor;
    FColorBorder = CalcAdvancedColor(base, FColorBorder, FAdvColorBorder, darken);
    FColorArrowBackground = CalcAdvancedColor(base, FColorArrowBackground, FAdvColorArrowBackground, darken);
}

void TFlatComboBox::ParentColorChanged()
{
    TCustomComboBox::ParentColorChanged();
    if (UseAdvColors()) {
        CalcAdvColors();
        Invalidate();
    }
}

void TFlatComboBox::SysColorChanged()
{
    CalcAdvColors();
    TCustomComboBox::SysColorChanged();
}

void TFlatComboBox::FontChanged()
{
    TCustomComboBox::FontChanged();
    SetItemHeight(kDefaultItemHeight);
}

int TFlatComboBox::DropDownListHeight() const
{
    const int rows = std::max(0, std::min(DropDownCount(), Items().Count()));
    const int rowHeight = IsOwnerDrawn() ? ItemHeight()
                                         : static_cast<int>(std::lround(FontCharHeight(FFont) * 9.0 / 8.0)) - 2;
    const int height = rows * rowHeight + 4;
    return height <= 4 ? 10 : height;
}

RECT TFlatComboBox::ButtonRect() const
{
    return {FWidth - kFrame - kButtonWidth, kFrame, FWidth - kFrame, FHeight - kFrame};
}

RECT TFlatComboBox::TextAreaRect() const
{
    return {kFrame, kFrame, ButtonRect().left, FHeight - kFrame};
}

TColor TFlatComboBox::TextAreaColor() const
{
    return IsListStyle() && FHandle && GetFocus() == FHandle && !DroppedDown() ? clHighlight : FColor;
}

void TFlatComboBox::DrawArrow(TCanvas& canvas, const RECT& button) const
{
    // A triangle 5 wide and 3 high in the middle of the button; it points
    // up while the list is open.
    const int left = button.left + (button.right - button.left - 5) / 2;
    const int top = button.top + (button.bottom - button.top - 3) / 2;
    const bool up = DroppedDown();
    auto triangle = [&](int dx, int dy, TColor color) {
        for (int row = 0; row < 3; ++row) {
            const int inset = up ? 2 - row : row;
            const int y = top + row + dy;
            canvas.Line(left + inset + dx, y, left + 5 - inset + dx, y, color);
        }
    };
    if (FEnabled) {
        triangle(0, 0, FColorArrow);
    } else {
        triangle(1, 1, clWhite);
        triangle(0, 0, RGBColor(0x80, 0x80, 0x80));
    }
}

void TFlatComboBox::PaintFrame(TCanvas& canvas) const
{
    RECT r{0, 0, FWidth, FHeight};
    Frame3D(canvas, r, FColorBorder, FColorBorder, 1);
    InflateRect(&r, -1, -1);
    Frame3D(canvas, r, FColor, FColor, kFrame - 1);

    const RECT button = ButtonRect();
    RECT text = TextAreaRect();
    if (IsListStyle()) {
        // The chosen item in our own text area, which reaches up to our
        // (narrower) button.
        const TColor back = TextAreaColor();
        canvas.FillRect(text, back);
        const std::string caption = Text();
        if (!caption.empty()) {
            TColor color = FFont.Color();
            if (!FEnabled)
                color = clGrayText;
            else if (back == clHighlight)
                color = clHighlightText;
            canvas.Font = FFont;
            RECT inner{text.left + 1, text.top, text.right, text.bottom};
            canvas.DrawText(caption, inner, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX, color);
        }
    } else if (HWND edit = EditHandle()) {
        // Between the system's edit and our button.
        RECT editRect;
        GetWindowRect(edit, &editRect);
        MapWindowPoints(nullptr, FHandle, reinterpret_cast<POINT*>(&editRect), 2);
        text.left = std::max(text.left, editRect.right);
        if (text.left < text.right)
            canvas.FillRect(text, FColor);
    }

    canvas.FillRect(button, FColorArrowBackground);
    canvas.FrameRect(button, FColorBorder);
    DrawArrow(canvas, button);
}

void TFlatComboBox::PlaceEdit()
{
    HWND edit = EditHandle();
    if (!edit || Style() != csDropDown)
        return;
    // The edit fills the text area up to one pixel before the button.
    const RECT text = TextAreaRect();
    SetWindowPos(edit, nullptr, text.left, text.top, std::max(0, static_cast<int>(text.right - text.left - 1)),
                 std::max(0, static_cast<int>(text.bottom - text.top)), SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT TFlatComboBox::HandleFlatPaint()
{
    // Our text area and button reach beyond the parts the system
    // invalidates, so the whole client is painted every time.
    InvalidateRect(FHandle, nullptr, FALSE);
    PaintDC paint(FHandle);
    RECT client;
    GetClientRect(FHandle, &client);
    TMemoryDC buffer(paint.Get(), std::max(1, static_cast<int>(client.right)), std::max(1, static_cast<int>(client.bottom)));
    // The system paints first (it owns the edit padding and the owner-drawn
    // selection), then our frame goes over it, all off-screen.
    DefaultHandler(WM_PAINT, reinterpret_cast<WPARAM>(buffer.Handle()), 0);
    TCanvas canvas(buffer.Handle());
    canvas.Font = FFont;
    PaintFrame(canvas);
    if (HWND edit = EditHandle()) {
        RECT editRect;
        GetWindowRect(edit, &editRect);
        MapWindowPoints(nullptr, FHandle, reinterpret_cast<POINT*>(&editRect), 2);
        ExcludeClipRect(paint.Get(), editRect.left, editRect.top, editRect.right, editRect.bottom);
    }
    buffer.BlitTo(paint.Get());
    return 0;
}

LRESULT TFlatComboBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_PAINT:
        if (Style() == csSimple)
            break;
        return HandleFlatPaint();
    case WM_SIZE: {
        const LRESULT result = TCustomComboBox::WndProc(msg, wParam, lParam);
        PlaceEdit();
        return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: {
        // The text area colour and the arrow follow focus and enabling.
        const LRESULT result = TCustomComboBox::WndProc(msg, wParam, lParam);
        Invalidate();
        return result;
    }
    default:
        break;
    }
    return TCustomComboBox::WndProc(msg, wParam, lParam);
}
