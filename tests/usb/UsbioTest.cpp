#include "AdapterFixture.h"

#include <libusb.h>

#include <algorithm>
#include <string>

namespace {

using UsbioTest = AdapterFixture;

TEST_F(UsbioTest, SingleByteTransfersTakeOnePacketAndOneRoundTrip)
{
    Open();
    emulator.Slave().Paged(0, 0x05) = 0x77;
    Bytes value(1);
    ASSERT_TRUE(Stream({0x1A, 0x05}, value));
    EXPECT_EQ(value, Bytes{0x77});
    EXPECT_EQ(emulator.OutPackets(),
              (std::vector<Bytes>{{0xAA, 0x74, 0x80, 0x1A, 0x80, 0x05, 0x74, 0x80, 0x1B, 0xC0, 0x75, 0x00}}));
    EXPECT_EQ(emulator.RoundTrips(), 1u);

    emulator.ClearLog();
    Bytes none;
    ASSERT_TRUE(Stream({0x1A, 0x06, 0x5F}, none));
    EXPECT_EQ(emulator.Slave().Paged(0, 0x06), 0x5F);
    EXPECT_EQ(emulator.OutPackets(),
              (std::vector<Bytes>{{0xAA, 0x74, 0x80, 0x1A, 0x80, 0x06, 0x80, 0x5F, 0x75, 0x00}}));
    EXPECT_EQ(emulator.RoundTrips(), 1u);
}

TEST_F(UsbioTest, BlockReadsSpanPacketsInTheFewestRoundTrips)
{
    for (std::uint16_t sub = 0; sub < BankedSlave::kFlatSize; ++sub)
        emulator.Slave().Flat(sub) = static_cast<std::uint8_t>(sub * 7 + (sub >> 8));
    Open();
    for (const std::size_t length : {2u, 28u, 29u, 33u, 261u, 4096u}) {
        SCOPED_TRACE(length);
        emulator.ClearLog();
        Bytes data(length); // exactly the size asked for, so that a write past it is caught
        ASSERT_TRUE(Stream({0x1A, 0x00, 0x00}, data));
        for (std::size_t i = 0; i < length; ++i)
            ASSERT_EQ(data[i], emulator.Slave().Flat(static_cast<std::uint16_t>(i))) << i;
        // Four status bytes and the data, 31 bytes per IN packet.
        EXPECT_EQ(emulator.RoundTrips(), (4 + length + 30) / 31);
        for (const Bytes& packet : emulator.OutPackets()) {
            EXPECT_LE(packet.size(), 32u);
            EXPECT_EQ(packet.front(), 0xAA);
            EXPECT_EQ(packet.back(), 0x00);
        }
        ASSERT_EQ(emulator.Transactions().size(), 1u);
        EXPECT_EQ(emulator.Transactions()[0].written, (Bytes{0x1A, 0x00, 0x00, 0x1B}));
        EXPECT_EQ(emulator.Transactions()[0].read, length);
        EXPECT_TRUE(emulator.Transactions()[0].stopped);
    }
}

TEST_F(UsbioTest, ReadLengthZeroOrAnAddressAloneShapeTheTransaction)
{
    Open();
    Bytes none;
    ASSERT_TRUE(Stream({0x1A, 0x02}, none));
    Bytes two(2);
    ASSERT_TRUE(Stream({0x1A}, two));
    EXPECT_EQ(two, (Bytes{0x18, 0x03}));
    ASSERT_EQ(emulator.Transactions().size(), 2u);
    EXPECT_EQ(emulator.Transactions()[0].written, (Bytes{0x1A, 0x02}));
    EXPECT_EQ(emulator.Transactions()[0].read, 0u);
    EXPECT_EQ(emulator.Transactions()[1].written, Bytes{0x1B});
    EXPECT_EQ(emulator.Transactions()[1].read, 2u);
}

TEST_F(UsbioTest, EveryWrittenByteMustBeAcknowledged)
{
    Open();
    for (const std::size_t refused : {0u, 1u, 2u}) {
        SCOPED_TRACE(refused);
        emulator.ClearLog();
        emulator.RefuseByte(refused);
        Bytes none;
        EXPECT_FALSE(Stream({0x1A, 0x06, 0x5F}, none));
        EXPECT_NE(emulator.Slave().Paged(0, 0x06), 0x5F);
        ASSERT_EQ(emulator.Transactions().size(), 1u);
        EXPECT_TRUE(emulator.Transactions()[0].stopped);
    }
    Bytes value{0x42};
    EXPECT_FALSE(Stream({0xA0, 0x05}, value));
    EXPECT_EQ(value, Bytes{0x42});
}

TEST_F(UsbioTest, RefusedAddressEndsALongWriteAfterItsFirstPacket)
{
    Open();
    Bytes write(40, 0x11);
    write[0] = 0xA0;
    Bytes none;
    EXPECT_FALSE(Stream(write, none));
    ASSERT_EQ(emulator.OutPackets().size(), 2u);
    EXPECT_EQ(emulator.OutPackets()[1], (Bytes{0xAA, 0x75, 0x00}));
    ASSERT_EQ(emulator.Transactions().size(), 1u);
    EXPECT_TRUE(emulator.Transactions()[0].stopped);
}

TEST_F(UsbioTest, LongWritesArriveWhole)
{
    Open();
    Bytes write{0x1A, 0x10};
    for (int i = 0; i < 200; ++i)
        write.push_back(static_cast<std::uint8_t>(i));
    Bytes none;
    ASSERT_TRUE(Stream(write, none));
    ASSERT_EQ(emulator.Transactions().size(), 1u);
    EXPECT_EQ(emulator.Transactions()[0].written, write);
    for (int i = 0; i < 200; ++i)
        ASSERT_EQ(emulator.Slave().Paged(0, static_cast<std::uint8_t>(0x10 + i)), i) << i;
}

TEST_F(UsbioTest, SurplusAnswerBytesAreDroppedAndShortAnswersFail)
{
    for (std::uint16_t sub = 0; sub < 0x100; ++sub)
        emulator.Slave().Flat(sub) = static_cast<std::uint8_t>(sub ^ 0xA5);
    Open();
    for (const std::size_t length : {1u, 27u, 28u, 100u}) {
        SCOPED_TRACE(length);
        emulator.SetAnswerSurplus(1);
        Bytes data(length);
        ASSERT_TRUE(Stream({0x1A, 0x00, 0x00}, data));
        for (std::size_t i = 0; i < length; ++i)
            ASSERT_EQ(data[i], emulator.Slave().Flat(static_cast<std::uint16_t>(i))) << i;

        emulator.SetAnswerSurplus(-1);
        EXPECT_FALSE(Stream({0x1A, 0x00, 0x00}, data));
        EXPECT_TRUE(emulator.Transactions().back().stopped);

        emulator.SetAnswerSurplus(0);
        Bytes id(3);
        ASSERT_TRUE(Stream({0x1A, 0x01}, id));
        EXPECT_EQ(id, (Bytes{0xF2, 0x18, 0x03}));
    }
}

// Every USB transfer of a long read and of a long write fails in turn: whatever the adapter had
// begun on the bus still ends with a stop, and the next transaction is sound.
TEST_F(UsbioTest, TransactionBrokenOffByAUsbErrorStillEndsWithAStop)
{
    struct Case {
        const char* name;
        Bytes write;
        std::size_t readLength;
        unsigned transfers;
    };
    Bytes longWrite(40, 0x11);
    longWrite[0] = 0x1A;
    const Case cases[] = {{"read", {0x1A, 0x00, 0x00}, 100, 8}, {"write", longWrite, 0, 6}};
    Open();
    for (const Case& c : cases) {
        for (const UsbFault fault : {UsbFault::Io, UsbFault::TimeOut}) {
            for (unsigned skip = 0; skip < c.transfers; ++skip) {
                SCOPED_TRACE(testing::Message() << c.name << " fault " << static_cast<int>(fault) << " at " << skip);
                emulator.ClearLog();
                emulator.FailTransfer(fault, skip);
                Bytes data(c.readLength);
                EXPECT_FALSE(Stream(c.write, data));
                for (const I2CTransaction& t : emulator.Transactions())
                    EXPECT_TRUE(t.stopped);
                EXPECT_EQ(emulator.ProtocolErrors(), std::vector<std::string>{});

                Bytes id(3);
                ASSERT_TRUE(Stream({0x1A, 0x01}, id));
                EXPECT_EQ(id, (Bytes{0xF2, 0x18, 0x03}));
            }
        }
    }
}

TEST_F(UsbioTest, RefusesWhatItCannotSend)
{
    const Bytes address{0x1A, 0x01};
    Bytes value{0x42};
    EXPECT_FALSE(Stream(address, value)) << "not opened yet";
    EXPECT_EQ(USBIO_OpenDevice(1), INVALID_HANDLE_VALUE);
    EXPECT_FALSE(USBIO_SetStream(1, 0));
    Open();
    EXPECT_FALSE(USBIO_StreamI2C(1, 2, address.data(), 1, value.data()));
    EXPECT_FALSE(USBIO_StreamI2C(0, 0, address.data(), 1, value.data()));
    EXPECT_FALSE(USBIO_StreamI2C(0, 0, nullptr, 0, nullptr));
    EXPECT_FALSE(USBIO_StreamI2C(0, 2, nullptr, 1, value.data()));
    EXPECT_FALSE(USBIO_StreamI2C(0, 2, address.data(), 1, nullptr));
    EXPECT_EQ(value, Bytes{0x42});
    EXPECT_TRUE(emulator.OutPackets().empty());
}

TEST_F(UsbioTest, UsbFaultsFailTheTransactionAndLeaveTheNextOneSound)
{
    emulator.Slave().Paged(0, 0x05) = 0x77;
    Open();
    struct Case {
        UsbFault fault;
        unsigned skip; // 0: the OUT packet, 1: its answer
    };
    for (const Case c :
         {Case{UsbFault::Io, 0}, Case{UsbFault::TimeOut, 0}, Case{UsbFault::Io, 1}, Case{UsbFault::TimeOut, 1}}) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.fault) << " after " << c.skip);
        emulator.FailTransfer(c.fault, c.skip);
        Bytes value(1);
        EXPECT_FALSE(Stream({0x1A, 0x01}, value));
        ASSERT_TRUE(Stream({0x1A, 0x05}, value));
        EXPECT_EQ(value, Bytes{0x77});
    }
    emulator.ClearLog();
    emulator.FailTransfer(UsbFault::Unplug);
    Bytes value(1);
    EXPECT_FALSE(Stream({0x1A, 0x05}, value));
    EXPECT_EQ(emulator.OpenHandles(), 0u) << "the handle of a vanished adapter is given up";
    EXPECT_EQ(USBIO_OpenDevice(0), INVALID_HANDLE_VALUE);
}

