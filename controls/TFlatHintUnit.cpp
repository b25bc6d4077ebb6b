#include "controls/TFlatHintUnit.h"

#include <iterator>

namespace {

constexpr int kArrowWidth = 14;
// Frame (1 + 1), arrow area and 3 pixels on both sides of the text.
constexpr int kExtraWidth = 22;
// Frame (1 + 1), 1 pixel above and below the text, and 2 to spare.
constexpr int kExtraHeight = 6;
constexpr UINT kHintTextFlags = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;

// The arrow pointing up and to the right, relative to its anchor; the other
// placements mirror it.
constexpr TPoint kArrow[18] = {{0, 0}, {0, 6}, {-1, 6}, {-1, 0}, {-6, 0}, {-6, 1}, {-2, 1}, {-2, 4}, {-5, 7},
                               {-6, 7}, {-3, 4}, {-3, 3}, {-6, 6}, {-7, 6}, {-3, 2}, {-4, 2}, {-7, 5}, {-7, 6}};

bool RightOfPointer(THintPlacement p)
{
    return p == hpBelowRight || p == hpAboveRight;
}

bool BelowPointer(THintPlacement p)
{
    return p == hpBelowRight || p == hpBelowLeft;
}

void InstallHintWindowClass(THintWindowFactory factory)
{
    TApplication* app = Application();
    app->HintWindowClass = std::move(factory);
    // The next tooltip is made by the new factory.
    const bool show = app->ShowHint();
    app->SetShowHint(false);
    app->SetShowHint(show);
}

} // namespace

// ---------------------------------------------------------------- TFlatHint

TFlatHint::TFlatHint(TComponent* owner) : TComponent(owner), FColorArrowBackground(RGBColor(0xFF, 0xD2, 0x53))
{
    TApplication* app = Application();
    app->HintWindowClass = [](TComponent* o) -> THintWindow* { return new TFlatHintWindow(o); };
    app->SetShowHint(false);
    app->SetShowHint(true);
    app->OnShowHint = [this](std::string& hint, bool& canShow, THintInfo& info) { ShowHintHandler(hint, canShow, info); };
    app->HintShortPause = 25;
    app->HintPause = 500;
    app->HintHidePause = 5000;
}

TFlatHint::~TFlatHint()
{
    // The application must not call into a destroyed handler.
    Application()->OnShowHint = nullptr;
    InstallHintWindowClass([](TComponent* o) { return new THintWindow(o); });
}

void TFlatHint::ShowHintHandler(std::string& hint, bool& canShow, THintInfo& info)
{
    if (OnShowHint)
        OnShowHint(hint, canShow, info);
}

TFlatHint* FindFlatHint()
{
    TCustomForm* main = Application()->MainForm();
    if (!main)
        return nullptr;
    for (TComponent* c : main->Components())
        if (auto* hint = dynamic_cast<TFlatHint*>(c))
            return hint;
    return nullptr;
}

// ---------------------------------------------------------------- TFlatHintWindow

namespace {

// The look of the tooltips: the main window's TFlatHint, or its defaults
// when there is none.
struct THintLook {
    TColor Background = clWhite;
    TColor Border = clBlack;
    TColor ArrowBackground = RGBColor(0xFF, 0xD2, 0x53);
    TColor Arrow = clBlack;
    int MaxHintWidth = 200;
    TFont Font;
};

THintLook CurrentLook()
{
    THintLook look;
    if (const TFlatHint* hint = FindFlatHint()) {
        look.Background = hint->ColorBackground();
        look.Border = hint->ColorBorder();
        look.ArrowBackground = hint->ColorArrowBackground();
        look.Arrow = hint->ColorArrow();
        look.MaxHintWidth = hint->MaxHintWidth();
        look.Font = hint->Font();
    }
    return look;
}

} // namespace

TFlatHintWindow::TFlatHintWindow(TComponent* owner) : THintWindow(owner) {}

void TFlatHintWindow::CreateParams(TCreateParams& params)
{
    THintWindow::CreateParams(params);
    // The frame is painted; the window itself has none.
    params.Style &= ~WS_BORDER;
    params.WinClassName = "TFlatHintWindow";
}

