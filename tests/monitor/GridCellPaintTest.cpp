#include "monitor/dialogs/FormDesign.h"
#include "monitor/ui/CellTextCache.h"
#include "monitor/ui/DigitGlyphs.h"
#include "monitor/ui/GridCellDelegate.h"
#include "runtime/language/Language.h"
#include "runtime/ui/FormRules.h"
#include "tests/support/ScopedLanguage.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTextLayout>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace velmar::monitor::test {
namespace {

constexpr int kIndent = 2;

// Texts of every kind a grid cell holds: numbers, bytes, names, names with spaces at the
// end, translated names, and texts too long for the narrow cells.
std::vector<QString> cellTexts()
{
    return {QStringLiteral("1"),
            QStringLiteral("1234567"),
            QStringLiteral("90 3C 64 "),
            QStringLiteral("Note On"),
            QStringLiteral("CC Type = #47 Undefined"),
            QStringLiteral("Pitch = Ab  3  44"),
            QStringLiteral("Clocks (24 PPQN) =88638"),
            QString::fromUtf8("Tonh\xc3\xb6he = C#  4"),
            QString::fromUtf8("\xe3\x83\x8e\xe3\x83\xbc\xe3\x83\x88\xe3\x82\xaa\xe3\x83\xb3"),
            QStringLiteral("Ext"),
            QStringLiteral("F0 7E 7F 09 01 F7 "),
            QStringLiteral("4294967295"),
            QStringLiteral("  8")};
}

// One cell painted as the grid always painted it: the text laid out into the cell's
// rectangle, 2 pixels in, centred in the height, cut to fit.
void paintLaidOut(QPainter& painter, const QStyleOptionViewItem& option, const QString& text,
                  bool selected)
{
    if (selected)
        painter.fillRect(option.rect, option.palette.brush(QPalette::Highlight));
    painter.save();
    painter.setClipRect(option.rect);
    painter.setFont(option.font);
    painter.setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter.drawText(option.rect.adjusted(kIndent, 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     ShownCellText(option.fontMetrics, text, option.rect.width() - kIndent));
    painter.restore();
}

struct CellPicture {
    QFont font;
    double pixelRatio = 1;
    int width = 0;
    int height = 0;
    QColor textColour;
    bool selected = false;
};

QImage blank(const CellPicture& cell)
{
    QImage image(QSize(cell.width, cell.height) * cell.pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(cell.pixelRatio);
    image.fill(Qt::white);
    return image;
}

QStyleOptionViewItem optionFor(const CellPicture& cell)
{
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, cell.width, cell.height);
    option.font = cell.font;
    option.fontMetrics = QFontMetrics(cell.font);
    option.palette.setColor(QPalette::Text, cell.textColour);
    option.palette.setColor(QPalette::HighlightedText, Qt::white);
    option.palette.setColor(QPalette::Highlight, Qt::darkBlue);
    if (cell.selected)
        option.state |= QStyle::State_Selected;
    return option;
}

// Every text in every shipped language's grid face and a larger one, on plain and dense screens, in
// cells wide, narrow and of several heights, plain and selected, in two colours: the delegate,
// which keeps laid-out texts, paints the very pixels of a text laid out afresh, the first
// time and from what it kept, and after the face, the width or the colour changed.
TEST(GridCellDelegate, PaintsTheSamePixelsAsTextLaidOutAfresh)
{
    QStandardItemModel model(1, 1);
    GridCellDelegate delegate;
    const std::vector<QString> texts = cellTexts();
    int compared = 0;
    for (const char* language : velmar::test::kShippedLanguages) {
        SCOPED_TRACE(language);
        const velmar::test::ScopedLanguage chosen(language);
        QWidget window;
        window.setFont(DesignFont());
        if (languageState().LanguageIndex == 10)
            (void)ApplyJapaneseFontAdjustment(window, false);
        QFont larger = GridFont(window.font());
        larger.setPixelSize(15);
        for (const QFont& font : {GridFont(window.font()), larger}) {
            for (const double pixelRatio : {1.0, 2.0}) {
                for (const QSize size :
                     {QSize(120, 16), QSize(40, 16), QSize(120, 13), QSize(60, 21)}) {
                    for (const QColor colour : {QColor(Qt::black), QColor(Qt::darkRed)}) {
                        for (const bool selected : {false, true}) {
                            const CellPicture cell{font,          pixelRatio, size.width(),
                                                   size.height(), colour,     selected};
                            const QStyleOptionViewItem option = optionFor(cell);
                            for (const QString& text : texts) {
                                model.setData(model.index(0, 0), text, Qt::DisplayRole);
                                QImage expected = blank(cell);
                                {
                                    QPainter painter(&expected);
                                    paintLaidOut(painter, option, text, selected);
                                }
                                for (int time = 0; time < 2; ++time) {
                                    QImage painted = blank(cell);
                                    {
                                        QPainter painter(&painted);
                                        delegate.paint(&painter, option, model.index(0, 0));
                                    }
                                    ASSERT_EQ(painted, expected)
                                        << text.toStdString() << " in " << size.width() << "x"
                                        << size.height() << " at " << pixelRatio << ", time "
                                        << time << (selected ? ", selected" : "");
                                    ++compared;
                                }
                            }
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(compared, 3 * 2 * 2 * 4 * 2 * 2 * static_cast<int>(texts.size()) * 2);
}

// The glyphs of `text` laid out in `font`, in order.
QList<quint32> glyphsOf(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(10000);
    layout.endLayout();
    QList<quint32> glyphs;
    for (const QGlyphRun& run : line.glyphRuns())
        glyphs += run.glyphIndexes();
    return glyphs;
}

QList<quint32> glyphsOf(const CellTextCache::Line& line)
{
    QList<quint32> glyphs;
    for (const QGlyphRun& run : line.glyphs)
        glyphs += run.glyphIndexes();
    return glyphs;
}

TEST(CellTextCache, KeepsATextForEachWidthAndShowsWhatFits)
{
    const QFont font = GridFont(DesignFont());
    const QFontMetrics metrics(font);
    CellTextCache cache;
    const QString name = QStringLiteral("CC Type = #47 Undefined");

    const CellTextCache::Line* wide = &cache.Shown(name, font, metrics, 200);
    EXPECT_EQ(glyphsOf(*wide), glyphsOf(name, font));
    EXPECT_EQ(&cache.Shown(name, font, metrics, 200), wide) << "kept";
    EXPECT_EQ(cache.size(), 1U);

    const QString cut = ShownCellText(metrics, name, 40);
    ASSERT_TRUE(cut.endsWith(QChar(0x2026))) << cut.toStdString();
    const CellTextCache::Line& narrow = cache.Shown(name, font, metrics, 40);
    EXPECT_EQ(glyphsOf(narrow), glyphsOf(cut, font));
    EXPECT_LE(narrow.width, 40);
    EXPECT_EQ(cache.size(), 2U) << "one for each width";
    EXPECT_EQ(glyphsOf(cache.Shown(QStringLiteral("90 3C 64 "), font, metrics, 40)),
              glyphsOf(QStringLiteral("90 3C 64 "), font))
        << "spaces at the end need no room";
}

TEST(CellTextCache, StartsAgainForANewFontAndWhenFull)
{
    const QFont font = GridFont(DesignFont());
    CellTextCache cache;
    (void)cache.Shown(QStringLiteral("Note On"), font, QFontMetrics(font), 100);
    const CellTextCache::Line small =
        cache.Shown(QStringLiteral("Note Off"), font, QFontMetrics(font), 100);

    QFont larger = font;
    larger.setPixelSize(font.pixelSize() * 2);
    const QFontMetrics largerMetrics(larger);
    const QString longText = QStringLiteral("Pitch = Ab  3  44");
    const CellTextCache::Line& shown = cache.Shown(longText, larger, largerMetrics, 60);
    EXPECT_EQ(cache.size(), 1U) << "texts of the old font are gone";
    EXPECT_EQ(glyphsOf(shown), glyphsOf(ShownCellText(largerMetrics, longText, 60), larger))
        << "measured in the new font";
    ASSERT_FALSE(shown.glyphs.isEmpty());
    EXPECT_EQ(shown.glyphs[0].rawFont().pixelSize(), larger.pixelSize());
    EXPECT_GT(shown.height, small.height) << "laid out in the new font";

    for (std::size_t number = 0; number <= CellTextCache::kMostTexts; ++number)
        (void)cache.Shown(QString::number(number), larger, largerMetrics, 60);
    EXPECT_GT(cache.size(), 0U);
    EXPECT_LE(cache.size(), CellTextCache::kMostTexts);
    EXPECT_EQ(glyphsOf(cache.Shown(QStringLiteral("7"), larger, largerMetrics, 60)),
              glyphsOf(QStringLiteral("7"), larger));
}

// Numbers and bytes of several lengths in the grid's face, on plain and dense screens, in
// rooms tall and short: what is drawn from glyphs is the pixels of the text laid out. Plain
// numbers are always drawn so; texts with letters may need the layout for their kerning.
TEST(DigitGlyphs, DrawsNumbersAndBytesAsTheyAreLaidOut)
{
    DigitGlyphs digits;
    QFont larger = GridFont(DesignFont());
    larger.setPixelSize(15);
    const std::vector<QString> numbers = {QStringLiteral("0"), QStringLiteral("1234567890"),
                                          QStringLiteral(" 12"), QStringLiteral("4294967295")};
    const std::vector<QString> bytes = {QStringLiteral("90 3C 64 "), QStringLiteral("F7"),
                                        QStringLiteral("ABCDEF"), QStringLiteral("F0 7E 7F ")};
    int drawnBytes = 0;
    for (const QFont& font : {GridFont(DesignFont()), larger}) {
        for (const double pixelRatio : {1.0, 2.0}) {
            for (const int height : {13, 16, 21}) {
                const CellPicture cell{font, pixelRatio, 120, height, Qt::black, false};
                const QStyleOptionViewItem option = optionFor(cell);
                for (const std::vector<QString>* texts : {&numbers, &bytes}) {
                    for (const QString& text : *texts) {
                        QImage expected = blank(cell);
                        {
                            QPainter painter(&expected);
                            paintLaidOut(painter, option, text, false);
                        }
                        QImage drawn = blank(cell);
                        bool fromGlyphs = false;
                        {
                            QPainter painter(&drawn);
                            painter.setClipRect(option.rect);
                            fromGlyphs = digits.Draw(painter, font, text,
                                                     option.rect.adjusted(kIndent, 0, 0, 0));
                        }
                        if (texts == &numbers) {
                            EXPECT_TRUE(fromGlyphs) << text.toStdString();
                        } else {
                            drawnBytes += fromGlyphs ? 1 : 0;
                        }
                        if (fromGlyphs) {
                            EXPECT_EQ(drawn, expected) << text.toStdString() << " in " << height
                                                       << " pixels at " << pixelRatio;
                        }
                    }
                }
            }
        }
    }
    std::printf("%d of %zu byte texts drawn from glyphs\n", drawnBytes, bytes.size() * 12);
}

TEST(DigitGlyphs, LeavesOtherTextsAndTextsThatMayNotFitToTheLayout)
{
    DigitGlyphs digits;
    const QFont font = GridFont(DesignFont());
    const CellPicture cell{font, 1, 40, 16, Qt::black, false};
    const QImage empty = blank(cell);
    for (const QString& text :
         {QStringLiteral("Ext"), QStringLiteral("-12"), QStringLiteral("90 3c"), QString(),
          QStringLiteral("1234567890123"), QString::fromUtf8("\xef\xbc\x91")}) {
        QImage drawn = blank(cell);
        {
            QPainter painter(&drawn);
            EXPECT_FALSE(digits.Draw(painter, font, text, QRect(0, 0, 40, 16)))
                << text.toStdString();
        }
        EXPECT_EQ(drawn, empty) << "nothing drawn for " << text.toStdString();
    }
    QImage drawn = blank(cell);
    QPainter painter(&drawn);
    EXPECT_TRUE(digits.Draw(painter, font, QStringLiteral("123"), QRect(0, 0, 40, 16)));
}

} // namespace
} // namespace velmar::monitor::test
