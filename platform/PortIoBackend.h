#pragma once

// The seam under the port I/O layer: the three system calls it makes on the parallel-port
// device, with the meaning of open(2), ioctl(2) with the ppdev requests, and close(2).
// Tests install their own to put a simulated bus behind the layer without hardware.
class PortIoBackend {
public:
    virtual ~PortIoBackend() = default;
    virtual int Open(const char* path, int flags) = 0;
    virtual int Ioctl(int fd, unsigned long request, void* arg) = 0;
    virtual int Close(int fd) = 0;
};

// Installs the backend that the next InitializeWinIo opens the port with (null: the system
// calls). An open port keeps the backend it was opened with until ShutdownWinIo.
void SetPortIoBackend(PortIoBackend* backend);
