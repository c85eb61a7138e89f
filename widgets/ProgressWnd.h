#pragma once

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

class QEvent;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// The small top-most popup that long operations show: four lines of text, a bar, a Cancel button,
// and the title with the percentage done in its caption.
//
// The object and its window live apart: the window may be closed or destroyed by someone else
// (a close request, the death of its parent) while a caller still holds the object; every
// operation then behaves as if there were no window.
class CProgressWnd : public QObject {
    Q_OBJECT

public:
    CProgressWnd();
    // A null parent stands for the main window: the root owner of the active window.
    CProgressWnd(QWidget* parent, const QString& title, bool smooth = false);
    ~CProgressWnd() override;

    CProgressWnd(const CProgressWnd&) = delete;
    CProgressWnd& operator=(const CProgressWnd&) = delete;

    bool Create(QWidget* parent, const QString& title, bool smooth = false);
    bool BeginModal(const QString& title, bool smooth = false);

    void SetRange(int lower, int upper, int step);
    int SetPos(int pos);
    int OffsetPos(int delta);
    int SetStep(int step);
    int StepIt();
    // printf-style; what does not fit the buffer is cut.
    [[gnu::format(printf, 2, 3)]] void SetText(const char* format, ...);
    void Clear();

    void Show();
    void Hide();
    // Puts the latest text and position on the screen now, for a caller about to block the
    // thread or one that never pumps: the steady pace cannot catch up while nothing runs. A
    // window just created and never pumped is first waited for, briefly and once, until the
    // window system has exposed it.
    void ShowNow();
    // Dispatches what is pending and returns at once; never waits. What the program posted
    // (queued clicks and keys, calls, repaints) goes out on every call; the window system is
    // asked once per tick of the system's coarse clock (a few milliseconds), since asking costs a
    // system call that would take more than a batch line itself.
    // With escapeCancels, Escape typed into the main window or this one is the Cancel button's,
    // dispatched by the pump or by a loop nested in the caller's work (a box's, once the box has
    // gone): it cancels, and neither it nor any Escape after it reaches a window. An Escape typed
    // into a box or dialog with a loop of its own is that box's. Once the pump cancels, the
    // user's clicks and keys still pending are held back, and go out when the window is
    // destroyed, after the work.
    void PumpMessages(bool escapeCancels);
    bool IsCancelled() const { return m_bCancel; }

    bool DestroyWindow();

    // The popup, or null when there is no window.
    QWidget* GetWindow() const { return m_wnd; }

    static constexpr int TextBufferSize = 512;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void OnCancel();

private:
    // A window state change of the popup or of the main window.
    void OnStateChange(QObject* watched);
    void RestoreIfMinimisedAlone();
    // A close request on the window: the Cancel button's work.
    bool OnClose(QEvent* event);
    // Takes an Escape for the pump or a loop nested in the caller's work, while the latest pump's
    // caller takes Escape as its Cancel: the first press cancels; none goes on to a window.
    bool OnEscape(QEvent* event);
    // Whether the input event, for the pump or a loop nested in the caller's work after the
    // cancel, is to be held back.
    bool HoldAfterCancel(QObject* watched, QEvent* event);
    void ReleaseHeld();
    void SetDefaults();
    void LayoutControls(int lines, int width);
    void RestorePosition();
    void SavePosition();
    void CenterWindow();
    // Brings the text area and the bar up to the latest text and position.
    void ShowPending();
    // Waits until the window system has exposed the shown window, or a short while, dispatching
    // none of the program's input or timers.
    void AwaitExposure();
    // Every step of the range moves the bar by a pixel or more.
    bool EveryStepShows() const;

    // Given their values by SetDefaults.
    bool m_bCancel;
    bool m_bModal;
    bool m_bKeepPosition;
    int m_nPos;
    // The bar's position; the bar itself may lag behind while the steps are finer than a pixel.
    int m_nBarValue;
    int m_nShownPercent;
    int m_nStep;
    int m_nUpper;
    int m_nLower;
    int m_nTextLines;

    // The controls are children of m_wnd: valid exactly while m_wnd is.
    QPointer<QWidget> m_wnd;
    QLabel* m_wndText = nullptr;
    QProgressBar* m_wndBar = nullptr;
    QPushButton* m_btnCancel = nullptr;
    QTimer* m_textTimer = nullptr;
    QPointer<QWidget> m_pMainWnd;

    QString m_strTitle;
    QString m_strCancelCaption;
    QFont m_fontMessage;
    // The latest text, as formatted; the text area catches up with it at a steady pace, and so
    // does the bar with m_nBarValue.
    std::array<char, TextBufferSize> m_text{};
    std::size_t m_textLength = 0;
    // The caption that waits for the pace; null when the window shows the latest.
    QString m_pendingCaption;

    // What the latest pump was asked, and the thread's event-loop level it dispatched at: they
    // stay after it returns, for the loops nested in the caller's work until the next pump.
    bool m_bEscapeCancels = false;
    int m_nPumpLevel = 0;
    int m_nPumpDepth = 0;
    // The event whose dispatch cancelled, when the pump saw it do so; it is dispatched whole.
    const QEvent* m_pCancelEvent = nullptr;
    // The input held back after a cancel or while the window awaits its exposure, for its
    // receivers, in the order it came.
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> m_held;
    bool m_bWatching = false;
    bool m_bAwaitingExposure = false;
    // From Create until the window is first pumped, waited for or hidden.
    bool m_bFirstShowing = false;
    // The coarse clock's reading at the last pump that asked the window system; -1 for none.
    long long m_lastPoll = -1;
};
