// TScreen: the screen's size and the cursor table.
#include "framework/Forms.h"

TScreen::TScreen()
{
    FCursors[crDefault] = LoadCursorA(nullptr, IDC_ARROW);
    FCursors[crArrow] = LoadCursorA(nullptr, IDC_ARROW);
    FCursors[crIBeam] = LoadCursorA(nullptr, IDC_IBEAM);
    FCursors[crHandPoint] = LoadCursorA(nullptr, IDC_HAND);
    FCursors[crSizeAll] = LoadCursorA(nullptr, IDC_SIZEALL);
}

HCURSOR TScreen::Cursors(TCursor index) const
{
    auto it = FCursors.find(index);
    return it != FCursors.end() && it->second ? it->second : FCursors.at(crDefault);
}

void TScreen::SetCursors(TCursor index, HCURSOR cursor)
{
    if (index == crDefault && !cursor)
        cursor = LoadCursorA(nullptr, IDC_ARROW);
    FCursors[index] = cursor;
}

TScreen* Screen()
{
    static TScreen* screen = new TScreen();
    return screen;
}
