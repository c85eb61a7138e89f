#include "widgets/LogList.h"
#include "widgets/LogListLines.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Read(const LogListLines& lines)
{
    std::vector<std::string> read;
    for (std::size_t i = 0; i < lines.Size(); ++i)
        read.emplace_back(lines.At(i));
    return read;
}

} // namespace

// Lines of every length, enough of them to fill several regions, so that groups of lines are
// carried over into new regions part way through.
TEST(LogListLinesTest, GivesBackEveryLineAsStored)
{
    LogListLines lines;
    std::vector<std::string> want;
    for (int i = 0; i < 200000; ++i) {
        std::string line;
        if (i % 997 == 5)
            line.assign(70000 + static_cast<std::size_t>(i % 13), static_cast<char>('a' + i % 26));
        else if (i % 89 == 0)
            line.clear();
        else
            line = "i2cr 1a " + std::to_string(i) + std::string(static_cast<std::size_t>(i % 300), 'x');
        lines.Insert(lines.Size(), line);
        want.push_back(line);
    }
    EXPECT_EQ(Read(lines), want);
}

TEST(LogListLinesTest, InsertsBeforeTheEndAndClears)
{
    LogListLines lines;
    for (const char* line : {"b", "d", "e"})
        lines.Insert(lines.Size(), line);
    lines.Insert(0, "a");
    lines.Insert(2, "c");
    lines.Insert(99, "f");
    EXPECT_EQ(Read(lines), (std::vector<std::string>{"a", "b", "c", "d", "e", "f"}));

    lines.Clear();
    EXPECT_EQ(lines.Size(), 0u);
    lines.Insert(5, "again");
    EXPECT_EQ(Read(lines), std::vector<std::string>{"again"});
}

// Appending only counts the line; one pass of the event loop later the views hear of all of
// them at once, and the scroll bar stands where the list scrolled to.
TEST(LogListTest, AppendsAreAnnouncedTogetherAndTheScrollBarFollows)
{
    LogList list;
    list.resize(200, 300);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    std::vector<std::pair<int, int>> announced;
    QObject::connect(list.model(), &QAbstractItemModel::rowsInserted,
                     [&announced](const QModelIndex&, int first, int last) { announced.emplace_back(first, last); });

    for (int i = 0; i < 1000; ++i)
        list.EnsureVisible(list.InsertItem(list.GetItemCount(), "line " + std::to_string(i)), true);
    EXPECT_EQ(list.GetItemCount(), 1000);
    EXPECT_EQ(list.model()->rowCount(), 1000);
    EXPECT_TRUE(announced.empty());
    const QRect last = list.visualRect(list.model()->index(999, 0));
    EXPECT_TRUE(list.viewport()->rect().contains(last));

    EXPECT_TRUE(QTest::qWaitFor([&announced] { return !announced.empty(); }, 1000));
    EXPECT_EQ(announced, (std::vector<std::pair<int, int>>{{0, 999}}));
    const QScrollBar* bar = list.verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(list.visualRect(list.model()->index(999, 0)), last);

    // The user's scrolling moves the list.
    list.verticalScrollBar()->setValue(0);
    EXPECT_EQ(list.indexAt(QPoint(1, 1)).row(), 0);
}
