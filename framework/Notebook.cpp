#include "framework/Notebook.h"

TPage::TPage(TComponent* owner) : TCustomControl(owner)
{
    FAlign = alClient;
    FVisible = false;
}

void TPage::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.Style |= WS_CLIPCHILDREN;
    params.WinClassName = "TPage";
}

void TPage::Paint(TCanvas& canvas)
{
    canvas.FillRect(ClientRect(), FColor);
}

TNotebook::TNotebook(TComponent* owner) : TCustomControl(owner)
{
    FWidth = 150;
    FHeight = 150;
}

void TNotebook::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.Style |= WS_CLIPCHILDREN;
    params.WinClassName = "TNotebook";
}

TPage* TNotebook::AddPage(const std::string& name)
{
    auto* page = new TPage(Owner() ? Owner() : this);
    page->SetName(name);
    page->SetParent(this);
    FPages.push_back(page);
    if (FPageIndex < 0)
        SetPageIndex(0);
    return page;
}

void TNotebook::SetPageIndex(int index)
{
    if (index < 0 || index >= PageCount() || index == FPageIndex)
        return;
    // Show the new page before hiding the old one, so nothing flickers through.
    FPages[static_cast<size_t>(index)]->SetVisible(true);
    if (FPageIndex >= 0)
        FPages[static_cast<size_t>(FPageIndex)]->SetVisible(false);
    FPageIndex = index;
    if (OnPageChanged)
        OnPageChanged(this);
}

void TNotebook::Paint(TCanvas& canvas)
{
    canvas.FillRect(ClientRect(), FColor);
}
