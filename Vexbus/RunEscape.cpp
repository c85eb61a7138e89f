#include "Vexbus/RunEscape.h"

#include "platform/EventWindow.h"
#include "platform/KeyState.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QTimerEvent>
#include <QWidget>

#include <utility>

namespace {

// Longer than the time between two quick presses, and than a key's delay before it repeats. Kept
// by a precise timer: a coarse one may fire some 5% early.
constexpr int kGraceMs = 1000;

} // namespace

RunEscape::RunEscape(QWidget* owner) : m_pOwner(owner)
{
    // One run's Escape at a time: a new run takes over from the last one's grace.
    for (RunEscape* last : owner->findChildren<RunEscape*>(Qt::FindDirectChildrenOnly))
        delete last;
    setParent(owner);
    QCoreApplication::instance()->installEventFilter(this);
}

RunEscape::~RunEscape()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

void RunEscape::RunEnded()
{
    m_bRunning = false;
    m_grace.start(kGraceMs, Qt::PreciseTimer, this);
}

bool RunEscape::Held() const
{
    // The window system knows best: the release of a key whose window went away while it was
    // down reaches none of the program's windows.
    return IsKeyDown(m_scanCode).value_or(m_bHeld);
}

bool RunEscape::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Escape)
            return false;
        if (event->type() == QEvent::KeyPress) {
            m_bHeld = true;
            m_scanCode = key->nativeScanCode();
            if (!m_bRunning)
                m_grace.start(kGraceMs, Qt::PreciseTimer, this);
        }
        // During the run the progress window decides what Escape does.
        if (m_bRunning || !IsForWindow(watched, m_pOwner))
            return false;
        // Accepted, so that no shortcut takes the key either.
        event->accept();
        return true;
    }
    case QEvent::KeyRelease: {
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && !key->isAutoRepeat()) {
            m_bHeld = false;
            if (!m_bRunning)
                m_grace.start(kGraceMs, Qt::PreciseTimer, this);
        }
        return false;
    }
    default: return false;
    }
}

void RunEscape::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_grace.timerId()) {
        QObject::timerEvent(event);
        return;
    }
    // Still down: its repeats, or its next press, are still the run's.
    if (Held())
        return;
    // Let go, though its release never came: the second counts from now.
    if (std::exchange(m_bHeld, false))
        return;
    m_grace.stop();
    QCoreApplication::instance()->removeEventFilter(this);
    deleteLater();
}
