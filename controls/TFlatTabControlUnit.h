// The flat tab strip: one row of tabs above (or below) a framed page that
// holds the page's controls. Which controls a tab shows is the owner's
// business (OnTabChanged).
#pragma once

#include "controls/FlatBorderColor.h"

#include <string>
#include <vector>

enum TFlatTabPosition { tpTop, tpBottom };

class TFlatTabControl : public TFlatBorderColorControl {
public:
    explicit TFlatTabControl(TComponent* owner);

    const std::vector<std::string>& Tabs() const { return FTabs; }
    void SetTabs(const std::vector<std::string>& tabs);
    int ActiveTab() const { return FActiveTab; }
    // Clamps into the tabs, stores and always fires OnTabChanged.
    void SetActiveTab(int index);
    int TabHeight() const { return FTabHeight; }
    void SetTabHeight(int height);
    int TabSpacing() const { return FTabSpacing; }
    void SetTabSpacing(int spacing);
    TFlatTabPosition TabPosition() const { return FTabPosition; }
    void SetTabPosition(TFlatTabPosition position);
    TColor ColorUnselectedTab() const { return FColorUnselectedTab; }
    void SetColorUnselectedTab(TColor color);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int width);

    TNotifyEvent OnTabChanged;

    // Tab i's rectangle in client coordinates.
    RECT TabRect(int index) const;
    // The tab under p (client coordinates), or -1.
    int TabAtPos(POINT p) const;

    void Paint(TCanvas& canvas) override;
    void AdjustClientRect(RECT& r) const override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DialogChar(char key) override;
    void Loaded() override;

protected:
    void CreateParams(TCreateParams& params) override;
    bool PaintsOffScreen() const override { return true; }
    void FontChanged() override;
    void Resized() override;

private:
    // Recomputes the tab rectangles from the texts, font and tab settings.
    void UpdateTabRects();
    void LayoutChanged();

    std::vector<std::string> FTabs;
    std::vector<RECT> FTabRects;
    int FActiveTab = 0;
    int FTabHeight = 16;
    int FTabSpacing = 4;
    TFlatTabPosition FTabPosition = tpTop;
    TColor FColorUnselectedTab;
    int FBorderWidth = 0;
};
