#include "controls/TFlatSpeedButtonUnit.h"

// All of its behaviour is the shared button core; where the windowed button
// shows its parent's image the speed button paints nothing, as the parent has
// already painted there.
TFlatSpeedButton::TFlatSpeedButton(TComponent* owner) : TFlatButtonCore<TGraphicControl>(owner) {}
