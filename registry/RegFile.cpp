#include "registry/RegFile.h"

#include "framework/Exceptions.h"
#include "framework/FileWrite.h"
#include "framework/SysUtils.h"

TRegFile::TRegFile(TExportLines& lines, std::string& lastKeyPath, TRegFileFormat format)
    : FLines(lines), FWriter(lines, lastKeyPath, format)
{
}

TRegFile::~TRegFile()
{
    // The lines must not keep the handle of a file that is going away.
    FLines.Release(false);
}

void TRegFile::Begin(const std::string& folder, const std::string& fileNameForErrors)
{
    FTemp = std::make_unique<TPendingFile>();
    if (!FTemp->Create(folder))
        throw EFileError(Format(Msg::FileCreateError, fileNameForErrors.c_str()));
    const bool unicode = FWriter.Format() == TRegFileFormat::Unicode;
    if (unicode && !FTemp->Write("\xFF\xFE"))
        throw EFileError(Format(Msg::FileWriteError, FTemp->Name().c_str()));
    FLines.SetFile(FTemp->Handle(), FTemp->Name(), FWriter.Format());
    FLines.Add(unicode ? "Windows Registry Editor Version 5.00" : "REGEDIT4");
}

void TRegFile::Finish()
{
    FLines.EndLine();
    FLines.Flush();
    if (!FTemp->Close())
        throw EFileError(Format(Msg::FileWriteError, FTemp->Name().c_str()));
}

bool TRegFile::PlaceAs(const std::string& fileName, bool replace)
{
    return FTemp && FTemp->MoveTo(fileName, replace);
}
