#include "framework/Exceptions.h"
#include "framework/Forms.h"
#include "framework/Timer.h"

#include "support/SeamRecorder.h"
#include "support/TestForm.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// A windowless control that counts what reaches it.
class Probe : public TGraphicControl {
public:
    explicit Probe(TComponent* owner) : TGraphicControl(owner) {}
    int downs = 0, ups = 0, enters = 0, leaves = 0;
    void MouseDown(TMouseButton b, TShiftState s, int x, int y) override { ++downs; TGraphicControl::MouseDown(b, s, x, y); }
    void MouseUp(TMouseButton b, TShiftState s, int x, int y) override { ++ups; TGraphicControl::MouseUp(b, s, x, y); }
    void MouseEnter() override { ++enters; TGraphicControl::MouseEnter(); }
    void MouseLeave() override { ++leaves; TGraphicControl::MouseLeave(); }
    void Paint(TCanvas& canvas) override { canvas.FillRect(ClientRect(), RGBColor(10, 20, 30)); }
};

using zvtest::At;

struct FormFixture : zvtest::FormFixture {
    FormFixture() : zvtest::FormFixture(100, 100, 200, 150) {}
};

} // namespace

TEST_F(FormFixture, GraphicChildGetsClickOnlyWhenReleasedInside)
{
    auto* probe = new Probe(form);
    probe->SetParent(form);
    probe->SetBounds(10, 10, 50, 20);
    int clicks = 0;
    probe->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, probe);
        ++clicks;
    };
    HWND wnd = form->Handle();
    SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, At(15, 15));
    SendMessageA(wnd, WM_LBUTTONUP, 0, At(20, 20));
    EXPECT_EQ(clicks, 1);
    // Released outside: the probe still gets the release, but no click.
    SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, At(15, 15));
    SendMessageA(wnd, WM_LBUTTONUP, 0, At(150, 100));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(probe->downs, 2);
    EXPECT_EQ(probe->ups, 2);
}

TEST_F(FormFixture, MouseEnterAndLeaveFollowThePointer)
{
    auto* probe = new Probe(form);
    probe->SetParent(form);
    probe->SetBounds(10, 10, 50, 20);
    HWND wnd = form->Handle();
    SendMessageA(wnd, WM_MOUSEMOVE, 0, At(100, 100));
    EXPECT_EQ(probe->enters, 0);
    SendMessageA(wnd, WM_MOUSEMOVE, 0, At(12, 12));
    SendMessageA(wnd, WM_MOUSEMOVE, 0, At(13, 12));
    EXPECT_EQ(probe->enters, 1);
    SendMessageA(wnd, WM_MOUSEMOVE, 0, At(100, 100));
    EXPECT_EQ(probe->leaves, 1);
}

