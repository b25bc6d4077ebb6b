#include "framework/StringList.h"

#include "framework/Exceptions.h"
#include "framework/SysUtils.h"

#include <windows.h>

#include <algorithm>

namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b)
{
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()), b.c_str(),
                          static_cast<int>(b.size()))
           == CSTR_LESS_THAN;
}

} // namespace

const std::string& TStringList::operator[](int index) const
{
    CheckIndex(index, Count() - 1);
    return FStrings[static_cast<size_t>(index)];
}

void TStringList::CheckIndex(int index, int limit) const
{
    if (index < 0 || index > limit)
        throw Exception(Format("Listenindex überschreitet das Maximum (%d)", index));
}

int TStringList::Add(const std::string& text)
{
    int index = Count();
    if (FSorted)
        index = static_cast<int>(std::upper_bound(FStrings.begin(), FStrings.end(), text, LessIgnoringCase) - FStrings.begin());
    FStrings.insert(FStrings.begin() + index, text);
    Changed();
    return index;
}

void TStringList::Insert(int index, const std::string& text)
{
    if (FSorted)
        throw Exception("Diese Operation ist bei sortierten Listen nicht erlaubt");
    CheckIndex(index, Count());
    FStrings.insert(FStrings.begin() + index, text);
    Changed();
}

void TStringList::Put(int index, const std::string& text)
{
    if (FSorted)
        throw Exception("Diese Operation ist bei sortierten Listen nicht erlaubt");
    CheckIndex(index, Count() - 1);
    FStrings[static_cast<size_t>(index)] = text;
    Changed();
}

void TStringList::Delete(int index)
{
    CheckIndex(index, Count() - 1);
    FStrings.erase(FStrings.begin() + index);
    Changed();
}

void TStringList::Clear()
{
    if (FStrings.empty())
        return;
    FStrings.clear();
    Changed();
}

void TStringList::Assign(const std::vector<std::string>& texts)
{
    FStrings = texts;
    if (FSorted)
        std::stable_sort(FStrings.begin(), FStrings.end(), LessIgnoringCase);
    Changed();
}

int TStringList::IndexOf(const std::string& text) const
{
    for (int i = 0; i < Count(); ++i)
        if (CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, FStrings[i].c_str(), static_cast<int>(FStrings[i].size()),
                           text.c_str(), static_cast<int>(text.size()))
            == CSTR_EQUAL)
            return i;
    return -1;
}

void TStringList::Sort()
{
    std::stable_sort(FStrings.begin(), FStrings.end(), LessIgnoringCase);
    Changed();
}

void TStringList::SetSorted(bool value)
{
    if (value == FSorted)
        return;
    FSorted = value;
    if (value)
        Sort();
}

void TStringList::EndUpdate()
{
    if (FUpdateCount == 0 || --FUpdateCount > 0 || !FChangedWhileUpdating)
        return;
    FChangedWhileUpdating = false;
    Changed();
}

void TStringList::Changed()
{
    if (FUpdateCount > 0) {
        FChangedWhileUpdating = true;
        return;
    }
    if (OnChange)
        OnChange(this);
}
