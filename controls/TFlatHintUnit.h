// Flat tooltips: TFlatHint, placed once on the main window, makes every
// tooltip of the application a TFlatHintWindow in its colours and font.
#pragma once

#include "framework/Forms.h"

#include <string>
#include <vector>

class TFlatHint : public TComponent {
public:
    explicit TFlatHint(TComponent* owner);
    ~TFlatHint() override;

    TColor ColorBackground() const { return FColorBackground; }
    void SetColorBackground(TColor color) { FColorBackground = color; }
    TColor ColorBorder() const { return FColorBorder; }
    void SetColorBorder(TColor color) { FColorBorder = color; }
    TColor ColorArrowBackground() const { return FColorArrowBackground; }
    void SetColorArrowBackground(TColor color) { FColorArrowBackground = color; }
    TColor ColorArrow() const { return FColorArrow; }
    void SetColorArrow(TColor color) { FColorArrow = color; }
    int MaxHintWidth() const { return FMaxHintWidth; }
    void SetMaxHintWidth(int width) { FMaxHintWidth = width; }
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& font) { FFont.Assign(font); }

    // The application's show-hint event, passed on from ours.
    TShowHintEvent OnShowHint;

private:
    void ShowHintHandler(std::string& hint, bool& canShow, THintInfo& info);

    TColor FColorBackground = clWhite;
    TColor FColorBorder = clBlack;
    TColor FColorArrowBackground;
    TColor FColorArrow = clBlack;
    int FMaxHintWidth = 200;
    TFont FFont;
};

// Where the tooltip stands relative to the pointer.
enum THintPlacement { hpBelowRight, hpBelowLeft, hpAboveRight, hpAboveLeft };

class TFlatHintWindow : public THintWindow {
public:
    explicit TFlatHintWindow(TComponent* owner);

    // Text width + 22 by text height + 6; the text is wrapped in the hint's
    // MaxHintWidth - 22 (maxWidth of the application is not used).
    RECT CalcHintRect(int maxWidth, const std::string& hint) override;
    // Shows the window next to the pointer; only the size of r counts.
    void ActivateHint(RECT r, const std::string& hint) override;
    // The same for a given pointer position (screen coordinates).
    void ActivateHintAt(POINT cursor, RECT r, const std::string& hint);
    void Paint(TCanvas& canvas) override;

    THintPlacement Placement() const { return FPlacement; }

    // The window's screen rectangle for a tooltip of the given size, and the
    // placement, chosen by the screen quarter the pointer is in.
    static RECT PlaceHint(POINT cursor, SIZE size, SIZE screen, THintPlacement& placement);
    // The 14-pixel arrow area of a window with the given client rectangle.
    static RECT ArrowArea(const RECT& client, THintPlacement placement);
    // The arrow's polyline, pointing at the pointer.
    static std::vector<TPoint> ArrowPoints(const RECT& client, THintPlacement placement);

protected:
    void CreateParams(TCreateParams& params) override;

private:
    THintPlacement FPlacement = hpBelowRight;
};

// The first TFlatHint among the main window's components, or nullptr.
TFlatHint* FindFlatHint();
