// The mail client's identities (its user profiles), read from the current
// user's "Identities" key.
#pragma once

#include "framework/Component.h"

#include <string>
#include <vector>

struct TIdentityInfo {
    std::string UserName;  // the identity's "Username" value
    std::string KeyPath;   // "\" + sub-key name + "\", to go between "Identities" and a path below
};

class TIdentityCatalog : public TComponent {
public:
    using TComponent::TComponent;

    // A new list in the registry's enumeration order; sub-keys without a
    // "Username" value are left out. Reads afresh each time and creates
    // nothing. One bad identity never hides the others: an identity whose
    // name cannot be read, or whose key name the program cannot use, is left
    // out and named in Unreadable.
    std::vector<TIdentityInfo> ReadIdentities() const;

    // The identities the last ReadIdentities left out, each named once with
    // its key, e.g. "Identität HKEY_CURRENT_USER\Identities\{...}: Name nicht
    // lesbar (Ungültiger Datentyp für 'Username')".
    const std::vector<std::string>& Unreadable() const { return FUnreadable; }

private:
    // What the last read found; the read itself changes nothing else.
    mutable std::vector<std::string> FUnreadable;
};
