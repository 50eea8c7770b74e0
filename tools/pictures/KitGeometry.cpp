#include "tools/pictures/KitGeometry.h"

#include "drums/core/KitTable.h"

namespace velmar::drawing {

namespace {

Edges edgesOf(const drums::KitRect& rect)
{
    return {rect.Left, rect.Top, rect.Right, rect.Bottom};
}

struct KeyCap {
    QString text;
    KeyPad pad;
};

// What the key cap of a virtual-key code shows, and on which part of the keyboard it is.
KeyCap keyCapOf(std::uint8_t virtualKey)
{
    constexpr std::uint8_t kNumpad0 = 0x60;
    constexpr std::uint8_t kNumpad9 = 0x69;
    if (virtualKey >= kNumpad0 && virtualKey <= kNumpad9)
        return {QString(QChar(static_cast<char16_t>(u'0' + (virtualKey - kNumpad0)))), KeyPad::Num};
    if ((virtualKey >= u'0' && virtualKey <= u'9') || (virtualKey >= u'A' && virtualKey <= u'Z'))
        return {QString(QChar(char16_t{virtualKey})), KeyPad::Main};
    switch (virtualKey) {
    case 0x08: // Backspace
        return {QStringLiteral("\u2190"), KeyPad::Main};
    case 0x6A:
        return {QStringLiteral("*"), KeyPad::Num};
    case 0x6E:
        return {QStringLiteral("."), KeyPad::Num};
    case 0x6F:
        return {QStringLiteral("/"), KeyPad::Num};
    case 0xBA:
        return {QStringLiteral(";"), KeyPad::Main};
    case 0xBB:
        return {QStringLiteral("="), KeyPad::Main};
    case 0xBC:
        return {QStringLiteral(","), KeyPad::Main};
    case 0xBD:
        return {QStringLiteral("-"), KeyPad::Main};
    case 0xBE:
        return {QStringLiteral("."), KeyPad::Main};
    case 0xBF:
        return {QStringLiteral("/"), KeyPad::Main};
    case 0xC0:
        return {QStringLiteral("~"), KeyPad::Main};
    case 0xDB:
        return {QStringLiteral("["), KeyPad::Main};
    case 0xDC:
        return {QStringLiteral("\\"), KeyPad::Main};
    case 0xDD:
        return {QStringLiteral("]"), KeyPad::Main};
    case 0xDE:
        return {QStringLiteral("'"), KeyPad::Main};
    default:
        return {QStringLiteral("?"), KeyPad::Main};
    }
}

std::array<KitInstrument, kInstrumentCount> fromKitTable()
{
    std::array<KitInstrument, kInstrumentCount> instruments{};
    for (int row = 0; row < kInstrumentCount; ++row) {
        const drums::DrumInstrument& source = drums::KitRow(row);
        KeyCap cap = keyCapOf(source.Key);
        instruments[static_cast<std::size_t>(row)] = {
            drums::GroupAnchor(row),   edgesOf(source.LitRect), edgesOf(source.HitRect),
            edgesOf(source.CoverRect), std::move(cap.text),     cap.pad};
    }
    return instruments;
}

} // namespace

const std::array<KitInstrument, kInstrumentCount>& kitInstruments()
{
    static const std::array<KitInstrument, kInstrumentCount> instruments = fromKitTable();
    return instruments;
}

} // namespace velmar::drawing
