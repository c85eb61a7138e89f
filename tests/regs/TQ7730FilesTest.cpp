#include "TQ7730Fixture.h"
#include "tqRegs/Txtproc.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QProgressBar>
#include <QWidget>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The expected files were derived from the table rows, the dump layout and the export's pass
// table by a script, for the known state, independently of this code.
std::string Expected(const char* name)
{
    return FileText(std::string(TQ7730_DATA_DIR) + "/" + name);
}

// The one top-level window with a progress bar of its own.
QWidget* Popup()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->findChild<QProgressBar*>(QString(), Qt::FindDirectChildrenOnly))
            return w;
    return nullptr;
}

class TQ7730FilesTest : public TQ7730Fixture {
protected:
    std::string Dump()
    {
        FilePtr file(std::tmpfile());
        g_tq7730Register.SaveToTxt(file.get());
        return Contents(file.get());
    }

    std::string Export()
    {
        FilePtr file(std::tmpfile());
        g_tq7730Register.WriteAllRegister(file.get());
        return Contents(file.get());
    }

    std::size_t Count(bool reads, std::uint8_t sub = 0, bool anySub = true) const
    {
        return static_cast<std::size_t>(
            std::count_if(emulator.Transactions().begin(), emulator.Transactions().end(), [&](const I2CTransaction& t) {
                return (t.read != 0) == reads && (anySub || t.written.at(1) == sub);
            }));
    }

    static std::string Line(int sub, int value)
    {
        char text[32];
        std::snprintf(text, sizeof text, "i2crw 1a %02x %02x", sub, value);
        return text;
    }
};

} // namespace

TEST_F(TQ7730FilesTest, DumpOfTheKnownStateMatchesTheExpectedFile)
{
    KnownBankedState();
    std::string title;
    int bar = -1;
    WhenTransactions(1, [&] {
        if (QWidget* popup = Popup()) {
            title = popup->windowTitle().toStdString();
            bar = popup->findChild<QProgressBar*>(QString(), Qt::FindDirectChildrenOnly)->value();
        }
    });
    const std::string dump = Dump();
    EXPECT_EQ(dump, Expected("tq7730_dump.txt"));
    EXPECT_EQ(title, "Save to txt");
    EXPECT_EQ(bar, 0);
    EXPECT_EQ(Popup(), nullptr);

    // One bank selection per field line, one read per bit, and the last field's bank left.
    EXPECT_EQ(Count(false, 0xF4, false), 851u);
    EXPECT_EQ(Count(false), 851u);
    EXPECT_EQ(Count(true), 3426u);
    EXPECT_EQ(emulator.Slave().Page(), 2);
}

TEST_F(TQ7730FilesTest, ExportOfTheKnownStateMatchesTheExpectedFile)
{
    KnownBankedState();
    const std::string batch = Export();
    EXPECT_EQ(batch, Expected("tq7730_export.bat"));
    EXPECT_EQ(Count(true), 451u);
    EXPECT_EQ(Count(false), 11u);
    EXPECT_EQ(Count(false, 0xF4, false), 11u);
    const std::vector<Bytes> bus = Bus();
    ASSERT_GE(bus.size(), 3u);
    EXPECT_EQ(bus.front(), Read8(0xF4));
    EXPECT_EQ(bus[bus.size() - 2], Write8(0xF4, 0x02));
    EXPECT_EQ(bus.back(), Write8(0xF4, 0x03));
    EXPECT_EQ(emulator.Slave().Page(), 3);
    EXPECT_EQ(Popup(), nullptr);
}

