#include "Ch341Emulator.h"

#include <libusb.h>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

// The double itself, driven through raw libusb calls: what the chip would do with streams the
// adapter layer does not send, and the mistakes it reports.
TEST(Ch341EmulatorTest, AnswersRawStreamsAsTheChipDoes)
{
    Ch341Emulator& emulator = Ch341Emulator::Instance();
    emulator.Reset();
    libusb_context* context = nullptr;
    ASSERT_EQ(libusb_init(&context), LIBUSB_SUCCESS);
    libusb_device** list = nullptr;
    ASSERT_EQ(libusb_get_device_list(context, &list), 1);
    libusb_device_descriptor descriptor{};
    ASSERT_EQ(libusb_get_device_descriptor(list[0], &descriptor), LIBUSB_SUCCESS);
    EXPECT_EQ(descriptor.idVendor, 0x1A86);
    EXPECT_EQ(descriptor.idProduct, 0x5512);
    libusb_device_handle* handle = nullptr;
    ASSERT_EQ(libusb_open(list[0], &handle), LIBUSB_SUCCESS);
    libusb_free_device_list(list, 1);
    EXPECT_EQ(libusb_claim_interface(handle, 0), LIBUSB_ERROR_BUSY) << "kernel driver still bound";
    libusb_set_auto_detach_kernel_driver(handle, 1);
    ASSERT_EQ(libusb_claim_interface(handle, 0), LIBUSB_SUCCESS);

    const auto send = [&](std::vector<unsigned char> stream) {
        int sent = 0;
        const int length = static_cast<int>(stream.size());
        return libusb_bulk_transfer(handle, 0x02, stream.data(), length, &sent, 100) == LIBUSB_SUCCESS &&
               sent == length;
    };
    std::array<unsigned char, 64> answer{};
    int length = 0;
    const auto receive = [&] { return libusb_bulk_transfer(handle, 0x82, answer.data(), 64, &length, 100); };

    // Writes with a count answer nothing; a write with count 0 answers its status, before the
    // bytes read behind it, as a captured AA 74 80 78 C0 75 00 answered 6F FF.
    ASSERT_TRUE(send({0xAA, 0x74, 0x83, 0x1A, 0x40, 0x77, 0x75, 0x00}));
    EXPECT_EQ(receive(), LIBUSB_ERROR_TIMEOUT);
    ASSERT_TRUE(send({0xAA, 0x74, 0x81, 0x1A, 0x81, 0x40, 0x74, 0x80, 0x1B, 0xE0, 0xC0, 0x75, 0x00}));
    ASSERT_EQ(receive(), LIBUSB_SUCCESS);
    EXPECT_EQ(length, 34) << "32 reads acknowledged in one command, the last byte, and the status";
    EXPECT_EQ(answer[0], 0x6F);
    EXPECT_EQ(answer[1], 0x77);
    ASSERT_TRUE(send({0xAA, 0x74, 0x80, 0xA1, 0xC0, 0x75, 0x00}));
    ASSERT_EQ(receive(), LIBUSB_SUCCESS);
    EXPECT_EQ(length, 2);
    EXPECT_EQ(answer[0], 0xEF) << "no slave at A0";
    EXPECT_EQ(answer[1], 0xFF);
    EXPECT_TRUE(emulator.ProtocolErrors().empty());

    ASSERT_TRUE(send({0x74, 0x00}));
    ASSERT_TRUE(send({0xAA, 0x74, 0x80, 0x1A, 0xC1, 0x00}));
    ASSERT_TRUE(send({0xAA, 0x74, 0x80, 0x1A, 0x80, 0x40, 0x75, 0x00}));
    ASSERT_TRUE(send({0xAA, 0x74, 0x80, 0x1B, 0xE1, 0xC0, 0x75, 0x00}));
    emulator.ClearLog();
    EXPECT_EQ(emulator.ProtocolErrors(),
              (std::vector<std::string>{"packet does not start with 0xAA",
                                        "byte read while the slave is not addressed for reading",
                                        "second write with a status in one packet", "read of 33 bytes in one command"}))
        << "kept until Reset";

    EXPECT_EQ(libusb_release_interface(handle, 0), LIBUSB_SUCCESS);
    EXPECT_TRUE(emulator.KernelDriverBound());
    libusb_close(handle);
    libusb_exit(context);
    EXPECT_EQ(emulator.OpenHandles(), 0u);
    EXPECT_EQ(emulator.Devices(), 0u);
    emulator.Reset();
}

} // namespace
