#include "app/WindowStyles.h"

#include "controls/HTTPLabel.h"
#include "controls/TFlatButtonUnit.h"

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

void LinkStyle(TControl& c)
{
    auto& link = static_cast<THTTPLabel&>(c);
    link.SetAutoSize(false);
    link.SetBGColorNormal(clWhite);
    link.SetBGColorHighlight(RGBColor(84, 119, 138));
    link.SetFontColorNormal(clBackground);
    link.SetFontColHighlightFocused(clWhite);
    link.SetFontColHighlightNoneFocused(clRed);
    link.SetFontStyleNormal(fsBold);
    link.SetFontStyleHighlightFocused(fsBold | fsUnderline);
    link.SetFontStyleHighlightNoneFocused(fsUnderline);
    // Stored in this order: the link as hint first, then no tooltip at all.
    link.SetShowUrlAsHint(true);
    link.SetShowHint(false);
}
