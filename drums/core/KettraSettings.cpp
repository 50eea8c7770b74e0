#include "drums/core/KettraSettings.h"

#include "runtime/PackedRecord.h"

namespace velmar::drums {

namespace {

// Every field with its offset in the file, in file order.
template <typename Record, typename Visit>
void visitFields(Record& settings, Visit&& visit)
{
    visit(0, settings.LoVelocity);
    visit(1, settings.HiVelocity);
    visit(2, settings.RandomizeVelocity);
    visit(3, settings.ReservedAlignment);
    visit(4, settings.RandomRange);
    visit(6, settings.HiRandomSpan);
    visit(8, settings.HiRandomBase);
    visit(10, settings.LoRandomSpan);
    visit(12, settings.LoRandomBase);
    visit(14, settings.HintFlags);
    visit(16, settings.Reserved);
    visit(18, settings.ShowAllInstruments);
    visit(19, settings.AlwaysOnTop);
    visit(20, settings.WindowSize);
    visit(22, settings.ClientWidth);
    visit(24, settings.ClientHeight);
    visit(26, settings.WindowLeft);
    visit(28, settings.WindowTop);
    visit(30, settings.TransportKeys);
    visit(32, settings.QwertyOnDrums);
    visit(34, settings.DurationBoost);
    visit(36, settings.DrumChannel);
    visit(38, settings.DrumPort);
}

template <typename Field>
Field bring(const SettingLimits& limits, Field value)
{
    return static_cast<Field>(limits.Bring(value));
}

} // namespace

KettraSettings::Bytes KettraSettings::ToBytes() const
{
    Bytes bytes{};
    visitFields(*this,
                [&](std::size_t offset, const auto& field) { StorePacked(bytes, offset, field); });
    return bytes;
}

KettraSettings KettraSettings::FromBytes(std::span<const std::byte> bytes)
{
    Bytes image = KettraSettings{}.ToBytes();
    std::copy_n(bytes.begin(), std::min(bytes.size(), kSize), image.begin());

    KettraSettings settings;
    visitFields(settings,
                [&](std::size_t offset, auto& field) { LoadPacked(image, offset, field); });
    return settings;
}

RandomSpan DeriveRandomSpan(int range, int velocity)
{
    int span = range * velocity / 100;
    int base = velocity - span;
    if (base < 1) {
        base = 1;
        --span;
    }
    return {static_cast<std::int16_t>(span), static_cast<std::int16_t>(base)};
}

void DeriveRandomSpans(KettraSettings& settings)
{
    const RandomSpan high = DeriveRandomSpan(settings.RandomRange, settings.HiVelocity);
    const RandomSpan low = DeriveRandomSpan(settings.RandomRange, settings.LoVelocity);
    settings.HiRandomSpan = high.Span;
    settings.HiRandomBase = high.Base;
    settings.LoRandomSpan = low.Span;
    settings.LoRandomBase = low.Base;
}

KettraSettings BringIntoRange(KettraSettings settings)
{
    const KettraSettings defaults;
    settings.LoVelocity = bring(kVelocityLimits, settings.LoVelocity);
    settings.HiVelocity = bring(kVelocityLimits, settings.HiVelocity);
    settings.RandomizeVelocity = AsFlag(settings.RandomizeVelocity);
    settings.RandomRange = bring(kRandomRangeLimits, settings.RandomRange);
    // Recomputed rather than trusted: a damaged span or base would play velocities
    // outside 1..127. For any file the program wrote this changes nothing.
    DeriveRandomSpans(settings);
    // A flag of 2 would hide instruments (not "all") yet never reveal them (not "used").
    settings.ShowAllInstruments = AsFlag(settings.ShowAllInstruments);
    settings.AlwaysOnTop = AsFlag(settings.AlwaysOnTop);
    settings.QwertyOnDrums = AsFlag(settings.QwertyOnDrums);
    if (settings.ClientWidth < 1)
        settings.ClientWidth = defaults.ClientWidth;
    if (settings.ClientHeight < 1)
        settings.ClientHeight = defaults.ClientHeight;
    // Values other than "On" and "Ctrl Key" already behave as "Off"; say so in the record.
    if (settings.TransportKeys != kTransportKeysOn && settings.TransportKeys != kTransportKeysCtrl)
        settings.TransportKeys = kTransportKeysOff;
    settings.DurationBoost = bring(kDurationBoostLimits, settings.DurationBoost);
    settings.DrumChannel = bring(kChannelLimits, settings.DrumChannel);
    settings.DrumPort = bring(kPortLimits, settings.DrumPort);
    return settings;
}

} // namespace velmar::drums
