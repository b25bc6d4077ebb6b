#include "controls/FlatButtonCore.h"

#include "framework/Forms.h"

#include <vector>

// ---------------------------------------------------------------- layout and glyphs

TButtonContentLayout CalcButtonLayout(const RECT& client, POINT offset, SIZE glyph, SIZE text, TButtonLayout layout,
                                      int margin, int spacing)
{
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    POINT glyphPos{0, 0};
    POINT textPos{0, 0};
    // Across the layout axis both are centred.
    if (horizontal) {
        glyphPos.y = (height - glyph.cy + 1) / 2;
        textPos.y = (height - text.cy + 1) / 2;
    } else {
        glyphPos.x = (width - glyph.cx + 1) / 2;
        textPos.x = (width - text.cx + 1) / 2;
    }
    const bool noGlyph = glyph.cx == 0 && glyph.cy == 0;
    const bool noText = text.cx == 0 && text.cy == 0;
    if (noGlyph || noText)
        spacing = 0;
    const int extent = horizontal ? width : height;
    const int g = horizontal ? glyph.cx : glyph.cy;
    const int t = horizontal ? text.cx : text.cy;
    if (margin == -1) {
        if (spacing == -1)
            margin = spacing = (extent - (g + t)) / 3;
        else
            margin = (extent - (g + spacing + t) + 1) / 2;
    } else if (spacing == -1) {
        spacing = ((extent - (margin + g)) - t) / 2;
    }
    int glyphAt;
    int textAt;
    if (layout == blGlyphLeft || layout == blGlyphTop) {
        glyphAt = margin;
        textAt = glyphAt + g + spacing;
    } else {
        glyphAt = extent - margin - g;
        textAt = glyphAt - spacing - t;
    }
    (horizontal ? glyphPos.x : glyphPos.y) = glyphAt;
    (horizontal ? textPos.x : textPos.y) = textAt;

    const int dx = client.left + offset.x;
    const int dy = client.top + offset.y;
    TButtonContentLayout result;
    result.GlyphPos = {glyphPos.x + dx, glyphPos.y + dy};
    result.TextRect = {textPos.x + dx, textPos.y + dy, textPos.x + dx + text.cx, textPos.y + dy + text.cy};
    return result;
}

int GlyphImageFor(TButtonState state, int numGlyphs)
{
    switch (state) {
    case bsDisabled:
        return numGlyphs >= 2 ? 1 : -1;
    case bsDown:
        return numGlyphs <= 2 ? 0 : 2;
    case bsExclusive:
        return numGlyphs <= 2 ? 0 : numGlyphs == 3 ? 2 : 3;
    default:
        return 0;
    }
}

TBitmap EmbossedGlyph(const TBitmap& glyph, const RECT& source, COLORREF transparent)
{
    const int w = source.right - source.left;
    const int h = source.bottom - source.top;
    TBitmap result;
    result.SetSize(w, h);
    UniqueMemDC src;
    SelectGuard selectSrc(src.Get(), glyph.Handle());
    UniqueMemDC dst;
    SelectGuard selectDst(dst.Get(), result.Handle());
    TCanvas canvas(dst.Get());
    canvas.FillRect({0, 0, w, h}, clBtnFace);
    std::vector<POINT> shape;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (GetPixel(src.Get(), source.left + x, source.top + y) != transparent)
                shape.push_back({x, y});
    for (const POINT& p : shape)
        if (p.x + 1 < w && p.y + 1 < h)
            canvas.SetPixel(p.x + 1, p.y + 1, clBtnHighlight);
    for (const POINT& p : shape)
        canvas.SetPixel(p.x, p.y, clBtnShadow);
    return result;
}

// ---------------------------------------------------------------- TFlatButtonCore

template <class TBase>
TFlatButtonCore<TBase>::TFlatButtonCore(TComponent* owner) : TFlatColorControl<TBase>(owner, RGBColor(0xEB, 0xEA, 0xE1))
{
    this->FWidth = 25;
    this->FHeight = 25;
    // Clicks come from our own press/release logic.
    this->SetClickEvents(false);
    HoverTracker().Attach();
}

template <class TBase>
TFlatButtonCore<TBase>::~TFlatButtonCore()
{
    HoverTracker().Detach(*this);
}

template <class TBase>
TFlatHoverTracker& TFlatButtonCore<TBase>::HoverTracker()
{
    // Never destroyed: buttons may outlive the statics at program end.
    static auto* tracker = new TFlatHoverTracker;
    return *tracker;
}

template <class TBase>
void TFlatButtonCore<TBase>::SetState(TButtonState state)
{
    if (state == FState)
        return;
    FState = state;
    this->Invalidate();
}

template <class TBase>
TButtonState TFlatButtonCore<TBase>::RestingState() const
{
    if (!this->Enabled())
        return bsDisabled;
    return FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
}

