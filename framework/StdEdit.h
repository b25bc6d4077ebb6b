// The toolkit's single-line edit, built on the system EDIT class.
#pragma once

#include "framework/Controls.h"

class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* owner);

    // The text; while the window exists it is the window's text.
    std::string Text() const;
    void SetText(const std::string& text) { SetCaption(text); }
    void SetCaption(const std::string& caption) override;

    // The most characters the user can type; 0 leaves the system's limit.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int length);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);

    void SelectAll();
    int SelStart() const;
    int SelLength() const;

    // Fired whenever the text changes, by the user or by the program.
    TNotifyEvent OnChange;

    bool CommandNotify(WORD code) override;
    HBRUSH CtlColor(HDC dc) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void HandleCreated() override;
    void TextChanged() override;
    virtual void Change();
    // The colour behind the text.
    virtual TColor BackgroundColor() const { return FColor; }

private:
    int FMaxLength = 0;
    bool FReadOnly = false;
    bool FCreating = false;
};

class TEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
};
