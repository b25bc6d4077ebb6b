// Ends the modal loops that a test's click starts: a thread timer finds the
// active modal form, records its caption and gives it the result Cancel, so
// that a button that opens a dialog can be clicked without blocking.
#pragma once

#include "framework/Forms.h"

#include <string>
#include <vector>

class ModalCloser {
public:
    ModalCloser() : FTimer(SetTimer(nullptr, 0, 20, &ModalCloser::Tick)) { Instance() = this; }
    ~ModalCloser()
    {
        KillTimer(nullptr, FTimer);
        Instance() = nullptr;
    }
    ModalCloser(const ModalCloser&) = delete;
    ModalCloser& operator=(const ModalCloser&) = delete;

    // The captions of the modal forms closed, in order.
    std::vector<std::string> Closed;

private:
    static ModalCloser*& Instance()
    {
        static ModalCloser* instance = nullptr;
        return instance;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        ModalCloser* self = Instance();
        auto* form = dynamic_cast<TCustomForm*>(FindControl(GetActiveWindow()));
        if (self && form && form->Modal() && form->ModalResult() == mrNone) {
            self->Closed.push_back(form->Caption());
            form->SetModalResult(mrCancel);
        }
    }

    UINT_PTR FTimer;
};
