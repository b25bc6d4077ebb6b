#include "controls/TFlatTabControlUnit.h"

#include "controls/FlatUtilitys.h"
#include "framework/SysUtils.h"

#include <algorithm>

namespace {

// A tab is measured without its first "&": the accelerator mark takes no
// room, and of a doubled "&&" one ampersand shows.
std::string WithoutFirstAmpersand(std::string s)
{
    const size_t pos = s.find('&');
    if (pos != std::string::npos)
        s.erase(pos, 1);
    return s;
}

constexpr UINT kTabTextFlags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

} // namespace

TFlatTabControl::TFlatTabControl(TComponent* owner)
    : TFlatBorderColorControl(owner, 50, false), FColorUnselectedTab(RGBColor(0x33, 0x66, 0x99))
{
    FWidth = 289;
    FHeight = 193;
}

void TFlatTabControl::CreateParams(TCreateParams& params)
{
    TFlatBorderColorControl::CreateParams(params);
    params.Style |= WS_CLIPCHILDREN;
    params.WinClassName = "TFlatTabControl";
}

// ---------------------------------------------------------------- layout

void TFlatTabControl::UpdateTabRects()
{
    FTabRects.clear();
    WindowDC screen(nullptr);
    TCanvas canvas(screen.Get());
    canvas.Font = FFont;
    const RECT client = ClientRect();
    const int top = FTabPosition == tpTop ? client.top : client.bottom - FTabHeight;
    int x = client.left;
    for (const std::string& tab : FTabs) {
        const int width = canvas.TextWidth(WithoutFirstAmpersand(tab)) + 20;
        FTabRects.push_back({x, top, x + width, top + FTabHeight});
        x += width + FTabSpacing;
    }
}

void TFlatTabControl::LayoutChanged()
{
    UpdateTabRects();
    Realign();
    Invalidate();
}

RECT TFlatTabControl::TabRect(int index) const
{
    if (index < 0 || index >= static_cast<int>(FTabRects.size()))
        return {0, 0, 0, 0};
    return FTabRects[index];
}

int TFlatTabControl::TabAtPos(POINT p) const
{
    for (size_t i = 0; i < FTabRects.size(); ++i)
        if (PtInRect(&FTabRects[i], p))
            return static_cast<int>(i);
    return -1;
}

void TFlatTabControl::AdjustClientRect(RECT& r) const
{
    const int inset = FBorderWidth + 1;
    r.left += inset;
    r.right -= inset;
    if (FTabPosition == tpTop) {
        r.top += FTabHeight + inset;
        r.bottom -= inset;
    } else {
        r.top += inset;
        r.bottom -= FTabHeight + inset;
    }
}

void TFlatTabControl::Loaded()
{
    TFlatBorderColorControl::Loaded();
    LayoutChanged();
}

void TFlatTabControl::FontChanged()
{
    TFlatBorderColorControl::FontChanged();
    UpdateTabRects();
}

void TFlatTabControl::Resized()
{
    TFlatBorderColorControl::Resized();
    UpdateTabRects();
}

// ---------------------------------------------------------------- properties

void TFlatTabControl::SetTabs(const std::vector<std::string>& tabs)
{
    FTabs.clear();
    for (const std::string& tab : tabs)
        FTabs.push_back(Trim(tab));   // as the layouts' captions are
    LayoutChanged();
    const int last = std::max(static_cast<int>(FTabs.size()) - 1, 0);
    if (FActiveTab > last)
        SetActiveTab(FActiveTab);
}

void TFlatTabControl::SetActiveTab(int index)
{
    const int last = std::max(static_cast<int>(FTabs.size()) - 1, 0);
    FActiveTab = std::clamp(index, 0, last);
    // Fired also when nothing changed: the owner shows the page's controls
    // from here, also on the first setting.
    if (OnTabChanged)
        OnTabChanged(this);
    Invalidate();
}

void TFlatTabControl::SetTabHeight(int height)
{
    FTabHeight = std::max(height, 0);
    LayoutChanged();
}

