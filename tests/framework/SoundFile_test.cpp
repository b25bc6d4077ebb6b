#include "framework/SoundFile.h"

#include "support/TempFiles.h"

#include <gtest/gtest.h>

namespace {

TempFiles::Bytes Of(const std::string& text)
{
    return TempFiles::Bytes(text.begin(), text.end());
}

} // namespace

TEST(IsWaveFile, OnlyARiffHeaderOfTheWaveFormCounts)
{
    TempFiles files;
    // A whole PCM file: header, format chunk, four samples.
    const std::string wave = std::string("RIFF\x2C\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1F\0\0\x40\x1F\0\0\x01\0\x08\0"
                                         "data\x04\0\0\0\x80\x80\x80\x80", 48);
    const struct {
        const char* name;
        std::string bytes;
        bool wave;
    } cases[] = {
        {"ton.wav", wave, true},
        {"kopf.wav", wave.substr(0, 12), true},
        {"ohne-endung", wave, true},   // the content decides, not the name
        {"kurz.wav", wave.substr(0, 11), false},
        {"leer.wav", "", false},
        {"video.avi", std::string("RIFF\x2C\0\0\0AVI LIST", 16), false},
        {"rifx.wav", "RIFX" + wave.substr(4), false},
        {"klein.wav", "riff" + wave.substr(4), false},
        {"text.wav", "Dies ist kein Klang.", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsWaveFile(files.Write(c.name, Of(c.bytes))), c.wave) << c.name;

    char folder[MAX_PATH] = {};
    GetTempPathA(sizeof folder, folder);
    for (const std::string& none : {std::string(), std::string("C:\\gibt\\es\\nicht.wav"), std::string(folder)})
        EXPECT_FALSE(IsWaveFile(none)) << none;
}
