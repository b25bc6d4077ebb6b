// Looks shared by the layout rows of the program's windows: every setting sits
// in a flat group box around a white panel with a word-wrapped explanation,
// and every window closes by the same small button with a cross.
#pragma once

#include "framework/Graphics.h"

class TControl;

inline constexpr TColor kGroupColor = 14209733;

void TitleBarStyle(TControl& c);      // TFlatPanel: caption on the left, black frame
void BlackFrameStyle(TControl& c);    // TFlatPanel: black frame
void GroupStyle(TControl& c);          // TFlatGroupBox: group colour, white border
void WhitePanelStyle(TControl& c);     // TFlatPanel: white, no caption
void ExplainStyle(TControl& c);        // TLabel: word-wrapped, see-through
void CentredLabelStyle(TControl& c);   // TLabel: one centred line over its width, see-through
void TabStripStyle(TControl& c);       // TFlatTabControl of the settings dialogs
void PickerStyle(TControl& c);         // TFlatSpeedButton "...", glyph on the right
void ReadOnlyEditStyle(TControl& c);   // TFlatEdit that only the program fills
void CloseButtonStyle(TControl& c);    // TFlatButton: the cross glyph in the program's pale yellow
void TitleCloseStyle(TControl& c);     // the same in a dialog's title bar: the cross alone fills it
void ScrollingListStyle(TControl& c);  // TFlatListBox: white, scroll buttons (before the bounds)
