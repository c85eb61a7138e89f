#pragma once

#include "Ch341Emulator.h"
#include "ScriptedResponder.h"
#include "platform/UiServices.h"
#include "platform/usbio.h"
#include "tqLink/I2CLink.h"
#include "tqRegs/RegsHost.h"
#include "tqRegs/UnknownRegister.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
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

// The state the chip maps' expected files are written for: each byte a function of its bank and
// sub-address with bank 3 selected, or of its 16-bit address.
constexpr std::uint8_t kKnownBank = 3;

inline std::uint8_t KnownByte(int bank, int sub)
{
    return static_cast<std::uint8_t>(sub * 7 + bank * 29 + 0x35);
}

inline std::uint8_t KnownFlatByte(int a)
{
    return static_cast<std::uint8_t>(a * 7 + (a >> 8) * 29 + 0x35);
}

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
        emulator.SetPlugSource({});
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
        WhenTransactions(index, [this] { emulator.RefuseAddress(); });
    }

    // The known state, and nothing on the bus yet.
    void KnownBankedState()
    {
        for (int bank = 0; bank < BankedSlave::kPages; ++bank)
            for (int sub = 0; sub < BankedSlave::kPageRegister; ++sub)
                emulator.Slave().Paged(bank, static_cast<std::uint8_t>(sub)) = KnownByte(bank, sub);
        g_pLink->Write8(0x1A, BankedSlave::kPageRegister, kKnownBank);
        emulator.ClearLog();
    }

    void KnownFlatState()
    {
        for (int a = 0; a < BankedSlave::kFlatSize; ++a)
            emulator.Slave().Flat(static_cast<std::uint16_t>(a)) = KnownFlatByte(a);
        emulator.ClearLog();
    }

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

// The whole of a file kept under tests/, byte for byte.
inline std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The lines of a text, without their line ends.
inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// A record of a chip's field table by its name, without the padding; the first of that name.
// Each table's index is built at its first look-up and kept for the rest of the run.
template <typename Table>
const auto& FieldNamed(const Table& table, std::string_view name)
{
    using Record = typename Table::value_type;
    static std::map<const Table*, std::unordered_map<std::string_view, const Record*>> indexes;
    auto [index, fresh] = indexes.try_emplace(&table);
    if (fresh) {
        for (const Record& field : table) {
            const std::string_view padded = field.name.View();
            index->second.try_emplace(padded.substr(0, padded.find_last_not_of(' ') + 1), &field);
        }
    }
    const auto found = index->second.find(name);
    if (found == index->second.end())
        throw std::out_of_range(std::string(name));
    return *found->second;
}

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
