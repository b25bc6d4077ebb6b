// The outline of the skinned main window.
#pragma once

#include <windows.h>

// A region covering the bitmap's pixels except those of its key colour (the
// colour of the top-left pixel), compared exactly. The caller owns the
// region. Returns nullptr when the bitmap cannot be read.
HRGN CreateSkinRegion(HBITMAP bitmap);
