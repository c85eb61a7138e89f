#include "DialogFixture.h"

#include "VexbusDlgProbe.h"
#include "platform/TextScan.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>

TEST_F(DialogFixture, TheBitBoxesAndAllEditTheDataByte)
{
    Click(CVexbusDlg::IDC_BIT7);
    EXPECT_EQ(Text(CVexbusDlg::IDC_DATA), "80");
    Click(CVexbusDlg::IDC_BIT0);
    EXPECT_EQ(Text(CVexbusDlg::IDC_DATA), "81");
    EXPECT_EQ(Probe(*dlg).Data(), 0x81);
    EXPECT_EQ(Boxes(), 0x81u);
    Click(CVexbusDlg::IDC_BIT7);
    EXPECT_EQ(Text(CVexbusDlg::IDC_DATA), "01");
    EXPECT_EQ(Boxes(), 0x01u);

    // All gives FF from anything but FF, and 00 from FF.
    Click(CVexbusDlg::IDC_ALL);
    EXPECT_EQ(Text(CVexbusDlg::IDC_DATA), "FF");
    EXPECT_EQ(Boxes(), 0xFFu);
    Click(CVexbusDlg::IDC_ALL);
    EXPECT_EQ(Text(CVexbusDlg::IDC_DATA), "00");
    EXPECT_EQ(Boxes(), 0x00u);
    EXPECT_EQ(Probe(*dlg).Data(), 0x00);
    Click(CVexbusDlg::IDC_ALL);
    EXPECT_EQ(Text(CVexbusDlg::IDC_DATA), "FF");
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(DialogFixture, TypedDataSetsTheBoxes)
{
    Type(CVexbusDlg::IDC_DATA, QStringLiteral("a"));
    EXPECT_EQ(Text(CVexbusDlg::IDC_DATA), "A");
    EXPECT_EQ(Probe(*dlg).Data(), 0x0A);
    EXPECT_EQ(Boxes(), 0x0Au);
    Type(CVexbusDlg::IDC_DATA, QStringLiteral("5"));
    EXPECT_EQ(Text(CVexbusDlg::IDC_DATA), "A5");
    EXPECT_EQ(Boxes(), 0xA5u);
    // Emptied, the edit reads as 0.
    Edit(CVexbusDlg::IDC_DATA)->clear();
    EXPECT_EQ(Probe(*dlg).Data(), 0);
    EXPECT_EQ(Boxes(), 0u);
    EXPECT_TRUE(ui.boxes.empty());
}

// What a typed text leaves in each hexadecimal edit, and whether it was refused on the way.
struct EditCase {
    const char* name;
    int id;
    const char* typed;
    const char* shownAtBox; // the edit's text while the box is up; null: no box
    const char* result;
};

void PrintTo(const EditCase& c, std::ostream* os)
{
    *os << c.name;
}

class HexEditCheck : public DialogFixture, public ::testing::WithParamInterface<EditCase> {};

TEST_P(HexEditCheck, RefusesAnythingButHexDigits)
{
    const EditCase& c = GetParam();
    std::string shownAtBox;
    ui.onBox = [&](const ScriptedResponder::Box&) { shownAtBox = Text(c.id); };
    Retype(c.id, QString::fromUtf8(c.typed));
    EXPECT_EQ(Text(c.id), c.result);
    if (!c.shownAtBox) {
        EXPECT_TRUE(ui.boxes.empty());
        return;
    }
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Invalid parameters");
    EXPECT_EQ(ui.boxes[0].caption, ExecutableBaseName());
    EXPECT_EQ(ui.boxes[0].type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(shownAtBox, c.shownAtBox);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, HexEditCheck,
    ::testing::Values(EditCase{"SubAddressDigitThenG", CVexbusDlg::IDC_SUB_ADDR, "1g", "1G", "1"},
                      EditCase{"SubAddressG", CVexbusDlg::IDC_SUB_ADDR, "g", "G", "0"},
                      EditCase{"SlaveAddressDigitThenZ", CVexbusDlg::IDC_SLAVE_ADDR, "5z", "5Z", "5"},
                      EditCase{"StartAddressBlank", CVexbusDlg::IDC_START_ADDR, " ", " ", "0"},
                      EditCase{"EndAddressLowerCase", CVexbusDlg::IDC_END_ADDR, "fe", nullptr, "FE"},
                      EditCase{"DataMinus", CVexbusDlg::IDC_DATA, "-", "-", "0"}),
    [](const ::testing::TestParamInfo<EditCase>& info) { return std::string(info.param.name); });

TEST_F(DialogFixture, MinusOnePastedIntoTheDataEditBecomesAllBitsSet)
{
    // Typed, "-" alone is refused at once; pasted, the sign comes with its digit.
    QApplication::clipboard()->setText(QStringLiteral("-1"));
    Type(CVexbusDlg::IDC_DATA, QString());
    QTest::keyClick(Edit(CVexbusDlg::IDC_DATA), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Text(CVexbusDlg::IDC_DATA), "FFFFFFFF");
    EXPECT_EQ(Probe(*dlg).Data(), 0xFF);
    EXPECT_EQ(Boxes(), 0xFFu);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Invalid parameters");
}

TEST_F(DialogFixture, TheLimitsBindTypingAndPastingButNotTheProgram)
{
    Retype(CVexbusDlg::IDC_SLAVE_ADDR, QStringLiteral("123"));
    EXPECT_EQ(Text(CVexbusDlg::IDC_SLAVE_ADDR), "12");

    Click(CVexbusDlg::IDC_16BITS);
    Retype(CVexbusDlg::IDC_SUB_ADDR, QStringLiteral("12345"));
    EXPECT_EQ(Text(CVexbusDlg::IDC_SUB_ADDR), "1234");
    Click(CVexbusDlg::IDC_8BITS);
    EXPECT_EQ(Text(CVexbusDlg::IDC_SUB_ADDR), "1234");
    Type(CVexbusDlg::IDC_SUB_ADDR, QStringLiteral("5"));
    EXPECT_EQ(Text(CVexbusDlg::IDC_SUB_ADDR), "1234");
    // Deleting from a text beyond the limit is allowed; typing it back is not.
    QTest::keyClick(Edit(CVexbusDlg::IDC_SUB_ADDR), Qt::Key_Backspace);
    EXPECT_EQ(Text(CVexbusDlg::IDC_SUB_ADDR), "123");
    Type(CVexbusDlg::IDC_SUB_ADDR, QStringLiteral("4"));
    EXPECT_EQ(Text(CVexbusDlg::IDC_SUB_ADDR), "123");
    Retype(CVexbusDlg::IDC_SUB_ADDR, QStringLiteral("abc"));
    EXPECT_EQ(Text(CVexbusDlg::IDC_SUB_ADDR), "AB");

    // A paste is cut to the room left and turned to upper case.
    QApplication::clipboard()->setText(QStringLiteral("cdef"));
    Retype(CVexbusDlg::IDC_START_ADDR, QString());
    QTest::keyClick(Edit(CVexbusDlg::IDC_START_ADDR), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Text(CVexbusDlg::IDC_START_ADDR), "CD");

    // So is a paste from the edit's own menu.
    QLineEdit* end = Edit(CVexbusDlg::IDC_END_ADDR);
    end->clear();
    bool pasted = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            if (action->text().startsWith(QStringLiteral("&Paste"))) {
                action->trigger();
                pasted = true;
            }
        }
        menu->close();
    });
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, end->rect().center(), end->mapToGlobal(end->rect().center()));
    QApplication::sendEvent(end, &menuEvent);
    EXPECT_TRUE(pasted);
    EXPECT_EQ(Text(CVexbusDlg::IDC_END_ADDR), "CD");

    Edit(CVexbusDlg::IDC_END_ADDR)->setText(QStringLiteral("abcdef"));
    EXPECT_EQ(Text(CVexbusDlg::IDC_END_ADDR), "ABCDEF");
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(DialogFixture, TheCommandLineStopsTakingCharactersAtItsRightEdge)
{
    QLineEdit* cmd = Edit(CVexbusDlg::IDC_CMDLINE);
    const QString longLine(200, QLatin1Char('w'));
    Type(CVexbusDlg::IDC_CMDLINE, longLine);
    const int kept = static_cast<int>(cmd->text().size());
    EXPECT_GT(kept, 10);
    EXPECT_LT(kept, 200);
    EXPECT_LE(cmd->fontMetrics().horizontalAdvance(cmd->text()), cmd->width());
    // Not upper case, and the program may set more than fits.
    EXPECT_EQ(cmd->text(), QString(kept, QLatin1Char('w')));
    cmd->setText(longLine);
    EXPECT_EQ(cmd->text(), longLine);
}

