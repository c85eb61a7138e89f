#include "DialogFixture.h"
#include "Vexbus/DialogUnits.h"
#include "VexbusDlgProbe.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <vector>

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

QColor StatusColour(const CVexbusDlg& dlg)
{
    return Probe(dlg).Status()->palette().color(QPalette::WindowText);
}

} // namespace

TEST_F(DialogFixture, StartsInItsInitialState)
{
    EXPECT_TRUE(Probe(*dlg).Bits8()->isChecked());
    EXPECT_FALSE(Probe(*dlg).Bits16()->isChecked());
    EXPECT_EQ(Text(CVexbusDlg::IDC_SLAVE_ADDR), "");
    EXPECT_EQ(Text(CVexbusDlg::IDC_SUB_ADDR), "0");
    EXPECT_EQ(Text(CVexbusDlg::IDC_START_ADDR), "0");
    EXPECT_EQ(Text(CVexbusDlg::IDC_END_ADDR), "0");
    EXPECT_EQ(Text(CVexbusDlg::IDC_DATA), "");
    EXPECT_EQ(Probe(*dlg).Data(), 0);
    EXPECT_EQ(Boxes(), 0u);
    ASSERT_EQ(Probe(*dlg).Log()->GetItemCount(), 1);
    EXPECT_EQ(Probe(*dlg).Log()->GetItemText(0), "");
    EXPECT_EQ(Probe(*dlg).Log()->model()->headerData(0, Qt::Horizontal).toString(), QString(29, QLatin1Char(' ')));
    EXPECT_EQ(Probe(*dlg).LoadPath()->text(), QStringLiteral("Load file as:"));
    EXPECT_EQ(Probe(*dlg).SavePath()->text(), QStringLiteral("Save as file:"));
    EXPECT_EQ(QApplication::focusWidget(), Probe(*dlg).SlaveEdit());
    EXPECT_EQ(dlg->GetDefID(), 0);
    EXPECT_TRUE(ui.boxes.empty());

    const QList<QAction*> actions = dlg->actions();
    ASSERT_EQ(actions.size(), 1);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("&About Vexbus..."));
    EXPECT_EQ(dlg->contextMenuPolicy(), Qt::ActionsContextMenu);
}

TEST_F(DialogFixture, PlacesTheControlsAtTheirTemplateRectangles)
{
    struct Place {
        int id;
        int x, y, width, height;
    };
    const Place places[] = {
        {CVexbusDlg::IDC_8BITS, 280, 58, 31, 15},       {CVexbusDlg::IDC_SLAVE_ADDR, 280, 38, 80, 14},
        {CVexbusDlg::IDC_READ, 365, 38, 30, 30},        {CVexbusDlg::IDC_CMDLINE, 168, 155, 176, 14},
        {CVexbusDlg::IDC_END_ADDR, 309, 205, 30, 14},   {CVexbusDlg::IDC_STATUS, 71, 295, 85, 15},
        {CVexbusDlg::IDC_BIT0, 350, 115, 10, 15},       {CVexbusDlg::IDC_BIT7, 280, 115, 10, 15},
        {CVexbusDlg::IDC_LOG_LIST, 17, 35, 131, 226},   {CVexbusDlg::IDC_BANNER, 150, 295, 256, 15},
        {CVexbusDlg::IDC_SAVE_PATH, 173, 225, 175, 15}, {CVexbusDlg::IDC_BATCH_READ, 346, 205, 45, 14},
    };
    const DialogUnits du(dlg->font());
    EXPECT_EQ(dlg->size(), du.Size(412, 316));
    // A close box, and no minimise or maximise box: the size is the template's, fixed.
    const Qt::WindowFlags flags = dlg->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(dlg->minimumSize(), dlg->maximumSize());
    for (const Place& p : places)
        EXPECT_EQ(dlg->GetDlgItem(p.id)->geometry(), du.Rect(p.x, p.y, p.width, p.height)) << p.id;

    // The group boxes lie under the controls they frame.
    const auto groups = dlg->findChildren<QGroupBox*>();
    ASSERT_EQ(groups.size(), 3);
    for (QGroupBox* group : groups) {
        EXPECT_TRUE(group->testAttribute(Qt::WA_TransparentForMouseEvents));
        EXPECT_EQ(dlg->childAt(group->geometry().center()) == group, false);
    }
    EXPECT_EQ(dlg->childAt(Button(CVexbusDlg::IDC_LOAD)->geometry().center()), Button(CVexbusDlg::IDC_LOAD));
}

