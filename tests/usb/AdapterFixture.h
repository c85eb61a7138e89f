#pragma once

#include "Ch341Emulator.h"
#include "platform/usbio.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// Each test starts with the adapter closed, the emulator plugged in and fresh, and stream mode 0,
// and ends having closed the adapter again, with every handle, device and context given back.
class AdapterFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        USBIO_CloseDevice(0);
        emulator.Reset();
        USBIO_SetStream(0, 0);
    }

    void TearDown() override
    {
        USBIO_CloseDevice(0);
        EXPECT_EQ(emulator.OpenHandles(), 0u);
        EXPECT_EQ(emulator.Contexts(), 0u);
        EXPECT_EQ(emulator.Devices(), 0u);
        EXPECT_EQ(emulator.ProtocolErrors(), std::vector<std::string>{});
    }

    // Opens the adapter and forgets what the open sent.
    void Open()
    {
        ASSERT_NE(USBIO_OpenDevice(0), INVALID_HANDLE_VALUE);
        emulator.ClearLog();
    }

    static bool Stream(const Bytes& write, Bytes& read)
    {
        return USBIO_StreamI2C(0, static_cast<std::uint32_t>(write.size()), write.data(),
                               static_cast<std::uint32_t>(read.size()), read.empty() ? nullptr : read.data());
    }

    // The bytes a transaction puts on the bus: the write buffer, then for a read the address again
    // with the read bit set.
    static Bytes OnBus(Bytes write, std::size_t readLength)
    {
        if (readLength > 0)
            write.push_back(static_cast<std::uint8_t>(write[0] | 1));
        return write;
    }

    Ch341Emulator& emulator = Ch341Emulator::Instance();
};
