#include "BatchFixture.h"
#include "VexbusDlgProbe.h"
#include "platform/QtUiResponder.h"

#include <ostream>

namespace {

const std::string kPathLabel = "Load file as:";

class UnpluggedBatch : public BatchFixture {
protected:
    UnpluggedBatch() { pluggedAtStart = false; }
};

std::string PathLabel(const CVexbusDlg& dlg)
{
    return Probe(dlg).LoadPath()->text().toStdString();
}

} // namespace

TEST_F(BatchFixture, LoadAsksForAnyFileAndRunsItBetweenItsLogLines)
{
    // No extension: the first filter must offer it, and Load runs whatever opens.
    const std::string path = WriteFile("batch", "i2cw 1a 10 01\n");
    ui.fileNames.push_back(path);
    Click(CVexbusDlg::IDC_LOAD);

    ASSERT_EQ(ui.fileRequests.size(), 1u);
    const FileDialogRequest& request = ui.fileRequests[0];
    EXPECT_TRUE(request.open);
    EXPECT_EQ(request.defaultExt, "txt");
    EXPECT_EQ(request.initialName, "load");
    EXPECT_EQ(request.filter, "All Files (*.*)|*.*|Text File(*.txt)|*.txt|Batch File(*.bat)|*.bat|");
    EXPECT_EQ(QtUiResponder::NameFilters(request.filter).value(0), QStringLiteral("All Files (*)"));

    EXPECT_EQ(Log(), (std::vector<std::string>{"", "ChipID = 1A", path, "start to load bat file -- " + path,
                                               "i2cw 1a 10 01", Done(path)}));
    EXPECT_EQ(Writes(), std::vector<std::string>{"1a 10 01"});
    EXPECT_EQ(PathLabel(*dlg), path);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(Popup(), nullptr);
}

TEST_F(UnpluggedBatch, LoadGoesOnAfterChipDetectionFindsNoDevice)
{
    const std::string path = WriteFile("run.txt", "i2cw 1a 10 01\n");
    Load(path);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "CH341 未连接!");
    EXPECT_EQ(Log(), (std::vector<std::string>{"", path, "start to load bat file -- " + path, "i2cw 1a 10 01 failed",
                                               Done(path)}));
}

TEST_F(BatchFixture, CancelledFileDialogEndsLoadAfterChipDetection)
{
    Load(std::nullopt);
    EXPECT_EQ(Log(), (std::vector<std::string>{"", "ChipID = 1A"}));
    EXPECT_EQ(PathLabel(*dlg), kPathLabel);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_TRUE(Writes().empty());
}

TEST_F(BatchFixture, FileThatDoesNotOpenShowsTheErrorBoxAndKeepsLogAndPath)
{
    const std::string first = WriteFile("first.txt", "rem\n");
    Load(first);

    for (const std::string& path : {Folder() + "/missing.txt", first + "/through-a-file.txt"}) {
        SCOPED_TRACE(path);
        ui.boxes.clear();
        std::vector<std::string> expected = Log();
        expected.push_back("ChipID = 1A");
        Load(path);
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].text, "Open file failed");
        EXPECT_EQ(ui.boxes[0].caption, "Error");
        EXPECT_EQ(ui.boxes[0].type, static_cast<unsigned>(MB_OK));
        EXPECT_EQ(Log(), expected);
        EXPECT_EQ(PathLabel(*dlg), first);
        EXPECT_EQ(Popup(), nullptr);
    }
}

// Every read of a file open for appending only fails.
TEST_F(BatchFixture, ReadErrorEndsTheRunLikeTheEndOfTheFile)
{
    const std::string path = WriteFile("run.txt", "i2cw 1a 10 01\npause never\n");
    std::FILE* file = std::fopen(path.c_str(), "a");
    ASSERT_NE(file, nullptr);
    emulator.ClearLog();
    const std::vector<std::string> before = Log();
    dlg->RunBatch(file);
    std::fclose(file);
    EXPECT_EQ(Log(), before);
    EXPECT_TRUE(Writes().empty());
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(Popup(), nullptr);
}

TEST_F(BatchFixture, BinaryFileRunsToItsEndWithoutTouchingTheBus)
{
    std::string bytes;
    for (int pass = 0; pass < 4; ++pass)
        for (int b = 0; b < 256; ++b)
            bytes += static_cast<char>(b);
    const std::string path = WriteFile("image.bin", bytes);
    Load(path);
    EXPECT_FALSE(RunLog(path).empty());
    EXPECT_TRUE(Writes().empty());
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(Popup(), nullptr);
}
