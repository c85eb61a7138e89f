#include "ScreenProbe.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QThread>
#include <QWidget>

#include <gtest/gtest.h>

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

PendingWork::PendingWork()
{
    m_main.setGeometry(0, 0, 800, 600);
    auto* other = new QPushButton(QStringLiteral("Other"), &m_main);
    m_main.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&m_main)) << "the window with pending work never showed";
    QObject::connect(other, &QPushButton::clicked, [this] { ++m_clicks; });
    m_due.setSingleShot(true);
    m_due.setInterval(1);
    m_due.callOnTimeout([this] { m_timedOut = true; });
    m_due.start();
    QThread::msleep(20);
    PostClick(other);
}
