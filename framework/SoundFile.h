// Sound files the program accepts: the new-mail sound must be a RIFF/WAVE
// file, the only kind PlaySound plays.
#pragma once

#include <string>

// True when the file begins with a RIFF header of the form "WAVE". A missing,
// unreadable or shorter file is none. Never raises.
bool IsWaveFile(const std::string& fileName) noexcept;
