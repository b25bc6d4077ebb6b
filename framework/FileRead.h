// Reading a whole file of text or bytes as it is, with no conversion.
#pragma once

#include <string>

// Raises EFileError ("Datei %s kann nicht geöffnet werden") when the file
// cannot be opened or read to its end.
std::string ReadFileBytes(const std::string& fileName);
