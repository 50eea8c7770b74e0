#include "runtime/link/LinkMessages.h"

#include "runtime/language/Language.h"
#include "tests/support/PrintQString.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

TEST(LinkMessages, NameTheProgramWhereTheTextsSay)
{
    const QString name = QStringLiteral("HOST.EXE");
    EXPECT_EQ(NotLinkableText(name), name + LoadNumStr(4671) + name + LoadNumStr(4672));
    EXPECT_EQ(WindowNotFoundText(name), name + LoadNumStr(4673));
}

TEST(LinkMessages, SignInFailedJoinsFourParagraphsAndIsCutTo700)
{
    const QString breaks = QStringLiteral("\r\r");
    const auto full = [&](const QString& name) {
        return name + LoadNumStr(4674) + breaks + LoadNumStr(4675) + breaks + LoadNumStr(4676) +
               breaks + LoadNumStr(4677);
    };
    const QString shortName = QStringLiteral("KORVO.EXE");
    ASSERT_LT(full(shortName).size(), 700);
    EXPECT_EQ(SignInFailedText(shortName), full(shortName));

    const QString longName =
        QStringLiteral("/opt/") + QString(300, u'k') + QStringLiteral("/korvo");
    EXPECT_EQ(SignInFailedText(longName), full(longName).left(700));

    // A character outside the BMP across the cut is dropped whole, never halved.
    const QString keyboard = QString::fromUtf8("\xF0\x9F\x8E\xB9");
    EXPECT_EQ(SignInFailedText(QString(699, u'x') + keyboard), QString(699, u'x'));
}

} // namespace
} // namespace velmar