TEST_F(FormFixture, ExceptionInAHandlerIsShownWithStopIconAndTheProgramGoesOn)
{
    MessageBoxRecorder boxes;
    auto* probe = new Probe(form);
    probe->SetParent(form);
    probe->SetBounds(0, 0, 50, 50);
    int after = 0;
    probe->OnClick = [&](TObject*) { throw ERegistryException("Ungültiger Datentyp für 'Current'"); };
    probe->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { ++after; };
    HWND wnd = form->Handle();
    SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    SendMessageA(wnd, WM_LBUTTONUP, 0, At(5, 5));
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_EQ(boxes.Boxes[0].text, "Ungültiger Datentyp für 'Current'");
    EXPECT_EQ(boxes.Boxes[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_EQ(boxes.Boxes[0].caption, Application()->Title());
    EXPECT_EQ(after, 0) << "the handler ended at the error";
    // The window still works.
    probe->OnClick = nullptr;
    SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    SendMessageA(wnd, WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_EQ(after, 1);
    EXPECT_TRUE(IsWindow(wnd));
}

TEST_F(FormFixture, WindowProcedureAndTimerShareOneBarrierThatAlsoStopsForeignThrows)
{
    auto* probe = new Probe(form);
    probe->SetParent(form);
    probe->SetBounds(0, 0, 50, 50);
    TTimer timer;
    timer.SetInterval(100000);
    std::function<void()> thrower;
    probe->OnClick = [&](TObject*) { thrower(); };
    timer.OnTimer = [&](TObject*) { thrower(); };
    const std::function<void()> viaWindow = [&] { zvtest::Click(form->Handle(), 5, 5); };
    const std::function<void()> viaTimer = [&] { SendMessageA(TTimer::WindowHandle(), WM_TIMER, timer.Id(), 0); };
    // The path a handler runs on, what it throws, and what the user sees.
    struct Case {
        const char* path;
        const std::function<void()>& drive;
        std::function<void()> thrower;
        std::string shown;
    };
    const Case cases[] = {
        {"window", viaWindow, [] { throw EConvertError("'x' ist kein gültiger Integerwert"); }, "'x' ist kein gültiger Integerwert"},
        {"window", viaWindow, [] { throw 42; }, "Unbekannter Fehler"},
        {"timer", viaTimer, [] { throw ERegistryException("Konnte Daten für 'a' nicht setzen"); }, "Konnte Daten für 'a' nicht setzen"},
        {"timer", viaTimer, [] { throw std::string("kein std::exception"); }, "Unbekannter Fehler"},
    };
    for (const Case& c : cases) {
        MessageBoxRecorder boxes;
        thrower = c.thrower;
        c.drive();
        ASSERT_EQ(boxes.Boxes.size(), 1u) << c.path << ": " << c.shown;
        EXPECT_EQ(boxes.Boxes[0].text, c.shown) << c.path;
        EXPECT_EQ(boxes.Boxes[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP)) << c.path;
    }
    // Both paths still run afterwards.
    int runs = 0;
    thrower = [&] { ++runs; };
    MessageBoxRecorder boxes;
    viaWindow();
    viaTimer();
    EXPECT_EQ(runs, 2);
    EXPECT_TRUE(boxes.Boxes.empty());
}

TEST_F(FormFixture, ShowModalEndsWithTheModalResultAndReenablesOthers)
{
    TForm other(nullptr);
    other.SetBounds(0, 0, 50, 50);
    other.Show();
    auto* probe = new Probe(form);
    probe->SetParent(form);
    probe->SetBounds(0, 0, 50, 50);
    bool otherDisabled = false;
    probe->OnClick = [&](TObject*) {
        otherDisabled = !IsWindowEnabled(other.Handle());
        form->SetModalResult(mrOk);
    };
    PostMessageA(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    PostMessageA(form->Handle(), WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_TRUE(otherDisabled);
    EXPECT_TRUE(IsWindowEnabled(other.Handle()));
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(form->Modal());
}

TEST_F(FormFixture, CloseDuringModalShowingGivesCancel)
{
    PostMessageA(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(form->ShowModal(), mrCancel);
}

TEST_F(FormFixture, ClientSizeAndCentringOnTheScreenNotInTheWorkArea)
{
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    RECT work;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    // A taskbar along the top and the left: the work area's centre lies
    // elsewhere than the screen's.
    RECT shifted{120, 90, screenWidth, screenHeight};
    ASSERT_TRUE(SystemParametersInfoA(SPI_SETWORKAREA, 0, &shifted, 0));
    struct RestoreWorkArea {
        RECT r;
        ~RestoreWorkArea() { SystemParametersInfoA(SPI_SETWORKAREA, 0, &r, 0); }
    } restore{work};
    RECT now;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &now, 0));
    ASSERT_EQ(now.left, 120) << "the work area could not be moved";

    // Sizes of both parities: the odd rest goes to the right and bottom.
    const std::pair<int, int> sizes[] = {{450, 350}, {451, 349}};
    for (const auto& [width, height] : sizes) {
        TForm shown(nullptr);
        shown.SetBorderStyle(bsNone);
        shown.SetClientSize(width, height);
        shown.SetPosition(poScreenCenter);
        shown.Show();
        RECT client, window;
        GetClientRect(shown.Handle(), &client);
        GetWindowRect(shown.Handle(), &window);
        EXPECT_EQ(client.right, width);
        EXPECT_EQ(client.bottom, height);
        EXPECT_EQ(window.left, (screenWidth - width) / 2) << width;
        EXPECT_EQ(window.top, (screenHeight - height) / 2) << height;
        EXPECT_EQ(shown.Left(), window.left);
        EXPECT_EQ(shown.Top(), window.top);
    }
}

TEST_F(FormFixture, GraphicChildrenArePaintedByTheirParent)
{
    auto* probe = new Probe(form);
    probe->SetParent(form);
    probe->SetBounds(10, 10, 20, 20);
    form->SetColor(RGBColor(200, 0, 0));
    form->Show();
    UpdateWindow(form->Handle());
    TMemoryDC mem(nullptr, 200, 150);
    SendMessageA(form->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(mem.Handle()), PRF_CLIENT);
    // Painting through the parent's paint routine, as WM_PAINT does.
    RECT r{0, 0, 200, 150};
    TCanvas canvas(mem.Handle());
    canvas.FillRect(r, form->Color());
    form->PaintControls(mem.Handle());
    EXPECT_EQ(mem.Pixel(15, 15), RGB(10, 20, 30));
    EXPECT_EQ(mem.Pixel(5, 5), RGB(200, 0, 0));
}

TEST(Timer, TickRunsOnTimerOnlyWhileEnabled)
{
    TTimer timer;
    int ticks = 0;
    timer.OnTimer = [&](TObject*) { ++ticks; };
    timer.SetInterval(100000);
    SendMessageA(TTimer::WindowHandle(), WM_TIMER, timer.Id(), 0);
    EXPECT_EQ(ticks, 1);
    timer.SetEnabled(false);
    SendMessageA(TTimer::WindowHandle(), WM_TIMER, timer.Id(), 0);
    EXPECT_EQ(ticks, 1);
}

TEST(SharedTimer, LivesFromTheFirstToTheLastUserAndStartsDisabled)
{
    int ticks = 0;
    TSharedTimer shared(250, [&] { ++ticks; });
    EXPECT_EQ(shared.Timer(), nullptr);
    shared.Attach();
    TTimer* first = shared.Timer();
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(first->Enabled());
    EXPECT_EQ(first->Interval(), 250u);
    shared.Attach();
    EXPECT_EQ(shared.Timer(), first) << "one timer for all users";
    first->SetEnabled(true);
    SendMessageA(TTimer::WindowHandle(), WM_TIMER, first->Id(), 0);
    EXPECT_EQ(ticks, 1);
    shared.Detach();
    EXPECT_EQ(shared.Timer(), first) << "a user is left";
    shared.Detach();
    EXPECT_EQ(shared.Timer(), nullptr);
    shared.Detach();   // one too many must not bring back a count below zero
    shared.Attach();
    ASSERT_NE(shared.Timer(), nullptr);
    shared.Detach();
    EXPECT_EQ(shared.Timer(), nullptr);
}

TEST(Accelerators, CaptionMarks)
{
    EXPECT_EQ(AccelChar("&Datei"), 'D');
    EXPECT_EQ(AccelChar("Grafik && Sound"), 0);
    EXPECT_EQ(AccelChar("A && &B"), 'B');
    EXPECT_TRUE(IsAccel('d', "&Datei"));
    EXPECT_EQ(StripAccelChars("Grafik && &Sound"), "Grafik & Sound");
}

TEST_F(FormFixture, ChildrenFollowParentColourFontAndShowHintUntilTheyHaveTheirOwn)
{
    auto* probe = new Probe(form);
    probe->SetParent(form);
    EXPECT_EQ(probe->Color(), form->Color());
    EXPECT_EQ(probe->Font().Name(), "Tahoma");
    EXPECT_EQ(probe->Font().Height(), -11);
    form->SetColor(RGBColor(1, 2, 3));
    EXPECT_EQ(probe->Color(), RGBColor(1, 2, 3));
    probe->SetColor(clWhite);
    EXPECT_FALSE(probe->ParentColor());
    form->SetColor(RGBColor(4, 5, 6));
    EXPECT_EQ(probe->Color(), clWhite);

    form->Font().SetStyle(fsBold);
    EXPECT_EQ(probe->Font().Style(), static_cast<TFontStyles>(fsBold));
    EXPECT_TRUE(probe->ParentFont());
    probe->Font().SetHeight(-20);
    EXPECT_FALSE(probe->ParentFont());
    form->Font().SetStyle(0);
    EXPECT_EQ(probe->Font().Style(), static_cast<TFontStyles>(fsBold));

    form->SetShowHint(true);
    EXPECT_TRUE(probe->ShowHint());
}

TEST_F(FormFixture, AnchorsStretchAndMoveChildrenWithTheParent)
{
    auto* stretch = new Probe(form);
    stretch->SetParent(form);
    stretch->SetBounds(10, 10, 50, 20);
    stretch->SetAnchors(akLeft | akTop | akRight);
    auto* corner = new Probe(form);
    corner->SetParent(form);
    corner->SetBounds(150, 120, 10, 10);
    corner->SetAnchors(akRight | akBottom);
    form->SetBounds(100, 100, 260, 170);
    EXPECT_EQ(stretch->Width(), 110);
    EXPECT_EQ(stretch->Left(), 10);
    EXPECT_EQ(corner->Left(), 210);
    EXPECT_EQ(corner->Top(), 140);
}

TEST_F(FormFixture, AcceleratorReachesTheControlWithThatCharacter)
{
    struct AccelProbe : Probe {
        using Probe::Probe;
        int hits = 0;
        bool DialogChar(char key) override
        {
            if (!IsAccel(key, Caption()))
                return false;
            ++hits;
            return true;
        }
    };
    auto* a = new AccelProbe(form);
    a->SetParent(form);
    a->SetCaption("&Allgemein");
    auto* b = new AccelProbe(form);
    b->SetParent(form);
    b->SetCaption("&Dialoge");
    SendMessageA(form->Handle(), WM_SYSCHAR, 'd', 0);
    EXPECT_EQ(a->hits, 0);
    EXPECT_EQ(b->hits, 1);
    b->SetEnabled(false);
    SendMessageA(form->Handle(), WM_SYSCHAR, 'd', 0);
    EXPECT_EQ(b->hits, 1) << "a disabled control takes no accelerator";
}

TEST_F(FormFixture, HintAppearsForAControlWithShowHintAndTheShowHintEventMayChangeIt)
{
    auto* probe = new Probe(form);
    probe->SetParent(form);
    probe->SetBounds(10, 10, 50, 20);
    probe->SetHint("Programm beenden");
    probe->SetShowHint(true);
    form->Show();
    std::string shown;
    Application()->OnShowHint = [&](std::string& hint, bool& canShow, THintInfo& info) {
        EXPECT_EQ(info.HintControl, probe);
        shown = hint;
        hint = "geändert";
    };
    SendMessageA(form->Handle(), WM_MOUSEMOVE, 0, At(20, 20));
    Application()->ActivateHint(POINT{300, 300});
    Application()->OnShowHint = nullptr;
    EXPECT_EQ(shown, "Programm beenden");
    ASSERT_NE(Application()->HintWindow(), nullptr);
    EXPECT_TRUE(IsWindowVisible(Application()->HintWindow()->Handle()));
    EXPECT_EQ(Application()->HintWindow()->Caption(), "geändert");
    Application()->CancelHint();
    EXPECT_FALSE(IsWindowVisible(Application()->HintWindow()->Handle()));
    SendMessageA(form->Handle(), WM_MOUSEMOVE, 0, At(150, 100));
}

TEST(ScreenCursors, NumbersMapToRegisteredCursorsAndFallBackToTheArrow)
{
    HCURSOR hand = LoadCursorA(nullptr, IDC_HAND);
    Screen()->SetCursors(17999, hand);
    EXPECT_EQ(Screen()->Cursors(17999), hand);
    EXPECT_EQ(Screen()->Cursors(12345), LoadCursorA(nullptr, IDC_ARROW));
}
