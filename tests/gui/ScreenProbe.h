#pragma once

#include <QImage>

class QWidget;

// What the screen shows of a window, against what the window paints of itself: the two match
// once the window has been painted on the screen.
QImage OnScreen(const QWidget* wnd);
QImage Rendered(QWidget* wnd);

// A click as the user makes it: queued, for the next pump to dispatch.
void PostClick(QWidget* target);
