// The libusb calls of the adapter layer, answered by the emulated CH341. Only the adapter's
// vendor and product ids are found; everything else goes to Ch341Emulator.
#include "Ch341Emulator.h"

#include <libusb.h>

struct libusb_context {};

struct libusb_device_handle {
    unsigned plug = 0;
    bool autoDetach = false;
    bool claimed = false;
};

namespace {

constexpr std::uint16_t kVendor = 0x1A86;
constexpr std::uint16_t kProduct = 0x5512;
constexpr int kInterface = 0;

Ch341Emulator& Emulator()
{
    return Ch341Emulator::Instance();
}

} // namespace

int LIBUSB_CALL libusb_init(libusb_context** ctx)
{
    if (ctx)
        *ctx = new libusb_context;
    Emulator().ContextCreated();
    return LIBUSB_SUCCESS;
}

void LIBUSB_CALL libusb_exit(libusb_context* ctx)
{
    delete ctx;
    Emulator().ContextDestroyed();
}

libusb_device_handle* LIBUSB_CALL libusb_open_device_with_vid_pid(libusb_context*, uint16_t vendor_id,
                                                                   uint16_t product_id)
{
    if (vendor_id != kVendor || product_id != kProduct)
        return nullptr;
    const std::optional<unsigned> plug = Emulator().Open();
    return plug ? new libusb_device_handle{*plug} : nullptr;
}

void LIBUSB_CALL libusb_close(libusb_device_handle* dev_handle)
{
    if (!dev_handle)
        return;
    Emulator().Close(dev_handle->plug, dev_handle->claimed);
    delete dev_handle;
}

int LIBUSB_CALL libusb_set_auto_detach_kernel_driver(libusb_device_handle* dev_handle, int enable)
{
    dev_handle->autoDetach = enable != 0;
    return LIBUSB_SUCCESS;
}

int LIBUSB_CALL libusb_claim_interface(libusb_device_handle* dev_handle, int interface_number)
{
    if (interface_number != kInterface)
        return LIBUSB_ERROR_NOT_FOUND;
    if (dev_handle->claimed)
        return LIBUSB_SUCCESS;
    const int result = Emulator().Claim(dev_handle->plug, dev_handle->autoDetach);
    dev_handle->claimed = result == LIBUSB_SUCCESS;
    return result;
}

int LIBUSB_CALL libusb_release_interface(libusb_device_handle* dev_handle, int interface_number)
{
    if (interface_number != kInterface || !dev_handle->claimed)
        return LIBUSB_ERROR_NOT_FOUND;
    const int result = Emulator().Release(dev_handle->plug, dev_handle->autoDetach);
    if (result == LIBUSB_SUCCESS || result == LIBUSB_ERROR_NO_DEVICE)
        dev_handle->claimed = false;
    return result;
}

int LIBUSB_CALL libusb_get_configuration(libusb_device_handle* dev_handle, int* config)
{
    return Emulator().Configuration(dev_handle->plug, *config);
}

int LIBUSB_CALL libusb_bulk_transfer(libusb_device_handle* dev_handle, unsigned char endpoint,
                                     unsigned char* data, int length, int* actual_length, unsigned int)
{
    int transferred = 0;
    const int result =
        Emulator().BulkTransfer(dev_handle->plug, dev_handle->claimed, endpoint, data, length, transferred);
    if (actual_length)
        *actual_length = transferred;
    return result;
}
