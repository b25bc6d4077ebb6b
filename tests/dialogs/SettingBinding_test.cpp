// Each settings dialog binds every row of its model to exactly one control,
// and every setting control to exactly one row: a row added to a table but
// forgotten in the layout, or a check box nobody reads, shows up here.
#include "dialogs/AllIdentities.h"
#include "dialogs/ChangeRegistry.h"

#include "support/TestForm.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

template <class Dlg>
std::vector<std::string> ProblemsOf()
{
    auto dlg = std::make_unique<Dlg>(nullptr);
    return dlg->Binding().Problems(*dlg);
}

TEST(SettingBinding, EveryRowHasOneControlAndEveryControlOneRow)
{
    EXPECT_EQ(ProblemsOf<TAllDlg>(), std::vector<std::string>{});
    EXPECT_EQ(ProblemsOf<TseparateDlg>(), std::vector<std::string>{});
    // The check itself sees a control without its row.
    auto dlg = std::make_unique<TAllDlg>(nullptr);
    TAllDlg other(nullptr);
    TSettingBinding partial(other.Model());
    partial.Bind("Signalton", nullptr, nullptr);
    EXPECT_FALSE(partial.Problems(*dlg).empty());
}

} // namespace