template <class TBase>
void TFlatButtonCore<TBase>::SetColorHighLight(TColor color)
{
    FColorHighLight = color;
    this->ColorsChanged();
}

template <class TBase>
void TFlatButtonCore<TBase>::SetColorShadow(TColor color)
{
    FColorShadow = color;
    this->ColorsChanged();
}

template <class TBase>
void TFlatButtonCore<TBase>::SetTransparentMode(TTransparentMode mode)
{
    FTransparentMode = mode;
    this->Invalidate();
}

template <class TBase>
void TFlatButtonCore<TBase>::SetGroupIndex(int index)
{
    if (index == FGroupIndex)
        return;
    FGroupIndex = index;
    TellSiblings();
}

template <class TBase>
void TFlatButtonCore<TBase>::SetAllowAllUp(bool value)
{
    if (value == FAllowAllUp)
        return;
    FAllowAllUp = value;
    TellSiblings();
}

template <class TBase>
void TFlatButtonCore<TBase>::SetDown(bool down)
{
    if (FGroupIndex == 0)
        down = false;
    if (down == FDown || (FDown && !FAllowAllUp))
        return;
    FDown = down;
    // A disabled button stays disabled; enabling shows it latched or not.
    if (down) {
        if (FState == bsUp)
            this->Invalidate();
        FState = RestingState();
        TellSiblings();
    } else {
        FState = RestingState();
        this->Repaint();
    }
}

template <class TBase>
void TFlatButtonCore<TBase>::TellSiblings()
{
    if (FGroupIndex == 0 || !this->Parent())
        return;
    for (TControl* sibling : std::vector<TControl*>(this->Parent()->Controls()))
        if (sibling != this)
            if (auto* member = dynamic_cast<TFlatGroupMember*>(sibling))
                member->GroupChanged(FGroupIndex, FDown, FAllowAllUp);
}

template <class TBase>
void TFlatButtonCore<TBase>::GroupChanged(int groupIndex, bool senderDown, bool allowAllUp)
{
    if (groupIndex != FGroupIndex)
        return;
    if (senderDown && FDown) {
        FDown = false;
        FState = RestingState();
        this->Invalidate();
    }
    FAllowAllUp = allowAllUp;
}

template <class TBase>
void TFlatButtonCore<TBase>::SetGlyph(const TBitmap& glyph)
{
    FGlyph = glyph;
    if (!FGlyph.Empty() && FGlyph.Width() % FGlyph.Height() == 0) {
        const int count = FGlyph.Width() / FGlyph.Height();
        FNumGlyphs = count >= 1 && count <= 4 ? count : 1;
    }
    this->Invalidate();
}

template <class TBase>
void TFlatButtonCore<TBase>::SetNumGlyphs(int count)
{
    if (count < 1 || count > 4)
        return;
    FNumGlyphs = count;
    this->Invalidate();
}

template <class TBase>
void TFlatButtonCore<TBase>::SetLayout(TButtonLayout layout)
{
    FLayout = layout;
    this->Invalidate();
}

template <class TBase>
void TFlatButtonCore<TBase>::SetMargin(int margin)
{
    if (margin < -1)
        return;
    FMargin = margin;
    this->Invalidate();
}

template <class TBase>
void TFlatButtonCore<TBase>::SetSpacing(int spacing)
{
    FSpacing = spacing;
    this->Invalidate();
}

template <class TBase>
void TFlatButtonCore<TBase>::Click()
{
    // Also 0 is set: a plain button clears a result left from before.
    if (TCustomForm* form = this->GetParentForm())
        form->SetModalResult(FModalResult);
    TBase::Click();
}

template <class TBase>
void TFlatButtonCore<TBase>::DblClick()
{
    if (FDown)
        TBase::DblClick();
}

template <class TBase>
bool TFlatButtonCore<TBase>::InsideForDrag(int x, int y) const
{
    // The bottom edge counts as inside.
    return x >= 0 && x < this->Width() && y >= 0 && y <= this->Height();
}

template <class TBase>
void TFlatButtonCore<TBase>::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && this->Enabled()) {
        if (!FDown) {
            FState = bsDown;
            this->Invalidate();
        }
        FDragging = true;
        PressTakesFocus();
    }
    TBase::MouseDown(button, shift, x, y);
}

template <class TBase>
void TFlatButtonCore<TBase>::MouseMove(TShiftState shift, int x, int y)
{
    HoverTracker().MouseMoved(*this);
    if (FDragging)
        SetState(FDown ? bsExclusive : InsideForDrag(x, y) ? bsDown : bsUp);
    TBase::MouseMove(shift, x, y);
}

