// Text metrics of a font, measured on the screen.
#pragma once

#include "framework/Graphics.h"

// The character height of font in pixels (ascent + descent, tmHeight).
int FontCharHeight(const TFont& font);
