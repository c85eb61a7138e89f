#include "widgets/ProgressWnd.h"

#include "platform/EventWindow.h"
#include "platform/UiServices.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <limits>
#include <utility>

#include <time.h>

namespace {

constexpr int Margin = 10;
constexpr int CreateWidth = 390;
// The 3-D edge that the button and the bar are measured with.
constexpr int Edge = 2;
constexpr int TextIntervalMs = 40;
// A window manager maps a new window within milliseconds; past this, the window goes on unpainted
// rather than hold up the work it shows.
constexpr int ExposureWaitMs = 250;

// A caption bar and nothing else: no system menu, close box, minimise or maximise button.
// Minimised, the window would take its only Cancel out of the user's reach.
constexpr Qt::WindowFlags WindowFlags =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint;

// A clock read from memory, without a system call; it moves on every few milliseconds.
long long CoarseNow()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

int ClampToInt(long long value)
{
    return static_cast<int>(
        std::clamp<long long>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// The program's main window: the root of the active window's chain of owners, so that a dialog
// or another progress window that happens to be active is not taken for it.
QWidget* MainWindow()
{
    QWidget* wnd = QApplication::activeWindow();
    while (wnd && wnd->parentWidget())
        wnd = wnd->parentWidget()->window();
    return wnd;
}

// Whole percent of the position against the width of the range. Every user's range starts at
// 0, so the lower bound is not subtracted; values outside 0..100 stay, so that an overrun shows.
int Percent(int pos, int lower, int upper)
{
    if (upper <= lower)
        return 0;
    return ClampToInt(static_cast<long long>(pos) * 100 / (static_cast<long long>(upper) - lower));
}

// Length of the text without a multi-byte character that the cut left incomplete.
std::size_t WholeUtf8(const char* text, std::size_t length)
{
    std::size_t start = length;
    while (start > 0 && (static_cast<unsigned char>(text[start - 1]) & 0xC0) == 0x80)
        --start;
    if (start == 0)
        return length;
    const auto lead = static_cast<unsigned char>(text[start - 1]);
    const std::size_t need = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return length - (start - 1) < need ? start - 1 : length;
}

bool IsEscapeKey(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride: return static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape;
    default: return false;
    }
}

// Both bar kinds are drawn by one style sheet so that they look alike but for the segments.
const char* const SmoothBarStyle = "QProgressBar { border: 1px solid palette(dark); background: palette(base); }"
                                   "QProgressBar::chunk { background: palette(highlight); }";
const char* const SegmentedBarStyle =
    "QProgressBar { border: 1px solid palette(dark); background: palette(base); }"
    "QProgressBar::chunk { background: palette(highlight); width: 8px; margin: 1px; }";

} // namespace

CProgressWnd::CProgressWnd()
{
    SetDefaults();
}

CProgressWnd::CProgressWnd(QWidget* parent, const QString& title, bool smooth)
{
    SetDefaults();
    m_strTitle = title;
    Create(parent, title, smooth);
}

CProgressWnd::~CProgressWnd()
{
    DestroyWindow();
    if (m_bWatching && qApp)
        qApp->removeEventFilter(this);
}

void CProgressWnd::SetDefaults()
{
    m_bCancel = false;
    m_bModal = false;
    m_bKeepPosition = true;
    m_nPos = 0;
    m_nBarValue = 0;
    m_nShownPercent = 0;
    m_nStep = 1;
    m_nUpper = 100;
    m_nLower = 0;
    m_nTextLines = 4;
    m_strTitle = QStringLiteral("Progress");
    m_strCancelCaption = QStringLiteral(" Cancel ");
}

bool CProgressWnd::Create(QWidget* parent, const QString& title, bool smooth)
{
    // One window per object: a second one would orphan the first.
    if (m_wnd)
        return false;

    m_fontMessage = QApplication::font("QMessageBox");
    m_pMainWnd = parent ? parent : MainWindow();

    auto* wnd = new QWidget(m_pMainWnd, WindowFlags);
    wnd->setAttribute(Qt::WA_ShowWithoutActivating);
    // A close that goes through (a modal cancel) destroys the window; the object stays usable.
    wnd->setAttribute(Qt::WA_DeleteOnClose);
    wnd->setWindowTitle(title);
    wnd->setCursor(Qt::BusyCursor);
    wnd->setBackgroundRole(QPalette::Button);
    wnd->setAutoFillBackground(true);

    m_wndText = new QLabel(wnd);
    m_wndText->setTextFormat(Qt::PlainText);
    m_wndText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_wndText->setWordWrap(false);
    m_wndText->setCursor(Qt::ArrowCursor);

    m_wndBar = new QProgressBar(wnd);
    m_wndBar->setTextVisible(false);
    m_wndBar->setStyleSheet(QString::fromLatin1(smooth ? SmoothBarStyle : SegmentedBarStyle));
    m_wndBar->setRange(0, 100);
    m_wndBar->setValue(0);
    m_nBarValue = 0;
    m_wndBar->setCursor(Qt::ArrowCursor);

    m_btnCancel = new QPushButton(m_strCancelCaption, wnd);
    m_btnCancel->setCursor(Qt::ArrowCursor);
    connect(m_btnCancel, &QPushButton::clicked, this, &CProgressWnd::OnCancel);

    // A batch sets the text and steps the bar for every line; repainting them each time would
    // cost more than the batch's own work, so they are refreshed at a steady pace instead.
    m_textTimer = new QTimer(wnd);
    m_textTimer->setSingleShot(true);
    m_textTimer->setInterval(TextIntervalMs);
    connect(m_textTimer, &QTimer::timeout, this, &CProgressWnd::ShowPending);

    m_btnCancel->setFont(m_fontMessage);
    m_wndText->setFont(m_fontMessage);

    // Every event of the program is watched from now on: the window's close request and its
    // window state, the main window's state, and while pumping, the input. Between pumps the watch
    // lets everything pass: putting it in place and away again would cost more than the pump.
    if (!m_bWatching) {
        qApp->installEventFilter(this);
        m_bWatching = true;
    }
    m_wnd = wnd;

    LayoutControls(m_nTextLines, CreateWidth);
    if (m_bKeepPosition)
        RestorePosition();
    else
        CenterWindow();
    Show();
    m_bFirstShowing = true;
    return true;
}

void CProgressWnd::LayoutControls(int lines, int width)
{
    const QFontMetrics fm(m_fontMessage);

    QString measure = QStringLiteral("M");
    for (int i = 1; i < lines; ++i)
        measure += QStringLiteral("\nM");
    const int textHeight =
        fm.boundingRect(QRect(Margin, Margin, width, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, measure)
            .height();
    const QRect text(Margin, Margin, width, textHeight);

    const QSize button(fm.horizontalAdvance(m_strCancelCaption + QStringLiteral("  ")) + 4 * Edge,
                       fm.height() + 3 * Edge);
    const QRect buttonRect(text.right() + 1 - button.width(), text.bottom() + 1 + Margin, button.width(),
                           button.height());
    const QRect barRect(QPoint(text.left(), buttonRect.top() + Edge),
                        QPoint(buttonRect.left() - Margin - 1, buttonRect.bottom() - Edge));

    m_wnd->setFixedSize(width + 2 * Margin, textHeight + button.height() + 3 * Margin);
    m_wndBar->setGeometry(barRect);
    m_btnCancel->setGeometry(buttonRect);
    m_wndText->setGeometry(text);
}

void CProgressWnd::RestorePosition()
{
    const int x = GetProfileInt("Settings", "X", -1);
    const int y = GetProfileInt("Settings", "Y", -1);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->geometry().size() : QSize();
    if (x >= 0 && x < size.width() && y >= 0 && y < size.height())
        m_wnd->move(x, y);
    else
        CenterWindow();
}

void CProgressWnd::CenterWindow()
{
    const QWidget* owner = m_wnd->parentWidget();
    const bool overOwner = owner && owner->isVisible() && !owner->isMinimized();
    const QScreen* screen = overOwner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect over = overOwner ? owner->frameGeometry() : area;
    const QSize size = m_wnd->frameGeometry().size();

    QPoint topLeft = over.center() - QPoint(size.width() / 2, size.height() / 2);
    topLeft.setX(std::max(area.left(), std::min(topLeft.x(), area.right() + 1 - size.width())));
    topLeft.setY(std::max(area.top(), std::min(topLeft.y(), area.bottom() + 1 - size.height())));
    m_wnd->move(topLeft);
}

void CProgressWnd::SavePosition()
{
    if (!m_wnd)
        return;
    const QPoint p = m_wnd->pos();
    WriteProfileInt("Settings", "X", p.x());
    WriteProfileInt("Settings", "Y", p.y());
}

bool CProgressWnd::BeginModal(const QString& title, bool smooth)
{
    if (!m_wnd && !Create(m_pMainWnd, title, smooth))
        return false;
    if (m_pMainWnd)
        m_pMainWnd->setEnabled(false);
    // The popup is owned by the main window: enable it explicitly, or it stays disabled too.
    m_wnd->setEnabled(true);
    m_bModal = true;
    return true;
}

void CProgressWnd::SetRange(int lower, int upper, int step)
{
    if (!m_wnd)
        return;
    // An empty range shows an empty bar rather than the busy indicator of a 0..0 range.
    if (upper > lower)
        m_wndBar->setRange(lower, upper);
    else
        m_wndBar->setRange(0, 1);
    m_nBarValue = upper > lower ? std::clamp(m_nPos, lower, upper) : 0;
    m_wndBar->setValue(m_nBarValue);
    m_nUpper = upper;
    m_nLower = lower;
    m_nStep = step;
}

int CProgressWnd::SetPos(int pos)
{
    if (!m_wnd)
        return m_nPos;
    Show();
    m_nPos = pos;
    const bool paced = m_textTimer->isActive();

    // A caption written on every step floods the window manager, which then holds back the
    // user's clicks: it follows the text's pace.
    const int percent = Percent(pos, m_nLower, m_nUpper);
    if (percent != m_nShownPercent) {
        m_nShownPercent = percent;
        m_pendingCaption = QStringLiteral("%1 [%2%]").arg(m_strTitle, QString::number(percent));
        if (!paced) {
            m_wnd->setWindowTitle(std::exchange(m_pendingCaption, QString()));
            m_textTimer->start();
        }
    }

    const int previous = m_nBarValue;
    m_nBarValue = m_nUpper > m_nLower ? std::clamp(pos, m_nLower, m_nUpper) : 0;
    if (m_nBarValue == previous)
        return previous;
    // The bar's own check whether a step shows asks the style each time, which costs more than
    // a batch line: steps finer than a pixel wait for the pace, the ends show at once.
    const bool atEnd = m_nBarValue == m_nLower || m_nBarValue == m_nUpper;
    if (EveryStepShows() || atEnd || !paced) {
        m_wndBar->setValue(m_nBarValue);
        if (!paced && !EveryStepShows())
            m_textTimer->start();
    }
    return previous;
}

int CProgressWnd::OffsetPos(int delta)
{
    if (!m_wnd)
        return m_nPos;
    Show();
    return SetPos(ClampToInt(static_cast<long long>(m_nPos) + delta));
}

int CProgressWnd::StepIt()
{
    return OffsetPos(m_nStep);
}

int CProgressWnd::SetStep(int step)
{
    const int previous = m_nStep;
    m_nStep = step;
    return previous;
}

void CProgressWnd::SetText(const char* format, ...)
{
    if (!m_wnd)
        return;
    va_list args;
    va_start(args, format);
    const int written = std::vsnprintf(m_text.data(), m_text.size(), format, args);
    va_end(args);

    std::size_t length = written < 0 ? 0 : static_cast<std::size_t>(written);
    if (length >= m_text.size())
        length = WholeUtf8(m_text.data(), m_text.size() - 1);
    // Kept as formatted: only the text that is shown is converted.
    m_textLength = length;
    if (!m_textTimer->isActive())
        ShowPending();
}

void CProgressWnd::ShowPending()
{
    if (!m_wnd)
        return;
    bool shown = false;
    const QString text = QString::fromUtf8(m_text.data(), static_cast<qsizetype>(m_textLength));
    if (m_wndText->text() != text) {
        m_wndText->setText(text);
        shown = true;
    }
    if (m_wndBar->value() != m_nBarValue) {
        m_wndBar->setValue(m_nBarValue);
        shown = true;
    }
    if (!m_pendingCaption.isNull()) {
        m_wnd->setWindowTitle(std::exchange(m_pendingCaption, QString()));
        shown = true;
    }
    if (shown)
        m_textTimer->start();
}

void CProgressWnd::ShowNow()
{
    if (!m_wnd)
        return;
    ShowPending();
    AwaitExposure();
    if (m_wnd)
        m_wnd->repaint();
}

void CProgressWnd::AwaitExposure()
{
    // Only the window's first showing is waited for: a window shown on another desktop or
    // minimised with the main window is never exposed, and each later wait would add its whole
    // length to the work, a "delay" line's among it.
    if (!std::exchange(m_bFirstShowing, false))
        return;
    const auto waiting = [this] {
        return m_wnd && m_wnd->isVisible() && !m_wnd->isMinimized() &&
               !(m_wnd->windowHandle() && m_wnd->windowHandle()->isExposed());
    };
    if (!waiting())
        return;
    // The window system's own events and what Qt itself posted go through, the exposure among
    // them; the user's input is held back and timers wait.
    const bool outer = std::exchange(m_bAwaitingExposure, true);
    const QDeadlineTimer deadline(ExposureWaitMs);
    while (waiting() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers |
                                        QEventLoop::X11ExcludeTimers);
        if (waiting())
            QThread::msleep(1);
    }
    m_bAwaitingExposure = outer;
    // Input held behind a cancel waits for the window's end, as ever.
    if (!outer && !m_bCancel)
        ReleaseHeld();
}

bool CProgressWnd::EveryStepShows() const
{
    return static_cast<long long>(m_nUpper) - m_nLower <= m_wndBar->width();
}

void CProgressWnd::Clear()
{
    if (m_wnd) {
        m_textLength = 0;
        m_wndText->clear();
    }
    SetPos(0);
    m_bCancel = false;
    m_nPos = 0;
}

void CProgressWnd::Show()
{
    if (m_wnd && !m_wnd->isVisible())
        m_wnd->show();
}

void CProgressWnd::Hide()
{
    m_bFirstShowing = false;
    if (m_wnd && m_wnd->isVisible())
        m_wnd->hide();
}

void CProgressWnd::PumpMessages(bool escapeCancels)
{
    if (m_bModal && m_wnd && QApplication::focusWidget() != m_wnd) {
        m_wnd->activateWindow();
        m_wnd->setFocus();
    }
    // A window that is pumped is shown by the window system in its own time.
    m_bFirstShowing = false;
    if (m_bCancel)
        return;

    const bool outerEscapeCancels = m_bEscapeCancels;
    const int outerLevel = m_nPumpLevel;
    m_bEscapeCancels = escapeCancels;
    // Modal dialogs that a dispatched event opens run loops of their own, one level deeper.
    m_nPumpLevel = QThread::currentThread()->loopLevel();
    ++m_nPumpDepth;
    if (const long long now = CoarseNow(); now != m_lastPoll) {
        m_lastPoll = now;
        QCoreApplication::processEvents();
    } else {
        QCoreApplication::sendPostedEvents();
    }
    --m_nPumpDepth;
    if (m_nPumpDepth > 0) {
        m_nPumpLevel = outerLevel;
        m_bEscapeCancels = outerEscapeCancels;
    } else {
        m_pCancelEvent = nullptr;
    }
}

bool CProgressWnd::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close && m_wnd && watched == m_wnd)
        return OnClose(event);
    if (event->type() == QEvent::WindowStateChange)
        OnStateChange(watched);
    if (!event->isInputEvent())
        return false;
    if (m_bAwaitingExposure) {
        m_held.emplace_back(watched, event->clone());
        return true;
    }

    const int level = QThread::currentThread()->loopLevel();
    const bool pumped = m_nPumpDepth > 0 && level == m_nPumpLevel;
    // A box's loop (or a dialog's that a dispatched click opened) goes on for a moment after its
    // window has gone: what it dispatches to the main window or this one would otherwise have
    // waited for the pump. Input for the box's own window is the box's.
    const bool nested =
        !pumped && level > m_nPumpLevel && (IsForWindow(watched, m_wnd) || IsForWindow(watched, m_pMainWnd));
    if (!pumped && !nested)
        return false;
    if (m_bEscapeCancels && m_wnd && IsEscapeKey(event))
        return OnEscape(event);
    if (m_bCancel)
        return HoldAfterCancel(watched, event);

    if (pumped && event->type() == QEvent::MouseButtonRelease && m_bModal && m_wnd) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QRect button(m_btnCancel->mapToGlobal(QPoint(0, 0)), m_btnCancel->size());
        if (mouse->button() == Qt::LeftButton && button.contains(mouse->globalPosition().toPoint())) {
            m_pCancelEvent = event;
            OnCancel();
        }
    }
    return false;
}

