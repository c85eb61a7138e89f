#include "Ch341Emulator.h"

#include <libusb.h>

#include <gtest/gtest.h>

#include <array>

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

    // An unchecked three-byte write, then 40 bytes read back in one packet: 3 status bytes and
    // the data come as a full IN packet and a short one.
    std::array<unsigned char, 19> stream{0xAA, 0x74, 0x83, 0x1A, 0x40, 0x77, 0x75, 0x74, 0x80, 0x1A,
                                         0x80, 0x40, 0x74, 0x80, 0x1B, 0xE7, 0xC0, 0x75, 0x00};
    int length = 0;
    ASSERT_EQ(libusb_bulk_transfer(handle, 0x02, stream.data(), stream.size(), &length, 100), LIBUSB_SUCCESS);
    std::array<unsigned char, 64> answer{};
    ASSERT_EQ(libusb_bulk_transfer(handle, 0x82, answer.data(), answer.size(), &length, 100), LIBUSB_SUCCESS);
    EXPECT_EQ(length, 43);
    EXPECT_EQ(answer[2], 0x00);
    EXPECT_EQ(answer[3], 0x77);
    EXPECT_EQ(libusb_bulk_transfer(handle, 0x82, answer.data(), answer.size(), &length, 100), LIBUSB_ERROR_TIMEOUT);

    std::array<unsigned char, 6> absent{0xAA, 0x74, 0x80, 0xA0, 0x75, 0x00};
    ASSERT_EQ(libusb_bulk_transfer(handle, 0x02, absent.data(), absent.size(), &length, 100), LIBUSB_SUCCESS);
    ASSERT_EQ(libusb_bulk_transfer(handle, 0x82, answer.data(), 1, &length, 100), LIBUSB_SUCCESS);
    EXPECT_EQ(answer[0] & 0x80, 0x80) << "no acknowledge";
    EXPECT_TRUE(emulator.ProtocolErrors().empty());

    std::array<unsigned char, 8> wrong{0x74, 0x00, 0xAA, 0x74, 0x80, 0x1A, 0xC1, 0x00};
    ASSERT_EQ(libusb_bulk_transfer(handle, 0x02, wrong.data(), 2, &length, 100), LIBUSB_SUCCESS);
    ASSERT_EQ(libusb_bulk_transfer(handle, 0x02, wrong.data() + 2, 6, &length, 100), LIBUSB_SUCCESS);
    EXPECT_EQ(emulator.ProtocolErrors().size(), 2u) << "no 0xAA; reading from a slave addressed for writing";

    EXPECT_EQ(libusb_release_interface(handle, 0), LIBUSB_SUCCESS);
    EXPECT_TRUE(emulator.KernelDriverBound());
    libusb_close(handle);
    libusb_exit(context);
    EXPECT_EQ(emulator.OpenHandles(), 0u);
    EXPECT_EQ(emulator.Devices(), 0u);
    emulator.Reset();
}

} // namespace
