#include "platform/EventWindow.h"

#include <QWidget>
#include <QWindow>

bool IsForWindow(const QObject* receiver, const QWidget* window)
{
    if (!receiver || !window)
        return false;
    if (receiver->isWidgetType())
        return static_cast<const QWidget*>(receiver)->window() == window;
    return receiver->isWindowType() && window->windowHandle() == receiver;
}
