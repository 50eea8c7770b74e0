#include "runtime/ui/FormRules.h"

#include "runtime/language/Language.h"
#include "tests/support/ScopedSession.h"

#include <QApplication>
#include <QFontInfo>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

#include <fstream>

namespace velmar {
namespace {

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
}

TEST(FormRules, JapaneseAdjustmentSetsTheFaceAndScalesByTheFontHeight)
{
    velmar::test::ScopedSession session;
    const std::string exeDir = (session.root() / "program/").string();
    std::filesystem::create_directories(exeDir);
    std::ofstream(exeDir + "Language.Ini") << "LANGUAGE=Japanese\r\n";
    std::ofstream(exeDir + "fontname.ini") << "[FONTNAME]\r\nFontSize=400\r\n";
    InitLanguage(exeDir, (session.root() / "config/").string());
    ASSERT_EQ(languageState().LanguageIndex, 10);

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

} // namespace
} // namespace velmar
