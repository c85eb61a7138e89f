// The exports of the chip maps run through the batch runner on a chip that holds other values:
// every register an export names gets its value back.
#include "DialogFixture.h"
#include "tqLink/I2CLink.h"
#include "tqRegs/TQ7730Register.h"
#include "tqRegs/TQ7790Register.h"

#include <cstdio>
#include <memory>
#include <set>
#include <utility>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::uint8_t Known(int bank, int sub)
{
    return static_cast<std::uint8_t>(sub * 7 + bank * 29 + 0x35);
}

class MapExportTest : public DialogFixture {
protected:
    void SetUp() override
    {
        DialogFixture::SetUp();
        for (int bank = 0; bank < BankedSlave::kPages; ++bank)
            for (int sub = 0; sub < BankedSlave::kPageRegister; ++sub)
                emulator.Slave().Paged(bank, static_cast<std::uint8_t>(sub)) = Known(bank, sub);
    }

    // The (bank, sub-address) pairs that the export's "i2crw" lines give a value, the bank
    // followed through the lines that write the bank register.
    static std::set<std::pair<int, int>> Named(std::FILE* file, std::uint8_t bankReg)
    {
        std::set<std::pair<int, int>> named;
        int bank = -1;
        std::rewind(file);
        for (char line[64]; std::fgets(line, sizeof line, file);) {
            unsigned slave = 0, sub = 0, value = 0;
            if (std::sscanf(line, "i2crw %x %x %x", &slave, &sub, &value) != 3)
                continue;
            EXPECT_EQ(slave, 0x1Au);
            if (sub == bankReg)
                bank = static_cast<int>(value);
            else
                named.insert({bank, static_cast<int>(sub)});
        }
        return named;
    }

    // Overwrites the named registers, runs the file, and checks each got its value back.
    void Restore(std::FILE* file, const std::set<std::pair<int, int>>& named)
    {
        for (const auto& [b, sub] : named)
            emulator.Slave().Paged(b, static_cast<std::uint8_t>(sub)) = static_cast<std::uint8_t>(~Known(b, sub));
        std::rewind(file);
        dlg->RunBatch(file);
        for (const auto& [b, sub] : named)
            EXPECT_EQ(emulator.Slave().Paged(b, static_cast<std::uint8_t>(sub)), Known(b, sub))
                << "bank " << b << " sub " << sub;
    }
};

TEST_F(MapExportTest, TQ7730)
{
    g_pLink->Write8(0x1A, TQ7730Register::kBankRegister, 3);
    const FilePtr file(std::tmpfile());
    g_tq7730Register.WriteAllRegister(file.get());
    const auto named = Named(file.get(), TQ7730Register::kBankRegister);
    EXPECT_EQ(named.size(), 444u);
    Restore(file.get(), named);
    EXPECT_EQ(emulator.Slave().Page(), 0);
}

TEST_F(MapExportTest, TQ7790)
{
    g_pLink->Write8(0x1A, TQ7790Register::kBankRegister, 3);
    const FilePtr file(std::tmpfile());
    g_tq7790Register.WriteAllRegister(file.get());
    const auto named = Named(file.get(), TQ7790Register::kBankRegister);
    EXPECT_EQ(named.size(), 1058u);
    Restore(file.get(), named);
    EXPECT_EQ(emulator.Slave().Page(), 6) << "the file ends in the last block's bank";
}

} // namespace
