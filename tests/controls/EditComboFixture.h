// The test form of the flat edit and combo box tests.
#pragma once

#include "framework/Forms.h"

#include <gtest/gtest.h>

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

struct FormTest : testing::Test {
    TForm* form = nullptr;
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBorderStyle(bsNone);
        form->SetBounds(70, 70, 300, 200);
        form->SetColor(kFormColor);
    }
    void TearDown() override
    {
        delete form;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            if (msg.message != WM_QUIT)
                DispatchMessageA(&msg);
    }
    template <typename T>
    T* Make(int left, int top)
    {
        auto* control = new T(form);
        control->SetParent(form);
        control->SetBounds(left, top, control->Width(), control->Height());
        return control;
    }
};

} // namespace editcombo
