#include "tests/help/HelpPage.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace velmar::test {
namespace {

namespace fs = std::filesystem;

const fs::path kShipped = VELMAR_HELP_DIR;

TEST(HelpPage, EveryLocalLinkAndPictureResolvesToAShippedFileOrAnchor)
{
    const fs::path pageFile = kShipped / "Sablo2.html";
    const std::optional<HelpPage> page = HelpPage::Load(pageFile);
    ASSERT_TRUE(page) << pageFile;
    EXPECT_TRUE(page->RepeatedIds().empty())
        << "an id given twice: " << page->RepeatedIds().front().toStdString();
    EXPECT_GE(page->LocalReferences().size(), 20U);
    for (const QString& reference : page->LocalReferences()) {
        const qsizetype hash = reference.indexOf(QLatin1Char('#'));
        const QString file = hash < 0 ? reference : reference.left(hash);
        const QString anchor = hash < 0 ? QString() : reference.mid(hash + 1);
        EXPECT_FALSE(file.startsWith(QLatin1Char('/')) || file.contains(QStringLiteral("..")))
            << reference.toStdString() << " leaves the program directory";
        if (!file.isEmpty()) {
            EXPECT_TRUE(fs::is_regular_file(kShipped / file.toStdString()))
                << reference.toStdString() << " names no shipped file";
        }
        if (!anchor.isEmpty()) {
            const std::optional<HelpPage> target =
                file.isEmpty() ? page : HelpPage::Load(kShipped / file.toStdString());
            EXPECT_TRUE(target && target->HasId(anchor))
                << reference.toStdString() << " names no element";
        }
    }
}

TEST(HelpPage, ParsesIdsAndLocalReferencesOfEveryQuotingAndSkipsComments)
{
    const QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const fs::path file = directory.filePath(QStringLiteral("page.html")).toStdString();
    {
        std::ofstream(file) << R"(<p id="a" title='x > y'><a href='#b'>b</a></p>)"
                               R"(<!-- <img src="gone.png" id="c"> -->)"
                               R"(<IMG SRC="pictures/k.png" ID="b"><a href="https://x.org/">x</a>)"
                               R"(<a href="mailto:someone@x.org">m</a><span id="a"></span>)"
                               R"(<p>id="text" is no attribute</p>)";
    }
    const std::optional<HelpPage> page = HelpPage::Load(file);
    fs::remove(file);
    ASSERT_TRUE(page);
    EXPECT_TRUE(page->HasId(QStringLiteral("a")));
    EXPECT_TRUE(page->HasId(QStringLiteral("b"))) << "attribute names in capitals";
    EXPECT_FALSE(page->HasId(QStringLiteral("c"))) << "inside a comment";
    EXPECT_FALSE(page->HasId(QStringLiteral("text"))) << "text, not a tag";
    EXPECT_EQ(page->RepeatedIds(), std::vector<QString>{QStringLiteral("a")});
    EXPECT_EQ(page->LocalReferences(),
              (std::vector<QString>{QStringLiteral("#b"), QStringLiteral("pictures/k.png")}));
    EXPECT_FALSE(HelpPage::Load(file)) << "a missing page";
}

} // namespace
} // namespace velmar::test
