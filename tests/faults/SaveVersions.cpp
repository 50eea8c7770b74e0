#include "tests/faults/SaveVersions.h"

#include "drums/core/KettraSettings.h"
#include "drums/core/KettraSettingsFile.h"
#include "monitor/core/OstraSettings.h"
#include "monitor/core/OstraSettingsFile.h"
#include "monitor/core/TextFileSave.h"
#include "runtime/platform/Files.h"

#include <QFile>

namespace velmar::test {

namespace {

template <typename T>
T cycle(std::uint64_t version, std::uint64_t low, std::uint64_t count)
{
    return static_cast<T>(low + version % count);
}

monitor::OstraSettings ostraVersion(std::uint64_t version)
{
    monitor::OstraSettings settings;
    settings.WindowLeft = cycle<std::int16_t>(version, 0, 1000);
    settings.WindowTop = cycle<std::int16_t>(version / 7, 0, 700);
    settings.WindowWidth = cycle<std::int16_t>(version, 300, 900);
    settings.WindowHeight = cycle<std::int16_t>(version / 3, 200, 600);
    settings.DisplayEventCount = cycle<std::int16_t>(version, 10, 31990);
    settings.DisplayFullMode = cycle<std::int16_t>(version, 0, 3);
    for (std::size_t i = 0; i < settings.ControllerFilter.size(); ++i)
        settings.ControllerFilter[i] = static_cast<std::uint8_t>(((version + i) % 3) == 0);
    settings.InactivityStopMs = cycle<std::int32_t>(version, 1, 60) * 1000;
    for (std::size_t i = 0; i < settings.ColumnWidths.size(); ++i)
        settings.ColumnWidths[i] = cycle<std::int32_t>(version * 7 + i, 1, 500);
    return BringIntoRange(settings);
}

drums::KettraSettings kettraVersion(std::uint64_t version)
{
    drums::KettraSettings settings;
    settings.LoVelocity = cycle<std::uint8_t>(version, 1, 127);
    settings.HiVelocity = cycle<std::uint8_t>(version / 127, 1, 127);
    settings.RandomizeVelocity = cycle<std::uint8_t>(version, 0, 2);
    settings.RandomRange = cycle<std::int16_t>(version, 0, 101);
    settings.WindowLeft = cycle<std::int16_t>(version, 0, 1000);
    settings.WindowTop = cycle<std::int16_t>(version / 1000, 0, 700);
    settings.ClientWidth = cycle<std::int16_t>(version, 150, 900);
    settings.DurationBoost = cycle<std::int16_t>(version, 0, 11);
    settings.DrumChannel = cycle<std::int16_t>(version, 1, 16);
    settings.DrumPort = cycle<std::int16_t>(version / 16, 1, 16);
    return BringIntoRange(settings);
}

// An event text of a few dozen TAB-separated lines; its length changes with the version.
std::string textVersion(std::uint64_t version)
{
    std::string text = "Evt #\tTime (mS)\tSource\tRaw\tStatus\tChan\tData 1\tData 2\r\n";
    const std::uint64_t lines = 1 + version % 40;
    for (std::uint64_t line = 1; line <= lines; ++line)
        text += std::to_string(version) + "\t" + std::to_string(line * 3) +
                "\tExt\t90 3C 40\tNote On ($9x)\t1\tPitch = C4\tVelocity = 64\r\n";
    return text;
}

template <typename Record>
std::string bytesOf(const Record& record)
{
    const auto bytes = record.ToBytes();
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

} // namespace

std::optional<SaveKind> SaveKindNamed(std::string_view name)
{
    for (const SaveKind kind : {SaveKind::Ostra, SaveKind::Kettra, SaveKind::Text})
        if (name == SaveKindName(kind))
            return kind;
    return std::nullopt;
}

const char* SaveKindName(SaveKind kind)
{
    switch (kind) {
    case SaveKind::Ostra:
        return "ostra";
    case SaveKind::Kettra:
        return "kettra";
    case SaveKind::Text:
        break;
    }
    return "text";
}

std::string VersionBytes(SaveKind kind, std::uint64_t version)
{
    switch (kind) {
    case SaveKind::Ostra:
        return bytesOf(ostraVersion(version));
    case SaveKind::Kettra:
        return bytesOf(kettraVersion(version));
    case SaveKind::Text:
        break;
    }
    return textVersion(version);
}

std::optional<std::string> LoadSaved(SaveKind kind, const std::string& path)
{
    switch (kind) {
    case SaveKind::Ostra:
        if (!platform::readFile(path, 0))
            return std::nullopt;
        return bytesOf(monitor::OstraSettingsFile(path).LoadSettings());
    case SaveKind::Kettra:
        if (!platform::readFile(path, 0))
            return std::nullopt;
        return bytesOf(drums::KettraSettingsFile(path).Read());
    case SaveKind::Text:
        break;
    }
    constexpr std::size_t kLongestText = 1 << 20;
    return platform::readFile(path, kLongestText);
}

SaveOutcome SaveVersion(SaveKind kind, const std::string& path, std::uint64_t version)
{
    switch (kind) {
    case SaveKind::Ostra:
        return {monitor::OstraSettingsFile(path).SaveSettings(ostraVersion(version)), {}};
    case SaveKind::Kettra:
        return {drums::KettraSettingsFile(path).Write(kettraVersion(version)), {}};
    case SaveKind::Text:
        break;
    }
    const std::optional<QString> failure =
        monitor::SaveTextFile(QFile::decodeName(path.c_str()), textVersion(version));
    return {!failure, failure.value_or(QString())};
}

} // namespace velmar::test
