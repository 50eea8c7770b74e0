#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

namespace velmar {

// An INI file read the way the classic Windows private-profile calls read one: section and
// key names without regard to case and with surrounding blanks trimmed; of sections or keys
// that repeat, the first one counts. Lines that are neither "[section]" nor "key=value" are
// ignored.
class IniFile {
public:
    // Nothing when the file cannot be read (see readTextFileLines).
    [[nodiscard]] static std::optional<IniFile> read(const std::string& path);

    explicit IniFile(const QStringList& lines);

    // The value trimmed of blanks, and of one pair of enclosing quotes (" or '); `fallback`
    // when the section or key is missing or the value is empty.
    [[nodiscard]] QString readString(QStringView section, QStringView key,
                                     const QString& fallback) const;

    // The whole number the value starts with (an optional sign, then decimal digits; "12pt"
    // reads 12). A value that starts otherwise, or does not fit an int, reads 0; `fallback`
    // as for readString.
    [[nodiscard]] int readInteger(QStringView section, QStringView key, int fallback) const;

private:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
    };

    [[nodiscard]] const QString* find(QStringView section, QStringView key) const;

    std::vector<Section> m_sections;
};

} // namespace velmar
