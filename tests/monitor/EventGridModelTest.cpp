#include "monitor/core/EventGridModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace velmar::monitor {
namespace {

TEST(EventGridModel, ShowsTheRowStoreUnderTheColumnTitles)
{
    EventGridModel model(3);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.columnCount(), 8);
    const QStringList titles = {QStringLiteral("Evt #"),  QStringLiteral("Time (mS)"),
                                QStringLiteral("Source"), QStringLiteral("Raw"),
                                QStringLiteral("Status"), QStringLiteral("Chan"),
                                QStringLiteral("Data 1"), QStringLiteral("Data 2")};
    for (int column = 0; column < 8; ++column)
        EXPECT_EQ(model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(),
                  titles[column]);

    model.rows().Row(3)[kStatusColumn] += QStringView(u"Song Start ($FA)");
    model.RowsWritten(3, 3);
    EXPECT_EQ(model.data(model.index(2, 4), Qt::DisplayRole).toString(),
              QStringLiteral("Song Start ($FA)"))
        << "model row 2 is grid row 3";
    EXPECT_FALSE(model.flags(model.index(2, 4)) & Qt::ItemIsEditable);
    EXPECT_TRUE(model.flags(model.index(2, 4)) & Qt::ItemIsSelectable) << "to copy or save";
}

TEST(EventGridModel, ResizingResetsAndKeepsTheCountInRange)
{
    EventGridModel model(10);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    model.rows().Row(1)[kNumberColumn] += std::string_view("1");
    EXPECT_EQ(model.Resize(0), 1);
    EXPECT_EQ(model.Resize(40000), kMaxDisplayEventCount);
    EXPECT_EQ(model.rowCount(), kMaxDisplayEventCount);
    EXPECT_EQ(resets.count(), 2);
    EXPECT_TRUE(model.rows().Text(1, kNumberColumn).isEmpty());
}

TEST(GridCell, CutsTextAtItsCapacityWithoutSplittingACharacter)
{
    GridCell cell;
    cell += QString(60, QLatin1Char('x'));
    cell += QStringView(u"abc\U0001F3B9"); // the keyboard falls on the cut
    EXPECT_EQ(cell.text().size(), 63) << "the half of a pair that fitted is dropped";
    cell += std::string_view("yz");
    EXPECT_EQ(cell.text().right(1), QStringLiteral("y"));
    cell.clear();
    EXPECT_TRUE(cell.empty());
}

} // namespace
} // namespace velmar::monitor
