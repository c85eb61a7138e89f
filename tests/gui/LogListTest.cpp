#include "DialogFixture.h"
#include "VexbusDlgProbe.h"

#include <QAbstractItemDelegate>
#include <QFontDatabase>
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

namespace {

bool Shows(const LogList& list, int row)
{
    const QRect rect = list.visualRect(list.model()->index(row, 0));
    return rect.isValid() && list.viewport()->rect().contains(rect);
}

// The width the item delegate needs to paint the line whole.
int Needs(const LogList& list, int row)
{
    QStyleOptionViewItem option;
    option.initFrom(&list);
    option.font = list.font();
    option.widget = &list;
    const QModelIndex index = list.model()->index(row, 0);
    return list.itemDelegateForIndex(index)->sizeHint(option, index).width();
}

int Column(const LogList& list)
{
    return list.header()->sectionSize(0);
}

// Where the user grabs the divider at the column's right edge.
QPoint Divider(const QHeaderView& header)
{
    return {header.sectionViewportPosition(0) + header.sectionSize(0) - 2, header.height() / 2};
}

void DragDivider(const LogList& list, int dx)
{
    QWidget* header = list.header()->viewport();
    const QPoint from = Divider(*list.header());
    QTest::mousePress(header, Qt::LeftButton, {}, from);
    QTest::mouseMove(header, from + QPoint(dx / 2, 0));
    QTest::mouseMove(header, from + QPoint(dx, 0));
    QTest::mouseRelease(header, Qt::LeftButton, {}, from + QPoint(dx, 0));
}

void DoubleClickDivider(const LogList& list)
{
    QTest::mouseDClick(list.header()->viewport(), Qt::LeftButton, {}, Divider(*list.header()));
}

// A list of the given size, shown, holding the lines.
class ShownList {
public:
    explicit ShownList(const std::vector<std::string>& lines, QSize size = {300, 200})
    {
        for (const std::string& line : lines)
            list.InsertItem(list.GetItemCount(), line);
        list.resize(size);
        list.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&list));
        QApplication::processEvents();
    }

    LogList list;
};

bool ColumnFillsTheList(const LogList& list)
{
    return QTest::qWaitFor([&] { return Column(list) == list.viewport()->width(); }, 1000);
}

// A double click on the divider fits the column to the last line, the widest though its
// characters are fewer than the others' or do not look wide.
void ExpectAFitToTheLastLine(const std::vector<std::string>& lines)
{
    ShownList shown(lines);
    LogList& list = shown.list;
    const int last = list.GetItemCount() - 1;
    ASSERT_GT(Needs(list, last), Needs(list, 0));

    DoubleClickDivider(list);
    EXPECT_EQ(Column(list), Needs(list, last));
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

// Dragging the divider to the right widens the column past the list; the list then scrolls
// sideways, rows and header alike, and dragging back narrows the column again.
TEST(LogListTest, TheDividerWidensAndNarrowsTheColumnAndTheListScrollsSideways)
{
    ShownList shown({"start to load bat file -- " + std::string(80, 'x'), "i2cr 1a 00 -> 5a"});
    LogList& list = shown.list;
    QScrollBar* across = list.horizontalScrollBar();
    const int view = list.viewport()->width();
    ASSERT_EQ(Column(list), view);
    EXPECT_FALSE(across->isVisible());

    DragDivider(list, 250);
    EXPECT_EQ(Column(list), view + 250);
    ASSERT_TRUE(QTest::qWaitFor([&] { return across->isVisible(); }, 1000));
    EXPECT_EQ(across->maximum(), Column(list) - list.viewport()->width());
    EXPECT_EQ(list.visualRect(list.model()->index(0, 0)).width(), Column(list));

    const QImage before = list.viewport()->grab().toImage();
    across->triggerAction(QAbstractSlider::SliderPageStepAdd);
    const int scrolled = across->value();
    ASSERT_GT(scrolled, 0);
    EXPECT_EQ(list.visualRect(list.model()->index(0, 0)).left(), -scrolled);
    EXPECT_EQ(list.header()->sectionViewportPosition(0), -scrolled);
    const QImage after = list.viewport()->grab().toImage();
    const int kept = before.width() - scrolled;
    EXPECT_EQ(after.copy(0, 0, kept, after.height()), before.copy(scrolled, 0, kept, before.height()));

    // The divider is in reach once the list is scrolled to its right end.
    across->setValue(across->maximum());
    EXPECT_EQ(Divider(*list.header()).x(), list.header()->width() - 2);
    DragDivider(list, 12 - list.header()->width());
    ASSERT_LT(Column(list), view);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !across->isVisible(); }, 1000));
    EXPECT_EQ(list.header()->sectionViewportPosition(0), 0);
    EXPECT_EQ(list.visualRect(list.model()->index(0, 0)).left(), 0);
    EXPECT_EQ(list.visualRect(list.model()->index(0, 0)).width(), Column(list));
}

