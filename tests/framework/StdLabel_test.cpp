#include "framework/Forms.h"
#include "framework/StdLabel.h"

#include "support/TestForm.h"

#include <gtest/gtest.h>

namespace {

struct StdLabelTest : zvtest::FormFixture {
    StdLabelTest() : FormFixture(60, 60, 300, 200) {}
    TLabel* label = nullptr;
    void SetUp() override
    {
        FormFixture::SetUp();
        label = new TLabel(form);
        label->SetParent(form);
        label->SetBounds(10, 10, 65, 17);
    }
    // First and last row holding anything but the fill, and whether a pixel
    // of the given colour occurs.
    std::tuple<int, int, bool> Ink(COLORREF fill, COLORREF probe = CLR_INVALID)
    {
        TMemoryDC mem(nullptr, label->Width(), label->Height());
        TCanvas canvas(mem.Handle());
        label->Paint(canvas);
        int first = -1, last = -1;
        bool found = false;
        for (int y = 0; y < label->Height(); ++y)
            for (int x = 0; x < label->Width(); ++x) {
                const COLORREF c = mem.Pixel(x, y);
                found = found || c == probe;
                if (c != fill) {
                    first = first < 0 ? y : first;
                    last = y;
                }
            }
        return {first, last, found};
    }
};

} // namespace

TEST_F(StdLabelTest, AutoSizeFitsTheCaptionAndKeepsARightAlignedEdge)
{
    label->SetCaption("Kurz");
    const int shortWidth = label->Width(), lineHeight = label->Height();
    EXPECT_GT(shortWidth, 10);
    label->SetCaption("&Kurz");
    EXPECT_EQ(label->Width(), shortWidth) << "the accelerator mark takes no room";
    label->SetShowAccelChar(false);
    EXPECT_GT(label->Width(), shortWidth);
    label->SetShowAccelChar(true);

    label->SetAlignment(taRightJustify);
    const int right = label->Left() + label->Width();
    label->SetCaption("Ein deutlich längerer Text");
    EXPECT_GT(label->Width(), shortWidth * 3);
    EXPECT_EQ(label->Left() + label->Width(), right);

    label->SetWidth(60);
    label->SetWordWrap(true);
    EXPECT_LE(label->Width(), 60);
    EXPECT_GE(label->Height(), 3 * lineHeight) << "wrapped into lines";
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 200, 50);
    label->SetCaption("x");
    EXPECT_EQ(label->Width(), 200);
}

TEST_F(StdLabelTest, FillsUnlessTransparentPlacesTextByLayoutAndEmbossesWhenDisabled)
{
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 120, 60);
    label->SetCaption("Wg");
    label->SetColor(RGBColor(250, 240, 230));
    label->Font().SetColor(RGBColor(255, 0, 0));
    const COLORREF fill = RGB(250, 240, 230);

    TMemoryDC mem(nullptr, 120, 60);
    TCanvas canvas(mem.Handle());
    label->Paint(canvas);
    EXPECT_EQ(mem.Pixel(118, 58), fill);
    label->SetTransparent(true);
    canvas.FillRect({0, 0, 120, 60}, RGBColor(1, 2, 3));
    label->Paint(canvas);
    EXPECT_EQ(mem.Pixel(118, 58), RGB(1, 2, 3));
    label->SetTransparent(false);

    const auto [top1, top2, topRed] = Ink(fill, RGB(255, 0, 0));
    EXPECT_TRUE(topRed) << "the caption in the font colour";
    EXPECT_TRUE(top1 >= 0 && top2 < 20);
    label->SetLayout(tlBottom);
    EXPECT_GT(std::get<0>(Ink(fill)), 40);
    label->SetLayout(tlCenter);
    const auto [centre1, centre2, unused] = Ink(fill);
    EXPECT_NEAR(centre1 + centre2, 60, 4) << "centred vertically";

    label->SetEnabled(false);
    EXPECT_FALSE(std::get<2>(Ink(fill, RGB(255, 0, 0))));
    EXPECT_TRUE(std::get<2>(Ink(fill, ColorToRGB(clBtnShadow))));
    EXPECT_TRUE(std::get<2>(Ink(fill, ColorToRGB(clBtnHighlight))));
}

TEST_F(StdLabelTest, AcceleratorFocusesTheFocusControl)
{
    auto* target = new TCustomControl(form);
    target->SetParent(form);
    target->SetBounds(100, 10, 50, 20);
    label->SetCaption("&Name:");
    label->SetFocusControl(target);
    form->Show();
    SendMessageA(form->Handle(), WM_SYSCHAR, 'x', 0);
    EXPECT_FALSE(target->Focused());
    SendMessageA(form->Handle(), WM_SYSCHAR, 'n', 0);
    EXPECT_TRUE(target->Focused());

    ::SetFocus(form->Handle());
    label->SetShowAccelChar(false);
    SendMessageA(form->Handle(), WM_SYSCHAR, 'n', 0);
    EXPECT_FALSE(target->Focused()) << "without accelerators the caption has none";
}
