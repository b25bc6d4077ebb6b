#include "controls/FlatListBoxBase.h"

#include "framework/SysUtils.h"
#include "framework/Timer.h"

#include <algorithm>
#include <cstdlib>

// ---------------------------------------------------------------- TScrollRepeatTimer

TScrollRepeatTimer::TScrollRepeatTimer()
    : FTimer(FirstDelay, [this] {
          if (FTarget)
              FTarget->RepeatTick();
      })
{
}

void TScrollRepeatTimer::AddUser()
{
    FTimer.Attach();
}

void TScrollRepeatTimer::RemoveUser(TFlatListBoxBase* user)
{
    if (FTarget == user) {
        FTarget = nullptr;
        Timer()->SetEnabled(false);
    }
    FTimer.Detach();
}

void TScrollRepeatTimer::Start(TFlatListBoxBase* target)
{
    Timer()->SetEnabled(false);
    FTarget = target;
    Timer()->SetEnabled(true);
}

void TScrollRepeatTimer::Stop()
{
    Timer()->SetEnabled(false);
    Timer()->SetInterval(FirstDelay);
}

// ---------------------------------------------------------------- TFlatListBoxBase

namespace {

UINT WheelRollMessage()
{
    // Sent by wheel drivers older than WM_MOUSEWHEEL.
    static const UINT message = RegisterWindowMessageA("MSWHEEL_ROLLMSG");
    return message;
}

} // namespace

TFlatListBoxBase::TFlatListBoxBase(TComponent* owner, const char* winClassName, TScrollRepeatTimer& repeat,
                                   int markLimit)
    : TFlatBorderColorControl(owner, 40, true), FRepeat(repeat), FWinClassName(winClassName), FMarkLimit(markLimit)
{
    FWidth = 137;
    FHeight = 99;
    // Row presses skip the toolkit's press handling, so the click is ours.
    SetClickEvents(false);
    FItems.OnChange = [this](TObject*) { ItemsChanged(); };
    FRepeat.AddUser();
    FitToRows();
}

TFlatListBoxBase::~TFlatListBoxBase()
{
    FRepeat.RemoveUser(this);
}

void TFlatListBoxBase::CreateParams(TCreateParams& params)
{
    TFlatBorderColorControl::CreateParams(params);
    params.WinClassName = FWinClassName;
}

void TFlatListBoxBase::SetItems(std::vector<std::string>& texts)
{
    if (texts.size() > static_cast<size_t>(MaxMarks))
        return;
    for (std::string& text : texts)
        text = Trim(text);
    FItems.Assign(texts);
}

void TFlatListBoxBase::SetItems(TStringList& list)
{
    if (list.Count() > MaxMarks)
        return;
    std::vector<std::string> texts = list.Strings();
    SetItems(texts);
    list.Assign(texts);
}

void TFlatListBoxBase::ItemsChanged()
{
    if (FEnabled)
        ClearMarks();
    // A shrunk list must not leave blank rows above its end in view.
    ClampTopIndex();
    Invalidate();
}

void TFlatListBoxBase::ClampTopIndex()
{
    FTopIndex = std::clamp(FTopIndex, 0, std::max(FItems.Count() - FVisibleCount, 0));
}

bool TFlatListBoxBase::Marked(int index) const
{
    return index >= 0 && static_cast<size_t>(index) < FMarks.size() && FMarks[static_cast<size_t>(index)];
}

bool TFlatListBoxBase::SetMarked(int index, bool value)
{
    if (index < 0 || index >= FMarkLimit || Marked(index) == value)
        return false;
    const auto at = static_cast<size_t>(index);
    if (at >= FMarks.size())
        FMarks.resize(at + 1);
    FMarks[at] = value;
    return true;
}

int TFlatListBoxBase::MarkCount() const
{
    return static_cast<int>(std::count(FMarks.begin(), FMarks.end(), true));
}

void TFlatListBoxBase::SetItemHeight(int value)
{
    value = std::max(value, 1);
    if (value == FItemHeight)
        return;
    FItemHeight = value;
    FitToRows();
    Invalidate();
}

void TFlatListBoxBase::SetScrollBars(bool value)
{
    if (value == FScrollBars)
        return;
    FScrollBars = value;
    // A layout gives the height with the scroll buttons already counted.
    if (!Loading())
        SetHeight(FHeight + (value ? 20 : -20));
    FitToRows();
    Invalidate();
}

void TFlatListBoxBase::SetSorted(bool value)
{
    if (value == FSorted)
        return;
    FSorted = value;
    FItems.SetSorted(value);
    ClearMarks();
    Invalidate();
}

