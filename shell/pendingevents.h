#pragma once

#include <QEventLoop>

// Lets the window events that are pending run, as the program's long loops do
// after each step: the splash's progress run, the fill of a record list, the
// collapse of the tree. Where no window event waits, that is only Qt's own
// posted events. On Windows the program asks the system whether one waits, at
// most once a millisecond, rather than sweeping the message queue at every
// step: under Wine a sweep costs about 0.15 ms and the question 0.04 ms, and
// the loops take hundreds or thousands of steps, a few microseconds each.
void letPendingEventsRun(QEventLoop::ProcessEventsFlags flags = QEventLoop::AllEvents);
