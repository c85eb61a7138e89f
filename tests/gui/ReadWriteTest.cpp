#include "DialogFixture.h"
#include "VexbusDlgProbe.h"

#include <QPushButton>

namespace {

constexpr std::uint8_t kSlave = 0x1A; // the emulated bus's one slave
constexpr std::uint8_t kAbsent = 0x50;

} // namespace

TEST_F(DialogFixture, ReadShowsTheByteReadInTheEditAndTheBoxes)
{
    emulator.Slave().Paged(0, 0x10) = 0x5A;
    Type(CVexbusDlg::IDC_SLAVE_ADDR, QStringLiteral("1a"));
    Retype(CVexbusDlg::IDC_SUB_ADDR, QStringLiteral("10"));
    Click(CVexbusDlg::IDC_READ);
    EXPECT_EQ(LastLog(), "i2cr 1a 10 -> 5a");
    EXPECT_EQ(Text(CVexbusDlg::IDC_DATA), "5A");
    EXPECT_EQ(Probe(*dlg).Data(), 0x5A);
    EXPECT_EQ(Boxes(), 0x5Au);
}

TEST_F(DialogFixture, ReadInSixteenBitModeShowsTwoDigits)
{
    emulator.Slave().Flat(0x0123) = 0x07;
    Type(CVexbusDlg::IDC_SLAVE_ADDR, QStringLiteral("1A"));
    Click(CVexbusDlg::IDC_16BITS);
    Retype(CVexbusDlg::IDC_SUB_ADDR, QStringLiteral("0123"));
    Click(CVexbusDlg::IDC_READ);
    EXPECT_EQ(LastLog(), "i2cr 1a 0123 -> 07");
    EXPECT_EQ(Text(CVexbusDlg::IDC_DATA), "07");
    EXPECT_EQ(Boxes(), 0x07u);
}

TEST_F(DialogFixture, AFailedReadStillRewritesTheDataEditAndTheBoxes)
{
    Click(CVexbusDlg::IDC_ALL);
    ASSERT_EQ(Text(CVexbusDlg::IDC_DATA), "FF");
    Type(CVexbusDlg::IDC_SLAVE_ADDR, QStringLiteral("50"));
    Click(CVexbusDlg::IDC_READ);
    EXPECT_EQ(LastLog(), "i2cr 50 00 -> failed");
    EXPECT_EQ(Text(CVexbusDlg::IDC_DATA), "00");
    EXPECT_EQ(Probe(*dlg).Data(), 0);
    EXPECT_EQ(Boxes(), 0u);
}

TEST_F(DialogFixture, EmptyEditsReadAndWriteAsZero)
{
    Edit(CVexbusDlg::IDC_SUB_ADDR)->clear();
    emulator.ClearLog();
    Click(CVexbusDlg::IDC_READ);
    EXPECT_EQ(LastLog(), "i2cr 00 00 -> failed");
    ASSERT_FALSE(emulator.Transactions().empty());
    EXPECT_EQ(emulator.Transactions().front().written.at(0), 0x00);

    emulator.ClearLog();
    Click(CVexbusDlg::IDC_WRITE);
    EXPECT_EQ(LastLog(), "i2cw 00 00 00 failed");
    ASSERT_FALSE(emulator.Transactions().empty());
    EXPECT_EQ(emulator.Transactions().front().written, (std::vector<std::uint8_t>{0, 0, 0}));
}

TEST_F(DialogFixture, WriteSendsTheDataEditsText)
{
    Type(CVexbusDlg::IDC_SLAVE_ADDR, QStringLiteral("1A"));
    Retype(CVexbusDlg::IDC_SUB_ADDR, QStringLiteral("22"));
    Type(CVexbusDlg::IDC_DATA, QStringLiteral("3c"));
    Click(CVexbusDlg::IDC_WRITE);
    EXPECT_EQ(LastLog(), "i2cw 1a 22 3c");
    EXPECT_EQ(emulator.Slave().Paged(0, 0x22), 0x3C);

    // A text beyond two digits writes its low byte.
    Edit(CVexbusDlg::IDC_DATA)->setText(QStringLiteral("1A5"));
    Click(CVexbusDlg::IDC_WRITE);
    EXPECT_EQ(LastLog(), "i2cw 1a 22 1a5");
    EXPECT_EQ(emulator.Slave().Paged(0, 0x22), 0xA5);

    Click(CVexbusDlg::IDC_16BITS);
    Retype(CVexbusDlg::IDC_SUB_ADDR, QStringLiteral("0456"));
    Retype(CVexbusDlg::IDC_DATA, QStringLiteral("C3"));
    Click(CVexbusDlg::IDC_WRITE);
    EXPECT_EQ(LastLog(), "i2cw16 1a 0456 c3");
    EXPECT_EQ(emulator.Slave().Flat(0x0456), 0xC3);
    EXPECT_EQ(Text(CVexbusDlg::IDC_DATA), "C3");
}

