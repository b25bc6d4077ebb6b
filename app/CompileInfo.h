// Non-visual component that carries the build date of the program as text.
#pragma once

#include "framework/Component.h"

#include <windows.h>

#include <string>

enum TDateTimeFormat { tfDefault, tfShortDate, tfLongDate, tfAbbreviated, tfFullName };

class TCompileInfo : public TComponent {
public:
    explicit TCompileInfo(TComponent* owner = nullptr);

    int Build() const { return FBuild; }
    void SetBuild(int value);
    const std::string& CompanyName() const { return FCompanyName; }
    void SetCompanyName(const std::string& value);
    const std::string& CompileDate() const { return FCompileDate; }
    void SetCompileDate(const std::string& value);
    bool DateOnly() const { return FDateOnly; }
    void SetDateOnly(bool value) { FDateOnly = value; }
    TDateTimeFormat Format() const { return FFormat; }
    void SetFormat(TDateTimeFormat value);
    // Setting it re-stamps CompileDate, but only in a form designer: the
    // running program keeps the date stored with its window.
    bool Update() const { return FUpdate; }
    void SetUpdate(bool value);
    const std::string& Version() const { return FVersion; }
    void SetVersion(const std::string& value);

    // The date/time format string that stamps CompileDate.
    const std::string& FormatString() const { return FFormatString; }
    // The format string of a format, with or without the time part.
    static std::string FormatStringOf(TDateTimeFormat format, bool dateOnly);
    // The stamp for a moment: the current format string applied to it, with
    // the time cut off when DateOnly.
    std::string StampText(const SYSTEMTIME& when) const;

private:
    int FBuild = 1;
    std::string FCompanyName = "Zorvane-Team";
    std::string FCompileDate;
    bool FDateOnly = false;
    TDateTimeFormat FFormat = tfDefault;
    bool FUpdate = false;
    std::string FVersion = "1.0";
    std::string FFormatString;
};
