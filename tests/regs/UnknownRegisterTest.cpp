#include "RegsFixture.h"
#include "tqRegs/Format.h"

namespace {

class UnknownRegisterTest : public RegsFixture {};

std::uint8_t Pattern(int sub)
{
    return static_cast<std::uint8_t>(sub * 7 + 3);
}

TEST_F(UnknownRegisterTest, ExportListsEverySubAddressWithTheByteReadFromIt)
{
    for (int sub = 0; sub < BankedSlave::kPageRegister; ++sub)
        emulator.Slave().Paged(0, static_cast<std::uint8_t>(sub)) = Pattern(sub);
    WriteProfileInt("Settings", "X", -1);
    const FilePtr file(std::tmpfile());
    g_unknownRegister.WriteAllRegister(file.get());
    EXPECT_GE(GetProfileInt("Settings", "X", -1), 0) << "the progress window came and went";

    std::string expected = "rem Unknown Devices\n\nrem Range 0x00 ~ 0xFF\n";
    std::vector<Bytes> reads;
    for (int sub = 0; sub <= 0xFF; ++sub) {
        // From 0xF0 up every sub-address reaches the device's page register, here 0.
        const int value = sub < BankedSlave::kPageRegister ? Pattern(sub) : 0;
        expected += Format("i2crw 1a %02x %02x\n", sub, value);
        reads.push_back(Read8(static_cast<std::uint8_t>(sub)));
    }
    EXPECT_EQ(Contents(file.get()), expected);
    EXPECT_EQ(Bus(), reads);
    EXPECT_EQ(LogLines(), std::vector<std::string>{});
}

TEST_F(UnknownRegisterTest, ExportShowsAFailedReadAsZeroNotTheByteBefore)
{
    emulator.Slave().Paged(0, 0x00) = 0x11;
    emulator.Slave().Paged(0, 0x01) = 0x22;
    emulator.Slave().Paged(0, 0x02) = 0x33;
    emulator.FailTransfer(UsbFault::Io, kTransfersPerTransaction);
    const FilePtr file(std::tmpfile());
    g_unknownRegister.WriteAllRegister(file.get());
    const std::string text = Contents(file.get());
    EXPECT_NE(text.find("i2crw 1a 00 11\ni2crw 1a 01 00\ni2crw 1a 02 33\n"), std::string::npos);
}

TEST_F(UnknownRegisterTest, DumpRangeWithFirstAboveLastWritesOnlyTheTitle)
{
    const FilePtr file(std::tmpfile());
    EXPECT_EQ(DumpRange(file.get(), 5, 3, "rem Range"), -1);
    EXPECT_EQ(DumpRange(file.get(), 4, 3, "rem %s"), 0);
    EXPECT_EQ(Contents(file.get()), "\nrem Range\n\nrem %s\n");
    EXPECT_EQ(Bus(), std::vector<Bytes>{});
}

TEST_F(UnknownRegisterTest, AnyDeviceThatAcknowledgesIsRecognised)
{
    emulator.Slave().Paged(0, 0x00) = 0x00;
    EXPECT_TRUE(g_unknownRegister.CheckChipId());
    EXPECT_EQ(Bus(), std::vector<Bytes>{Read8(0x00)});

    g_pLink->SetDeviceAddress(0x50);
    EXPECT_FALSE(g_unknownRegister.CheckChipId());

    g_pLink->SetDeviceAddress(0x1A);
    emulator.Unplug();
    EXPECT_FALSE(g_unknownRegister.CheckChipId());
}

TEST_F(UnknownRegisterTest, NoBankRegisterAndNoSettingsFile)
{
    const FilePtr file(std::tmpfile());
    g_unknownRegister.SaveToTxt(file.get());
    EXPECT_EQ(g_unknownRegister.GetBankReg(), 0xFF);
    TQRegister& current = g_unknownRegister;
    EXPECT_EQ(current.GetBankReg(), 0xFF);
    EXPECT_EQ(Contents(file.get()), "");
    EXPECT_EQ(Bus(), std::vector<Bytes>{});
}

TEST_F(UnknownRegisterTest, BitsAreAddressedBySubAddressAndBitNumber)
{
    emulator.Slave().Paged(0, 0x01) = 0x20;
    EXPECT_TRUE(g_unknownRegister.ReadBit(0x1A, 13));
    EXPECT_FALSE(g_unknownRegister.ReadBit(0x1A, 12));
    EXPECT_EQ(Bus(), (std::vector<Bytes>{Read8(0x01), Read8(0x01)}));

    emulator.ClearLog();
    emulator.Slave().Paged(0, 0x00) = 0xFF;
    g_unknownRegister.WriteBit(0x1A, 0, false);
    g_unknownRegister.WriteBit(0x1A, 0x0A, true);
    EXPECT_EQ(Bus(), (std::vector<Bytes>{Read8(0x00), Write8(0x00, 0xFE), Read8(0x01), Write8(0x01, 0x24)}));
}

TEST_F(UnknownRegisterTest, BitOperationsWriteNothingAfterAFailedRead)
{
    g_pLink->SetDeviceAddress(0x50);
    EXPECT_FALSE(g_unknownRegister.ReadBit(0x50, 0));
    g_unknownRegister.WriteBit(0x50, 0, true);
    const Bytes read = {0x50, 0x00, 0x51};
    EXPECT_EQ(Bus(), (std::vector<Bytes>{read, read}));
}

} // namespace
