#pragma once

#include <QBasicTimer>
#include <QObject>

#include <cstdint>

class QEvent;
class QTimerEvent;
class QWidget;

// The Escape key once a batch run is over. During the run Escape is the progress window's
// Cancel; the first press ends the run at once, so a second press, or the repeats of a key held
// down, would come after the run, reach the main window and end the program, and the run's log
// with it. Until a second after both the run and the key are over, the main window's Escape is
// dropped; a box or dialog opened meanwhile takes its own.
//
// Made by the run with the main window as owner (which takes it along if the program ends first);
// it goes by itself once its time is over, or when the next run makes its own.
class RunEscape : public QObject {
    Q_OBJECT

public:
    explicit RunEscape(QWidget* owner);
    ~RunEscape() override;

    RunEscape(const RunEscape&) = delete;
    RunEscape& operator=(const RunEscape&) = delete;

    // The run is over: the key's presses stay the run's until a second after it is let go.
    void RunEnded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    bool Held() const;

    QWidget* m_pOwner;
    bool m_bRunning = true;
    // As the key's own events tell, for a window system that cannot be asked; followed during the
    // run too, so that a key still down when the run ends is known.
    bool m_bHeld = false;
    std::uint32_t m_scanCode = 0;
    // Runs once the run is over: the time since the key's last press or release.
    QBasicTimer m_grace;
};
