#include "BankedSlave.h"

BankedSlave::BankedSlave()
{
    // The identification bytes a TQ7790 shows in bank 0.
    paged[0][1] = 0xF2;
    paged[0][2] = 0x18;
    paged[0][3] = 0x03;
}

std::uint8_t* BankedSlave::Cell8(std::uint8_t sub)
{
    if (sub >= kPageRegister)
        return &page;
    return page < kPages ? &paged[page][sub] : nullptr;
}

std::uint8_t* BankedSlave::Cell16(std::uint16_t sub)
{
    return sub < kFlatSize ? &flat[sub] : nullptr;
}

void BankedSlave::Addressed(bool read)
{
    Settle(read);
}

void BankedSlave::Write(std::uint8_t byte)
{
    pending.push_back(byte);
}

void BankedSlave::Store(std::uint8_t value)
{
    std::uint8_t* cell = wide ? Cell16(pointer) : Cell8(static_cast<std::uint8_t>(pointer));
    if (cell)
        *cell = value;
    pointer = wide ? static_cast<std::uint16_t>(pointer + 1) : static_cast<std::uint8_t>(pointer + 1);
}

std::uint8_t BankedSlave::Read()
{
    const std::uint8_t* cell = wide ? Cell16(pointer) : Cell8(static_cast<std::uint8_t>(pointer));
    pointer = wide ? static_cast<std::uint16_t>(pointer + 1) : static_cast<std::uint8_t>(pointer + 1);
    return cell ? *cell : 0;
}

void BankedSlave::Stop()
{
    Settle(false);
}

void BankedSlave::Settle(bool readFollows)
{
    const std::size_t n = pending.size();
    if (n == 0)
        return;
    wide = n == (readFollows ? 2 : 3);
    pointer = wide ? static_cast<std::uint16_t>(pending[0] | pending[1] << 8) : pending[0];
    for (std::size_t i = wide ? 2 : 1; i < n; ++i)
        Store(pending[i]);
    pending.clear();
}
