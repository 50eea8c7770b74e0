#include "monitor/core/EventFormatter.h"
#include "monitor/dialogs/FormDesign.h"
#include "monitor/ui/GridCellDelegate.h"
#include "monitor/ui/MainFormRules.h"
#include "runtime/ui/FormRules.h"
#include "tests/support/ScopedLanguage.h"

#include <QFontMetrics>
#include <QWidget>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <set>
#include <vector>

namespace velmar::monitor::test {
namespace {

// A dump has nowhere to go on: the texts of its first row are all it shows here.
class NoMoreRows final : public ContinuationRows {
public:
    GridRow* OpenContinuationRow() override { return nullptr; }
    void KeepDumpBytes(std::span<const std::uint8_t> /*bytes*/) override {}
};

using ColumnTexts = std::array<std::set<QString>, kGridColumnCount>;

void collect(ColumnTexts& texts, const GridRow& row)
{
    for (std::size_t column = kRawColumn; column < kGridColumnCount; ++column)
        if (!row[column].empty())
            texts[column].insert(row[column].text().toString());
}

// Every text the formatter writes into the Raw, Status, Chan and data columns: every status
// byte with every first data byte and a spread of second ones, and SysEx dumps of every
// byte value, in the four combinations of hexadecimal or decimal and zero- or one-based.
ColumnTexts formatterTexts()
{
    ColumnTexts texts;
    std::vector<std::byte> block(HostLinkBlock::kSize);
    for (std::size_t i = 0; i < 256; ++i)
        block[HostLinkBlock::kSysExOffset + i] = static_cast<std::byte>(255 - i);
    for (const std::uint8_t numbers : {std::uint8_t{0}, std::uint8_t{1}}) {
        for (const std::uint8_t oneBased : {std::uint8_t{0}, std::uint8_t{1}}) {
            OstraSettings settings;
            settings.DecimalChannels = settings.DecimalEventTypes = settings.DecimalData = numbers;
            settings.OneBasedChannels = settings.OneBasedPrograms = oneBased;
            ActivityLights lights;
            EventFormatter formatter(settings, HostLinkBlock(block.data()), lights);
            NoMoreRows noMore;
            const auto format = [&](std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
                GridRow row;
                (void)formatter.Format({0, PackedMidiMessage::pack(status, data1, data2)}, row,
                                       noMore);
                collect(texts, row);
            };
            for (int status = 0; status < 256; ++status)
                for (int data1 = 0; data1 < 128; ++data1)
                    for (const int data2 : {0, 1, 8, 64, 88, 100, 127})
                        format(static_cast<std::uint8_t>(status), static_cast<std::uint8_t>(data1),
                               static_cast<std::uint8_t>(data2));
            for (std::uint8_t start = 0; start < 248; start += 8) {
                format(0xF0, 0, start);
                format(0xF7, 0, static_cast<std::uint8_t>(start + 16));
            }
        }
    }
    return texts;
}

TEST(GridTexts, EveryFormatterTextFitsItsColumnOrShowsThatItIsCut)
{
    for (const char* language : velmar::test::kShippedLanguages) {
        SCOPED_TRACE(language);
        const velmar::test::ScopedLanguage chosen(language);
        // The window's font and scale as its creation makes them.
        QWidget window;
        window.setFont(DesignFont());
        window.resize(598, 453);
        double scale = 1.0;
        if (languageState().LanguageIndex == 10)
            scale = ApplyJapaneseFontAdjustment(window, false);
        const QFontMetrics metrics(GridFont(window.font()));
        const ColumnTexts texts = formatterTexts();
        int cut = 0;
        for (std::size_t column = kRawColumn; column < kGridColumnCount; ++column) {
            const int width = nearest(scale * kDefaultColumnWidths[column]) - 2;
            // The names of events and their values fit; only numbers in many digits and a
            // few controller names may not.
            const bool mustFit =
                column == kStatusColumn || column == kChannelColumn || column == kData2Column;
            for (const QString& text : texts[column]) {
                const QString shown = ShownCellText(metrics, text, width);
                if (shown == text)
                    continue;
                ++cut;
                EXPECT_FALSE(mustFit) << text.toStdString() << " does not fit column " << column;
                EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
                EXPECT_LE(metrics.horizontalAdvance(shown), width) << shown.toStdString();
            }
        }
        std::printf("%s: %d of the formatter's texts shown shortened\n", language, cut);
    }
}

} // namespace
} // namespace velmar::monitor::test
