#include "runtime/link/LinkIni.h"

#include "runtime/platform/Files.h"
#include "tests/support/PrintQString.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace velmar {
namespace {

using namespace std::string_literals;

class LinkIni : public ::testing::Test {
protected:
    [[nodiscard]] std::string file() const { return (session.root() / "VELMARLINK.INI").string(); }
    void write(const std::string& bytes) const
    {
        ASSERT_TRUE(platform::replaceFile(file(), bytes));
    }

    test::ScopedSession session;
};

TEST_F(LinkIni, ReadsTheLastExeLineTrimmed)
{
    const struct {
        std::string bytes;
        QString expected;
    } cases[] = {
        {"EXE=C:\\Korvo\\KORVO.EXE\r\n", QStringLiteral("C:\\Korvo\\KORVO.EXE")},
        {"exe=  /opt/korvo \t\x01\x7F\r\n", QStringLiteral("/opt/korvo")},
        {"[Link]\nEXE=/first\nPATH=/x\nExE=/second\n", QStringLiteral("/second")},
        {"EXE=/first\nEXE=\n", QString()},
        {" EXE=/indented\nEXE\nEX=/short\n", QString()},
        {"EXE=/opt/Portugu\xEAs/korvo", QStringLiteral("/opt/Portugu\u00EAs/korvo")},
        {"\xFF\xFE\0\0garbage\rEXE=/after-cr"s, QStringLiteral("/after-cr")},
    };
    for (const auto& c : cases) {
        write(c.bytes);
        EXPECT_EQ(ReadLinkIni(file()), c.expected) << c.bytes;
    }
}

TEST_F(LinkIni, WhatCannotBeReadIsEmpty)
{
    EXPECT_EQ(ReadLinkIni(file()), QString());
    std::filesystem::create_directory(file());
    EXPECT_EQ(ReadLinkIni(file()), QString());
    std::filesystem::remove(file());
    write("EXE=/big\n" + std::string(2U << 20U, 'x'));
    EXPECT_EQ(ReadLinkIni(file()), QString());
}

TEST_F(LinkIni, WritesOneLineThatReadsBack)
{
    const QString name = QStringLiteral("/opt/K\u00F6rvo/korvo");
    WriteLinkIni(file(), name);
    EXPECT_EQ(platform::readFile(file(), 100), "EXE=/opt/K\xC3\xB6rvo/korvo\r\n");
    EXPECT_EQ(ReadLinkIni(file()), name);

    // A line break would split the record; the old one stays.
    WriteLinkIni(file(), QStringLiteral("/a\nEXE=/b"));
    EXPECT_EQ(ReadLinkIni(file()), name);

    WriteLinkIni((session.root() / "missing" / "VELMARLINK.INI").string(), name);
    EXPECT_FALSE(std::filesystem::exists(session.root() / "missing"));
}

} // namespace
} // namespace velmar