RECT TFlatHintWindow::CalcHintRect(int, const std::string& hint)
{
    const THintLook look = CurrentLook();
    WindowDC screen(nullptr);
    TCanvas canvas(screen.Get());
    canvas.Font = look.Font;
    RECT text{0, 0, look.MaxHintWidth - kExtraWidth, 0};
    canvas.DrawText(hint, text, kHintTextFlags | DT_CALCRECT);
    return {0, 0, text.right - text.left + kExtraWidth, text.bottom - text.top + kExtraHeight};
}

RECT TFlatHintWindow::PlaceHint(POINT cursor, SIZE size, SIZE screen, THintPlacement& placement)
{
    const bool left = cursor.x < screen.cx / 2;
    const bool upper = cursor.y < screen.cy / 2;
    // Away from the nearest screen edges; below the pointer's tip the
    // cursor itself needs more room.
    if (left && upper) {
        placement = hpBelowRight;
        return {cursor.x + 12, cursor.y + 12, cursor.x + 12 + size.cx, cursor.y + 12 + size.cy};
    }
    if (upper) {
        placement = hpBelowLeft;
        return {cursor.x - 5 - size.cx, cursor.y + 5, cursor.x - 5, cursor.y + 5 + size.cy};
    }
    if (left) {
        placement = hpAboveRight;
        return {cursor.x + 5, cursor.y - 5 - size.cy, cursor.x + 5 + size.cx, cursor.y - 5};
    }
    placement = hpAboveLeft;
    return {cursor.x - 5 - size.cx, cursor.y - 5 - size.cy, cursor.x - 5, cursor.y - 5};
}

void TFlatHintWindow::ActivateHint(RECT r, const std::string& hint)
{
    POINT cursor;
    GetCursorPos(&cursor);
    ActivateHintAt(cursor, r, hint);
}

void TFlatHintWindow::ActivateHintAt(POINT cursor, RECT r, const std::string& hint)
{
    const SIZE size{r.right - r.left, r.bottom - r.top};
    const SIZE screen{Screen()->Width(), Screen()->Height()};
    const RECT placed = PlaceHint(cursor, size, screen, FPlacement);
    FFont = CurrentLook().Font;
    // Topmost and without activation, as every tooltip.
    THintWindow::ActivateHint(placed, hint);
}

RECT TFlatHintWindow::ArrowArea(const RECT& client, THintPlacement placement)
{
    RECT inner = client;
    InflateRect(&inner, -1, -1);
    if (RightOfPointer(placement))
        inner.right = inner.left + kArrowWidth;
    else
        inner.left = inner.right - kArrowWidth;
    return inner;
}

std::vector<TPoint> TFlatHintWindow::ArrowPoints(const RECT& client, THintPlacement placement)
{
    const RECT area = ArrowArea(client, placement);
    // The arrow sits in the corner nearest the pointer and points at it.
    const int mirrorX = RightOfPointer(placement) ? -1 : 1;
    const int mirrorY = BelowPointer(placement) ? 1 : -1;
    const TPoint anchor{RightOfPointer(placement) ? area.left + 2 : area.right - 3,
                        BelowPointer(placement) ? area.top + 2 : area.bottom - 3};
    std::vector<TPoint> points;
    points.reserve(std::size(kArrow));
    for (const TPoint& p : kArrow)
        points.push_back({anchor.x + mirrorX * p.x, anchor.y + mirrorY * p.y});
    return points;
}

void TFlatHintWindow::Paint(TCanvas& canvas)
{
    const THintLook look = CurrentLook();
    canvas.Font = look.Font;
    const RECT client = ClientRect();
    const RECT arrowArea = ArrowArea(client, FPlacement);

    canvas.FillRect(client, look.Background);
    canvas.FillRect(arrowArea, look.ArrowBackground);
    canvas.FrameRect(client, look.Border);
    canvas.Polyline(ArrowPoints(client, FPlacement), look.Arrow);

    RECT text = client;
    InflateRect(&text, -1, -1);
    if (RightOfPointer(FPlacement))
        text.left = arrowArea.right;
    else
        text.right = arrowArea.left;
    InflateRect(&text, -3, -1);
    canvas.DrawText(FCaption, text, kHintTextFlags, look.Font.Color());
}