// Which button Return presses, after the focus went to the given edit and then elsewhere.
struct ReturnCase {
    const char* name;
    int focused;
    int defaultButton;
    const char* logged;
};

void PrintTo(const ReturnCase& c, std::ostream* os)
{
    *os << c.name;
}

class ReturnKey : public DialogFixture, public ::testing::WithParamInterface<ReturnCase> {};

TEST_P(ReturnKey, PressesTheDefaultButtonThatFollowsTheFocus)
{
    const ReturnCase& c = GetParam();
    emulator.Slave().Paged(0, 0x00) = 0x42;
    Type(CVexbusDlg::IDC_SLAVE_ADDR, QStringLiteral("1A"));
    Type(CVexbusDlg::IDC_CMDLINE, QStringLiteral("i2cr 1a 0"));
    Type(CVexbusDlg::IDC_DATA, QStringLiteral("42"));
    Type(c.focused, QString());
    EXPECT_EQ(dlg->GetDefID(), c.defaultButton);
    auto* button = static_cast<QPushButton*>(dlg->GetDlgItem(c.defaultButton));
    EXPECT_TRUE(button->isDefault());
    for (QPushButton* other : dlg->findChildren<QPushButton*>())
        EXPECT_TRUE(other == button || !other->isDefault());

    // The choice stays while the focus moves on to a control without a default of its own.
    Type(CVexbusDlg::IDC_SLAVE_ADDR, QString());
    QTest::keyClick(Edit(CVexbusDlg::IDC_SLAVE_ADDR), Qt::Key_Return);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(LastLog(), c.logged);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, ReturnKey,
    ::testing::Values(ReturnCase{"CommandLineEnter", CVexbusDlg::IDC_CMDLINE, CVexbusDlg::IDC_ENTER,
                                 "i2cr 1a 00 -> 42"},
                      ReturnCase{"SubAddressRead", CVexbusDlg::IDC_SUB_ADDR, CVexbusDlg::IDC_READ, "i2cr 1a 00 -> 42"},
                      ReturnCase{"DataWrite", CVexbusDlg::IDC_DATA, CVexbusDlg::IDC_WRITE, "i2cw 1a 00 42"}),
    [](const ::testing::TestParamInfo<ReturnCase>& info) { return std::string(info.param.name); });

TEST_F(DialogFixture, ReturnInTheCommandLineRunsItAndKeepsTheText)
{
    Type(CVexbusDlg::IDC_CMDLINE, QStringLiteral("i2cw 1a 30 77"));
    QTest::keyClick(Edit(CVexbusDlg::IDC_CMDLINE), Qt::Key_Return);
    EXPECT_EQ(LastLog(), "i2cw 1a 30 77");
    EXPECT_EQ(emulator.Slave().Paged(0, 0x30), 0x77);
    EXPECT_EQ(Text(CVexbusDlg::IDC_CMDLINE), "i2cw 1a 30 77");
}

TEST_F(DialogFixture, ReturnOnAFocusedButtonPressesThatButton)
{
    Type(CVexbusDlg::IDC_DATA, QString());
    Button(CVexbusDlg::IDC_ALL)->setFocus();
    QTest::keyClick(Button(CVexbusDlg::IDC_ALL), Qt::Key_Return);
    EXPECT_EQ(Text(CVexbusDlg::IDC_DATA), "FF");
    EXPECT_EQ(LastLog(), "");
}

TEST_F(DialogFixture, ReturnRightAfterStartEndsTheDialog)
{
    QTest::keyClick(Edit(CVexbusDlg::IDC_SLAVE_ADDR), Qt::Key_Return);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
}

TEST_F(DialogFixture, EscapeAndTheCloseBoxEndTheDialog)
{
    Type(CVexbusDlg::IDC_SUB_ADDR, QString());
    QTest::keyClick(Edit(CVexbusDlg::IDC_SUB_ADDR), Qt::Key_Escape);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Rejected);

    dlg->show();
    ASSERT_TRUE(dlg->isVisible());
    EXPECT_TRUE(dlg->close());
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
}