bool CProgressWnd::OnEscape(QEvent* event)
{
    if (event->type() == QEvent::KeyPress && !m_bCancel)
        OnCancel();
    // Neither this press nor one after it (pressed twice, held down) goes on to a window: in the
    // main window Escape ends the program, and the caller's work with it. Accepted, so that no
    // shortcut takes it either.
    event->accept();
    return true;
}

void CProgressWnd::OnStateChange(QObject* watched)
{
    if (!m_wnd || !m_wnd->isMinimized() || (watched != m_wnd && watched != m_pMainWnd))
        return;
    // Decided once the window system's pending changes are in: a window manager that minimises
    // the main window and its windows together tells of each, in an order of its own.
    QMetaObject::invokeMethod(this, &CProgressWnd::RestoreIfMinimisedAlone, Qt::QueuedConnection);
}

void CProgressWnd::RestoreIfMinimisedAlone()
{
    // Some window managers offer minimise whatever the window asks for; minimised on its own, the
    // window would take its only Cancel out of reach, so it comes straight back. Minimised with
    // the main window, it stays with it, and comes back when the main window does.
    if (m_wnd && m_wnd->isMinimized() && !(m_pMainWnd && m_pMainWnd->isMinimized()))
        m_wnd->setWindowState(m_wnd->windowState() & ~Qt::WindowMinimized);
}

