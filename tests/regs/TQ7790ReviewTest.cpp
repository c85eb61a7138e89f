// The TQ7790 register set against a link whose device address changes while an operation runs,
// and the field table against the blocks of the export.
#include "RegsFixture.h"
#include "tqRegs/TQ7790Fields.h"
#include "tqRegs/TQ7790Register.h"

#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr std::uint8_t kDevice = 0x1A;
constexpr std::uint8_t kOther = 0x50; // nothing answers there

std::string_view NameOf(const RegField& field)
{
    const std::string_view padded = field.name.View();
    return padded.substr(0, padded.find_last_not_of(' ') + 1);
}

const RegField& Field(std::string_view name)
{
    return FieldNamed(g_tq7790Fields, name);
}

class TQ7790ReviewTest : public RegsFixture {
protected:
    void SetUp() override
    {
        RegsFixture::SetUp();
        KnownBankedState();
    }

    // The link's device address becomes kOther once `after` transactions have been made.
    void MoveDeviceAfter(std::size_t after)
    {
        emulator.SetPlugSource([this, after] {
            if (emulator.Transactions().size() >= after)
                g_pLink->SetDeviceAddress(kOther);
            return true;
        });
    }

    // The address byte of each transaction, with its read/write bit cleared.
    std::vector<std::uint8_t> Slaves() const
    {
        std::vector<std::uint8_t> slaves;
        for (const I2CTransaction& t : emulator.Transactions())
            slaves.push_back(static_cast<std::uint8_t>(t.written.at(0) & 0xFE));
        return slaves;
    }
};

struct MoveCase {
    const char* name;
    std::size_t after; // transactions made at the old address
    std::function<void()> run;
    std::size_t transactions;
};

// Each transfer asks the link for the address, so a change in the middle of an operation takes
// effect at the next transfer.
TEST_F(TQ7790ReviewTest, EveryTransferAsksForTheDeviceAddress)
{
    const std::vector<MoveCase> cases = {
        {"identification, after the bank and the first byte", 2, [] { g_tq7790Register.CheckChipId(); }, 4},
        {"field read, after the bank", 1, [] { g_tq7790Register.ReadField(Field("pad_gpio_o_")); }, 23},
        {"field write, between the read and the write of a shared byte", 4,
         [] { g_tq7790Register.WriteField(0, Field("pad_gpio_o_")); }, 5},
        {"dump, before the bank is put back", 7841,
         [] {
             const FilePtr file(std::tmpfile());
             g_tq7790Register.SaveToTxt(file.get());
         },
         7842},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.name);
        g_pLink->SetDeviceAddress(kDevice);
        emulator.ClearLog();
        MoveDeviceAfter(c.after);
        c.run();
        emulator.SetPlugSource({});
        std::vector<std::uint8_t> expected(c.transactions, kDevice);
        std::fill(expected.begin() + static_cast<std::ptrdiff_t>(c.after), expected.end(), kOther);
        EXPECT_EQ(Slaves(), expected);
    }
}

TEST_F(TQ7790ReviewTest, EveryExportLineCarriesTheAddressOfItsTransfer)
{
    // The bank read, the bank selection and the read of 0x50 at the old address; the line of 0x50,
    // written after its read, already at the new one.
    MoveDeviceAfter(3);
    const FilePtr file(std::tmpfile());
    g_tq7790Register.WriteAllRegister(file.get());
    const std::string text = Contents(file.get());
    EXPECT_TRUE(text.starts_with("remFirstSeg\n\nrem PAD Register Settings:\ni2crw 1a f0 00\ni2crw 50 50 65\n"
                                 "i2crw 50 51 00\ni2crw 50 52 00\n"))
        << text.substr(0, 120);
    EXPECT_NE(text.find("\nrem vds Register Setting:\ni2crw 50 f0 06\ni2crw 50 00 00\n"), std::string::npos);
    const std::vector<std::uint8_t> slaves = Slaves();
    ASSERT_EQ(slaves.size(), 1079u);
    EXPECT_EQ(std::vector<std::uint8_t>(slaves.begin(), slaves.begin() + 3), std::vector<std::uint8_t>(3, kDevice));
    EXPECT_EQ(std::vector<std::uint8_t>(slaves.begin() + 3, slaves.end()), std::vector<std::uint8_t>(1076, kOther));
}

// Derived from the table rows, the export blocks and the dump layout by a script, independently
// of this code, for the device of SetUp.
std::string ExpectedFile(const char* name)
{
    return FileText(std::string(TQ7790_DATA_DIR) + "/" + name);
}

struct CancelCase {
    const char* file;
    const char* title;
    std::function<void(std::FILE*)> run;
    int minimum;
    int maximum;
    std::size_t transactions;
};

