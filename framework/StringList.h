// An owned list of strings with a change notification, as the list boxes
// hold their items in and helpers hand lists to their callers.
#pragma once

#include "framework/Component.h"

#include <functional>
#include <string>
#include <vector>

class TStringList : public TObject {
public:
    TStringList() = default;

    int Count() const { return static_cast<int>(FStrings.size()); }
    bool Empty() const { return FStrings.empty(); }
    const std::string& operator[](int index) const;
    const std::vector<std::string>& Strings() const { return FStrings; }

    // Appends (or, when sorted, inserts at its place); returns the index.
    int Add(const std::string& text);
    // Not allowed on a sorted list, which decides the places itself.
    void Insert(int index, const std::string& text);
    void Put(int index, const std::string& text);
    void Delete(int index);
    void Clear();
    void Assign(const std::vector<std::string>& texts);
    void Assign(const TStringList& other) { Assign(other.FStrings); }
    // Index of the first string equal to text ignoring case, or -1.
    int IndexOf(const std::string& text) const;

    // Case-insensitive order of the user's locale.
    void Sort();
    bool Sorted() const { return FSorted; }
    // Switching sorting on sorts the list at once.
    void SetSorted(bool value);

    // Between BeginUpdate and the matching EndUpdate no change is announced;
    // the outermost EndUpdate announces them once, if there were any. For
    // filling a list shown on screen with many strings.
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();

    // Fired after every change of the contents or their order.
    std::function<void(TObject* sender)> OnChange;

private:
    void CheckIndex(int index, int limit) const;
    void Changed();

    std::vector<std::string> FStrings;
    bool FSorted = false;
    int FUpdateCount = 0;
    bool FChangedWhileUpdating = false;
};

// BeginUpdate for the lifetime of the guard, also when a fill throws.
class TStringListUpdate {
public:
    explicit TStringListUpdate(TStringList& list) : FList(list) { FList.BeginUpdate(); }
    TStringListUpdate(const TStringListUpdate&) = delete;
    TStringListUpdate& operator=(const TStringListUpdate&) = delete;
    ~TStringListUpdate() { FList.EndUpdate(); }

private:
    TStringList& FList;
};
