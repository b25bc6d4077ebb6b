// The file extensions registered on this machine: every key of
// HKEY_CLASSES_ROOT whose name begins with "." with the name of its file type.
// Machines with many programs carry thousands of them, so the list costs no
// more than one look at each key.
#pragma once

#include <string>
#include <vector>

struct TFileExtension {
    std::string Extension;  // ".txt"
    std::string FileType;   // the key's default value; "" when absent or not text

    // ".txt - txtfile"; ".xyz - " without a file type.
    std::string Caption() const { return Extension + " - " + FileType; }
};

// Sorted without regard to case by the user's locale. Empty when the root
// cannot be listed.
std::vector<TFileExtension> ReadFileExtensions();
