#pragma once

#include <X11/Xlib.h>

// Sends a press and release of Return to the window, as a user typing it.
void SendReturnKey(Display* display, Window window);