TEST_F(TQ7730FilesTest, CancelledExportStillWritesItsFixedLines)
{
    // Where the lines of the bank passes stand in the whole file (from 0), and the lines of bank 4
    // 0x85 and 0x86, which follow that of 0x2A (line 150); every other line is written anyway.
    const std::pair<int, int> passLines[] = {{1, 21},    {23, 101},  {108, 150}, {153, 188},
                                             {190, 246}, {248, 335}, {339, 455}};
    const int extras[] = {151, 152};

    struct Case {
        const char* name;
        std::size_t escDuring; // transaction during which ESC is pressed
        int written;           // registers of the passes written before the cancel
    };
    // Transactions: 0 reads the saved bank, 1 selects bank 0, 2 to 22 read its registers; a
    // register being read when the key comes is still written, and the next pump sees the key.
    // Bank 4's 0x00 is read by transaction 109, its 0x85 by 152.
    const Case cases[] = {
        {"before the first register", 1, 0},
        {"in the first pass", 5, 4},
        {"in bank 4 before 0x2A", 119, 21 + 79 + 11},
        {"in bank 4 right after 0x2A", 152, 21 + 79 + 43},
    };
    const std::vector<std::string> whole = Lines(Expected("tq7730_export.bat"));
    ASSERT_EQ(whole.size(), 461u);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KnownBankedState();
        WhenTransactions(c.escDuring + 1, [] {
            QWidget* popup = Popup();
            ASSERT_NE(popup, nullptr);
            QCoreApplication::postEvent(popup, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, "\x1b"));
            QCoreApplication::postEvent(popup,
                                        new QKeyEvent(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier, "\x1b"));
        });
        const std::vector<std::string> lines = Lines(Export());
        emulator.SetPlugSource(nullptr);

        std::vector<std::string> want;
        int ordinal = 0;
        bool reached2A = false;
        for (int i = 0; i < static_cast<int>(whole.size()); ++i) {
            const bool pass = std::any_of(std::begin(passLines), std::end(passLines),
                                          [i](const auto& range) { return i >= range.first && i <= range.second; });
            const bool extra = i == extras[0] || i == extras[1];
            if (pass) {
                if (ordinal++ >= c.written)
                    continue;
                reached2A = reached2A || i == 150;
            } else if (extra && !reached2A) {
                continue;
            }
            want.push_back(whole[static_cast<std::size_t>(i)]);
        }
        EXPECT_EQ(lines, want);
        EXPECT_EQ(Count(true), 1u + static_cast<std::size_t>(c.written) + (reached2A ? 10u : 8u));
        EXPECT_EQ(emulator.Slave().Page(), 3);
        EXPECT_EQ(Popup(), nullptr);
    }
}

TEST_F(TQ7730FilesTest, NullFileIsANoOp)
{
    KnownBankedState();
    g_tq7730Register.SaveToTxt(nullptr);
    g_tq7730Register.WriteAllRegister(nullptr);
    g_tq7730Register.PrintField(g_tq7730Fields.front(), nullptr);
    EXPECT_TRUE(Bus().empty());
    EXPECT_EQ(Popup(), nullptr);
}

TEST_F(TQ7730FilesTest, FailedReadsGiveZeroesAndBankZeroIsRestored)
{
    KnownBankedState();
    g_pLink->SetDeviceAddress(0x50); // nothing answers there
    const std::vector<std::string> batch = Lines(Export());
    ASSERT_EQ(batch.size(), 461u);
    for (const std::string& line : batch) {
        if (!line.empty() && !line.starts_with("i2crw 50 f4")) {
            EXPECT_TRUE(line.starts_with("i2crw 50 ") && (line.ends_with(" 00") || line == "i2crw 50 00 10")) << line;
        }
    }
    const std::vector<Bytes> bus = Bus();
    EXPECT_EQ(bus[bus.size() - 2], (Bytes{0x50, 0xF4, 0x02}));
    EXPECT_EQ(bus.back(), (Bytes{0x50, 0xF4, 0x00}));

    emulator.ClearLog();
    const std::vector<std::string> dump = Lines(Dump());
    ASSERT_EQ(dump.size(), 1088u);
    for (std::size_t i = 0; i < dump.size(); ++i) {
        const std::string& line = dump[i];
        // A field line written by the register set has its value right after the 49 columns.
        if (line.size() > 49 && line[0] != '#' && line.compare(0, 9, "pllad_lat") != 0 &&
            line.compare(0, 10, "pa_adc_lat") != 0 && line.compare(0, 9, "pa_sp_lat") != 0) {
            EXPECT_EQ(line.substr(49, 2), "0\t") << line;
        }
    }
    EXPECT_EQ(Count(false, 0xF4, false), 851u);
}

TEST_F(TQ7730FilesTest, LoadedDumpGivesBackEveryField)
{
    KnownBankedState();
    std::vector<std::int32_t> dumped;
    for (const RegField& field : g_tq7730Fields)
        dumped.push_back(g_tq7730Register.ReadField(field));
    FilePtr file(std::tmpfile());
    g_tq7730Register.SaveToTxt(file.get());

    // Something else in every register, then the file.
    for (int bank = 0; bank < BankedSlave::kPages; ++bank)
        for (int sub = 0; sub < 0xF0; ++sub)
            emulator.Slave().Paged(bank, static_cast<std::uint8_t>(sub)) =
                static_cast<std::uint8_t>(~KnownByte(bank, sub) ^ sub);
    std::rewind(file.get());
    g_txtproc.Load(file.get());
    EXPECT_FALSE(host.lines.empty());

    for (std::size_t row = 0; row < g_tq7730Fields.size(); ++row) {
        const RegField& field = g_tq7730Fields[row];
        const std::string_view name = field.name.View().substr(0, field.name.View().find(' '));
        // The trailer sets the triggers.
        const bool trigger = name == "pllad_lat" || name == "pa_adc_lat" || name == "pa_sp_lat";
        EXPECT_EQ(g_tq7730Register.ReadField(field), trigger ? 1 : dumped[row]) << name;
    }
}
