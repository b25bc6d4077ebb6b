// The flat group box: a thin open frame whose top line leaves a gap for the
// caption; a container that takes the focus through its accelerator.
#pragma once

#include "controls/FlatBorderColor.h"

enum TGroupBoxBorder { brFull, brOnlyTopLine };

class TFlatGroupBox : public TFlatBorderColorControl {
public:
    explicit TFlatGroupBox(TComponent* owner);

    TGroupBoxBorder Border() const { return FBorder; }
    void SetBorder(TGroupBoxBorder border);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);

    void Paint(TCanvas& canvas) override;
    bool DialogChar(char key) override;

protected:
    void CreateParams(TCreateParams& params) override;
    bool PaintsOffScreen() const override { return true; }
    void Moved() override;

private:
    TGroupBoxBorder FBorder = brFull;
    bool FTransparent = false;
};