void TFlatTabControl::SetTabSpacing(int spacing)
{
    FTabSpacing = std::max(spacing, 1);
    LayoutChanged();
}

void TFlatTabControl::SetTabPosition(TFlatTabPosition position)
{
    if (position == FTabPosition)
        return;
    FTabPosition = position;
    // The page moves by the tab row; its controls move with it.
    const int dy = position == tpBottom ? -FTabHeight : FTabHeight;
    for (TControl* child : std::vector<TControl*>(FControls))
        child->SetBounds(child->Left(), child->Top() + dy, child->Width(), child->Height());
    LayoutChanged();
}

void TFlatTabControl::SetBorderWidth(int width)
{
    FBorderWidth = std::max(width, 0);
    Realign();
    Invalidate();
}

void TFlatTabControl::SetColorUnselectedTab(TColor color)
{
    FColorUnselectedTab = color;
    Invalidate();
}

// ---------------------------------------------------------------- behaviour

void TFlatTabControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    const int index = TabAtPos({x, y});
    if (index >= 0 && index != FActiveTab) {
        SetActiveTab(index);
        SetFocus();
    }
    TFlatBorderColorControl::MouseDown(button, shift, x, y);
}

bool TFlatTabControl::DialogChar(char key)
{
    for (size_t i = 0; i < FTabs.size(); ++i) {
        if (!IsAccel(key, FTabs[i]) || !CanFocus())
            continue;
        if (static_cast<int>(i) != FActiveTab)
            SetActiveTab(static_cast<int>(i));
        SetFocus();
        return true;
    }
    return false;
}

// ---------------------------------------------------------------- painting

void TFlatTabControl::Paint(TCanvas& canvas)
{
    canvas.Font = FFont;
    const RECT r = ClientRect();
    if (FTabs.empty()) {
        canvas.FillRect(r, FColor);
        canvas.FrameRect(r, FColorBorder);
        return;
    }
    if (FTabRects.size() != FTabs.size())
        UpdateTabRects();

    // The tab row shows what lies behind the control; the page covers the rest.
    DrawParentImage(*this, canvas);

    const bool top = FTabPosition == tpTop;
    // The row of the line between tab row and page, the page's far edge and
    // the direction from the line into the page.
    const int lineY = top ? r.top + FTabHeight : r.bottom - FTabHeight - 1;
    const int farY = top ? r.bottom - 1 : r.top;
    const int inward = top ? 1 : -1;
    const RECT active = FTabRects[FActiveTab];

    if (active.left > r.left)
        canvas.Line(r.left, lineY, active.left, lineY, FColorBorder);
    if (active.right - 1 < r.right)
        canvas.Line(active.right - 1, lineY, r.right, lineY, FColorBorder);
    canvas.Polyline({{r.left, lineY}, {r.left, farY}, {r.right - 1, farY}, {r.right - 1, lineY}}, FColorBorder);

    RECT page = top ? RECT{r.left + 1, lineY + 1, r.right - 1, r.bottom - 1} : RECT{r.left + 1, r.top + 1, r.right - 1, lineY};
    canvas.FillRect(page, FColor);

    for (size_t i = 0; i < FTabs.size(); ++i) {
        if (static_cast<int>(i) == FActiveTab)
            continue;
        RECT tab = FTabRects[i];
        canvas.FillRect(tab, FColorUnselectedTab);
        canvas.DrawText(FTabs[i], tab, kTabTextFlags, FColor);
    }

    // The active tab reaches over the line into the page, which it joins.
    RECT fill = active;
    if (top)
        fill.bottom = lineY + 1;
    else
        fill.top = lineY;
    canvas.FillRect(fill, FColor);
    const int outerY = top ? active.top : active.bottom - 1;
    canvas.Polyline({{active.left, lineY}, {active.left, outerY}, {active.right - 1, outerY}, {active.right - 1, lineY + inward}},
                    FColorBorder);
    RECT text = active;
    canvas.DrawText(FTabs[FActiveTab], text, kTabTextFlags, FEnabled ? FFont.Color() : FColorUnselectedTab);
}
