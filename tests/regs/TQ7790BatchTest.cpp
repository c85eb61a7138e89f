#include "RegsFixture.h"
#include "TQ7790Register.h"

namespace {

class TQ7790BatchTest : public RegsFixture {};

std::uint8_t Pattern(int bank, int sub)
{
    return static_cast<std::uint8_t>(sub * 7 + bank * 29 + 0x35);
}

TEST_F(TQ7790BatchTest, RunningTheExportRestoresEveryExportedRegister)
{
    constexpr int kBanks = 7;
    for (int bank = 0; bank < kBanks; ++bank)
        for (int sub = 0; sub < BankedSlave::kPageRegister; ++sub)
            emulator.Slave().Paged(bank, static_cast<std::uint8_t>(sub)) = Pattern(bank, sub);
    g_pLink->Write8(0x1A, 0xF0, 3);
    const FilePtr file(std::tmpfile());
    g_tq7790Register.WriteAllRegister(file.get());

    for (int bank = 0; bank < kBanks; ++bank)
        for (int sub = 0; sub < BankedSlave::kPageRegister; ++sub)
            emulator.Slave().Paged(bank, static_cast<std::uint8_t>(sub)) =
                static_cast<std::uint8_t>(~Pattern(bank, sub));
    std::rewind(file.get());
    dlg->RunBatch(file.get());

    int restored = 0;
    for (int bank = 0; bank < kBanks; ++bank)
        for (int sub = 0; sub < BankedSlave::kPageRegister; ++sub)
            restored += emulator.Slave().Paged(bank, static_cast<std::uint8_t>(sub)) == Pattern(bank, sub) ? 1 : 0;
    EXPECT_EQ(restored, 1058);
    EXPECT_EQ(emulator.Slave().Page(), 6) << "the file ends in the last block's bank";
}

} // namespace
