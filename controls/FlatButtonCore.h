// What the windowed flat button and the windowless speed button share: their
// state, mouse handling, grouping, the click action, hover tracking and the
// painting. Each of the two classes adds only what its kind needs.
#pragma once

#include "controls/FlatColors.h"
#include "controls/FlatHover.h"

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// up, disabled, down (pressed), exclusive (latched down in a group)
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

// Where the glyph and the caption of a button go.
struct TButtonContentLayout {
    POINT GlyphPos;
    RECT TextRect;
};

// glyph: the size of one image, or 0 x 0; text: the caption's extent on one
// line, or 0 x 0. margin and spacing -1 mean "centre" and "fill evenly".
TButtonContentLayout CalcButtonLayout(const RECT& client, POINT offset, SIZE glyph, SIZE text, TButtonLayout layout,
                                      int margin, int spacing);

// The image of a glyph strip a button shows in state, or -1 for the embossed
// silhouette of the single image.
int GlyphImageFor(TButtonState state, int numGlyphs);

// The silhouette of a disabled single glyph: its shape (every pixel not in the
// transparent colour) in clBtnShadow over a copy one pixel right and down in
// clBtnHighlight, on clBtnFace.
TBitmap EmbossedGlyph(const TBitmap& glyph, const RECT& source, COLORREF transparent);

// Buttons of one parent tell each other about their group.
class TFlatGroupMember {
public:
    virtual ~TFlatGroupMember() = default;
    virtual void GroupChanged(int groupIndex, bool senderDown, bool allowAllUp) = 0;
};

template <class TBase>
class TFlatButtonCore : public TFlatColorControl<TBase>, public TFlatGroupMember, public TFlatHoverTarget {
public:
    explicit TFlatButtonCore(TComponent* owner);
    ~TFlatButtonCore() override;

    TColor ColorHighLight() const { return FColorHighLight; }
    void SetColorHighLight(TColor color);
    TColor ColorShadow() const { return FColorShadow; }
    void SetColorShadow(TColor color);
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode mode);

    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int index);
    bool Down() const { return FDown; }
    void SetDown(bool down);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);

    const TBitmap& Glyph() const { return FGlyph; }
    // Copies the bitmap; a strip of square images sets NumGlyphs.
    void SetGlyph(const TBitmap& glyph);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int count);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout layout);
    int Margin() const { return FMargin; }
    void SetMargin(int margin);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int spacing);

    int ModalResult() const { return FModalResult; }
    void SetModalResult(int result) { FModalResult = result; }

    TButtonState State() const { return FState; }
    bool Dragging() const { return FDragging; }

    // The hover timer shared by all buttons of this kind.
    static TFlatHoverTracker& HoverTracker();
    static TTimer* HoverTimer() { return HoverTracker().Timer(); }

    void Paint(TCanvas& canvas) override;
    // The click action: the form's modal result first, then OnClick.
    void Click() override;
    void DblClick() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DialogChar(char key) override;
    void EnabledChanged() override;
    void Resized() override;
    void Moved() override;

    void GroupChanged(int groupIndex, bool senderDown, bool allowAllUp) override;
    TControl& HoverControl() override { return *this; }

protected:
    bool HoverHeld() const override { return FDragging; }
    // Where the others show the parent's image; the speed button leaves its
    // parent's painting as it is.
    virtual void PaintBehind(TCanvas&) {}
    virtual int UpBorderWidth() const { return 1; }
    virtual void PressTakesFocus() {}
    void SetState(TButtonState state);

    TButtonState FState = bsUp;
    bool FDragging = false;

private:
    bool InsideForDrag(int x, int y) const;
    // What the state is while the button is neither pressed nor dragged.
    TButtonState RestingState() const;
    void TellSiblings();

    TColor FColorHighLight = clWhite;
    TColor FColorShadow = clBlack;
    TTransparentMode FTransparentMode = tmNone;
    int FGroupIndex = 0;
    bool FDown = false;
    bool FAllowAllUp = false;
    TBitmap FGlyph;
    int FNumGlyphs = 1;
    TButtonLayout FLayout = blGlyphTop;
    int FMargin = -1;
    int FSpacing = 4;
    int FModalResult = 0;
};

extern template class TFlatButtonCore<TCustomControl>;
extern template class TFlatButtonCore<TGraphicControl>;
