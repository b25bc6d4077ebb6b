// The look of the links that the main window and the about dialog share.
#pragma once

class TControl;

// THTTPLabel: bold on white, highlighted blue-grey; the link as hint only.
void LinkStyle(TControl& c);
