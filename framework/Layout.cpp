#include "framework/Layout.h"

#include "framework/Exceptions.h"
#include "framework/StdCombo.h"
#include "framework/StdEdit.h"

TLayoutBuilderBase::TLayoutBuilderBase(TCustomForm& form) : FForm(form)
{
    FForm.SetLoading(true);
}

TLayoutBuilderBase::~TLayoutBuilderBase()
{
    // A constructor that threw half-way leaves its window to be deleted; the
    // flag must not outlive the building either way.
    if (!FFinished)
        FForm.SetLoading(false);
}

void TLayoutBuilderBase::Place(TControl& control, const Common& row)
{
    control.SetLoading(true);
    control.SetName(row.name);
    TWinControl* parent = &FForm;
    if (row.parent) {
        parent = dynamic_cast<TWinControl*>(FForm.FindComponent(row.parent));
        // A misspelt parent is a fault of the table: say which row has it.
        if (!parent)
            throw Exception("Layout: " + std::string(row.name) + " - kein Container " + row.parent);
    }
    if (row.flags & lfHidden)
        control.SetVisible(false);
    if (row.flags & lfDisabled)
        control.SetEnabled(false);
    control.SetParent(parent);
    if (row.style)
        row.style(control);
    if (row.color != clNone)
        control.SetColor(row.color);
    if (row.font.name)
        control.Font().SetName(row.font.name);
    if (row.font.size)
        control.Font().SetSize(row.font.size);
    if (row.font.style)
        control.Font().SetStyle(row.font.style);
    if (row.font.color != clNone)
        control.Font().SetColor(row.font.color);
    if (row.caption)
        control.SetCaption(row.caption);
    if (row.hint) {
        control.SetHint(row.hint);
        control.SetShowHint(!(row.flags & lfNoHint));
    }
    control.SetAnchors(row.anchors);
    control.SetBounds(row.left, row.top, row.width, row.height);
    if (row.align != alNone)
        control.SetAlign(row.align);
    if (auto* windowed = dynamic_cast<TWinControl*>(&control)) {
        if (row.flags & lfTabStop)
            windowed->SetTabStop(true);
        if (row.tabOrder >= 0)
            windowed->SetTabOrder(row.tabOrder);
    }
}

TNotifyEvent* TLayoutBuilderBase::ChangeEventOf(TControl& control)
{
    if (auto* edit = dynamic_cast<TCustomEdit*>(&control))
        return &edit->OnChange;
    if (auto* combo = dynamic_cast<TCustomComboBox*>(&control))
        return &combo->OnChange;
    return nullptr;
}

void TLayoutBuilderBase::Finish()
{
    if (FFinished)
        return;
    FFinished = true;
    // Every component first leaves the loading phase, then each is told once:
    // a Loaded() that looks at a sibling sees it finished too.
    const std::vector<TComponent*> components = FForm.Components();
    for (TComponent* c : components)
        c->SetLoading(false);
    FForm.SetLoading(false);
    for (TComponent* c : components)
        c->Loaded();
}
