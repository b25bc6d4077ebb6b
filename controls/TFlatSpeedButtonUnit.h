// The windowless flat button of tool rows: never takes the focus and paints
// straight onto its parent.
#pragma once

#include "controls/FlatButtonCore.h"

class TFlatSpeedButton : public TFlatButtonCore<TGraphicControl> {
public:
    explicit TFlatSpeedButton(TComponent* owner);
};
