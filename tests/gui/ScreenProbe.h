#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

// What the screen shows of a window, against what the window paints of itself: the two match
// once the window has been painted on the screen.
QImage OnScreen(const QWidget* wnd);
QImage Rendered(QWidget* wnd);

// A click as the user makes it: queued, for the next pump to dispatch.
void PostClick(QWidget* target);

// A shown window whose button has a click queued, and a timer that is due: what a pump would
// dispatch, for code that must paint without dispatching either.
class PendingWork {
public:
    PendingWork();
    PendingWork(const PendingWork&) = delete;
    PendingWork& operator=(const PendingWork&) = delete;

    QWidget& Window() { return m_main; }
    bool TimedOut() const { return m_timedOut; }
    int Clicks() const { return m_clicks; }

private:
    QWidget m_main;
    QTimer m_due;
    bool m_timedOut = false;
    int m_clicks = 0;
};
