// On Windows any user may open a HID device; an open that fails means another program holds it exclusively.
#include "device/OpenFailure.h"

#include <QCoreApplication>

QString OpenFailureCause(const QByteArray& /*path*/)
{
    return QCoreApplication::translate("OpenFailure",
        "QUILMOX is plugged in, but another program is using it.\n"
        "Close that program, then try again.");
}
