// What both flat list boxes share, typed over the two kinds.
#include "controls/TFlatCheckListBoxUnit.h"
#include "controls/TFlatListBoxUnit.h"

#include "ControlTestForm.h"

#include <string>
#include <vector>

namespace {

bool MarkOf(const TFlatListBox& l, int index) { return l.ItemSelected(index); }
bool MarkOf(const TFlatCheckListBox& l, int index) { return l.ItemChecked(index); }

template <class T>
struct FlatListBoxKinds : ControlFormTest {
    T* Make(int left)
    {
        auto* list = new T(form);
        list->SetParent(form);
        list->SetLeft(left);
        list->Handle();
        return list;
    }
    // 20 items, scrolled to the end, the first item in view marked.
    static void Prepare(T* list, bool sorted)
    {
        list->SetSorted(sorted);
        for (int i = 0; i < 20; ++i)
            list->Items().Add("alt " + std::to_string(i));
        for (int i = 0; i < 4; ++i)
            SendMessageA(list->Handle(), WM_KEYDOWN, VK_NEXT, 0);
        const RECT row = list->RowRect(0);
        Click(list->Handle(), row.left + 5, row.top + 5);
        ASSERT_EQ(list->TopIndex(), 15);
        ASSERT_TRUE(MarkOf(*list, 15));
    }
    // The lines of the attachment types dialog: "ext - file type".
    static std::vector<std::string> Lines(int count)
    {
        std::vector<std::string> lines;
        for (int i = count; i > 0; --i)
            lines.push_back("x" + std::to_string(i * 7919 % 100000) + " - Dateityp " + std::to_string(i));
        return lines;
    }
};

using Kinds = testing::Types<TFlatListBox, TFlatCheckListBox>;
TYPED_TEST_SUITE(FlatListBoxKinds, Kinds);

} // namespace

// Changes inside one update of Items end in the same state as making them
// one by one, and the list hears of them once.
TYPED_TEST(FlatListBoxKinds, ChangesInsideOneUpdateEqualAddingOneByOne)
{
    using Change = void (*)(TStringList&, const std::vector<std::string>&);
    struct Row {
        const char* name;
        bool sorted;
        Change change;
        int top;
    } const rows[] = {
        {"10,000 lines added", false, [](TStringList& l, const std::vector<std::string>& lines) {
             for (const std::string& line : lines)
                 l.Add(line);
         }, 15},
        {"10,000 lines added, sorted", true, [](TStringList& l, const std::vector<std::string>& lines) {
             for (const std::string& line : lines)
                 l.Add(line);
         }, 15},
        {"shrunk to 3", false, [](TStringList& l, const std::vector<std::string>&) {
             while (l.Count() > 3)
                 l.Delete(l.Count() - 1);
         }, 0},
    };
    const std::vector<std::string> lines = this->Lines(10000);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto* single = this->Make(0);
        auto* bulk = this->Make(150);
        this->Prepare(single, row.sorted);
        this->Prepare(bulk, row.sorted);
        row.change(single->Items(), lines);

        int announced = 0;
        auto original = bulk->Items().OnChange;
        bulk->Items().OnChange = [&](TObject* sender) {
            ++announced;
            original(sender);
        };
        {
            TStringListUpdate update(bulk->Items());
            row.change(bulk->Items(), lines);
            EXPECT_EQ(announced, 0);
            EXPECT_TRUE(MarkOf(*bulk, 15)) << "nothing cleared or measured yet";
        }
        EXPECT_EQ(announced, 1);

        EXPECT_EQ(bulk->Items().Strings(), single->Items().Strings());
        EXPECT_EQ(bulk->TopIndex(), row.top);
        EXPECT_EQ(single->TopIndex(), row.top);
        for (int i = 0; i < TFlatListBoxBase::MaxMarks; ++i)
            ASSERT_FALSE(MarkOf(*bulk, i) || MarkOf(*single, i)) << i;
        delete single;
        delete bulk;
    }
}
