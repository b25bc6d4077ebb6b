// Records what reaches the message-box seam and answers with a fixed result.
#pragma once

#include "framework/Seams.h"

#include <string>
#include <vector>

struct ShownBox {
    HWND owner;
    std::string text;
    std::string caption;
    UINT flags;
};

class MessageBoxRecorder {
public:
    explicit MessageBoxRecorder(int answer = IDOK)
        : FGuard(Seams::MessageBox(), [this](HWND owner, const char* text, const char* caption, UINT flags) {
              Boxes.push_back({owner, text ? text : "", caption ? caption : "", flags});
              return Answer;
          }),
          Answer(answer)
    {
    }

    std::vector<ShownBox> Boxes;

private:
    Seams::Override<Seams::MessageBoxFn> FGuard;

public:
    int Answer;
};
