// The toolkit's notebook: a stack of pages of which one is shown, chosen by
// index. Pages are plain containers that fill the notebook.
#pragma once

#include "framework/Controls.h"

class TPage : public TCustomControl {
public:
    explicit TPage(TComponent* owner);
    void Paint(TCanvas& canvas) override;

protected:
    void CreateParams(TCreateParams& params) override;
};

class TNotebook : public TCustomControl {
public:
    explicit TNotebook(TComponent* owner);

    // Adds a page (owned by the notebook's owner, like every control).
    TPage* AddPage(const std::string& name);
    int PageCount() const { return static_cast<int>(FPages.size()); }
    TPage* Page(int index) const { return FPages.at(static_cast<size_t>(index)); }
    int PageIndex() const { return FPageIndex; }
    void SetPageIndex(int index);

    TNotifyEvent OnPageChanged;
    void Paint(TCanvas& canvas) override;

protected:
    void CreateParams(TCreateParams& params) override;

private:
    std::vector<TPage*> FPages;
    int FPageIndex = -1;
};
