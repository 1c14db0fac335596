#include "shell/pendingevents.h"

#include <QCoreApplication>

#ifdef _WIN32
#include <windows.h>
#endif

void letPendingEventsRun(QEventLoop::ProcessEventsFlags flags)
{
#ifdef _WIN32
    // Input, paint, timers and messages sent by others. Posted messages are
    // left to the next full pass: Qt posts itself one whenever it posts itself
    // an event (appending a list entry does), and those events are sent here.
    if (HIWORD(GetQueueStatus(QS_ALLINPUT & ~QS_POSTMESSAGE)) == 0) {
        QCoreApplication::sendPostedEvents();
        return;
    }
#endif
    QCoreApplication::processEvents(flags);
}
