#include "framework/SoundFile.h"

#include "support/TempFiles.h"

#include <gtest/gtest.h>

TEST(IsWaveFile, OnlyARiffHeaderOfTheWaveFormCounts)
{
    TempFiles files;
    const std::string wave("RIFF\x24\0\0\0WAVE", 12);
    for (const auto& [bytes, expected] : {std::pair{wave + "fmt ", true}, {wave.substr(0, 11), false},
                                          {"RIFX" + wave.substr(4), false}, {wave.substr(0, 8) + "AVI ", false}})
        EXPECT_EQ(IsWaveFile(files.Write("ton.wav", TempFiles::Bytes(bytes.begin(), bytes.end()))), expected) << bytes;
    char folder[MAX_PATH] = {};
    GetTempPathA(sizeof folder, folder);
    for (const std::string& none : {std::string("C:\\gibt\\es\\nicht.wav"), std::string(folder)})
        EXPECT_FALSE(IsWaveFile(none)) << none;
}
