#include "runtime/text/TextDecoding.h"

#include "runtime/text/TextFile.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace velmar {
namespace {

TEST(TextDecoding, ReadsUtf8AndEveryOtherByteAsWindows1252)
{
    struct Case {
        const char* what;
        std::string bytes;
        QString expected;
    };
    const std::vector<Case> cases = {
        {"ascii", "LANGUAGE=French", QStringLiteral("LANGUAGE=French")},
        {"utf-8", "Portugu\xC3\xAAs", QStringLiteral("Portugu\u00EAs")},
        {"windows-1252", "Portugu\xEAs", QStringLiteral("Portugu\u00EAs")},
        {"windows-1252 0x80..0x9F", "\x80\x99\x9F", QStringLiteral("\u20AC\u2122\u0178")},
        {"unassigned windows-1252", "\x81\x9D", QStringLiteral("\u0081\u009D")},
        {"three and four bytes", "\xE3\x82\xB4\xF0\x9F\x98\x80",
         QStringLiteral("\u30B4\U0001F600")},
        {"both in one text", "\xC3\xA9\xE9", QStringLiteral("\u00E9\u00E9")},
        {"cut off at the end", "ab\xE3\x82", QStringLiteral("ab\u00E3\u201A")},
        {"overlong", "\xC0\xAF", QStringLiteral("\u00C0\u00AF")},
        {"surrogate", "\xED\xA0\x80", QStringLiteral("\u00ED\u00A0\u20AC")},
        {"above U+10FFFF", "\xF4\x90\x80\x80", QStringLiteral("\u00F4\u0090\u20AC\u20AC")},
        {"NUL", std::string("a\0b", 3), QStringLiteral("a\0b")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeText(c.bytes), c.expected) << c.what;
}

TEST(TextDecoding, SplitsAtLfCrLfAndLoneCr)
{
    struct Case {
        QString text;
        QStringList lines;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("a\nb"), {QStringLiteral("a"), QStringLiteral("b")}},
        {QStringLiteral("a\r\nb\r\n"), {QStringLiteral("a"), QStringLiteral("b")}},
        {QStringLiteral("a\rb"), {QStringLiteral("a"), QStringLiteral("b")}},
        {QStringLiteral("a\n\n\r\n\rb"),
         {QStringLiteral("a"), QString(), QString(), QString(), QStringLiteral("b")}},
        {QStringLiteral("a\n\rb"), {QStringLiteral("a"), QString(), QStringLiteral("b")}},
        {QString(), {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitLines(c.text), c.lines) << c.text.toStdString();
}

TEST(TextFile, ReadsFilesUpToTheLimitOnly)
{
    const test::ScopedSession session;
    const auto write = [&](const char* name, const std::string& bytes) {
        const auto path = session.root() / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    };
    const std::string line = "LANGUAGE=French\r\n";
    std::string atLimit(kMaxTextFileBytes - line.size(), 'x');
    atLimit.append(line);

    const auto lines = readTextFileLines(write("limit", atLimit));
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->size(), 1);
    EXPECT_EQ(lines->back().size(), atLimit.size() - 2);
    EXPECT_FALSE(readTextFileLines(write("over", atLimit + "x")));
    EXPECT_FALSE(readTextFileLines((session.root() / "missing").string()));
    EXPECT_FALSE(readTextFileLines(session.root().string()));
}

} // namespace
} // namespace velmar