// A double click on the divider fits the column to the widest line, however many lines of the
// same length come before it, and however many lines have more characters but narrower ones.
TEST(LogListTest, ADoubleClickOnTheDividerFitsTheColumnToTheWidestLine)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 40; ++i)
        lines.push_back(std::string(90, 'i'));
    for (int i = 0; i < 100; ++i)
        lines.push_back(std::string(60, i % 2 ? 'l' : '1'));
    lines.push_back(std::string(30, 'M') + std::string(30, 'W'));
    for (int i = 0; i < 100; ++i)
        lines.push_back("i2cr 1a " + std::to_string(10 + i % 90) + " -> 5a");
    ShownList shown(lines);
    LogList& list = shown.list;
    // A line put in before the others moves them down a row.
    list.InsertItem(0, "first");
    const int wide = 141;
    ASSERT_GT(Needs(list, wide), Needs(list, 1));
    ASSERT_GT(Needs(list, wide), Needs(list, 41));
    int widest = 0;
    for (int row = 0; row < list.GetItemCount(); ++row)
        widest = std::max(widest, Needs(list, row));
    ASSERT_EQ(widest, Needs(list, wide));
    ASSERT_LT(Column(list), widest);

    DoubleClickDivider(list);
    EXPECT_EQ(Column(list), widest);
    EXPECT_TRUE(QTest::qWaitFor([&] { return list.horizontalScrollBar()->isVisible(); }, 1000));

    // After a clear the user's width stays; a fit then fits what the list holds.
    list.DeleteAllItems();
    EXPECT_EQ(Column(list), widest);
    list.InsertItem(0, "i2cr 1a 00 -> 5a");
    DoubleClickDivider(list);
    EXPECT_GE(Column(list), Needs(list, 0));
    EXPECT_LT(Column(list), list.viewport()->width());
}

// Forty wide letters outdo fifty narrow ones in the application's proportional face, not in a face
// of even advances: after the list's font changes, the fit goes by the new one. The face is found
// by pixels, whatever the machine's fonts: Qt calls some monospaced faces proportional (Noto Sans
// Mono) and the system's fixed font may be any of them.
TEST(LogListTest, AFitGoesByTheListsFont)
{
    std::vector<std::string> lines(40, std::string(40, 'W'));
    lines.push_back(std::string(50, 'i'));
    ShownList shown(lines);
    LogList& list = shown.list;
    ASSERT_GT(Needs(list, 0), Needs(list, 40)) << "the wide letters are wider in the application's face";

    QList<QFont> faces{QFontDatabase::systemFont(QFontDatabase::FixedFont)};
    for (const QString& family : QFontDatabase::families())
        faces.append(QFont(family));
    const auto narrowLineWider = [&list](const QFont& face) {
        list.setFont(face);
        return Needs(list, 40) > Needs(list, 0);
    };
    ASSERT_TRUE(std::any_of(faces.cbegin(), faces.cend(), narrowLineWider))
        << "no face on this machine gives the narrow letters the wider line";

    DoubleClickDivider(list);
    EXPECT_EQ(Column(list), Needs(list, 40));
}

// A tab takes the line on to the next tab stop: a few tabs outdo many letters.
TEST(LogListTest, AFitCountsATabAsFarAsItsTabStop)
{
    std::vector<std::string> lines(40, std::string(20, 'W'));
    lines.push_back("\t\t\t\t\tx");
    ExpectAFitToTheLastLine(lines);
}

