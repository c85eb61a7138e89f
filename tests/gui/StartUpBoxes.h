#pragma once

#include "ScriptedResponder.h"

#include <vector>

// The boxes raised before main() ran, as the first responder received them.
extern std::vector<ScriptedResponder::Box> g_startUpBoxes;
