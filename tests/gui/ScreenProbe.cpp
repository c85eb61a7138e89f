#include "ScreenProbe.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

QImage OnScreen(const QWidget* wnd)
{
    const QRect area(wnd->mapToGlobal(QPoint(0, 0)), wnd->size());
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QImage Rendered(QWidget* wnd)
{
    return wnd->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void PostClick(QWidget* target)
{
    const QPointF local(target->width() / 2.0, target->height() / 2.0);
    const QPointF global = target->mapToGlobal(local);
    QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonPress, local, global, Qt::LeftButton,
                                                        Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonRelease, local, global, Qt::LeftButton,
                                                        Qt::NoButton, Qt::NoModifier));
}
