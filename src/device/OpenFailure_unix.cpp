// On Linux a present controller that cannot be opened is nearly always a hidraw node this user may not read: the
// package's udev rule gives the user at the seat access, but only to a node made after the rule was installed.
#include "device/OpenFailure.h"

#include <QCoreApplication>

QString OpenFailureCause(const QByteArray& path)
{
    return QCoreApplication::translate("OpenFailure",
        "QUILMOX is plugged in as %1, but this user may not open it.\n"
        "Install the udev rule 70-quilmox-parlowen.rules (the parlowen package does), then unplug "
        "and plug in the controller, or log in again.")
        .arg(QString::fromLocal8Bit(path));
}
