#pragma once

#include "Vexbus/BatchFile.h"

#include <cstdio>

// The reads a loop makes that reads line pieces until the file's end flag is set, as the batch
// runner does: what its counting pass must count.
inline long long ReadsOneByOne(std::FILE* file)
{
    char line[kLineBuffer];
    long long reads = 0;
    while (!std::feof(file)) {
        ++reads;
        if (!ReadPiece(line, file) && std::ferror(file))
            break;
    }
    return reads;
}
