// The flat list box: text items with single or multiple selection.
#pragma once

#include "controls/FlatListBoxBase.h"

class TFlatListBox : public TFlatListBoxBase {
public:
    explicit TFlatListBox(TComponent* owner);

    bool MultiSelect() const { return FMultiSelect; }
    // Only the flag: the current selection stays.
    void SetMultiSelect(bool value) { FMultiSelect = value; }
    bool ItemSelected(int index) const { return Marked(index); }
    // Without MultiSelect the other marks go first. Fires no event.
    void SetItemSelected(int index, bool value);
    // The number of selected items, or -1 without MultiSelect.
    int SelectedCount() const;

    // The auto-repeat timer all flat list boxes share (for tests).
    static TTimer* ScrollTimer();

protected:
    bool PressRow(int x, int y) override;
    void PaintRow(TCanvas& canvas, const RECT& row, int index) override;

private:
    bool FMultiSelect = false;
};
