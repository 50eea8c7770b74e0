#include "monitor/ui/GridView.h"

#include "monitor/dialogs/FormDesign.h"
#include "monitor/ui/GridCellDelegate.h"
#include "tests/monitor/Repaints.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QPalette>
#include <QProxyStyle>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QStyleFactory>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace velmar::monitor::test {
namespace {

// Rows of event texts, enough for several pages.
std::unique_ptr<QStandardItemModel> eventRows()
{
    auto model = std::make_unique<QStandardItemModel>(60, 8);
    for (int row = 0; row < model->rowCount(); ++row) {
        model->setData(model->index(row, 1), QString::number(row + 1));
        model->setData(model->index(row, 2), QStringLiteral("Ext"));
        model->setData(model->index(row, 3), QStringLiteral("90 3C 64 "));
        model->setData(model->index(row, 4), QStringLiteral("Note On ($9x)"));
        model->setData(model->index(row, 6), QStringLiteral("Pitch = C  5  60 "));
    }
    return model;
}

// A table set up as the monitor's, its cells drawn by the grid's delegate.
void setUp(QTableView& view, QAbstractItemModel& model, QStyle* style)
{
    if (style != nullptr)
        view.setStyle(style);
    view.setFont(GridFont(DesignFont()));
    view.setItemDelegate(new GridCellDelegate(&view));
    view.setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    view.setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view.verticalHeader()->hide();
    view.verticalHeader()->setMinimumSectionSize(1);
    view.verticalHeader()->setDefaultSectionSize(16);
    view.horizontalHeader()->setFixedHeight(16);
    QPalette palette = view.palette();
    palette.setColor(QPalette::Base, Qt::white);
    view.setPalette(palette);
    view.setModel(&model);
    view.resize(586, 312);
    for (int column = 0; column < model.columnCount(); ++column)
        view.setColumnWidth(column, 40 + 11 * column);
}

// The table's own drawing and the grid view's side by side, changed alike.
struct TwoTables {
    explicit TwoTables(QStyle* style = nullptr)
    {
        setUp(plain, *model, style);
        setUp(grid, *model, style);
    }

    template <typename Change>
    void change(Change&& what)
    {
        what(static_cast<QTableView&>(plain));
        what(static_cast<QTableView&>(grid));
    }

    std::unique_ptr<QStandardItemModel> model = eventRows();
    QTableView plain;
    GridView grid{nullptr};
};

// Each table's viewport as painted for `region` alone into an image of `ratio` device pixels
// per pixel (0: the screen's, as a window grab paints it).
QImage painted(QTableView& view, const QRegion& region, double ratio)
{
    QWidget& viewport = *view.viewport();
    if (ratio == 0)
        return viewport.grab(region.boundingRect()).toImage();
    QImage image(viewport.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta); // shows whatever the region leaves unpainted
    viewport.render(&image, QPoint(), region);
    return image;
}

// "" when the pictures are the same, else how many pixels differ and where the first is.
std::string difference(const QImage& shown, const QImage& expected)
{
    if (shown.size() != expected.size())
        return "sizes differ";
    int differing = 0;
    std::string first;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != expected.pixel(x, y) && differing++ == 0)
                first = " first at " + std::to_string(x) + "," + std::to_string(y) + ": " +
                        std::to_string(shown.pixel(x, y)) + " for " +
                        std::to_string(expected.pixel(x, y));
    return differing == 0 ? std::string() : std::to_string(differing) + " pixels differ," + first;
}

void expectSamePixels(TwoTables& tables, const char* what)
{
    const QRect whole = tables.plain.viewport()->rect();
    // A page, a row, a cell, pieces that straddle rows and columns, and pieces of one row
    // where the first one's line crosses the second.
    const QRegion pieces = QRegion(3, 5, 120, 9) + QRegion(70, 30, 300, 47);
    const QRegion oneRow = QRegion(10, 20, 100, 5) + QRegion(50, 25, 100, 20);
    for (const QRegion& region : {QRegion(whole), QRegion(0, 32, whole.width(), 16),
                                  QRegion(91, 48, 62, 16), pieces, oneRow}) {
        for (const double ratio : {0.0, 1.0, 2.0, 3.0, 1.5}) {
            const QImage expected = painted(tables.plain, region, ratio);
            const QImage shown = painted(tables.grid, region, ratio);
            ASSERT_FALSE(expected.isNull());
            EXPECT_EQ(difference(shown.convertToFormat(QImage::Format_RGB32),
                                 expected.convertToFormat(QImage::Format_RGB32)),
                      "")
                << what << ", " << region.rectCount() << " rectangles "
                << region.boundingRect().width() << " wide, at " << ratio;
        }
    }
}

// The grid view's lines, drawn at once over the repainted area, are the pixels the table
// draws rectangle by rectangle: for whole and partial repaints, at one to three device pixels
// per pixel and at one and a half, and again after the columns, the rows, the scrolling and
// the style changed.
TEST(GridView, DrawsTheTablesOwnPixels)
{
    TwoTables tables;
    tables.plain.show();
    tables.grid.show();
    expectSamePixels(tables, "as set up");

    tables.change([](QTableView& view) {
        view.setColumnWidth(2, 97);
        view.setColumnWidth(5, 3);
        view.horizontalHeader()->resizeSection(7, 300);
    });
    expectSamePixels(tables, "with columns resized");

    tables.change([](QTableView& view) {
        view.verticalHeader()->setDefaultSectionSize(13);
        view.verticalScrollBar()->setValue(17);
        view.horizontalScrollBar()->setValue(45);
    });
    expectSamePixels(tables, "with lower rows, scrolled");

    tables.change([](QTableView& view) { view.setRowHidden(20, true); });
    expectSamePixels(tables, "with a row hidden");

    // Room to spare below the last row and right of the last column.
    tables.model->removeRows(6, tables.model->rowCount() - 6);
    tables.change([](QTableView& view) {
        view.verticalScrollBar()->setValue(0);
        view.horizontalScrollBar()->setValue(0);
        for (int column = 0; column < view.model()->columnCount(); ++column)
            view.setColumnWidth(column, 30);
    });
    expectSamePixels(tables, "with room to spare");
}

