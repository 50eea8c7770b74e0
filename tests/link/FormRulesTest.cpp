#include "runtime/ui/FormRules.h"

#include "runtime/language/Language.h"
#include "tests/support/PrintQString.h"
#include "tests/support/ScopedSession.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QRawFont>
#include <QScreen>
#include <QTableWidget>
#include <QWidget>
#include <gtest/gtest.h>

#include <fstream>

namespace velmar {
namespace {

// Chooses Japanese for this process, with `fontIni` as the font overrides when not empty.
[[nodiscard]] bool selectJapanese(const velmar::test::ScopedSession& session,
                                  const std::string& fontIni = {})
{
    const std::string exeDir = (session.root() / "program/").string();
    std::filesystem::create_directories(exeDir);
    std::ofstream(exeDir + "Language.Ini") << "LANGUAGE=Japanese\r\n";
    if (!fontIni.empty())
        std::ofstream(exeDir + "fontname.ini") << fontIni;
    InitLanguage(exeDir, (session.root() / "config/").string());
    return languageState().LanguageIndex == 10;
}

TEST(FormRules, ScaleByScalesTheFormAndEveryControlInIt)
{
    QWidget form;
    form.resize(300, 200);
    auto* button = new QPushButton(&form);
    button->setGeometry(10, 20, 60, 21);
    ScaleBy(form, 3, 2);
    EXPECT_EQ(form.size(), QSize(450, 300));
    EXPECT_EQ(button->geometry(), QRect(15, 30, 90, 32));
    ScaleBy(form, 0, 2);
    EXPECT_EQ(form.size(), QSize(450, 300)) << "a factor of nothing changes nothing";

    QWidget withGrid;
    auto* grid = new QTableWidget(3, 2, &withGrid);
    grid->setColumnWidth(0, 40);
    grid->setColumnWidth(1, 161);
    grid->verticalHeader()->setMinimumSectionSize(15);
    grid->verticalHeader()->setDefaultSectionSize(15);
    grid->setRowHeight(2, 20);
    ScaleBy(withGrid, 12, 10);
    EXPECT_EQ(grid->columnWidth(0), 48) << "a grid's columns widen with it";
    EXPECT_EQ(grid->columnWidth(1), 193);
    EXPECT_EQ(grid->rowHeight(0), 18) << "and its rows grow";
    EXPECT_EQ(grid->rowHeight(1), 18);
    EXPECT_EQ(grid->rowHeight(2), 24) << "each from its own height";

    QWidget dialog;
    dialog.setFixedSize(200, 100);
    ScaleBy(dialog, 6, 5);
    EXPECT_EQ(dialog.size(), QSize(240, 120)) << "a fixed size grows with its controls";
    EXPECT_EQ(dialog.maximumSize(), QSize(240, 120)) << "and stays fixed";
}

TEST(FormRules, JapaneseAdjustmentSetsTheFaceAndScalesByTheFontHeight)
{
    velmar::test::ScopedSession session;
    ASSERT_TRUE(selectJapanese(session, "[FONTNAME]\r\nFontSize=400\r\n"));

    QWidget form;
    QFont small = form.font();
    small.setPixelSize(11);
    form.setFont(small);
    form.resize(400, 300);
    auto* button = new QPushButton(&form);
    button->setGeometry(100, 100, 50, 20);

    const double ratio = ApplyJapaneseFontAdjustment(form, false);
    EXPECT_EQ(form.font().pointSize(), 48) << "an absurd size override is kept in bounds";
    const double expected = static_cast<double>(QFontInfo(form.font()).pixelSize()) / 11;
    const double screenLimit = static_cast<double>(form.screen()->geometry().height()) / 300;
    EXPECT_NEAR(ratio, std::min(expected, screenLimit), 1e-9) << "never taller than the screen";
    EXPECT_EQ(form.height(), qRound(300 * ratio));
    EXPECT_NEAR(button->x(), 100 * ratio, 1.0);

    QWidget scaledItself;
    scaledItself.resize(400, 300);
    EXPECT_EQ(ApplyJapaneseFontAdjustment(scaledItself, true), 1.0);
    EXPECT_EQ(scaledItself.size(), QSize(400, 300));
    FreeLanguageLibrary();
}

TEST(FormRules, JapaneseFaceDrawsJapaneseCaptions)
{
    if (QFontDatabase::families(QFontDatabase::Japanese).isEmpty())
        GTEST_SKIP() << "no Japanese font is installed (scripts/setup installs one)";
    velmar::test::ScopedSession session;
    ASSERT_TRUE(selectJapanese(session));

    QWidget form;
    ApplyJapaneseFontAdjustment(form, false);
    const QFontInfo face(form.font());
    EXPECT_EQ(face.pointSize(), 9);
    // The face the form really draws with, not a fallback found glyph by glyph.
    const QRawFont drawn = QRawFont::fromFont(form.font());
    EXPECT_EQ(drawn.familyName().toLower(), face.family().toLower());
    for (const QChar c : QStringLiteral("ベロシティ設定巻戻しチャンネル表示 MIDI ($9x)"))
        EXPECT_TRUE(drawn.supportsCharacter(c)) << face.family().toStdString() << " lacks U+"
                                                << std::hex << static_cast<unsigned>(c.unicode());
    FreeLanguageLibrary();
}

} // namespace
} // namespace velmar
