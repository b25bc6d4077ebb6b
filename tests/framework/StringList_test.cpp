#include "framework/StringList.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// What OnChange saw: the count at each announcement.
struct Announced {
    TStringList list;
    std::vector<int> counts;
    Announced()
    {
        list.OnChange = [this](TObject* sender) {
            EXPECT_EQ(sender, &list);
            counts.push_back(list.Count());
        };
    }
};

} // namespace

TEST(StringListUpdate, ChangesInsideAnUpdateAreAnnouncedOnceAtItsEnd)
{
    struct Row {
        const char* name;
        std::function<void(TStringList&)> fill;
        std::vector<int> announced;
    } const rows[] = {
        {"no update: every change", [](TStringList& l) { l.Add("a"), l.Add("b"), l.Delete(0); }, {1, 2, 1}},
        {"one update",
         [](TStringList& l) {
             TStringListUpdate update(l);
             for (int i = 0; i < 1000; ++i)
                 l.Add(std::to_string(i));
         },
         {1000}},
        {"nested: at the outermost end",
         [](TStringList& l) {
             TStringListUpdate outer(l);
             {
                 TStringListUpdate inner(l);
                 l.Add("a");
             }
             l.Add("b");
         },
         {2}},
        {"nothing changed: nothing announced",
         [](TStringList& l) {
             TStringListUpdate update(l);
             l.Clear();
         },
         {}},
        {"after an update each change again",
         [](TStringList& l) {
             {
                 TStringListUpdate update(l);
                 l.Add("a");
             }
             l.Add("b");
         },
         {1, 2}},
        {"an unmatched end does nothing", [](TStringList& l) { l.EndUpdate(), l.Add("a"); }, {1}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Announced a;
        row.fill(a.list);
        EXPECT_EQ(a.counts, row.announced);
    }
}

TEST(StringListUpdate, AFillThatThrowsStillEndsTheUpdate)
{
    Announced a;
    try {
        TStringListUpdate update(a.list);
        a.list.Add("a");
        a.list.Delete(5);
    } catch (const std::exception&) {
    }
    EXPECT_EQ(a.counts, (std::vector<int>{1}));
    a.list.Add("b");
    EXPECT_EQ(a.counts, (std::vector<int>{1, 2})) << "no update left open";
}

TEST(StringListUpdate, SortedAddsFindTheirPlacesInsideAnUpdate)
{
    Announced a;
    a.list.SetSorted(true);
    a.counts.clear();
    {
        TStringListUpdate update(a.list);
        for (const char* s : {"eml - E-Mail", "bmp - Bitmap", "Doc - Dokument", "cab - Archiv"})
            a.list.Add(s);
    }
    EXPECT_EQ(a.list.Strings(),
              (std::vector<std::string>{"bmp - Bitmap", "cab - Archiv", "Doc - Dokument", "eml - E-Mail"}));
    EXPECT_EQ(a.counts, (std::vector<int>{4}));
}
