#include "shell/pendingevents.h"

#include <QCoreApplication>

#ifdef _WIN32
#include <QElapsedTimer>
#include <windows.h>

namespace {

// Whether input, paint, a timer or a message sent by another thread waits,
// asked at most once a millisecond. Posted messages are not counted: Qt posts
// itself one whenever it posts itself an event (appending a list entry does),
// and those events are sent at every step.
bool windowEventWaits()
{
    static QElapsedTimer asked;
    if (asked.isValid() && !asked.hasExpired(1))
        return false;
    asked.start();
    return HIWORD(GetQueueStatus(QS_ALLINPUT & ~QS_POSTMESSAGE)) != 0;
}

} // namespace
#endif

void letPendingEventsRun(QEventLoop::ProcessEventsFlags flags)
{
#ifdef _WIN32
    if (!windowEventWaits()) {
        QCoreApplication::sendPostedEvents();
        return;
    }
#endif
    QCoreApplication::processEvents(flags);
}
