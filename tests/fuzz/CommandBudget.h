#pragma once

#include <string_view>

// Whether running the lines of text as commands, typed or from a batch file, stays cheap: no
// counted or block read of more than a few registers and no delay of more than a millisecond.
// The command language takes counts and times up to 0xFFFFFFFF without any way to stop them,
// so a fuzz target runs only texts that pass. The check is conservative: it takes every word
// that a batch file's line pieces could start with as a command word.
bool WithinCommandBudget(std::string_view text);