void TFlatListBoxBase::SetTransparentMode(TTransparentMode value)
{
    if (value == FTransparentMode)
        return;
    FTransparentMode = value;
    Invalidate();
}

void TFlatListBoxBase::SetColorProperty(TColor& field, TColor value)
{
    if (value == field)
        return;
    field = value;
    CalcAdvColors();
    Invalidate();
}

void TFlatListBoxBase::Loaded()
{
    TFlatBorderColorControl::Loaded();
    FitToRows();
}

void TFlatListBoxBase::Resized()
{
    TFlatBorderColorControl::Resized();
    FitToRows();
}

void TFlatListBoxBase::FitToRows()
{
    const int pitch = FItemHeight + 2;
    const int count = std::max(0, (FHeight - ReservedHeight()) / pitch);
    const int fitting = pitch * count + ReservedHeight();
    if (fitting != FHeight) {
        // Comes back here through Resized with the fitting height.
        SetHeight(fitting);
        return;
    }
    FVisibleCount = count;
    FRows.clear();
    const RECT client = ClientRect();
    const int first = client.top + (FScrollBars ? 13 : 3);
    for (int k = 0; k < count; ++k) {
        const int top = first + k * pitch;
        FRows.push_back({client.left + 3, top, client.right - 3, top + FItemHeight});
    }
}

int TFlatListBoxBase::ShownRows() const
{
    return std::clamp(FItems.Count() - FTopIndex, 0, FVisibleCount);
}

int TFlatListBoxBase::RowAt(POINT p) const
{
    const int shown = ShownRows();
    for (int k = 0; k < shown; ++k)
        if (PtInRect(&FRows[static_cast<size_t>(k)], p))
            return k;
    return -1;
}

void TFlatListBoxBase::ScrollUpBy(int step)
{
    FTopIndex = std::max(FTopIndex - step, 0);
}

void TFlatListBoxBase::ScrollDownBy(int step)
{
    if (FItems.Count() < FTopIndex + FVisibleCount + step)
        FTopIndex = std::max(FItems.Count() - FVisibleCount, 0);
    else
        FTopIndex += step;
}

// ---------------------------------------------------------------- mouse, keys, wheel

void TFlatListBoxBase::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    // A press and a release over the control make a click, also when a row
    // took the press.
    if (button == mbLeft)
        FClickPending = true;
    if (button == mbLeft && FItems.Count() > 0 && PressRow(x, y))
        return;
    if (FScrollBars) {
        const POINT p{x, y};
        const RECT client = ClientRect();
        const RECT upButton{client.left, client.top, client.right, client.top + ScrollButtonHeight};
        const RECT downButton{client.left, client.bottom - ScrollButtonHeight, client.right, client.bottom};
        if (PtInRect(&upButton, p)) {
            ScrollUpBy(1);
            StartRepeat(true);
        } else if (PtInRect(&downButton, p)) {
            if (CanScrollDown())
                ++FTopIndex;
            StartRepeat(false);
        }
    }
    TFlatBorderColorControl::MouseDown(button, shift, x, y);
}

void TFlatListBoxBase::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    FRepeat.Stop();
    const bool click = button == mbLeft && FClickPending && ContainsPoint(x, y);
    if (button == mbLeft)
        FClickPending = false;
    if (click)
        Click();
    TFlatBorderColorControl::MouseUp(button, shift, x, y);
}

void TFlatListBoxBase::StartRepeat(bool up)
{
    FRepeatUp = up;
    SetFocus();
    Invalidate();
    FRepeat.Start(this);
}

void TFlatListBoxBase::RepeatTick()
{
    FRepeat.Timer()->SetInterval(TScrollRepeatTimer::RepeatDelay);
    if (FRepeatUp) {
        if (FTopIndex - 1 < 0) {
            FTopIndex = 0;
            FRepeat.Timer()->SetEnabled(false);
        } else {
            --FTopIndex;
        }
    } else if (CanScrollDown()) {
        ++FTopIndex;
    } else {
        FRepeat.Timer()->SetEnabled(false);
    }
    Invalidate();
}

void TFlatListBoxBase::KeyDown(WORD& key, TShiftState shift)
{
    switch (key) {
    case VK_UP:
        ScrollUpBy(1);
        break;
    case VK_DOWN:
        if (CanScrollDown())
            ++FTopIndex;
        break;
    case VK_PRIOR:
        ScrollUpBy(FVisibleCount);
        break;
    case VK_NEXT:
        ScrollDownBy(FVisibleCount);
        break;
    default:
        if (!HandleKey(key)) {
            TFlatBorderColorControl::KeyDown(key, shift);
            return;
        }
        break;
    }
    Invalidate();
}

