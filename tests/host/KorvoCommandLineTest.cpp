#include "host/KorvoCommandLine.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmar::host {
namespace {

KorvoCommandLine parse(const std::vector<const char*>& arguments)
{
    QStringList list{QStringLiteral("korvo")};
    for (const char* argument : arguments)
        list << QString::fromUtf8(argument);
    return ParseKorvoCommandLine(list);
}

TEST(KorvoCommandLine, DefaultsServeAPlugInOutOfTheBox)
{
    const KorvoCommandLine line = parse({});
    EXPECT_FALSE(line.exitNow);
    EXPECT_EQ(line.options.windowMode, 1);
    EXPECT_EQ(line.options.drumDelayMs, 0);
    EXPECT_EQ(line.options.drumPort, 1);
    EXPECT_FALSE(line.options.loop);
    EXPECT_FALSE(line.options.autoplay);
    EXPECT_FALSE(line.options.flood);
    EXPECT_FALSE(line.quiet);
}

TEST(KorvoCommandLine, ReadsEveryOption)
{
    const KorvoCommandLine line =
        parse({"--loop", "--window-mode", "2", "--drum-delay=200", "--port", "16", "--autoplay",
               "--quiet", "--flood", "500000:3"});
    ASSERT_FALSE(line.exitNow) << line.message.toStdString();
    EXPECT_TRUE(line.options.loop);
    EXPECT_EQ(line.options.windowMode, 2);
    EXPECT_EQ(line.options.drumDelayMs, 200);
    EXPECT_EQ(line.options.drumPort, 16);
    EXPECT_TRUE(line.options.autoplay);
    EXPECT_TRUE(line.quiet);
    ASSERT_TRUE(line.options.flood);
    EXPECT_EQ(line.options.flood->rate, 500'000U);
    EXPECT_EQ(line.options.flood->seconds, 3U);
    EXPECT_EQ(parse({"--flood", "1000"}).options.flood->seconds, 0U);
}

TEST(KorvoCommandLine, RefusesWhatItCannotUseWithAClearMessage)
{
    for (const auto& arguments : std::vector<std::vector<const char*>>{{"--port", "0"},
                                                                       {"--port", "17"},
                                                                       {"--port", "x"},
                                                                       {"--drum-delay", "-5"},
                                                                       {"--window-mode", "1.5"},
                                                                       {"--flood", "0"},
                                                                       {"--flood", "10:0"},
                                                                       {"--flood", "10:2:3"},
                                                                       {"--flood", ":5"},
                                                                       {"--no-such-option"},
                                                                       {"song.mid"}}) {
        const KorvoCommandLine line = parse(arguments);
        EXPECT_TRUE(line.exitNow) << arguments.front();
        EXPECT_EQ(line.exitCode, 2) << arguments.front();
        EXPECT_TRUE(line.message.startsWith(QStringLiteral("korvo: ")))
            << line.message.toStdString();
    }
}

TEST(KorvoCommandLine, HelpAndVersionEndAtOnceWithoutError)
{
    const KorvoCommandLine help = parse({"--help"});
    EXPECT_TRUE(help.exitNow);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.message.contains(QStringLiteral("--flood")));
    const KorvoCommandLine version = parse({"--version"});
    EXPECT_TRUE(version.exitNow);
    EXPECT_TRUE(version.message.startsWith(QStringLiteral("korvo ")));
}

} // namespace
} // namespace velmar::host
