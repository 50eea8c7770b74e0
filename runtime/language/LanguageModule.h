#pragma once

#include <QByteArray>
#include <QString>
#include <QTranslator>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace velmar {

// A language module: one language's texts of the numbered strings, as a Qt translation file
// whose context "numbered" translates each number written in decimal. A default-constructed
// module lacks every number.
class LanguageModule {
public:
    // The module in the file at `path`; nothing when there is no such file or it is not a
    // translation file.
    [[nodiscard]] static std::unique_ptr<LanguageModule> load(const std::string& path);

    // The module's text of `number`; nothing when it has no translation or an empty one.
    [[nodiscard]] std::optional<QString> text(std::uint16_t number) const;

private:
    QByteArray m_bytes; // the translator reads from these bytes without copying them
    QTranslator m_translator;
};

} // namespace velmar
