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
    // "Username" value are left out. Reads afresh each time and creates nothing.
    std::vector<TIdentityInfo> ReadIdentities() const;
};
