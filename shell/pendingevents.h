#pragma once

#include <QEventLoop>

// Lets the window events that are pending run, as the program's long loops do
// after each step: the splash's progress run, the fill of a record list, the
// collapse of the tree. Where no window event waits, that is only Qt's own
// posted events. On Windows the program asks the system first whether one
// waits: a full pass over the message queue costs ten times the question
// (under Wine about 0.15 ms against 0.015 ms), hundreds or thousands of times
// over in those loops.
void letPendingEventsRun(QEventLoop::ProcessEventsFlags flags = QEventLoop::AllEvents);
