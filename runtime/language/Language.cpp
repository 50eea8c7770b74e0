#include "runtime/language/Language.h"

#include "runtime/language/EnglishStrings.h"
#include "runtime/language/LanguageModule.h"
#include "runtime/language/LanguageNames.h"
#include "runtime/language/LanguageSelection.h"
#include "runtime/language/NumberedText.h"
#include "runtime/platform/Files.h"
#include "runtime/text/IniFile.h"
#include "runtime/text/TextFile.h"

#include <filesystem>
#include <memory>
#include <system_error>

namespace velmar {

namespace {

// What a string buffer of 1023 characters holds besides its terminator; callers may count on
// texts never being longer.
constexpr qsizetype kMaxNumberedStringLength = 1022;

LanguageState g_state;
std::unique_ptr<LanguageModule> g_module;

std::string withSlash(std::string directory)
{
    if (directory.empty() ||
        platform::kDirectorySeparators.find(directory.back()) == std::string_view::npos)
        directory.push_back('/');
    return directory;
}

void makeCurrentDirectory(const std::string& directory)
{
    std::string path = directory;
    if (path.size() > 1)
        path.pop_back(); // the final separator
    std::error_code error;
    std::filesystem::current_path(path, error);
    if (error)
        throw std::system_error(error, "Cannot make the program's directory \"" + path +
                                           "\" the current directory");
}

void readFontOverrides(const std::string& path)
{
    const auto ini = IniFile::read(path);
    if (!ini)
        return;
    const QString section = QStringLiteral("FONTNAME");
    g_state.FontNameOverride = ini->readString(section, QStringLiteral("FontName"), QString());
    g_state.FontSizeOverride = ini->readInteger(section, QStringLiteral("FontSize"), 0);
}

void loadModuleOf(int languageIndex)
{
    const auto letter = moduleLetter(languageIndex);
    if (!letter)
        return;
    g_module = LanguageModule::load(g_state.ExeDir + "Korvo2^" + *letter + ".qm");
}

QString cutToBufferLength(QString text)
{
    if (text.size() <= kMaxNumberedStringLength)
        return text;
    qsizetype length = kMaxNumberedStringLength;
    if (text[length - 1].isHighSurrogate())
        --length; // never half a character
    text.truncate(length);
    return text;
}

} // namespace

const LanguageState& languageState()
{
    return g_state;
}

bool languageModuleLoaded()
{
    return g_module != nullptr;
}

void InitLanguage()
{
    InitLanguage(platform::ExeDir(), platform::WindowsDir());
}

void InitLanguage(std::string exeDir, std::string windowsDir)
{
    g_module.reset();
    // Code without Qt (the shared memory's failures) asks for its texts in the language too.
    SetNumberedTextLookup([](std::uint16_t number) { return LoadNumStr(number).toStdString(); });
    g_state = LanguageState{};
    g_state.WindowsDir = withSlash(std::move(windowsDir));
    g_state.ExeDir = withSlash(std::move(exeDir));
    makeCurrentDirectory(g_state.ExeDir);
    g_state.DataDir =
        platform::directoryWritable(g_state.ExeDir) ? g_state.ExeDir : g_state.WindowsDir;

    readFontOverrides(g_state.DataDir + "fontname.ini");
    const auto lines = readTextFileLines(g_state.DataDir + "Language.Ini");
    if (!lines)
        return;
    g_state.LanguageIndex = selectLanguage(*lines);
    loadModuleOf(g_state.LanguageIndex);
}

void FreeLanguageLibrary()
{
    g_module.reset();
}

QString LoadNumStr(std::uint16_t number)
{
    if (g_module) {
        if (auto text = g_module->text(number))
            return cutToBufferLength(std::move(*text));
    }
    if (const auto english = englishString(number); english && !english->empty())
        return cutToBufferLength(
            QString::fromUtf8(english->data(), static_cast<qsizetype>(english->size())));
    return QStringLiteral("1");
}

const char* LoadNumStrP(std::uint16_t number)
{
    static std::string buffer;
    buffer = LoadNumStr(number).toStdString();
    return buffer.c_str();
}

} // namespace velmar
