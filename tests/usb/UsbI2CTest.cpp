#include "tqLink/UsbI2C.h"
#include "AdapterFixture.h"
#include "tqLink/I2CLink.h"

#include <functional>
#include <string>

namespace {

// The adapter is open and the facade on the USB transport.
class UsbI2CTest : public AdapterFixture {
protected:
    void SetUp() override
    {
        AdapterFixture::SetUp();
        Open();
        g_pLink->SetTransport(LinkUsb);
    }

    void TearDown() override
    {
        g_pLink->SetTransport(LinkUsb);
        AdapterFixture::TearDown();
    }

    UsbI2C usb;
};

struct Row {
    std::string name;
    std::function<std::int32_t(UsbI2C&, u8*)> call;
    Bytes write;
    std::size_t readLength;
};

const u8 kData[] = {0xD0, 0xD1, 0xD2, 0xD3};

const std::vector<Row> kTable = {
    {"Read8", [](UsbI2C& u, u8* o) { return u.Read8(0x1A, 0x05, o); }, {0x1A, 0x05}, 1},
    {"ReadBlock8", [](UsbI2C& u, u8* o) { return u.ReadBlock8(0x1A, 0x10, 5, o); }, {0x1A, 0x10}, 5},
    {"Write8", [](UsbI2C& u, u8*) { return u.Write8(0x1A, 0x06, 0x5F); }, {0x1A, 0x06, 0x5F}, 0},
    {"WriteBlock8",
     [](UsbI2C& u, u8*) { return u.WriteBlock8(0x1A, 0x20, 4, kData); },
     {0x1A, 0x20, 0xD0, 0xD1, 0xD2, 0xD3},
     0},
    {"Read16", [](UsbI2C& u, u8* o) { return u.Read16(0x1A, 0x0123, o); }, {0x1A, 0x23, 0x01}, 1},
    {"ReadBlock16", [](UsbI2C& u, u8* o) { return u.ReadBlock16(0x1A, 0x0100, 3, o); }, {0x1A, 0x00, 0x01}, 3},
    {"Write16", [](UsbI2C& u, u8*) { return u.Write16(0x1A, 0x0220, 0x5F); }, {0x1A, 0x20, 0x02, 0x5F}, 0},
    {"ReadReg8", [](UsbI2C& u, u8* o) { return u.ReadReg8(0x05, o); }, {0x1A, 0x05}, 1},
    {"ReadRegBlock8", [](UsbI2C& u, u8* o) { return u.ReadRegBlock8(0x10, 5, o); }, {0x1A, 0x10}, 5},
    {"WriteReg8", [](UsbI2C& u, u8*) { return u.WriteReg8(0x06, 0x5F); }, {0x1A, 0x06, 0x5F}, 0},
    {"ReadReg16", [](UsbI2C& u, u8* o) { return u.ReadReg16(0x0123, o); }, {0x1A, 0x23, 0x01}, 1},
    {"ReadRegBlock16", [](UsbI2C& u, u8* o) { return u.ReadRegBlock16(0x0100, 3, o); }, {0x1A, 0x00, 0x01}, 3},
    {"WriteReg16", [](UsbI2C& u, u8*) { return u.WriteReg16(0x0220, 0x5F); }, {0x1A, 0x20, 0x02, 0x5F}, 0},
};

TEST_F(UsbI2CTest, EachTransferIsOneTransactionOfItsWriteBuffer)
{
    for (const Row& row : kTable) {
        SCOPED_TRACE(row.name);
        emulator.ClearLog();
        Bytes out(row.readLength);
        ASSERT_EQ(row.call(usb, out.data()), 0);
        ASSERT_EQ(emulator.Transactions().size(), 1u);
        EXPECT_EQ(emulator.Transactions()[0].written, OnBus(row.write, row.readLength));
        EXPECT_EQ(emulator.Transactions()[0].read, row.readLength);
        EXPECT_EQ(emulator.RoundTrips(), 1u);
    }
}

TEST_F(UsbI2CTest, EveryTransferGivesEightWhenTheAdapterFailsOrTheAddressIsRefused)
{
    for (const Row& row : kTable) {
        SCOPED_TRACE(row.name);
        Bytes out(row.readLength);
        emulator.FailTransfer(UsbFault::Io);
        EXPECT_EQ(row.call(usb, out.data()), 8);
        emulator.RefuseAddress();
        EXPECT_EQ(row.call(usb, out.data()), 8) << "address not acknowledged";
        emulator.RefuseByte(row.write.size() - 1);
        EXPECT_EQ(row.call(usb, out.data()), 0) << "the adapter does not tell a refused sub-address or data byte";
    }
}

TEST_F(UsbI2CTest, WritesReachTheSlaveAndReadsReturnIt)
{
    ASSERT_EQ(usb.WriteReg16(0x0220, 0x5F), 0);
    EXPECT_EQ(emulator.Slave().Flat(0x0220), 0x5F);
    u8 value = 0;
    ASSERT_EQ(usb.ReadReg16(0x0220, &value), 0);
    EXPECT_EQ(value, 0x5F);

    ASSERT_EQ(usb.WriteReg8(0xF0, 2), 0);
    ASSERT_EQ(usb.WriteReg8(0x10, 0xAB), 0);
    EXPECT_EQ(emulator.Slave().Paged(2, 0x10), 0xAB);
    ASSERT_EQ(usb.WriteReg8(0xF0, 0), 0);
    u8 id[3] = {};
    ASSERT_EQ(usb.ReadRegBlock8(0x01, 3, id), 0);
    EXPECT_EQ(Bytes(id, id + 3), (Bytes{0xF2, 0x18, 0x03}));
}

TEST_F(UsbI2CTest, EdgeCasesOfTheTransport)
{
    u8 value = 0x42;
    EXPECT_EQ(usb.Read16(0xA0, 0x1234, &value), 8) << "no slave at A0";
    EXPECT_EQ(value, 0x42);
    ASSERT_EQ(emulator.Transactions().size(), 1u);
    EXPECT_EQ(emulator.Transactions()[0].written, (Bytes{0xA0, 0x34, 0x12, 0xA1}));

    emulator.ClearLog();
    EXPECT_EQ(usb.ReadBlock8(0x1A, 0x05, 0, nullptr), 0);
    EXPECT_EQ(usb.ReadBlock8(0xA0, 0x05, 0, nullptr), 8);
    ASSERT_EQ(emulator.Transactions().size(), 2u);
    EXPECT_EQ(emulator.Transactions()[0].written, (Bytes{0x1A, 0x05}));
    EXPECT_EQ(emulator.Transactions()[0].read, 0u);

    emulator.ClearLog();
    for (std::uint16_t sub = 0; sub < BankedSlave::kFlatSize; ++sub)
        emulator.Slave().Flat(sub) = static_cast<u8>(sub ^ (sub >> 8));
    Bytes block(0x1000);
    ASSERT_EQ(usb.ReadRegBlock16(0x0000, 0x1000, block.data()), 0);
    ASSERT_EQ(emulator.Transactions().size(), 1u);
    EXPECT_EQ(emulator.Transactions()[0].read, 4096u);
    for (std::uint16_t sub = 0; sub < BankedSlave::kFlatSize; ++sub)
        ASSERT_EQ(block[sub], emulator.Slave().Flat(sub)) << sub;
}

TEST_F(UsbI2CTest, ConnectOpensWithoutClosingAndNoticesThePlug)
{
    EXPECT_EQ(usb.Connect(), 1);
    EXPECT_EQ(usb.Connect(), 1);
    EXPECT_EQ(emulator.Opens(), 0u) << "the open adapter is still alive";
    emulator.Unplug();
    EXPECT_EQ(usb.Connect(), 0);
    EXPECT_TRUE(usb.IsOpened());
    emulator.Plug();
    EXPECT_EQ(usb.Connect(), 1);
    EXPECT_EQ(emulator.OpenHandles(), 1u);
}

TEST_F(UsbI2CTest, DestructionClosesTheAdapterOnlyAfterAConnect)
{
    {
        UsbI2C never;
    }
    EXPECT_EQ(emulator.OpenHandles(), 1u);
    {
        UsbI2C checked;
        checked.Connect();
    }
    EXPECT_EQ(emulator.OpenHandles(), 0u);
    EXPECT_EQ(emulator.Contexts(), 0u);

    emulator.Unplug();
    {
        UsbI2C checked;
        EXPECT_EQ(checked.Connect(), 0);
        EXPECT_TRUE(checked.IsOpened());
        EXPECT_EQ(emulator.Contexts(), 1u);
    }
    EXPECT_EQ(emulator.Contexts(), 0u) << "closed although no open succeeded";
}

TEST_F(UsbI2CTest, FacadeCarriesUsbTransfers)
{
    Bytes five(5);
    ASSERT_EQ(g_pLink->ReadBlock8(0x1A, 0x00, 5, five.data()), 0);
    ASSERT_EQ(emulator.Transactions().size(), 1u);
    EXPECT_EQ(emulator.Transactions()[0].read, 5u);
    EXPECT_EQ(five, (Bytes{0x00, 0xF2, 0x18, 0x03, 0x00}));

    emulator.ClearLog();
    Bytes block(0x0105);
    ASSERT_EQ(g_pLink->ReadRegBlock8(0x00, 0x0105, block.data()), 0);
    ASSERT_EQ(emulator.Transactions().size(), 1u);
    EXPECT_EQ(emulator.Transactions()[0].read, 261u);
    EXPECT_EQ(Bytes(block.begin() + 0x101, block.end()), (Bytes{0xF2, 0x18, 0x03, 0x00})) << "the sub-address wraps";

    emulator.Slave().Paged(0, 0x30) = 0x5C;
    EXPECT_EQ(g_pLink->Modify8(0x1A, 0x30, 0x0A, 0xF0), 0);
    EXPECT_EQ(emulator.Slave().Paged(0, 0x30), 0x5A);
}

TEST_F(UsbI2CTest, FacadeReportsUsbFailures)
{
    EXPECT_EQ(g_pLink->Modify8(0xA0, 0x30, 0x0A, 0xF0), 1);
    ASSERT_EQ(emulator.Transactions().size(), 1u) << "no write after the failed read";
    EXPECT_EQ(emulator.Transactions()[0].read, 1u);
    EXPECT_EQ(g_pLink->Write8(0xA0, 0x30, 0x0A), 8);
    EXPECT_EQ(g_pLink->Write16(0xA0, 0x0030, 0x0A), 8);

    EXPECT_EQ(g_pLink->Connect(), 1);
    emulator.Unplug();
    EXPECT_EQ(g_pLink->Connect(), 0);
    emulator.Plug();
    EXPECT_EQ(g_pLink->Connect(), 1);
}

TEST_F(UsbI2CTest, StreamModeReachesTheAdapterWhateverTheTransport)
{
    g_pLink->SetTransport(LinkSim);
    g_pLink->SetUsbStreamMode(1);
    EXPECT_EQ(emulator.Speed(), 1);
}

} // namespace
