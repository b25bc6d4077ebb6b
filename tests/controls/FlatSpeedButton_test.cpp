// What only the windowless speed button does; the shared behaviour is tested
// for both kinds in FlatButton_test.cpp.
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatSpeedButtonUnit.h"

#include "FlatButtonTestKit.h"

using namespace flatkit;

using FlatSpeedButtonTest = FormFixture;

TEST_F(FlatSpeedButtonTest, NeverTakesTheFocus)
{
    auto* speed = Make<TFlatSpeedButton>(10, 10);
    auto* button = Make<TFlatButton>(50, 10);
    ShowActive();
    button->SetFocus();
    int clicks = 0;
    speed->OnClick = [&](TObject*) { ++clicks; };
    ClickAt(speed);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(GetFocus(), button->Handle());
}

TEST_F(FlatSpeedButtonTest, SeeThroughModesLeaveTheParentsPainting)
{
    auto* speed = Make<TFlatSpeedButton>(10, 10);
    speed->SetColor(kOwn);
    speed->SetTransparentMode(tmAlways);
    Painted p(*speed);
    EXPECT_EQ(p(12, 12), kSentinel) << "nothing painted behind";
    EXPECT_EQ(p(0, 0), RGB(0xA0, 0x96, 0x83));
    speed->SetTransparentMode(tmNotFocused);
    EXPECT_EQ(Painted(*speed)(12, 12), kSentinel);
}
