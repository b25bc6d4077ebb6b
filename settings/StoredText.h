// Texts stored with environment references ("%USERPROFILE%\start.htm" as
// REG_EXPAND_SZ) are shown expanded. When the user edits such a text, the
// references must survive: otherwise the value would be tied to this one
// user's folders for good.
#pragma once

#include <string>

// The text to store for edited, given the stored text with its references:
// when edited still begins with what a leading part of stored (up to the end
// of one of its references) expands to, that part goes back in place of its
// expansion, the longest such part first. Otherwise edited as it is.
std::string WithReferences(const std::string& stored, const std::string& edited);
