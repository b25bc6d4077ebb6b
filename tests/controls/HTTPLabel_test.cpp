#include "controls/HTTPLabel.h"
#include "framework/Seams.h"

#include "ControlTestForm.h"

#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

struct HTTPLabelTest : ControlFormTest {
    THTTPLabel* link = nullptr;
    Strings sounds, events;
    Seams::Override<Seams::PlaySoundFn> soundGuard{Seams::PlaySound(), [this](const char* name, HMODULE module, DWORD flags) {
                                                       sounds.push_back(std::string(name) + (module ? " module " : " ")
                                                                        + std::to_string(flags));
                                                       return TRUE;
                                                   }};
    Seams::Override<Seams::ShellExecuteFn> shellGuard{
        Seams::ShellExecute(), [this](HWND owner, const char* verb, const char* file, const char* params, const char* dir, int show) {
            EXPECT_EQ(owner, form->Handle());
            EXPECT_EQ(params, nullptr);
            EXPECT_EQ(dir, nullptr);
            events.push_back(std::string("shell ") + verb + " " + file + " " + std::to_string(show));
            return reinterpret_cast<HINSTANCE>(42);
        }};

    void SetUp() override
    {
        ControlFormTest::SetUp();
        link = new THTTPLabel(form);
        link->SetParent(form);
        link->SetAutoSize(false);
        link->SetBounds(20, 20, 100, 20);
        link->SetCaption("Webseite");
        auto log = [this](const char* name) { return [this, name](TObject*) { events.push_back(name); }; };
        link->OnMouseEnter = log("enter");
        link->OnMouseLeave = log("leave");
        link->OnClick = log("click");
        link->OnGetFocus = log("GetFocus");
        link->OnLooseFocus = log("LooseFocus");
        link->OnGetFocusWindowActive = log("GetFocusWindowActive");
        link->OnLooseFocusWindowActive = log("LooseFocusWindowActive");
        link->OnGetFocusWindowInActive = log("GetFocusWindowInActive");
        link->OnLooseFocusWindowInActive = log("LooseFocusWindowInActive");
        link->SetBGColorHighlight(RGBColor(255, 0, 0));
        link->SetBGColorNormal(RGBColor(0, 255, 0));
    }
    void Enter() { SendMessageA(form->Handle(), WM_MOUSEMOVE, 0, At(30, 25)); }
    void Leave() { SendMessageA(form->Handle(), WM_MOUSEMOVE, 0, At(250, 300)); }
    // The look: font colour, font style and the painted background.
    std::tuple<TColor, TFontStyles, COLORREF> Look()
    {
        TMemoryDC mem(nullptr, link->Width(), link->Height());
        TCanvas canvas(mem.Handle());
        link->Paint(canvas);
        return {link->Font().Color(), link->Font().Style(), mem.Pixel(link->Width() - 3, link->Height() - 3)};
    }
    const std::tuple<TColor, TFontStyles, COLORREF> normal{clCaptionText, 0, RGB(0, 255, 0)};
};

} // namespace

TEST_F(HTTPLabelTest, FindsItsFormThroughTheParentsAndRegistersTheHandCursor)
{
    auto* fresh = new TForm(nullptr);
    auto* panel = new TCustomControl(fresh);
    panel->SetParent(fresh);
    ASSERT_FALSE(fresh->HandleAllocated());
    auto* label = new THTTPLabel(panel);
    EXPECT_EQ(label->OwnerForm(), fresh) << "the owner's parent chain leads to the form";
    EXPECT_EQ(label->OwnerFormHandle(), fresh->Handle());
    EXPECT_TRUE(fresh->HandleAllocated());

    // The normal look at creation; the hover looks are checked below.
    EXPECT_EQ(label->Color(), clBtnFace);
    EXPECT_EQ(label->Font().Color(), clCaptionText);
    EXPECT_EQ(label->Font().Style(), 0u);
    EXPECT_EQ(label->Cursor(), crDefault);
    EXPECT_TRUE(label->ShowHint());
    delete fresh;

    ASSERT_NE(link->HandCursor(), nullptr) << "the program's HAND resource";
    EXPECT_EQ(Screen()->Cursors(crLinkHand), link->HandCursor());
    EXPECT_NE(Screen()->Cursors(crLinkHand), Screen()->Cursors(crDefault));
}

