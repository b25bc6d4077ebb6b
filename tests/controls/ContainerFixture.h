// A border-less test form for the container controls, and pixel helpers.
#pragma once

#include "framework/Forms.h"

#include <gtest/gtest.h>

namespace containers {

inline constexpr TColor kFormColor = RGBColor(200, 210, 220);

inline void Drain()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        if (msg.message != WM_QUIT)
            DispatchMessageA(&msg);
}

struct ContainerForm : testing::Test {
    TForm* form = nullptr;

    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBorderStyle(bsNone);
        form->SetBounds(40, 40, 420, 320);
        form->SetColor(kFormColor);
    }
    void TearDown() override
    {
        delete form;
        Drain();
    }

    template <typename T>
    T* Make(TWinControl* parent, int left, int top)
    {
        auto* control = new T(form);
        control->SetParent(parent);
        control->SetBounds(left, top, control->Width(), control->Height());
        return control;
    }
};

// Paints a control into a memory DC of its size, as WM_PAINT would.
struct Painted {
    TMemoryDC mem;
    explicit Painted(TControl& control) : mem(nullptr, control.Width(), control.Height())
    {
        TCanvas canvas(mem.Handle());
        control.Paint(canvas);
    }
    COLORREF operator()(int x, int y) const { return mem.Pixel(x, y); }
};

// The width and height of text in a font, as the controls measure it.
inline SIZE TextSize(const TFont& font, const std::string& text)
{
    TMemoryDC mem(nullptr, 1, 1);
    TCanvas canvas(mem.Handle());
    canvas.Font = font;
    return canvas.TextExtent(text);
}

} // namespace containers
