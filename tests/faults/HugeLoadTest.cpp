// Load of a 100 MB batch file: one comment line of 400 000 pieces, run to its end or cancelled,
// with nothing kept per piece.
#include "CancelAfterPumps.h"
#include "FaultFixture.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kFileSize = 100u * 1024 * 1024;
// The runner reads a line in pieces of 254 characters and shows and pumps once for each.
constexpr std::size_t kPiece = 254;
constexpr int kPieces = static_cast<int>((kFileSize + kPiece - 1) / kPiece);
// The memory that a run may take on top of what it had, whatever its number of lines. An
// AddressSanitizer build keeps freed memory aside and grows anyway; its leak check stands in.
#if defined(__SANITIZE_ADDRESS__)
constexpr long kMaxGrowthKb = -1;
#else
constexpr long kMaxGrowthKb = 64 * 1024;
#endif

long ResidentKb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return 0;
}

QPushButton* CancelButton()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowTitle().startsWith(QStringLiteral("Write to target machine")))
            return window->findChild<QPushButton*>();
    }
    return nullptr;
}

class HugeLoad : public FaultFixture {
protected:
    void SetUp() override
    {
        FaultFixture::SetUp();
        path = Path("huge.bat");
        std::ofstream file(path, std::ios::binary);
        const std::string blanks(1024 * 1024, ' ');
        file << "rem";
        for (std::size_t left = kFileSize - 3; left > 0;) {
            const std::size_t n = std::min(left, blanks.size());
            file.write(blanks.data(), static_cast<std::streamsize>(n));
            left -= n;
        }
        ASSERT_TRUE(file.good());
    }

    void TearDown() override
    {
        std::filesystem::remove(path);
        FaultFixture::TearDown();
    }

    std::vector<std::string> LoadLines() const
    {
        return {"ChipID = 1A", path, "start to load bat file -- " + path,
                "#### OK ####  load bat file done -- " + path};
    }

    std::string path;
};

TEST_F(HugeLoad, RunsToItsEndWithoutGrowingPerLine)
{
    const long before = ResidentKb();
    long peak = before;
    QTimer sample;
    sample.setInterval(50);
    sample.callOnTimeout([&] { peak = std::max(peak, ResidentKb()); });
    sample.start();
    const std::size_t from = Log().size();
    int pumps = 0;
    {
        const CancelAfterPumps never(kPieces + 1);
        ClickWithFile(CVexbusDlg::IDC_LOAD, path);
        pumps = never.Pumps();
    }

    sample.stop();
    EXPECT_EQ(pumps, kPieces) << "every piece was shown";
    EXPECT_EQ(LogFrom(from), LoadLines()) << "blank pieces run nothing and log nothing";
    EXPECT_TRUE(ui.boxes.empty());
    if (kMaxGrowthKb >= 0) {
        EXPECT_LT(peak - before, kMaxGrowthKb) << "memory grew with the lines";
    }
    EXPECT_EQ(CancelButton(), nullptr) << "the progress window went with the run";
}

TEST_F(HugeLoad, CancelEndsTheRunAtTheNextLine)
{
    constexpr int kPumps = 1000;
    const std::size_t from = Log().size();
    int pumps = 0;
    {
        const CancelAfterPumps cancel(kPumps);
        ClickWithFile(CVexbusDlg::IDC_LOAD, path);
        pumps = cancel.Pumps();
        ASSERT_TRUE(cancel.Clicked());
    }
    EXPECT_EQ(pumps, kPumps) << "a line was run after Cancel";
    EXPECT_EQ(LogFrom(from), LoadLines());
    EXPECT_EQ(CancelButton(), nullptr);
}

} // namespace
