// The libusb calls of the adapter layer, answered by the emulated CH341. A device list holds the
// adapter alone while it is plugged in; everything else goes to Ch341Emulator.
#include "Ch341Emulator.h"

#include <libusb.h>

struct libusb_context {};

struct libusb_device {
    unsigned plug = 0;
    int references = 1;
};

struct libusb_device_handle {
    unsigned plug = 0;
    bool autoDetach = false;
    bool claimed = false;
};

namespace {

constexpr std::uint16_t kVendor = 0x1A86;
constexpr std::uint16_t kProduct = 0x5512;
constexpr int kInterface = 0;
constexpr std::uint8_t kBus = 3;
constexpr std::uint8_t kAddress = 7;

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

ssize_t LIBUSB_CALL libusb_get_device_list(libusb_context*, libusb_device*** list)
{
    const std::optional<unsigned> plug = Emulator().Find();
    *list = new libusb_device* [2] { nullptr, nullptr };
    if (!plug)
        return 0;
    (*list)[0] = new libusb_device{*plug};
    Emulator().DeviceCreated();
    return 1;
}

libusb_device* LIBUSB_CALL libusb_ref_device(libusb_device* dev)
{
    ++dev->references;
    return dev;
}

void LIBUSB_CALL libusb_unref_device(libusb_device* dev)
{
    if (dev && --dev->references == 0) {
        delete dev;
        Emulator().DeviceDestroyed();
    }
}

void LIBUSB_CALL libusb_free_device_list(libusb_device** list, int unref_devices)
{
    if (!list)
        return;
    for (libusb_device** dev = list; unref_devices && *dev; ++dev)
        libusb_unref_device(*dev);
    delete[] list;
}

int LIBUSB_CALL libusb_get_device_descriptor(libusb_device*, libusb_device_descriptor* desc)
{
    *desc = libusb_device_descriptor{};
    desc->bLength = LIBUSB_DT_DEVICE_SIZE;
    desc->bDescriptorType = LIBUSB_DT_DEVICE;
    desc->idVendor = kVendor;
    desc->idProduct = kProduct;
    desc->bNumConfigurations = 1;
    return LIBUSB_SUCCESS;
}

uint8_t LIBUSB_CALL libusb_get_bus_number(libusb_device*)
{
    return kBus;
}

uint8_t LIBUSB_CALL libusb_get_device_address(libusb_device*)
{
    return kAddress;
}

int LIBUSB_CALL libusb_open(libusb_device* dev, libusb_device_handle** dev_handle)
{
    const int result = Emulator().Open(dev->plug);
    if (result == LIBUSB_SUCCESS)
        *dev_handle = new libusb_device_handle{dev->plug};
    return result;
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

int LIBUSB_CALL libusb_bulk_transfer(libusb_device_handle* dev_handle, unsigned char endpoint, unsigned char* data,
                                     int length, int* actual_length, unsigned int)
{
    int transferred = 0;
    const int result =
        Emulator().BulkTransfer(dev_handle->plug, dev_handle->claimed, endpoint, data, length, transferred);
    if (actual_length)
        *actual_length = transferred;
    return result;
}

const char* LIBUSB_CALL libusb_error_name(int errcode)
{
    switch (errcode) {
    case LIBUSB_SUCCESS: return "LIBUSB_SUCCESS / LIBUSB_TRANSFER_COMPLETED";
    case LIBUSB_ERROR_IO: return "LIBUSB_ERROR_IO";
    case LIBUSB_ERROR_INVALID_PARAM: return "LIBUSB_ERROR_INVALID_PARAM";
    case LIBUSB_ERROR_ACCESS: return "LIBUSB_ERROR_ACCESS";
    case LIBUSB_ERROR_NO_DEVICE: return "LIBUSB_ERROR_NO_DEVICE";
    case LIBUSB_ERROR_NOT_FOUND: return "LIBUSB_ERROR_NOT_FOUND";
    case LIBUSB_ERROR_BUSY: return "LIBUSB_ERROR_BUSY";
    case LIBUSB_ERROR_TIMEOUT: return "LIBUSB_ERROR_TIMEOUT";
    case LIBUSB_ERROR_OVERFLOW: return "LIBUSB_ERROR_OVERFLOW";
    case LIBUSB_ERROR_PIPE: return "LIBUSB_ERROR_PIPE";
    case LIBUSB_ERROR_INTERRUPTED: return "LIBUSB_ERROR_INTERRUPTED";
    case LIBUSB_ERROR_NO_MEM: return "LIBUSB_ERROR_NO_MEM";
    case LIBUSB_ERROR_NOT_SUPPORTED: return "LIBUSB_ERROR_NOT_SUPPORTED";
    case LIBUSB_ERROR_OTHER: return "LIBUSB_ERROR_OTHER";
    default: return "**UNKNOWN**";
    }
}
