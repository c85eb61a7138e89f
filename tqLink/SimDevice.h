#pragma once

#include "tqLink/I2CLink.h"

#include <array>

// An in-memory device: 64 banked pages behind 8-bit sub-addresses (0xF0 and up select the
// page) and one flat memory behind 16-bit sub-addresses. The slave address is ignored.
class SimDevice {
public:
    static constexpr int kFlatSize = 4096;
    static constexpr int kPages = 64;

    SimDevice();

    std::int32_t Read8(u8 slave, u8 sub, u8* out);
    std::int32_t Write8(u8 slave, u8 sub, u8 data);
    std::int32_t Read16(u8 slave, u16 sub, u8* out);
    std::int32_t ReadBlock16(u8 slave, u16 sub, u8 count, u8* out);
    std::int32_t Write16(u8 slave, u16 sub, u8 data);
    std::int32_t ReadReg8(u8 sub, u8* out);
    std::int32_t ReadRegBlock8(u8 sub, u8 count, u8* out);
    std::int32_t WriteReg8(u8 sub, u8 data);
    std::int32_t ReadReg16(u16 sub, u8* out);
    std::int32_t ReadRegBlock16(u16 sub, u8 count, u8* out);
    std::int32_t WriteReg16(u16 sub, u8 data);

private:
    // Outside the model: reads give 0 and writes are dropped.
    u8 FlatAt(unsigned sub) const;
    u8* PagedAt(u8 sub);

    std::array<u8, kFlatSize> flat{};
    std::array<std::array<u8, 256>, kPages> paged{};
    u8 page = 0;
};

extern SimDevice g_simDevice;
