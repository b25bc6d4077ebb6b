#include "controls/TFlatCheckListBoxUnit.h"

#include <climits>

// Every notice must be tickable, however many the client has recorded.
TFlatCheckListBox::TFlatCheckListBox(TComponent* owner)
    : TFlatListBoxBase(owner, "TFlatCheckListBox", SharedRepeat<TFlatCheckListBox>(), INT_MAX)
{
}

TTimer* TFlatCheckListBox::ScrollTimer()
{
    return SharedRepeat<TFlatCheckListBox>().Timer();
}

void TFlatCheckListBox::SetColorCheck(TColor value)
{
    if (value == FColorCheck)
        return;
    FColorCheck = value;
    Invalidate();
}

bool TFlatCheckListBox::PressRow(int x, int y)
{
    // Rows below the last item hold nothing to tick or highlight.
    const POINT p{x, y};
    const int shown = ShownRows();
    for (int k = 0; k < shown; ++k) {
        const RECT row = RowRect(k);
        const RECT box = CheckBoxRect(row);
        const int index = TopIndex() + k;
        if (PtInRect(&box, p)) {
            const bool toggled = SetMarked(index, !Marked(index));
            SetFocus();
            // Listeners hear of real changes only.
            if (toggled) {
                if (OnClickCheck)
                    OnClickCheck(this);
                if (OnMarkToggled)
                    OnMarkToggled(this);
            }
            Invalidate();
            return true;
        }
        if (PtInRect(&row, p)) {
            FHighlightedItem = index;
            SetFocus();
            Invalidate();
            return true;
        }
    }
    return false;
}

bool TFlatCheckListBox::HandleKey(WORD key)
{
    if (key != VK_SPACE)
        return false;
    if (FHighlightedItem >= 0 && SetMarked(FHighlightedItem, !Marked(FHighlightedItem)) && OnMarkToggled)
        OnMarkToggled(this);
    return true;
}

void TFlatCheckListBox::DoExit()
{
    FHighlightedItem = -1;
    Invalidate();
    TFlatListBoxBase::DoExit();
}

void TFlatCheckListBox::PaintRow(TCanvas& canvas, const RECT& row, int index)
{
    if (index == FHighlightedItem)
        PaintRowHighlight(canvas, row);
    const RECT box = CheckBoxRect(row);
    canvas.FillRect(box, ColorItemsRect());
    if (Marked(index))
        DrawTick(canvas, box.left, box.top, FColorCheck);
    canvas.FrameRect(box, ColorBorder());
    PaintRowText(canvas, row, index, 19);
}
