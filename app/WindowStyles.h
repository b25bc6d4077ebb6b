// Looks that the main window and the about dialog share: their close button
// and their links.
#pragma once

class TControl;

// TFlatButton: the cross glyph in the program's pale yellow.
void CloseButtonStyle(TControl& c);
// THTTPLabel: bold on white, highlighted blue-grey; the link as hint only.
void LinkStyle(TControl& c);