TEST_F(UsbioTest, AnswerLeftOverFromAnEarlierRunIsDiscardedAtOpen)
{
    // An answer shaped like the next one, so that only its bytes would tell it apart.
    for (std::uint8_t sub = 0x05; sub < 0x08; ++sub)
        emulator.Slave().Paged(0, sub) = 0x55;
    const std::optional<unsigned> earlier = emulator.Find();
    ASSERT_TRUE(earlier);
    ASSERT_EQ(emulator.Open(*earlier), 0);
    ASSERT_EQ(emulator.Claim(*earlier, true), 0);
    Bytes unread{0xAA, 0x74, 0x80, 0x1A, 0x80, 0x05, 0x74, 0x80, 0x1B, 0xC2, 0xC0, 0x75, 0x00};
    int sent = 0;
    const int length = static_cast<int>(unread.size());
    ASSERT_EQ(emulator.BulkTransfer(*earlier, true, 0x02, unread.data(), length, sent), 0);
    emulator.Release(*earlier, true);
    emulator.Close(*earlier, false);

    Open();
    Bytes id(3);
    ASSERT_TRUE(Stream({0x1A, 0x01}, id));
    EXPECT_EQ(id, (Bytes{0xF2, 0x18, 0x03}));
}

TEST_F(UsbioTest, RepeatedOpensKeepOneHandleAndReopenAfterAnUnplug)
{
    const USBIO_HANDLE first = USBIO_OpenDevice(0);
    ASSERT_NE(first, INVALID_HANDLE_VALUE);
    EXPECT_EQ(USBIO_OpenDevice(0), first);
    EXPECT_EQ(USBIO_OpenDevice(0), first);
    EXPECT_EQ(emulator.Opens(), 1u);
    EXPECT_EQ(emulator.OpenHandles(), 1u);
    EXPECT_FALSE(emulator.KernelDriverBound());
    EXPECT_TRUE(emulator.InterfaceClaimed());

    emulator.Unplug();
    EXPECT_EQ(USBIO_OpenDevice(0), INVALID_HANDLE_VALUE);
    EXPECT_EQ(USBIO_OpenDevice(0), INVALID_HANDLE_VALUE);
    EXPECT_EQ(emulator.OpenHandles(), 0u);

    emulator.Plug();
    EXPECT_NE(USBIO_OpenDevice(0), INVALID_HANDLE_VALUE);
    EXPECT_EQ(emulator.Opens(), 2u);
    EXPECT_EQ(emulator.OpenHandles(), 1u);
    Bytes id(3);
    ASSERT_TRUE(Stream({0x1A, 0x01}, id));
    EXPECT_EQ(id, (Bytes{0xF2, 0x18, 0x03}));
}

