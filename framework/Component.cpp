#include "framework/Component.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) : FOwner(owner)
{
    if (FOwner)
        FOwner->Insert(this);
}

TComponent::~TComponent()
{
    FDestroying = true;
    // Last created, first freed; each child unlinks itself on the way.
    while (!FComponents.empty()) {
        TComponent* child = FComponents.back();
        FComponents.pop_back();
        child->FOwner = nullptr;
        delete child;
    }
    if (FOwner)
        FOwner->Remove(this);
}

TComponent* TComponent::FindComponent(const std::string& name) const
{
    for (TComponent* c : FComponents)
        if (c->FName == name)
            return c;
    return nullptr;
}

void TComponent::Insert(TComponent* component)
{
    FComponents.push_back(component);
}

void TComponent::Remove(TComponent* component)
{
    if (FDestroying)
        return;
    auto it = std::find(FComponents.begin(), FComponents.end(), component);
    if (it != FComponents.end())
        FComponents.erase(it);
}
