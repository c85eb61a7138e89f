#include "AdapterFixture.h"

#include <libusb.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>

namespace {

using UsbioTest = AdapterFixture;

// The bytes from..from+count-1, counting up.
Bytes Counting(std::uint8_t from, std::size_t count)
{
    Bytes run(count);
    for (std::size_t i = 0; i < count; ++i)
        run[i] = static_cast<std::uint8_t>(from + i);
    return run;
}

Bytes Cat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// Each write with a status (0x80 with count 0) in these packets: the packet's index and the byte.
std::vector<std::pair<std::size_t, std::uint8_t>> CheckedWrites(const std::vector<Bytes>& packets)
{
    std::vector<std::pair<std::size_t, std::uint8_t>> checked;
    for (std::size_t p = 0; p < packets.size(); ++p) {
        const Bytes& packet = packets[p];
        for (std::size_t i = 1; i < packet.size() && packet[i] != 0x00;) {
            const std::uint8_t command = packet[i++];
            if ((command & 0xC0) != 0x80)
                continue;
            if (command == 0x80 && i < packet.size())
                checked.emplace_back(p, packet[i]);
            i += std::max<std::size_t>(command & 0x3F, 1);
        }
    }
    return checked;
}

// Real adapters are known to answer a status for one write per packet, and it is the slave's
// address: the one for reading when there is a read, else the one for writing. The rest is
// written without an answer. No slave answers at A0.
TEST_F(UsbioTest, EachTransferKindSendsThesePacketsAndGetsTheseAnswers)
{
    struct Shape {
        const char* name;
        Bytes write;
        std::size_t readLength;
        bool succeeds;
        std::vector<Bytes> packets;
        std::vector<std::size_t> answers; // length of each packet's answer on the IN endpoint
    };
    const Bytes longWrite = Cat({{0x1A, 0x10}, Counting(0xD0, 38)});
    const Bytes longWriteNobody = Cat({{0xA0, 0x10}, Counting(0xD0, 38)});
    const Shape shapes[] = {
        {"Read8", {0x1A, 0x05}, 1, true, {{0xAA, 0x74, 0x82, 0x1A, 0x05, 0x74, 0x80, 0x1B, 0xC0, 0x75, 0x00}}, {2}},
        {"Write8", {0x1A, 0x06, 0x5F}, 0, true, {{0xAA, 0x74, 0x80, 0x1A, 0x82, 0x06, 0x5F, 0x75, 0x00}}, {1}},
        {"Read16",
         {0x1A, 0x23, 0x01},
         1,
         true,
         {{0xAA, 0x74, 0x83, 0x1A, 0x23, 0x01, 0x74, 0x80, 0x1B, 0xC0, 0x75, 0x00}},
         {2}},
        {"Write16",
         {0x1A, 0x20, 0x02, 0x5F},
         0,
         true,
         {{0xAA, 0x74, 0x80, 0x1A, 0x83, 0x20, 0x02, 0x5F, 0x75, 0x00}},
         {1}},
        {"block read of 100",
         {0x1A, 0x00},
         100,
         true,
         {{0xAA, 0x74, 0x82, 0x1A, 0x00, 0x74, 0x80, 0x1B, 0xDE, 0x00},
          {0xAA, 0xDF, 0x00},
          {0xAA, 0xDF, 0x00},
          {0xAA, 0xC7, 0xC0, 0x75, 0x00}},
         {31, 31, 31, 8}},
        {"write of 40",
         longWrite,
         0,
         true,
         {Cat({{0xAA, 0x74, 0x80, 0x1A, 0x9A, 0x10}, Counting(0xD0, 25), {0x00}}),
          Cat({{0xAA, 0x8D}, Counting(0xE9, 13), {0x75, 0x00}})},
         {1, 0}},
        {"Read8, no slave",
         {0xA0, 0x05},
         1,
         false,
         {{0xAA, 0x74, 0x82, 0xA0, 0x05, 0x74, 0x80, 0xA1, 0xC0, 0x75, 0x00}},
         {2}},
        {"Write8, no slave",
         {0xA0, 0x06, 0x5F},
         0,
         false,
         {{0xAA, 0x74, 0x80, 0xA0, 0x82, 0x06, 0x5F, 0x75, 0x00}},
         {1}},
        {"block read of 100, no slave",
         {0xA0, 0x00},
         100,
         false,
         {{0xAA, 0x74, 0x82, 0xA0, 0x00, 0x74, 0x80, 0xA1, 0xDE, 0x00}, {0xAA, 0xC0, 0x75, 0x00}},
         {31, 1}},
        {"write of 40, no slave: the rest is not sent",
         longWriteNobody,
         0,
         false,
         {Cat({{0xAA, 0x74, 0x80, 0xA0, 0x9A, 0x10}, Counting(0xD0, 25), {0x00}}), {0xAA, 0x75, 0x00}},
         {1, 0}},
    };
    emulator.Slave().Paged(0, 0x05) = 0x77;
    Open();
    for (const Shape& shape : shapes) {
        SCOPED_TRACE(shape.name);
        emulator.ClearLog();
        Bytes read(shape.readLength);
        EXPECT_EQ(Stream(shape.write, read), shape.succeeds);
        EXPECT_EQ(emulator.OutPackets(), shape.packets);
        std::vector<std::size_t> answers;
        for (const Bytes& answer : emulator.Answers())
            answers.push_back(answer.size());
        EXPECT_EQ(answers, shape.answers);
        EXPECT_EQ(emulator.RoundTrips(), shape.packets.size()) << "each answer read once, right after its packet";
        ASSERT_EQ(emulator.Transactions().size(), 1u);
        EXPECT_TRUE(emulator.Transactions()[0].stopped);
    }
}

TEST_F(UsbioTest, StatusComesBeforeTheBytesReadAndTellsTheAcknowledge)
{
    emulator.Slave().Paged(0, 0x05) = 0x77;
    Open();
    Bytes value(1);
    ASSERT_TRUE(Stream({0x1A, 0x05}, value));
    EXPECT_EQ(value, Bytes{0x77});
    EXPECT_EQ(emulator.Answers(), std::vector<Bytes>{(Bytes{0x6F, 0x77})});

    emulator.ClearLog();
    value = {0x42};
    EXPECT_FALSE(Stream({0xA0, 0x05}, value));
    EXPECT_EQ(value, Bytes{0x42}) << "nothing delivered from a slave that is not there";
    EXPECT_EQ(emulator.Answers(), std::vector<Bytes>{(Bytes{0xEF, 0xFF})});
}

// Whatever the lengths, one address is checked, in the first packet: the one for reading when it
// fits there behind the bytes written (AA 74 99 <25 bytes> 74 80 address 00 fills it), else the
// first.
TEST_F(UsbioTest, OneAddressIsCheckedInTheFirstPacketWhateverTheLengths)
{
    constexpr std::size_t kLongestWriteBeforeCheckedRead = 25;
    Open();
    for (const std::uint8_t slave : {std::uint8_t{0x1A}, std::uint8_t{0xA0}}) {
        for (const std::size_t writeLength : {1u, 2u, 3u, 24u, 25u, 26u, 27u, 40u, 258u}) {
            for (const std::size_t readLength : {0u, 1u, 3u, 31u, 32u, 100u}) {
                SCOPED_TRACE(testing::Message() << std::hex << int{slave} << std::dec << " write " << writeLength
                                                << " read " << readLength);
                emulator.ClearLog();
                Bytes write = Cat({{slave, 0x10}, Counting(0x20, writeLength)});
                write.resize(writeLength);
                Bytes read(readLength);
                EXPECT_EQ(Stream(write, read), slave == 0x1A);
                const bool checkRead = readLength > 0 && writeLength <= kLongestWriteBeforeCheckedRead;
                const std::uint8_t checked = checkRead ? static_cast<std::uint8_t>(slave | 1) : slave;
                EXPECT_EQ(CheckedWrites(emulator.OutPackets()),
                          (std::vector<std::pair<std::size_t, std::uint8_t>>{{0, checked}}));
                for (const Bytes& packet : emulator.OutPackets())
                    EXPECT_LE(packet.size(), 32u);
                ASSERT_EQ(emulator.Transactions().size(), 1u);
                EXPECT_TRUE(emulator.Transactions()[0].stopped);
                if (slave == 0x1A) {
                    const bool addressOnly = writeLength == 1 && readLength > 0;
                    EXPECT_EQ(emulator.Transactions()[0].written,
                              addressOnly ? Bytes{checked} : OnBus(write, readLength));
                    EXPECT_EQ(emulator.Transactions()[0].read, readLength);
                }
            }
        }
    }
}

TEST_F(UsbioTest, BlockReadsSpanPacketsInTheFewestRoundTrips)
{
    for (std::uint16_t sub = 0; sub < BankedSlave::kFlatSize; ++sub)
        emulator.Slave().Flat(sub) = static_cast<std::uint8_t>(sub * 7 + (sub >> 8));
    Open();
    for (const std::size_t length : {2u, 29u, 30u, 31u, 33u, 261u, 4096u}) {
        SCOPED_TRACE(length);
        emulator.ClearLog();
        Bytes data(length); // exactly the size asked for, so that a write past it is caught
        ASSERT_TRUE(Stream({0x1A, 0x00, 0x00}, data));
        for (std::size_t i = 0; i < length; ++i)
            ASSERT_EQ(data[i], emulator.Slave().Flat(static_cast<std::uint16_t>(i))) << i;
        // The read address's status and the data, 31 bytes per IN packet.
        EXPECT_EQ(emulator.RoundTrips(), (1 + length + 30) / 31);
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

// The adapter answers no status for the bytes after the address, so a slave that refuses one of
// them goes unseen; one that refuses its address fails the transfer.
TEST_F(UsbioTest, OnlyARefusedAddressFailsTheTransfer)
{
    Open();
    for (const std::size_t refused : {1u, 2u}) {
        SCOPED_TRACE(refused);
        emulator.ClearLog();
        emulator.RefuseByte(refused);
        Bytes none;
        EXPECT_TRUE(Stream({0x1A, 0x06, 0x5F}, none));
        EXPECT_NE(emulator.Slave().Paged(0, 0x06), 0x5F);
        ASSERT_EQ(emulator.Transactions().size(), 1u);
        EXPECT_FALSE(emulator.Transactions()[0].acknowledged);
        EXPECT_TRUE(emulator.Transactions()[0].stopped);
    }
    emulator.RefuseByte(1);
    Bytes value(1);
    EXPECT_TRUE(Stream({0x1A, 0x05}, value)) << "refused sub-address of a read";

    emulator.ClearLog();
    emulator.RefuseAddress();
    Bytes none;
    EXPECT_FALSE(Stream({0x1A, 0x06, 0x5F}, none));
    EXPECT_NE(emulator.Slave().Paged(0, 0x06), 0x5F);
    emulator.RefuseAddress();
    value = {0x42};
    EXPECT_FALSE(Stream({0x1A, 0x05}, value));
    EXPECT_EQ(value, Bytes{0x42});
    ASSERT_EQ(emulator.Transactions().size(), 2u);
    for (const I2CTransaction& t : emulator.Transactions())
        EXPECT_TRUE(t.stopped);
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
    const Case cases[] = {{"read", {0x1A, 0x00, 0x00}, 100, 8}, {"write", longWrite, 0, 3}};
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

// A long read broken off by a short answer, whose ending packet is lost too: the slave is left
// sending, so the ending goes before the next transaction's start, or the transaction fails.
TEST_F(UsbioTest, EndingThatCouldNotBeSentGoesBeforeTheNextTransaction)
{
    const Bytes ending{0xAA, 0xC0, 0x75, 0x00};
    const auto breakOff = [this] {
        emulator.ClearLog();
        emulator.SetAnswerSurplus(-1);
        emulator.FailTransfer(UsbFault::Io, 3); // the packet out, its short answer, the read that drains
        Bytes data(100);
        EXPECT_FALSE(Stream({0x1A, 0x00, 0x00}, data));
        EXPECT_EQ(emulator.OutPackets().size(), 1u) << "the ending was not taken";
        EXPECT_FALSE(emulator.Transactions().back().stopped);
        emulator.SetAnswerSurplus(0);
    };
    Open();
    breakOff();
    emulator.ClearLog();
    emulator.FailTransfer(UsbFault::Io);
    Bytes id(3);
    EXPECT_FALSE(Stream({0x1A, 0x01}, id)) << "the ending fails again";
    EXPECT_TRUE(emulator.OutPackets().empty());
    ASSERT_TRUE(Stream({0x1A, 0x01}, id));
    EXPECT_EQ(id, (Bytes{0xF2, 0x18, 0x03}));
    ASSERT_FALSE(emulator.OutPackets().empty());
    EXPECT_EQ(emulator.OutPackets()[0], ending);
    for (const I2CTransaction& t : emulator.Transactions())
        EXPECT_TRUE(t.stopped);

    // An adapter plugged in again starts with an idle bus: nothing to end.
    breakOff();
    emulator.Unplug();
    emulator.Plug();
    Open();
    ASSERT_TRUE(Stream({0x1A, 0x01}, id));
    EXPECT_EQ(emulator.OutPackets().size(), 1u);
    EXPECT_NE(emulator.OutPackets()[0], ending);
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
    Bytes unread{0xAA, 0x74, 0x82, 0x1A, 0x05, 0x74, 0x80, 0x1B, 0xC2, 0xC0, 0x75, 0x00};
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
