#include "app/WindowStyles.h"

#include "controls/HTTPLabel.h"

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
