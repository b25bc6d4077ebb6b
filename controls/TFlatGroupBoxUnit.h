// The flat group box: a thin open frame whose top line leaves a gap for the
// caption; a container that takes the focus through its accelerator.
#pragma once

#include "framework/Controls.h"

enum TGroupBoxBorder { brFull, brOnlyTopLine };

class TFlatGroupBox : public TCustomControl {
public:
    explicit TFlatGroupBox(TComponent* owner);

    TColor ColorBorder() const { return FColorBorder; }
    void SetColorBorder(TColor color);
    TGroupBoxBorder Border() const { return FBorder; }
    void SetBorder(TGroupBoxBorder border);
    bool UseAdvColors() const { return FUseAdvColors; }
    void SetUseAdvColors(bool value);
    int AdvColorBorder() const { return FAdvColorBorder; }
    void SetAdvColorBorder(int percent);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);

    void Paint(TCanvas& canvas) override;
    bool DialogChar(char key) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void PaintWindow(HDC dc) override;
    void ColorChanged() override;
    void SysColorChanged() override;
    void Moved() override;

private:
    void CalcAdvColors();

    TColor FColorBorder;
    TGroupBoxBorder FBorder = brFull;
    bool FUseAdvColors = false;
    int FAdvColorBorder = 50;
    bool FTransparent = false;
};