TEST_F(UsbioTest, StaleHandleAfterAQuickReplugIsDroppedByItsFirstTransfer)
{
    Open();
    emulator.Unplug();
    emulator.Plug();
    Bytes id(3);
    EXPECT_FALSE(Stream({0x1A, 0x01}, id));
    EXPECT_EQ(emulator.OpenHandles(), 0u);
    ASSERT_NE(USBIO_OpenDevice(0), INVALID_HANDLE_VALUE);
    ASSERT_TRUE(Stream({0x1A, 0x01}, id));
    EXPECT_EQ(id, (Bytes{0xF2, 0x18, 0x03}));
}

// The connection check opens once a second: a failure is told once, again only after the adapter
// was gone or opened, or for another reason.
TEST_F(UsbioTest, AdapterFoundButNotOpenedIsToldOnStandardErrorOncePerStreak)
{
    const auto told = [](const char* reason) {
        return std::string("vexbus: the CH341 adapter 1a86:5512 at /dev/bus/usb/003/007 cannot be opened: ") + reason +
               " (access without root: the udev rule platform/udev/50-vexbus-ch341.rules, see the README)\n";
    };
    const auto checks = [](int times) {
        testing::internal::CaptureStderr();
        for (int i = 0; i < times; ++i)
            EXPECT_EQ(USBIO_OpenDevice(0), INVALID_HANDLE_VALUE);
        return testing::internal::GetCapturedStderr();
    };

    emulator.FailOpens(LIBUSB_ERROR_ACCESS);
    EXPECT_EQ(checks(3), told("LIBUSB_ERROR_ACCESS"));
    emulator.Unplug();
    EXPECT_EQ(checks(2), "");
    emulator.Plug();
    EXPECT_EQ(checks(2), told("LIBUSB_ERROR_ACCESS"));
    emulator.FailOpens(LIBUSB_ERROR_BUSY);
    EXPECT_EQ(checks(2), told("LIBUSB_ERROR_BUSY"));

    emulator.FailOpens(0);
    testing::internal::CaptureStderr();
    EXPECT_NE(USBIO_OpenDevice(0), INVALID_HANDLE_VALUE);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    USBIO_CloseDevice(0);
    emulator.FailOpens(LIBUSB_ERROR_ACCESS);
    EXPECT_EQ(checks(2), told("LIBUSB_ERROR_ACCESS"));
    EXPECT_EQ(emulator.OpenHandles(), 0u);
}

