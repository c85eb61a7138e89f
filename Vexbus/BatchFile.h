#pragma once

#include <cstdio>

// Reading a batch file as the runner does: in pieces that fit its line buffer.

// The line buffer: pieces of at most 254 characters and the terminator.
constexpr int kLineBuffer = 255;

// The next line piece into a buffer of kLineBuffer bytes, with a CR LF line end read as LF, as a
// text-mode read gives it. Null at the end of the file and after a read error.
char* ReadPiece(char* buffer, std::FILE* file);

// How many reads of ReadPiece a loop that reads until the file's end flag is set makes from the
// file's current position: every piece, and one more that finds the end when the last piece
// stopped at a line feed or at the buffer's limit. The file is read in large blocks and left at
// its end.
long long CountReads(std::FILE* file);
