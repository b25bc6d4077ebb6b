// The layout builder: rows placed under the parents they name, handlers wired
// by pointer-to-member, and the loading phase that ends with one Loaded() per
// component once every row is placed.
#include "framework/Layout.h"

#include "controls/TFlatEditUnit.h"
#include "controls/TFlatListBoxUnit.h"
#include "controls/TFlatTabControlUnit.h"
#include "controls/TabPages.h"
#include "framework/Exceptions.h"
#include "framework/FontMetrics.h"
#include "framework/StdLabel.h"
#include "framework/StdPanel.h"
#include "support/TestForm.h"

#include <gtest/gtest.h>

namespace {

// Records, when told that loading ended, whether every component of its form
// was placed and out of the loading phase.
class Probe : public TComponent {
public:
    using TComponent::TComponent;
    int loadedCalls = 0;
    bool othersDoneThen = false;
    void Loaded() override
    {
        ++loadedCalls;
        othersDoneThen = true;
        for (TComponent* c : Owner()->Components())
            if (c->Loading())
                othersDoneThen = false;
        othersDoneThen = othersDoneThen && Owner()->FindComponent("lbl") != nullptr;
    }
};

class TestDlg : public TForm {
public:
    explicit TestDlg(TComponent* owner) : TForm(owner) {}
    TPanel* pnl = nullptr;
    TLabel* lbl = nullptr;
    TFlatEdit* ed = nullptr;
    TFlatListBox* list = nullptr;
    std::vector<std::string> calls;
    bool loadingDuringBuild = false;
    void PanelDown(TObject* s, TMouseButton, TShiftState, int, int) { calls.push_back("down " + Name(s)); }
    void Clicked(TObject* s) { calls.push_back("click " + Name(s)); }
    void Changed(TObject* s) { calls.push_back("change " + Name(s)); }
    static std::string Name(TObject* s) { return dynamic_cast<TComponent*>(s)->Name(); }
};

using Row = TLayoutRow<TestDlg>;

const Row kRows[] = {
    {.create = Ctl<&TestDlg::pnl>, .name = "pnl", .parent = nullptr, .left = 0, .top = 0, .width = 200, .height = 150,
     .color = clWhite, .onMouseDown = &TestDlg::PanelDown},
    {.create = Ctl<&TestDlg::ed>, .name = "ed", .parent = "pnl", .left = 10, .top = 10, .width = 100, .height = 40,
     .font = {.size = 14}, .flags = lfTabStop, .onChange = &TestDlg::Changed},
    {.create = Ctl<&TestDlg::list>, .name = "list", .parent = "pnl", .left = 10, .top = 60, .width = 100,
     .height = 80},
    {.create = New<TLabel>, .name = "hidden", .parent = "pnl", .left = 120, .top = 10, .width = 50, .height = 13,
     .caption = "x", .hint = "stored only", .flags = lfHidden | lfDisabled | lfNoHint},
    {.create = Ctl<&TestDlg::lbl>, .name = "lbl", .parent = "pnl", .left = 120, .top = 30, .width = 50, .height = 13,
     .caption = "y", .hint = "shown", .onClick = &TestDlg::Clicked},
};

struct LayoutBuilderTest : testing::Test {
    void TearDown() override { zvtest::DrainMessages(); }
};

TEST_F(LayoutBuilderTest, RowsArePlacedWiredAndLoadedOnceAtTheEnd)
{
    TestDlg dlg(nullptr);
    dlg.SetBorderStyle(bsNone);
    dlg.SetBounds(0, 0, 220, 170);
    auto* probe = new Probe(&dlg);
    {
        TLayoutBuilder<TestDlg> build(dlg);
        build.Add(kRows);
        EXPECT_TRUE(dlg.ed->Loading());
        EXPECT_EQ(probe->loadedCalls, 0);
        // A list box whose scroll buttons are switched on while it is set up
        // keeps the height its row gave it.
        const int placed = dlg.list->Height();
        dlg.list->SetScrollBars(true);
        EXPECT_LT(dlg.list->Height(), placed + 20);
        build.Finish();
        build.Finish();
    }
    EXPECT_EQ(probe->loadedCalls, 1);
    EXPECT_TRUE(probe->othersDoneThen);
    EXPECT_FALSE(dlg.Loading());
    // The flat edit's height follows its font once loading is over.
    EXPECT_EQ(dlg.ed->Height(), FontCharHeight(dlg.ed->Font()) + 6);
    // Outside loading, the scroll buttons take their room with them.
    const int withButtons = dlg.list->Height();
    dlg.list->SetScrollBars(false);
    EXPECT_LE(dlg.list->Height(), withButtons - 10);

    EXPECT_EQ(dlg.ed->Parent(), dlg.pnl);
    EXPECT_EQ(dlg.pnl->Color(), clWhite);
    EXPECT_TRUE(dlg.ed->TabStop());
    auto* hidden = static_cast<TLabel*>(dlg.FindComponent("hidden"));
    ASSERT_NE(hidden, nullptr);
    EXPECT_FALSE(hidden->Visible());
    EXPECT_FALSE(hidden->Enabled());
    EXPECT_FALSE(hidden->ShowHint());
    EXPECT_EQ(hidden->Hint(), "stored only");
    EXPECT_TRUE(dlg.lbl->ShowHint());

    dlg.Show();
    zvtest::Click(dlg.pnl->Handle(), 5, 5);
    zvtest::Click(dlg.pnl->Handle(), 121, 33);
    dlg.ed->SetText("neu");
    EXPECT_EQ(dlg.calls, (std::vector<std::string>{"down pnl", "click lbl", "change ed"}));
}

TEST_F(LayoutBuilderTest, AMisspeltParentOrAMissingChangeEventNamesTheRow)
{
    const Row wrongParent[] = {
        {.create = New<TLabel>, .name = "orphan", .parent = "nowhere", .left = 0, .top = 0, .width = 5, .height = 5}};
    const Row noChange[] = {{.create = New<TLabel>, .name = "mute", .parent = nullptr, .left = 0, .top = 0,
                             .width = 5, .height = 5, .onChange = &TestDlg::Changed}};
    TestDlg dlg(nullptr);
    TLayoutBuilder<TestDlg> build(dlg);
    try {
        build.Add(wrongParent);
        ADD_FAILURE() << "no error for a parent that does not exist";
    } catch (const Exception& e) {
        EXPECT_NE(e.Message().find("orphan"), std::string::npos) << e.Message();
    }
    try {
        build.Add(noChange);
        ADD_FAILURE() << "no error for a change handler on a label";
    } catch (const Exception& e) {
        EXPECT_NE(e.Message().find("mute"), std::string::npos) << e.Message();
    }
}

TEST_F(LayoutBuilderTest, TabIShowsPageI)
{
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 300, 200);
    auto* tabs = new TFlatTabControl(&form);
    tabs->SetParent(&form);
    tabs->SetBounds(0, 0, 300, 200);
    auto* book = new TNotebook(&form);
    book->SetParent(tabs);
    book->SetAlign(alClient);
    BindTabPages(*tabs, *book, {{"Eins", "pg1"}, {"Zwei && Drei", "pg2"}, {"Vier", "pg4"}});
    EXPECT_EQ(tabs->Tabs().size(), 3u);
    EXPECT_EQ(form.FindComponent("pg2"), book->Page(1));
    for (int i : {2, 0, 1}) {
        tabs->SetActiveTab(i);
        EXPECT_EQ(book->PageIndex(), i);
        for (int p = 0; p < 3; ++p)
            EXPECT_EQ(book->Page(p)->Visible(), p == i) << "tab " << i << " page " << p;
    }
}

} // namespace
