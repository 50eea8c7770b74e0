#include "drums/core/SettingsDialogFields.h"

#include "runtime/language/Language.h"

namespace velmar::drums {

namespace {

template <typename Field>
Field bring(const SettingLimits& limits, int value)
{
    return static_cast<Field>(limits.Bring(value));
}

int transportKeysIndex(int value)
{
    return value == kTransportKeysOn || value == kTransportKeysCtrl ? value : kTransportKeysOff;
}

} // namespace

SettingsDialogFields SettingsDialogFields::FormShow(const KettraSettings& settings)
{
    SettingsDialogFields fields;
    fields.HiVelocity = kVelocityLimits.Bring(settings.HiVelocity);
    fields.LoVelocity = kVelocityLimits.Bring(settings.LoVelocity);
    fields.Randomize = settings.RandomizeVelocity != 0;
    fields.RandomRange = kRandomRangeLimits.Bring(settings.RandomRange);
    fields.ShowNoteName = (settings.HintFlags & kHintNoteName) != 0;
    fields.ShowNoteNumber = (settings.HintFlags & kHintNoteNumber) != 0;
    fields.ShowComputerKey = (settings.HintFlags & kHintComputerKey) != 0;
    fields.ShowAll = settings.ShowAllInstruments == 1;
    fields.OnTop = settings.AlwaysOnTop != 0;
    fields.TransportKeys = transportKeysIndex(settings.TransportKeys);
    fields.DisplayDrumKeys = settings.QwertyOnDrums != 0;
    fields.DurationBoost = kDurationBoostLimits.Bring(settings.DurationBoost);
    fields.DrumPort = kPortLimits.Bring(settings.DrumPort);
    fields.DrumChannel = kChannelLimits.Bring(settings.DrumChannel);
    return fields;
}

void SettingsDialogFields::OKButtonClick(KettraSettings& settings) const
{
    settings.HiVelocity = bring<std::uint8_t>(kVelocityLimits, HiVelocity);
    settings.LoVelocity = bring<std::uint8_t>(kVelocityLimits, LoVelocity);
    settings.RandomizeVelocity = Randomize ? 1 : 0;
    settings.RandomRange = bring<std::int16_t>(kRandomRangeLimits, RandomRange);
    DeriveRandomSpans(settings);

    settings.QwertyOnDrums = DisplayDrumKeys ? 1 : 0;
    const bool showAll = ShowAll || DisplayDrumKeys;
    int hintFlags = 0;
    if (ShowNoteName)
        hintFlags |= kHintNoteName;
    if (ShowNoteNumber)
        hintFlags |= kHintNoteNumber;
    if (ShowComputerKey)
        hintFlags |= kHintComputerKey;
    settings.HintFlags = static_cast<std::int16_t>(hintFlags);

    settings.ShowAllInstruments = showAll ? 1 : 0;
    settings.AlwaysOnTop = OnTop ? 1 : 0;
    settings.TransportKeys = static_cast<std::int16_t>(transportKeysIndex(TransportKeys));

    settings.DurationBoost = bring<std::int16_t>(kDurationBoostLimits, DurationBoost);
    settings.DrumPort = bring<std::int16_t>(kPortLimits, DrumPort);
    settings.DrumChannel = bring<std::int16_t>(kChannelLimits, DrumChannel);
}

QString NumColorsText(int colorCount)
{
    constexpr std::uint16_t kSixteenColours = 3781;
    constexpr std::uint16_t kIncreaseColours = 3782;
    constexpr std::uint16_t kTwoHundredFiftySixColours = 3783;
    constexpr std::uint16_t kHighColour = 3784;
    if (colorCount <= 16)
        return LoadNumStr(kSixteenColours) + LoadNumStr(kIncreaseColours);
    if (colorCount > 256)
        return LoadNumStr(kHighColour);
    return LoadNumStr(kTwoHundredFiftySixColours) + LoadNumStr(kIncreaseColours);
}

} // namespace velmar::drums
