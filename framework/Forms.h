// Forms, the application object (message loop, hints, error display) and
// the screen (cursor table).
#pragma once

#include "framework/Barrier.h"
#include "framework/Controls.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

inline constexpr int mrNone = 0;
inline constexpr int mrOk = IDOK;
inline constexpr int mrCancel = IDCANCEL;
inline constexpr int mrYes = IDYES;
inline constexpr int mrNo = IDNO;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow };
enum TPosition { poDesigned, poScreenCenter };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;

class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition position) { FPosition = position; }
    void SetClientSize(int width, int height);
    void SetClientWidth(int width) { SetClientSize(width, ClientHeight()); }
    void SetClientHeight(int height) { SetClientSize(ClientWidth(), height); }
    RECT ClientRect() const override;

    int ModalResult() const { return FModalResult; }
    void SetModalResult(int result) { FModalResult = result; }
    bool Modal() const { return FModal; }

    void SetVisible(bool visible) override;
    // Shows the form modally: every other window of the program is disabled
    // until a non-zero modal result (or Close) ends the loop.
    int ShowModal();
    void Close();

    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* control);
    // Moves the focus to the next (or previous) control in tab order.
    void SelectNext(TWinControl* current, bool forward);
    // An accelerator for the form's controls; true when one took it.
    bool DialogCharFor(char key);

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnPaint;
    TNotifyEvent OnDestroy;
    TCloseEvent OnClose;

    void Paint(TCanvas& canvas) override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    void CreateParams(TCreateParams& params) override;
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);

private:
    LRESULT WMClose();
    LRESULT WMActivate(UINT msg, WPARAM wParam, LPARAM lParam);

    TFormBorderStyle FBorderStyle = bsSizeable;
    TPosition FPosition = poDesigned;
    int FModalResult = mrNone;
    bool FModal = false;
    bool FCentred = false;
    TWinControl* FActiveControl = nullptr;
    int FClientWidth = 0;
    int FClientHeight = 0;
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
};

// The tooltip window; the application creates it through its replaceable
// factory (HintWindowClass).
class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* owner);

    // The window's size for hint in a width of at most maxWidth.
    virtual RECT CalcHintRect(int maxWidth, const std::string& hint);
    // Shows the window at r (screen coordinates) with hint as its text.
    virtual void ActivateHint(RECT r, const std::string& hint);
    void ReleaseHint();
    void Paint(TCanvas& canvas) override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    void CreateParams(TCreateParams& params) override;
};

struct THintInfo {
    TControl* HintControl = nullptr;
    POINT CursorPos{};
    int HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    POINT HintPos{};
};

using TShowHintEvent = std::function<void(std::string& hint, bool& canShow, THintInfo& info)>;
using THintWindowFactory = std::function<THintWindow*(TComponent* owner)>;

class TTimer;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    // Creates a form; the first one made becomes the main form.
    template <typename T>
    T* CreateForm()
    {
        T* form = new T(this);
        if (!FMainForm)
            FMainForm = form;
        return form;
    }
    void SetMainForm(TCustomForm* form) { FMainForm = form; }
    TCustomForm* MainForm() const { return FMainForm; }
    // Shows the main form and runs the message loop until it closes.
    void Run();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    // Handles every waiting message and returns.
    void ProcessMessages();
    // Waits for one message and handles it; false on WM_QUIT.
    bool HandleMessage();
    void DispatchOne(MSG& msg);

    // The program's title: the executable's name without extension.
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& title) { FTitle = title; }
    HWND ActiveWindow() const { return GetActiveWindow(); }

    // The plain message box of the framework (OK, the title as caption).
    int MessageBox(const std::string& text, const std::string& caption = {}, UINT flags = MB_OK);
    // The default error display: the text in a message box with the stop icon.
    void ShowException(const std::exception& e);

    // Hints.
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool show);
    int HintPause = 500;
    int HintShortPause = 50;
    int HintHidePause = 2500;
    TColor HintColor = clInfoBk;
    TShowHintEvent OnShowHint;
    THintWindowFactory HintWindowClass;
    THintWindow* HintWindow() const { return FHintWindow; }
    void CancelHint();
    // Shows the hint of control at once (tests and the timers use it).
    void ActivateHint(POINT cursor);

    // Mouse tracking across controls, for enter/leave and hints.
    void MouseOver(TControl* control, HWND wnd);
    void MouseLeftWindow(HWND wnd);
    TControl* MouseControl() const { return FMouseControl; }
    void ControlDestroying(TControl* control);

private:
    void HintTimerExpired();
    void HideTimerExpired();
    void StartHintTimer(int interval);

    TCustomForm* FMainForm = nullptr;
    std::string FTitle;
    bool FTerminated = false;
    bool FShowHint = true;
    THintWindow* FHintWindow = nullptr;
    TControl* FHintControl = nullptr;
    TControl* FMouseControl = nullptr;
    TTimer* FHintTimer = nullptr;
    TTimer* FHideTimer = nullptr;
    bool FHintActive = false;
};

// The screen: its size and the table of cursors by number.
class TScreen {
public:
    TScreen();
    HCURSOR Cursors(TCursor index) const;
    void SetCursors(TCursor index, HCURSOR cursor);
    int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
    int Height() const { return GetSystemMetrics(SM_CYSCREEN); }

private:
    std::map<TCursor, HCURSOR> FCursors;
};

// The program's one application and screen; made on first use.
TApplication* Application();
TScreen* Screen();
