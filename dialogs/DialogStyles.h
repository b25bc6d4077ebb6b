// Looks shared by the settings dialogs' layout rows: every setting sits in a
// flat group box around a white panel with a word-wrapped explanation.
#pragma once

#include "framework/Graphics.h"

class TControl;

inline constexpr TColor kGroupColor = 14209733;

void TitleBarStyle(TControl& c);      // TFlatPanel: caption on the left, black frame
void BlackFrameStyle(TControl& c);    // TFlatPanel: black frame
void GroupStyle(TControl& c);          // TFlatGroupBox: group colour, white border
void WhitePanelStyle(TControl& c);     // TFlatPanel: white, no caption
void ExplainStyle(TControl& c);
void CentredLabelStyle(TControl& c);   // TLabel: one centred line over its width, see-through        // TLabel: word-wrapped, see-through
void TabStripStyle(TControl& c);       // TFlatTabControl of the settings dialogs
void PickerStyle(TControl& c);         // TFlatSpeedButton "...", glyph on the right
void ReadOnlyEditStyle(TControl& c);   // TFlatEdit that only the program fills
