// What the flat list box and the flat check list box share: the items with
// their marks, whole-item scrolling with the drawn scroll buttons and
// their auto-repeat, the keyboard and the wheel, and the painting of the
// frame, the buttons and the rows.
#pragma once

#include "controls/FlatBorderColor.h"
#include "controls/FlatUtilitys.h"
#include "framework/StringList.h"
#include "framework/Timer.h"

#include <string>
#include <vector>

class TFlatListBoxBase;

// The auto-repeat timer of one list box class, shared by all its instances:
// made with the first, freed with the last, pointed at the control whose
// scroll button is held.
class TScrollRepeatTimer {
public:
    static constexpr unsigned FirstDelay = 600;
    static constexpr unsigned RepeatDelay = 100;

    TScrollRepeatTimer();
    TTimer* Timer() const { return FTimer.Timer(); }
    void AddUser();
    void RemoveUser(TFlatListBoxBase* user);
    void Start(TFlatListBoxBase* target);
    void Stop();

private:
    TFlatListBoxBase* FTarget = nullptr;
    TSharedTimer FTimer;
};

class TFlatListBoxBase : public TFlatBorderColorControl {
public:
    // The list box selects only its first this many items; the check list
    // box ticks every item.
    static constexpr int MaxMarks = 256;
    static constexpr int ScrollButtonHeight = 11;

    ~TFlatListBoxBase() override;

    TStringList& Items() { return FItems; }
    const TStringList& Items() const { return FItems; }
    // More than 256 texts are ignored; otherwise the texts are trimmed (in
    // the given list too) and copied.
    void SetItems(std::vector<std::string>& texts);
    void SetItems(TStringList& list);

    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int value);
    bool ScrollBars() const { return FScrollBars; }
    // Grows or shrinks the control by the two scroll buttons' 20 pixels. Set
    // it before the bounds where a layout gives the final height.
    void SetScrollBars(bool value);
    bool Sorted() const { return FSorted; }
    void SetSorted(bool value);
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode value);

    TColor ColorArrow() const { return FColorArrow; }
    void SetColorArrow(TColor value) { SetColorProperty(FColorArrow, value); }
    TColor ColorItemsRect() const { return FColorItemsRect; }
    void SetColorItemsRect(TColor value) { SetColorProperty(FColorItemsRect, value); }
    TColor ColorItemsSelect() const { return FColorItemsSelect; }
    void SetColorItemsSelect(TColor value) { SetColorProperty(FColorItemsSelect, value); }

    int TopIndex() const { return FTopIndex; }
    int VisibleCount() const { return FVisibleCount; }
    // Rectangle of visible row k (0-based), in client coordinates.
    RECT RowRect(int row) const { return FRows.at(static_cast<size_t>(row)); }

    // The auto-repeat timer of class T, one for all its instances.
    template <typename T>
    static TScrollRepeatTimer& SharedRepeat()
    {
        static TScrollRepeatTimer timer;
        return timer;
    }

    void Paint(TCanvas& canvas) override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;
    void Resized() override;
    void Loaded() override;

protected:
    // markLimit: how many leading items can be marked.
    TFlatListBoxBase(TComponent* owner, const char* winClassName, TScrollRepeatTimer& repeat, int markLimit);

    void CreateParams(TCreateParams& params) override;
    // No flicker while scrolling.
    bool PaintsOffScreen() const override { return true; }

    // A left press with at least one item; true when a row took it, which
    // skips the scroll buttons and the mouse-down event.
    virtual bool PressRow(int x, int y) = 0;
    virtual void PaintRow(TCanvas& canvas, const RECT& row, int index) = 0;
    // A key the derived class handles itself; true when it did.
    virtual bool HandleKey(WORD key) { return false; }

    // The number of visible rows that show an item.
    int ShownRows() const;
    // The visible row at p that shows an item, or -1.
    int RowAt(POINT p) const;
    bool Marked(int index) const;
    // True when the mark really changed (an index beyond the limit never does).
    bool SetMarked(int index, bool value);
    void ClearMarks() { FMarks.clear(); }
    int MarkCount() const;
    // The row look of a selected or highlighted item.
    void PaintRowHighlight(TCanvas& canvas, const RECT& row) const;
    // Item text in the row shrunk by inset on the left and right.
    void PaintRowText(TCanvas& canvas, RECT row, int index, int inset) const;

private:
    friend class TScrollRepeatTimer;

    void SetColorProperty(TColor& field, TColor value);
    void ItemsChanged();
    // Sets the height to whole rows and lays out the row rectangles.
    void FitToRows();
    int ReservedHeight() const { return FScrollBars ? 24 : 4; }
    bool CanScrollDown() const { return FItems.Count() >= FTopIndex + FVisibleCount + 1; }
    void ScrollUpBy(int step);
    // Down by step, but never past the last whole page.
    void ScrollDownBy(int step);
    void StartRepeat(bool up);
    void RepeatTick();
    // delta: signed, WHEEL_DELTA per notch.
    void MouseWheel(int delta);
    // TopIndex within 0 .. count - VisibleCount.
    void ClampTopIndex();
    void PaintArrow(TCanvas& canvas, std::vector<TPoint> points, bool active) const;

    TScrollRepeatTimer& FRepeat;
    const char* FWinClassName;
    TStringList FItems;
    const int FMarkLimit;
    // Grows with the highest index marked so far.
    std::vector<bool> FMarks;
    std::vector<RECT> FRows;
    int FItemHeight = 17;
    bool FScrollBars = false;
    bool FSorted = false;
    TTransparentMode FTransparentMode = tmNone;
    TColor FColorArrow = clBlack;
    TColor FColorItemsRect = clWhite;
    TColor FColorItemsSelect = RGBColor(0xF7, 0xDE, 0x9C);
    int FTopIndex = 0;
    int FVisibleCount = 0;
    bool FRepeatUp = false;
    // The part of a wheel notch not scrolled yet.
    int FWheelDelta = 0;
    bool FClickPending = false;
};
