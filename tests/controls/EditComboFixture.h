// The test form of the flat edit and combo box tests.
#pragma once

#include "support/TestForm.h"

namespace editcombo {

inline constexpr TColor kFormColor = RGBColor(200, 210, 220);

// The character height (tmHeight) of Tahoma at a font height.
inline int CharHeight(int fontHeight)
{
    TFont font;
    font.SetHeight(fontHeight);
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, font.Handle());
    TEXTMETRICA tm{};
    GetTextMetricsA(screen, &tm);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return tm.tmHeight;
}

struct FormTest : zvtest::FormFixture {
    FormTest() : FormFixture(70, 70, 300, 200, kFormColor) {}
};

} // namespace editcombo
