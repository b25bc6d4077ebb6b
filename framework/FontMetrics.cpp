#include "framework/FontMetrics.h"

int FontCharHeight(const TFont& font)
{
    WindowDC screen(nullptr);
    SelectGuard select(screen.Get(), font.Handle());
    TEXTMETRICA tm{};
    GetTextMetricsA(screen.Get(), &tm);
    return tm.tmHeight;
}
