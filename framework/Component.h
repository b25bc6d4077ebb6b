// Components: objects with an owner that frees them. Forms own their controls
// and non-visual components; freeing the form frees everything it owns.
#pragma once

#include <string>
#include <vector>

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;
};

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner = nullptr);
    ~TComponent() override;

    TComponent* Owner() const { return FOwner; }
    const std::string& Name() const { return FName; }
    void SetName(const std::string& name) { FName = name; }
    const std::vector<TComponent*>& Components() const { return FComponents; }
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    // Finds an owned component by name, or nullptr.
    TComponent* FindComponent(const std::string& name) const;

    // True while a window's layout is being placed (see framework/Layout.h);
    // rules that react to property changes made by the user hold back then.
    bool Loading() const { return FLoading; }
    void SetLoading(bool value) { FLoading = value; }
    // Called once a form has set up all the properties of its components.
    virtual void Loaded() {}

private:
    void Insert(TComponent* component);
    void Remove(TComponent* component);

    TComponent* FOwner = nullptr;
    std::string FName;
    std::vector<TComponent*> FComponents;
    bool FDestroying = false;
    bool FLoading = false;
};
