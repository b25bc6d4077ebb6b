// The width of a picture file, read with the system's own loaders: what the
// picture controls can show and the toolbar bitmap picker measures.
#pragma once

#include <optional>
#include <string>

// The width in pixels of a .bmp, .ico, .wmf, .emf, .jpg or .jpeg file (the
// extension decides the format); nullopt when the file is no readable
// picture of that kind. Never raises.
std::optional<int> PictureWidth(const std::string& fileName);
