// Save and Save Logs into a folder that cannot be written: the user is told, nothing is lost.
#include "FaultFixture.h"
#include "VexbusDlgProbe.h"
#include "WithoutFileOverride.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class ReadOnlyFolder : public FaultFixture {
protected:
    void SetUp() override
    {
        FaultFixture::SetUp();
        locked = Path("locked");
        fs::create_directory(locked);
        fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                    fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    }

    void TearDown() override
    {
        fs::permissions(locked, fs::perms::owner_all, fs::perm_options::add);
        FaultFixture::TearDown();
    }

    // Whether a file can be created in the folder now.
    bool Writable() const
    {
        const std::string probe = (fs::path(locked) / "probe").string();
        const int fd = ::open(probe.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        if (fd < 0)
            return false;
        ::close(fd);
        fs::remove(probe);
        return true;
    }

    void ExpectOpenFailedBox()
    {
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].text, "Open file failed");
        EXPECT_EQ(ui.boxes[0].caption, "Error");
        EXPECT_EQ(ui.boxes[0].type, MB_OK);
    }

    static std::vector<std::string> FileLines(const std::string& path)
    {
        std::vector<std::string> lines;
        std::ifstream file(path);
        for (std::string line; std::getline(file, line);)
            lines.push_back(line);
        return lines;
    }

    std::string locked;
};

TEST_F(ReadOnlyFolder, SaveTellsTheUserAndASaveElsewhereStillWorks)
{
    emulator.Slave().Paged(0, 0x01) = 0x5A;
    Edit(CVexbusDlg::IDC_SLAVE_ADDR)->setText(QStringLiteral("1A"));
    Edit(CVexbusDlg::IDC_END_ADDR)->setText(QStringLiteral("1"));
    const std::string refused = (fs::path(locked) / "save.bat").string();
    {
        const WithoutFileOverride noOverride;
        if (Writable())
            GTEST_SKIP() << "this user can write into a read-only folder";
        const std::size_t from = Log().size();
        ClickWithFile(CVexbusDlg::IDC_SAVE, refused);
        ExpectOpenFailedBox();
        EXPECT_EQ(LogFrom(from), std::vector<std::string>{"ChipID = 1A"});
    }
    EXPECT_FALSE(fs::exists(refused));
    EXPECT_EQ(Probe(*dlg).SavePath()->text().toStdString(), "Save as file:");

    ui.boxes.clear();
    const std::string elsewhere = Path("save.bat");
    ClickWithFile(CVexbusDlg::IDC_SAVE, elsewhere);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(FileLines(elsewhere), (std::vector<std::string>{"i2crw 1a 00 00", "i2crw 1a 01 5a"}));
}

TEST_F(ReadOnlyFolder, SaveLogsTellsTheUserAndKeepsEveryLineForASaveElsewhere)
{
    for (int i = 0; i < 50; ++i)
        dlg->AddLog("line " + std::to_string(i));
    const std::vector<std::string> before = Log();
    const std::string refused = (fs::path(locked) / "log.txt").string();
    {
        const WithoutFileOverride noOverride;
        if (Writable())
            GTEST_SKIP() << "this user can write into a read-only folder";
        ClickWithFile(CVexbusDlg::IDC_SAVE_LOGS, refused);
        ExpectOpenFailedBox();
    }
    EXPECT_FALSE(fs::exists(refused));
    EXPECT_EQ(Log(), before) << "nothing logged, nothing lost";

    ui.boxes.clear();
    const std::string elsewhere = Path("log.txt");
    ClickWithFile(CVexbusDlg::IDC_SAVE_LOGS, elsewhere);
    EXPECT_TRUE(ui.boxes.empty());
    std::vector<std::string> expected = before;
    expected.push_back("save to txt file -- log.txt");
    EXPECT_EQ(FileLines(elsewhere), expected);
}

} // namespace
