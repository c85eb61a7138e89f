#include "CancelAfterPumps.h"

#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <QWidget>

namespace {

const QEvent::Type kPump = static_cast<QEvent::Type>(QEvent::registerEventType());

} // namespace

CancelAfterPumps::CancelAfterPumps(int count) : limit(count)
{
    Post();
}

void CancelAfterPumps::Post()
{
    QCoreApplication::postEvent(this, new QEvent(kPump));
}

void CancelAfterPumps::customEvent(QEvent* event)
{
    if (event->type() != kPump)
        return;
    if (++pumps == limit) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible() || !window->windowTitle().startsWith(QStringLiteral("Write to target machine")))
                continue;
            if (auto* cancel = window->findChild<QPushButton*>()) {
                cancel->click();
                clicked = true;
            }
        }
    }
    Post();
}
