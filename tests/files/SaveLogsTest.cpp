#include "FileSizeLimit.h"
#include "FilesFixture.h"
#include "VexbusDlgProbe.h"

#include <algorithm>

namespace {

TEST_F(FilesFixture, SaveLogsWritesEveryLineAfterStartUpAndARead)
{
    ASSERT_EQ(LogLines(), std::vector<std::string>{});
    ASSERT_EQ(Probe(*dlg).Log()->GetItemCount(), 1);
    emulator.Slave().Paged(0, 0x00) = 0x11;
    Type(CVexbusDlg::IDC_SLAVE_ADDR, QStringLiteral("1A"));
    Click(CVexbusDlg::IDC_READ);
    ClickWithFile(CVexbusDlg::IDC_SAVE_LOGS, Path("log.txt"));

    EXPECT_EQ(Contents(Path("log.txt")), "\ni2cr 1a 00 -> 11\nsave to txt file -- log.txt\n");
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"i2cr 1a 00 -> 11", "save to txt file -- log.txt",
                                                    "save to txt file done -- log.txt"}));
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    const FileDialogRequest& request = ui.fileRequests[0];
    EXPECT_FALSE(request.open);
    EXPECT_EQ(request.defaultExt, "txt");
    EXPECT_EQ(request.initialName, "log");
    EXPECT_EQ(request.filter, "Text File(*.txt)|*.txt|");
    EXPECT_TRUE(request.overwritePrompt);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(emulator.Transactions().size(), 1u) << "only the Read, no chip detection";
}

TEST_F(FilesFixture, ClearEmptiesTheListAndSaveLogsThenWritesOnlyItsOwnLine)
{
    Edit(CVexbusDlg::IDC_SLAVE_ADDR)->setText(QStringLiteral("1A"));
    dlg->AddLog("before");
    Restart();
    Click(CVexbusDlg::IDC_CLEAR);
    EXPECT_EQ(Probe(*dlg).Log()->GetItemCount(), 0);
    EXPECT_EQ(Text(CVexbusDlg::IDC_SLAVE_ADDR), "1A");
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_TRUE(emulator.Transactions().empty());

    logStart = 0;
    ClickWithFile(CVexbusDlg::IDC_SAVE_LOGS, Path("cleared.txt"));
    EXPECT_EQ(Contents(Path("cleared.txt")), "save to txt file -- cleared.txt\n");
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{"save to txt file -- cleared.txt", "save to txt file done -- cleared.txt"}));
}

TEST_F(FilesFixture, SaveLogsWritesLinesUnchanged)
{
    Click(CVexbusDlg::IDC_CLEAR);
    dlg->AddLog("*** Unknown cmd rem 50% %s%n%d ***");
    dlg->AddLog("  tab\there ");
    ClickWithFile(CVexbusDlg::IDC_SAVE_LOGS, Path("percent.txt"));
    EXPECT_EQ(Contents(Path("percent.txt")),
              "*** Unknown cmd rem 50% %s%n%d ***\n  tab\there \nsave to txt file -- percent.txt\n");
}

// A chosen name and whether Save Logs writes the log into it.
struct LogName {
    const char* name;
    bool written;
};

void PrintTo(const LogName& n, std::ostream* os)
{
    *os << n.name;
}

class SaveLogsName : public FilesFixture, public ::testing::WithParamInterface<LogName> {};

TEST_P(SaveLogsName, OnlyATxtExtensionInAnyCaseGetsTheLog)
{
    const LogName& n = GetParam();
    const std::string path = Path(n.name);
    WriteFile(path, "old contents\n");
    Click(CVexbusDlg::IDC_CLEAR);
    Restart();
    logStart = 0;
    ClickWithFile(CVexbusDlg::IDC_SAVE_LOGS, path);
    EXPECT_TRUE(ui.boxes.empty());
    if (n.written) {
        const std::string line = "save to txt file -- " + std::string(n.name);
        EXPECT_EQ(Contents(path), line + "\n");
        EXPECT_EQ(LogLines(), (std::vector<std::string>{line, "save to txt file done -- " + std::string(n.name)}));
    } else {
        EXPECT_EQ(Contents(path), "") << "created or cut to nothing";
        EXPECT_TRUE(LogLines().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Files, SaveLogsName,
                         ::testing::Values(LogName{"LOG.TXT", true}, LogName{"mixed.TxT", true}, LogName{".txt", true},
                                           LogName{"log.log", false}, LogName{"txt", false},
                                           LogName{"log.txt.bak", false}, LogName{"log.", false}),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

TEST_F(FilesFixture, SaveLogsStopsWhenCancelledOrTheFileCannotBeCreated)
{
    Click(CVexbusDlg::IDC_SAVE_LOGS);
    EXPECT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_TRUE(ui.boxes.empty());

    for (const char* name : {"missing/log.txt", "missing/log.log"}) {
        Restart();
        ClickWithFile(CVexbusDlg::IDC_SAVE_LOGS, Path(name));
        ASSERT_EQ(ui.boxes.size(), 1u) << name;
        EXPECT_EQ(ui.boxes[0].text, "Open file failed");
        EXPECT_EQ(ui.boxes[0].caption, "Error");
        EXPECT_EQ(ui.boxes[0].type, MB_OK);
        EXPECT_TRUE(LogLines().empty());
    }
}

TEST_F(FilesFixture, SaveLogsReportsAWriteErrorInsteadOfDone)
{
    // Enough lines that the error also comes while writing, not only when closing.
    for (int i = 0; i < 2000; ++i)
        dlg->AddLog("line " + std::to_string(i));
    Restart();
    {
        const FileSizeLimit full(1000);
        ClickWithFile(CVexbusDlg::IDC_SAVE_LOGS, Path("full.txt"));
    }
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Write file failed");
    EXPECT_EQ(ui.boxes[0].caption, "Error");
    EXPECT_EQ(ui.boxes[0].type, MB_OK);
    EXPECT_EQ(LogLines(), std::vector<std::string>{"save to txt file -- full.txt"});
}

// Every file dialog opens in the folder of the file chosen last, by whichever dialog; a
// cancelled dialog changes nothing.
TEST_F(FilesFixture, EachFileDialogOpensInTheFolderChosenLast)
{
    std::filesystem::create_directories(folder / "a");
    std::filesystem::create_directories(folder / "b");
    WriteFile(Path("b/run.txt"), "rem\n");
    SetRange(false, "0", "0", "1A");

    ClickWithFile(CVexbusDlg::IDC_SAVE, Path("a/regs.bat"));
    Click(CVexbusDlg::IDC_SAVE_LOGS); // cancelled
    ClickWithFile(CVexbusDlg::IDC_LOAD, Path("b/run.txt"));
    ClickWithFile(CVexbusDlg::IDC_SAVE_LOGS, Path("a/log.txt"));
    Click(CVexbusDlg::IDC_SAVE); // cancelled

    ASSERT_EQ(ui.fileRequests.size(), 5u);
    const std::vector<std::string> opened = {ui.fileRequests[1].directory, ui.fileRequests[2].directory,
                                             ui.fileRequests[3].directory, ui.fileRequests[4].directory};
    EXPECT_EQ(opened, (std::vector<std::string>{Path("a"), Path("a"), Path("b"), Path("a")}));
}

} // namespace
