// Settings and ini files of any content, through the loaders the programs use. Whatever
// a file holds, the values loaded are within the ranges the programs rely on, and what
// the programs would write back reads back the same.
#include "drums/core/KettraSettingsFile.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/ScratchDirectory.h"
#include "fuzz/SettingsSubject.h"
#include "monitor/core/OstraSettingsFile.h"
#include "runtime/language/Language.h"
#include "runtime/link/LinkIni.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <span>
#include <string>

namespace velmar::fuzz {

namespace {

std::string writeScratchFile(const char* name, std::span<const std::uint8_t> bytes)
{
    std::string path = ScratchDirectory() + name;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    Require(file.good(), "cannot write a scratch file");
    return path;
}

template <std::size_t Count>
bool allFlags(const std::array<std::uint8_t, Count>& flags)
{
    return std::all_of(flags.begin(), flags.end(), [](std::uint8_t flag) { return flag <= 1; });
}

// A file that is a whole record already in range is what the program would write back.
template <typename Settings>
void checkWrittenBack(const Settings& loaded, std::span<const std::uint8_t> file)
{
    Require(Settings::FromBytes(loaded.ToBytes()) == loaded, "a record does not survive packing");
    if (file.size() != Settings::kSize)
        return;
    const Settings asStored = Settings::FromBytes(std::as_bytes(file));
    if (asStored != loaded)
        return; // brought into range, so written back otherwise
    const typename Settings::Bytes bytes = loaded.ToBytes();
    Require(std::equal(bytes.begin(), bytes.end(), std::as_bytes(file).begin()),
            "a record in range is not written back as it was read");
}

void checkOstra(std::span<const std::uint8_t> file)
{
    using namespace monitor;
    const OstraSettings settings =
        OstraSettingsFile(writeScratchFile("$OSTRA.cfg", file)).LoadSettings();
    Require(settings.DisplayEventCount >= 1 && settings.DisplayEventCount <= kMaxDisplayEventCount,
            "monitor: row count out of range");
    Require(settings.DisplayFullMode >= kDisplayFullStop &&
                settings.DisplayFullMode <= kDisplayFullWrapClearCount,
            "monitor: display-full mode out of range");
    Require(settings.FilterMode == kFilterOnly || settings.FilterMode == kFilterAllExcept,
            "monitor: filter mode out of range");
    Require(settings.ShowComputerInput <= 1 && settings.ShowHostOutput <= 1 &&
                allFlags(settings.EventTypeFilter) && allFlags(settings.ChannelFilter) &&
                allFlags(settings.ControllerFilter),
            "monitor: a filter flag other than 0 or 1");
    Require(settings.InactivityStopMs >= 1 && settings.InactivityStopMs <= kMaxInactivityStopMs,
            "monitor: quiet period out of range");
    Require(settings.AlwaysOnTop <= 1 && settings.SaveTextToFile <= 1 &&
                settings.DecimalChannels <= 1 && settings.DecimalEventTypes <= 1 &&
                settings.DecimalData <= 1 && settings.OneBasedPrograms <= 1 &&
                settings.OneBasedChannels <= 1,
            "monitor: an option other than 0 or 1");
    Require(settings.WindowWidth >= 1 && settings.WindowHeight >= 1, "monitor: an empty window");
    Require(std::all_of(settings.ColumnWidths.begin(), settings.ColumnWidths.end(),
                        [](std::int32_t width) { return width >= 0 && width <= kMaxColumnWidth; }),
            "monitor: a column width out of range");
    Require(BringIntoRange(settings) == settings, "monitor: a loaded record is not in range");
    checkWrittenBack(settings, file);
}

bool playsValidVelocities(std::int16_t span, std::int16_t base, std::uint8_t velocity)
{
    return span >= 0 && base >= 1 && base + span <= velocity;
}

void checkKettra(std::span<const std::uint8_t> file)
{
    using namespace drums;
    const KettraSettings settings =
        KettraSettingsFile(writeScratchFile("$Kettra.cfg", file)).Read();
    const auto within = [](int value, const SettingLimits& limits) {
        return value >= limits.Min && value <= limits.Max;
    };
    Require(within(settings.LoVelocity, kVelocityLimits) &&
                within(settings.HiVelocity, kVelocityLimits),
            "drums: a velocity out of range");
    Require(within(settings.RandomRange, kRandomRangeLimits), "drums: random range out of range");
    Require(
        playsValidVelocities(settings.HiRandomSpan, settings.HiRandomBase, settings.HiVelocity) &&
            playsValidVelocities(settings.LoRandomSpan, settings.LoRandomBase, settings.LoVelocity),
        "drums: randomized velocities outside 1 to the velocity");
    Require(settings.RandomizeVelocity <= 1 && settings.ShowAllInstruments <= 1 &&
                settings.AlwaysOnTop <= 1 &&
                (settings.QwertyOnDrums == 0 || settings.QwertyOnDrums == 1),
            "drums: an option other than 0 or 1");
    Require(settings.ClientWidth >= 1 && settings.ClientHeight >= 1, "drums: an empty window");
    Require(settings.TransportKeys >= kTransportKeysOn &&
                settings.TransportKeys <= kTransportKeysOff,
            "drums: transport keys out of range");
    Require(within(settings.DurationBoost, kDurationBoostLimits) &&
                within(settings.DrumChannel, kChannelLimits) &&
                within(settings.DrumPort, kPortLimits),
            "drums: boost, channel or port out of range");
    Require(BringIntoRange(settings) == settings, "drums: a loaded record is not in range");
    checkWrittenBack(settings, file);
}

void checkLanguage(SettingsSubject subject, std::span<const std::uint8_t> file)
{
    const std::string& directory = ScratchDirectory();
    const bool languageIni = subject == SettingsSubject::LanguageIni;
    std::remove((directory + (languageIni ? "fontname.ini" : "Language.Ini")).c_str());
    (void)writeScratchFile(languageIni ? "Language.Ini" : "fontname.ini", file);

    InitLanguage(directory, directory);
    const LanguageState& state = languageState();
    Require(state.LanguageIndex >= 0 && state.LanguageIndex <= 26, "language index out of range");
    Require(!languageModuleLoaded(), "a language module loaded from nowhere");
    Require(!state.FontNameOverride.contains(u'\n') && !state.FontNameOverride.contains(u'\r'),
            "a font name across lines");
    if (languageIni)
        Require(state.FontNameOverride.isEmpty() && state.FontSizeOverride == 0,
                "font overrides without fontname.ini");
    else
        Require(state.LanguageIndex == 0, "a language without Language.Ini");
}

bool isBlankOrControl(QChar c)
{
    return c.unicode() <= u' ' || c.unicode() == 0x7F;
}

void checkLinkIni(std::span<const std::uint8_t> file)
{
    const std::string path = writeScratchFile("VELMARLINK.INI", file);
    const QString name = ReadLinkIni(path);
    Require(name.isEmpty() || (!isBlankOrControl(name.front()) && !isBlankOrControl(name.back())),
            "a host path with blanks or controls at an end");
    Require(!name.contains(u'\n') && !name.contains(u'\r'), "a host path across lines");
    WriteLinkIni(path, name);
    Require(ReadLinkIni(path) == name, "a host path does not read back as written");
}

} // namespace

} // namespace velmar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velmar::fuzz;
    FuzzInput input({data, size});
    const auto subject = static_cast<SettingsSubject>(input.u8() % kSettingsSubjectCount);
    const std::span<const std::uint8_t> file = input.rest();
    switch (subject) {
    case SettingsSubject::OstraSettings:
        checkOstra(file);
        break;
    case SettingsSubject::KettraSettings:
        checkKettra(file);
        break;
    case SettingsSubject::LanguageIni:
    case SettingsSubject::FontNameIni:
        checkLanguage(subject, file);
        break;
    case SettingsSubject::LinkIni:
        checkLinkIni(file);
        break;
    }
    return 0;
}
