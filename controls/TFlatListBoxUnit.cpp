#include "controls/TFlatListBoxUnit.h"

TFlatListBox::TFlatListBox(TComponent* owner)
    : TFlatListBoxBase(owner, "TFlatListBox", SharedRepeat<TFlatListBox>(), MaxMarks)
{
}

TTimer* TFlatListBox::ScrollTimer()
{
    return SharedRepeat<TFlatListBox>().Timer();
}

void TFlatListBox::SetItemSelected(int index, bool value)
{
    if (!FMultiSelect)
        ClearMarks();
    SetMarked(index, value);
    Invalidate();
}

int TFlatListBox::SelectedCount() const
{
    return FMultiSelect ? MarkCount() : -1;
}

bool TFlatListBox::PressRow(int x, int y)
{
    // Rows below the last item are not items: a press there selects nothing.
    const int row = RowAt({x, y});
    if (row < 0)
        return false;
    const int index = TopIndex() + row;
    if (FMultiSelect) {
        SetMarked(index, !Marked(index));
    } else {
        ClearMarks();
        SetMarked(index, true);
    }
    SetFocus();
    Invalidate();
    return true;
}

void TFlatListBox::PaintRow(TCanvas& canvas, const RECT& row, int index)
{
    if (Marked(index))
        PaintRowHighlight(canvas, row);
    PaintRowText(canvas, row, index, 3);
}
