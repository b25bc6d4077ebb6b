// Controls: the windowless (graphic) and windowed kinds, their common
// properties, events and the message dispatch of windowed controls.
#pragma once

#include "framework/Component.h"
#include "framework/Graphics.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class TWinControl;
class TCustomForm;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

using TShiftState = unsigned;
inline constexpr TShiftState ssShift = 0x01;
inline constexpr TShiftState ssAlt = 0x02;
inline constexpr TShiftState ssCtrl = 0x04;
inline constexpr TShiftState ssLeft = 0x08;
inline constexpr TShiftState ssRight = 0x10;
inline constexpr TShiftState ssMiddle = 0x20;
inline constexpr TShiftState ssDouble = 0x40;

using TAnchors = unsigned;
inline constexpr TAnchors akLeft = 1;
inline constexpr TAnchors akTop = 2;
inline constexpr TAnchors akRight = 4;
inline constexpr TAnchors akBottom = 8;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// Cursor numbers of the screen's cursor table.
using TCursor = int;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeAll = -22;
inline constexpr TCursor crHandPoint = -21;

using TNotifyEvent = std::function<void(TObject* sender)>;
using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;
using TKeyEvent = std::function<void(TObject* sender, WORD& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;

TShiftState KeysToShiftState(WPARAM keys);
TShiftState KeyboardShiftState();
// The accelerator character of a caption ("&Datei" gives 'D'; "&&" is a
// plain ampersand), or 0.
char AccelChar(const std::string& caption);
bool IsAccel(char key, const std::string& caption);
// The caption without its accelerator marks ("Grafik && Sound" gives
// "Grafik & Sound").
std::string StripAccelChars(const std::string& caption);

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* parent);
    TCustomForm* GetParentForm() const;
    virtual bool IsWindowed() const { return false; }

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int v) { SetBounds(v, FTop, FWidth, FHeight); }
    void SetTop(int v) { SetBounds(FLeft, v, FWidth, FHeight); }
    void SetWidth(int v) { SetBounds(FLeft, FTop, v, FHeight); }
    void SetHeight(int v) { SetBounds(FLeft, FTop, FWidth, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
    virtual RECT ClientRect() const { return {0, 0, FWidth, FHeight}; }
    int ClientWidth() const { RECT r = ClientRect(); return r.right - r.left; }
    int ClientHeight() const { RECT r = ClientRect(); return r.bottom - r.top; }
    // The control's client origin in the coordinates of its nearest window.
    POINT ClientOrigin() const;
    POINT ClientToScreen(POINT p) const;
    POINT ScreenToClient(POINT p) const;

    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible here and in every parent up to the form.
    bool Showing() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool enabled);

    const std::string& Caption() const { return FCaption; }
    virtual void SetCaption(const std::string& caption);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& hint) { FHint = hint; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool show);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool value);

    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& font) { FFont.Assign(font); }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);

    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors anchors) { FAnchors = anchors; }
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign align);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor cursor);

    virtual void Invalidate();
    void Repaint();
    void Update();

    // Paints the control onto canvas in its own client coordinates. Called from
    // WM_PAINT (through the parent for graphic controls) and by tests.
    virtual void Paint(TCanvas& canvas) {}

    // Events.
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    // The dispatch points, called with client coordinates. Overrides call the
    // base to keep the events firing.
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void Click();
    virtual void DblClick();
    // The pointer entered or left the control (tracked by the application).
    virtual void MouseEnter();
    virtual void MouseLeave();
    // An accelerator key reached the form; true when this control took it.
    virtual bool DialogChar(char key) { return false; }

    // Change notifications.
    virtual void EnabledChanged();
    virtual void VisibleChanged();
    virtual void TextChanged();
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void ParentColorChanged();
    virtual void ParentFontChanged();
    virtual void ParentShowHintChanged();
    virtual void SysColorChanged() { Invalidate(); }
    virtual void Resized() {}
    virtual void Moved() {}

    // Whether a press and release inside fires Click() by itself.
    bool ClickEvents() const { return FClickEvents; }

    // Screen position of the control's bounds, for hit tests from outside.
    virtual bool ContainsPoint(int x, int y) const { return x >= 0 && y >= 0 && x < FWidth && y < FHeight; }

    // Paints what the parent shows behind this control (its background, its
    // own painting and the graphic siblings below) into canvas, in this
    // control's client coordinates. Transparent controls start with this.
    void PaintParentBackground(TCanvas& canvas) const;

protected:
    void SetClickEvents(bool value) { FClickEvents = value; }

    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    bool FVisible = true;
    bool FEnabled = true;
    std::string FCaption;
    std::string FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TFont FFont;
    bool FParentFont = true;
    TColor FColor = clBtnFace;
    bool FParentColor = true;
    TAnchors FAnchors = akLeft | akTop;
    TAlign FAlign = alNone;
    TCursor FCursor = crDefault;

