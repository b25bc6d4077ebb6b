// Writing a whole file so that a failure never leaves half of it: the bytes go
// to a temporary file beside the target, which is then moved into place.
#pragma once

#include <string>

// Raises EFileError ("Datei %s kann nicht erstellt werden" or "Fehler beim
// Schreiben in Datei %s") and leaves any former file untouched on failure.
void WriteWholeFile(const std::string& fileName, const std::string& bytes);