TEST_F(HTTPLabelTest, UrlSetsTheHandCursorAndTheHint)
{
    link->SetUrl("http://www.example.com/");
    EXPECT_EQ(link->Cursor(), crLinkHand);
    EXPECT_EQ(link->Hint(), "") << "only with ShowUrlAsHint";
    link->SetShowUrlAsHint(true);
    EXPECT_TRUE(link->ShowHint());
    EXPECT_EQ(link->Hint(), "http://www.example.com/");
    link->SetUrl("mailto:team@example.com");
    EXPECT_EQ(link->Hint(), "mailto:team@example.com");
    link->SetShowUrlAsHint(false);
    EXPECT_FALSE(link->ShowHint());
    link->SetUrl("");
    EXPECT_EQ(link->Cursor(), crDefault) << "cleared: the default arrow again";

    // The form shows the hand over the link through the screen's cursor table.
    link->SetUrl("http://www.example.com/");
    form->Show();
    ASSERT_TRUE(SetCursorPos(50 + 30, 50 + 25));
    SendMessageA(form->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form->Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), link->HandCursor());
}

TEST_F(HTTPLabelTest, HoverInTheActiveFormPlaysTheSoundAndShowsTheFocusedLook)
{
    link->SetUrl("http://www.example.com/");
    form->Show();
    ASSERT_EQ(GetActiveWindow(), form->Handle());
    EXPECT_EQ(Look(), normal);
    Enter();
    EXPECT_TRUE(link->Hovering());
    EXPECT_EQ(sounds, (Strings{"CCSelect 65539"})) << "SND_ALIAS | SND_ASYNC | SND_NODEFAULT";
    EXPECT_EQ(Look(), std::make_tuple(clHighlightText, TFontStyles(fsUnderline), RGB(255, 0, 0)));
    EXPECT_EQ(events, (Strings{"enter", "GetFocusWindowActive", "GetFocus"}));

    events.clear();
    Leave();
    EXPECT_FALSE(link->Hovering());
    EXPECT_EQ(Look(), normal);
    EXPECT_EQ(events, (Strings{"leave", "LooseFocusWindowActive", "LooseFocus"}));
    EXPECT_EQ(sounds.size(), 1u) << "no sound on leaving";

    link->SetPlaySoundOnFocus(false);
    Enter();
    EXPECT_EQ(sounds.size(), 1u);
}

TEST_F(HTTPLabelTest, HoverInAnInactiveFormKeepsTheBackgroundAndIsSilent)
{
    link->SetUrl("http://www.example.com/");
    link->SetFontColHighlightNoneFocused(RGBColor(0, 0, 128));
    form->Show();
    TForm other(nullptr);
    other.SetBorderStyle(bsNone);
    other.SetBounds(400, 400, 50, 50);
    other.Show();
    ASSERT_NE(GetActiveWindow(), form->Handle());

    Enter();
    EXPECT_EQ(Look(), std::make_tuple(RGBColor(0, 0, 128), TFontStyles(fsUnderline), RGB(0, 255, 0)));
    EXPECT_EQ(events, (Strings{"enter", "GetFocusWindowInActive", "GetFocus"}));
    // A look refresh while hovering keeps the none-focused look.
    link->SetFontStyleHighlightNoneFocused(fsBold);
    EXPECT_EQ(link->Font().Style(), TFontStyles(fsBold));

    events.clear();
    Leave();
    EXPECT_EQ(Look(), normal);
    EXPECT_EQ(events, (Strings{"leave", "LooseFocusWindowInActive", "LooseFocus"}));
    EXPECT_TRUE(sounds.empty());
}

TEST_F(HTTPLabelTest, WithoutUrlHoverChangesNothingButTheSoundStillPlaysAndClickOnlyClicks)
{
    form->Show();
    Enter();
    EXPECT_EQ(Look(), normal);
    EXPECT_EQ(sounds.size(), 1u);
    EXPECT_EQ(events, (Strings{"enter", "GetFocusWindowActive", "GetFocus"}));
    events.clear();
    Click(form->Handle(), 30, 25);
    EXPECT_EQ(events, (Strings{"click"}));
}

TEST_F(HTTPLabelTest, ClickOpensTheUrlThroughTheShellBeforeOnClick)
{
    link->SetUrl("http://www.example.com/seite");
    Click(form->Handle(), 30, 25);
    EXPECT_EQ(events, (Strings{"shell open http://www.example.com/seite 1", "click"}));
    // Released outside: no click, nothing opened.
    SendMessageA(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(30, 25));
    SendMessageA(form->Handle(), WM_LBUTTONUP, 0, At(250, 300));
    EXPECT_EQ(events.size(), 2u);

    // Transparent: no background of its own.
    link->SetTransparent(true);
    TMemoryDC mem(nullptr, link->Width(), link->Height());
    TCanvas canvas(mem.Handle());
    canvas.FillRect(link->ClientRect(), RGBColor(1, 2, 3));
    link->Paint(canvas);
    EXPECT_EQ(mem.Pixel(link->Width() - 3, link->Height() - 3), RGB(1, 2, 3));
}
