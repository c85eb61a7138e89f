#include "DialogFixture.h"
#include "VexbusDlgProbe.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTest>

namespace {

bool Shows(const LogList& list, int row)
{
    const QRect rect = list.visualRect(list.model()->index(row, 0));
    return rect.isValid() && list.viewport()->rect().contains(rect);
}

} // namespace

TEST(LogListTest, ListsLinesLikeAListControl)
{
    LogList list;
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(list.InsertItem(0, "b"), 0);
    EXPECT_EQ(list.InsertItem(0, "a"), 0);
    EXPECT_EQ(list.InsertItem(99, "c"), 2);
    EXPECT_EQ(list.InsertItem(-5, "first"), 0);
    ASSERT_EQ(list.GetItemCount(), 4);
    EXPECT_EQ(list.GetItemText(0), "first");
    EXPECT_EQ(list.GetItemText(3), "c");
    EXPECT_EQ(list.GetItemText(4), "");
    EXPECT_EQ(list.GetItemText(-1), "");
    EXPECT_EQ(list.model()->data(list.model()->index(1, 0)).toString(), QStringLiteral("a"));
    list.DeleteAllItems();
    EXPECT_EQ(list.GetItemCount(), 0);
}

TEST(LogListTest, HeaderIsAsTallAsItsTextNeedsAndFollowsTheFont)
{
    LogList list;
    auto* header = list.findChild<QHeaderView*>();
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->height(), header->sizeHint().height());
    EXPECT_EQ(list.viewport()->geometry().top() - header->geometry().top(), header->height());

    QFont big = list.font();
    big.setPointSize(big.pointSize() * 3);
    list.setFont(big);
    EXPECT_TRUE(QTest::qWaitFor([&] { return header->height() == header->sizeHint().height(); }));
    EXPECT_GT(header->height(), QFontMetrics(big).height());
}

TEST_F(DialogFixture, AddLogAppendsAndScrollsToTheNewLine)
{
    LogList& list = *Probe(*dlg).Log();
    for (int i = 0; i < 300; ++i)
        dlg->AddLog("line " + std::to_string(i));
    ASSERT_EQ(list.GetItemCount(), 301);
    EXPECT_EQ(list.GetItemText(300), "line 299");
    EXPECT_TRUE(Shows(list, 300));
    EXPECT_FALSE(Shows(list, 1));

    list.EnsureVisible(1, false);
    EXPECT_TRUE(Shows(list, 1));
    EXPECT_FALSE(Shows(list, 300));
}

TEST_F(DialogFixture, TheLogListHoldsManyLinesAndShowsTheLast)
{
    for (int i = 0; i < 100000; ++i)
        dlg->AddLog("i2cr 1a 10 -> 5a");
    QApplication::processEvents();
    EXPECT_EQ(Probe(*dlg).Log()->GetItemCount(), 100001);
    EXPECT_TRUE(Shows(*Probe(*dlg).Log(), 100000));
}