TEST_F(UsbioTest, StreamModeIsAppliedAtEveryOpenAndAtOnceWhenOpen)
{
    ASSERT_TRUE(USBIO_SetStream(0, 2));
    EXPECT_EQ(emulator.SpeedCommands(), 0u) << "nothing is sent before the adapter is open";
    ASSERT_NE(USBIO_OpenDevice(0), INVALID_HANDLE_VALUE);
    EXPECT_EQ(emulator.Speed(), 2);
    USBIO_OpenDevice(0);
    EXPECT_EQ(emulator.SpeedCommands(), 1u);

    ASSERT_TRUE(USBIO_SetStream(0, 7));
    EXPECT_EQ(emulator.Speed(), 3);
    EXPECT_EQ(emulator.SpeedCommands(), 2u);

    emulator.Unplug();
    emulator.Plug();
    ASSERT_NE(USBIO_OpenDevice(0), INVALID_HANDLE_VALUE);
    EXPECT_EQ(emulator.Speed(), 3);
    EXPECT_EQ(emulator.SpeedCommands(), 3u);
}

TEST_F(UsbioTest, FailedOpensGiveBackWhatTheyTook)
{
    const std::optional<unsigned> other = emulator.Find();
    ASSERT_TRUE(other);
    ASSERT_EQ(emulator.Open(*other), 0);
    ASSERT_EQ(emulator.Claim(*other, true), 0);
    EXPECT_EQ(USBIO_OpenDevice(0), INVALID_HANDLE_VALUE) << "interface busy";
    EXPECT_EQ(emulator.OpenHandles(), 1u);
    emulator.Release(*other, true);
    emulator.Close(*other, false);

    emulator.FailTransfer(UsbFault::Io, 1); // after the read that clears the IN endpoint
    EXPECT_EQ(USBIO_OpenDevice(0), INVALID_HANDLE_VALUE) << "stream mode not sent";
    EXPECT_EQ(emulator.OpenHandles(), 0u);
    EXPECT_FALSE(emulator.InterfaceClaimed());

    emulator.FailTransfer(UsbFault::Unplug);
    EXPECT_EQ(USBIO_OpenDevice(0), INVALID_HANDLE_VALUE) << "gone while being set up";
    EXPECT_EQ(emulator.OpenHandles(), 0u);
    emulator.Plug();

    ASSERT_NE(USBIO_OpenDevice(0), INVALID_HANDLE_VALUE);
    USBIO_CloseDevice(0);
    EXPECT_FALSE(emulator.InterfaceClaimed());
    EXPECT_TRUE(emulator.KernelDriverBound());
}

} // namespace
