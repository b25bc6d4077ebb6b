#include "dialogs/DialogStyles.h"

#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatEditUnit.h"
#include "controls/TFlatGroupBoxUnit.h"
#include "controls/TFlatListBoxUnit.h"
#include "controls/TFlatPanelUnit.h"
#include "controls/TFlatSpeedButtonUnit.h"
#include "controls/TFlatTabControlUnit.h"
#include "framework/StdLabel.h"

void TitleBarStyle(TControl& c)
{
    BlackFrameStyle(c);
    static_cast<TFlatPanel&>(c).SetAlignment(taLeftJustify);
}

void BlackFrameStyle(TControl& c)
{
    auto& panel = static_cast<TFlatPanel&>(c);
    panel.SetColorHighLight(clBlack);
    panel.SetColorShadow(clBlack);
}

void GroupStyle(TControl& c)
{
    auto& group = static_cast<TFlatGroupBox&>(c);
    group.SetColor(kGroupColor);
    group.SetColorBorder(clWhite);
}

void WhitePanelStyle(TControl& c)
{
    auto& panel = static_cast<TFlatPanel&>(c);
    panel.SetColor(clWhite);
    panel.SetCaption("");
    panel.SetColorHighLight(clWhite);
    panel.SetColorShadow(clWhite);
}

void ExplainStyle(TControl& c)
{
    auto& label = static_cast<TLabel&>(c);
    label.SetAutoSize(false);
    label.SetWordWrap(true);
    label.SetTransparent(true);
}

void CentredLabelStyle(TControl& c)
{
    auto& label = static_cast<TLabel&>(c);
    label.SetAutoSize(false);
    label.SetAlignment(taCenter);
    label.SetTransparent(true);
}

void TabStripStyle(TControl& c)
{
    auto& tabs = static_cast<TFlatTabControl&>(c);
    tabs.SetTabHeight(24);
    tabs.SetTabSpacing(5);
    tabs.SetColor(kGroupColor);
    tabs.SetColorBorder(clWhite);
    tabs.SetColorUnselectedTab(clWhite);
}

void PickerStyle(TControl& c)
{
    auto& button = static_cast<TFlatSpeedButton&>(c);
    TBitmap glyph;
    glyph.LoadFromResource(GetModuleHandleA(nullptr), "OPENGLYPH");
    button.SetGlyph(glyph);
    button.SetLayout(blGlyphRight);
}

void ReadOnlyEditStyle(TControl& c)
{
    static_cast<TCustomFlatEdit&>(c).SetReadOnly(true);
}

void CloseButtonStyle(TControl& c)
{
    auto& button = static_cast<TFlatButton&>(c);
    TBitmap cross;
    cross.LoadFromResource(GetModuleHandleA(nullptr), "CLOSEGLYPH");
    button.SetGlyph(cross);
    button.SetColor(RGBColor(236, 236, 206));
    button.SetColorFocused(RGBColor(224, 232, 234));
    button.SetColorDown(RGBColor(240, 202, 166));
    button.SetColorBorder(clWhite);
    button.SetColorShadow(RGBColor(240, 251, 255));
}

void TitleCloseStyle(TControl& c)
{
    CloseButtonStyle(c);
    // The cross alone fills the 16 pixels; the caption "x" stays for keys.
    auto& button = static_cast<TFlatButton&>(c);
    button.SetMargin(0);
    button.SetSpacing(0);
}

void ScrollingListStyle(TControl& c)
{
    auto& list = static_cast<TFlatListBox&>(c);
    list.SetColor(clWhite);
    list.SetScrollBars(true);
}
