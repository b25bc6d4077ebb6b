#include "framework/StdCombo.h"

#include "framework/Exceptions.h"
#include "framework/Forms.h"
#include "framework/SysUtils.h"

#include <algorithm>

// ---------------------------------------------------------------- TComboBoxItems

void TComboBoxItems::CheckIndex(int index, int count) const
{
    if (index < 0 || index >= count)
        throw Exception("Listenindex überschreitet das Maximum (" + IntToStr(index) + ")");
}

int TComboBoxItems::Add(const std::string& text)
{
    FStrings.push_back(text);
    if (HWND wnd = FOwner.FHandle)
        SendMessageA(wnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    return Count() - 1;
}

void TComboBoxItems::Insert(int index, const std::string& text)
{
    CheckIndex(index, Count() + 1);
    FStrings.insert(FStrings.begin() + index, text);
    if (HWND wnd = FOwner.FHandle)
        SendMessageA(wnd, CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
    else if (FOwner.FItemIndex >= index)
        ++FOwner.FItemIndex;
}

void TComboBoxItems::Delete(int index)
{
    CheckIndex(index, Count());
    FStrings.erase(FStrings.begin() + index);
    if (HWND wnd = FOwner.FHandle)
        SendMessageA(wnd, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
    else if (FOwner.FItemIndex == index)
        FOwner.FItemIndex = -1;
    else if (FOwner.FItemIndex > index)
        --FOwner.FItemIndex;
}

void TComboBoxItems::Clear()
{
    FStrings.clear();
    FOwner.FItemIndex = -1;
    if (HWND wnd = FOwner.FHandle)
        SendMessageA(wnd, CB_RESETCONTENT, 0, 0);
}

void TComboBoxItems::Assign(const std::vector<std::string>& texts)
{
    Clear();
    for (const std::string& text : texts)
        Add(text);
}

const std::string& TComboBoxItems::operator[](int index) const
{
    CheckIndex(index, Count());
    return FStrings[static_cast<size_t>(index)];
}

int TComboBoxItems::IndexOf(const std::string& text) const
{
    for (size_t i = 0; i < FStrings.size(); ++i)
        if (lstrcmpiA(FStrings[i].c_str(), text.c_str()) == 0)
            return static_cast<int>(i);
    return -1;
}

// ---------------------------------------------------------------- TCustomComboBox

TCustomComboBox::TCustomComboBox(TComponent* owner) : TWinControl(owner)
{
    FWidth = 145;
    FHeight = 21;
    FTabStop = true;
    FParentColor = false;
    FColor = clWindow;
    // Typed letters choose items; they are no accelerators of the form.
    FWantsAllKeys = true;
}

void TCustomComboBox::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.WinClassName = "TComboBox";
    params.SysClassName = "COMBOBOX";
    params.Caption.clear();
    // Without integral height the open list keeps exactly the height we give.
    params.Style |= WS_VSCROLL | CBS_AUTOHSCROLL | CBS_NOINTEGRALHEIGHT;
    switch (FStyle) {
    case csDropDown:
        params.Style |= CBS_DROPDOWN;
        break;
    case csSimple:
        params.Style |= CBS_SIMPLE;
        break;
    case csDropDownList:
        params.Style |= CBS_DROPDOWNLIST;
        break;
    case csOwnerDrawFixed:
        params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
        break;
    case csOwnerDrawVariable:
        params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS;
        break;
    }
}

void TCustomComboBox::HandleCreated()
{
    for (const std::string& text : FItems.All())
        SendMessageA(FHandle, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (IsOwnerDrawn())
        SendMessageA(FHandle, CB_SETITEMHEIGHT, 0, FItemHeight);
    if (FItemIndex >= 0)
        SendMessageA(FHandle, CB_SETCURSEL, static_cast<WPARAM>(FItemIndex), 0);
    else if (!IsListStyle() && !FCaption.empty())
        SetWindowTextA(FHandle, FCaption.c_str());
}

void TCustomComboBox::SetStyle(TComboBoxStyle style)
{
    if (style == FStyle)
        return;
    FStyle = style;
    RecreateWnd();
}

void TCustomComboBox::RecreateWnd()
{
    if (!FHandle)
        return;
    // WM_DESTROY keeps the choice and the text for the new window.
    DestroyHandle();
    Handle();
}

int TCustomComboBox::ItemIndex() const
{
    if (!FHandle)
        return FItemIndex;
    return static_cast<int>(SendMessageA(FHandle, CB_GETCURSEL, 0, 0));
}

void TCustomComboBox::SetItemIndex(int index)
{
    if (index < 0 || index >= FItems.Count())
        index = -1;
    FItemIndex = index;
    if (FHandle) {
        SendMessageA(FHandle, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        Invalidate();
    }
    if (!IsListStyle())
        FCaption = index >= 0 ? FItems[index] : std::string();
}

std::string TCustomComboBox::Text() const
{
    if (IsListStyle()) {
        const int index = ItemIndex();
        return index >= 0 && index < FItems.Count() ? FItems[index] : std::string();
    }
    return FHandle ? WindowText(FHandle) : FCaption;
}

void TCustomComboBox::SetText(const std::string& text)
{
    if (IsListStyle()) {
        // Only an item's text can be shown without an edit.
        SetItemIndex(FItems.IndexOf(text));
        return;
    }
    FCaption = text;
    if (FHandle)
        SetWindowTextA(FHandle, text.c_str());
}

void TCustomComboBox::SetItemHeight(int height)
{
    if (height <= 0)
        return;
    FItemHeight = height;
    if (FHandle && IsOwnerDrawn()) {
        SendMessageA(FHandle, CB_SETITEMHEIGHT, 0, height);
        Invalidate();
    }
}

bool TCustomComboBox::DroppedDown() const
{
    return FHandle && SendMessageA(FHandle, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomComboBox::SetDroppedDown(bool value)
{
    SendMessageA(Handle(), CB_SHOWDROPDOWN, value ? TRUE : FALSE, 0);
}

HWND TCustomComboBox::ListHandle() const
{
    if (!FHandle)
        return nullptr;
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(FHandle, &info) ? info.hwndList : nullptr;
}

HWND TCustomComboBox::EditHandle() const
{
    if (!FHandle || IsListStyle())
        return nullptr;
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(FHandle, &info) && info.hwndItem != FHandle ? info.hwndItem : nullptr;
}

void TCustomComboBox::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomComboBox::DropDown()
{
    if (OnDropDown)
        OnDropDown(this);
}

void TCustomComboBox::CloseUp()
{
    if (OnCloseUp)
        OnCloseUp(this);
}

void TCustomComboBox::DrawItem(int index, const RECT& rect, UINT state, HDC dc)
{
    TCanvas canvas(dc);
    const bool selected = (state & ODS_SELECTED) != 0;
    canvas.FillRect(rect, selected ? clHighlight : FColor);
    if (index < 0 || index >= FItems.Count())
        return;
    canvas.Font = FFont;
    RECT text{rect.left + 2, rect.top, rect.right, rect.bottom};
    canvas.DrawText(FItems[index], text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX,
                    selected ? clHighlightText : FFont.Color());
}

int TCustomComboBox::DropDownListHeight() const
{
    if (!FHandle)
        return 0;
    const int rows = std::max(1, std::min(FDropDownCount, FItems.Count()));
    const int rowHeight = static_cast<int>(SendMessageA(FHandle, CB_GETITEMHEIGHT, 0, 0));
    // Plus the list's one-pixel border above and below.
    return rowHeight > 0 ? rows * rowHeight + 2 : 0;
}

void TCustomComboBox::AdjustDropDown()
{
    const int height = DropDownListHeight();
    HWND list = ListHandle();
    if (height <= 0 || !list || !DroppedDown())
        return;
    RECT listRect, comboRect;
    GetWindowRect(list, &listRect);
    GetWindowRect(FHandle, &comboRect);
    if (listRect.bottom - listRect.top == height)
        return;
    // A list that opened upwards keeps its bottom edge at the combo box.
    const int top = listRect.top < comboRect.top ? comboRect.top - height : listRect.top;
    SetWindowPos(list, nullptr, listRect.left, top, listRect.right - listRect.left, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TCustomComboBox::CommandNotify(WORD code)
{
    switch (code) {
    case CBN_SELCHANGE:
        FItemIndex = ItemIndex();
        if (!IsListStyle())
            FCaption = FItemIndex >= 0 && FItemIndex < FItems.Count() ? FItems[FItemIndex] : Text();
        Change();
        return true;
    case CBN_EDITCHANGE:
        FCaption = Text();
        Change();
        return true;
    case CBN_DROPDOWN:
        // The system sizes and shows the list after this notification; the
        // height is put right once the message that opened it is done.
        FAdjustPending = true;
        DropDown();
        return true;
    case CBN_CLOSEUP:
        FAdjustPending = false;
        CloseUp();
        return true;
    default:
        return false;
    }
}

HBRUSH TCustomComboBox::CtlColor(HDC dc)
{
    return SolidCtlColor(dc, FColor);
}

LRESULT TCustomComboBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
        // Our own edit and list ask us; they take the combo box's colours.
        return reinterpret_cast<LRESULT>(CtlColor(reinterpret_cast<HDC>(wParam)));
    case WM_DRAWITEM:
        // Rows of our own list in the owner-drawn styles.
        if (IsOwnerDrawn()) {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            DrawItem(static_cast<int>(item->itemID), item->rcItem, item->itemState, item->hDC);
            return TRUE;
        }
        break;
    case WM_MEASUREITEM:
        if (IsOwnerDrawn()) {
            reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = static_cast<UINT>(FItemHeight);
            return TRUE;
        }
        break;
    case WM_DESTROY:
        // Keep what the window holds for a window made later.
        FItemIndex = static_cast<int>(SendMessageA(FHandle, CB_GETCURSEL, 0, 0));
        if ((GetWindowLongA(FHandle, GWL_STYLE) & 3) != CBS_DROPDOWNLIST)
            FCaption = WindowText(FHandle);
        break;
    default:
        break;
    }
    const LRESULT result = TWinControl::WndProc(msg, wParam, lParam);
    if (FAdjustPending && DroppedDown()) {
        FAdjustPending = false;
        AdjustDropDown();
    }
    return result;
}
