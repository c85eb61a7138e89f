#pragma once

#include "Ch341Emulator.h"
#include "I2CLink.h"
#include "RegsHost.h"
#include "ScriptedResponder.h"
#include "TQ7730Fields.h"
#include "TQ7730Register.h"
#include "UiServices.h"
#include "usbio.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Logs into a list of its own and makes the TQ7730 the current register set.
class TQ7730Host : public RegsHost {
public:
    void AddLog(std::string line) override { lines.push_back(std::move(line)); }
    TQRegister* CurrentRegister() const override { return &g_tq7730Register; }

    std::vector<std::string> lines;
};

// The TQ7730 register set over the emulated adapter, without the main dialog; every box is
// answered by a script. The bus is read from where the test began.
class TQ7730Fixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        USBIO_CloseDevice(0);
        emulator.Reset();
        SetUiResponder(&ui);
        SetRegsHost(&host);
        g_pLink->SetTransport(LinkUsb);
        ASSERT_EQ(g_pLink->Connect(), 1);
        emulator.ClearLog();
    }

    void TearDown() override
    {
        emulator.SetPlugSource(nullptr);
        SetRegsHost(nullptr);
        SetUiResponder(nullptr);
        USBIO_CloseDevice(0);
        g_pLink->SetDeviceAddress(0x1A);
        EXPECT_EQ(emulator.ProtocolErrors(), std::vector<std::string>{});
        for (const auto& box : ui.boxes)
            ADD_FAILURE() << "box: " << box.text;
    }

    static std::uint8_t Known(int bank, int sub) { return static_cast<std::uint8_t>(sub * 7 + bank * 29 + 0x35); }

    // The state every whole-file expectation is written for: each byte a function of its bank and
    // sub-address, and bank 3 selected.
    void KnownState()
    {
        for (int bank = 0; bank < BankedSlave::kPages; ++bank)
            for (int sub = 0; sub < 0xF0; ++sub)
                emulator.Slave().Paged(bank, static_cast<std::uint8_t>(sub)) = Known(bank, sub);
        g_pLink->Write8(0x1A, 0xF0, 3);
        emulator.ClearLog();
    }

    std::vector<Bytes> Bus() const
    {
        std::vector<Bytes> bus;
        for (const I2CTransaction& t : emulator.Transactions())
            bus.push_back(t.written);
        return bus;
    }

    // Runs hook once, at the first USB call that finds `count` transactions recorded: just
    // before transaction number `count` (from 0) starts, or while number `count` - 1 waits for
    // its answer.
    void WhenTransactions(std::size_t count, std::function<void()> hook)
    {
        auto done = std::make_shared<bool>(false);
        emulator.SetPlugSource([this, count, hook = std::move(hook), done] {
            if (!*done && emulator.Transactions().size() == count) {
                *done = true;
                hook();
            }
            return true;
        });
    }

    // The transaction numbered `index` (from 0) gets no acknowledge for its address byte.
    void FailTransaction(std::size_t index)
    {
        WhenTransactions(index, [this] { emulator.RefuseByte(0); });
    }

    static const RegField& Field(std::string_view name)
    {
        for (const RegField& field : g_tq7730Fields) {
            const std::string_view stored = field.name.View();
            if (stored.substr(0, stored.find(' ')) == name)
                return field;
        }
        throw std::invalid_argument(std::string(name));
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
    TQ7730Host host;
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
