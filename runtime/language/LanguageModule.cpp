#include "runtime/language/LanguageModule.h"

#include "runtime/platform/Files.h"

#include <filesystem>
#include <limits>
#include <system_error>

namespace velmar {

std::unique_ptr<LanguageModule> LanguageModule::load(const std::string& path)
{
    // The bytes are read here rather than handing the path to QTranslator, which would try
    // other file names when this one is missing.
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size == 0 || size > std::numeric_limits<int>::max())
        return nullptr;
    const auto bytes = platform::readFile(path, static_cast<std::size_t>(size));
    if (!bytes)
        return nullptr;

    auto module = std::make_unique<LanguageModule>();
    module->m_bytes = QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size()));
    if (!module->m_translator.load(reinterpret_cast<const uchar*>(module->m_bytes.constData()),
                                   static_cast<int>(module->m_bytes.size())))
        return nullptr;
    return module;
}

std::optional<QString> LanguageModule::text(std::uint16_t number) const
{
    QString translation =
        m_translator.translate("numbered", QByteArray::number(number).constData());
    if (translation.isEmpty())
        return std::nullopt;
    return translation;
}

} // namespace velmar