// A line of a file written in Latin-1 (degree signs), or of characters cut short, holds bytes
// that are no UTF-8: each is drawn as a replacement character, and a fit counts it so.
TEST(LogListTest, AFitCountsEachByteThatIsNoUtf8AsTheCharacterDrawnForIt)
{
    for (const std::string& odd : {std::string(120, '\xB0'), std::string(60, '\xE2') + std::string(60, '\x82')}) {
        std::vector<std::string> lines(20, "i2cw 1a 10 01 -> written at the start of the run, line 0001");
        lines.push_back(odd);
        ExpectAFitToTheLastLine(lines);
    }
}

// Until the user sizes the column, it is as wide as the list's client area, with the vertical
// scroll bar or without; from then on it keeps the user's width.
TEST(LogListTest, TheColumnFillsTheListUntilTheUserSizesIt)
{
    ShownList shown({"first"});
    LogList& list = shown.list;
    const auto fill = [&list] {
        for (int i = 0; i < 100; ++i)
            list.InsertItem(list.GetItemCount(), "line " + std::to_string(i));
        return QTest::qWaitFor([&list] { return list.verticalScrollBar()->isVisible(); }, 1000);
    };
    EXPECT_TRUE(ColumnFillsTheList(list));
    ASSERT_TRUE(fill());
    EXPECT_TRUE(ColumnFillsTheList(list));
    list.resize(420, 260);
    EXPECT_TRUE(ColumnFillsTheList(list));
    list.DeleteAllItems();
    ASSERT_TRUE(QTest::qWaitFor([&list] { return !list.verticalScrollBar()->isVisible(); }, 1000));
    EXPECT_TRUE(ColumnFillsTheList(list));

    DragDivider(list, -60);
    const int chosen = Column(list);
    EXPECT_EQ(chosen, list.viewport()->width() - 60);
    list.resize(300, 200);
    ASSERT_TRUE(fill());
    QApplication::processEvents();
    EXPECT_EQ(Column(list), chosen);
    list.DeleteAllItems();
    QApplication::processEvents();
    EXPECT_EQ(Column(list), chosen);
}

// The line of an unknown command as long as the command line takes is wider than the dialog's
// list; a fit shows it whole.
TEST_F(DialogFixture, ALongLogLineIsReadWholeAfterAFit)
{
    LogList& list = *Probe(*dlg).Log();
    Type(CVexbusDlg::IDC_CMDLINE, QStringLiteral("read the register at sub-address 1a of the slave at 34, twice"));
    QTest::keyClick(Edit(CVexbusDlg::IDC_CMDLINE), Qt::Key_Return);
    const int row = list.GetItemCount() - 1;
    ASSERT_EQ(list.GetItemText(row), "*** Unknown cmd " + Text(CVexbusDlg::IDC_CMDLINE) + " ***");
    ASSERT_TRUE(QTest::qWaitFor([&] { return list.model()->rowCount() == list.GetItemCount(); }, 1000));
    ASSERT_LT(Column(list), Needs(list, row));

    DoubleClickDivider(list);
    EXPECT_GE(Column(list), Needs(list, row));
}

// Clear takes the list back to its left edge, so that the next line shows; the column keeps the
// width the user gave it.
TEST_F(DialogFixture, ClearScrollsTheListBackToItsLeftEdge)
{
    LogList& list = *Probe(*dlg).Log();
    dlg->AddLog("start to load bat file -- /home/engineer/boards/rev-c/bring-up/" + std::string(120, 'x') + ".bat");
    ASSERT_TRUE(QTest::qWaitFor([&] { return list.model()->rowCount() == list.GetItemCount(); }, 1000));
    DoubleClickDivider(list);
    const int fitted = Column(list);
    QScrollBar* across = list.horizontalScrollBar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return across->maximum() > 0; }, 1000));
    across->setValue(across->maximum());

    Click(CVexbusDlg::IDC_CLEAR);
    Type(CVexbusDlg::IDC_CMDLINE, QStringLiteral("i2cr 1a 00"));
    QTest::keyClick(Edit(CVexbusDlg::IDC_CMDLINE), Qt::Key_Return);
    ASSERT_EQ(list.GetItemCount(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return list.model()->rowCount() == 1; }, 1000));

    EXPECT_EQ(across->value(), 0);
    EXPECT_EQ(list.visualRect(list.model()->index(0, 0)).left(), 0);
    EXPECT_EQ(list.header()->sectionViewportPosition(0), 0);
    EXPECT_EQ(Column(list), fitted);
}
