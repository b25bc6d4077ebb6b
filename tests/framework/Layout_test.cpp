// Anchored and aligned children when their parent changes size, through the
// program's own SetBounds and through the window being resized from outside.
#include "framework/StdLabel.h"
#include "framework/StdPanel.h"

#include "support/TestForm.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

struct LayoutTest : zvtest::FormFixture {
    LayoutTest() : zvtest::FormFixture(120, 120, 300, 200) {}

    // Where the control's window really is, relative to its parent window.
    static RECT WindowBounds(TWinControl* c)
    {
        RECT r;
        GetWindowRect(c->Handle(), &r);
        MapWindowPoints(nullptr, GetParent(c->Handle()), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
};

// left, top, width, height
struct Box {
    int l, t, w, h;
    bool operator==(const Box&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Box& b)
{
    return os << "(" << b.l << "," << b.t << " " << b.w << "x" << b.h << ")";
}
Box BoundsOf(const TControl* c) { return {c->Left(), c->Top(), c->Width(), c->Height()}; }

// The ways a parent of 300 x 200 grows by 40 x 30 (or shrinks).
using Resize = std::function<void(LayoutTest&, TWinControl* parent, int dx, int dy)>;
struct ResizeWay {
    const char* name;
    bool nested;
    Resize resize;
};
const ResizeWay kResizeWays[] = {
    {"form by SetBounds", false,
     [](LayoutTest&, TWinControl* p, int dx, int dy) { p->SetBounds(120, 120, 300 + dx, 200 + dy); }},
    {"form window resized from outside", false,
     [](LayoutTest&, TWinControl* p, int dx, int dy) {
         SetWindowPos(p->Handle(), nullptr, 0, 0, 300 + dx, 200 + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
     }},
    {"panel that fills the form", true,
     [](LayoutTest& t, TWinControl*, int dx, int dy) { t.form->SetBounds(120, 120, 300 + dx, 200 + dy); }},
};

// The parent: the form itself, or a client-aligned panel filling it.
TWinControl* MakeParent(LayoutTest& t, bool nested)
{
    if (!nested)
        return t.form;
    auto* panel = new TPanel(t.form);
    panel->SetParent(t.form);
    panel->SetAlign(alClient);
    EXPECT_EQ(panel->Width(), 300);
    return panel;
}

} // namespace

TEST_F(LayoutTest, AnchorsKeepTheirDistancesWhenTheParentResizes)
{
    // A child at (20, 30) 100 x 50: 180 from the right edge, 120 from the
    // bottom. The parent grows by 40 x 30, then shrinks by 20 x 10.
    struct Row {
        const char* name;
        TAnchors anchors;
        Box grown, shrunk;
    } const rows[] = {
        {"left top", akLeft | akTop, {20, 30, 100, 50}, {20, 30, 100, 50}},
        {"right", akTop | akRight, {60, 30, 100, 50}, {0, 30, 100, 50}},
        {"left right", akLeft | akTop | akRight, {20, 30, 140, 50}, {20, 30, 80, 50}},
        {"bottom", akLeft | akBottom, {20, 60, 100, 50}, {20, 20, 100, 50}},
        {"top bottom", akLeft | akTop | akBottom, {20, 30, 100, 80}, {20, 30, 100, 40}},
        {"right bottom", akRight | akBottom, {60, 60, 100, 50}, {0, 20, 100, 50}},
        {"all four", akLeft | akTop | akRight | akBottom, {20, 30, 140, 80}, {20, 30, 80, 40}},
    };
    for (const ResizeWay& way : kResizeWays) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(way.name) + ": " + row.name);
            form->SetBounds(120, 120, 300, 200);
            TWinControl* parent = MakeParent(*this, way.nested);
            auto* windowed = new TPanel(form);
            windowed->SetParent(parent);
            windowed->SetBounds(20, 30, 100, 50);
            windowed->SetAnchors(row.anchors);
            auto* graphic = new TLabel(form);
            graphic->SetAutoSize(false);
            graphic->SetParent(parent);
            graphic->SetBounds(20, 30, 100, 50);
            graphic->SetAnchors(row.anchors);
            form->Show();

            way.resize(*this, parent, 40, 30);
            EXPECT_EQ(BoundsOf(windowed), row.grown);
            EXPECT_EQ(BoundsOf(graphic), row.grown);
            const RECT r = WindowBounds(windowed);
            EXPECT_EQ((Box{r.left, r.top, r.right - r.left, r.bottom - r.top}), row.grown) << "the window follows";
            way.resize(*this, parent, -20, -10);
            EXPECT_EQ(BoundsOf(windowed), row.shrunk);
            EXPECT_EQ(BoundsOf(graphic), row.shrunk);

            delete windowed;
            delete graphic;
            if (parent != form)
                delete parent;
        }
    }
}

TEST_F(LayoutTest, AlignedChildrenShareTheParentInTheirOrder)
{
    auto make = [&](TAlign align, int w, int h) {
        auto* p = new TPanel(form);
        p->SetBounds(5, 5, w, h);
        p->SetParent(form);
        p->SetAlign(align);
        return p;
    };
    // Made bottom first, so that the places follow the kind, not the order.
    auto* client = make(alClient, 10, 10);
    auto* bottom = make(alBottom, 10, 30);
    auto* top = make(alTop, 10, 20);
    auto* top2 = make(alTop, 10, 15);
    auto* left = make(alLeft, 25, 10);
    auto* right = make(alRight, 35, 10);
    form->Show();
    struct Expect {
        TControl* control;
        Box at;
    };
    auto check = [&](const char* step, int w, int h, std::initializer_list<Expect> expected) {
        SCOPED_TRACE(step);
        ASSERT_EQ(form->Width(), w);
        ASSERT_EQ(form->Height(), h);
        for (const Expect& e : expected)
            EXPECT_EQ(BoundsOf(e.control), e.at) << e.control->Name();
    };
    for (auto [c, name] : {std::pair{client, "client"}, {bottom, "bottom"}, {top, "top"}, {top2, "top2"},
                           {left, "left"}, {right, "right"}})
        c->SetName(name);

    check("placed", 300, 200,
          {{top, {0, 0, 300, 20}}, {top2, {0, 20, 300, 15}}, {bottom, {0, 170, 300, 30}},
           {left, {0, 35, 25, 135}}, {right, {265, 35, 35, 135}}, {client, {25, 35, 240, 135}}});
    SetWindowPos(form->Handle(), nullptr, 0, 0, 360, 250, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    check("window resized", 360, 250,
          {{top, {0, 0, 360, 20}}, {bottom, {0, 220, 360, 30}}, {right, {325, 35, 35, 185}},
           {client, {25, 35, 300, 185}}});
    top->Hide();
    check("first top hidden", 360, 250, {{top2, {0, 0, 360, 15}}, {client, {25, 15, 300, 205}}});
    top->Show();
    bottom->SetHeight(50);
    check("bottom taller", 360, 250, {{top2, {0, 20, 360, 15}}, {bottom, {0, 200, 360, 50}}, {client, {25, 35, 300, 165}}});
    right->SetAlign(alNone);
    check("right no longer aligned", 360, 250, {{client, {25, 35, 335, 165}}});
    EXPECT_EQ(BoundsOf(right), (Box{325, 35, 35, 165})) << "keeps its last place";
}