// Characters of the paste that the edit's one-at-a-time cut below weighs; far more than fit.
constexpr int kWeighed = 400;

// The text the command line keeps of a paste over [selStart, selEnd) of `text` when it takes the
// pasted characters off from the cursor one at a time, measuring the whole text after each.
// Beyond what fits, the paste's length changes nothing, so its start stands for all of it.
QString OneAtATime(const EditBox& edit, const QString& text, int selStart, int selEnd, const QString& paste)
{
    QString input = text.left(selStart) + paste.left(kWeighed) + text.mid(selEnd);
    int pos = selStart + kWeighed;
    while (pos > 0 && input.size() > text.size() && !edit.FitsWidth(input)) {
        input.remove(pos - 1, 1);
        --pos;
    }
    return input;
}

QString Repeated(const QString& pattern, qsizetype size)
{
    QString text;
    while (text.size() < size)
        text += pattern;
    text.truncate(size);
    return text;
}

TEST_F(DialogFixture, ALongPasteIntoTheCommandLineKeepsWhatFitsAsTheCursorLeavesIt)
{
    struct PasteCase {
        const char* name;
        QString text;
        int selStart;
        int selEnd; // the cursor when equal to selStart
        QString paste;
    };
    const QString narrow = Repeated(QStringLiteral("il1.,;:|!"), 30000);
    const QString wide = Repeated(QStringLiteral("WM@%\u2014\u0416\u6F22"), 30000);
    const QString mixed = Repeated(QStringLiteral("i2cw 1A 00 FF; AV To \u00C4\u6F22 "), 30000);
    const PasteCase cases[] = {
        {"narrow into nothing", QString(), 0, 0, narrow},
        {"wide into nothing", QString(), 0, 0, wide},
        {"mixed, beyond the edit's own length", QString(), 0, 0, Repeated(mixed, 40000)},
        {"mixed, in the middle of a command", QStringLiteral("i2cr 1a 00"), 5, 5, mixed},
        {"wide, over a selection", QStringLiteral("i2cw 1a 00 ff"), 5, 10, wide},
        {"mixed, after a text already too wide", QString(200, QLatin1Char('w')), 200, 200, mixed},
    };
    auto* cmd = static_cast<EditBox*>(Edit(CVexbusDlg::IDC_CMDLINE));
    for (const PasteCase& c : cases) {
        SCOPED_TRACE(c.name);
        cmd->setText(c.text);
        cmd->setSelection(c.selStart, c.selEnd - c.selStart);
        QApplication::clipboard()->setText(c.paste);
        const QString expected = OneAtATime(*cmd, c.text, c.selStart, c.selEnd, c.paste);
        const auto kept = expected.size() - (c.text.size() - (c.selEnd - c.selStart));
        ASSERT_LT(kept, kWeighed);

        QTest::keyClick(cmd, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(cmd->text(), expected);
        EXPECT_EQ(cmd->cursorPosition(), c.selStart + kept);
    }
    EXPECT_TRUE(ui.boxes.empty());
}

TEST(HexScanTest, ReadsLikeTheHexadecimalConversionAndGivesZeroForNoNumber)
{
    const std::pair<const char*, std::uint32_t> cases[] = {
        {"", 0},
        {"zz", 0},
        {"0x", 0},
        {"-", 0},
        {"1A", 0x1A},
        {"1g", 0x1},
        {" 0x1f", 0x1F},
        {"+a", 0xA},
        {"-1", 0xFFFFFFFF},
        {"FFFFFFFF", 0xFFFFFFFF},
        {"123456789", 0xFFFFFFFF},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ScanHex(text), value) << text;
}
