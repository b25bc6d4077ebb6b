// Binds a flat tab strip to a notebook: tab i shows page i. The pages are
// made here, named, owned by the window like every control, so that layout
// rows can name them as parents.
#pragma once

#include "controls/TFlatTabControlUnit.h"
#include "framework/Notebook.h"

#include <initializer_list>

struct TTabPage {
    const char* tab;    // the tab's caption ("&&" shows one ampersand)
    const char* page;   // the page's name
};

void BindTabPages(TFlatTabControl& tabs, TNotebook& book, std::initializer_list<TTabPage> pages);
