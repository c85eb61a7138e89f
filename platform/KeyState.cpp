#include "platform/KeyState.h"

#include <QGuiApplication>

#include <cstdlib>
#include <memory>

#include <xcb/xcb.h>

std::optional<bool> IsKeyDown(std::uint32_t nativeScanCode)
{
    const auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    // X key codes are 8 to 255.
    if (!x11 || nativeScanCode < 8 || nativeScanCode > 255)
        return std::nullopt;
    xcb_connection_t* connection = x11->connection();
    // A platform plugin may offer the interface without a connection of its own.
    if (!connection)
        return std::nullopt;
    const std::unique_ptr<xcb_query_keymap_reply_t, decltype(&std::free)>
        keymap(xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr), &std::free);
    if (!keymap)
        return std::nullopt;
    return (keymap->keys[nativeScanCode / 8] >> (nativeScanCode % 8) & 1) != 0;
}
