#include "settings/StoredText.h"

#include "registry/RegHelpers.h"

std::string WithReferences(const std::string& stored, const std::string& edited)
{
    // Candidate ends: just after the closing "%" of each reference, the
    // longest first.
    std::string::size_type best = 0;
    for (std::string::size_type open = stored.find('%'); open != std::string::npos;) {
        const std::string::size_type close = stored.find('%', open + 1);
        if (close == std::string::npos)
            break;
        const std::string head = stored.substr(0, close + 1);
        const std::string expanded = ExpandEnvPath(head, false);
        // A name the environment does not know stays as written: no
        // reference, and its closing "%" may open the next one.
        if (expanded == head) {
            open = close;
            continue;
        }
        if (edited.compare(0, expanded.size(), expanded) == 0)
            best = close + 1;
        open = stored.find('%', close + 1);
    }
    if (best == 0)
        return edited;
    return stored.substr(0, best) + edited.substr(ExpandEnvPath(stored.substr(0, best), false).size());
}
