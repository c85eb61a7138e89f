#pragma once

#include <QBasicTimer>
#include <QObject>

#include <cstdint>

class QEvent;
class QTimerEvent;

// The Escape key of a batch run. While the run is up, and until a second after both the run and
// the key are over, every press of Escape and every repeat of it held down is the run's, wherever
// the focus is: the first cancels the run, and none reaches a window. A second press, or the
// repeats of a held key, would otherwise come after the run has ended at the first, reach the
// main window and end the program, and the run's log with it.
//
// Made by the run with the dialog as owner (which takes it along if the program ends first); it
// goes by itself once its time is over, or when the next run makes its own.
class RunEscape : public QObject {
    Q_OBJECT

public:
    explicit RunEscape(QObject* owner);
    ~RunEscape() override;

    RunEscape(const RunEscape&) = delete;
    RunEscape& operator=(const RunEscape&) = delete;

    // Escape was pressed while the run was up.
    bool Cancelled() const { return m_bCancelled; }
    // The run is over: the key's presses stay the run's until a second after it is let go.
    void RunEnded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    bool Held() const;

    bool m_bRunning = true;
    bool m_bCancelled = false;
    // As the key's own events tell, for a window system that cannot be asked.
    bool m_bHeld = false;
    std::uint32_t m_scanCode = 0;
    // Runs once the run is over: the time since the key's last press or release.
    QBasicTimer m_grace;
};
