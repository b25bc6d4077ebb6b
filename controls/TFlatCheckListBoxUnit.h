// The flat check list box: items with a tick box each, one item highlighted.
#pragma once

#include "controls/FlatListBoxBase.h"

class TFlatCheckListBox : public TFlatListBoxBase {
public:
    explicit TFlatCheckListBox(TComponent* owner);

    TColor ColorCheck() const { return FColorCheck; }
    void SetColorCheck(TColor value);
    // The user sets the ticks; the program reads them.
    bool ItemChecked(int index) const { return Marked(index); }
    // -1 when none; forgotten when the control loses the focus.
    int HighlightedItem() const { return FHighlightedItem; }

    // Fired after a tick was toggled with the mouse (not with the space bar).
    TNotifyEvent OnClickCheck;
    // Fired after any tick the user toggled, with the mouse or the space bar.
    TNotifyEvent OnMarkToggled;

    void DoExit() override;

    // The auto-repeat timer all flat check list boxes share (for tests).
    static TTimer* ScrollTimer();

protected:
    bool PressRow(int x, int y) override;
    void PaintRow(TCanvas& canvas, const RECT& row, int index) override;
    bool HandleKey(WORD key) override;

private:
    static RECT CheckBoxRect(const RECT& row) { return {row.left + 3, row.top + 3, row.left + 14, row.top + 14}; }

    TColor FColorCheck = clBlack;
    int FHighlightedItem = -1;
};