// A style with a translucent line colour, and one that asks for lines along the left and top
// edges, get the table's pixels too: the first is stroked, the second left to the table.
class LineStyle : public QProxyStyle {
public:
    LineStyle(QRgb colour, bool leftAndTop)
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
        , m_colour(colour)
        , m_leftAndTop(leftAndTop)
    {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override
    {
        if (hint == SH_Table_GridLineColor)
            return static_cast<int>(m_colour);
        if (hint == SH_Table_AlwaysDrawLeftTopGridLines)
            return m_leftAndTop ? 1 : 0;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }

private:
    QRgb m_colour;
    bool m_leftAndTop;
};

TEST(GridView, DrawsTheTablesOwnPixelsInOtherStylesAndWithoutAGrid)
{
    {
        LineStyle translucent(qRgba(200, 0, 0, 128), false);
        TwoTables tables(&translucent);
        expectSamePixels(tables, "translucent lines");
    }
    {
        LineStyle leftAndTop(qRgb(0, 0, 200), true);
        TwoTables tables(&leftAndTop);
        tables.change([](QTableView& view) { view.horizontalHeader()->hide(); });
        expectSamePixels(tables, "lines along the edges");
    }
    {
        // The lines follow a style set after the view was made.
        LineStyle leftAndTop(qRgb(0, 0, 200), true);
        TwoTables tables;
        tables.change([&](QTableView& view) {
            view.setStyle(&leftAndTop);
            view.horizontalHeader()->hide();
        });
        expectSamePixels(tables, "a style set later");
    }
    {
        // Without a grid, the view draws no lines of its own.
        TwoTables tables;
        tables.change([](QTableView& view) { view.setShowGrid(false); });
        expectSamePixels(tables, "no grid");
    }
}

// The scroll bar, moved by a stream a page at a time, repaints less than its whole length,
// yet every pixel that its move changes: a move down, one to each end, and several moves
// before one repaint (the suite runs again at two device pixels per pixel).
TEST(GridView, ItsScrollBarRepaintsAllThatAMoveChangesAndNoMore)
{
    const auto model = eventRows();
    GridView view(nullptr);
    setUp(view, *model, nullptr);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    QScrollBar& bar = *view.verticalScrollBar();
    ASSERT_GT(bar.maximum(), 30);
    // Qt repaints a widget whole after its first grab.
    (void)bar.grab();
    QTest::qWait(10);
    Repaints repaints(bar);

    const auto move = [&](std::initializer_list<int> values) {
        const QImage before = bar.grab().toImage();
        repaints.Forget();
        for (const int value : values)
            bar.setValue(value);
        QApplication::processEvents();
        const QRegion repainted = repaints.region();
        const QImage after = bar.grab().toImage();
        const double ratio = after.devicePixelRatio();
        int missed = 0;
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                if (after.pixel(x, y) != before.pixel(x, y) &&
                    !repainted.contains(
                        QPoint(static_cast<int>(x / ratio), static_cast<int>(y / ratio))))
                    ++missed;
        EXPECT_NE(before, after) << "the move changed nothing to see";
        EXPECT_EQ(missed, 0) << "pixels changed outside the repaint";
        EXPECT_FALSE((QRegion(bar.rect()) - repainted).isEmpty()) << "the whole bar repainted";
    };
    move({10});
    move({bar.maximum()});
    move({0});
    move({3, 20, 12});
}

// Rows written anew repaint those rows, their lines included, and no pixel of the rows around
// them (the table's own repaint reaches into the row below), and show what the table's own
// drawing shows; hidden rows at either end of the change are left out.
TEST(GridView, ChangedRowsRepaintThoseRowsAlone)
{
    TwoTables tables;
    tables.plain.show();
    tables.grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tables.grid));
    QWidget& viewport = *tables.grid.viewport();
    (void)viewport.grab(); // Qt repaints a widget whole after its first grab
    QTest::qWait(10);
    Repaints repaints(viewport);
    QStandardItemModel& model = *tables.model;

    const auto write = [&](int first, int last) {
        repaints.Forget();
        {
            const QSignalBlocker quiet(model); // a cell's own change repaints that cell
            for (int row = first; row <= last; ++row)
                model.setData(model.index(row, 4), QStringLiteral("Written"));
        }
        // The monitor announces a frame's rows as one range.
        Q_EMIT model.dataChanged(model.index(first, 0), model.index(last, model.columnCount() - 1),
                                 {Qt::DisplayRole});
        QApplication::processEvents();
        return repaints.region();
    };
    const auto rowsArea = [&](int first, int last) {
        const int top = tables.grid.rowViewportPosition(first);
        const int bottom = tables.grid.rowViewportPosition(last) + tables.grid.rowHeight(last) - 1;
        return QRegion(QRect(0, top, viewport.width(), bottom - top + 1));
    };
    EXPECT_EQ(write(3, 5), rowsArea(3, 5));
    tables.change([](QTableView& view) {
        view.setRowHidden(3, true);
        view.setRowHidden(6, true);
    });
    QTest::qWait(20); // the rows below move up
    EXPECT_EQ(write(3, 6), rowsArea(4, 5));
    EXPECT_EQ(difference(tables.grid.viewport()->grab().toImage(),
                         tables.plain.viewport()->grab().toImage()),
              "");
}

} // namespace
} // namespace velmar::monitor::test
