// Exception classes of the framework. Their texts are what the user reads in
// the default error display, so they are German.
#pragma once

#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : FMessage(std::move(message)) {}
    const std::string& Message() const noexcept { return FMessage; }
    void SetMessage(std::string message) { FMessage = std::move(message); }
    const char* what() const noexcept override { return FMessage.c_str(); }

private:
    std::string FMessage;
};

// Raised by TRegistry for values of the wrong type or size, failed writes and
// keys that cannot be created.
class ERegistryException : public Exception {
public:
    using Exception::Exception;
};

// Raised by the number conversions ("'%s' ist kein gültiger Integerwert").
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// Raised when a file cannot be created, opened or written.
class EFileError : public Exception {
public:
    using Exception::Exception;
};

// The German message texts, with %s for the value name, key path or text.
namespace Msg {
inline constexpr const char* InvalidRegType = "Ungültiger Datentyp für '%s'";
inline constexpr const char* RegGetDataFailed = "Konnte Daten für '%s' nicht holen";
inline constexpr const char* RegSetDataFailed = "Konnte Daten für '%s' nicht setzen";
inline constexpr const char* RegCreateFailed = "Erzeugung von Schlüssel %s misslungen";
inline constexpr const char* InvalidInteger = "'%s' ist kein gültiger Integerwert";
inline constexpr const char* FileCreateError = "Datei %s kann nicht erstellt werden";
inline constexpr const char* FileOpenError = "Datei %s kann nicht geöffnet werden";
inline constexpr const char* FileWriteError = "Fehler beim Schreiben in Datei %s";
} // namespace Msg
