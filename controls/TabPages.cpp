#include "controls/TabPages.h"

#include <string>
#include <vector>

void BindTabPages(TFlatTabControl& tabs, TNotebook& book, std::initializer_list<TTabPage> pages)
{
    std::vector<std::string> captions;
    for (const TTabPage& p : pages) {
        captions.emplace_back(p.tab);
        book.AddPage(p.page);
    }
    tabs.SetTabs(captions);
    TFlatTabControl* strip = &tabs;
    TNotebook* notebook = &book;
    tabs.OnTabChanged = [strip, notebook](TObject*) { notebook->SetPageIndex(strip->ActiveTab()); };
    tabs.SetActiveTab(0);
}