TEST_F(DialogFixture, TabsThroughTheTemplateOrder)
{
    const std::vector<int> order = {
        CVexbusDlg::IDC_SLAVE_ADDR, CVexbusDlg::IDC_DATA,     CVexbusDlg::IDC_READ,      CVexbusDlg::IDC_WRITE,
        CVexbusDlg::IDC_CMDLINE,    CVexbusDlg::IDC_ENTER,    CVexbusDlg::IDC_LOAD,      CVexbusDlg::IDC_START_ADDR,
        CVexbusDlg::IDC_END_ADDR,   CVexbusDlg::IDC_SAVE,     CVexbusDlg::IDC_SAVE_LOGS, CVexbusDlg::IDC_CLEAR,
        CVexbusDlg::IDC_ALL,        CVexbusDlg::IDC_LOG_LIST, CVexbusDlg::IDC_SUB_ADDR,  CVexbusDlg::IDC_BATCH_READ,
        CVexbusDlg::IDC_SLAVE_ADDR,
    };
    for (std::size_t i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), dlg->GetDlgItem(order[i])) << "step " << i;
    }
}

TEST_F(DialogFixture, ShowsAConnectedAdapterInBlueAndALostOneInRedOnTheNextTick)
{
    EXPECT_EQ(Probe(*dlg).Status()->text(), QStringLiteral("CH341已连接!"));
    EXPECT_EQ(Probe(*dlg).StatusColor(), kBlue);
    EXPECT_EQ(StatusColour(*dlg), kBlue);

    emulator.Unplug();
    EXPECT_EQ(Probe(*dlg).Status()->text(), QStringLiteral("CH341已连接!"));
    QTRY_COMPARE_WITH_TIMEOUT(Probe(*dlg).Status()->text(), QStringLiteral("CH341未连接!"), 1500);
    EXPECT_EQ(StatusColour(*dlg), kRed);

    emulator.Plug();
    QTRY_COMPARE_WITH_TIMEOUT(Probe(*dlg).Status()->text(), QStringLiteral("CH341已连接!"), 1500);
    EXPECT_EQ(StatusColour(*dlg), kBlue);
}

TEST_F(DialogFixture, TheRadioButtonsSwitchTheWidthAndCheckTheConnection)
{
    emulator.Unplug();
    Click(CVexbusDlg::IDC_16BITS);
    EXPECT_TRUE(Probe(*dlg).Bits16()->isChecked());
    EXPECT_FALSE(Probe(*dlg).Bits8()->isChecked());
    EXPECT_EQ(Probe(*dlg).Status()->text(), QStringLiteral("CH341未连接!"));
    EXPECT_EQ(StatusColour(*dlg), kRed);

    emulator.Plug();
    Click(CVexbusDlg::IDC_8BITS);
    EXPECT_TRUE(Probe(*dlg).Bits8()->isChecked());
    EXPECT_FALSE(Probe(*dlg).Bits16()->isChecked());
    EXPECT_EQ(Probe(*dlg).Status()->text(), QStringLiteral("CH341已连接!"));
    EXPECT_EQ(StatusColour(*dlg), kBlue);
}

class UnpluggedDialog : public DialogFixture {
protected:
    UnpluggedDialog() { pluggedAtStart = false; }
};

TEST_F(UnpluggedDialog, StartsRedWithoutAnAdapter)
{
    EXPECT_EQ(Probe(*dlg).Status()->text(), QStringLiteral("CH341未连接!"));
    EXPECT_EQ(Probe(*dlg).StatusColor(), kRed);
    EXPECT_EQ(StatusColour(*dlg), kRed);
}

TEST_F(DialogFixture, TheAboutEntryOpensTheAboutBox)
{
    QString title;
    bool hasIcon = false;
    QTimer::singleShot(0, [&] {
        QWidget* about = QApplication::activeModalWidget();
        ASSERT_NE(about, nullptr);
        title = about->windowTitle();
        for (QLabel* label : about->findChildren<QLabel*>())
            hasIcon = hasIcon || !label->pixmap().isNull();
        QTest::keyClick(about, Qt::Key_Return);
    });
    dlg->actions().at(0)->trigger();
    EXPECT_EQ(title, QStringLiteral("About Vexbus"));
    EXPECT_TRUE(hasIcon);
    EXPECT_FALSE(dlg->windowIcon().isNull());
    EXPECT_TRUE(dlg->isVisible());
}
