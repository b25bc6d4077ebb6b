// Every derived-colour percentage of every flat control follows one rule:
// 0..100 is taken, anything outside is refused and the old value stays.
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatCheckBoxUnit.h"
#include "controls/TFlatCheckListBoxUnit.h"
#include "controls/TFlatComboBoxUnit.h"
#include "controls/TFlatEditUnit.h"
#include "controls/TFlatGroupBoxUnit.h"
#include "controls/TFlatListBoxUnit.h"
#include "controls/TFlatSpeedButtonUnit.h"
#include "controls/TFlatTabControlUnit.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

struct PercentProperty {
    const char* name;
    std::function<std::unique_ptr<TControl>()> make;
    std::function<int(TControl&)> get;
    std::function<void(TControl&, int)> set;
};

template <typename T>
std::unique_ptr<TControl> MakeControl()
{
    return std::make_unique<T>(nullptr);
}

#define ZV_PERCENT(Class, Property)                                                                    \
    PercentProperty                                                                                    \
    {                                                                                                  \
        #Class "." #Property, MakeControl<Class>,                                                      \
            [](TControl& c) { return static_cast<Class&>(c).Property(); },                             \
            [](TControl& c, int v) { static_cast<Class&>(c).Set##Property(v); }                        \
    }

const PercentProperty kProperties[] = {
    ZV_PERCENT(TFlatButton, AdvColorFocused),      ZV_PERCENT(TFlatButton, AdvColorDown),
    ZV_PERCENT(TFlatButton, AdvColorBorder),       ZV_PERCENT(TFlatSpeedButton, AdvColorBorder),
    ZV_PERCENT(TFlatCheckBox, AdvColorDown),       ZV_PERCENT(TFlatEdit, AdvColorFocused),
    ZV_PERCENT(TFlatEdit, AdvColorBorder),         ZV_PERCENT(TFlatComboBox, AdvColorBorder),
    ZV_PERCENT(TFlatComboBox, AdvColorArrowBackground), ZV_PERCENT(TFlatGroupBox, AdvColorBorder),
    ZV_PERCENT(TFlatTabControl, AdvColorBorder),   ZV_PERCENT(TFlatListBox, AdvColorBorder),
    ZV_PERCENT(TFlatCheckListBox, AdvColorBorder),
};

#undef ZV_PERCENT

} // namespace

TEST(AdvColorPercent, EveryControlTakesZeroToHundredAndRefusesTheRest)
{
    // Each step: the value set and what the property holds afterwards.
    const std::pair<int, int> steps[] = {{37, 37}, {-1, 37}, {101, 37}, {0, 0}, {-50, 0}, {100, 100}, {250, 100}, {1, 1}};
    for (const PercentProperty& property : kProperties) {
        std::unique_ptr<TControl> control = property.make();
        for (const auto& [value, held] : steps) {
            property.set(*control, value);
            EXPECT_EQ(property.get(*control), held) << property.name << " set to " << value;
        }
    }
}
