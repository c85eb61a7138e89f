#pragma once

#include "Ch341Emulator.h"
#include "I2CLink.h"
#include "RegsHost.h"
#include "ScriptedResponder.h"
#include "UiServices.h"
#include "UnknownRegister.h"
#include "usbio.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// USB transfers of one single-byte read or write, for aiming an injected fault.
constexpr unsigned kTransfersPerTransaction = 2;

// A file of the C library, closed when it goes.
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Stands in for the application: keeps the log lines and the current register set.
class TestRegsHost : public RegsHost {
public:
    void AddLog(std::string line) override { lines.push_back(std::move(line)); }
    TQRegister* CurrentRegister() const override { return current; }

    std::vector<std::string> lines;
    TQRegister* current = nullptr;
};

// The register sets over the emulated adapter, with the register set of an unrecognised device
// current and every box answered by a script. The bus and the log are read from where the test
// began.
class RegsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        USBIO_CloseDevice(0);
        emulator.Reset();
        // The adapter opened as the main window opens it at start-up.
        g_pLink->SetUsbStreamMode(0);
        ASSERT_EQ(g_pLink->Connect(), LinkConnected);
        SetUiResponder(&ui);
        host.current = &g_unknownRegister;
        SetRegsHost(&host);
        Fresh();
    }

    void TearDown() override
    {
        SetRegsHost(nullptr);
        SetUiResponder(nullptr);
        USBIO_CloseDevice(0);
        g_pLink->SetDeviceAddress(0x1A);
        g_pLink->SetTransport(LinkUsb);
        EXPECT_EQ(emulator.ProtocolErrors(), std::vector<std::string>{});
        for (const auto& box : ui.boxes)
            ADD_FAILURE() << "box: " << box.text;
    }

    // A device as built, and nothing on the bus or in the log yet.
    void Fresh()
    {
        emulator.Slave() = BankedSlave();
        emulator.ClearLog();
        host.lines.clear();
    }

    const std::vector<std::string>& LogLines() const { return host.lines; }

    // The bytes of each transaction on the bus, a read's address byte with its read bit included.
    std::vector<Bytes> Bus() const
    {
        std::vector<Bytes> bus;
        for (const I2CTransaction& t : emulator.Transactions())
            bus.push_back(t.written);
        return bus;
    }

    static FilePtr TextFile(std::string_view text)
    {
        FilePtr file(std::tmpfile());
        std::fwrite(text.data(), 1, text.size(), file.get());
        std::rewind(file.get());
        return file;
    }

    static std::string Contents(std::FILE* file)
    {
        std::string text;
        std::rewind(file);
        for (int c; (c = std::fgetc(file)) != EOF;)
            text.push_back(static_cast<char>(c));
        return text;
    }

    Ch341Emulator& emulator = Ch341Emulator::Instance();
    ScriptedResponder ui;
    TestRegsHost host;
};

// Transactions at the device address 0x1A.
inline Bytes Write8(std::uint8_t sub, std::uint8_t value)
{
    return {0x1A, sub, value};
}

inline Bytes Read8(std::uint8_t sub)
{
    return {0x1A, sub, 0x1B};
}

inline Bytes WriteReg16(std::uint16_t sub, std::uint8_t value)
{
    return {0x1A, static_cast<std::uint8_t>(sub), static_cast<std::uint8_t>(sub >> 8), value};
}

inline Bytes ReadReg16(std::uint16_t sub)
{
    return {0x1A, static_cast<std::uint8_t>(sub), static_cast<std::uint8_t>(sub >> 8), 0x1B};
}
