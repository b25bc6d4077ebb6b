// The toolkit's combo box, built on the system COMBOBOX class.
#pragma once

#include "framework/Controls.h"

#include <string>
#include <vector>

// csDropDown: an edit with a list; csSimple: edit and list always shown;
// csDropDownList: a list to choose from without typing; the owner-drawn
// styles are drop-down lists whose items the program draws.
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TCustomComboBox;

// The texts of a combo box; every change reaches the window at once.
class TComboBoxItems {
public:
    explicit TComboBoxItems(TCustomComboBox& owner) : FOwner(owner) {}
    TComboBoxItems(const TComboBoxItems&) = delete;
    TComboBoxItems& operator=(const TComboBoxItems&) = delete;

    // Appends text and returns its index.
    int Add(const std::string& text);
    void Insert(int index, const std::string& text);
    void Delete(int index);
    void Clear();
    // Replaces all items.
    void Assign(const std::vector<std::string>& texts);

    int Count() const { return static_cast<int>(FStrings.size()); }
    const std::string& operator[](int index) const;
    const std::string& Strings(int index) const { return (*this)[index]; }
    // The first item equal to text, ignoring case; -1 if none.
    int IndexOf(const std::string& text) const;
    const std::vector<std::string>& All() const { return FStrings; }

private:
    void CheckIndex(int index, int count) const;

    TCustomComboBox& FOwner;
    std::vector<std::string> FStrings;
};

class TCustomComboBox : public TWinControl {
public:
    explicit TCustomComboBox(TComponent* owner);

    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle style);
    // The list styles show the chosen item instead of an edit.
    bool IsListStyle() const { return FStyle == csDropDownList || IsOwnerDrawn(); }
    bool IsOwnerDrawn() const { return FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable; }

    TComboBoxItems& Items() { return FItems; }
    const TComboBoxItems& Items() const { return FItems; }
    // The chosen item, or -1.
    int ItemIndex() const;
    void SetItemIndex(int index);
    // The edit's text, or in the list styles the chosen item's text.
    std::string Text() const;
    void SetText(const std::string& text);

    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int count) { FDropDownCount = count; }
    // The height of an item of the list (owner-drawn styles draw at it).
    int ItemHeight() const { return FItemHeight; }
    virtual void SetItemHeight(int height);
    bool DroppedDown() const;
    void SetDroppedDown(bool value);
    // The height the open list gets: DropDownCount rows at most, one at least.
    virtual int DropDownListHeight() const;
    // The list window while the combo box has a window.
    HWND ListHandle() const;
    // The edit window of csDropDown and csSimple, else nullptr.
    HWND EditHandle() const;

    // A new choice from the list (CBN_SELCHANGE) or typing in the edit.
    TNotifyEvent OnChange;
    // The list is about to open (CBN_DROPDOWN); it has closed (CBN_CLOSEUP).
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

    bool CommandNotify(WORD code) override;
    HBRUSH CtlColor(HDC dc) override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    virtual void Change();
    virtual void DropDown();
    virtual void CloseUp();
    // Draws one row of the open list in the owner-drawn styles (state: the
    // ODS_ flags).
    virtual void DrawItem(int index, const RECT& rect, UINT state, HDC dc);
    // Gives the open list the height DropDownListHeight asks for.
    void AdjustDropDown();

private:
    friend class TComboBoxItems;
    void RecreateWnd();

    TComboBoxItems FItems{*this};
    TComboBoxStyle FStyle = csDropDown;
    int FItemIndex = -1;
    int FDropDownCount = 8;
    int FItemHeight = 13;
    bool FAdjustPending = false;
};

class TComboBox : public TCustomComboBox {
public:
    using TCustomComboBox::TCustomComboBox;
};
