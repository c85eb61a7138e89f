#pragma once

#include <cstdint>
#include <optional>

// Whether the key with this native scan code (a key event's nativeScanCode()) is down on the
// keyboard now, asked of the window system: a key event can be lost, as the release of a key
// whose window went away while it was held. Empty where the window system cannot tell (no X
// server).
std::optional<bool> IsKeyDown(std::uint32_t nativeScanCode);
