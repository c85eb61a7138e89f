#include "RegsFixture.h"
#include "TQ7730Register.h"

#include <set>
#include <utility>

namespace {

std::uint8_t Known(int bank, int sub)
{
    return static_cast<std::uint8_t>(sub * 7 + bank * 29 + 0x35);
}

} // namespace

// The export of one chip, run through the batch runner on a chip that holds other values, gives
// every register it names its value back.
TEST_F(RegsFixture, TQ7730ExportRunAsABatchRestoresTheRegisters)
{
    for (int bank = 0; bank < BankedSlave::kPages; ++bank)
        for (int sub = 0; sub < 0xF0; ++sub)
            emulator.Slave().Paged(bank, static_cast<std::uint8_t>(sub)) = Known(bank, sub);
    g_pLink->Write8(0x1A, 0xF4, 3);
    FilePtr file(std::tmpfile());
    g_tq7730Register.WriteAllRegister(file.get());

    std::set<std::pair<int, int>> named;
    int bank = -1;
    std::rewind(file.get());
    for (char line[64]; std::fgets(line, sizeof line, file.get());) {
        unsigned slave = 0, sub = 0, value = 0;
        if (std::sscanf(line, "i2crw %x %x %x", &slave, &sub, &value) != 3)
            continue;
        EXPECT_EQ(slave, 0x1Au);
        if (sub == 0xF4)
            bank = static_cast<int>(value);
        else
            named.insert({bank, static_cast<int>(sub)});
    }
    EXPECT_EQ(named.size(), 444u);

    emulator.ClearLog();
    for (const auto& [b, sub] : named)
        emulator.Slave().Paged(b, static_cast<std::uint8_t>(sub)) = static_cast<std::uint8_t>(~Known(b, sub));
    std::rewind(file.get());
    dlg->RunBatch(file.get());

    for (const auto& [b, sub] : named)
        EXPECT_EQ(emulator.Slave().Paged(b, static_cast<std::uint8_t>(sub)), Known(b, sub))
            << "bank " << b << " sub " << sub;
    EXPECT_EQ(emulator.Slave().Page(), 0);
}
