// A border-less test form for the container controls, and pixel helpers.
#pragma once

#include "support/TestForm.h"

namespace containers {

inline constexpr TColor kFormColor = RGBColor(200, 210, 220);

using zvtest::Painted;

struct ContainerForm : zvtest::FormFixture {
    ContainerForm() : FormFixture(40, 40, 420, 320, kFormColor) {}
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