private:
    friend class TWinControl;
    bool FClickEvents = true;
    bool FClicking = false;
    bool FInheritingFont = false;
};

// A control without a window: its parent paints it and feeds it the mouse.
class TGraphicControl : public TControl {
public:
    using TControl::TControl;
};

struct TCreateParams {
    std::string Caption;
    DWORD Style = WS_CHILD | WS_CLIPSIBLINGS;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    UINT WindowClassStyle = CS_DBLCLKS;
    std::string WinClassName;   // our class; registered on first use
    std::string SysClassName;   // a system class we build on ("EDIT"), or empty
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    bool IsWindowed() const override { return true; }
    HWND Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded() { Handle(); }
    void DestroyHandle();

    const std::vector<TControl*>& Controls() const { return FControls; }
    int ControlCount() const { return static_cast<int>(FControls.size()); }
    // The topmost visible child (graphic or windowed) under p (client
    // coordinates), or nullptr.
    TControl* ControlAtPos(POINT p, bool allowDisabled = false, bool graphicOnly = false) const;

    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value) { FTabStop = value; }
    int TabOrder() const;
    void SetTabOrder(int order);
    virtual bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();

    void SetBounds(int left, int top, int width, int height) override;
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    void Invalidate() override;
    void SetCaption(const std::string& caption) override;

    // Realigns the children with Align set.
    void Realign();
    // The area children are aligned in; the tab control cuts its tab row off.
    virtual void AdjustClientRect(RECT& r) const {}
    // Paints the graphic children onto dc (window client coordinates).
    void PaintControls(HDC dc, TControl* first = nullptr);

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

    virtual void KeyDown(WORD& key, TShiftState shift);
    virtual void KeyUp(WORD& key, TShiftState shift);
    virtual void KeyPress(char& key);
    virtual void DoEnter();
    virtual void DoExit();

    // The window procedure of this control; one message, one handler.
    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // What the system would do with the message (DefWindowProc or the
    // procedure of the system class the control builds on).
    LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam);

    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void NotifyChildren(void (TControl::*notify)());
    // Broadcasts an accelerator through this control and its children.
    bool BroadcastDialogChar(char key);
    // Appends the windowed descendants in tab order, depth first.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;

    // Reflected notifications of the system controls we build on.
    virtual bool CommandNotify(WORD code) { return false; }
    virtual HBRUSH CtlColor(HDC dc) { return nullptr; }

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    // Called once the window exists, before its children are made.
    virtual void HandleCreated() {}
    // Whether this control draws itself entirely in WM_PAINT.
    virtual bool CustomPaint() const { return false; }
    virtual void PaintWindow(HDC dc);
    virtual bool EraseBackground(HDC dc);

    // The answer to a reflected WM_CTLCOLOR*: background and text colour set
    // on dc, and a brush of the background (grey text when disabled).
    HBRUSH SolidCtlColor(HDC dc, TColor background);

    LRESULT HandleMouse(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT HandlePaint();

    HWND FHandle = nullptr;
    std::vector<TControl*> FControls;   // children in z-order, bottom first
    bool FTabStop = false;
    bool FWantsAllKeys = false;         // edits keep their own characters

private:
    friend LRESULT CALLBACK ZorvaneWndProc(HWND, UINT, WPARAM, LPARAM);
    void CreateChildHandles();
    void AnchorChildren(int oldWidth, int oldHeight);
    void UpdateBoundsFromWindow();

    // The message handlers of WndProc, one per message.
    LRESULT WMEraseBkgnd(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT WMMouse(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT WMMouseLeave(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT WMCaptureChanged(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT WMSetCursor(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT WMKeyDown(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT WMKeyUp(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT WMChar(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT WMSysChar(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT WMSetFocus(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT WMKillFocus(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT WMWindowPosChanged(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT WMCommand(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT WMCtlColor(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT WMSysColorChange(UINT msg, WPARAM wParam, LPARAM lParam);

    // The procedure of the system class the control builds on, or nullptr;
    // kept here so that no message has to look it up by class name.
    WNDPROC FSystemProc = nullptr;
    TControl* FCaptureControl = nullptr;
    CachedBrush FCtlBrush;
    std::vector<TWinControl*> FTabList;
    bool FAligning = false;
};

// A windowed control that paints itself completely in Paint.
class TCustomControl : public TWinControl {
public:
    using TWinControl::TWinControl;

protected:
    bool CustomPaint() const override { return true; }
    // Whether WM_PAINT draws into an off-screen bitmap of the control's size
    // and copies that in one step, so that nothing flickers.
    virtual bool PaintsOffScreen() const { return false; }
    void PaintWindow(HDC dc) override;
};

LRESULT CALLBACK ZorvaneWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
// The control object bound to a window of ours, or nullptr.
TWinControl* FindControl(HWND wnd);
