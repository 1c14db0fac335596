#pragma once

#include <QAccessible>
#include <QList>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

// What assistive technology is told while one of these lives, as it is told:
// accessibility switched on as a screen reader switches it on, and every event
// kept here instead of going to the platform.
class ToldEvents
{
public:
    struct Told
    {
        QAccessible::Event type;
        QObject *object;
        QString name; // of the object, or of its child the event names
        bool checked;
    };

    ToldEvents()
    {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QAccessible::installUpdateHandler(&keep);
        told().clear();
    }
    ~ToldEvents()
    {
        QAccessible::installUpdateHandler(nullptr);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    }
    ToldEvents(const ToldEvents &) = delete;
    ToldEvents &operator=(const ToldEvents &) = delete;

    // The events of one kind, in order; only those about object when one is given.
    QList<Told> of(QAccessible::Event type, const QObject *object = nullptr) const
    {
        QList<Told> found;
        for (const Told &event : told())
            if (event.type == type && (!object || event.object == object))
                found << event;
        return found;
    }

private:
    static QList<Told> &told()
    {
        static QList<Told> events;
        return events;
    }
    static void keep(QAccessibleEvent *event)
    {
        QAccessibleInterface *about = event->accessibleInterface();
        told() << Told{event->type(), event->object(),
                       about ? about->text(QAccessible::Name) : QString(),
                       about && about->state().checked};
    }
};
