#pragma once

#include <QEvent>
#include <QObject>

// Counts the events of one type that reach an object.
class EventCounter : public QObject {
public:
    EventCounter(QObject* watched, QEvent::Type type) : m_type(type) { watched->installEventFilter(this); }

    int Count() const { return m_count; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == m_type)
            ++m_count;
        return false;
    }

private:
    QEvent::Type m_type;
    int m_count = 0;
};