void TFlatListBoxBase::MouseWheel(int delta)
{
    // Fine-grained wheels and touchpads send parts of a notch: sum them up,
    // and start afresh when the wheel turns the other way.
    if ((delta < 0) != (FWheelDelta < 0))
        FWheelDelta = 0;
    FWheelDelta += delta;
    const int notches = FWheelDelta / WHEEL_DELTA;
    FWheelDelta -= notches * WHEEL_DELTA;
    if (notches != 0) {
        UINT lines = 0;
        SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
        // "Scroll a page per notch" is a page here as well.
        const int step = (lines == 0 || lines == WHEEL_PAGESCROLL) ? FVisibleCount : static_cast<int>(lines);
        // Towards the user (negative) scrolls down.
        for (int i = 0; i < std::abs(notches); ++i) {
            if (notches < 0)
                ScrollDownBy(step);
            else
                ScrollUpBy(step);
        }
    }
    Invalidate();
}

LRESULT TFlatListBoxBase::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_MOUSEWHEEL:
        MouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    default:
        if (msg == WheelRollMessage()) {
            // The old drivers pass the delta as the whole wParam.
            MouseWheel(static_cast<int>(static_cast<INT_PTR>(wParam)));
            return 0;
        }
        return TFlatBorderColorControl::WndProc(msg, wParam, lParam);
    }
}

void TFlatListBoxBase::DoEnter()
{
    if (FTransparentMode != tmNone)
        Invalidate();
    TFlatBorderColorControl::DoEnter();
}

void TFlatListBoxBase::DoExit()
{
    if (FTransparentMode != tmNone)
        Invalidate();
    TFlatBorderColorControl::DoExit();
}

// ---------------------------------------------------------------- painting

void TFlatListBoxBase::PaintArrow(TCanvas& canvas, std::vector<TPoint> points, bool active) const
{
    if (active) {
        canvas.Polygon(points, FColorArrow);
        return;
    }
    std::vector<TPoint> shadow = points;
    for (TPoint& p : shadow) {
        ++p.x;
        ++p.y;
    }
    canvas.Polygon(shadow, clWhite);
    canvas.Polygon(points, clGray);
}

void TFlatListBoxBase::Paint(TCanvas& canvas)
{
    const RECT client = ClientRect();
    canvas.Font = FFont;
    const bool opaque = FTransparentMode == tmNone || (FTransparentMode == tmNotFocused && Focused());
    if (opaque)
        canvas.FillRect(client, FColorItemsRect);
    else
        DrawParentImage(*this, canvas);
    canvas.FrameRect(client, FColorBorder);

    if (FScrollBars) {
        const RECT upButton{client.left, client.top, client.right, client.top + ScrollButtonHeight};
        const RECT downButton{client.left, client.bottom - ScrollButtonHeight, client.right, client.bottom};
        for (const RECT& button : {upButton, downButton}) {
            canvas.FillRect(button, FColor);
            canvas.FrameRect(button, FColorBorder);
        }
        const int cx = (client.right - client.left) / 2;
        const int top = client.top;
        const int bottom = client.bottom;
        PaintArrow(canvas, {{cx - 2, top + 6}, {cx + 2, top + 6}, {cx, top + 4}}, FEnabled && FTopIndex > 0);
        PaintArrow(canvas, {{cx - 2, bottom - 7}, {cx + 2, bottom - 7}, {cx, bottom - 5}}, FEnabled && CanScrollDown());
    }

    const int shown = ShownRows();
    for (int k = 0; k < shown; ++k)
        PaintRow(canvas, FRows[static_cast<size_t>(k)], FTopIndex + k);
}

void TFlatListBoxBase::PaintRowHighlight(TCanvas& canvas, const RECT& row) const
{
    canvas.FillRect(row, FColorItemsSelect);
    canvas.FrameRect(row, FColorBorder);
}

void TFlatListBoxBase::PaintRowText(TCanvas& canvas, RECT row, int index, int inset) const
{
    row.left += inset;
    row.right -= inset;
    const UINT flags = DT_SINGLELINE | DT_LEFT | DT_VCENTER | DT_NOPREFIX;
    if (FEnabled)
        canvas.DrawText(FItems[index], row, flags);
    else
        DrawDisabledText(canvas, FItems[index], row, flags);
}
