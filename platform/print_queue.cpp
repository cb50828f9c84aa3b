// The queue's state and the last job's outcome, from libcups.
#include "platform/print_queue.h"

#include <cups/cups.h>

namespace platform {

namespace {

bool isError(ipp_status_t status)
{
    return status >= IPP_STATUS_REDIRECTION_OTHER_SITE;
}

} // namespace

QueueState queueState(const QString &printerName)
{
    const qsizetype slash = printerName.indexOf(QLatin1Char('/'));
    const QByteArray name = printerName.left(slash).toLocal8Bit();
    const QByteArray instance = slash < 0 ? QByteArray() : printerName.mid(slash + 1).toLocal8Bit();

    QueueState state;
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(),
                                         instance.isEmpty() ? nullptr : instance.constData());
    if (!dest) {
        const ipp_status_t status = cupsLastError();
        state.detail = QString::fromUtf8(cupsLastErrorString());
        // A scheduler that answered and found nothing, or one that could not be asked.
        state.kind = status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE
                || status == IPP_STATUS_ERROR_INTERNAL || status == IPP_STATUS_ERROR_TIMEOUT
            ? QueueState::Unreachable
            : QueueState::Gone;
        return state;
    }
    const char *accepting
        = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const char *printerState = cupsGetOption("printer-state", dest->num_options, dest->options);
    const char *message = cupsGetOption("printer-state-message", dest->num_options, dest->options);
    if (message)
        state.detail = QString::fromUtf8(message);
    if (accepting && qstrcmp(accepting, "false") == 0)
        state.kind = QueueState::Rejecting;
    else if (printerState && qstrcmp(printerState, "5") == 0)
        state.kind = QueueState::Stopped;
    cupsFreeDests(1, dest);
    return state;
}

bool lastJobCreated(QString *detail)
{
    if (!isError(cupsLastError()))
        return true;
    if (detail)
        *detail = QString::fromUtf8(cupsLastErrorString());
    return false;
}

} // namespace platform
