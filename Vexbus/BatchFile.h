#pragma once

#include <cstdio>

// Reading a batch file as the runner does: in pieces that fit its line buffer. A line ends with a
// LF, a CR LF or a CR alone, as editors save it; each is read as the one LF that a text-mode read
// makes of a CR LF.

// The line buffer: pieces of at most 254 characters and the terminator.
constexpr int kLineBuffer = 255;

// Rewinds the file to its first line: past a UTF-8 byte-order mark at its start, which would
// otherwise stick to the first word. Returns that position.
long RewindToFirstLine(std::FILE* file);

// The next line piece into a buffer of kLineBuffer bytes, its line end read as LF. Null at the end
// of the file and after a read error.
char* ReadPiece(char* buffer, std::FILE* file);

// How many reads of ReadPiece a loop that reads until the file's end flag is set makes from the
// file's current position: every piece, and one more that finds the end when the last piece
// stopped at a line end or at the buffer's limit. The file is read in large blocks and left at its
// end.
long long CountReads(std::FILE* file);
