// The frame every setting of a settings page sits in: a group box with its
// caption around a white panel, and the panel's explanation at the top. The
// controls go into the panel "pnl" + id; the group is "grp" + id, the
// explanation "lbl" + id.
#pragma once

#include "controls/TFlatGroupBoxUnit.h"
#include "controls/TFlatPanelUnit.h"
#include "dialogs/DialogStyles.h"
#include "framework/Layout.h"
#include "framework/StdLabel.h"

#include <span>
#include <string>

struct TSettingGroup {
    const char* page;       // the notebook page
    const char* id;
    int top, height;
    const char* caption;
    const char* text;       // the explanation; nullptr: none
    int textHeight;
};

template <class Form>
void AddSettingGroups(TLayoutBuilder<Form>& build, std::span<const TSettingGroup> groups)
{
    for (const TSettingGroup& g : groups) {
        const std::string group = std::string("grp") + g.id;
        const std::string panel = std::string("pnl") + g.id;
        const std::string label = std::string("lbl") + g.id;
        build.AddRow({.create = New<TFlatGroupBox>, .name = group.c_str(), .parent = g.page, .left = 8, .top = g.top,
                      .width = 459, .height = g.height, .caption = g.caption, .style = GroupStyle});
        build.AddRow({.create = New<TFlatPanel>, .name = panel.c_str(), .parent = group.c_str(), .left = 8, .top = 18,
                      .width = 443, .height = g.height - 26, .style = WhitePanelStyle});
        if (g.text)
            build.AddRow({.create = New<TLabel>, .name = label.c_str(), .parent = panel.c_str(), .left = 8, .top = 6,
                          .width = 427, .height = g.textHeight, .caption = g.text, .style = ExplainStyle});
    }
}
