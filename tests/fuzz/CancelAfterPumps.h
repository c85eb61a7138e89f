#pragma once

#include <QObject>

class QEvent;

// Clicks Cancel in the running batch's progress window once the batch has pumped its messages a
// given number of times: a jump back to a label loops until the user cancels. It counts the
// pumps with an event that it posts to itself again whenever it arrives; an event posted while
// posted events are delivered waits for the next delivery, so it arrives once in each pump.
class CancelAfterPumps : public QObject {
public:
    explicit CancelAfterPumps(int pumps);

    int Pumps() const { return pumps; }
    // Whether Cancel was there to click when the count was reached.
    bool Clicked() const { return clicked; }

protected:
    void customEvent(QEvent* event) override;

private:
    void Post();

    int pumps = 0;
    int limit;
    bool clicked = false;
};
