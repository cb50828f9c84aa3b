// What the print system says of a queue: whether it can take a job now, and whether the job just
// handed to it was taken. Qt's print engine submits a job without looking at the answer; these
// ask CUPS itself, so that a page that did not go out is never taken for one that did.
#pragma once

#include <QString>

namespace platform {

struct QueueState
{
    enum Kind {
        Ready, // takes jobs now
        Rejecting, // exists but refuses new jobs
        Stopped, // exists but is paused: a job would wait until someone starts it again
        Gone, // the scheduler knows no such queue
        Unreachable // the scheduler does not answer
    };
    Kind kind = Ready;
    // The scheduler's own words where it gave any (in English), for the message's details.
    QString detail;
};

// The state of the queue named printerName ("queue" or "queue/instance").
QueueState queueState(const QString &printerName);

// Whether the last job submitted from this thread was created; false with the scheduler's own
// words in detail where it was refused or never reached the scheduler.
bool lastJobCreated(QString *detail = nullptr);

} // namespace platform
