#include "drums/core/SettingsFileName.h"

#include <gtest/gtest.h>

namespace velmar::drums {
namespace {

TEST(SettingsFileName, ATranslationNamesAFileOfTheFolderOrTheEnglishNameIsUsed)
{
    const struct {
        QString translated;
        const char* name;
    } cases[] = {
        {QStringLiteral("$Kettra.cfg"), "$Kettra.cfg"},
        {QStringLiteral("$Rumpu.cfg"), "$Rumpu.cfg"},
        {QStringLiteral("Ä ドラム.cfg"), "Ä ドラム.cfg"},
        {QString(), "$Kettra.cfg"},
        {QStringLiteral("../$Kettra.cfg"), "$Kettra.cfg"},
        {QStringLiteral("/etc/passwd"), "$Kettra.cfg"},
        {QStringLiteral("sub\\x.cfg"), "$Kettra.cfg"},
        {QStringLiteral("."), "$Kettra.cfg"},
        {QStringLiteral(".."), "$Kettra.cfg"},
        {QStringLiteral("a") + QChar(u'\0') + QStringLiteral("b"), "$Kettra.cfg"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SettingsFileName(c.translated), c.name) << c.translated.toStdString();
}

} // namespace
} // namespace velmar::drums
