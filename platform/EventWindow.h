#pragma once

class QObject;
class QWidget;

// Whether an event for this receiver goes to the top-level window: the receiver is the window's
// own window-system window (where the window system delivers input first) or one of its widgets.
bool IsForWindow(const QObject* receiver, const QWidget* window);
