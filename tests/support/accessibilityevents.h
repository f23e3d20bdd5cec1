#pragma once

#include <QAccessible>
#include <QList>
#include <QObject>
#include <QPair>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

// Records what a screen reader would be told, in order, while it lives. Qt takes the update
// handler as a plain function, so the one recorder alive is reached through a static slot;
// only one may exist at a time. Links Qt6::GuiPrivate: as in Qt's own accessibility tests,
// the platform's accessibility is switched on by hand, for Qt sends no event while no
// assistive tool has asked for them.
class AccessibilityEvents
{
public:
    AccessibilityEvents()
    {
        current() = this;
        QAccessible::installUpdateHandler(&record);
        platform()->setActive(true);
    }
    ~AccessibilityEvents()
    {
        platform()->setActive(false);
        QAccessible::installUpdateHandler(nullptr);
        current() = nullptr;
    }
    AccessibilityEvents(const AccessibilityEvents &) = delete;
    AccessibilityEvents &operator=(const AccessibilityEvents &) = delete;

    // How many events of `type` were sent for `object`.
    int count(const QObject *object, QAccessible::Event type) const
    {
        int n = 0;
        for (const auto &[sender, sent] : m_events) {
            n += sender == object && sent == type ? 1 : 0;
        }
        return n;
    }
    // How many events of `type` were sent for any object.
    int count(QAccessible::Event type) const
    {
        int n = 0;
        for (const auto &event : m_events) {
            n += event.second == type ? 1 : 0;
        }
        return n;
    }
    void clear() { m_events.clear(); }

private:
    static QPlatformAccessibility *platform()
    {
        return QGuiApplicationPrivate::platformIntegration()->accessibility();
    }
    static AccessibilityEvents *&current()
    {
        static AccessibilityEvents *recorder = nullptr;
        return recorder;
    }
    static void record(QAccessibleEvent *event)
    {
        if (AccessibilityEvents *recorder = current()) {
            recorder->m_events.append({event->object(), event->type()});
        }
    }

    QList<QPair<const QObject *, QAccessible::Event>> m_events;
};