template <class TBase>
void TFlatButtonCore<TBase>::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && FDragging) {
        FDragging = false;
        const bool inside = InsideForDrag(x, y);
        if (FGroupIndex == 0) {
            FState = bsUp;
            FMouseIn = false;
            this->Invalidate();
        } else if (inside) {
            SetDown(!FDown);
            if (FDown)
                this->Invalidate();
        } else {
            // Released outside: a grouped button keeps what it was.
            FState = FDown ? bsExclusive : bsUp;
            this->Invalidate();
        }
        if (inside)
            Click();
        else
            HoverTracker().Leave(*this);
        HoverTracker().Recheck(*this);
    }
    TBase::MouseUp(button, shift, x, y);
}

template <class TBase>
bool TFlatButtonCore<TBase>::DialogChar(char key)
{
    if (!this->Enabled() || !IsAccel(key, this->Caption()))
        return false;
    if (FGroupIndex != 0)
        SetDown(true);
    Click();
    return true;
}

template <class TBase>
void TFlatButtonCore<TBase>::EnabledChanged()
{
    // The state follows here, so that painting only reads it.
    FState = RestingState();
    if (!this->Enabled()) {
        FMouseIn = false;
        FDragging = false;
        HoverTracker().StopTracking(*this);
    } else {
        HoverTracker().Recheck(*this);
    }
    TBase::EnabledChanged();
}

template <class TBase>
void TFlatButtonCore<TBase>::Resized()
{
    // A see-through button shows another part of its parent now.
    if (FTransparentMode != tmNone)
        this->Invalidate();
    TBase::Resized();
}

template <class TBase>
void TFlatButtonCore<TBase>::Moved()
{
    if (FTransparentMode != tmNone)
        this->Invalidate();
    TBase::Moved();
}

template <class TBase>
void TFlatButtonCore<TBase>::Paint(TCanvas& canvas)
{
    canvas.Font = this->Font();
    const RECT client = this->ClientRect();
    const COLORREF transparent = FGlyph.Empty() ? CLR_INVALID : FGlyph.Pixel(0, FGlyph.Height() - 1);

    const int shift = FState == bsDown || FState == bsExclusive ? 1 : 0;

    SIZE glyphSize{0, 0};
    if (!FGlyph.Empty())
        glyphSize = {FGlyph.Width() / FNumGlyphs, FGlyph.Height()};
    const std::string& caption = this->Caption();
    SIZE textSize{0, 0};
    if (!caption.empty()) {
        RECT r{0, 0, client.right - client.left, 0};
        canvas.DrawText(caption, r, DT_CALCRECT | DT_SINGLELINE);
        textSize = {r.right - r.left, r.bottom - r.top};
    }
    const TButtonContentLayout layout = CalcButtonLayout(client, {shift, shift}, glyphSize, textSize, FLayout, FMargin, FSpacing);

    const TColor color = this->Color();
    bool fill = true;
    TColor fillColor = color;
    switch (FTransparentMode) {
    case tmAlways:
        fill = false;
        break;
    case tmNotFocused:
        fill = FMouseIn;
        fillColor = FState == bsDisabled ? color : FState == bsDown ? this->FColorDown : this->FColorFocused;
        break;
    case tmNone:
        switch (FState) {
        case bsUp:
            fillColor = FMouseIn ? this->FColorFocused : color;
            break;
        case bsDisabled:
            break;
        case bsDown:
            fillColor = this->FColorDown;
            break;
        case bsExclusive:
            fillColor = FMouseIn ? this->FColorFocused : this->FColorDown;
            break;
        }
        break;
    }
    if (fill)
        canvas.FillRect(client, fillColor);
    else
        PaintBehind(canvas);

    const TColor border = this->FColorBorder;
    switch (FState) {
    case bsUp:
        if (FMouseIn)
            Frame3D(canvas, client, FColorHighLight, FColorShadow, 1);
        else
            Frame3D(canvas, client, border, border, UpBorderWidth());
        break;
    case bsDisabled:
        Frame3D(canvas, client, border, border, 1);
        break;
    case bsDown:
    case bsExclusive:
        Frame3D(canvas, client, FColorShadow, FColorHighLight, 1);
        break;
    }

    if (!FGlyph.Empty()) {
        const int image = GlyphImageFor(FState, FNumGlyphs);
        const int w = glyphSize.cx;
        const int h = glyphSize.cy;
        if (image < 0) {
            const TBitmap embossed = EmbossedGlyph(FGlyph, {0, 0, w, h}, transparent);
            canvas.Draw(layout.GlyphPos.x, layout.GlyphPos.y, embossed, embossed.Pixel(0, h - 1));
        } else {
            canvas.DrawPart(layout.GlyphPos.x, layout.GlyphPos.y, FGlyph, {image * w, 0, image * w + w, h}, transparent);
        }
    }

    if (!caption.empty()) {
        RECT r = layout.TextRect;
        const UINT flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
        if (FState == bsDisabled)
            DrawEmbossedText(canvas, caption, r, flags);
        else
            canvas.DrawText(caption, r, flags);
    }
}

template class TFlatButtonCore<TCustomControl>;
template class TFlatButtonCore<TGraphicControl>;
