#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmar::test {

// The three saves the programs make: the monitor's settings, the drum display's settings
// and the monitor's event text.
enum class SaveKind { Ostra, Kettra, Text };

[[nodiscard]] std::optional<SaveKind> SaveKindNamed(std::string_view name);
[[nodiscard]] const char* SaveKindName(SaveKind kind);

// The bytes that version `version` of a save leaves on disk. Every version differs from its
// neighbours in most bytes (and, for the text, in length), so a file mixed of two versions
// or cut short matches none.
[[nodiscard]] std::string VersionBytes(SaveKind kind, std::uint64_t version);

// What loading the file gives, in the same form as VersionBytes: the record the program
// would use, or the text. Nothing when the file cannot be read.
[[nodiscard]] std::optional<std::string> LoadSaved(SaveKind kind, const std::string& path);

struct SaveOutcome {
    bool saved = false;
    // What the program tells the user about a failure; empty where it says nothing.
    QString message;
};

// Saves `version` to `path` the way the program does.
[[nodiscard]] SaveOutcome SaveVersion(SaveKind kind, const std::string& path,
                                      std::uint64_t version);

} // namespace velmar::test