// Neither the export nor the dump steps its window or looks at its Cancel button: a click on it
// halfway changes nothing.
TEST_F(TQ7790ReviewTest, CancelHalfwayChangesNothing)
{
    const std::vector<CancelCase> cases = {
        {"tq7790_export.bat", "Write tq all register.",
         [](std::FILE* file) { g_tq7790Register.WriteAllRegister(file); }, 0, 499, 1079},
        {"tq7790_dump.txt", "Save to txt", [](std::FILE* file) { g_tq7790Register.SaveToTxt(file); }, 0, 100, 7842},
    };
    for (const CancelCase& c : cases) {
        SCOPED_TRACE(c.title);
        g_pLink->Write8(kDevice, 0xF0, 3);
        emulator.ClearLog();
        bool clicked = false;
        std::optional<std::pair<int, int>> range;
        std::optional<int> value;
        emulator.SetPlugSource([&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* bar = w->findChild<QProgressBar*>();
                auto* cancel = w->findChild<QPushButton*>();
                if (!bar || !cancel || w->windowTitle() != c.title)
                    continue;
                range = {bar->minimum(), bar->maximum()};
                value = bar->value();
                if (!clicked && emulator.Transactions().size() >= c.transactions / 2) {
                    cancel->click();
                    clicked = true;
                }
            }
            return true;
        });
        const FilePtr file(std::tmpfile());
        c.run(file.get());
        emulator.SetPlugSource({});
        EXPECT_TRUE(clicked);
        EXPECT_EQ(Contents(file.get()), ExpectedFile(c.file));
        EXPECT_EQ(emulator.Transactions().size(), c.transactions);
        EXPECT_EQ(emulator.Slave().Page(), 3);
        EXPECT_EQ(range, (std::pair<int, int>{c.minimum, c.maximum}));
        EXPECT_EQ(value, 0);
    }
}

// Bank, first and last sub-address of each block of the export, in the order written.
struct ExportBlock {
    int bank;
    int first;
    int last;
};

constexpr ExportBlock kExportBlocks[] = {
    {0, 0x50, 0x7f}, {0, 0x80, 0x8f}, {0, 0x90, 0xaf}, {0, 0xb4, 0xb5}, {0, 0xc0, 0xcf}, {1, 0x00, 0x7f},
    {2, 0x20, 0x3f}, {2, 0x40, 0x7f}, {2, 0x80, 0x9f}, {2, 0xa0, 0xaf}, {2, 0xb0, 0xdf}, {2, 0xe0, 0xef},
    {3, 0xa0, 0xaf}, {3, 0xb0, 0xbf}, {3, 0xc0, 0xdf}, {4, 0x00, 0xef}, {5, 0x00, 0xef}, {6, 0x00, 0x3f},
};

// Sub-addresses inside the blocks that hold no field, per bank, as inclusive ranges.
const std::map<int, std::vector<std::pair<int, int>>> kEmptyInBlocks = {
    {0, {{0x7d, 0x7f}, {0x8e, 0x8f}, {0xac, 0xaf}, {0xc4, 0xc4}, {0xc6, 0xc9}, {0xcb, 0xce}}},
    {1, {{0x17, 0x17}, {0x1b, 0x1b}, {0x39, 0x3f}, {0x78, 0x7f}}},
    {2, {{0x3c, 0x3f}, {0x98, 0x9f}, {0xa2, 0xa2}, {0xa9, 0xaf}, {0xc6, 0xc9}, {0xd4, 0xdf}}},
    {3, {{0xae, 0xb0}, {0xbd, 0xbf}, {0xc7, 0xc7}, {0xd8, 0xd8}, {0xda, 0xdf}}},
    {4, {{0x6e, 0x6e}, {0xbb, 0xbb}, {0xc2, 0xef}}},
    {5, {{0x38, 0x3f}, {0x9c, 0x9f}, {0xac, 0xaf}, {0xc1, 0xcf}, {0xd8, 0xef}}},
    {6, {{0x01, 0x01}}},
};

// Loading an export writes back every register bit that a field names.
TEST(TQ7790ExportBlocks, EveryFieldLiesInOneBlockAndTheRestOfTheBlocksIsEmpty)
{
    std::set<std::pair<int, int>> withField;
    for (const RegField& field : g_tq7790Fields) {
        const int firstSub = field.start_addr / 8;
        const int lastSub = (field.start_addr + field.length - 1) / 8;
        int blocks = 0;
        for (const ExportBlock& block : kExportBlocks)
            blocks += block.bank == field.bank && block.first <= firstSub && lastSub <= block.last ? 1 : 0;
        EXPECT_EQ(blocks, 1) << NameOf(field);
        for (int sub = firstSub; sub <= lastSub; ++sub)
            withField.insert({field.bank, sub});
    }

    std::set<std::pair<int, int>> expected;
    int registers = 0;
    for (const ExportBlock& block : kExportBlocks) {
        registers += block.last - block.first + 1;
        for (int sub = block.first; sub <= block.last; ++sub)
            expected.insert({block.bank, sub});
    }
    EXPECT_EQ(registers, 1058);
    for (const auto& [bank, ranges] : kEmptyInBlocks)
        for (const auto& [first, last] : ranges)
            for (int sub = first; sub <= last; ++sub)
                EXPECT_EQ(expected.erase({bank, sub}), 1u) << bank << " " << sub;
    EXPECT_EQ(withField, expected);
}

} // namespace
