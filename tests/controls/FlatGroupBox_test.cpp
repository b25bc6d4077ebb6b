#include "controls/FlatUtilitys.h"
#include "controls/TFlatGroupBoxUnit.h"
#include "framework/StdPanel.h"

#include "ContainerFixture.h"

using namespace containers;

namespace {

constexpr TColor kBorder = RGBColor(0, 0, 200);
constexpr TColor kFill = RGBColor(250, 250, 240);

struct FlatGroupBox : ContainerForm {
    TFlatGroupBox* box = nullptr;
    void SetUp() override
    {
        ContainerForm::SetUp();
        box = Make<TFlatGroupBox>(form, 10, 10);
        box->SetColor(kFill);
        box->SetColorBorder(kBorder);
    }
};

} // namespace

TEST_F(FlatGroupBox, FullBorderLeavesAGapForTheCaption)
{
    ASSERT_EQ(box->Width(), 185);
    ASSERT_EQ(box->Height(), 105);
    box->SetCaption("&Optionen");
    const SIZE text = TextSize(box->Font(), "Optionen");
    const int y = text.cy / 2;
    const int gapEnd = text.cx + 12;
    Painted p(*box);
    const COLORREF border = ColorToRGB(kBorder), fill = ColorToRGB(kFill);
    // Top line: x 0..5, gap 6..w+12, then on to the right edge.
    EXPECT_EQ(p(0, y), border);
    EXPECT_EQ(p(5, y), border);
    EXPECT_EQ(p(6, y), fill) << "gap starts";
    EXPECT_EQ(p(gapEnd, y), fill) << "gap ends";
    EXPECT_EQ(p(gapEnd + 1, y), border);
    EXPECT_EQ(p(184, y), border);
    // Left, bottom and right sides; nothing above the line.
    EXPECT_EQ(p(0, 60), border);
    EXPECT_EQ(p(0, 104), border);
    EXPECT_EQ(p(90, 104), border);
    EXPECT_EQ(p(184, 60), border);
    EXPECT_EQ(p(0, y - 1), fill);
    EXPECT_EQ(p(184, y - 1), fill);
    EXPECT_EQ(p(1, 60), fill);
    EXPECT_EQ(p(183, 103), fill);
}

TEST_F(FlatGroupBox, OnlyTopLineDrawsTheTwoTopPieces)
{
    box->SetCaption("Anzeige");
    box->SetBorder(brOnlyTopLine);
    const SIZE text = TextSize(box->Font(), "Anzeige");
    const int y = text.cy / 2;
    Painted p(*box);
    const COLORREF border = ColorToRGB(kBorder), fill = ColorToRGB(kFill);
    EXPECT_EQ(p(1, y), border);
    EXPECT_EQ(p(5, y), border);
    EXPECT_EQ(p(6, y), fill);
    EXPECT_EQ(p(text.cx + 12, y), fill);
    EXPECT_EQ(p(text.cx + 13, y), border);
    EXPECT_EQ(p(184, y), border);
    // Each piece runs up to, not onto, its end point: the corner stays free.
    EXPECT_EQ(p(0, y), fill);
    EXPECT_EQ(p(0, 60), fill);
    EXPECT_EQ(p(90, 104), fill);
    EXPECT_EQ(p(184, 60), fill);
}

TEST_F(FlatGroupBox, DerivedBorderFollowsTheParentsColour)
{
    box->SetUseAdvColors(true);
    EXPECT_TRUE(box->ParentColor());
    EXPECT_EQ(box->Color(), kFormColor);
    EXPECT_EQ(box->ColorBorder(), CalcAdvancedColor(kFormColor, 0, 50, darken));
    form->SetColor(RGBColor(90, 120, 30));
    EXPECT_EQ(box->ColorBorder(), CalcAdvancedColor(RGBColor(90, 120, 30), 0, 50, darken));
    box->SetAdvColorBorder(20);
    EXPECT_EQ(box->ColorBorder(), CalcAdvancedColor(RGBColor(90, 120, 30), 0, 20, darken));
}

TEST_F(FlatGroupBox, AcceleratorMovesTheFocusToItsFirstTabStop)
{
    box->SetCaption("&Optionen");
    auto* notAStop = Make<TPanel>(box, 10, 20);
    auto* stop = Make<TPanel>(box, 10, 60);
    stop->SetTabStop(true);
    auto* outside = Make<TPanel>(form, 220, 10);
    outside->SetTabStop(true);
    form->Show();
    outside->SetFocus();
    ASSERT_EQ(GetFocus(), outside->Handle());

    SendMessageA(outside->Handle(), WM_SYSCHAR, 'x', 0);
    EXPECT_EQ(GetFocus(), outside->Handle()) << "not its accelerator";
    SendMessageA(outside->Handle(), WM_SYSCHAR, 'o', 0);
    EXPECT_EQ(GetFocus(), stop->Handle());
    EXPECT_NE(GetFocus(), notAStop->Handle());

    // Disabled, it does not take its accelerator.
    outside->SetFocus();
    box->SetEnabled(false);
    SendMessageA(outside->Handle(), WM_SYSCHAR, 'o', 0);
    EXPECT_EQ(GetFocus(), outside->Handle());
}
