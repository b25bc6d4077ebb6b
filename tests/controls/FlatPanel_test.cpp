#include "controls/TFlatPanelUnit.h"
#include "framework/StdPanel.h"

#include "ContainerFixture.h"

using namespace containers;

namespace {

constexpr TColor kHigh = RGBColor(250, 0, 0);
constexpr TColor kShadow = RGBColor(0, 0, 250);
constexpr TColor kFill = RGBColor(0, 160, 0);

using FlatPanel = ContainerForm;

} // namespace

TEST_F(FlatPanel, SizesAndColoursAtCreation)
{
    auto* plain = Make<TPanel>(form, 0, 0);
    auto* flat = Make<TFlatPanel>(form, 0, 50);
    EXPECT_EQ(plain->Width(), 185);
    EXPECT_EQ(plain->Height(), 41);
    EXPECT_EQ(flat->Width(), 185);
    EXPECT_EQ(flat->Height(), 41);
    EXPECT_EQ(flat->Color(), kFormColor) << "takes the parent's colour";
    // The plain panel is just its colour.
    Painted p(*plain);
    EXPECT_EQ(p(0, 0), ColorToRGB(kFormColor));
    EXPECT_EQ(p(184, 40), ColorToRGB(kFormColor));
}

TEST_F(FlatPanel, FillAndOnePixelFrameLightTopLeftDarkBottomRight)
{
    auto* panel = Make<TFlatPanel>(form, 10, 10);
    panel->SetColor(kFill);
    panel->SetColorHighLight(kHigh);
    panel->SetColorShadow(kShadow);
    Painted p(*panel);
    const COLORREF high = ColorToRGB(kHigh), shadow = ColorToRGB(kShadow), fill = ColorToRGB(kFill);
    EXPECT_EQ(p(0, 0), high);
    EXPECT_EQ(p(0, 20), high);
    EXPECT_EQ(p(90, 0), high);
    EXPECT_EQ(p(184, 0), shadow) << "top-right corner";
    EXPECT_EQ(p(184, 20), shadow);
    EXPECT_EQ(p(90, 40), shadow);
    EXPECT_EQ(p(0, 40), shadow) << "bottom-left corner";
    EXPECT_EQ(p(1, 1), fill);
    EXPECT_EQ(p(183, 39), fill);
}

TEST_F(FlatPanel, TransparentPanelShowsItsParentShiftedByItsPosition)
{
    auto* outer = Make<TFlatPanel>(form, 10, 10);
    outer->SetColor(kFill);
    outer->SetColorHighLight(kHigh);
    outer->SetColorShadow(kShadow);
    outer->SetBounds(10, 10, 185, 80);
    // The inner panel reaches over the outer one's right frame.
    auto* inner = Make<TFlatPanel>(outer, 150, 20);
    inner->SetBounds(150, 20, 60, 30);
    inner->SetColor(RGBColor(1, 2, 3));
    inner->SetColorHighLight(RGBColor(9, 9, 9));
    inner->SetColorShadow(RGBColor(9, 9, 9));
    inner->SetTransparent(true);
    Painted p(*inner);
    EXPECT_EQ(p(1, 5), ColorToRGB(kFill)) << "the outer panel's fill, not the inner colour";
    EXPECT_EQ(p(34, 5), ColorToRGB(kShadow)) << "the outer frame at outer x 184";
    EXPECT_EQ(p(1, 0), RGB(9, 9, 9)) << "own frame on top";
}

TEST_F(FlatPanel, WindowIsPaintedInOneStepFromTheOffScreenImage)
{
    auto* panel = Make<TFlatPanel>(form, 20, 20);
    panel->SetColor(kFill);
    panel->SetColorHighLight(kHigh);
    panel->SetColorShadow(kShadow);
    panel->SetCaption(" Titel");
    panel->SetAlignment(taLeftJustify);
    form->Show();
    RedrawWindow(panel->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    WindowDC dc(panel->Handle());
    EXPECT_EQ(GetPixel(dc.Get(), 0, 0), ColorToRGB(kHigh));
    EXPECT_EQ(GetPixel(dc.Get(), 184, 40), ColorToRGB(kShadow));
    EXPECT_EQ(GetPixel(dc.Get(), 150, 3), ColorToRGB(kFill));
}