bool CProgressWnd::HoldAfterCancel(QObject* watched, QEvent* event)
{
    // The event that cancelled goes on to its receivers whole: from the window system first to
    // a window and from there to widgets, or from widget to parent, as one event. Anything
    // else is new input that was pending behind it.
    const bool fresh = event->spontaneous() ? watched->isWindowType() : event != m_pCancelEvent;
    if (!fresh)
        return false;
    m_held.emplace_back(watched, event->clone());
    return true;
}

void CProgressWnd::ReleaseHeld()
{
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held;
    held.swap(m_held);
    for (auto& [receiver, event] : held) {
        if (receiver)
            QCoreApplication::postEvent(receiver, event.release());
    }
}

bool CProgressWnd::OnClose(QEvent* event)
{
    if (!m_bModal) {
        // Window managers may draw a close box whatever the window asks for: the request is the
        // Cancel button's, and the window stays, hidden, until its user destroys it.
        event->ignore();
        OnCancel();
        return true;
    }
    // Modal: the window goes now, as the Cancel button makes it go; from now on there is none.
    const bool request = !m_bCancel;
    m_wnd = nullptr;
    if (request)
        OnCancel();
    return false;
}

void CProgressWnd::OnCancel()
{
    m_bCancel = true;
    Hide();
    // Modal: the window goes at once, without saving its position; the main window stays
    // disabled until DestroyWindow.
    if (m_bModal && m_wnd)
        m_wnd->close();
    if (m_pMainWnd)
        m_pMainWnd->activateWindow();
}

bool CProgressWnd::DestroyWindow()
{
    ReleaseHeld();
    if (m_bKeepPosition)
        SavePosition();
    if (m_bModal) {
        m_bModal = false;
        if (m_pMainWnd)
            m_pMainWnd->setEnabled(true);
    }
    if (!m_wnd)
        return false;
    QWidget* wnd = m_wnd;
    m_wnd = nullptr;
    delete wnd;
    return true;
}
