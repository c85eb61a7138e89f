#pragma once

#include <cstdio>
#include <string>

// Opening a file that the user picked, for loading a batch file and for saving: only a plain file
// on disk. A pipe, a device, a socket or a folder could block the program, never end or be
// changed by the write, and a file of the kernel's interface file systems, though regular,
// behaves like a device (reading /proc/kmsg drains the kernel's log and then blocks).

enum class PlainFileMode {
    Read,  // read only ("r"); reads never block: one that would counts as failed
    Write, // read and write, created or cut to length 0 ("w+")
};

// The stream, or null when the path cannot be opened so or names no plain file. Nothing else
// than a plain file is opened, created or cut.
std::FILE* OpenPlainFile(const std::string& path, PlainFileMode mode);
